#include "base/yPerlinNoise.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(yPerlinNoise, NoOctavesGiveZeroButStillScale)
{
    yPerlinNoise n(0, 3.0f, 1.0f, 42);
    float x = 2.0f, y = -1.5f;
    EXPECT_EQ(n.PerlinNoise(x, y), 0.0f);
    EXPECT_EQ(x, 6.0f);
    EXPECT_EQ(y, -4.5f);
}

TEST(yPerlinNoise, OctavesDoubleTheCoordinatesAndHalveTheAmplitude)
{
    yPerlinNoise reference(0, 1.0f, 1.0f, 42);
    yPerlinNoise n(2, 0.5f, 4.0f, 42);
    float x = 10.0f, y = 30.0f;
    const float sum = n.PerlinNoise(x, y);
    EXPECT_FLOAT_EQ(sum, reference.Noise(5.0f, 15.0f) * 4.0f + reference.Noise(10.0f, 30.0f) * 2.0f);
}

TEST(yPerlinNoise, LatticeNoisesAreConstantOverACell)
{
    yPerlinNoise n(1, 1.0f, 1.0f, 7);
    EXPECT_EQ(n.Noise(3.1f), n.Noise(3.9f));
    EXPECT_EQ(n.Noise(3.1f, 8.2f), n.Noise(3.9f, 8.7f));
    for (int i = -50; i < 50; ++i)
    {
        ASSERT_LE(std::fabs(n.Noise(float(i))), 1.0f);
        ASSERT_LE(std::fabs(n.Noise(float(i), 2.0f * i)), 1.0f); // gradients are unit vectors
    }
}

TEST(yPerlinNoise, GradientNoiseIsZeroOnTheLatticeAndSmoothBetween)
{
    yPerlinNoise n(1, 1.0f, 1.0f, 7);
    float largest = 0.0f;
    for (int i = 0; i < 20; ++i)
    {
        EXPECT_EQ(n.Noise(float(i), float(2 * i), float(-i)), 0.0f);
        const float x = i * 0.37f, y = i * 0.81f, z = i * 0.13f;
        const float v = n.Noise(x, y, z);
        EXPECT_NEAR(n.Noise(x + 1e-3f, y, z), v, 0.01f);
        largest = std::max(largest, std::fabs(v));
    }
    EXPECT_GT(largest, 0.01f);
    EXPECT_LT(largest, 1.5f);
}

TEST(yPerlinNoise, SeedDecidesTheTables)
{
    yPerlinNoise a(1, 1.0f, 1.0f, 3), b(1, 1.0f, 1.0f, 3), c(1, 1.0f, 1.0f, 4);
    int differ = 0;
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ(a.Noise(i * 0.3f, 1.7f, 2.2f), b.Noise(i * 0.3f, 1.7f, 2.2f));
        differ += a.Noise(float(i)) != c.Noise(float(i));
    }
    EXPECT_GT(differ, 8);
}

TEST(yPerlinNoise, AnyCoordinateIsSafe)
{
    yPerlinNoise n(3, 1.0f, 1.0f, 1);
    const float inf = std::numeric_limits<float>::infinity();
    for (float v : {inf, -inf, std::numeric_limits<float>::quiet_NaN(), 3e38f, -3e38f})
    {
        n.Noise(v);
        n.Noise(v, v);
        n.Noise(v, 0.5f, v);
        float x = v, y = v;
        n.PerlinNoise(x, y);
    }
}
