// The row kernel's 8-bit conversions: whole chunks of pixels held as 32-bit
// words (alpha in the low byte, then red, green, blue).
#include "effect/color/zelColorFormulas.h"
#include "effect/color/zelColorModel.h"
#include "effect/color/zelSampleKernelTables.h"

#include <cstdlib>

namespace zelTonescope
{
namespace zelSampleKernelDetail
{
namespace
{
using namespace zelColorFormulas;
typedef zelSampleKernel::Tables Tables;

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixels are read as little-endian words");

inline uint32_t Alpha(uint32_t w) { return w & 255; }
inline uint32_t Red(uint32_t w) { return (w >> 8) & 255; }
inline uint32_t Green(uint32_t w) { return (w >> 16) & 255; }
inline uint32_t Blue(uint32_t w) { return w >> 24; }
inline uint32_t Pack(uint32_t d, uint32_t a, uint32_t b, uint32_t c) { return d | a << 8 | b << 16 | c << 24; }

inline uint64_t Sums(Tables const& t, uint32_t w)
{
    return t.sums[0][Red(w)] + t.sums[1][Green(w)] + t.sums[2][Blue(w)];
}

inline uint32_t Field(uint64_t s, int f)
{
    return static_cast<uint32_t>(s >> (kFieldBits * f)) & kFieldMask;
}

// n / d truncated, for n below 2^16 and 0 < d < 2048.
inline uint32_t Divide(Tables const& t, uint32_t n, uint32_t d)
{
    return static_cast<uint32_t>((uint64_t(n) * t.reciprocal[d]) >> 32);
}

// Coefficients k of the three sums, field by field and channel by channel:
// each adds Mul8(channel, |k|) with the sign of k; then a constant per field.
struct Linear
{
    int k[3][3];
    int constant[3];
};

constexpr Linear kXYZ = {{{111, 88, 46}, {57, 181, 19}, {6, 34, 241}}, {0, 0, 0}};
constexpr Linear kYUV = {{{77, 151, 30}, {-44, -85, 128}, {128, -108, -21}}, {0, 127, 127}};
constexpr Linear kYIQ = {{{77, 151, 30}, {153, -71, -83}, {55, -134, 80}}, {0, 127, 127}};

void BuildSums(Tables& t, Linear const& m)
{
    for (int ch = 0; ch < 3; ++ch)
        for (int v = 0; v < 256; ++v)
        {
            int64_t entry = 0;
            for (int f = 0; f < 3; ++f)
            {
                const int k = m.k[f][ch];
                int64_t part = k < 0 ? -Mul8(v, -k) : Mul8(v, k);
                if (ch == 0)
                    part += kFieldBias + m.constant[f];
                entry += part * (int64_t(1) << (kFieldBits * f));
            }
            t.sums[ch][v] = static_cast<uint64_t>(entry);
        }
}

void XYZ(Tables const& t, uint32_t w, uint32_t& x, uint32_t& y, uint32_t& z)
{
    const uint64_t s = Sums(t, w);
    x = Field(s, 0) - kFieldBias;
    y = Field(s, 1) - kFieldBias;
    z = std::min<uint32_t>(Field(s, 2) - kFieldBias, kFull8);
}

void ConvertXYZ(Tables const& t, const uint32_t* in, uint32_t* out, int n)
{
    for (int i = 0; i < n; ++i)
    {
        uint32_t x, y, z;
        XYZ(t, in[i], x, y, z);
        out[i] = Pack(Alpha(in[i]), x, y, z);
    }
}

// Y'UV and Y'IQ: sums that wrap round the byte.
void ConvertWrapped(Tables const& t, const uint32_t* in, uint32_t* out, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const uint64_t s = Sums(t, in[i]);
        out[i] = Pack(Alpha(in[i]), Field(s, 0) & 255, Field(s, 1) & 255, Field(s, 2) & 255);
    }
}

void ConvertxyY(Tables const& t, const uint32_t* in, uint32_t* out, int n)
{
    for (int i = 0; i < n; ++i)
    {
        uint32_t x, y, z;
        XYZ(t, in[i], x, y, z);
        const uint32_t s = x + y + z;
        const uint32_t cx = x >= s ? 255 : Divide(t, x << 8, s);
        const uint32_t cy = y >= s ? 255 : Divide(t, y << 8, s);
        out[i] = Pack(Alpha(in[i]), cx, cy, y);
    }
}

void ConvertCMY(Tables const&, const uint32_t* in, uint32_t* out, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = in[i] ^ 0xFFFFFF00u;
}

// Random pixels make every branch a coin toss, so the loops below choose by
// arithmetic: a comparison's 0 or 1 multiplies the alternative it stands for.
void ConvertCMYK(Tables const& t, const uint32_t* in, uint32_t* out, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const uint32_t w = in[i];
        const uint32_t a = Alpha(w);
        // ((a + 1)(c + 1)) >> 8 is one too many exactly when a or c is 255,
        // where the product is the other factor.
        auto pre = [a](uint32_t c) { return (((a + 1) * (c + 1)) >> 8) - (a == 255 || c == 255); };
        const uint32_t cy = 255 - pre(Red(w)), ma = 255 - pre(Green(w)), ye = 255 - pre(Blue(w));
        const uint32_t k = std::min(cy, std::min(ma, ye));
        const uint32_t d = 255 - k + (k == 255);
        // v never exceeds d, and v = d gives 256 here, hence the cap.
        auto frac = [&t, d](uint32_t v) { return std::min<uint32_t>(Divide(t, v << 8, d), 255); };
        out[i] = Pack(k, frac(cy - k), frac(ma - k), frac(ye - k));
    }
}

// The hue of the hue models, which differ only in what red with green equal
// to blue gives (0 for HLS, 255 for HSV). Red wins a tie for the largest,
// then green.
inline uint32_t Hue(Tables const& t, int r, int g, int b, int largest, int delta, int redFlat)
{
    const int isRed = r == largest;
    const int isGreen = !isRed & (g == largest);
    const int isBlue = !isRed & !isGreen;
    const int x = isRed * (g - b) + isGreen * (b - r) + isBlue * (r - g);
    const int base = isGreen * 85 + isBlue * 170;
    const int below = base + isRed * 255;
    const int flat = base + isRed * redFlat;
    const int ratio = static_cast<int>(Divide(t, static_cast<uint32_t>(std::abs(x)) << 8, 6 * delta));
    const int hue = flat + (x > 0) * (base + ratio - flat) + (x < 0) * (below - ratio - flat);
    return static_cast<uint32_t>(hue) & 255;
}

void ConvertHSV(Tables const& t, const uint32_t* in, uint32_t* out, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const uint32_t w = in[i];
        const int r = Red(w), g = Green(w), b = Blue(w);
        const int value = std::max(r, std::max(g, b));
        const int delta = value - std::min(r, std::min(g, b));
        // Black divides by the zero reciprocal and so gets no saturation.
        const uint32_t saturation = std::min<uint32_t>(Divide(t, delta << 8, value), 255);
        const uint32_t hue = (saturation != 0) * Hue(t, r, g, b, value, delta, 255);
        out[i] = Pack(Alpha(w), hue, saturation, value);
    }
}

