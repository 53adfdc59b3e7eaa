// What the row kernel precomputes for one model, and the per-model chunk
// converters that use it. Internal to the colour core.
#pragma once

#include "base/yVectorClones.h"
#include "effect/color/zelSampleKernel.h"

#include <cstdint>
#include <vector>

namespace zelTonescope
{
namespace zelSampleKernelDetail
{
typedef void (*Convert8)(zelSampleKernel::Tables const& t, const uint32_t* in, uint32_t* out, int n);
}

struct zelSampleKernel::Tables
{
    // The 8-bit model's chunk converter; null for RGB.
    zelSampleKernelDetail::Convert8 convert8 = nullptr;

    // Lab and Luv at 8 bits: L from Y, Lab's a from (X, Y) and b from (Y, Z),
    // and L* for Luv.
    uint8_t lightness8[256];
    std::vector<uint8_t> labA8, labB8;
    double lum8[256];
    // Lab and Luv at 16 bits, by component value 0..32768.
    std::vector<double> curveX16, curveY16, curveZ16, lum16;
    std::vector<uint16_t> lightness16;
};

namespace zelSampleKernelDetail
{
// Pixels converted per pass: small enough to stay in the first-level cache.
constexpr int kChunk = 256;

// A chunk of pixels, one plane per component. After a conversion r, g, b
// hold channels A, B, C and a holds D, to be stored in the component type.
struct Planes
{
    int32_t r[kChunk], g[kChunk], b[kChunk], a[kChunk];
};

// The plane loops convert without branches, so that the compiler vectorises
// them at whatever width the processor offers (zelSampleKernelPlanes.h).
#define Y_PLANE_LOOP Y_VECTOR_CLONES

// Converts n pixels of the planes in place; RGB and unknown models leave them.
void ConvertPlanes16(zelSampleKernel::Tables const& t, short model, Planes& p, int n);

// Fills what the model needs at 8 bits and returns its converter (null for RGB).
Convert8 Prepare8(zelSampleKernel::Tables& t, short model);
// Fills what the model needs at 16 bits.
void Prepare16(zelSampleKernel::Tables& t, short model);
} // namespace zelSampleKernelDetail
} // namespace zelTonescope
