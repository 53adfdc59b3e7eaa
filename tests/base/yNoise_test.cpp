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
    n.SetSeed(seed);
    n.SetDensity(density);
    n.BuildTable();
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

// The tables built the plain way, to check the shuffle order against.
struct ReferenceTables
{
    std::vector<int> t[3];
    explicit ReferenceTables(uint32_t seed)
    {
        yNoiseRandom random{seed};
        for (auto& table : t)
            for (int i = 0; i <= 1024; ++i)
                table.push_back(i);
        for (int i = 0; i < 1023; ++i)
            for (auto& table : t)
                std::swap(table[i], table[i + random.Next() % (1024 - i)]);
    }
    int Sample(int ix, int iy) const { return t[0][(t[1][ix & 1023] + t[2][iy & 1023]) / 2] & 255; }
};
} // namespace

TEST(yNoiseRandom, MatchesTheClassicCLibraryGenerator)
{
    // The first values of the ANSI C sample rand() after srand(1).
    yNoiseRandom r{1};
    for (int expected : {16838, 5758, 10113, 17515, 31051})
        EXPECT_EQ(r.Next(), expected);
}

TEST(yNoise, DensityOneSamplesTheShuffledIndex)
{
    const yNoise::Noise n = Built(1.0f, 77);
    const ReferenceTables ref(77);
    for (int y = -3; y < 40; ++y)
        for (int x = -3; x < 40; ++x)
            ASSERT_EQ(n.SamplePoint(x + 0.25f, y + 0.75f), ref.Sample(x, y)) << x << ", " << y;
    EXPECT_EQ(n.SamplePointX(5.5f, 1024 + 7), ref.Sample(5, 7));
    EXPECT_EQ(n.SamplePointX(5.5f, -1), ref.Sample(5, 1023));
}

TEST(yNoise, DensityExtremes)
{
    for (int v : Patch(Built(0.0f)))
        ASSERT_EQ(v, 0);
    for (int v : Patch(Built(-3.0f)))
        ASSERT_EQ(v, 0);
    for (int v : Patch(Built(std::numeric_limits<float>::quiet_NaN())))
        ASSERT_EQ(v, 0);
    for (int v : Patch(Built(2.0f)))
        ASSERT_EQ(v, 255);
    for (int v : Patch(Built(1e30f))) // above 2 counts as all on
        ASSERT_EQ(v, 255);
}

TEST(yNoise, PartialDensities)
{
    // Half density: the top values fall by 2 per entry, the lower half is off.
    const std::vector<int> halfPatch = Patch(Built(0.5f));
    const std::set<int> half(halfPatch.begin(), halfPatch.end());
    for (int v : half)
        ASSERT_TRUE(v == 0 || v % 2 == 1) << v;
    EXPECT_TRUE(half.count(0));
    EXPECT_GT(half.size(), 20u);

    // 1.5: a ramp from 127 up to 255.
    const std::vector<int> ramp = Patch(Built(1.5f));
    for (int v : ramp)
        ASSERT_GE(v, 127);
    EXPECT_LT(*std::min_element(ramp.begin(), ramp.end()), 140);
    EXPECT_EQ(*std::max_element(ramp.begin(), ramp.end()), 255);
}

TEST(yNoise, SeedDecidesTheTables)
{
    EXPECT_EQ(Patch(Built(1.0f, 5)), Patch(Built(1.0f, 5)));
    EXPECT_NE(Patch(Built(1.0f, 5)), Patch(Built(1.0f, 6)));
}

TEST(yNoise, ScaledAndSmoothSamplers)
{
    const yNoise::Noise n = Built(1.0f);
    EXPECT_EQ(n.SamplePoint(35.0f, 14.0f, 10.0f, 7.0f), n.SamplePoint(3.5f, 2.0f));
    EXPECT_EQ(n.SamplePointX(35.0f, 14.0f, 10.0f), n.SamplePoint(3.5f, 1.4f));
    // On a cell corner the blends give the cell's own value.
    EXPECT_EQ(n.SampleBilinearX(30.0f, 14.0f, 10.0f), n.SamplePointX(30.0f, 14.0f, 10.0f));
    EXPECT_EQ(n.SampleBilinear(30.0f, 20.0f, 10.0f, 10.0f), n.SamplePoint(3.0f, 2.0f));
    // Halfway along x lies between the two neighbours.
    const int a = n.SamplePoint(3.0f, 2.0f), b = n.SamplePoint(4.0f, 2.0f);
    const int mid = n.SampleBilinearX(35.0f, 20.0f, 10.0f);
    EXPECT_GE(mid, std::min(a, b));
    EXPECT_LE(mid, std::max(a, b));
}

TEST(yNoise, FractalSamplersAverageTheOctaves)
{
    yNoise::Noise n = Built(1.0f);
    n.SetOctaves(1);
    EXPECT_EQ(n.SamplePointFractal(12.0f, 30.0f, 2.0f, 3.0f), n.SamplePoint(12.0f, 30.0f, 2.0f, 3.0f));
    EXPECT_EQ(n.SampleSmoothFractal(12.0f, 30.0f, 2.0f, 3.0f), n.SampleBilinear(12.0f, 30.0f, 2.0f, 3.0f));

    // Two octaves: the second at twice the scale, moved by the offset.
    n.SetOctaves(2);
    n.SetOctaveOffset(5);
    n.SetOctaveScale(1.0f);
    const int expected = (n.SamplePoint(12.0f, 30.0f, 2.0f, 3.0f) + n.SamplePoint(17.0f, 35.0f, 4.0f, 6.0f)) / 2;
    EXPECT_EQ(n.SamplePointFractal(12.0f, 30.0f, 2.0f, 3.0f), expected);

    yNoise::Noise on = Built(2.0f);
    on.SetOctaves(7);
    on.SetOctaveOffset(1 << 20); // offset times 6! wraps, harmlessly
    on.SetOctaveScale(0.5f);
    EXPECT_EQ(on.SamplePointFractal(1.0f, 2.0f, 3.0f, 4.0f), 255);
    EXPECT_EQ(on.SampleSmoothFractal(1.0f, 2.0f, 3.0f, 4.0f), 255);
}

TEST(yNoise, AnyCoordinateIsSafe)
{
    const yNoise::Noise n = Built(1.0f);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float v : {inf, -inf, nan, 3e38f, -3e38f, -0.5f})
    {
        n.SamplePoint(v, v);
        n.SamplePoint(v, 1.0f, 0.0f, v);
        n.SampleBilinear(v, v, v, 0.0f);
        n.SamplePointFractal(v, v, v, v);
    }
    // Negative coordinates wrap like the low bits of a two's-complement cell.
    EXPECT_EQ(n.SamplePoint(-0.5f, 3.0f), n.SamplePoint(1023.5f, 3.0f));
    EXPECT_EQ(n.SamplePoint(1e9f, 3.0f), n.SamplePointX(1e9f - 1024.0f * 976562.0f, 3));
}
