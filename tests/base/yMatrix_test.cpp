#include "base/yMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace
{
// The drawing layer's float point has the same shape; this layer cannot see it.
struct Pt { float x, y; Pt(float ax, float ay) : x(ax), y(ay) {} };

yMatrix Sample()
{
    yMatrix m;
    m.Rotate(30, 4, -2).Translate(3, 5).Scale(0.5f, 4, 1, 1);
    return m;
}

void ExpectNear(yMatrix const& a, yMatrix const& b, float tolerance)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(a.m[r][c], b.m[r][c], tolerance) << "row " << r << " column " << c;
}
} // namespace

TEST(yMatrix, PointTransforms)
{
    struct Row { yMatrix m; float x, y, toX, toY; } const rows[] = {
        {yMatrix().Rotate(90, 0, 0), 1, 0, 0, 1},                    // a quarter turn
        {yMatrix().Rotate(37, 3, -4), 3, -4, 3, -4},                 // the centre stays put
        {yMatrix().Translate(5, 7), 1, 1, 6, 8},                     // a shift
        {yMatrix().Scale(2, 4, 0, 0), 8, 8, 4, 2},                   // reciprocal factors
        {yMatrix().Scale(2, 4, 10, 20), 10, 20, 10, 20},             // about a centre that stays
        {yMatrix().Scale(2, 4, 10, 20), 12, 24, 11, 21},             // and near it
        {yMatrix().Shear(2, 0, 0, 0), 1, 3, 8, 4},                   // shear
        {yMatrix().Translate(5, 0).Rotate(90, 0, 0), 1, 0, 0, 6},    // this first, then the argument
        {yMatrix().Rotate(90, 0, 0).Translate(5, 0), 1, 0, 5, 1},    // the other order
    };
    for (Row const& r : rows)
    {
        const Pt p = r.m.TransformPoint(Pt(r.x, r.y));
        EXPECT_NEAR(std::hypot(p.x - r.toX, p.y - r.toY), 0, 1e-5f) << "row " << (&r - rows);
    }
    // Neutral arguments leave the matrix bit for bit.
    const yMatrix before = Sample();
    yMatrix m = before;
    m.Translate(0, 0).Scale(1, 1, 7, 7).Shear(0, 0, 3, 3).Rotate(0, 5, 5).Offset(Sample(), 0);
    EXPECT_TRUE(std::memcmp(m.m, before.m, sizeof m.m) == 0 && !(m != before));
}

TEST(yMatrix, InverseAndElementwiseOperations)
{
    yMatrix expected;
    expected.m[0][0] = expected.m[1][1] = 2;
    EXPECT_TRUE(yMatrix().Scale(2, 2, 0, 0).Inverse() == expected);
    const yMatrix a = Sample();
    yMatrix inverse = yMatrix(a).Inverse();
    ExpectNear(yMatrix(a).Concatenate(inverse), yMatrix(), 1e-5f);
    ExpectNear(yMatrix(inverse).Inverse(), a, 1e-4f);

    const yMatrix b = yMatrix().Translate(10, -10);
    EXPECT_TRUE(yMatrix().Interpolate(a, b, 0) == a && yMatrix().Interpolate(a, b, 1) == b);
    EXPECT_FLOAT_EQ(yMatrix().Interpolate(a, b, 0.5f).m[2][0], (a.m[2][0] + b.m[2][0]) / 2);
    yMatrix d = a;
    d.Difference(b); // b - a
    EXPECT_FLOAT_EQ(d.m[2][1], b.m[2][1] - a.m[2][1]);
    ExpectNear(yMatrix(a).Offset(d, 1), b, 1e-5f); // a + (b - a)
    ExpectNear(yMatrix(a).Offset(d, 0.5f), yMatrix().Interpolate(a, b, 0.5f), 1e-5f);

    // The host's matrix keeps rows and columns where they were.
    const PF_FloatMatrix host = a;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(host.mat[r][c], double(a.m[r][c])) << "row " << r << " column " << c;
}

TEST(yMatrix, FixedPointCompanion)
{
    yMatrix m = yMatrix().Translate(5, 7);
    m.SetupMatrixL();
    EXPECT_EQ(m.TransformPointL(yPointL(1, 2)), yPointL(6 * 65536, 9 * 65536));

    // Values beyond 16.16 saturate, not-a-number becomes 0; the products wrap.
    yMatrix wild;
    wild.m[0][0] = 1e20f;
    wild.m[1][1] = -1e20f;
    wild.m[2][0] = std::numeric_limits<float>::quiet_NaN();
    wild.SetupMatrixL();
    EXPECT_TRUE(wild.mL[0][0] == INT32_MAX && wild.mL[1][1] == INT32_MIN && wild.mL[2][0] == 0);
    EXPECT_EQ(wild.TransformPointL(yPointL(3, 3)).x, int32_t(uint32_t(INT32_MAX) * 3u));
}
