#include "draw/yDrawPort.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
yPlatform::Rgb ToRgb(yColor8 const& c) { return yPlatform::Rgb{c.red, c.green, c.blue}; }

// Drawing coordinates are summed in 64 bits and pinned to 32: anything that
// far out is off every surface, and the platform clips it.
int32_t Pin(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }
} // namespace

yDrawPort::yDrawPort() = default;

yDrawPort::yDrawPort(yDrawPort const& other) { *this = other; }

// A foreign device may be gone by now, so the destructor only releases what
// the port owns and never touches the device.
yDrawPort::~yDrawPort() { Destroy(); }

yDrawPort& yDrawPort::operator=(yDrawPort const& other)
{
    if (this == &other)
        return *this;
    m_font = other.m_font;
    m_ownsSurface = other.m_ownsSurface;
    SetForeColor(other.m_foreColor);
    SetBackColor(other.m_backColor);
    SetDrawPort(other.m_device);
    m_depth = other.m_depth;
    // With a device now present this rebuilds a surface of our own.
    SetSize(other.m_width, other.m_height);
    m_drawOffset = other.m_drawOffset;
    return *this;
}

void yDrawPort::SetSize(long const& width, long const& height)
{
    m_width = Pin(width);
    m_height = Pin(height);
    if (m_device && m_recreateOnResize)
        ReCreate();
}

long yDrawPort::Create()
{
    m_ownsSurface = true;
    m_ownDevice = yPlatform::Device::CreateMemory();
    m_device = m_ownDevice.get();
    if (!m_device)
        return kOutOfMemory;
    AdoptDevice(m_device);
    m_surface = yPlatform::Surface::Create(m_width, m_height, true);
    if (!m_surface)
        return kOutOfMemory;
    m_device->Select(m_surface.get());
    m_hasAlpha = false;
    return kNoError;
}

long yDrawPort::ReCreate()
{
    Destroy();
    return Create();
}

void yDrawPort::Destroy()
{
    // Only our own memory device and surface are released; a foreign device
    // is forgotten, never deleted.
    m_device = nullptr;
    m_ownDevice.reset();
    m_surface.reset();
}

long yDrawPort::SetDrawPort(yPlatform::Device* device)
{
    m_device = device;
    if (device)
    {
        AdoptDevice(device);
        if (yPlatform::Surface* s = device->SelectedSurface())
        {
            m_width = s->Width();
            m_height = s->Height();
        }
    }
    return kNoError;
}

long yDrawPort::SetDrawPort(void* hostContext)
{
    if (!hostContext)
    {
        m_device = nullptr;
        m_hostDevice.reset();
        return kNoError;
    }
    auto wrapper = yPlatform::Device::WrapHostContext(hostContext);
    m_device = wrapper.get();
    m_hostDevice = std::move(wrapper);
    if (m_device)
    {
        m_device->SetBackColor(ToRgb(m_backColor));
        AdoptDevice(m_device);
    }
    return kNoError;
}

void yDrawPort::Present()
{
    if (m_device)
        m_device->Present();
}

const void* yDrawPort::GetHostContext() const
{
    return m_hostDevice && m_device == m_hostDevice.get() ? m_hostDevice->HostContext() : nullptr;
}

bool yDrawPort::LoadImageResource(long id)
{
    // long is 32 bits on Windows: compare in a type that holds every resource number.
    if (id < 0 || int64_t(id) > int64_t(UINT32_MAX))
        return false;
    auto picture = yPlatform::Surface::LoadBitmapResource(uint32_t(id));
    if (!picture)
        return false;
    auto device = yPlatform::Device::CreateMemory();
    if (!device)
        return false;
    m_ownDevice = std::move(device);
    m_surface = std::move(picture);
    m_device = m_ownDevice.get();
    m_device->Select(m_surface.get());
    AdoptDevice(m_device);
    m_ownsSurface = true;
    m_hasAlpha = true;
    m_width = m_surface->Width();
    m_height = m_surface->Height();
    return true;
}

void yDrawPort::AdoptDevice(yPlatform::Device* device)
{
    device->SetBackColor(ToRgb(m_backColor));
    if (m_drawing)
    {
        m_replacedBrush = device->SelectBrush(m_fillBrush);
        m_replacedPen = device->SelectPen(m_linePen);
    }
}

// --- colours -------------------------------------------------------------------

