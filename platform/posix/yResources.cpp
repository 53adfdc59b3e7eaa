#include "platform/yResources.h"
#include "platform/ySurface.h"

#include "host/sdk/ZT_ResourceSection.h"

#include <cstring>

// Provided by the linker around the section when the resource object is linked
// in; weak, so that code without resources links and finds nothing.
extern "C" const uint8_t __start_zelrsrc[] __attribute__((weak));
extern "C" const uint8_t __stop_zelrsrc[] __attribute__((weak));

namespace yPlatform
{
namespace
{
uint32_t ReadWord(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
} // namespace

ResourceData FindResource(uint32_t type, uint32_t number, uint32_t language)
{
    const uint8_t* start = __start_zelrsrc;
    const uint8_t* stop = __stop_zelrsrc;
    if (!start || !stop || stop - start < ptrdiff_t(sizeof(ZT_Resources::Header)))
        return {};
    const size_t sectionSize = size_t(stop - start);
    if (ReadWord(start) != ZT_Resources::kMagic)
        return {};
    const uint32_t count = ReadWord(start + 8);
    const size_t directoryEnd = sizeof(ZT_Resources::Header) + size_t(count) * sizeof(ZT_Resources::Entry);
    if (directoryEnd > sectionSize)
        return {};
    for (uint32_t i = 0; i < count; ++i)
    {
        const uint8_t* e = start + sizeof(ZT_Resources::Header) + i * sizeof(ZT_Resources::Entry);
        if (ReadWord(e) != type || ReadWord(e + 4) != number)
            continue;
        if (language != 0 && ReadWord(e + 8) != language)
            continue;
        const uint32_t size = ReadWord(e + 12), offset = ReadWord(e + 16);
        if (offset > sectionSize || size > sectionSize - offset)
            return {};
        return {start + offset, size};
    }
    return {};
}

std::unique_ptr<Surface> Surface::LoadBitmapResource(uint32_t number)
{
    const ResourceData r = FindResource(ZT_Resources::kTypeBitmap, number);
    return r.bytes ? FromDib(r.bytes, r.size) : nullptr;
}
} // namespace yPlatform
