// Gradient noise after Perlin's reference implementation, with octaves. The
// tables are built from the seed on the first sample.
#pragma once

#include "base/yExport.h"

class Y_EXPORT yPerlinNoise
{
public:
    yPerlinNoise(int octaves, float frequency, float amplitude, int seed);

    // The lattice gradient at x (no interpolation).
    float Noise(float const& x);
    // The first component of the lattice gradient at (x, y) (no interpolation).
    float Noise(float const& x, float const& y);
    // Interpolated three-dimensional gradient noise.
    float Noise(float const& x, float const& y, float const& z);
    // Scales x and y by the frequency in place, then sums the octaves, each at
    // twice the coordinates and half the amplitude of the one before.
    float PerlinNoise(float& x, float& y);

private:
    static constexpr int B = 256;

    void BuildAllTables();
    void EnsureTables();
    static void Normalize(float& x, float& y);
    static void Normalize(float& x, float& y, float& z);

    bool m_start = true; // tables not built yet
    int m_octaves;
    float m_frequency;
    float m_amplitude;
    int m_seed;
    int m_p[B + B + 2] = {};
    float m_g3[B + B + 2][3] = {};
    float m_g2[B + B + 2][2] = {};
    float m_g1[B + B + 2] = {};
};