void yDrawPort::SetForeColor(yColor8 const& color)
{
    m_foreColor = color;
    m_fillBrush = yPlatform::Brush::Solid(ToRgb(color));
    m_linePen = yPlatform::Pen::Solid(ToRgb(color));
    if (m_device)
    {
        m_device->SelectBrush(m_fillBrush);
        m_device->SelectPen(m_linePen);
    }
}

void yDrawPort::SetForeColor(unsigned char red, unsigned char green, unsigned char blue)
{
    SetForeColor(yColor8(red, green, blue));
}

void yDrawPort::SetForeColor(PF_App_Color const& color) { SetForeColor(yColor8::FromHostColor(color)); }

void yDrawPort::SetForeColor(unsigned long const& grey) { SetForeColor(yColor8(grey)); }

void yDrawPort::SetBackColor(yColor8 const& color)
{
    m_backColor = color;
    if (m_device)
        m_device->SetBackColor(ToRgb(color));
}

void yDrawPort::SetBackColor(unsigned char red, unsigned char green, unsigned char blue)
{
    SetBackColor(yColor8(red, green, blue));
}

void yDrawPort::SetBackColor(PF_App_Color const& color) { SetBackColor(yColor8::FromHostColor(color)); }

void yDrawPort::SetBackColor(unsigned long const& grey) { SetBackColor(yColor8(grey)); }

yColor8 yDrawPort::GetBackColor() const
{
    if (m_surface || !m_device)
        return m_backColor;
    const uint8_t r = m_device->BackColor().red;
    return yColor8(r, r, r);
}

// --- lines and shapes ------------------------------------------------------------

yPlatform::Box yDrawPort::ToDevice(yRect const& r) const
{
    return yPlatform::Box{Pin(int64_t(r.left) + m_drawOffset.x), Pin(int64_t(r.top) + m_drawOffset.y),
                          Pin(int64_t(r.right) + m_drawOffset.x), Pin(int64_t(r.bottom) + m_drawOffset.y)};
}

void yDrawPort::MoveTo(short x, short y)
{
    if (m_device)
        m_device->MoveTo(Pin(int64_t(x) + m_drawOffset.x), Pin(int64_t(y) + m_drawOffset.y));
}

void yDrawPort::LineTo(short x, short y)
{
    if (ApplyClip())
        m_device->LineTo(Pin(int64_t(x) + m_drawOffset.x), Pin(int64_t(y) + m_drawOffset.y));
}

void yDrawPort::Move(short dx, short dy)
{
    if (!m_device)
        return;
    const yPlatform::Point p = m_device->PenPosition();
    m_device->MoveTo(Pin(int64_t(p.x) + dx), Pin(int64_t(p.y) + dy));
}

void yDrawPort::Line(short x1, short y1, short x2, short y2)
{
    MoveTo(x1, y1);
    LineTo(x2, y2);
}

void yDrawPort::Outline(yRect r)
{
    // Coordinates go through short, as the line calls take them.
    const short l = short(r.left), t = short(r.top), b = short(r.bottom - 1), rt = short(r.right - 1);
    MoveTo(l, t);
    LineTo(l, b);
    LineTo(rt, b);
    LineTo(rt, t);
    LineTo(l, t);
}

void yDrawPort::Outline() { Outline(GetWorldExtentRect()); }

void yDrawPort::X(yRect r)
{
    Line(short(r.left), short(r.top), short(r.right - 1), short(r.bottom - 1));
    Line(short(r.left), short(r.bottom - 1), short(r.right - 1), short(r.top));
}

void yDrawPort::OutlineX(yRect r)
{
    Outline(r);
    X(r);
}

void yDrawPort::Fill(yRect r)
{
    if (ApplyClip())
        m_device->FillBox(ToDevice(r), yPlatform::Brush::Solid(ToRgb(m_foreColor)));
}

void yDrawPort::Fill()
{
    if (ApplyClip())
        m_device->FillBox(yPlatform::Box{0, 0, 1000, 1000}, yPlatform::Brush::Solid(ToRgb(m_foreColor)));
}

void yDrawPort::FillPattern(yPlatform::Brush const& brush) { FillPattern(brush, GetWorldExtentRect()); }

void yDrawPort::FillPattern(yPlatform::Brush const& brush, yRect r)
{
    if (!ApplyClip())
        return;
    m_device->SelectBrush(brush);
    m_device->FillBox(ToDevice(r), brush);
}

