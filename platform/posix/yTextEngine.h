// The font a device has selected, as both platforms keep it: FreeType over the
// fonts embedded in the module on POSIX, GDI's own faces on Windows.
// Internal to the platform layer.
#pragma once

#include "platform/ySurface.h"

#include <cstdint>

namespace yPlatform
{
// Face numbers: family * 10 + style (1 bold, 2 italic), as the 'FONT'
// resources of the module are numbered.
constexpr uint32_t kArialBase = 10;
constexpr uint32_t kVerdanaBase = 20;
constexpr int32_t kDefaultCellHeight = 12;
// Faces larger than this are refused: no panel text comes near it.
constexpr int32_t kMaxCellHeight = 1000;

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
