#include "ui/yUIThemedToggle.h"

yUIThemedToggle::yUIThemedToggle()
{
    SetName("yUIThemedToggle");
}

void yUIThemedToggle::SetOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    Invalidate(true);
}

void yUIThemedToggle::MouseUp()
{
    m_on = !m_on;
    BroadcastCommand(GetChangeCommand());
    yUIThemedControl::MouseUp();
}

void yUIThemedToggle::DrawNormal()
{
    DrawBand(m_on ? kBandNormal : kBandDisabled);
}