void yDrawPort::Erase()
{
    if (!ApplyClip())
        return;
    if (!m_ownsSurface)
    {
        m_device->RequestRepaint(nullptr);
        return;
    }
    const yRect e = GetWorldExtentRect();
    m_device->FillBox(yPlatform::Box{e.left, e.top, e.right, e.bottom},
                      yPlatform::Brush::Solid(ToRgb(m_backColor)));
    m_device->MoveTo(0, 0);
}

void yDrawPort::Erase(yRect r)
{
    if (!ApplyClip())
        return;
    const yPlatform::Box box = ToDevice(r);
    if (!m_ownsSurface)
        m_device->RequestRepaint(&box);
    else
        m_device->FillBox(box, yPlatform::Brush::Solid(ToRgb(m_backColor)));
}

// --- text ------------------------------------------------------------------------

void yDrawPort::SelectFont()
{
    const yPlatform::yFontRecord f = m_font.GetLOGFONT();
    m_device->SelectFont(f.lfFaceName, f.lfHeight, f.lfWeight, f.lfItalic != 0, f.lfUnderline != 0);
}

void yDrawPort::DrawTextA(yString& text)
{
    if (!ApplyClip())
        return;
    const yPlatform::Point pen = m_device->MoveTo(0, 0);
    SelectFont();
    m_device->SetTextColor(ToRgb(m_foreColor));
    const char* chars = text;
    yPlatform::Box box = m_device->MeasureText(chars, size_t(text.GetLength()));
    // The text box's top lies (size - 2) above the pen.
    const int64_t dy = int64_t(pen.y) - m_font.size + 2;
    box = yPlatform::Box{Pin(box.left + int64_t(pen.x)), Pin(box.top + dy), Pin(box.right + int64_t(pen.x)),
                         Pin(box.bottom + dy)};
    const bool wasTransparent = m_device->SetTransparentText(true);
    m_device->DrawText(chars, size_t(text.GetLength()), box);
    m_device->MoveTo(pen.x, pen.y);
    m_device->SetTransparentText(wasTransparent);
}

long yDrawPort::MeasureText(yString& text)
{
    if (!m_device)
        return 0;
    SelectFont();
    const yPlatform::Box box = m_device->MeasureText(text, size_t(text.GetLength()));
    return box.right - box.left;
}

void yDrawPort::DrawNumber(float const& value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", double(value));
    yString text(buffer);
    DrawTextA(text);
}

void yDrawPort::DrawNumber(int const& value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%i", value);
    yString text(buffer);
    DrawTextA(text);
}

// --- pixels ----------------------------------------------------------------------

yColor8 yDrawPort::GetPixel(long const& x, long const& y) const
{
    const yColor8 black(255, 0, 0, 0);
    const int64_t px = int64_t(x) + m_drawOffset.x, py = int64_t(y) + m_drawOffset.y;
    if (px < m_clip.left || px > m_clip.right || py < m_clip.top || py > m_clip.bottom)
        return black;
    if (m_surface)
    {
        const uint8_t* p = m_surface->PixelAt(int32_t(px), int32_t(py));
        if (!p)
            return black;
        return yColor8(m_hasAlpha ? p[3] : 255, p[2], p[1], p[0]);
    }
    // A foreign device answers through the platform: a grey of its red.
    yPlatform::Rgb c;
    if (!m_device || !m_device->GetPixel(int32_t(px), int32_t(py), c))
        return black;
    return yColor8(c.red, c.red, c.red);
}

void yDrawPort::SetPixel(long const& x, long const& y, yColor8 const& color)
{
    if (ApplyClip())
        m_device->SetPixel(Pin(int64_t(x) + m_drawOffset.x), Pin(int64_t(y) + m_drawOffset.y), ToRgb(color));
}

yColor8* yDrawPort::GetPixelBasePtr() const
{
    return m_surface ? reinterpret_cast<yColor8*>(m_surface->Bits()) : nullptr;
}

long yDrawPort::GetRowBytes() const { return m_surface ? m_surface->Stride() : 0; }

// --- geometry and copying ----------------------------------------------------------

yRect yDrawPort::GetWorldExtentRect() const
{
    if (m_ownsSurface)
        return yRect(m_origin.y, m_origin.x, Pin(int64_t(m_origin.y) + m_height),
                     Pin(int64_t(m_origin.x) + m_width));
    const yPlatform::Box c = m_device ? m_device->ClientBox() : yPlatform::Box{};
    return yRect(Pin(int64_t(c.top) + m_origin.y), Pin(int64_t(c.left) + m_origin.x),
                 Pin(int64_t(c.bottom) + m_origin.y), Pin(int64_t(c.right) + m_origin.x));
}

