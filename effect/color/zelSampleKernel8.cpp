// The row kernel's 8-bit conversions: chunks of pixels held as 32-bit words
// (alpha in the low byte, then red, green, blue), converted plane by plane.
#include "effect/color/zelColorFormulas.h"
#include "effect/color/zelColorModel.h"
#include "effect/color/zelSampleKernelTables.h"

namespace zelTonescope
{
namespace zelSampleKernelDetail
{
namespace
{
using namespace zelColorFormulas;
typedef zelSampleKernel::Tables Tables;

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixels are read as little-endian words");

void Split(const uint32_t* in, int n, Planes& p)
{
    for (int i = 0; i < n; ++i)
    {
        p.a[i] = in[i] & 255;
        p.r[i] = (in[i] >> 8) & 255;
        p.g[i] = (in[i] >> 16) & 255;
        p.b[i] = in[i] >> 24;
    }
}

// Components are stored as bytes: sums past the range wrap round.
void Join(Planes const& p, int n, uint32_t* out)
{
    for (int i = 0; i < n; ++i)
        out[i] = uint32_t(p.a[i] & 255) | uint32_t(p.r[i] & 255) << 8 | uint32_t(p.g[i] & 255) << 16 |
                 uint32_t(p.b[i] & 255) << 24;
}

// Mul8 for bytes without branches: 0 scales to 0 by itself (k < 256), and
// 255 scales to one too many.
inline int32_t M8(int32_t v, int32_t k)
{
    return (((v + 1) * k) >> 8) - (v >= 255);
}

// n / d truncated, through float division: with n and d below 2^24 the
// rounding error of n / d, at most (n / d) 2^-24, stays below 1 / d, the
// least distance from a non-integer quotient to the next integer. Floats
// divide twice as many at once as doubles.
inline int32_t Quotient8(int32_t n, int32_t d)
{
    return static_cast<int32_t>(static_cast<float>(n) / static_cast<float>(d));
}

// Frac8(n, d) for 0 <= n <= d: n = d gives 256 before the cap, and d = 0
// (so n = 0) counts as 1/1. Every part is computed whatever the outcome, so
// that the compiler keeps the loops free of branches.
inline int32_t Fraction(int32_t n, int32_t d)
{
    const int32_t none = d <= 0;
    return std::min(Quotient8((none ? 1 : n) << 8, none ? 1 : d), 255);
}

inline void XYZ(int32_t r, int32_t g, int32_t b, int32_t& x, int32_t& y, int32_t& z)
{
    x = M8(r, 111) + M8(g, 88) + M8(b, 46);
    y = M8(r, 57) + M8(g, 181) + M8(b, 19);
    z = std::min(M8(r, 6) + M8(g, 34) + M8(b, 241), kFull8);
}

// The hue of both hue models. Red wins a tie for the largest, then green;
// they differ only in what red with green equal to blue gives (redFlat).
inline int32_t Hue(int32_t r, int32_t g, int32_t b, int32_t largest, int32_t delta, int32_t redFlat)
{
    const int32_t isRed = r == largest;
    const int32_t isGreen = !isRed & (g == largest);
    const int32_t x = isRed ? g - b : isGreen ? b - r : r - g;
    const int32_t base = isRed ? 0 : isGreen ? 85 : 170;
    const int32_t below = isRed ? 255 : base;
    const int32_t flat = isRed ? redFlat : base;
    const int32_t six = 6 * delta;
    const int32_t step = Quotient8((x < 0 ? -x : x) << 8, six > 0 ? six : 1);
    const int32_t hue = x > 0 ? base + step : x < 0 ? below - step : flat;
    return hue & 255;
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
        p.r[i] = M8(r, 77) + M8(g, 151) + M8(b, 30);
        p.g[i] = M8(b, 128) + 127 - (M8(r, 44) + M8(g, 85));
        p.b[i] = M8(r, 128) - M8(g, 108) - M8(b, 21) + 127;
    }
}

Y_PLANE_LOOP void PlanesYIQ(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const int32_t r = p.r[i], g = p.g[i], b = p.b[i];
        p.r[i] = M8(r, 77) + M8(g, 151) + M8(b, 30);
        p.g[i] = M8(r, 153) - M8(g, 71) - M8(b, 83) + 127;
        p.b[i] = M8(r, 55) - M8(g, 134) + M8(b, 80) + 127;
    }
}

Y_PLANE_LOOP void PlanesCMYK(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        // Premultiplied by alpha, so a transparent pixel counts as black.
        const int32_t a = p.a[i];
        auto pre = [a](int32_t c) {
            const int32_t product = ((a + 1) * (c + 1)) >> 8;
            return c == 255 ? a : a == 255 ? c : product;
        };
        const int32_t cy = 255 - pre(p.r[i]), ma = 255 - pre(p.g[i]), ye = 255 - pre(p.b[i]);
        const int32_t k = std::min(cy, std::min(ma, ye));
        const int32_t d = k == 255 ? 1 : 255 - k;
        p.r[i] = Fraction(cy - k, d);
        p.g[i] = Fraction(ma - k, d);
        p.b[i] = Fraction(ye - k, d);
        p.a[i] = k;
    }
}

