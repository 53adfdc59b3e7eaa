// Table-driven value noise: three shuffled permutation tables pick an entry
// of a density table for each lattice cell. The density decides how much of
// the value range is "on", the octaves how many samples the fractal
// samplers sum.
#pragma once

#include "base/yExport.h"

#include <cstdint>

namespace yNoise
{
class Y_EXPORT Noise
{
public:
    static constexpr int kTableSize = 1025;

    Noise() = default;

    void SetSeed(int32_t seed) { m_seed = seed; }
    // 0 all off, 1 the lattice index itself, 2 (and above) all on.
    void SetDensity(float density) { m_densityShare = density; }
    void SetOctaves(int16_t octaves) { m_octaves = octaves; }
    void SetOctaveOffset(int32_t offset) { m_octaveOffset = offset; }
    void SetOctaveScale(float scale) { m_octaveScale = scale; }
    void SetGamma(float gamma) { m_gamma = gamma; }

    // Shuffles the permutation tables from the seed and builds the density table.
    void BuildTable();
    void BuildDensityTable();

    // The value of the lattice cell holding (x, y).
    unsigned char SamplePoint(float x, float y) const;
    unsigned char SamplePointX(float x, long const& y) const;
    // The same on a lattice of the given cell size.
    unsigned char SamplePoint(float x, float y, float const& scaleX, float const& scaleY) const;
    unsigned char SamplePointX(float x, float y, float const& scale) const;
    // Blends neighbouring cells by the position within the cell.
    unsigned char SampleBilinear(float x, float y, float const& scaleX, float const& scaleY) const;
    unsigned char SampleBilinearX(float x, float y, float const& scale) const;
    // The mean of the octaves' samples, each octave moved by the octave offset
    // and scaled by the octave scale.
    unsigned char SamplePointFractal(float x, float y, float scaleX, float scaleY) const;
    unsigned char SampleSmoothFractal(float x, float y, float scaleX, float scaleY) const;

private:
    // value = 255 * (value / 255) ^ gamma.
    void ApplyGamma(unsigned char& value) const;
    unsigned char Lookup(int ix, int iy) const;
    unsigned char BilinearRow(double u, double v) const;
    template <class Sampler> unsigned char Fractal(float x, float y, float sx, float sy, Sampler sample) const;

    int32_t m_table1[kTableSize] = {};
    int32_t m_table2[kTableSize] = {};
    int32_t m_table3[kTableSize] = {};
    int32_t m_densityTable[kTableSize] = {};
    int32_t m_seed = 1234;
    float m_densityShare = 1.0f;
    int16_t m_octaves = 4;
    // Not meaningful until set; neutral values keep the samplers defined.
    int32_t m_octaveOffset = 0;
    float m_octaveScale = 1.0f;
    float m_gamma = 1.0f;
};
} // namespace yNoise
