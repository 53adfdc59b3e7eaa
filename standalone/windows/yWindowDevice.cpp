#include "standalone/yWindowDevice.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>

namespace yHost
{
namespace
{
size_t Bytes(const ZT_DrawSurface& s)
{
    return size_t(s.row_bytes) * size_t(s.height);
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
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = surface.width;
    info.bmiHeader.biHeight = surface.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
    if (!bitmap)
    {
        DeleteDC(dc);
        return;
    }
    std::memcpy(m_bits, surface.pixels, Bytes(surface));
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
    std::memcpy(m_surface.pixels, m_bits, Bytes(m_surface));
}
} // namespace yHost
