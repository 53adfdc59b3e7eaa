// A drawn push button that can also act as a toggle: a text box whose border
// style and colours follow the mouse through six looks.
#pragma once

#include "ui/yUITextBox.h"

class yUISimpleButton : public yUITextBox
{
public:
    // The looks, each a border style, a back colour and a text colour.
    enum LookIndex
    {
        kLookNormal,
        kLookPressed,
        kLookPressedHovered,
        kLookHovered,
        kLookDragged,
        kLookDisabled,
        kLookCount
    };
    struct Look
    {
        short boxStyle;
        yColor8 back;
        yColor8 text;
    };

    yUISimpleButton();

    // Chooses the look for the state and the event, then draws as a text box.
    void Draw() override;
    void MouseOver() override;
    // In toggle mode and with no modifier key held the button flips, even
    // while disabled, and broadcasts its change command.
    void MouseDown() override;
    void MouseUp() override;
    // Sets the back colour of the disabled look.
    void SetDisabledColor(const yColor8& color) override;

    void SetOn(bool on) { m_on = on; }
    bool IsOn() const { return m_on; }
    void SetToggleMode(bool on) { m_toggleMode = on; }
    bool GetToggleMode() const { return m_toggleMode; }
    void SetRingOnHover(bool on) { m_ringOnHover = on; }
    void SetRingColors(const yColor8& whenOn, const yColor8& whenOff);
    void SetLook(LookIndex index, const Look& look);
    const Look& GetLook(LookIndex index) const { return m_looks[index]; }
    // The look that the next Draw uses.
    LookIndex ChooseLook() const;

private:
    void ApplyLook(LookIndex index);

    bool m_on = false;
    bool m_toggleMode = false;
    bool m_ringOnHover = false;
    Look m_looks[kLookCount];
    yColor8 m_ringOnColor{255, 0, 0, 0};
    yColor8 m_ringOffColor{255, 0, 0, 0};
};
