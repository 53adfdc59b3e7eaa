// Draws the panel's bitmap artwork and writes one bitmap file per picture
// plus a manifest of "BMP_ <number> 0 <file>" lines.
// Usage: artworkgen OUTDIR MANIFEST REGULAR.ttf BOLD.ttf
//
// Strips of the 3000 series hold four frames stacked from the top: normal,
// mouse over, down (or dragged), disabled. Everything is drawn from numbers
// alone, so the output is the same on every run.
#include "resources/artwork/artCanvas.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

using namespace art;

namespace
{
enum State
{
    kNormal,
    kOver,
    kDown,
    kDisabled
};

std::string gRegular, gBold;

// The panel's light greys and the selection blue.
const Color kPanel = Rgb(0xEE, 0xEE, 0xEE);
const Color kInk = Rgb(0x33, 0x33, 0x33);
const Color kBlue = Rgb(0x4B, 0x9B, 0xFF);
const Color kWhite = Rgb(255, 255, 255);
const Color kBlack = Rgb(0, 0, 0);

Color GlyphColor(State s)
{
    switch (s)
    {
    case kOver: return Rgb(0x10, 0x10, 0x10);
    case kDown: return Rgb(0x18, 0x18, 0x18);
    case kDisabled: return Rgb(0xB0, 0xB0, 0xB0);
    default: return kInk;
    }
}

// A frame's box and state; icons draw relative to (x, y).
struct Cell
{
    Canvas& c;
    int x, y, w, h;
    State s;
    // Pressed content moves one pixel right and down.
    float Dx() const { return x + (s == kDown ? 1.0f : 0.0f); }
    float Dy() const { return y + (s == kDown ? 1.0f : 0.0f); }
    void Fill(Inside const& in, Paint const& p) const { c.Fill(in, p, x, y, x + w, y + h); }
    void Fill(Inside const& in, Color col) const { Fill(in, Solid(col)); }
};

using Drawer = std::function<void(Cell const&)>;

// A rounded push-button face with a 1-pixel border.
void ButtonFace(Cell const& k)
{
    Color border = Rgb(0x6E, 0x6E, 0x6E), top = Rgb(0xFB, 0xFB, 0xFB), bottom = Rgb(0xDC, 0xDC, 0xDC);
    if (k.s == kOver)
        border = Rgb(0x3C, 0x7F, 0xD8), top = kWhite, bottom = Rgb(0xE3, 0xEE, 0xFC);
    else if (k.s == kDown)
        border = Rgb(0x4A, 0x4A, 0x4A), top = Rgb(0xC4, 0xC4, 0xC4), bottom = Rgb(0xDE, 0xDE, 0xDE);
    else if (k.s == kDisabled)
        border = Rgb(0xBE, 0xBE, 0xBE), top = Rgb(0xF4, 0xF4, 0xF4), bottom = Rgb(0xEC, 0xEC, 0xEC);
    const float l = k.x, t = k.y, r = k.x + k.w, b = k.y + k.h;
    k.Fill(RoundRect(l, t, r, b, 3.0f), border);
    k.Fill(RoundRect(l + 1, t + 1, r - 1, b - 1, 2.0f), VerticalRamp(t + 1, b - 1, top, bottom));
}

// Draws one strip of four frames, each frame over a button face if asked.
Canvas Strip(int w, int frameH, bool face, Drawer const& icon)
{
    Canvas c(w, frameH * 4);
    for (int f = 0; f < 4; ++f)
    {
        Cell k{c, 0, f * frameH, w, frameH, State(f)};
        if (face)
            ButtonFace(k);
        icon(k);
    }
    return c;
}

// Mini histogram: bars of the given heights (0 to 1) from x0 along a baseline.
void Bars(Cell const& k, float x0, float base, float barW, std::vector<float> const& heights, float maxH, Color col)
{
    for (size_t i = 0; i < heights.size(); ++i)
    {
        const float left = x0 + i * barW, top = base - heights[i] * maxH;
        k.Fill(Polygon({left, top, left + barW - 0.0f, top, left + barW, base, left, base}), col);
    }
}

// A smooth hump, the silhouette of a histogram peak.
Inside Hump(float left, float right, float base, float height)
{
    return [=](float x, float y) {
        if (x < left || x > right || y > base)
            return false;
        const float t = (x - left) / (right - left) * 2 - 1;
        return y >= base - height * std::exp(-4.0f * t * t);
    };
}

// --- the pictures -------------------------------------------------------------

void Thumb(Cell const& k, Color fill, Color edge)
{
    if (k.s == kOver)
        edge = Rgb(0x2B, 0x6C, 0xC4);
    else if (k.s == kDown)
        edge = kBlue;
    else if (k.s == kDisabled)
        fill = Mix(fill, kPanel, 0.6f), edge = Mix(edge, kPanel, 0.6f);
    const float l = k.x, t = k.y, r = k.x + k.w, b = k.y + k.h;
    const float mid = (l + r) / 2;
    k.Fill(Polygon({mid, t, r, b, l, b}), edge);
    k.Fill(Polygon({mid, t + 2.2f, r - 2.0f, b - 1.0f, l + 2.0f, b - 1.0f}), fill);
}

void ScaleThumb(Cell const& k)
{
    Color edge = Rgb(0x30, 0x30, 0x30), fill = Rgb(0x70, 0x70, 0x70);
    if (k.s == kOver)
        fill = Rgb(0x4A, 0x86, 0xD8), edge = Rgb(0x1C, 0x4E, 0x96);
    else if (k.s == kDown)
        fill = Rgb(0x2B, 0x6C, 0xC4), edge = Rgb(0x10, 0x30, 0x70);
    else if (k.s == kDisabled)
        fill = Rgb(0xC8, 0xC8, 0xC8), edge = Rgb(0xA8, 0xA8, 0xA8);
    // The slider stands right of the histogram, so the pointer points left.
    const float l = k.x, t = k.y, b = k.y + 12, r = k.x + k.w, m = k.y + 6;
    k.Fill(Polygon({r, t, r - 3.5f, t, l, m, r - 3.5f, b, r, b}), edge);
    k.Fill(Polygon({r - 1, t + 1, r - 3.2f, t + 1, l + 1.6f, m, r - 3.2f, b - 1, r - 1, b - 1}), fill);
}

void Logo(Cell const& k)
{
    Color ink = Rgb(0x2A, 0x2A, 0x2A);
    if (k.s == kOver)
        ink = Rgb(0x2B, 0x6C, 0xC4);
    else if (k.s == kDown)
        ink = Rgb(0x10, 0x30, 0x70);
    else if (k.s == kDisabled)
        ink = Rgb(0xB4, 0xB4, 0xB4);
    const int w = Canvas::TextWidth(gBold, 14, "zel");
    k.c.Text(gBold, 14, k.Dx() + (k.w - w) / 2.0f, k.Dy() + 12, "zel", ink);
    // The tonal ramp under the word: what the effect looks at.
    Color from = kBlack, to = kWhite;
    if (k.s == kDisabled)
        from = Rgb(0xA0, 0xA0, 0xA0), to = Rgb(0xF4, 0xF4, 0xF4);
    const float l = k.Dx() + 3, r = k.Dx() + k.w - 3, t = k.Dy() + 14;
    k.Fill(Polygon({l - 1, t - 1, r + 1, t - 1, r + 1, t + 4, l - 1, t + 4}), Mix(ink, kPanel, 0.3f));
    k.Fill(Polygon({l, t, r, t, r, t + 3, l, t + 3}), HorizontalRamp(l, r, from, to));
}

void AutoView(Cell const& k)
{
    const Color g = GlyphColor(k.s);
    Bars(k, k.Dx() + 5, k.Dy() + 13, 2, {0.2f, 0.45f, 0.8f, 1.0f, 0.7f, 0.5f, 0.3f, 0.15f}, 9, g);
    // A double arrow: the scale fits itself to the highest bar.
    const float ax = k.Dx() + 25.5f, top = k.Dy() + 3, bot = k.Dy() + 14;
    k.Fill(Polygon({ax - 0.5f, top + 2, ax + 0.5f, top + 2, ax + 0.5f, bot - 2, ax - 0.5f, bot - 2}), g);
    k.Fill(Polygon({ax, top, ax + 3, top + 3.2f, ax - 3, top + 3.2f}), g);
    k.Fill(Polygon({ax, bot, ax + 3, bot - 3.2f, ax - 3, bot - 3.2f}), g);
}

void ColourHumps(Cell const& k, bool colour)
{
    const float base = k.Dy() + 13, l = k.Dx() + 4;
    Color red = Rgb(0xE0, 0x30, 0x30, 0.85f), green = Rgb(0x2E, 0xB0, 0x3A, 0.85f),
          blue = Rgb(0x2F, 0x5F, 0xE8, 0.85f);
    if (!colour)
        red = Rgb(0x20, 0x20, 0x20), green = Rgb(0x20, 0x20, 0x20), blue = Rgb(0x20, 0x20, 0x20);
    if (k.s == kDisabled)
        red = Mix(red, kPanel, 0.65f), green = Mix(green, kPanel, 0.65f), blue = Mix(blue, kPanel, 0.65f);
    k.Fill(Hump(l, l + 10, base, 9), red);
    k.Fill(Hump(l + 4.5f, l + 13.5f, base, 7), green);
    k.Fill(Hump(l + 8, l + 17, base, 10), blue);
    k.Fill(Polygon({l - 1, base, l + 18, base, l + 18, base + 1, l - 1, base + 1}), GlyphColor(k.s));
}

void ShowSelection(Cell const& k)
{
    // Top frame: on. The bottom frame doubles as off and disabled.
    const bool on = k.s != kDisabled;
    const Color g = GlyphColor(k.s);
    const float l = k.Dx() + 3, base = k.Dy() + 13;
    k.Fill(Polygon({l + 3.5f, k.Dy() + 3, l + 8.5f, k.Dy() + 3, l + 8.5f, base, l + 3.5f, base}),
           on ? kBlue : Rgb(0xDA, 0xDA, 0xDA));
    Bars(k, l, base, 1.5f, {0.3f, 0.5f, 0.8f, 1.0f, 0.9f, 0.6f, 0.4f, 0.2f}, 8, g);
    k.Fill(Polygon({l - 0.5f, base, l + 12, base, l + 12, base + 1, l - 0.5f, base + 1}), g);
}

void CheckBox(Cell const& k, bool radio)
{
    const Color g = GlyphColor(k.s);
    const float cx = k.x + 8, cy = k.y + 8;
    const Color face = k.s == kDown ? Rgb(0xD0, 0xD0, 0xD0) : kWhite;
    const Color edge = k.s == kOver ? Rgb(0x3C, 0x7F, 0xD8) : k.s == kDisabled ? Rgb(0xC0, 0xC0, 0xC0) : Rgb(0x70, 0x70, 0x70);
    if (radio)
    {
        k.Fill(Circle(cx, cy, 6.5f), edge);
        k.Fill(Circle(cx, cy, 5.5f), face);
        k.Fill(Circle(cx, cy, 2.6f), g);
        return;
    }
    k.Fill(RoundRect(k.x + 1.5f, k.y + 1.5f, k.x + 14.5f, k.y + 14.5f, 2), edge);
    k.Fill(RoundRect(k.x + 2.5f, k.y + 2.5f, k.x + 13.5f, k.y + 13.5f, 1.5f), face);
    k.Fill(Polygon({cx - 4, cy - 0.5f, cx - 2.5f, cy - 2, cx - 1, cy + 0.5f, cx + 3.5f, cy - 4.5f, cx + 5, cy - 3,
                    cx - 1, cy + 3.5f}),
           g);
}

void Arrow(Cell const& k, bool up)
{
    const Color g = GlyphColor(k.s);
    const float cx = k.Dx() + k.w / 2.0f, t = k.Dy() + 3, b = k.Dy() + k.h - 3;
    k.Fill(up ? Polygon({cx, t, cx + 3.5f, b, cx - 3.5f, b}) : Polygon({cx - 3.5f, t, cx + 3.5f, t, cx, b}), g);
}

void ResetArc(Cell const& k)
{
    const Color g = GlyphColor(k.s);
    const float cx = k.Dx() + 10, cy = k.Dy() + 8.5f;
    k.Fill(Minus(Minus(Circle(cx, cy, 5.2f), Circle(cx, cy, 3.6f)),
                 Polygon({cx, cy, cx + 8, cy - 8, cx + 8, cy - 1})),
           g);
    k.Fill(Polygon({cx + 2.5f, cy - 7.5f, cx + 6.5f, cy - 4.2f, cx + 2.2f, cy - 2.4f}), g);
}

void ScaleCurve(Cell const& k, int kind)
{
    const Color g = GlyphColor(k.s);
    const float l = k.Dx() + 5, r = k.Dx() + 20, t = k.Dy() + 3, b = k.Dy() + 14;
    k.Fill(Polygon({l - 1, b, r, b, r, b + 1, l - 1, b + 1}), g);
    k.Fill(Polygon({l - 1, t, l, t, l, b, l - 1, b}), g);
    if (kind == 2)
    {
        Bars(k, l + 1.5f, b, 3, {0.4f, 0.9f, 0.6f, 0.3f}, 10, Mix(g, kPanel, 0.35f));
        Bars(k, l + 3, b, 3, {0.2f, 0.5f, 1.0f, 0.5f}, 10, g);
        return;
    }
    k.Fill(
        [=](float x, float y) {
            if (x < l || x > r)
                return false;
            const float u = (x - l) / (r - l);
            const float v = kind == 0 ? u : std::log2(1 + 15 * u) / 4;
            return std::fabs(y - (b - v * (b - t))) <= 0.8f;
        },
        g);
}

void FullRange(Cell const& k)
{
    const Color g = GlyphColor(k.s);
    const float l = k.Dx() + 6, r = k.Dx() + 25, cy = k.Dy() + 8.5f;
    k.Fill(Polygon({l, k.Dy() + 4, l + 1, k.Dy() + 4, l + 1, k.Dy() + 13, l, k.Dy() + 13}), g);
    k.Fill(Polygon({r - 1, k.Dy() + 4, r, k.Dy() + 4, r, k.Dy() + 13, r - 1, k.Dy() + 13}), g);
    k.Fill(Polygon({l + 5, cy - 0.5f, r - 5, cy - 0.5f, r - 5, cy + 0.5f, l + 5, cy + 0.5f}), g);
    k.Fill(Polygon({l + 2, cy, l + 5.5f, cy - 3, l + 5.5f, cy + 3}), g);
    k.Fill(Polygon({r - 2, cy, r - 5.5f, cy - 3, r - 5.5f, cy + 3}), g);
}

void Lock(Cell const& k)
{
    const Color g = GlyphColor(k.s);
    const float cx = k.Dx() + 8.5f;
    k.Fill(Minus(Circle(cx, k.Dy() + 7, 3.6f), Circle(cx, k.Dy() + 7, 2.2f)), g);
    k.Fill(RoundRect(cx - 5, k.Dy() + 7.5f, cx + 5, k.Dy() + 14, 1), g);
}

void Eye(Cell const& k)
{
    const Color g = GlyphColor(k.s);
    const float cx = k.Dx() + 8.5f, cy = k.Dy() + 8.5f;
    auto lens = [=](float x, float y) {
        const float dx = (x - cx) / 6.5f, dy = (y - cy) / 4.0f;
        return dy * dy <= (1 - dx * dx) * (1 - dx * dx) && std::fabs(dx) <= 1;
    };
    k.Fill(lens, g);
    k.Fill(Minus(lens, [=](float x, float y) {
        const float dx = (x - cx) / 5.2f, dy = (y - cy) / 2.9f;
        return dy * dy <= (1 - dx * dx) * (1 - dx * dx) && std::fabs(dx) <= 1;
    }), g);
    k.Fill(Circle(cx, cy, 3.0f), kWhite);
    k.Fill(Circle(cx, cy, 2.0f), g);
}

void Pipette(Cell const& k)
{
    const Color g = GlyphColor(k.s);
    const float x = k.Dx(), y = k.Dy();
    k.Fill(Polygon({x + 3, y + 14, x + 4, y + 11, x + 10, y + 5, x + 12, y + 7, x + 6, y + 13}), g);
    k.Fill(RoundRect(x + 10, y + 2, x + 15, y + 7, 2), g);
    k.Fill(Polygon({x + 3, y + 14, x + 5.5f, y + 12.5f, x + 4.5f, y + 11.5f}), kBlue);
}

void Swatch(Cell const& k, bool checker)
{
    const int inset = k.s == kDown ? 3 : 2;
    const Color edge = k.s == kOver ? Rgb(0x3C, 0x7F, 0xD8) : k.s == kDisabled ? Rgb(0xC0, 0xC0, 0xC0) : Rgb(0x50, 0x50, 0x50);
    k.c.Rect(k.x, k.y, k.x + k.w, k.y + k.h, kPanel);
    k.c.Frame(k.x + inset - 1, k.y + inset - 1, k.x + k.w - inset + 1, k.y + k.h - inset + 1, edge);
    for (int y = k.y + inset; y < k.y + k.h - inset; ++y)
        for (int x = k.x + inset; x < k.x + k.w - inset; ++x)
        {
            Color c;
            if (checker)
                c = ((x - k.x) / 3 + (y - k.y) / 3) % 2 ? Rgb(0xCC, 0xCC, 0xCC) : kWhite;
            else
            {
                // Hue across, lightness down.
                const float h = float(x - k.x - inset) / (k.w - 2 * inset) * 6, f = h - std::floor(h);
                const int i = int(h) % 6;
                const float rgb[6][3] = {{1, f, 0}, {1 - f, 1, 0}, {0, 1, f}, {0, 1 - f, 1}, {f, 0, 1}, {1, 0, 1 - f}};
                const float v = 1 - 0.6f * float(y - k.y - inset) / (k.h - 2 * inset);
                c = Color{rgb[i][0] * v, rgb[i][1] * v, rgb[i][2] * v, 1};
            }
            if (k.s == kDisabled)
                c = Mix(c, kPanel, 0.6f);
            k.c.Dot(x, y, c);
        }
}

Canvas Banner()
{
    Canvas c(279, 40);
    c.Fill(RoundRect(0, 0, 279, 40, 4), VerticalRamp(0, 40, Rgb(0xF6, 0xF6, 0xF6), Rgb(0xE2, 0xE2, 0xE2)));
    c.Fill(Minus(RoundRect(0, 0, 279, 40, 4), RoundRect(1, 1, 278, 39, 3)), Solid(Rgb(0x9A, 0x9A, 0x9A)), 0, 0, 279, 40);
    const int zel = c.Text(gBold, 22, 12, 27, "zel", kInk);
    c.Text(gRegular, 22, 12 + zel + 6, 27, "Tonescope", Rgb(0x55, 0x55, 0x55));
    Cell k{c, 0, 0, 279, 40, kNormal};
    k.Fill(Hump(170, 220, 33, 22), Rgb(0xE0, 0x30, 0x30, 0.8f));
    k.Fill(Hump(190, 245, 33, 18), Rgb(0x2E, 0xB0, 0x3A, 0.8f));
    k.Fill(Hump(205, 268, 33, 25), Rgb(0x2F, 0x5F, 0xE8, 0.8f));
    c.Fill(Polygon({166, 33, 270, 33, 270, 36, 166, 36}), HorizontalRamp(166, 270, kBlack, kWhite), 0, 0, 279, 40);
    return c;
}

Canvas ToneScale()
{
    Canvas c(300, 30);
    c.Rect(0, 0, 300, 30, kPanel);
    c.Fill(Polygon({22, 3, 278, 3, 278, 13, 22, 13}), HorizontalRamp(22, 278, kBlack, kWhite), 0, 0, 300, 30);
    c.Frame(21, 2, 279, 14, Rgb(0x40, 0x40, 0x40));
    for (int v : {0, 64, 128, 192, 255})
    {
        const int x = 22 + v;
        c.Rect(x, 14, x + 1, 18, Rgb(0x40, 0x40, 0x40));
        const std::string label = std::to_string(v);
        c.Text(gRegular, 10, x - Canvas::TextWidth(gRegular, 10, label) / 2.0f, 28, label, Rgb(0x40, 0x40, 0x40));
    }
    return c;
}

Canvas About()
{
    Canvas c(400, 126);
    c.Rect(0, 0, 400, 126, kPanel);
    c.Fill(Polygon({0, 0, 400, 0, 400, 126, 0, 126}), VerticalRamp(0, 126, Rgb(0xFA, 0xFA, 0xFA), Rgb(0xDE, 0xDE, 0xDE)), 0, 0, 400, 126);
    c.Frame(0, 0, 400, 126, Rgb(0x80, 0x80, 0x80));
    const int zel = c.Text(gBold, 30, 18, 44, "zel", kInk);
    c.Text(gRegular, 30, 18 + zel + 8, 44, "Tonescope", Rgb(0x50, 0x50, 0x50));
    c.Text(gRegular, 12, 20, 66, "Ostrel 2.2", Rgb(0x60, 0x60, 0x60));
    c.Text(gRegular, 11, 20, 86, "Histograms in eleven colour models", Rgb(0x60, 0x60, 0x60));
    Cell k{c, 0, 0, 400, 126, kNormal};
    k.c.Rect(230, 20, 384, 104, Rgb(0xC8, 0xC8, 0xC8));
    k.c.Frame(229, 19, 385, 105, Rgb(0x40, 0x40, 0x40));
    k.Fill(Hump(232, 320, 104, 60), Rgb(0xE0, 0x30, 0x30, 0.75f));
    k.Fill(Hump(265, 350, 104, 75), Rgb(0x2E, 0xB0, 0x3A, 0.75f));
    k.Fill(Hump(300, 383, 104, 50), Rgb(0x2F, 0x5F, 0xE8, 0.75f));
    c.Fill(Polygon({230, 108, 384, 108, 384, 114, 230, 114}), HorizontalRamp(230, 384, kBlack, kWhite), 0, 0, 400, 126);
    return c;
}

struct Picture
{
    int number;
    int bits;
    std::function<Canvas()> draw;
};

std::vector<Picture> Pictures()
{
    auto strip = [](int w, int frameH, bool face, Drawer d) { return [=] { return Strip(w, frameH, face, d); }; };
    return {
        {101, 32, Banner},
        {102, 32, ToneScale},
        {103, 24, About},
        {3001, 32, strip(16, 16, false, [](Cell const& k) { CheckBox(k, false); })},
        {3002, 32, strip(16, 16, false, [](Cell const& k) { CheckBox(k, true); })},
        {3003, 32, strip(11, 10, true, [](Cell const& k) { Arrow(k, true); })},
        {3004, 32, strip(11, 10, true, [](Cell const& k) { Arrow(k, false); })},
        {3005, 32, strip(13, 8, false, [](Cell const& k) { Thumb(k, Rgb(0x10, 0x10, 0x10), kBlack); })},
        {3006, 32, strip(13, 8, false, [](Cell const& k) { Thumb(k, Rgb(0x80, 0x80, 0x80), Rgb(0x30, 0x30, 0x30)); })},
        {3007, 32, strip(13, 8, false, [](Cell const& k) { Thumb(k, kWhite, Rgb(0x30, 0x30, 0x30)); })},
        {3008, 32, strip(8, 13, false, ScaleThumb)},
        {3009, 32, strip(32, 19, false, Logo)},
        {3010, 32, strip(31, 17, true, AutoView)},
        {3011, 32, strip(20, 17, true, ResetArc)},
        {3012, 32, strip(25, 17, true, [](Cell const& k) { ScaleCurve(k, 0); })},
        {3013, 32, strip(25, 17, true, [](Cell const& k) { ScaleCurve(k, 1); })},
        {3014, 32, strip(25, 17, true, [](Cell const& k) { ScaleCurve(k, 2); })},
        {3015, 32, strip(25, 17, true, [](Cell const& k) { ColourHumps(k, false); })},
        {3016, 32, strip(31, 17, true, FullRange)},
        {3017, 32, strip(17, 17, true, Lock)},
        {3018, 24, strip(17, 17, false, [](Cell const& k) { Swatch(k, true); })},
        {3019, 32, strip(25, 17, true, [](Cell const& k) { ColourHumps(k, true); })},
        {3020, 32, strip(17, 17, true, Eye)},
        {3021, 32, strip(17, 17, true, Pipette)},
        {3022, 24, strip(17, 17, false, [](Cell const& k) { Swatch(k, false); })},
        {3023, 32, strip(17, 17, true, ShowSelection)},
    };
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 5)
    {
        std::cerr << "usage: artworkgen OUTDIR MANIFEST REGULAR.ttf BOLD.ttf\n";
        return 2;
    }
    const std::string dir = argv[1];
    gRegular = argv[3];
    gBold = argv[4];
    std::string manifest;
    for (const Picture& p : Pictures())
    {
        const std::string file = dir + "/bitmap" + std::to_string(p.number) + ".dib";
        if (!p.draw().WriteDib(file, p.bits, kPanel))
        {
            std::cerr << "artworkgen: cannot write " << file << ".\n";
            return 1;
        }
        manifest += "BMP_ " + std::to_string(p.number) + " 0 " + file + "\n";
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << manifest;
    if (!out.flush())
    {
        std::cerr << "artworkgen: cannot write the manifest " << argv[2] << ".\n";
        return 1;
    }
    return 0;
}
