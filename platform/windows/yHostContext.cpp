#include "platform/posix/yHostContext.h"
#include "platform/windows/yWin32.h"

namespace yPlatform
{
bool ReadHostContext(const void* context, HostMemory& memory)
{
    // A window's device on Windows is a memory device context whose selected
    // bitmap is a 32-bit DIB section: its bits are the window's pixels.
    HDC dc = static_cast<HDC>(const_cast<void*>(context));
    HGDIOBJ bitmap = dc ? GetCurrentObject(dc, OBJ_BITMAP) : nullptr;
    DIBSECTION dib{};
    if (!bitmap || GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits ||
        dib.dsBm.bmBitsPixel != 32)
        return false;
    // What GDI has batched must reach the bits before they are drawn on directly.
    GdiFlush();
    memory = HostMemory{static_cast<uint8_t*>(dib.dsBm.bmBits), dib.dsBm.bmWidth, dib.dsBm.bmHeight,
                        dib.dsBm.bmWidthBytes, dib.dsBmih.biHeight > 0};
    return true;
}
} // namespace yPlatform
