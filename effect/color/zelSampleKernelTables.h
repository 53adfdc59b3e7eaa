// What the row kernel precomputes for one model, and the per-model chunk
// converters that use it. Internal to the colour core.
#pragma once

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

    // Three linear sums of the red, green and blue bytes at once: 21-bit
    // fields at bits 0, 21 and 42, each offset by kFieldBias (plus the
    // model's constant) so that no field ever borrows from the next.
    uint64_t sums[3][256];
    // floor(2^32 / d) + 1: (n * r) >> 32 is n / d exactly for n below 2^16
    // and d below 2048 (the error, under n / 2^32, stays below 1 / d).
    uint64_t reciprocal[2048];
    // Lab and Luv at 8 bits: L from Y, Lab's a from (X, Y) and b from (Y, Z);
    // for Luv, X, Y, Z over 255 and L* by value.
    uint8_t lightness8[256];
    std::vector<uint8_t> labA8, labB8;
    double unit8[256], lum8[256];
    // Lab and Luv at 16 bits, by component value 0..32768.
    std::vector<double> curveX16, curveY16, curveZ16, lum16;
    std::vector<uint16_t> lightness16;
};

namespace zelSampleKernelDetail
{
// Pixels converted per pass: small enough to stay in the first-level cache.
constexpr int kChunk8 = 256;
constexpr int kFieldBits = 21;
constexpr uint64_t kFieldMask = (uint64_t(1) << kFieldBits) - 1;
constexpr int kFieldBias = 1024;

// A chunk of 16-bit pixels, one plane per component. After a conversion
// r, g, b hold channels A, B, C and a holds D, each to be stored as 16 bits.
constexpr int kChunk16 = 256;
struct Planes16
{
    int32_t r[kChunk16], g[kChunk16], b[kChunk16], a[kChunk16];
};

// Converts n pixels of the planes in place; RGB and unknown models leave them.
void ConvertPlanes16(zelSampleKernel::Tables const& t, short model, Planes16& p, int n);

// Fills what the model needs at 8 bits and returns its converter (null for RGB).
Convert8 Prepare8(zelSampleKernel::Tables& t, short model);
// Fills what the model needs at 16 bits.
void Prepare16(zelSampleKernel::Tables& t, short model);
} // namespace zelSampleKernelDetail
} // namespace zelTonescope
