// Holds one host handle from its creation until the host owns it: whatever
// path a call leaves by, a handle still held is unlocked and disposed.
// Release() hands it on (to out_data) and ends the holding.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "host/sdk/AE_EffectSuites.h"
#include "host/sdk/AE_Profile.h"

#include <utility>

namespace yAE
{
class Handle
{
  public:
    // The host's handle functions, from its handle suite or its callbacks.
    struct Functions
    {
        PF_NewHandleFunc create;
        PF_LockHandleFunc lock;
        PF_UnlockHandleFunc unlock;
        PF_DisposeHandleFunc dispose;
    };
    static Functions From(const PF_HandleSuite1& suite)
    {
        return {suite.host_new_handle, suite.host_lock_handle, suite.host_unlock_handle,
                suite.host_dispose_handle};
    }
    static Functions From(const ae_profile::PF_UtilCallbacks& utils)
    {
        return {utils.host_new_handle, utils.host_lock_handle, utils.host_unlock_handle,
                utils.host_dispose_handle};
    }

    Handle(const Functions& functions, A_HandleSize size) : m_functions(functions)
    {
        if (m_functions.create) m_handle = m_functions.create(size);
    }
    ~Handle()
    {
        if (!m_handle) return;
        if (m_locked && m_functions.unlock) m_functions.unlock(m_handle);
        if (m_functions.dispose) m_functions.dispose(m_handle);
    }
    Handle(Handle&& other) noexcept
        : m_functions(other.m_functions), m_handle(std::exchange(other.m_handle, nullptr)),
          m_locked(std::exchange(other.m_locked, false))
    {
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle& operator=(Handle&&) = delete;

    // The block, locked until Unlock or disposal; null when the host refuses.
    void* Lock()
    {
        if (!m_handle || !m_functions.lock) return nullptr;
        void* block = m_functions.lock(m_handle);
        m_locked = block != nullptr;
        return block;
    }
    void Unlock()
    {
        if (m_handle && m_locked && m_functions.unlock) m_functions.unlock(m_handle);
        m_locked = false;
    }

    PF_Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    // The host owns the handle from now on, as it is (a locked block stays locked).
    PF_Handle Release() { return std::exchange(m_handle, nullptr); }

  private:
    Functions m_functions;
    PF_Handle m_handle = nullptr;
    bool m_locked = false;
};
} // namespace yAE
