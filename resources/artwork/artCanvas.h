// A small float canvas for drawing the panel's artwork at build time: shapes
// with anti-aliased edges (4 x 4 samples per pixel), gradients and text, then
// written as a device-independent bitmap. Colours are straight (not
// premultiplied); the fourth channel is coverage.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace art
{
struct Color
{
    float r = 0, g = 0, b = 0, a = 1; // 0 to 1
};

Color Rgb(int r, int g, int b, float a = 1.0f);
Color Mix(Color const& x, Color const& y, float t);

// The shape of a region: true where a point lies inside.
using Inside = std::function<bool(float x, float y)>;
// A colour per point, for gradients.
using Paint = std::function<Color(float x, float y)>;

Inside RoundRect(float left, float top, float right, float bottom, float radius);
Inside Circle(float cx, float cy, float radius);
Inside Polygon(std::vector<float> xy); // x0, y0, x1, y1, ...
Inside Minus(Inside a, Inside b);
Paint Solid(Color c);
Paint VerticalRamp(float top, float bottom, Color from, Color to);
Paint HorizontalRamp(float left, float right, Color from, Color to);

class Canvas
{
public:
    Canvas(int width, int height);

    int Width() const { return m_w; }
    int Height() const { return m_h; }

    // Composites paint over the canvas where `inside` holds, within the box.
    void Fill(Inside const& inside, Paint const& paint, int left, int top, int right, int bottom);
    void Fill(Inside const& inside, Paint const& paint) { Fill(inside, paint, 0, 0, m_w, m_h); }
    // Pixel-aligned rectangle, exact.
    void Rect(int left, int top, int right, int bottom, Color c);
    // A 1-pixel frame just inside the rectangle.
    void Frame(int left, int top, int right, int bottom, Color c);
    void Dot(int x, int y, Color c);
    // Text with its baseline at y, starting at x; returns its advance width.
    int Text(std::string const& font, float pixels, float x, float y, std::string const& text, Color c);
    static int TextWidth(std::string const& font, float pixels, std::string const& text);

    Color At(int x, int y) const { return m_px[size_t(y) * m_w + x]; }
    void Over(int x, int y, Color c, float coverage);

    // A 40-byte information header and bottom-up rows: 32 bits with coverage
    // in the fourth byte, or 24 bits (padded rows) composited over `matte`.
    bool WriteDib(std::string const& path, int bits, Color matte) const;

private:
    int m_w, m_h;
    std::vector<Color> m_px;
};
} // namespace art
