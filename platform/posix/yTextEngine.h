// Text of the POSIX platform: FreeType over the fonts embedded in the module.
// Internal to the platform layer.
#pragma once

#include "platform/ySurface.h"

#include <cstdint>

namespace yPlatform
{
// The font a device has selected.
struct Device::FontState
{
    uint32_t resource = 10; // the 'FONT' resource number of the face and style
    int32_t cellHeight = 12;
    bool underline = false;
};

// The 'FONT' resource that stands for a face name and style.
uint32_t FontResourceFor(const char* face, bool bold, bool italic);
} // namespace yPlatform
