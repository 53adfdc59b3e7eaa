// The row kernel's 8-bit conversions: chunks of pixels held as 32-bit words
// (alpha in the low byte, then red, green, blue), converted plane by plane.
#include "effect/color/zelColorFormulas.h"
#include "effect/color/zelColorModel.h"
#include "effect/color/zelSampleKernelPlanes.h"
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

// The plane loops, compiled for every vector width.
Y_PLANE_LOOP void SharedPlanes(short model, Planes& p, int n)
{
    ConvertShared<zelDepth8>(model, p, n);
}

Y_PLANE_LOOP void LuvPlanes(Planes& p, const double* lum, const int32_t* lightness, int n)
{
    PlanesLuvUV<zelDepth8>(p, lum, lightness, n);
}

#undef Y_PLANE_LOOP

template <short Model> void ViaPlanes(Tables const&, const uint32_t* in, uint32_t* out, int n)
{
    Planes p;
    Split(in, n, p);
    SharedPlanes(Model, p, n);
    Join(p, n, out);
}

// The words need no split: the complements are the colour bytes flipped.
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
    SharedPlanes(kModelXYZ, p, n);
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
    SharedPlanes(kModelXYZ, p, n);
    double lum[kChunk];
    int32_t lightness[kChunk];
    for (int i = 0; i < n; ++i)
    {
        lum[i] = t.lum8[p.g[i]];
        lightness[i] = t.lightness8[p.g[i]];
    }
    LuvPlanes(p, lum, lightness, n);
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
        return ViaPlanes<kModelHLS>;
    case kModelHSV:
        return ViaPlanes<kModelHSV>;
    case kModelCMY:
        return ConvertCMY;
    case kModelCMYK:
        return ViaPlanes<kModelCMYK>;
    case kModelXYZ:
        return ViaPlanes<kModelXYZ>;
    case kModelxyY:
        return ViaPlanes<kModelxyY>;
    case kModelYUV:
        return ViaPlanes<kModelYUV>;
    case kModelYIQ:
        return ViaPlanes<kModelYIQ>;
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
