// An image button with any number of states, one picture strip per state; a
// click steps to the next state and wraps from the last back to the first.
#pragma once

#include "ui/yUIThemedControl.h"

#include <vector>

class yUIThemedMulti : public yUIThemedControl
{
public:
    yUIThemedMulti();

    // Steps to the next state unless disabled, then the themed control's own
    // mouse-down.
    void MouseDown() override;

    // Appends a state; an image already in the list is not added again. The
    // images stay owned by the caller.
    void AddStateImage(yUIImageResource* image);
    // Wraps the state index to 0 past the last state, shows that state's
    // picture and broadcasts the change command; nothing without states.
    void UpdateState();

    void SetState(unsigned long state) { m_state = state; }
    unsigned long GetState() const { return m_state; }
    unsigned long GetLastState() const { return m_lastState; }

private:
    unsigned long m_state = 0;
    unsigned long m_lastState = 0;
    std::vector<yUIImageResource*> m_images; // not owned
};
