#include "base/yPerlinNoise.h"

#include "base/yNoiseRandom.h"

#include <cmath>

namespace
{
// Coordinates are moved by this much so that small negative values land on
// the same lattice as positive ones.
constexpr double kOffset = 1000.0;
constexpr int kMask = 255;

// (int)t & 255, defined for every float: the integer part's low byte.
int LowByte(double t)
{
    const double whole = std::trunc(t);
    if (!std::isfinite(whole))
        return 0;
    const double m = std::fmod(whole, 256.0);
    return int(m < 0 ? m + 256.0 : m);
}

struct Axis
{
    int b0, b1;
    float r0, r1; // distances to the two lattice points
};

Axis Setup(float v)
{
    const double t = double(v) + kOffset;
    const int b0 = LowByte(t);
    const double frac = t - std::trunc(t);
    const float r0 = std::isfinite(frac) ? float(frac) : 0.0f;
    return {b0, (b0 + 1) & kMask, r0, r0 - 1.0f};
}

float SCurve(float t)
{
    return t * t * (3.0f - 2.0f * t);
}

float Lerp(float t, float a, float b)
{
    return a + t * (b - a);
}

float Gradient(float const* q, float rx, float ry, float rz)
{
    return rx * q[0] + ry * q[1] + rz * q[2];
}
} // namespace

yPerlinNoise::yPerlinNoise(int octaves, float frequency, float amplitude, int seed)
    : m_octaves(octaves), m_frequency(frequency), m_amplitude(amplitude), m_seed(seed)
{
}

void yPerlinNoise::EnsureTables()
{
    if (m_start)
        BuildAllTables();
    m_start = false;
}

void yPerlinNoise::BuildAllTables()
{
    yNoiseRandom random{uint32_t(m_seed)};
    auto component = [&random] { return float((random.Next() & 511) - 256) / 256.0f; };
    int i = 0;
    for (; i < B; ++i)
    {
        m_p[i] = i;
        m_g1[i] = component();
        for (float& g : m_g2[i])
            g = component();
        Normalize(m_g2[i][0], m_g2[i][1]);
        for (float& g : m_g3[i])
            g = component();
        Normalize(m_g3[i][0], m_g3[i][1], m_g3[i][2]);
    }
    while (--i)
    {
        const int j = random.Next() & kMask;
        const int k = m_p[i];
        m_p[i] = m_p[j];
        m_p[j] = k;
    }
    for (i = 0; i < B + 2; ++i)
    {
        m_p[B + i] = m_p[i];
        m_g1[B + i] = m_g1[i];
        m_g2[B + i][0] = m_g2[i][0];
        m_g2[B + i][1] = m_g2[i][1];
        for (int c = 0; c < 3; ++c)
            m_g3[B + i][c] = m_g3[i][c];
    }
}

// A zero vector stays zero rather than becoming not-a-number.
void yPerlinNoise::Normalize(float& x, float& y)
{
    const float length = std::sqrt(x * x + y * y);
    if (length > 0.0f)
    {
        x /= length;
        y /= length;
    }
}

void yPerlinNoise::Normalize(float& x, float& y, float& z)
{
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length > 0.0f)
    {
        x /= length;
        y /= length;
        z /= length;
    }
}

float yPerlinNoise::Noise(float const& x)
{
    EnsureTables();
    return m_g1[LowByte(double(x) + kOffset)];
}

float yPerlinNoise::Noise(float const& x, float const& y)
{
    EnsureTables();
    const int bx = (LowByte(double(x) + kOffset) + 1) & kMask;
    const int by = (LowByte(double(y) + kOffset) + 1) & kMask;
    return m_g2[m_p[m_p[bx] + by]][0];
}

float yPerlinNoise::Noise(float const& x, float const& y, float const& z)
{
    EnsureTables();
    const Axis ax = Setup(x), ay = Setup(y), az = Setup(z);
    const int i = m_p[ax.b0], j = m_p[ax.b1];
    const int b00 = m_p[i + ay.b0], b10 = m_p[j + ay.b0];
    const int b01 = m_p[i + ay.b1], b11 = m_p[j + ay.b1];
    const float t = SCurve(ax.r0), sy = SCurve(ay.r0), sz = SCurve(az.r0);

    auto layer = [&](int bz, float rz) {
        const float a = Lerp(t, Gradient(m_g3[b00 + bz], ax.r0, ay.r0, rz), Gradient(m_g3[b10 + bz], ax.r1, ay.r0, rz));
        const float b = Lerp(t, Gradient(m_g3[b01 + bz], ax.r0, ay.r1, rz), Gradient(m_g3[b11 + bz], ax.r1, ay.r1, rz));
        return Lerp(sy, a, b);
    };
    return Lerp(sz, layer(az.b0, az.r0), layer(az.b1, az.r1));
}

float yPerlinNoise::PerlinNoise(float& x, float& y)
{
    x *= m_frequency;
    y *= m_frequency;
    float sum = 0.0f;
    float amplitude = m_amplitude;
    for (int octave = 0; octave < m_octaves; ++octave)
    {
        sum += Noise(x, y) * amplitude;
        x *= 2.0f;
        y *= 2.0f;
        amplitude *= 0.5f;
    }
    return sum;
}
