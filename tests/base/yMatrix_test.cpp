#include "base/yMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace
{
// The drawing layer's float point has the same shape; this layer cannot see it.
struct Pt
{
    float x, y;
    Pt(float ax, float ay) : x(ax), y(ay) {}
};

yMatrix Sample()
{
    yMatrix m;
    m.Rotate(30, 4, -2).Translate(3, 5).Scale(0.5f, 4, 1, 1);
    return m;
}

bool SameBits(yMatrix const& a, yMatrix const& b)
{
    return std::memcmp(a.m, b.m, sizeof a.m) == 0;
}

void ExpectNear(yMatrix const& a, yMatrix const& b, float tolerance)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(a.m[r][c], b.m[r][c], tolerance) << "row " << r << " column " << c;
}

void ExpectPoint(Pt p, float x, float y)
{
    EXPECT_NEAR(p.x, x, 1e-5f);
    EXPECT_NEAR(p.y, y, 1e-5f);
}
} // namespace

TEST(yMatrix, NeutralArgumentsLeaveTheMatrixBitForBit)
{
    const yMatrix before = Sample();
    yMatrix m = before;
    m.Translate(0, 0).Scale(1, 1, 7, 7).Shear(0, 0, 3, 3).Rotate(0, 5, 5).Offset(Sample(), 0);
    EXPECT_TRUE(SameBits(m, before));
}

TEST(yMatrix, PointTransforms)
{
    ExpectPoint(yMatrix().Rotate(90, 0, 0).TransformPoint(Pt(1, 0)), 0, 1);
    ExpectPoint(yMatrix().Translate(5, 7).TransformPoint(Pt(1, 1)), 6, 8);
    // Scale takes reciprocals about its centre, which stays put.
    ExpectPoint(yMatrix().Scale(2, 4, 10, 20).TransformPoint(Pt(10, 20)), 10, 20);
    ExpectPoint(yMatrix().Scale(2, 4, 0, 0).TransformPoint(Pt(8, 8)), 4, 2);
    // A rotation leaves its centre where it is.
    ExpectPoint(yMatrix().Rotate(37, 3, -4).TransformPoint(Pt(3, -4)), 3, -4);
    ExpectPoint(yMatrix().Shear(2, 0, 0, 0).TransformPoint(Pt(1, 3)), 7 + 1, 3 + 1);
}

TEST(yMatrix, ConcatenationAppliesThisFirst)
{
    ExpectPoint(yMatrix().Translate(5, 0).Rotate(90, 0, 0).TransformPoint(Pt(1, 0)), 0, 6);
    ExpectPoint(yMatrix().Rotate(90, 0, 0).Translate(5, 0).TransformPoint(Pt(1, 0)), 5, 1);
}

TEST(yMatrix, Inverse)
{
    yMatrix expected;
    expected.m[0][0] = expected.m[1][1] = 2;
    EXPECT_TRUE(yMatrix().Scale(2, 2, 0, 0).Inverse() == expected);

    const yMatrix m = Sample();
    yMatrix inverse = m;
    inverse.Inverse();
    ExpectNear(yMatrix(m).Concatenate(inverse), yMatrix(), 1e-5f);
    ExpectNear(yMatrix(inverse).Inverse(), m, 1e-4f);

    // A singular matrix is not an error; it gives non-finite values.
    yMatrix singular;
    singular.m[0][0] = 0;
    singular.Inverse();
    EXPECT_FALSE(std::isfinite(singular.m[0][0]));
}

TEST(yMatrix, ElementwiseOperations)
{
    const yMatrix a = Sample();
    yMatrix b;
    b.Translate(10, -10);
    EXPECT_TRUE(yMatrix().Interpolate(a, b, 0) == a);
    EXPECT_TRUE(yMatrix().Interpolate(a, b, 1) == b);
    yMatrix half;
    half.Interpolate(a, b, 0.5f);
    EXPECT_FLOAT_EQ(half.m[2][0], (a.m[2][0] + b.m[2][0]) / 2);

    yMatrix d = a;
    d.Difference(b); // b - a
    EXPECT_FLOAT_EQ(d.m[2][1], b.m[2][1] - a.m[2][1]);
    yMatrix o = a;
    o.Offset(d, 1); // a + (b - a)
    ExpectNear(o, b, 1e-5f);
}

TEST(yMatrix, HostMatrixWidensEachElement)
{
    const yMatrix m = Sample();
    const PF_FloatMatrix f = m;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(f.mat[r][c], double(m.m[r][c]));
}

TEST(yMatrix, FixedPointCompanion)
{
    yMatrix m;
    m.Translate(5, 7).SetupMatrixL();
    EXPECT_EQ(m.TransformPointL(yPointL(1, 1)), yPointL(6 * 65536, 8 * 65536));

    // Values beyond 16.16 saturate, not-a-number becomes 0; the products wrap.
    yMatrix wild;
    wild.m[0][0] = 1e20f;
    wild.m[1][1] = -1e20f;
    wild.m[2][0] = std::numeric_limits<float>::quiet_NaN();
    wild.SetupMatrixL();
    EXPECT_EQ(wild.mL[0][0], INT32_MAX);
    EXPECT_EQ(wild.mL[1][1], INT32_MIN);
    EXPECT_EQ(wild.mL[2][0], 0);
    const yPointL p = wild.TransformPointL(yPointL(3, 3));
    EXPECT_EQ(p.x, int32_t(uint32_t(INT32_MAX) * 3u));
}
