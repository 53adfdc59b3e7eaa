#include "resources/artwork/artCanvas.h"
#include "host/sdk/ZT_ByteOrder.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

namespace art
{
namespace
{
constexpr int kSamples = 4; // per axis

uint8_t Byte(float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }


// FreeType faces by file, opened on first use.
FT_Face Face(std::string const& file)
{
    static FT_Library library = nullptr;
    static std::map<std::string, FT_Face> faces;
    if (!library && FT_Init_FreeType(&library) != 0)
        return nullptr;
    auto it = faces.find(file);
    if (it != faces.end())
        return it->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.c_str(), 0, &face) != 0)
        face = nullptr;
    faces[file] = face;
    return face;
}
} // namespace

Color Rgb(int r, int g, int b, float a) { return Color{r / 255.0f, g / 255.0f, b / 255.0f, a}; }

Color Mix(Color const& x, Color const& y, float t)
{
    return Color{x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Inside RoundRect(float left, float top, float right, float bottom, float radius)
{
    return [=](float x, float y) {
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
        const float cx = std::clamp(x, left + radius, right - radius);
        const float cy = std::clamp(y, top + radius, bottom - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}

Inside Circle(float cx, float cy, float radius)
{
    return [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

Inside Polygon(std::vector<float> xy)
{
    return [xy = std::move(xy)](float x, float y) {
        bool in = false;
        const size_t n = xy.size() / 2;
        for (size_t i = 0, j = n - 1; i < n; j = i++)
        {
            const float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                in = !in;
        }
        return in;
    };
}

Inside Minus(Inside a, Inside b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return a(x, y) && !b(x, y); };
}

Paint Solid(Color c)
{
    return [c](float, float) { return c; };
}

Paint VerticalRamp(float top, float bottom, Color from, Color to)
{
    return [=](float, float y) { return Mix(from, to, std::clamp((y - top) / (bottom - top), 0.0f, 1.0f)); };
}

Paint HorizontalRamp(float left, float right, Color from, Color to)
{
    return [=](float x, float) { return Mix(from, to, std::clamp((x - left) / (right - left), 0.0f, 1.0f)); };
}

Canvas::Canvas(int width, int height) : m_w(width), m_h(height), m_px(size_t(width) * height, Color{0, 0, 0, 0})
{
}

void Canvas::Over(int x, int y, Color c, float coverage)
{
    if (x < 0 || y < 0 || x >= m_w || y >= m_h)
        return;
    const float a = std::clamp(c.a * coverage, 0.0f, 1.0f);
    if (a <= 0)
        return;
    Color& d = m_px[size_t(y) * m_w + x];
    const float out = a + d.a * (1 - a);
    auto blend = [&](float s, float t) { return (s * a + t * d.a * (1 - a)) / out; };
    d = Color{blend(c.r, d.r), blend(c.g, d.g), blend(c.b, d.b), out};
}

void Canvas::Fill(Inside const& inside, Paint const& paint, int left, int top, int right, int bottom)
{
    for (int y = std::max(top, 0); y < std::min(bottom, m_h); ++y)
        for (int x = std::max(left, 0); x < std::min(right, m_w); ++x)
        {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += inside(x + (sx + 0.5f) / kSamples, y + (sy + 0.5f) / kSamples);
            if (hits)
                Over(x, y, paint(x + 0.5f, y + 0.5f), float(hits) / (kSamples * kSamples));
        }
}

void Canvas::Rect(int left, int top, int right, int bottom, Color c)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            Over(x, y, c, 1.0f);
}

void Canvas::Frame(int left, int top, int right, int bottom, Color c)
{
    Rect(left, top, right, top + 1, c);
    Rect(left, bottom - 1, right, bottom, c);
    Rect(left, top + 1, left + 1, bottom - 1, c);
    Rect(right - 1, top + 1, right, bottom - 1, c);
}

void Canvas::Dot(int x, int y, Color c) { Over(x, y, c, 1.0f); }

int Canvas::TextWidth(std::string const& font, float pixels, std::string const& text)
{
    FT_Face face = Face(font);
    if (!face || FT_Set_Char_Size(face, 0, FT_F26Dot6(pixels * 64), 72, 72) != 0)
        return 0;
    int width = 0;
    for (unsigned char ch : text)
        if (FT_Load_Char(face, ch, FT_LOAD_DEFAULT) == 0)
            width += int((face->glyph->advance.x + 32) >> 6);
    return width;
}

int Canvas::Text(std::string const& font, float pixels, float x, float y, std::string const& text, Color c)
{
    FT_Face face = Face(font);
    if (!face || FT_Set_Char_Size(face, 0, FT_F26Dot6(pixels * 64), 72, 72) != 0)
        return 0;
    int pen = int(std::lround(x));
    const int baseline = int(std::lround(y));
    for (unsigned char ch : text)
    {
        if (FT_Load_Char(face, ch, FT_LOAD_DEFAULT | FT_LOAD_RENDER) != 0)
            continue;
        const FT_GlyphSlot g = face->glyph;
        for (unsigned r = 0; r < g->bitmap.rows; ++r)
            for (unsigned col = 0; col < g->bitmap.width; ++col)
            {
                const uint8_t cov = g->bitmap.buffer[r * g->bitmap.pitch + col];
                if (cov)
                    Over(pen + g->bitmap_left + int(col), baseline - g->bitmap_top + int(r), c, cov / 255.0f);
            }
        pen += int((g->advance.x + 32) >> 6);
    }
    return pen - int(std::lround(x));
}

bool Canvas::WriteDib(std::string const& path, int bits, Color matte) const
{
    const int bpp = bits / 8;
    const size_t rowBytes = (size_t(m_w) * bpp + 3) & ~size_t(3);
    std::vector<uint8_t> out;
    ZT_ByteOrder::Append(out, 40);
    ZT_ByteOrder::Append(out, uint32_t(m_w));
    ZT_ByteOrder::Append(out, uint32_t(m_h)); // positive: bottom-up
    ZT_ByteOrder::Append(out, 1, 2);
    ZT_ByteOrder::Append(out, uint16_t(bits), 2);
    ZT_ByteOrder::Append(out, 0); // uncompressed
    ZT_ByteOrder::Append(out, uint32_t(rowBytes * m_h));
    for (int i = 0; i < 4; ++i)
        ZT_ByteOrder::Append(out, 0);
    for (int y = m_h - 1; y >= 0; --y)
    {
        const size_t start = out.size();
        for (int x = 0; x < m_w; ++x)
        {
            Color c = At(x, y);
            if (bits == 24)
                c = Color{c.r * c.a + matte.r * (1 - c.a), c.g * c.a + matte.g * (1 - c.a),
                          c.b * c.a + matte.b * (1 - c.a), 1};
            out.push_back(Byte(c.b));
            out.push_back(Byte(c.g));
            out.push_back(Byte(c.r));
            if (bits == 32)
                out.push_back(Byte(c.a));
        }
        out.resize(start + rowBytes, 0);
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}
} // namespace art
