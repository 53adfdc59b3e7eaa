#include "base/yNoise.h"
#include "base/yNoiseRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace
{
yNoise::Noise Built(float density, int32_t seed = 1234)
{
    yNoise::Noise n;
    n.SetSeed(seed), n.SetDensity(density), n.BuildTable();
    return n;
}

// Every sample of a 64 x 64 patch of cells, some of them negative.
std::vector<int> Patch(yNoise::Noise const& n)
{
    std::vector<int> values;
    for (int y = -20; y < 44; ++y)
        for (int x = -20; x < 44; ++x)
            values.push_back(n.SamplePoint(x + 0.5f, float(y)));
    return values;
}

// The tables built the plain way, and the samplers on top of them.
struct Reference
{
    std::vector<int> t[3];
    explicit Reference(uint32_t seed)
    {
        yNoiseRandom random{seed};
        for (auto& table : t)
            for (int i = 0; i <= 1024; ++i)
                table.push_back(i);
        for (int i = 0; i < 1023; ++i)
            for (auto& table : t)
                std::swap(table[i], table[i + random.Next() % (1024 - i)]);
    }
    int Point(int ix, int iy) const { return t[0][(t[1][ix & 1023] + t[2][iy & 1023]) / 2] & 255; }
    static int Blend(int a, int b, double f) { return int(std::lround(a + (b - a) * f)); }
    int Bilinear(double u, double v) const
    {
        const int x = int(std::floor(u)), y = int(std::floor(v));
        const double fx = u - x, fy = v - y;
        return Blend(Blend(Point(x, y), Point(x + 1, y), fx), Blend(Point(x, y + 1), Point(x + 1, y + 1), fx), fy);
    }
};
} // namespace

TEST(yNoiseRandom, MatchesTheClassicCLibraryGenerator)
{
    // The first values of the ANSI C sample rand() after srand(1).
    yNoiseRandom r{1};
    for (int expected : {16838, 5758, 10113, 17515, 31051})
        EXPECT_EQ(r.Next(), expected);
}

TEST(yNoise, SamplersMatchThePlainDefinition)
{
    const yNoise::Noise n = Built(1.0f, 77);
    const Reference ref(77);
    for (int y = -3; y < 40; ++y)
        for (int x = -3; x < 40; ++x)
        {
            ASSERT_EQ(n.SamplePoint(x + 0.25f, y + 0.75f), ref.Point(x, y)) << x << ", " << y;
            const float fx = x + 0.25f, fy = y + 0.625f; // exact in binary, like the scales
            ASSERT_EQ(n.SampleBilinear(fx * 4, fy * 8, 4.0f, 8.0f), ref.Bilinear(fx, fy)) << x << ", " << y;
            ASSERT_EQ(n.SampleBilinearX(fx * 4, fy * 4, 4.0f), ref.Blend(ref.Point(x, y), ref.Point(x + 1, y), 0.25))
                << x << ", " << y;
            ASSERT_EQ(n.SamplePoint(fx * 4, fy * 8, 4.0f, 8.0f), ref.Point(x, y));
            ASSERT_EQ(n.SamplePointX(fx * 4, fy * 4, 4.0f), ref.Point(x, y));
        }
    EXPECT_EQ(n.SamplePointX(5.5f, 1024 + 7), ref.Point(5, 7));
    EXPECT_EQ(n.SamplePointX(5.5f, -1), ref.Point(5, 1023));
    EXPECT_NE(Patch(Built(1.0f, 5)), Patch(Built(1.0f, 6)));
}

TEST(yNoise, Densities)
{
    struct Row { float density; int value; } const rows[] = { // every sample has the value
        {0.0f, 0}, {-3.0f, 0}, {std::numeric_limits<float>::quiet_NaN(), 0}, // all off
        {2.0f, 255}, {1e30f, 255},                                          // all on
    };
    for (Row const& r : rows)
        for (int v : Patch(Built(r.density)))
            ASSERT_EQ(v, r.value) << r.density;

    // Half density: the top values fall by 2 per entry, the lower half is off.
    const std::vector<int> halfPatch = Patch(Built(0.5f));
    const std::set<int> half(halfPatch.begin(), halfPatch.end());
    for (int v : half)
        ASSERT_TRUE(v == 0 || v % 2 == 1) << v;
    EXPECT_TRUE(half.count(0) && half.count(255) && half.count(253) && half.size() > 20u);
    // 1.5: a ramp from 127 up to 255.
    const std::vector<int> ramp = Patch(Built(1.5f));
    EXPECT_EQ(*std::min_element(ramp.begin(), ramp.end()) * 1000 + *std::max_element(ramp.begin(), ramp.end()), 127255);
}

TEST(yNoise, FractalSamplersAverageTheOctaves)
{
    yNoise::Noise n = Built(1.0f);
    n.SetOctaves(1);
    EXPECT_EQ(n.SamplePointFractal(12.0f, 30.0f, 2.0f, 3.0f), n.SamplePoint(12.0f, 30.0f, 2.0f, 3.0f));
    EXPECT_EQ(n.SampleSmoothFractal(12.5f, 30.0f, 2.0f, 3.0f), n.SampleBilinear(12.5f, 30.0f, 2.0f, 3.0f));
    // Octave k is moved by the offset times k!.
    n.SetOctaves(2), n.SetOctaveOffset(5), n.SetOctaveScale(1.0f);
    EXPECT_EQ(n.SamplePointFractal(12.0f, 30.0f, 2.0f, 3.0f),
              (n.SamplePoint(12.0f, 30.0f, 2.0f, 3.0f) + n.SamplePoint(17.0f, 35.0f, 4.0f, 6.0f)) / 2);
    n.SetOctaves(3), n.SetOctaveScale(2.0f); // the scale starts at three times, then grows by the octave scale
    EXPECT_EQ(n.SampleSmoothFractal(12.0f, 30.0f, 2.0f, 3.0f),
              (n.SampleBilinear(12.0f, 30.0f, 2.0f, 3.0f) + n.SampleBilinear(17.0f, 35.0f, 12.0f, 18.0f) +
               n.SampleBilinear(22.0f, 40.0f, 24.0f, 36.0f)) / 3);

    yNoise::Noise on = Built(2.0f);
    on.SetOctaves(7), on.SetOctaveOffset(1 << 20), on.SetOctaveScale(0.5f); // offset times 6! wraps, harmlessly
    EXPECT_TRUE(on.SamplePointFractal(1.0f, 2.0f, 3.0f, 4.0f) == 255 && on.SampleSmoothFractal(1.0f, 2.0f, 3.0f, 4.0f) == 255);
}

TEST(yNoise, AnyCoordinateIsSafe)
{
    const yNoise::Noise n = Built(1.0f);
    const float inf = std::numeric_limits<float>::infinity();
    for (float v : {inf, -inf, std::numeric_limits<float>::quiet_NaN(), 3e38f, -3e38f, -0.5f})
        n.SamplePoint(v, v), n.SamplePoint(v, 1.0f, 0.0f, v), n.SampleBilinear(v, v, v, 0.0f), n.SamplePointFractal(v, v, v, v);
    // Negative coordinates wrap like the low bits of a two's-complement cell.
    EXPECT_EQ(n.SamplePoint(-0.5f, 3.0f), n.SamplePoint(1023.5f, 3.0f));
    EXPECT_EQ(n.SamplePoint(1e9f, 3.0f), n.SamplePointX(1e9f - 1024.0f * 976562.0f, 3));
}