Y_PLANE_LOOP void PlanesHSV(Planes& p, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const int32_t r = p.r[i], g = p.g[i], b = p.b[i];
        const int32_t value = std::max(r, std::max(g, b));
        const int32_t delta = value - std::min(r, std::min(g, b));
        const int32_t saturation = Fraction(delta, value) * (value != 0);
        const int32_t hue = Hue(r, g, b, value, delta, 255);
        p.r[i] = saturation == 0 ? 0 : hue;
        p.g[i] = saturation;
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
        const int32_t sum = smallest + largest;
        const int32_t lightness = sum >> 1;
        const int32_t denominator = lightness < 128 ? sum : 510 - sum;
        const int32_t hue = Hue(r, g, b, largest, delta, 0);
        const int32_t saturation = Fraction(delta, denominator);
        // Greys have neither hue nor saturation.
        p.r[i] = delta == 0 ? 0 : hue;
        p.g[i] = lightness;
        p.b[i] = delta == 0 ? 0 : saturation;
    }
}

// Luv's u and v once XYZ is in the planes and L* gathered beside them.
Y_PLANE_LOOP void PlanesLuvUV(Planes& p, const double* lum, int n)
{
    for (int i = 0; i < n; ++i)
    {
        double u, v;
        LuvUV(p.r[i] / 255.0, p.g[i] / 255.0, p.b[i] / 255.0, lum[i], u, v);
        p.g[i] = StoreUnit(u, kFull8);
        p.b[i] = StoreUnit(v, kFull8);
    }
}

#undef Y_PLANE_LOOP

template <void (*Loop)(Planes&, int)> void ViaPlanes(Tables const&, const uint32_t* in, uint32_t* out, int n)
{
    Planes p;
    Split(in, n, p);
    Loop(p, n);
    Join(p, n, out);
}

void ConvertCMY(Tables const&, const uint32_t* in, uint32_t* out, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = in[i] ^ 0xFFFFFF00u;
}

// Lab's channels each depend on one or two XYZ components: whole tables.
void ConvertLab(Tables const& t, const uint32_t* in, uint32_t* out, int n)
{
    Planes p;
    Split(in, n, p);
    PlanesXYZ(p, n);
    for (int i = 0; i < n; ++i)
    {
        const uint32_t x = p.r[i], y = p.g[i], z = p.b[i];
        out[i] = uint32_t(p.a[i]) | uint32_t(t.lightness8[y]) << 8 | uint32_t(t.labA8[x << 8 | y]) << 16 |
                 uint32_t(t.labB8[y << 8 | z]) << 24;
    }
}

// Table reads stay in a plain loop of their own; the arithmetic vectorises.
void ConvertLuv(Tables const& t, const uint32_t* in, uint32_t* out, int n)
{
    Planes p;
    Split(in, n, p);
    PlanesXYZ(p, n);
    double lum[kChunk];
    int32_t lightness[kChunk];
    for (int i = 0; i < n; ++i)
    {
        lum[i] = t.lum8[p.g[i]];
        lightness[i] = t.lightness8[p.g[i]];
    }
    PlanesLuvUV(p, lum, n);
    for (int i = 0; i < n; ++i)
        p.r[i] = lightness[i];
    Join(p, n, out);
}

void BuildLabLuv8(Tables& t, bool lab)
{
    for (int v = 0; v < 256; ++v)
    {
        t.lum8[v] = Lightness(v / 255.0);
        t.lightness8[v] = static_cast<uint8_t>(StoreUnit(t.lum8[v] / 100.0, kFull8));
    }
    if (!lab)
        return;
    double cx[256], cy[256], cz[256];
    for (int v = 0; v < 256; ++v)
    {
        cx[v] = LabCurve(v / 255.0 / kWhiteX);
        cy[v] = LabCurve(v / 255.0);
        cz[v] = LabCurve(v / 255.0 / kWhiteZ);
    }
    t.labA8.resize(65536);
    t.labB8.resize(65536);
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b)
        {
            t.labA8[a << 8 | b] = static_cast<uint8_t>(StoreUnit(LabA(cx[a], cy[b]), kFull8));
            t.labB8[a << 8 | b] = static_cast<uint8_t>(StoreUnit(LabB(cy[a], cz[b]), kFull8));
        }
}
} // namespace

Convert8 Prepare8(Tables& t, short model)
{
    switch (model)
    {
    case kModelHLS:
        return ViaPlanes<PlanesHLS>;
    case kModelHSV:
        return ViaPlanes<PlanesHSV>;
    case kModelCMY:
        return ConvertCMY;
    case kModelCMYK:
        return ViaPlanes<PlanesCMYK>;
    case kModelXYZ:
        return ViaPlanes<PlanesXYZ>;
    case kModelxyY:
        return ViaPlanes<PlanesxyY>;
    case kModelYUV:
        return ViaPlanes<PlanesYUV>;
    case kModelYIQ:
        return ViaPlanes<PlanesYIQ>;
    case kModelLab:
        BuildLabLuv8(t, true);
        return ConvertLab;
    case kModelLuv:
        BuildLabLuv8(t, false);
        return ConvertLuv;
    default:
        return nullptr;
    }
}
} // namespace zelSampleKernelDetail
} // namespace zelTonescope