void ConvertHLS(Tables const& t, const uint32_t* in, uint32_t* out, int n)
{
    for (int i = 0; i < n; ++i)
    {
        const uint32_t w = in[i];
        const int r = Red(w), g = Green(w), b = Blue(w);
        const int largest = std::max(r, std::max(g, b));
        const int smallest = std::min(r, std::min(g, b));
        const int delta = largest - smallest;
        const int sum = smallest + largest;
        const int lightness = sum >> 1;
        const int denominator = lightness < 128 ? sum : 510 - sum;
        const uint32_t coloured = delta != 0; // greys have neither hue nor saturation
        const uint32_t hue = coloured * Hue(t, r, g, b, largest, delta, 0);
        const uint32_t saturation = coloured * std::min<uint32_t>(Divide(t, delta << 8, denominator), 255);
        out[i] = Pack(Alpha(w), hue, lightness, saturation);
    }
}

void ConvertLab(Tables const& t, const uint32_t* in, uint32_t* out, int n)
{
    for (int i = 0; i < n; ++i)
    {
        uint32_t x, y, z;
        XYZ(t, in[i], x, y, z);
        out[i] = Pack(Alpha(in[i]), t.lightness8[y], t.labA8[x << 8 | y], t.labB8[y << 8 | z]);
    }
}

// Luv's u and v for a chunk: plain arithmetic on arrays, which the compiler
// vectorises, at whatever width the processor offers.
// (The arrays are not const: the compiler cannot see that the caller filled
// the first n, and would warn.)
__attribute__((target_clones("avx512f", "avx2", "default"))) void LuvChunk(double* x, double* y, double* z,
                                                                            double* l, uint32_t* uv, int n, int full)
{
    for (int i = 0; i < n; ++i)
    {
        double u, v;
        LuvUV(x[i], y[i], z[i], l[i], u, v);
        uv[i] = static_cast<uint32_t>(StoreUnit(u, full)) | static_cast<uint32_t>(StoreUnit(v, full)) << 16;
    }
}

void ConvertLuv(Tables const& t, const uint32_t* in, uint32_t* out, int n)
{
    double x[kChunk8], y[kChunk8], z[kChunk8], l[kChunk8];
    uint32_t uv[kChunk8], lightness[kChunk8];
    for (int i = 0; i < n; ++i)
    {
        uint32_t cx, cy, cz;
        XYZ(t, in[i], cx, cy, cz);
        x[i] = t.unit8[cx];
        y[i] = t.unit8[cy];
        z[i] = t.unit8[cz];
        l[i] = t.lum8[cy];
        lightness[i] = t.lightness8[cy];
    }
    LuvChunk(x, y, z, l, uv, n, kFull8);
    for (int i = 0; i < n; ++i)
        out[i] = Pack(Alpha(in[i]), lightness[i], uv[i] & 0xFFFF, uv[i] >> 16);
}

void BuildLabLuv8(Tables& t, bool lab)
{
    for (int v = 0; v < 256; ++v)
    {
        t.unit8[v] = v / 255.0;
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
    t.reciprocal[0] = 0;
    for (uint64_t d = 1; d < 2048; ++d)
        t.reciprocal[d] = (uint64_t(1) << 32) / d + 1;
    switch (model)
    {
    case kModelHLS:
        return ConvertHLS;
    case kModelHSV:
        return ConvertHSV;
    case kModelCMY:
        return ConvertCMY;
    case kModelCMYK:
        return ConvertCMYK;
    case kModelXYZ:
        BuildSums(t, kXYZ);
        return ConvertXYZ;
    case kModelxyY:
        BuildSums(t, kXYZ);
        return ConvertxyY;
    case kModelYUV:
        BuildSums(t, kYUV);
        return ConvertWrapped;
    case kModelYIQ:
        BuildSums(t, kYIQ);
        return ConvertWrapped;
    case kModelLab:
        BuildSums(t, kXYZ);
        BuildLabLuv8(t, true);
        return ConvertLab;
    case kModelLuv:
        BuildSums(t, kXYZ);
        BuildLabLuv8(t, false);
        return ConvertLuv;
    default:
        return nullptr;
    }
}
} // namespace zelSampleKernelDetail
} // namespace zelTonescope
