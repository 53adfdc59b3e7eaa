#include "standalone/emulator/yWindowDevice.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace yStandalone
{
namespace
{
size_t Bytes(const ZT_DrawSurface& s)
{
    return size_t(s.row_bytes) * size_t(s.height);
}

BITMAPINFO RowsOf(const ZT_DrawSurface& s)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = s.width;
    info.bmiHeader.biHeight = s.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A window's own device hides its pixels from the module; a device-dependent
// bitmap does the same, so the checks can take that path on request.
bool HiddenPixels()
{
    const char* kind = std::getenv("TONESCOPE_WINDOW_DEVICE");
    return kind && std::strcmp(kind, "ddb") == 0;
}
} // namespace

yWindowDevice::yWindowDevice(ZT_DrawSurface& surface) : m_surface(surface)
{
    // Both are bottom-up rows of 32-bit pixels; a DIB row of that width has
    // no padding, so the surface's rows must have none either.
    if (!surface.pixels || surface.width <= 0 || surface.height <= 0 || surface.row_bytes != surface.width * 4)
        return;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return;
    BITMAPINFO info = RowsOf(surface);
    HBITMAP bitmap = nullptr;
    if (HiddenPixels())
    {
        bitmap = CreateBitmap(surface.width, surface.height, 1, 32, nullptr);
        if (bitmap && !SetDIBits(dc, bitmap, 0, UINT(surface.height), surface.pixels, &info, DIB_RGB_COLORS))
        {
            DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
    else if ((bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0)))
        std::memcpy(m_bits, surface.pixels, Bytes(surface));
    if (!bitmap)
    {
        DeleteDC(dc);
        return;
    }
    m_replaced = SelectObject(dc, bitmap);
    m_bitmap = bitmap;
    m_context = dc;
}

yWindowDevice::~yWindowDevice()
{
    if (!m_context) return;
    HDC dc = static_cast<HDC>(m_context);
    SelectObject(dc, static_cast<HGDIOBJ>(m_replaced));
    DeleteObject(static_cast<HGDIOBJ>(m_bitmap));
    DeleteDC(dc);
}

void yWindowDevice::Finish()
{
    if (!m_context) return;
    GdiFlush();
    if (m_bits)
    {
        std::memcpy(m_surface.pixels, m_bits, Bytes(m_surface));
        return;
    }
    // A bitmap is read only while no device holds it.
    HDC dc = static_cast<HDC>(m_context);
    BITMAPINFO info = RowsOf(m_surface);
    SelectObject(dc, static_cast<HGDIOBJ>(m_replaced));
    GetDIBits(dc, static_cast<HBITMAP>(m_bitmap), 0, UINT(m_surface.height), m_surface.pixels, &info,
              DIB_RGB_COLORS);
    SelectObject(dc, static_cast<HGDIOBJ>(m_bitmap));
}
} // namespace yStandalone
