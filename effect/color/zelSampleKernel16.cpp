// The row kernel's 16-bit conversions, plane by plane.
#include "effect/color/zelColorFormulas.h"
#include "effect/color/zelColorModel.h"
#include "effect/color/zelSampleKernelPlanes.h"
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

// The plane loops, compiled for every vector width.
Y_PLANE_LOOP void SharedPlanes(short model, Planes& p, int n)
{
    ConvertShared<zelDepth16>(model, p, n);
}

Y_PLANE_LOOP void LuvPlanes(Planes& p, const double* lum, const int32_t* lightness, int n)
{
    PlanesLuvUV<zelDepth16>(p, lum, lightness, n);
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

void PlanesLab(Tables const& t, Planes& p, int n)
{
    SharedPlanes(kModelXYZ, p, n);
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
    SharedPlanes(kModelXYZ, p, n);
    Gathered g;
    for (int i = 0; i < n; ++i)
    {
        g.y[i] = t.lum16[p.g[i]];
        g.lightness[i] = t.lightness16[p.g[i]];
    }
    LuvPlanes(p, g.y, g.lightness, n);
}

#undef Y_PLANE_LOOP
} // namespace
} // namespace deep

void ConvertPlanes16(Tables const& t, short model, Planes& p, int n)
{
    if (model == kModelLab)
        PlanesLab(t, p, n);
    else if (model == kModelLuv)
        PlanesLuv(t, p, n);
    else
        SharedPlanes(model, p, n);
}
} // namespace zelSampleKernelDetail
} // namespace zelTonescope
