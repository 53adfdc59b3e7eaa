#include "platform/posix/yHostContext.h"
#include "platform/windows/yWin32.h"

#include <map>

namespace yPlatform
{
namespace
{
// A device whose pixels the module cannot reach (a window's own device, or a
// memory device holding a device-dependent bitmap) is drawn through a copy:
// a 32-bit DIB section filled from the device when first read and copied
// back when the draw event presents it.
struct Shadow
{
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ replaced = nullptr;
    void* bits = nullptr;
    int width = 0, height = 0;
};

std::map<HDC, Shadow>& Shadows()
{
    static std::map<HDC, Shadow> shadows;
    return shadows;
}

bool ReadDib(HDC dc, HostMemory& memory)
{
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
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

// The size of what the device shows: its bitmap's, its window's client area,
// or its clip box.
bool DeviceSize(HDC dc, int& width, int& height)
{
    BITMAP plain{};
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    RECT r{};
    if (bitmap && GetObjectA(bitmap, sizeof plain, &plain) == sizeof plain && plain.bmWidth > 1)
    {
        width = plain.bmWidth;
        height = plain.bmHeight;
    }
    else if (HWND window = WindowFromDC(dc); window && GetClientRect(window, &r))
    {
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    else if (GetClipBox(dc, &r) != ERROR)
    {
        width = r.right;
        height = r.bottom;
    }
    return width > 0 && height > 0;
}

bool MakeShadow(HDC device, Shadow& shadow)
{
    if (!DeviceSize(device, shadow.width, shadow.height))
        return false;
    shadow.dc = CreateCompatibleDC(device);
    if (!shadow.dc)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shadow.width;
    info.bmiHeader.biHeight = shadow.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    shadow.bitmap = CreateDIBSection(shadow.dc, &info, DIB_RGB_COLORS, &shadow.bits, nullptr, 0);
    if (!shadow.bitmap)
    {
        DeleteDC(shadow.dc);
        return false;
    }
    shadow.replaced = SelectObject(shadow.dc, shadow.bitmap);
    BitBlt(shadow.dc, 0, 0, shadow.width, shadow.height, device, 0, 0, SRCCOPY);
    GdiFlush();
    return true;
}

void FreeShadow(Shadow& shadow)
{
    SelectObject(shadow.dc, shadow.replaced);
    DeleteObject(shadow.bitmap);
    DeleteDC(shadow.dc);
}
} // namespace

bool ReadHostContext(const void* context, HostMemory& memory)
{
    HDC dc = static_cast<HDC>(const_cast<void*>(context));
    if (!dc)
        return false;
    if (ReadDib(dc, memory))
        return true;
    auto found = Shadows().find(dc);
    if (found == Shadows().end())
    {
        Shadow shadow;
        if (!MakeShadow(dc, shadow))
            return false;
        found = Shadows().emplace(dc, shadow).first;
    }
    const Shadow& s = found->second;
    memory = HostMemory{static_cast<uint8_t*>(s.bits), s.width, s.height, s.width * 4, true};
    return true;
}

void PresentHostContext(const void* context)
{
    HDC dc = static_cast<HDC>(const_cast<void*>(context));
    auto found = Shadows().find(dc);
    if (found == Shadows().end())
        return;
    Shadow& s = found->second;
    BitBlt(dc, 0, 0, s.width, s.height, s.dc, 0, 0, SRCCOPY);
    GdiFlush();
    // The next draw event starts from the device's pixels again.
    FreeShadow(s);
    Shadows().erase(found);
}
} // namespace yPlatform
