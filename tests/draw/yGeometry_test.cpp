// Rectangles, float points and lines.
#include "draw/yLine.h"
#include "draw/yPointF.h"
#include "draw/yRect.h"
#include "base/yMatrix.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(yRect, SizeAndEmptiness)
{
    const yRect r(10, 20, 30, 50);
    EXPECT_EQ(r.Width(), 30);
    EXPECT_EQ(r.Height(), 20);
    EXPECT_FALSE(r.IsEmpty());
    EXPECT_TRUE(yRect(5, 5, 5, 9).IsEmpty());  // no rows
    EXPECT_TRUE(yRect(5, 9, 8, 3).IsEmpty());  // inverted
}

TEST(yRect, ContainsExcludesBottomAndRight)
{
    const yRect r(10, 20, 30, 50);
    EXPECT_TRUE(r.Contains(yPointL(20, 10)));
    EXPECT_TRUE(r.Contains(yPointL(49, 29)));
    EXPECT_FALSE(r.Contains(yPointL(50, 29)));
    EXPECT_FALSE(r.Contains(yPointL(49, 30)));
    EXPECT_FALSE(r.Contains(yPointL(19, 15)));
    EXPECT_TRUE(r.Contains(yRect(10, 20, 30, 50)));
    EXPECT_FALSE(r.Contains(yRect(10, 20, 31, 50)));
}

TEST(yRect, IntersectionAndUnion)
{
    const yRect a(0, 0, 10, 10);
    const yRect b(5, 5, 20, 20);
    EXPECT_EQ(a.Intersection(b), yRect(5, 5, 10, 10));
    EXPECT_TRUE(a.Intersects(b));
    // Touching edges do not overlap: bottom and right are exclusive.
    EXPECT_FALSE(a.Intersects(yRect(10, 0, 20, 10)));
    EXPECT_TRUE(a.Intersection(yRect(10, 0, 20, 10)).IsEmpty());
    EXPECT_EQ(a.Union(b), yRect(0, 0, 20, 20));
    EXPECT_EQ(a.Union(yRect()), a); // an empty rectangle adds nothing
    EXPECT_EQ(yRect().Union(b), b);
}

TEST(yRect, OffsetAndInset)
{
    yRect r(10, 20, 30, 50);
    r.Offset(-20, 5);
    EXPECT_EQ(r, yRect(15, 0, 35, 30));
    r.Inset(2, 3);
    EXPECT_EQ(r, yRect(18, 2, 32, 28));
    r.Inset(-2, -3);
    EXPECT_EQ(r, yRect(15, 0, 35, 30));
}

TEST(yPointF, ArithmeticWithIntegerPoints)
{
    yPointF p(yPointL(3, -4));
    EXPECT_TRUE(p == yPointL(3, -4));
    EXPECT_TRUE(p != yPointL(3, 4));
    EXPECT_TRUE(yPointF(3.5f, -4.0f) != yPointL(3, -4)); // exact comparison, no rounding
    EXPECT_EQ(p + yPointL(1, 1), yPointF(4, -3));
    EXPECT_EQ(p - yPointL(1, 1), yPointF(2, -5));
    EXPECT_EQ(p * yPointL(2, 3), yPointF(6, -12));   // component-wise
    EXPECT_EQ(p / yPointL(2, 8), yPointF(1.5f, -0.5f));
    p *= yPointL(-1, 0);
    EXPECT_EQ(p, yPointF(-3, -0.0f));
    p = yPointL(7, 9);
    EXPECT_EQ(p, yPointF(7, 9));
}

TEST(yPointF, DivisionByZeroFollowsFloatRules)
{
    const yPointF q = yPointF(1.0f, 0.0f) / yPointL(0, 0);
    EXPECT_TRUE(std::isinf(q.x));
    EXPECT_TRUE(std::isnan(q.y));
}

TEST(yLine, AngleIsAClockwiseBearingFromUp)
{
    struct Case
    {
        float x2, y2, degrees;
    } const cases[] = {
        {0, -5, 0},    // straight up
        {5, 0, 90},    // right
        {0, 5, 180},   // down
        {-5, 0, 270},  // left
        {1, -1, 45},   // up-right
        {1, 1, 135},   // down-right
        {-1, 1, 225},  // down-left
        {-1, -1, 315}, // up-left
        {0, 0, 0},     // zero length
        {1, -2, 26.565051f},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(yLine(0, 0, c.x2, c.y2).Angle(), c.degrees, 1e-4) << c.x2 << "," << c.y2;
    // The start point matters only through the difference.
    EXPECT_NEAR(yLine(10, 10, 11, 9).Angle(), 45.0f, 1e-4);
}

TEST(yLine, IntersectionOfCrossingLines)
{
    yLine a(0, 0, 2, 2);
    yLine b(0, 2, 2, 0);
    const yPointF p = Intersection(a, b);
    EXPECT_FLOAT_EQ(p.x, 1.0f);
    EXPECT_FLOAT_EQ(p.y, 1.0f);

    yLine c(0, 1, 4, 1); // horizontal, parallel to d
    yLine d(0, 3, 4, 3);
    EXPECT_TRUE(std::isinf(Intersection(c, d).x));
}

TEST(yLine, SetSlopeKeepsStartAndX2)
{
    yLine l(0, 0, 4, 4);
    l.SetSlope(0.5f);
    EXPECT_EQ(l, yLine(0, 0, 4, 2));
    EXPECT_FLOAT_EQ(l.Slope(), 0.5f);
    // The intercept comes from the old slope: off the origin the new slope is not reached.
    yLine m(1, 1, 3, 5); // slope 2, intercept -1
    m.SetSlope(1.0f);
    EXPECT_FLOAT_EQ(m.y2, 2.0f);
    EXPECT_FLOAT_EQ(yLine(2, 0, 2, 9).Slope(), 0.0f); // vertical counts as slope 0
}

TEST(yPointF, TransformMovesByTheInverse)
{
    yMatrix m;
    m.Translate(5, 7);
    yPointF p(6, 8);
    p.Transform(m);
    EXPECT_FLOAT_EQ(p.x, 1.0f);
    EXPECT_FLOAT_EQ(p.y, 1.0f);
    EXPECT_FLOAT_EQ(m.m[2][0], 5.0f); // the caller's matrix is not inverted
}

TEST(yLine, RotateToTurnsTheEndAboutTheStart)
{
    yLine l(0, 0, 0, -5);
    l.RotateTo(90);
    EXPECT_FLOAT_EQ(l.x1, 0.0f);
    EXPECT_FLOAT_EQ(l.y1, 0.0f);
    EXPECT_NEAR(l.x2, -5.0f, 1e-5);
    EXPECT_NEAR(l.y2, 0.0f, 1e-5);

    yLine m(2, 3, 2, -2); // about its own start, length kept
    m.RotateTo(180);
    EXPECT_NEAR(m.x2, 2.0f, 1e-4);
    EXPECT_NEAR(m.y2, 8.0f, 1e-4);
    EXPECT_FLOAT_EQ(yLine(4, 4, 4, 4).RotateTo(45).x2, 4.0f); // a zero-length line stays a point
}
