// Text on Windows: GDI draws it with the system's fonts into a 32-bit DIB
// section over the box, which then goes back into the surface.
#include "platform/ySurface.h"
#include "platform/yFontRecord.h"
#include "platform/posix/yTextEngine.h"
#include "platform/windows/yWin32.h"

#include <algorithm>
#include <cstring>

namespace yPlatform
{
namespace
{
// What a device's font state says, in a type of this file's own.
struct FontChoice
{
    uint32_t resource;
    int32_t cellHeight;
    bool underline;
};

yFontRecord RecordFor(FontChoice const& font)
{
    yFontRecord r;
    r.lfHeight = font.cellHeight;
    r.lfWeight = (font.resource % 10) & 1 ? kFontWeightBold : kFontWeightDefault;
    r.lfItalic = (font.resource % 10) & 2 ? 1 : 0;
    r.lfUnderline = font.underline ? 1 : 0;
    r.lfQuality = kFontQualityProof;
    std::strcpy(r.lfFaceName, font.resource / 10 * 10 == kVerdanaBase ? "Verdana" : "Arial");
    return r;
}

HFONT MakeFont(FontChoice const& font)
{
    const yFontRecord r = RecordFor(font);
    LOGFONTA lf{};
    lf.lfHeight = r.lfHeight;
    lf.lfWidth = r.lfWidth;
    lf.lfEscapement = r.lfEscapement;
    lf.lfOrientation = r.lfOrientation;
    lf.lfWeight = r.lfWeight;
    lf.lfItalic = r.lfItalic;
    lf.lfUnderline = r.lfUnderline;
    lf.lfStrikeOut = r.lfStrikeOut;
    lf.lfCharSet = r.lfCharSet;
    lf.lfOutPrecision = r.lfOutPrecision;
    lf.lfClipPrecision = r.lfClipPrecision;
    lf.lfQuality = r.lfQuality;
    lf.lfPitchAndFamily = r.lfPitchAndFamily;
    std::memcpy(lf.lfFaceName, r.lfFaceName, sizeof lf.lfFaceName);
    return CreateFontIndirectA(&lf);
}

COLORREF ColorOf(Rgb c)
{
    return RGB(c.red, c.green, c.blue);
}

// A memory device with a font selected, released on every way out.
class FontDevice
{
  public:
    explicit FontDevice(FontChoice const& font) : m_dc(CreateCompatibleDC(nullptr)), m_font(MakeFont(font))
    {
        if (m_dc && m_font)
            m_old = SelectObject(m_dc, m_font);
    }
    ~FontDevice()
    {
        if (m_dc && m_old)
            SelectObject(m_dc, m_old);
        if (m_font)
            DeleteObject(m_font);
        if (m_dc)
            DeleteDC(m_dc);
    }
    FontDevice(FontDevice const&) = delete;
    FontDevice& operator=(FontDevice const&) = delete;
    HDC Dc() const { return m_old ? m_dc : nullptr; }

  private:
    HDC m_dc;
    HFONT m_font;
    HGDIOBJ m_old = nullptr;
};
} // namespace

Box Device::MeasureText(const char* text, size_t length)
{
    const FontState font = m_font ? *m_font : FontState{};
    Box box{0, 0, 0, font.cellHeight};
    if (!text)
        return box;
    length = strnlen(text, length);
    FontDevice dev(FontChoice{font.resource, font.cellHeight, font.underline});
    SIZE size{};
    if (dev.Dc() && length > 0 && GetTextExtentPoint32A(dev.Dc(), text, int(length), &size))
        box.right = size.cx;
    return box;
}

void Device::DrawText(const char* text, size_t length, Box const& box)
{
    Sync();
    if (!m_target || !text)
        return;
    const int32_t clipLeft = std::max(box.left, 0), clipTop = std::max(box.top, 0);
    const int32_t clipRight = std::min(box.right, m_target->Width());
    const int32_t clipBottom = std::min(box.bottom, m_target->Height());
    if (clipLeft >= clipRight || clipTop >= clipBottom)
        return;
    const int32_t width = clipRight - clipLeft, height = clipBottom - clipTop;
    const FontState font = m_font ? *m_font : FontState{};
    FontDevice dev(FontChoice{font.resource, font.cellHeight, font.underline});
    if (!dev.Dc())
        return;

    // A top-down DIB section holding the box's pixels, so that transparent
    // text lands on what is already there.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dev.Dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section)
        return;
    HGDIOBJ oldBitmap = SelectObject(dev.Dc(), section);
    auto* pixels = static_cast<uint8_t*>(bits);
    for (int32_t y = 0; y < height; ++y)
        std::memcpy(pixels + size_t(y) * width * 4, m_target->PixelAt(clipLeft, clipTop + y), size_t(width) * 4);

    ::SetTextColor(dev.Dc(), ColorOf(m_text));
    ::SetBkColor(dev.Dc(), ColorOf(m_back));
    ::SetBkMode(dev.Dc(), m_transparent ? TRANSPARENT : OPAQUE);
    if (!m_transparent)
    {
        HBRUSH back = CreateSolidBrush(ColorOf(m_back));
        const RECT all{0, 0, width, height};
        FillRect(dev.Dc(), &all, back);
        DeleteObject(back);
    }
    // The box in the section's coordinates: the text starts at its left, the
    // cell's top at its top; DrawTextA clips to it.
    RECT r{box.left - clipLeft, box.top - clipTop, box.right - clipLeft, box.bottom - clipTop};
    DrawTextA(dev.Dc(), text, int(strnlen(text, length)), &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    GdiFlush();

    // GDI leaves the fourth byte of what it drew at zero; every pixel of the
    // box counts as drawn, as with the other drawing calls.
    for (int32_t y = 0; y < height; ++y)
    {
        uint8_t* out = m_target->PixelAt(clipLeft, clipTop + y);
        const uint8_t* in = pixels + size_t(y) * width * 4;
        for (int32_t x = 0; x < width; ++x, in += 4, out += 4)
            if (in[0] != out[0] || in[1] != out[1] || in[2] != out[2] || !m_transparent)
            {
                out[0] = in[0];
                out[1] = in[1];
                out[2] = in[2];
                out[3] = 255;
            }
    }
    SelectObject(dev.Dc(), oldBitmap);
    DeleteObject(section);
}
} // namespace yPlatform
