#include "ui/yBroadcaster.h"

void yBroadcaster::ReceiveCommand(const yString&)
{
}

void yBroadcaster::BroadcastCommand(const yString& command)
{
    if (m_mute || command.GetLength() == 0)
        return;
    // Indexes rather than iterators: a listener may add listeners while it
    // receives. Those join from the next command on.
    const std::size_t count = m_listeners.size();
    for (std::size_t i = 0; i < count; ++i)
        m_listeners[i]->ReceiveCommand(command);
}

void yBroadcaster::AddListener(yBroadcaster* listener)
{
    if (listener)
        m_listeners.push_back(listener);
}