long yDrawPort::ResolveRects(yRect& a, yRect& b)
{
    yRect unused;
    return ResolveRects(a, b, unused);
}

long yDrawPort::ResolveRects(yRect& a, yRect& b, yRect& c)
{
    const int64_t wa = int64_t(a.right) - a.left, ha = int64_t(a.bottom) - a.top;
    const int64_t wb = int64_t(b.right) - b.left, hb = int64_t(b.bottom) - b.top;
    // An inverted rectangle holds no pixel either.
    if (wa <= 0 || ha <= 0 || wb <= 0 || hb <= 0)
        return kEmptyRect;
    if (wa > wb)
    {
        a.right = Pin(a.left + wb);
        c.right = Pin(c.left + wb);
    }
    else if (wb > wa)
        b.right = Pin(b.left + wa);
    if (ha > hb)
    {
        a.bottom = Pin(a.top + hb);
        c.bottom = Pin(c.top + hb);
    }
    else if (hb > ha)
        b.bottom = Pin(b.top + ha);
    return kNoError;
}

void yDrawPort::CopyTo(yRect src, yDrawPort& dst, yRect dstRect)
{
    if (!dst.m_device || !m_device)
        return;
    dstRect = yRect(Pin(int64_t(dstRect.top) - dst.m_origin.y), Pin(int64_t(dstRect.left) - dst.m_origin.x),
                    Pin(int64_t(dstRect.bottom) - dst.m_origin.y), Pin(int64_t(dstRect.right) - dst.m_origin.x));
    if (ResolveRects(src, dstRect) != kNoError)
        return;
    yPlatform::Device::Copy(*dst.m_device, dstRect.left, dstRect.top, dstRect.Width(), dstRect.Height(), *m_device,
                            src.left, src.top);
}

void yDrawPort::CopyTo(yDrawPort& dst, yRect dstRect)
{
    if (dst.m_device)
        CopyTo(yRect(0, 0, m_height, m_width), dst, dstRect);
}

void yDrawPort::CopyTo(yDrawPort& dst) { CopyTo(dst, dst.GetWorldExtentRect()); }

// --- drawing state -------------------------------------------------------------------

void yDrawPort::BeginDrawing()
{
    if (m_drawing)
        return;
    m_drawing = true;
    m_fillBrush = yPlatform::Brush::Solid(ToRgb(m_foreColor));
    m_linePen = yPlatform::Pen::Solid(ToRgb(m_foreColor));
    if (m_device)
    {
        m_replacedBrush = m_device->SelectBrush(m_fillBrush);
        m_replacedPen = m_device->SelectPen(m_linePen);
    }
}

void yDrawPort::EndDrawing()
{
    if (!m_drawing)
        return;
    m_drawing = false;
    if (m_device && m_replacedPen.valid)
        m_device->SelectPen(m_replacedPen);
    if (m_device && m_replacedBrush.valid)
        m_device->SelectBrush(m_replacedBrush);
    m_replacedBrush = {};
    m_replacedPen = {};
    m_fillBrush = {};
    m_linePen = {};
}

bool yDrawPort::ApplyClip() const
{
    if (!m_device)
        return false;
    // The device may be another port's: its clip is set afresh for each call.
    // A port whose rectangle was never set draws wherever its surface goes.
    const ClipRect unset;
    if (m_clip.left == unset.left && m_clip.top == unset.top && m_clip.right == unset.right &&
        m_clip.bottom == unset.bottom)
        m_device->ClearClip();
    else
        m_device->SetClip(yPlatform::Box{m_clip.left, m_clip.top, m_clip.right, m_clip.bottom});
    return true;
}

void yDrawPort::SetClipRect(yRect const& r)
{
    m_clip.left = Pin(int64_t(r.left) - m_origin.x);
    m_clip.top = Pin(int64_t(r.top) - m_origin.y);
    m_clip.right = Pin(int64_t(r.right) - m_origin.x);
    m_clip.bottom = Pin(int64_t(r.bottom) - m_origin.y);
}

void yDrawPort::SetDrawOffset(yPointL const& worldPoint)
{
    m_drawOffset = yPointL(Pin(int64_t(worldPoint.x) - m_origin.x), Pin(int64_t(worldPoint.y) - m_origin.y));
}
