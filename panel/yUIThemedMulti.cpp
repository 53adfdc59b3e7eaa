#include "panel/yUIThemedMulti.h"

#include <algorithm>

yUIThemedMulti::yUIThemedMulti()
{
    SetName("yUIThemedMulti");
}

void yUIThemedMulti::AddStateImage(yUIImageResource* image)
{
    if (image == nullptr || std::find(m_images.begin(), m_images.end(), image) != m_images.end())
        return;
    m_images.push_back(image);
    m_lastState = static_cast<unsigned long>(m_images.size() - 1);
}

void yUIThemedMulti::UpdateState()
{
    if (m_state > m_lastState)
        m_state = 0;
    if (m_state >= m_images.size())
        return;
    const yUIImageResource* image = m_images[m_state];
    // A picture that failed to load shows as no picture.
    SetImage(image->GetImage());
    BroadcastCommand(GetChangeCommand());
}

void yUIThemedMulti::MouseDown()
{
    if (!IsDisabledInHierarchy())
    {
        ++m_state;
        UpdateState();
    }
    yUIThemedControl::MouseDown();
}
