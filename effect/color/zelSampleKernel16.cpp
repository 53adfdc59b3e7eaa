// The row kernel's 16-bit conversions, plane by plane.
#include "effect/color/zelColorFormulas.h"
#include "effect/color/zelColorModel.h"
#include "effect/color/zelSampleKernelTables.h"

namespace zelTonescope
{
namespace zelSampleKernelDetail
{
// Clang 14 gives the resolvers of cloned functions in an unnamed namespace
// the same name in every file; this name keeps them apart from the 8-bit ones.
inline namespace deep
{
namespace
{
using namespace zelColorFormulas;
typedef zelSampleKernel::Tables Tables;

// Mul16 for v up to 65535: v * k stays below 2^31 for every k used.
inline int32_t M16(int32_t v, int32_t k)
{
    return v >= kFull16 ? k : (v * k) >> 15;
}

// Frac16(n, d) for 0 <= n <= d, or n > 0 with any d: quotients past full
// are capped, and d <= 0 counts as 1/1. Every part is computed whatever the
// outcome, so that the compiler keeps the loops free of branches.
inline int32_t Fraction(int32_t n, int32_t d)
{
    const int32_t none = d <= 0;
    return std::min(Quotient((none ? 1 : n) * kFull16, none ? 1 : d), kFull16);
}

inline void XYZ(int32_t r, int32_t g, int32_t b, int32_t& x, int32_t& y, int32_t& z)
{
    x = std::min(M16(r, 14122) + M16(g, 11206) + M16(b, 5832), kFull16);
    y = std::min(M16(r, 7274) + M16(g, 23166) + M16(b, 2326), kFull16);
    z = std::min(M16(r, 655) + M16(g, 4259) + M16(b, 30768), kFull16);
}

// The hue step of both hue models: Frac16(|x|, 6 delta), |x| never above delta.
inline int32_t HueStep(int32_t x, int32_t delta)
{
    const int32_t six = 6 * delta;
    return Quotient((x < 0 ? -x : x) * kFull16, six > 0 ? six : 1);
}

// Clones chosen at load time need the ELF loader's indirect functions.
#if defined(__ELF__)
#define Y_PLANE_LOOP __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define Y_PLANE_LOOP
#endif

Y_PLANE_LOOP void PlanesXYZ(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
        XYZ(p.r[i], p.g[i], p.b[i], p.r[i], p.g[i], p.b[i]);
}

Y_PLANE_LOOP void PlanesxyY(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        int32_t x, y, z;
        XYZ(p.r[i], p.g[i], p.b[i], x, y, z);
        const int32_t s = x + y + z;
        p.r[i] = Fraction(x, s);
        p.g[i] = Fraction(y, s);
        p.b[i] = y;
    }
}

Y_PLANE_LOOP void PlanesYUV(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const int32_t r = p.r[i], g = p.g[i], b = p.b[i];
        p.r[i] = M16(r, 9797) + M16(g, 19234) + M16(b, 3735);
        p.g[i] = M16(b, 16383) + 16384 - (M16(r, 5537) + M16(g, 10845));
        p.b[i] = M16(r, 16383) - M16(g, 13729) - M16(b, 2654) + 16384;
    }
}

Y_PLANE_LOOP void PlanesYIQ(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const int32_t r = p.r[i], g = p.g[i], b = p.b[i];
        p.r[i] = M16(r, 9797) + M16(g, 19234) + M16(b, 3735);
        p.g[i] = M16(r, 19529) - M16(g, 9010) - M16(b, 10518) + 16384;
        p.b[i] = M16(r, 6946) - M16(g, 17137) + M16(b, 10190) + 16384;
    }
}

Y_PLANE_LOOP void PlanesCMY(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        p.r[i] = kFull16 - p.r[i];
        p.g[i] = kFull16 - p.g[i];
        p.b[i] = kFull16 - p.b[i];
    }
}

Y_PLANE_LOOP void PlanesCMYK(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const int32_t a = p.a[i];
        auto pre = [a](int32_t c) {
            const int32_t product = static_cast<int32_t>(std::min<uint32_t>(uint32_t(c) * uint32_t(a) >> 15, kFull16));
            return c == kFull16 ? a : a == kFull16 ? c : product;
        };
        const int32_t cy = kFull16 - pre(p.r[i]), ma = kFull16 - pre(p.g[i]), ye = kFull16 - pre(p.b[i]);
        const int32_t k = std::min(cy, std::min(ma, ye));
        const int32_t d = kFull16 - k == 0 ? 1 : kFull16 - k;
        p.r[i] = Fraction(cy - k, d);
        p.g[i] = Fraction(ma - k, d);
        p.b[i] = Fraction(ye - k, d);
        p.a[i] = k;
    }
}

// The hue of both models: which channel is largest (red first, then green),
// the signed difference of the other two, and the offsets of green and blue.
struct HueParts
{
    int32_t x, base, isRed;
};

