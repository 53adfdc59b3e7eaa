#include "standalone/emulator/yHandleStore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace yStandalone
{
yHandleStore::~yHandleStore()
{
    for (auto& entry : m_blocks)
        std::free(entry.second->data);
}

PF_Handle yHandleStore::New(size_t size)
{
    if (size > kMaxSize) return nullptr;
    // Called from inside the module: running out of memory gives no handle,
    // never an exception.
    std::unique_ptr<yBlock> block(new (std::nothrow) yBlock);
    void* data = block ? std::calloc(std::max<size_t>(size, 1), 1) : nullptr;
    if (!data) return nullptr;
    block->data = data;
    block->size = size;
    const PF_Handle handle = &block->data;
    try
    {
        m_blocks.emplace(handle, std::move(block));
    }
    catch (const std::bad_alloc&)
    {
        std::free(data);
        return nullptr;
    }
    return handle;
}

void yHandleStore::Dispose(PF_Handle handle)
{
    yBlock* block = Block(handle);
    if (!block) return;
    std::free(block->data);
    m_blocks.erase(handle);
}

yHandleStore::yBlock* yHandleStore::Block(PF_Handle handle)
{
    const auto found = m_blocks.find(handle);
    if (found != m_blocks.end()) return found->second.get();
    ++m_badUses;
    return nullptr;
}

PF_Err yHandleStore::Resize(PF_Handle handle, size_t size)
{
    yBlock* block = Block(handle);
    if (!block) return PF_Err_BAD_CALLBACK_PARAM;
    if (size > kMaxSize) return PF_Err_OUT_OF_MEMORY;
    void* data = std::realloc(block->data, std::max<size_t>(size, 1));
    if (!data) return PF_Err_OUT_OF_MEMORY;
    if (size > block->size) std::memset(static_cast<char*>(data) + block->size, 0, size - block->size);
    block->data = data;
    block->size = size;
    return PF_Err_NONE;
}

size_t yHandleStore::Size(PF_Handle handle) const
{
    const auto found = m_blocks.find(handle);
    return found == m_blocks.end() ? 0 : found->second->size;
}

std::vector<uint8_t> yHandleStore::Bytes(PF_Handle handle) const
{
    const auto found = m_blocks.find(handle);
    if (found == m_blocks.end()) return {};
    const auto* data = static_cast<const uint8_t*>(found->second->data);
    return std::vector<uint8_t>(data, data + found->second->size);
}
} // namespace yStandalone
