// The row kernel's plane loops, written once for both depths: templates over
// zelDepth8 or zelDepth16 and the branch-free arithmetic of that depth. Each
// depth's file compiles them into functions of its own, one for every vector
// width (Y_PLANE_LOOP), which the templates are inlined into: clang cannot
// clone a template for several targets, and an out-of-line template would be
// compiled for the baseline only. Internal to the colour core.
#pragma once

#include "effect/color/zelColorDepth.h"
#include "effect/color/zelColorModel.h"
#include "effect/color/zelSampleKernelTables.h"

#include <algorithm>
#include <cstdint>

namespace zelTonescope
{
namespace zelSampleKernelDetail
{
// The arithmetic that differs between the depths, without branches. Each
// function gives what its namesake in zelColorFormulas gives for the values
// the plane loops pass it.
template <class Depth> struct PlaneMath;

template <> struct PlaneMath<zelDepth8>
{
    // Mul8 for bytes: 0 scales to 0 by itself (k < 256), and 255 scales to
    // one too many.
    static int32_t Mul(int32_t v, int32_t k) { return (((v + 1) * k) >> 8) - (v >= 255); }

    // n / d truncated, through float division: with n and d below 2^24 the
    // rounding error of n / d, at most (n / d) 2^-24, stays below 1 / d, the
    // least distance from a non-integer quotient to the next integer. Floats
    // divide twice as many at once as doubles.
    static int32_t Quotient(int32_t n, int32_t d)
    {
        return static_cast<int32_t>(static_cast<float>(n) / static_cast<float>(d));
    }

    static void XYZ(int32_t r, int32_t g, int32_t b, int32_t& x, int32_t& y, int32_t& z)
    {
        x = Mul(r, 111) + Mul(g, 88) + Mul(b, 46);
        y = Mul(r, 57) + Mul(g, 181) + Mul(b, 19);
        z = std::min(Mul(r, 6) + Mul(g, 34) + Mul(b, 241), zelDepth8::kFull);
    }

    // Alpha times a component, for neither of them full.
    static int32_t Premultiply(int32_t a, int32_t c) { return ((a + 1) * (c + 1)) >> 8; }
};

template <> struct PlaneMath<zelDepth16>
{
    // Mul16 for v up to 65535: v * k stays below 2^31 for every k used.
    static int32_t Mul(int32_t v, int32_t k) { return v >= zelDepth16::kFull ? k : (v * k) >> 15; }

    // Through double division, exact here: for 0 <= n < 2^31 and
    // 0 < d < 2^20, a non-integer n / d lies at least 1/d from the next
    // integer, far more than the rounding error of the division.
    static int32_t Quotient(int32_t n, int32_t d)
    {
        return static_cast<int32_t>(static_cast<double>(n) / static_cast<double>(d));
    }

    static void XYZ(int32_t r, int32_t g, int32_t b, int32_t& x, int32_t& y, int32_t& z)
    {
        constexpr int32_t full = zelDepth16::kFull;
        x = std::min(Mul(r, 14122) + Mul(g, 11206) + Mul(b, 5832), full);
        y = std::min(Mul(r, 7274) + Mul(g, 23166) + Mul(b, 2326), full);
        z = std::min(Mul(r, 655) + Mul(g, 4259) + Mul(b, 30768), full);
    }

    static int32_t Premultiply(int32_t a, int32_t c)
    {
        return static_cast<int32_t>(std::min<uint32_t>(uint32_t(c) * uint32_t(a) >> 15, zelDepth16::kFull));
    }
};

// Frac8 or Frac16 for 0 <= n <= d, or n > 0 with any d: quotients past full
// are capped, and d <= 0 counts as 1/1. Every part is computed whatever the
// outcome, so that the compiler keeps the loops free of branches.
template <class D> [[gnu::always_inline]] inline int32_t Fraction(int32_t n, int32_t d)
{
    const int32_t none = d <= 0;
    return std::min(PlaneMath<D>::Quotient((none ? 1 : n) * D::kScale, none ? 1 : d), D::kFull);
}

// The hue of both hue models. The largest channel (red wins a tie, then
// green) sets the base, and the difference of the other two the step from
// it; a step below red's base goes round from full. The models differ in
// the bases and in where red with green equal to blue lies (redFlat). The
// step is at most a sixth of kScale, so the hue stays within 0..full.
template <class D>
[[gnu::always_inline]] inline int32_t Hue(int32_t r, int32_t g, int32_t b, int32_t largest, int32_t delta,
                                          int32_t green, int32_t blue, int32_t redFlat)
{
    const int32_t isRed = r == largest;
    const int32_t isGreen = !isRed & (g == largest);
    const int32_t x = isRed ? g - b : isGreen ? b - r : r - g;
    const int32_t base = isRed ? 0 : isGreen ? green : blue;
    const int32_t below = isRed ? D::kFull : base;
    const int32_t flat = isRed ? redFlat : base;
    const int32_t six = 6 * delta;
    const int32_t step = PlaneMath<D>::Quotient((x < 0 ? -x : x) * D::kScale, six > 0 ? six : 1);
    return x > 0 ? base + step : x < 0 ? below - step : flat;
}

template <class D> [[gnu::always_inline]] inline void PlanesXYZ(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
        PlaneMath<D>::XYZ(p.r[i], p.g[i], p.b[i], p.r[i], p.g[i], p.b[i]);
}

template <class D> [[gnu::always_inline]] inline void PlanesxyY(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        int32_t x, y, z;
        PlaneMath<D>::XYZ(p.r[i], p.g[i], p.b[i], x, y, z);
        const int32_t s = x + y + z;
        p.r[i] = Fraction<D>(x, s);
        p.g[i] = Fraction<D>(y, s);
        p.b[i] = y;
    }
}

// YUV's and YIQ's Y.
template <class D> [[gnu::always_inline]] inline int32_t Luma(int32_t r, int32_t g, int32_t b)
{
    typedef PlaneMath<D> M;
    return M::Mul(r, D::kLuma.r) + M::Mul(g, D::kLuma.g) + M::Mul(b, D::kLuma.b);
}

template <class D> [[gnu::always_inline]] inline void PlanesYUV(Planes& p, int n)
{
    typedef PlaneMath<D> M;
    for (int i = 0; i < n; ++i)
    {
        const int32_t r = p.r[i], g = p.g[i], b = p.b[i];
        p.r[i] = Luma<D>(r, g, b);
        p.g[i] = M::Mul(b, D::kU.b) + D::kMiddle - (M::Mul(r, D::kU.r) + M::Mul(g, D::kU.g));
        p.b[i] = M::Mul(r, D::kV.r) - M::Mul(g, D::kV.g) - M::Mul(b, D::kV.b) + D::kMiddle;
    }
}

template <class D> [[gnu::always_inline]] inline void PlanesYIQ(Planes& p, int n)
{
    typedef PlaneMath<D> M;
    for (int i = 0; i < n; ++i)
    {
        const int32_t r = p.r[i], g = p.g[i], b = p.b[i];
        p.r[i] = Luma<D>(r, g, b);
        p.g[i] = M::Mul(r, D::kI.r) - M::Mul(g, D::kI.g) - M::Mul(b, D::kI.b) + D::kMiddle;
        p.b[i] = M::Mul(r, D::kQ.r) - M::Mul(g, D::kQ.g) + M::Mul(b, D::kQ.b) + D::kMiddle;
    }
}

template <class D> [[gnu::always_inline]] inline void PlanesCMY(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        p.r[i] = D::kFull - p.r[i];
        p.g[i] = D::kFull - p.g[i];
        p.b[i] = D::kFull - p.b[i];
    }
}

