// A named object that sends named commands to the listeners registered with it.
#pragma once

#include "base/yString.h"

#include <cstddef>
#include <vector>

class yBroadcaster
{
public:
    yBroadcaster() = default;
    virtual ~yBroadcaster() = default;

    // Empty here: every class that listens overrides it.
    virtual void ReceiveCommand(const yString& command);

    // Calls ReceiveCommand on every listener, first added first; nothing while
    // muted or for the empty command.
    void BroadcastCommand(const yString& command);
    // Appends a listener; duplicates are kept (and then receive each command
    // once per entry). A null listener is ignored.
    void AddListener(yBroadcaster* listener);
    std::size_t GetListenerCount() const { return m_listeners.size(); }

    void SetMute(bool mute) { m_mute = mute; }
    bool IsMuted() const { return m_mute; }

    void SetName(const yString& name) { m_name = name; }
    const yString& GetName() const { return m_name; }

private:
    bool m_mute = false;
    yString m_name;
    std::vector<yBroadcaster*> m_listeners; // not owned
};
