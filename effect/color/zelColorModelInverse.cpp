// Model to RGB for 8-bit pixels: the panel colours its channel bars with it.
#include "effect/color/zelColorModel.h"

#include "effect/color/zelColorFormulas.h"

#include "ui/yColorConversions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zelTonescope
{
namespace
{
typedef yColorConversions CC;

using namespace zelColorFormulas;

constexpr double kLabEdge = 0.206892706; // 6/29: where the Lab curve turns linear

int Unit(double t)
{
    return StoreUnit(t, kFull8);
}

void StoreRGB(PF_Pixel& p, int r, int g, int b)
{
    p.red = static_cast<A_u_char>(r);
    p.green = static_cast<A_u_char>(g);
    p.blue = static_cast<A_u_char>(b);
}

// XYZ bytes to RGB: widened to 15 bits, then a fixed-point matrix.
void XYZToRGB(PF_Pixel& p, int x, int y, int z)
{
    auto widen = [](int v) { return static_cast<uint32_t>(v * 128 + v / 2); };
    auto m = [](uint32_t w, uint32_t k) { return static_cast<int64_t>((w * k) >> 15); };
    const uint32_t wx = widen(x), wy = widen(y), wz = widen(z);
    const int64_t r = std::max<int64_t>(0, std::max<int64_t>(0, m(wx, 100365) - m(wy, 45644)) - m(wz, 15597));
    const int64_t g = m(wz, 1376) + m(wy, 61470) - m(wx, 31751);
    const int64_t b = m(wx, 2228) - m(wy, 7503) + m(wz, 35027);
    auto narrow = [](int64_t v) { return v <= 0 ? 0 : static_cast<int>(std::min<int64_t>(v >> 7, 255)); };
    StoreRGB(p, narrow(r), narrow(g), narrow(b));
}

double LabCurveInverse(double f)
{
    return f > kLabEdge ? f * f * f : (f - 0.137931) / 7.787;
}

double LightnessInverse(double l)
{
    if (l > 8.0)
    {
        const double f = (l + 16.0) / 116.0;
        return f * f * f;
    }
    return l / 903.3;
}

void LabToRGB(PF_Pixel& p)
{
    const double l = p.red / 255.0 * 100.0;
    const double fy = (l + 16.0) / 116.0;
    const double fx = fy + (p.green / 255.0 / 2.929146272 - 0.191533333);
    const double fz = fy - (p.blue / 255.0 / 1.053268921 - 0.5651534);
    XYZToRGB(p, Unit(LabCurveInverse(fx) * kWhiteX), Unit(LightnessInverse(l)), Unit(LabCurveInverse(fz) * kWhiteZ));
}

void LuvToRGB(PF_Pixel& p)
{
    const double l = p.red / 255.0 * 100.0;
    if (l == 0.0)
    {
        XYZToRGB(p, 0, 0, 0);
        return;
    }
    const double u = p.green / 255.0 * 100.0 / (13.0 * l) + kWhiteU;
    const double v = p.blue / 255.0 * 100.0 / (13.0 * l) + kWhiteV;
    const double y = LightnessInverse(l);
    const double x = y * 9.0 * u / (4.0 * v);
    const double z = y * (12.0 - 3.0 * u - 20.0 * v) / (4.0 * v);
    XYZToRGB(p, Unit(x), Unit(y), Unit(z));
}
} // namespace

void zelColorModel::ToRGB(PF_Pixel& p, short model)
{
    const int a = p.red, b = p.green, c = p.blue;
    switch (model)
    {
    case kModelHLS:
    {
        yColorHLS h;
        h.hue = p.red, h.lightness = p.green, h.saturation = p.blue, h.alpha = p.alpha;
        const yColor8 rgb = CC::HLSToRGB(h);
        StoreRGB(p, rgb.red, rgb.green, rgb.blue);
        break;
    }
    case kModelHSV:
    {
        yColorHSV h;
        h.hue = p.red, h.saturation = p.green, h.value = p.blue, h.alpha = p.alpha;
        const yColor8 rgb = CC::HSVToRGB(h);
        StoreRGB(p, rgb.red, rgb.green, rgb.blue);
        break;
    }
    case kModelCMY:
        StoreRGB(p, 255 - a, 255 - b, 255 - c);
        break;
    case kModelCMYK:
    {
        const int k = p.alpha;
        auto channel = [k](int v) { return 255 - ((CC::Mul8(v, 255 - k) + k) & 255); };
        StoreRGB(p, channel(a), channel(b), channel(c));
        p.alpha = 255;
        break;
    }
    case kModelXYZ:
        XYZToRGB(p, a, b, c);
        break;
    case kModelxyY:
    {
        const double bigY = c / 255.0;
        const double y = b == 0 ? 0.00001 : b / 255.0;
        const double s = bigY / y;
        const int x = Unit(s * a / 255.0);
        const int z = Unit(s - x / 255.0 - bigY);
        XYZToRGB(p, x, c, z);
        break;
    }
    case kModelYUV:
    {
        const double y = a / 255.0, u = b / 255.0 - 0.5, v = c / 255.0 - 0.5;
        StoreRGB(p, Unit(y + 1.14 * v), Unit(y - 0.34366 * u - 0.714169 * v), Unit(y + 1.77216 * u - 0.0810002 * v));
        break;
    }
    case kModelYIQ:
    {
        const double y = a / 255.0, i = b / 255.0 - 0.5, q = c / 255.0 - 0.5;
        StoreRGB(p, Unit(y + 0.955688 * i + 0.619858 * q), Unit(y - 0.271582 * i - 0.646874 * q),
                 Unit(y - 1.10818 * i + 1.70506 * q));
        break;
    }
    case kModelLab:
        LabToRGB(p);
        break;
    case kModelLuv:
        LuvToRGB(p);
        break;
    default:
        break;
    }
}
} // namespace zelTonescope
