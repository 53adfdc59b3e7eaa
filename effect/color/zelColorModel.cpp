#include "effect/color/zelColorModel.h"

#include "effect/color/zelColorDepth.h"
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

template <class P> void Store(P& p, int a, int b, int c)
{
    typedef decltype(p.red) Component;
    p.red = static_cast<Component>(a);
    p.green = static_cast<Component>(b);
    p.blue = static_cast<Component>(c);
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

// The 8-bit hue models are the panel's own colour conversions.
void ToHLS(PF_Pixel& p)
{
    const yColorHLS h = CC::RGBToHLS(yColor8(p.alpha, p.red, p.green, p.blue));
    Store(p, h.hue, h.lightness, h.saturation);
}

void ToHSV(PF_Pixel& p)
{
    const yColorHSV h = CC::RGBToHSV(yColor8(p.alpha, p.red, p.green, p.blue));
    Store(p, h.hue, h.saturation, h.value);
}

int Hue16(int x, int delta)
{
    return static_cast<int>(Frac16(x, 6 * static_cast<int64_t>(delta)));
}

void ToHLS(PF_Pixel16& p)
{
    typedef zelDepth16 D;
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
        hue = b == r ? D::kHLSGreen : b < r ? D::kHLSGreen - Hue16(r - b, d) : D::kHLSGreen + Hue16(b - r, d);
    else
        hue = r == g ? D::kHLSBlue : r < g ? D::kHLSBlue - Hue16(g - r, d) : D::kHLSBlue + Hue16(r - g, d);
    const int denominator = l < D::kHLSUpperHalf ? 2 * smallest + d : 2 * (kFull16 - largest) + d;
    const int saturation = d >= denominator ? kFull16 : static_cast<int>(int64_t(d) * kFull16 / denominator);
    Store(p, hue, l, saturation);
}

void ToHSV(PF_Pixel16& p)
{
    typedef zelDepth16 D;
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
            hue = r > g ? Hue16(r - g, d) + D::kHSVBlue : D::kHSVBlue - Hue16(g - r, d);
        else
            hue = b > r ? Hue16(b - r, d) + D::kHSVGreen : D::kHSVGreen - Hue16(r - b, d);
    }
    Store(p, std::min(hue, kFull16), std::min(saturation, kFull16), value);
}

// Alpha times a component for CMYK, neither of them full.
int Premultiply(zelDepth8, int a, int c)
{
    return CC::Mul8(a, c);
}

int Premultiply(zelDepth16, int a, int c)
{
    return static_cast<int>(std::min((int64_t(c) * a) >> 15, int64_t(kFull16)));
}

template <class D> void Forward(typename D::Pixel& p, short model)
{
    constexpr int full = D::kFull;
    const int r = p.red, g = p.green, b = p.blue, a = p.alpha;
    switch (model)
    {
    case kModelHLS:
        ToHLS(p);
        break;
    case kModelHSV:
        ToHSV(p);
        break;
    case kModelCMY:
        Store(p, full - r, full - g, full - b);
        break;
    case kModelCMYK:
    {
        // Premultiplied by alpha, so a transparent pixel counts as black.
        auto pre = [a](int c) { return c == full ? a : a == full ? c : Premultiply(D(), a, c); };
        const int cy = full - pre(r), ma = full - pre(g), ye = full - pre(b);
        const int k = std::min(cy, std::min(ma, ye));
        const int n = k == full ? 1 : full - k;
        Store(p, D::Frac(cy - k, n), D::Frac(ma - k, n), D::Frac(ye - k, n));
        p.alpha = static_cast<typename D::Component>(k);
        break;
    }
    case kModelXYZ:
    {
        const Triple t = D::XYZ(r, g, b);
        Store(p, t.a, t.b, t.c);
        break;
    }
    case kModelxyY:
    {
        const Triple t = D::XYZ(r, g, b);
        const int s = t.a + t.b + t.c;
        Store(p, D::Frac(t.a, s), D::Frac(t.b, s), t.b);
        break;
    }
    case kModelYUV:
    {
        const int y = D::Mul(r, D::kLuma.r) + D::Mul(g, D::kLuma.g) + D::Mul(b, D::kLuma.b);
        const int u = D::Mul(b, D::kU.b) + D::kMiddle - (D::Mul(r, D::kU.r) + D::Mul(g, D::kU.g));
        const int v = D::Mul(r, D::kV.r) - D::Mul(g, D::kV.g) - D::Mul(b, D::kV.b) + D::kMiddle;
        Store(p, y, u, v);
        break;
    }
    case kModelYIQ:
    {
        const int y = D::Mul(r, D::kLuma.r) + D::Mul(g, D::kLuma.g) + D::Mul(b, D::kLuma.b);
        const int i = D::Mul(r, D::kI.r) - D::Mul(g, D::kI.g) - D::Mul(b, D::kI.b) + D::kMiddle;
        const int q = D::Mul(r, D::kQ.r) - D::Mul(g, D::kQ.g) + D::Mul(b, D::kQ.b) + D::kMiddle;
        Store(p, y, i, q); // I and Q wrap round the component
        break;
    }
    case kModelLab:
    {
        const Triple t = Lab(D::XYZ(r, g, b), full);
        Store(p, t.a, t.b, t.c);
        break;
    }
    case kModelLuv:
    {
        const Triple t = Luv(D::XYZ(r, g, b), full);
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
        Forward<zelDepth8>(p, model);
    else if (direction == kToRGB)
        ToRGB(p, model);
}

void zelColorModel::Convert(PF_Pixel16& p, short model, short direction)
{
    if (direction == kToModel)
        Forward<zelDepth16>(p, model);
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
