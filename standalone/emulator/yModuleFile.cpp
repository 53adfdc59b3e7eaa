#include "standalone/emulator/yModuleFile.h"
#include "host/sdk/ZT_ByteOrder.h"

#include "host/sdk/ZT_ResourceSection.h"

namespace yStandalone
{
namespace
{
constexpr auto Word = ZT_ByteOrder::LoadU32;
} // namespace

bool yModuleFile::Open(const std::string& path, std::string& error)
{
    m_path = path;
    Clear();
    if (!ReadResources(path, error))
    {
        Clear();
        return false;
    }
    return true;
}

bool yModuleFile::ReadDirectory(std::string& error)
{
    const uint64_t size = m_sectionSize;
    const uint8_t* base = m_section;
    if (size < sizeof(ZT_Resources::Header) || Word(base) != ZT_Resources::kMagic)
    {
        error = "The resource section of " + m_path + " does not start with a resource directory.";
        return false;
    }
    if (Word(base + 4) != ZT_Resources::kVersion)
    {
        error = "The resource section of " + m_path + " has directory version " +
                std::to_string(Word(base + 4)) + ", which this host does not read.";
        return false;
    }
    const uint64_t count = Word(base + 8);
    if (!Inside(sizeof(ZT_Resources::Header), count * sizeof(ZT_Resources::Entry), size))
    {
        error = "The resource directory of " + m_path + " is truncated.";
        return false;
    }
    m_entries.reserve(count);
    for (uint64_t i = 0; i < count; ++i)
    {
        const uint8_t* p = base + sizeof(ZT_Resources::Header) + i * sizeof(ZT_Resources::Entry);
        const Entry entry{Word(p), Word(p + 4), Word(p + 8), Word(p + 12), Word(p + 16)};
        if (!Inside(entry.offset, entry.size, size))
        {
            error = "The resource directory of " + m_path + " points past the end of its section.";
            return false;
        }
        m_entries.push_back(entry);
    }
    return true;
}

void yModuleFile::Clear()
{
    m_section = nullptr;
    m_sectionSize = 0;
    m_keep.reset();
    m_entries.clear();
}

yResourceView yModuleFile::Find(uint32_t type, uint32_t number, uint32_t language) const
{
    for (const Entry& entry : m_entries)
        if (entry.type == type && entry.number == number && (language == 0 || entry.language == language))
            return {m_section + entry.offset, entry.size};
    return {};
}
} // namespace yStandalone