inline HueParts Parts(int32_t r, int32_t g, int32_t b, int32_t largest, int32_t green, int32_t blue)
{
    const int32_t isRed = r == largest;
    const int32_t isGreen = !isRed & (g == largest);
    const int32_t x = isRed ? g - b : isGreen ? b - r : r - g;
    const int32_t base = isRed ? 0 : isGreen ? green : blue;
    return {x, base, isRed};
}

Y_PLANE_LOOP void PlanesHSV(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const int32_t r = p.r[i], g = p.g[i], b = p.b[i];
        const int32_t value = std::max(r, std::max(g, b));
        const int32_t delta = value - std::min(r, std::min(g, b));
        const int32_t saturation = Fraction(delta, value) * (value != 0);
        const HueParts h = Parts(r, g, b, value, 10921, 21844);
        const int32_t step = HueStep(h.x, delta);
        // Red with green equal to blue goes all the way round to full.
        const int32_t below = h.isRed ? kFull16 : h.base;
        const int32_t hue = h.x > 0 ? h.base + step : below - step;
        p.r[i] = saturation == 0 ? 0 : std::min(hue, kFull16);
        p.g[i] = std::min(saturation, kFull16);
        p.b[i] = value;
    }
}

Y_PLANE_LOOP void PlanesHLS(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const int32_t r = p.r[i], g = p.g[i], b = p.b[i];
        const int32_t largest = std::max(r, std::max(g, b));
        const int32_t smallest = std::min(r, std::min(g, b));
        const int32_t delta = largest - smallest;
        const int32_t lightness = (smallest + largest) >> 1;
        const HueParts h = Parts(r, g, b, largest, 10923, 21845);
        const int32_t step = HueStep(h.x, delta);
        const int32_t below = h.isRed ? kFull16 : h.base;
        const int32_t hue = h.x > 0 ? h.base + step : h.x < 0 ? below - step : h.base;
        const int32_t denominator =
            lightness < 16385 ? 2 * smallest + delta : 2 * (kFull16 - largest) + delta;
        const int32_t saturation = Fraction(delta, denominator);
        p.r[i] = delta == 0 ? 0 : hue;
        p.g[i] = delta == 0 ? r : lightness;
        p.b[i] = delta == 0 ? 0 : saturation;
    }
}

// Lab and Luv once XYZ is in the planes and the table values gathered
// beside them (the gathers stay in a plain loop; the arithmetic vectorises).
struct Gathered
{
    double x[kChunk], y[kChunk], z[kChunk];
    int32_t lightness[kChunk];
};

Y_PLANE_LOOP void PlanesLabAB(Planes& p, Gathered const& g, int n)
{
    for (int i = 0; i < n; ++i)
    {
        p.r[i] = g.lightness[i];
        p.g[i] = StoreUnit(LabA(g.x[i], g.y[i]), kFull16);
        p.b[i] = StoreUnit(LabB(g.y[i], g.z[i]), kFull16);
    }
}

Y_PLANE_LOOP void PlanesLuvUV(Planes& p, Gathered const& g, int n)
{
    for (int i = 0; i < n; ++i)
    {
        double u, v;
        LuvUV(p.r[i] / 32768.0, p.g[i] / 32768.0, p.b[i] / 32768.0, g.y[i], u, v);
        p.r[i] = g.lightness[i];
        p.g[i] = StoreUnit(u, kFull16);
        p.b[i] = StoreUnit(v, kFull16);
    }
}

void PlanesLab(Tables const& t, Planes& p, int n)
{
    PlanesXYZ(p, n);
    Gathered g;
    for (int i = 0; i < n; ++i)
    {
        g.x[i] = t.curveX16[p.r[i]];
        g.y[i] = t.curveY16[p.g[i]];
        g.z[i] = t.curveZ16[p.b[i]];
        g.lightness[i] = t.lightness16[p.g[i]];
    }
    PlanesLabAB(p, g, n);
}

void PlanesLuv(Tables const& t, Planes& p, int n)
{
    PlanesXYZ(p, n);
    Gathered g;
    for (int i = 0; i < n; ++i)
    {
        g.y[i] = t.lum16[p.g[i]];
        g.lightness[i] = t.lightness16[p.g[i]];
    }
    PlanesLuvUV(p, g, n);
}

#undef Y_PLANE_LOOP
} // namespace
} // namespace deep

void ConvertPlanes16(Tables const& t, short model, Planes& p, int n)
{
    switch (model)
    {
    case kModelHLS: PlanesHLS(p, n); break;
    case kModelHSV: PlanesHSV(p, n); break;
    case kModelCMY: PlanesCMY(p, n); break;
    case kModelCMYK: PlanesCMYK(p, n); break;
    case kModelXYZ: PlanesXYZ(p, n); break;
    case kModelxyY: PlanesxyY(p, n); break;
    case kModelYUV: PlanesYUV(p, n); break;
    case kModelYIQ: PlanesYIQ(p, n); break;
    case kModelLab: PlanesLab(t, p, n); break;
    case kModelLuv: PlanesLuv(t, p, n); break;
    default: break;
    }
}
} // namespace zelSampleKernelDetail
} // namespace zelTonescope
