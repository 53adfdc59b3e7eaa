#include "base/yPerlinNoise.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(yPerlinNoise, OctavesDoubleTheCoordinatesAndHalveTheAmplitude)
{
    yPerlinNoise none(0, 3.0f, 1.0f, 42);
    float x = 2.0f, y = -1.5f;
    EXPECT_TRUE(none.PerlinNoise(x, y) == 0.0f && x == 6.0f && y == -4.5f); // no octaves: zero, coordinates scaled

    yPerlinNoise reference(0, 1.0f, 1.0f, 42);
    yPerlinNoise n(2, 0.5f, 4.0f, 42);
    x = 10.0f, y = 30.0f;
    EXPECT_FLOAT_EQ(n.PerlinNoise(x, y), reference.Noise(5.0f, 15.0f) * 4.0f + reference.Noise(10.0f, 30.0f) * 2.0f);
}

TEST(yPerlinNoise, LatticeNoisesAreConstantOverACellAndFollowTheSeed)
{
    yPerlinNoise n(1, 1.0f, 1.0f, 7), same(1, 1.0f, 1.0f, 7), other(1, 1.0f, 1.0f, 8);
    EXPECT_EQ(n.Noise(3.1f), n.Noise(3.9f));
    EXPECT_EQ(n.Noise(3.1f, 8.2f), n.Noise(3.9f, 8.7f));
    int differ = 0;
    for (int i = -50; i < 50; ++i)
    {
        ASSERT_LE(std::fabs(n.Noise(float(i))), 1.0f);
        ASSERT_LE(std::fabs(n.Noise(float(i), 2.0f * i)), 1.0f); // gradients are unit vectors
        ASSERT_EQ(n.Noise(i * 0.3f, 1.7f, 2.2f), same.Noise(i * 0.3f, 1.7f, 2.2f));
        differ += n.Noise(float(i)) != other.Noise(float(i));
    }
    EXPECT_GT(differ, 50);
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
    EXPECT_TRUE(largest > 0.01f && largest < 1.5f);
    const float inf = std::numeric_limits<float>::infinity(); // any coordinate is safe
    for (float v : {inf, -inf, std::numeric_limits<float>::quiet_NaN(), 3e38f, -3e38f})
    {
        float x = v, y = v;
        n.Noise(v), n.Noise(v, v), n.Noise(v, 0.5f, v), n.PerlinNoise(x, y);
    }
}