template <class D> [[gnu::always_inline]] inline void PlanesCMYK(Planes& p, int n)
{
    constexpr int32_t full = D::kFull;
    for (int i = 0; i < n; ++i)
    {
        // Premultiplied by alpha, so a transparent pixel counts as black.
        const int32_t a = p.a[i];
        auto pre = [a](int32_t c) {
            const int32_t product = PlaneMath<D>::Premultiply(a, c);
            return c == full ? a : a == full ? c : product;
        };
        const int32_t cy = full - pre(p.r[i]), ma = full - pre(p.g[i]), ye = full - pre(p.b[i]);
        const int32_t k = std::min(cy, std::min(ma, ye));
        const int32_t d = k == full ? 1 : full - k;
        p.r[i] = Fraction<D>(cy - k, d);
        p.g[i] = Fraction<D>(ma - k, d);
        p.b[i] = Fraction<D>(ye - k, d);
        p.a[i] = k;
    }
}

template <class D> [[gnu::always_inline]] inline void PlanesHSV(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const int32_t r = p.r[i], g = p.g[i], b = p.b[i];
        const int32_t value = std::max(r, std::max(g, b));
        const int32_t delta = value - std::min(r, std::min(g, b));
        const int32_t saturation = Fraction<D>(delta, value) * (value != 0);
        const int32_t hue = Hue<D>(r, g, b, value, delta, D::kHSVGreen, D::kHSVBlue, D::kFull);
        p.r[i] = saturation == 0 ? 0 : hue;
        p.g[i] = saturation;
        p.b[i] = value;
    }
}

