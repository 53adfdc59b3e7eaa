// Base of every per-instance data object: a broadcaster that hears the
// commands of the panel it owns and passes them on to whoever listens for the
// length of one event (the short-lived plug-in object).
#pragma once

#include "ui/yBroadcaster.h"

#include <vector>

namespace yAE
{
class PluginData : public yBroadcaster
{
  public:
    PluginData() { SetName("PluginData"); }

    // Passes every command it hears to the event listeners, first added first.
    void ReceiveCommand(const yString& command) override;

    // Listeners are linked only while an event runs, so they can go again:
    // the plug-in object they point to is gone after the call.
    void AddEventListener(yBroadcaster* listener);
    void RemoveEventListener(yBroadcaster* listener);
    std::size_t GetEventListenerCount() const { return m_eventListeners.size(); }

  private:
    std::vector<yBroadcaster*> m_eventListeners; // not owned
};
} // namespace yAE
