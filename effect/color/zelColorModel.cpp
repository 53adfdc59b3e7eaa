#include "effect/color/zelColorModel.h"

#include "effect/color/zelColorFormulas.h"

#include "ui/yColorConversions.h"

#include <algorithm>
#include <cmath>

namespace zelTonescope
{
namespace
{
typedef yColorConversions CC;

using namespace zelColorFormulas;

// Hue offsets of the 16-bit hue models: green and blue a third and two thirds round.
constexpr int kHLSGreen16 = 10923;
constexpr int kHLSBlue16 = 21845;
constexpr int kHSVGreen16 = 10921;
constexpr int kHSVBlue16 = 21844;

void Store(PF_Pixel& p, int a, int b, int c)
{
    p.red = static_cast<A_u_char>(a);
    p.green = static_cast<A_u_char>(b);
    p.blue = static_cast<A_u_char>(c);
}

void Store(PF_Pixel16& p, int a, int b, int c)
{
    p.red = static_cast<A_u_short>(a);
    p.green = static_cast<A_u_short>(b);
    p.blue = static_cast<A_u_short>(c);
}

Triple Lab(Triple xyz, double full)
{
    const double x = xyz.a / full / kWhiteX;
    const double y = xyz.b / full;
    const double z = xyz.c / full / kWhiteZ;
    const int f = static_cast<int>(full);
    return {StoreUnit(Lightness(y) / 100.0, f), StoreUnit(LabA(LabCurve(x), LabCurve(y)), f),
            StoreUnit(LabB(LabCurve(y), LabCurve(z)), f)};
}

Triple Luv(Triple xyz, double full)
{
    const double y = xyz.b / full;
    const double l = Lightness(y);
    double u, v;
    LuvUV(xyz.a / full, y, xyz.c / full, l, u, v);
    const int f = static_cast<int>(full);
    return {StoreUnit(l / 100.0, f), StoreUnit(u, f), StoreUnit(v, f)};
}

void Forward8(PF_Pixel& p, short model)
{
    const int r = p.red, g = p.green, b = p.blue, a = p.alpha;
    switch (model)
    {
    case kModelHLS:
    {
        const yColorHLS h = CC::RGBToHLS(yColor8(p.alpha, p.red, p.green, p.blue));
        Store(p, h.hue, h.lightness, h.saturation);
        break;
    }
    case kModelHSV:
    {
        const yColorHSV h = CC::RGBToHSV(yColor8(p.alpha, p.red, p.green, p.blue));
        Store(p, h.hue, h.saturation, h.value);
        break;
    }
    case kModelCMY:
        Store(p, kFull8 - r, kFull8 - g, kFull8 - b);
        break;
    case kModelCMYK:
    {
        // Premultiplied by alpha, so a transparent pixel counts as black.
        auto pre = [a](int c) { return c == 255 ? a : a == 255 ? c : CC::Mul8(a, c); };
        const int cy = kFull8 - pre(r), ma = kFull8 - pre(g), ye = kFull8 - pre(b);
        const int k = std::min(cy, std::min(ma, ye));
        const int n = k == kFull8 ? 1 : kFull8 - k;
        Store(p, Frac8(cy - k, n), Frac8(ma - k, n), Frac8(ye - k, n));
        p.alpha = static_cast<A_u_char>(k);
        break;
    }
    case kModelXYZ:
    {
        const Triple t = XYZ8(r, g, b);
        Store(p, t.a, t.b, t.c);
        break;
    }
    case kModelxyY:
    {
        const Triple t = XYZ8(r, g, b);
        const int s = t.a + t.b + t.c;
        Store(p, Frac8(t.a, s), Frac8(t.b, s), t.b);
        break;
    }
    case kModelYUV:
    {
        const int y = Mul8(r, 77) + Mul8(g, 151) + Mul8(b, 30);
        const int u = Mul8(b, 128) + 127 - (Mul8(r, 44) + Mul8(g, 85));
        const int v = Mul8(r, 128) - Mul8(g, 108) - Mul8(b, 21) + 127;
        Store(p, y, u, v);
        break;
    }
    case kModelYIQ:
    {
        const int y = Mul8(r, 77) + Mul8(g, 151) + Mul8(b, 30);
        const int i = Mul8(r, 153) - Mul8(g, 71) - Mul8(b, 83) + 127;
        const int q = Mul8(r, 55) - Mul8(g, 134) + Mul8(b, 80) + 127;
        Store(p, y, i, q); // both wrap round the byte
        break;
    }
    case kModelLab:
    {
        const Triple t = Lab(XYZ8(r, g, b), 255.0);
        Store(p, t.a, t.b, t.c);
        break;
    }
    case kModelLuv:
    {
        const Triple t = Luv(XYZ8(r, g, b), 255.0);
        Store(p, t.a, t.b, t.c);
        break;
    }
    default:
        break;
    }
}

int Hue16(int x, int delta)
{
    return static_cast<int>(Frac16(x, 6 * static_cast<int64_t>(delta)));
}

void HLS16(PF_Pixel16& p)
{
    const int r = p.red, g = p.green, b = p.blue;
    if (r == g && g == b)
    {
        Store(p, 0, r, 0);
        return;
    }
    const int largest = std::max(r, std::max(g, b));
    const int smallest = std::min(r, std::min(g, b));
    const int d = largest - smallest;
    const int l = (smallest + largest) >> 1;
    int hue;
    if (r == largest)
        hue = g == b ? 0 : g > b ? Hue16(g - b, d) : kFull16 - Hue16(b - g, d);
    else if (g == largest)
        hue = b == r ? kHLSGreen16 : b < r ? kHLSGreen16 - Hue16(r - b, d) : kHLSGreen16 + Hue16(b - r, d);
    else
        hue = r == g ? kHLSBlue16 : r < g ? kHLSBlue16 - Hue16(g - r, d) : kHLSBlue16 + Hue16(r - g, d);
    const int denominator = l < 16385 ? 2 * smallest + d : 2 * (kFull16 - largest) + d;
    const int saturation = d >= denominator ? kFull16 : static_cast<int>(int64_t(d) * kFull16 / denominator);
    Store(p, hue, l, saturation);
}

void HSV16(PF_Pixel16& p)
{
    const int r = p.red, g = p.green, b = p.blue;
    const int value = std::max(r, std::max(g, b));
    const int d = value - std::min(r, std::min(g, b));
    int saturation = 0;
    if (value != 0)
        saturation = d >= value ? kFull16 : static_cast<int>(int64_t(d) * kFull16 / value);
    int hue = 0;
    if (saturation != 0)
    {
        if (r == value)
            hue = g > b ? Hue16(g - b, d) : kFull16 - Hue16(b - g, d);
        else if (g != value)
            hue = r > g ? Hue16(r - g, d) + kHSVBlue16 : kHSVBlue16 - Hue16(g - r, d);
        else
            hue = b > r ? Hue16(b - r, d) + kHSVGreen16 : kHSVGreen16 - Hue16(r - b, d);
    }
    Store(p, std::min(hue, kFull16), std::min(saturation, kFull16), value);
}

void Forward16(PF_Pixel16& p, short model)
{
    const int r = p.red, g = p.green, b = p.blue, a = p.alpha;
    switch (model)
    {
    case kModelHLS:
        HLS16(p);
        break;
    case kModelHSV:
        HSV16(p);
        break;
    case kModelCMY:
        Store(p, kFull16 - r, kFull16 - g, kFull16 - b);
        break;
    case kModelCMYK:
    {
        auto pre = [a](int c) {
            return c == kFull16 ? a : a == kFull16 ? c : static_cast<int>(std::min((int64_t(c) * a) >> 15, int64_t(kFull16)));
        };
        const int cy = kFull16 - pre(r), ma = kFull16 - pre(g), ye = kFull16 - pre(b);
        const int k = std::min(cy, std::min(ma, ye));
        const int n = k == kFull16 ? 1 : kFull16 - k;
        Store(p, Frac16(cy - k, n), Frac16(ma - k, n), Frac16(ye - k, n));
        p.alpha = static_cast<A_u_short>(k);
        break;
    }
    case kModelXYZ:
    {
        const Triple t = XYZ16(r, g, b);
        Store(p, t.a, t.b, t.c);
        break;
    }
    case kModelxyY:
    {
        const Triple t = XYZ16(r, g, b);
        const int s = t.a + t.b + t.c;
        Store(p, Frac16(t.a, s), Frac16(t.b, s), t.b);
        break;
    }
    case kModelYUV:
    {
        const int y = Mul16(r, 9797) + Mul16(g, 19234) + Mul16(b, 3735);
        const int u = Mul16(b, 16383) + 16384 - (Mul16(r, 5537) + Mul16(g, 10845));
        const int v = Mul16(r, 16383) - Mul16(g, 13729) - Mul16(b, 2654) + 16384;
        Store(p, y, u, v);
        break;
    }
    case kModelYIQ:
    {
        const int y = Mul16(r, 9797) + Mul16(g, 19234) + Mul16(b, 3735);
        const int i = Mul16(r, 19529) - Mul16(g, 9010) - Mul16(b, 10518) + 16384;
        const int q = Mul16(r, 6946) - Mul16(g, 17137) + Mul16(b, 10190) + 16384;
        Store(p, y, i, q);
        break;
    }
    case kModelLab:
    {
        const Triple t = Lab(XYZ16(r, g, b), 32768.0);
        Store(p, t.a, t.b, t.c);
        break;
    }
    case kModelLuv:
    {
        const Triple t = Luv(XYZ16(r, g, b), 32768.0);
        Store(p, t.a, t.b, t.c);
        break;
    }
    default:
        break;
    }
}
} // namespace

void zelColorModel::Convert(PF_Pixel& p, short model, short direction)
{
    if (direction == kToModel)
        Forward8(p, model);
    else if (direction == kToRGB)
        ToRGB(p, model);
}

void zelColorModel::Convert(PF_Pixel16& p, short model, short direction)
{
    if (direction == kToModel)
        Forward16(p, model);
}

zelChannelCaption zelColorModel::Caption(short model, int channel)
{
    static const zelChannelCaption kCaptions[kModelCount][4] = {
        {{"R", "Red"}, {"G", "Green"}, {"B", "Blue"}, {"A", "Alpha"}},
        {{"H", "Hue"}, {"L", "Lightness"}, {"S", "Saturation"}, {"A", "Alpha"}},
        {{"H", "Hue"}, {"S", "Saturation"}, {"V", "Value"}, {"A", "Alpha"}},
        {{"C", "Cyan"}, {"M", "Magenta"}, {"Y", "Yellow"}, {"A", "Alpha"}},
        {{"C", "Cyan"}, {"M", "Magenta"}, {"Y", "Yellow"}, {"K", "Black"}},
        {{"X", "X"}, {"Y", "Y"}, {"Z", "Z"}, {"A", "Alpha"}},
        {{"x", "x"}, {"y", "y"}, {"Y", "Y"}, {"A", "Alpha"}},
        {{"Y", "Y"}, {"U", "U"}, {"V", "V"}, {"A", "Alpha"}},
        {{"Y", "Y"}, {"I", "I"}, {"Q", "Q"}, {"A", "Alpha"}},
        {{"L", "L"}, {"A", "A"}, {"B", "B"}, {"A", "Alpha"}},
        {{"L", "L"}, {"U", "U"}, {"V", "V"}, {"A", "Alpha"}},
    };
    if (model < kModelRGB || model > kModelCount)
        model = kModelRGB;
    if (channel < 0 || channel > 3)
        channel = 0;
    return kCaptions[model - 1][channel];
}
} // namespace zelTonescope
