#include "base/yNoise.h"

#include "base/yNoiseRandom.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace yNoise
{
namespace
{
constexpr int kLattice = 1024;

// floor(v) modulo 1024 as the low ten bits of a two's-complement integer,
// defined for every float (not-a-number and infinities give cell 0).
int Cell(double v)
{
    const double f = std::floor(v);
    if (!std::isfinite(f))
        return 0;
    const double m = std::fmod(f, double(kLattice));
    return int(m < 0 ? m + kLattice : m);
}

double Fraction(double v)
{
    const double f = v - std::floor(v);
    return std::isfinite(f) ? f : 0.0;
}

unsigned char Blend(unsigned char a, unsigned char b, double t)
{
    return (unsigned char)std::lround(a + (b - a) * t);
}
} // namespace

void Noise::BuildTable()
{
    yNoiseRandom random{uint32_t(m_seed)};
    BuildDensityTable();
    int32_t* const tables[] = {m_table1, m_table2, m_table3};
    for (int32_t* t : tables)
        for (int i = 0; i < kTableSize; ++i)
            t[i] = i;
    // The last entry is never moved.
    for (int i = 0; i < kLattice - 1; ++i)
        for (int32_t* t : tables)
            std::swap(t[i], t[i + random.Next() % (kLattice - i)]);
}

void Noise::BuildDensityTable()
{
    std::fill(std::begin(m_densityTable), std::end(m_densityTable), 0);
    const float d = m_densityShare;
    // Not-a-number counts as nothing on; more than 2 as everything on.
    if (!(d > 0.0f))
        return;
    if (d == 1.0f)
    {
        for (int i = 0; i < kTableSize; ++i)
            m_densityTable[i] = i;
        return;
    }
    if (d >= 2.0f)
    {
        std::fill(std::begin(m_densityTable), std::end(m_densityTable), 255);
        return;
    }
    if (d < 1.0f)
    {
        // The top values stay on, thinning out by 1/d per step down.
        float v = 255.0f;
        for (int i = 255; i >= 0 && v >= 0.0f; --i, v -= 1.0f / d)
            m_densityTable[i] = int32_t(v);
    }
    else
    {
        // A ramp from (d - 1) * 255 up to 255 at entry 255.
        const double start = (double(d) - 1.0) * 255.0;
        for (int i = 0; i < 256; ++i)
            m_densityTable[i] = int32_t(start + (255.0 - start) * i / 255.0);
    }
    for (int i = 256; i < kTableSize; ++i)
        m_densityTable[i] = m_densityTable[i % 256];
}

unsigned char Noise::Lookup(int ix, int iy) const
{
    return (unsigned char)(m_densityTable[m_table1[(m_table2[ix] + m_table3[iy]) / 2]] & 0xFF);
}

unsigned char Noise::BilinearRow(double u, double v) const
{
    return Blend(Lookup(Cell(u), Cell(v)), Lookup(Cell(u + 1.0), Cell(v)), Fraction(u));
}

unsigned char Noise::SamplePoint(float x, float y) const
{
    return Lookup(Cell(x), Cell(y));
}

unsigned char Noise::SamplePointX(float x, long const& y) const
{
    return Lookup(Cell(x), int((unsigned long)y % kLattice));
}

unsigned char Noise::SamplePoint(float x, float y, float const& scaleX, float const& scaleY) const
{
    return Lookup(Cell(double(x) / scaleX), Cell(double(y) / scaleY));
}

unsigned char Noise::SamplePointX(float x, float y, float const& scale) const
{
    return SamplePoint(x, y, scale, scale);
}

unsigned char Noise::SampleBilinearX(float x, float y, float const& scale) const
{
    return BilinearRow(double(x) / scale, double(y) / scale);
}

unsigned char Noise::SampleBilinear(float x, float y, float const& scaleX, float const& scaleY) const
{
    // Blends the row of (x, y) with the next row down.
    const double u = double(x) / scaleX, v = double(y) / scaleY;
    return Blend(BilinearRow(u, v), BilinearRow(u, v + 1.0), Fraction(v));
}

template <class Sampler>
unsigned char Noise::Fractal(float x, float y, float sx, float sy, Sampler sample) const
{
    int sum = sample(x, y, sx, sy);
    sx *= m_octaves;
    sy *= m_octaves;
    // Octave k is moved by the offset times k factorial; the product wraps.
    uint32_t offset = uint32_t(m_octaveOffset);
    for (int k = 1; k < m_octaves; ++k)
    {
        offset *= uint32_t(k);
        sx *= m_octaveScale;
        sy *= m_octaveScale;
        const float shift = float(int32_t(offset));
        sum += sample(x + shift, y + shift, sx, sy);
    }
    return (unsigned char)(m_octaves >= 2 ? sum / m_octaves : sum);
}

unsigned char Noise::SamplePointFractal(float x, float y, float scaleX, float scaleY) const
{
    return Fractal(x, y, scaleX, scaleY, [this](float px, float py, float sx, float sy) {
        return SamplePoint(px, py, sx, sy);
    });
}

unsigned char Noise::SampleSmoothFractal(float x, float y, float scaleX, float scaleY) const
{
    return Fractal(x, y, scaleX, scaleY, [this](float px, float py, float sx, float sy) {
        return SampleBilinear(px, py, sx, sy);
    });
}

void Noise::ApplyGamma(unsigned char& value) const
{
    const double v = 255.0 * std::pow(value / 255.0, double(m_gamma));
    value = (unsigned char)std::clamp(v, 0.0, 255.0);
}
} // namespace yNoise
