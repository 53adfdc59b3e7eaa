// The memory behind the drawing context of a draw event: a ZT_DrawSurface
// on POSIX, and in the Windows build for today's hosts, where the module
// draws into memory of its own; for the legacy hosts on Windows, a device
// context (windows/yHostContext.cpp). Internal to the platform layer.
#pragma once

#include <cstdint>

namespace yPlatform
{
struct HostMemory
{
    uint8_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    bool bottomUp = true;
};

// False when the context describes no memory the module can draw into.
bool ReadHostContext(const void* context, HostMemory& memory);
// Hands what was drawn since the context was read to its device, where the
// memory read was only a copy of the device's pixels.
void PresentHostContext(const void* context);
} // namespace yPlatform