template <class D> [[gnu::always_inline]] inline void PlanesHLS(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const int32_t r = p.r[i], g = p.g[i], b = p.b[i];
        const int32_t largest = std::max(r, std::max(g, b));
        const int32_t smallest = std::min(r, std::min(g, b));
        const int32_t delta = largest - smallest;
        const int32_t sum = smallest + largest;
        const int32_t lightness = sum >> 1;
        const int32_t denominator = lightness < D::kHLSUpperHalf ? sum : 2 * D::kFull - sum;
        const int32_t hue = Hue<D>(r, g, b, largest, delta, D::kHLSGreen, D::kHLSBlue, 0);
        const int32_t saturation = Fraction<D>(delta, denominator);
        // Greys have neither hue nor saturation.
        p.r[i] = delta == 0 ? 0 : hue;
        p.g[i] = lightness;
        p.b[i] = delta == 0 ? 0 : saturation;
    }
}

// Luv's L*, u and v once XYZ is in the planes, with L* as a value (lum) and
// as a component (lightness) gathered beside them.
template <class D>
[[gnu::always_inline]] inline void PlanesLuvUV(Planes& p, const double* lum, const int32_t* lightness, int n)
{
    constexpr double full = D::kFull;
    for (int i = 0; i < n; ++i)
    {
        double u, v;
        zelColorFormulas::LuvUV(p.r[i] / full, p.g[i] / full, p.b[i] / full, lum[i], u, v);
        p.r[i] = lightness[i];
        p.g[i] = zelColorFormulas::StoreUnit(u, D::kFull);
        p.b[i] = zelColorFormulas::StoreUnit(v, D::kFull);
    }
}

// Converts n pixels of the planes in place into a model whose arithmetic is
// the same at both depths (Lab and Luv start with its XYZ); others leave them.
template <class D> [[gnu::always_inline]] inline void ConvertShared(short model, Planes& p, int n)
{
    switch (model)
    {
    case kModelHLS: PlanesHLS<D>(p, n); break;
    case kModelHSV: PlanesHSV<D>(p, n); break;
    case kModelCMY: PlanesCMY<D>(p, n); break;
    case kModelCMYK: PlanesCMYK<D>(p, n); break;
    case kModelXYZ: PlanesXYZ<D>(p, n); break;
    case kModelxyY: PlanesxyY<D>(p, n); break;
    case kModelYUV: PlanesYUV<D>(p, n); break;
    case kModelYIQ: PlanesYIQ<D>(p, n); break;
    default: break;
    }
}
} // namespace zelSampleKernelDetail
} // namespace zelTonescope
