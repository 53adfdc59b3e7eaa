// Host memory: the handles the host gives a module. A handle is the address
// of its block's data pointer, so that *handle is the data.
#pragma once

#include "host/sdk/AE_Effect.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace yStandalone
{
class yHandleStore
{
  public:
    struct yBlock
    {
        void* data = nullptr; // first, so that a handle is the block's address
        size_t size = 0;
        int locks = 0;
    };
    // Larger handles are refused, as a host out of memory would.
    static constexpr size_t kMaxSize = size_t(1) << 30;

    yHandleStore() = default;
    ~yHandleStore();
    yHandleStore(const yHandleStore&) = delete;
    yHandleStore& operator=(const yHandleStore&) = delete;

    // A zero-filled handle, or null when the size is refused.
    PF_Handle New(size_t size);
    void Dispose(PF_Handle handle);
    // The block of a live handle; anything else counts as a bad use.
    yBlock* Block(PF_Handle handle);
    PF_Err Resize(PF_Handle handle, size_t size);

    size_t Live() const { return m_blocks.size(); }
    bool IsHandle(PF_Handle handle) const { return m_blocks.count(handle) != 0; }
    size_t Size(PF_Handle handle) const;
    // A copy of a handle's bytes (empty for no handle).
    std::vector<uint8_t> Bytes(PF_Handle handle) const;
    int BadUses() const { return m_badUses; }

  private:
    std::map<PF_Handle, std::unique_ptr<yBlock>> m_blocks;
    int m_badUses = 0;
};
} // namespace yStandalone
