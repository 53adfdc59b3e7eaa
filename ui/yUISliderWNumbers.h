// A slider with two number displays: a static number at a fixed place along
// the slider, and an active number that follows the thumb and can be typed into.
#pragma once

#include "ui/yUINumberEditHidden.h"
#include "ui/yUISlider.h"

class yUISliderWNumbers : public yUISlider
{
public:
    // Commands of the number displays; the slider listens to them.
    static constexpr char kNumberDragCommand[] = "Number Drag";
    static constexpr char kStaticMouseUpCommand[] = "StaticNumber MouseUp";
    static constexpr char kStaticActivateCommand[] = "StaticNumber Activate";
    static constexpr char kStaticDeactivateCommand[] = "StaticNumber Deactivate";
    static constexpr char kActiveActivateCommand[] = "ActiveNumber Activate";
    static constexpr char kActiveDeactivateCommand[] = "ActiveNumber Deactivate";

    yUISliderWNumbers();

    void ReceiveCommand(const yString& command) override;
    // Hands the new value to both number displays.
    void SetNormalizedValue(const float& position) override;
    // Chooses which number shows, then draws.
    void Draw() override;
    // The static number at its fixed place, the active one at the thumb.
    void Layout() override;

    void SetDecimals(unsigned char decimals);
    unsigned char GetDecimals() const { return m_decimals; }
    // Distance of the numbers from the slider's axis, in pixels.
    void SetNumberDistance(long distance);
    // The static number's place along the whole length, 0 to 1.
    void SetStaticPlace(float place);
    // In hover mode only the active number shows.
    void SetHoverMode(bool on) { m_hoverMode = on; }
    // Broadcast when a number display starts or ends an edit.
    void SetNumberActivateCommand(const yString& command) { m_numberActivateCommand = command; }
    void SetNumberDeactivateCommand(const yString& command) { m_numberDeactivateCommand = command; }
    // The numbers' colour, and the pale colour the static number fades to
    // while the thumb is near it.
    void SetNumberColors(const yColor8& color, const yColor8& pale);

    yUINumberEditHidden& GetStaticNumber() { return m_staticNumber; }
    yUINumberEditHidden& GetActiveNumber() { return m_activeNumber; }

private:
    void UpdateNumberDisplays();
    // The static number's colour while the thumb is hovered.
    yColor8 BlendedColor() const;

    unsigned char m_decimals = 0;
    long m_numberDistance = 10;
    float m_staticPlace = 0.0f;
    bool m_hoverMode = false;
    yString m_numberActivateCommand;
    yString m_numberDeactivateCommand;
    yColor8 m_numberColor{255, 64, 64, 64};
    yColor8 m_paleColor{255, 200, 200, 200};
    yUINumberEditHidden m_staticNumber;
    yUINumberEditHidden m_activeNumber;
};
