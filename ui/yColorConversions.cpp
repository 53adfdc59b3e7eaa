#include "ui/yColorConversions.h"

#include <algorithm>

namespace
{
typedef yMath::U8 U8;

constexpr int kGreenHue = 85;
constexpr int kBlueHue = 170;
} // namespace

int yColorConversions::Mul8(int a, int b)
{
    if (a == 255)
        return b;
    if (b == 255)
        return a;
    if (a == 0 || b == 0)
        return 0;
    return std::min(((a + 1) * (b + 1)) >> 8, 255);
}

int yColorConversions::HueRatio(int x, int delta)
{
    const int sixths = 6 * delta;
    if (x >= sixths)
        return 255;
    if (x <= 0)
        return 0;
    return x * 256 / sixths;
}

yColorHSV yColorConversions::RGBToHSV(yColor8 const& c)
{
    const int r = c.red, g = c.green, b = c.blue;
    const int value = std::max(r, std::max(g, b));
    const int delta = value - std::min(r, std::min(g, b));
    int saturation = 0;
    if (value != 0)
        saturation = delta >= value ? 255 : delta * 256 / value;

    int hue = 0;
    if (saturation != 0)
    {
        if (r == value)
            hue = g > b ? HueRatio(g - b, delta) : 255 - HueRatio(b - g, delta);
        else if (g != value)
            hue = r > g ? HueRatio(r - g, delta) + kBlueHue : kBlueHue - HueRatio(g - r, delta);
        else
            hue = b > r ? HueRatio(b - r, delta) + kGreenHue : kGreenHue - HueRatio(r - b, delta);
    }
    yColorHSV out;
    out.hue = static_cast<U8>(hue);
    out.saturation = static_cast<U8>(saturation);
    out.value = static_cast<U8>(value);
    out.alpha = c.alpha;
    return out;
}

yColorHLS yColorConversions::RGBToHLS(yColor8 const& c)
{
    const int r = c.red, g = c.green, b = c.blue;
    yColorHLS out;
    out.alpha = c.alpha;
    if (r == g && g == b)
    {
        out.lightness = c.red;
        return out;
    }
    const int largest = std::max(r, std::max(g, b));
    const int smallest = std::min(r, std::min(g, b));
    const int delta = largest - smallest;
    const int lightness = (smallest + largest) >> 1;

    // Red wins a tie for the largest, then green.
    int hue;
    if (r == largest)
        hue = g == b ? 0 : g > b ? HueRatio(g - b, delta) : 255 - HueRatio(b - g, delta);
    else if (g == largest)
        hue = b == r ? kGreenHue : b < r ? kGreenHue - HueRatio(r - b, delta) : kGreenHue + HueRatio(b - r, delta);
    else
        hue = r == g ? kBlueHue : r < g ? kBlueHue - HueRatio(g - r, delta) : kBlueHue + HueRatio(r - g, delta);

    const int denominator = lightness < 128 ? 2 * smallest + delta : 2 * (255 - largest) + delta;
    const int saturation = delta >= denominator ? 255 : delta * 256 / denominator;

    out.hue = static_cast<U8>(hue);
    out.lightness = static_cast<U8>(lightness);
    out.saturation = static_cast<U8>(saturation);
    return out;
}

yColor8 yColorConversions::HSVToRGB(yColorHSV const& c)
{
    const int v = c.value, s = c.saturation;
    if (s == 0)
        return yColor8(c.alpha, c.value, c.value, c.value);

    const double h = c.hue == 0 ? 0.0 : c.hue / 255.0 * 6.0;
    int sector = static_cast<int>(h);
    const double f = h - sector;
    const int fraction = f == 0.0 ? 0 : f >= 1.0 ? 255 : static_cast<int>(f * 255.0);
    const int p = Mul8(v, 255 - s);
    const int q = Mul8(v, 255 - Mul8(s, fraction));
    const int t = Mul8(v, 255 - Mul8(s, 255 - fraction));

    int r, g, b;
    switch (sector)
    {
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    case 5: r = v, g = p, b = q; break;
    default: r = v, g = t, b = p; break; // sector 0, and 6 for a hue of 255
    }
    return yColor8(c.alpha, static_cast<U8>(r), static_cast<U8>(g), static_cast<U8>(b));
}

yColor8 yColorConversions::HLSToRGB(yColorHLS const& c)
{
    const int l = c.lightness, s = c.saturation;
    if (l == 255)
        return yColor8(c.alpha, 255, 255, 255);
    if (s == 0)
        return yColor8(c.alpha, c.lightness, c.lightness, c.lightness);

    const int high = l < 128 ? 2 * l : 255;
    const int low = l < 128 ? 0 : (l - 127) * 2;
    const int x = c.hue * 6;
    // Which channel is high, middle and low, and the middle one's fraction.
    int *hi, *mid, *lo, f;
    int r, g, b;
    if (x < 255)
        hi = &r, mid = &g, lo = &b, f = x;
    else if (x < 510)
        hi = &g, mid = &r, lo = &b, f = 510 - x;
    else if (x < 765)
        hi = &g, mid = &b, lo = &r, f = x - 510;
    else if (x < 1020)
        hi = &b, mid = &g, lo = &r, f = 1020 - x;
    else if (x < 1275)
        hi = &b, mid = &r, lo = &g, f = x - 1020;
    else
        hi = &r, mid = &b, lo = &g, f = 1530 - x;
    *hi = high;
    *lo = low;
    *mid = low + Mul8(high - low, f);

    if (s != 255)
    {
        const int grey = Mul8(l, 255 - s);
        r = std::min(Mul8(r, s) + grey, 255);
        g = std::min(Mul8(g, s) + grey, 255);
        b = std::min(Mul8(b, s) + grey, 255);
    }
    return yColor8(c.alpha, static_cast<U8>(r), static_cast<U8>(g), static_cast<U8>(b));
}

yColorCMY yColorConversions::RGBToCMY(yColor8 const& c)
{
    yColorCMY out;
    out.cyan = static_cast<U8>(255 - c.red);
    out.magenta = static_cast<U8>(255 - c.green);
    out.yellow = static_cast<U8>(255 - c.blue);
    out.alpha = c.alpha;
    return out;
}

yColor8 yColorConversions::CMYToRGB(yColorCMY const& c)
{
    return yColor8(c.alpha, static_cast<U8>(255 - c.cyan), static_cast<U8>(255 - c.magenta),
                   static_cast<U8>(255 - c.yellow));
}
