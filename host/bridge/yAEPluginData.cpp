#include "host/bridge/yAEPluginData.h"

#include <algorithm>

namespace yAE
{
void PluginData::ReceiveCommand(const yString& command)
{
    // A listener may remove itself while it hears the command.
    const std::vector<yBroadcaster*> listeners = m_eventListeners;
    for (yBroadcaster* listener : listeners)
        listener->ReceiveCommand(command);
}

void PluginData::AddEventListener(yBroadcaster* listener)
{
    if (listener) m_eventListeners.push_back(listener);
}

void PluginData::RemoveEventListener(yBroadcaster* listener)
{
    m_eventListeners.erase(std::remove(m_eventListeners.begin(), m_eventListeners.end(), listener),
                           m_eventListeners.end());
}
} // namespace yAE
