// A themed control with an on/off state that a mouse-up flips. Its normal
// look is the picture's top frame while on and its bottom frame while off.
#pragma once

#include "ui/yUIThemedControl.h"

class yUIThemedToggle : public yUIThemedControl
{
public:
    yUIThemedToggle();

    // Flips the state and broadcasts the change command, also while disabled;
    // then the base mouse-up, whose command a disabled toggle does not send.
    void MouseUp() override;
    void DrawNormal() override;

    // Sets the state without any command.
    void SetOn(bool on);
    bool IsOn() const { return m_on; }

private:
    bool m_on = false;
};
