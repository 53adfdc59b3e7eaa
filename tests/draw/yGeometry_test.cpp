// Rectangles, points and lines.
#include "draw/yLine.h"
#include "draw/yPointF.h"
#include "draw/yRect.h"
#include "base/yMatrix.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(yRect, SizeContainmentAndOverlap)
{
    const yRect r(10, 20, 30, 50); // top, left, bottom, right
    EXPECT_TRUE(r.Width() == 30 && r.Height() == 20 && !r.IsEmpty());
    // No rows, no columns, inverted.
    EXPECT_TRUE(yRect(5, 5, 5, 9).IsEmpty() && yRect(5, 5, 9, 5).IsEmpty() && yRect(5, 9, 8, 3).IsEmpty());
    // Bottom and right are exclusive.
    EXPECT_TRUE(r.Contains(yPointL(20, 10)) && r.Contains(yPointL(49, 29)));
    EXPECT_FALSE(r.Contains(yPointL(50, 29)) || r.Contains(yPointL(49, 30)));
    EXPECT_FALSE(r.Contains(yPointL(19, 15)) || r.Contains(yPointL(25, 9)));
    EXPECT_TRUE(r.Contains(yRect(10, 20, 30, 50)) && !r.Contains(yRect(10, 20, 31, 50)) && !r.Contains(yRect(9, 20, 30, 50)));

    const yRect a(0, 0, 10, 10), b(5, 5, 20, 20);
    EXPECT_EQ(a.Intersection(b), yRect(5, 5, 10, 10));
    EXPECT_TRUE(a.Intersects(b) && b.Intersects(a));
    EXPECT_FALSE(a.Intersects(yRect(10, 0, 20, 10)) || a.Intersects(yRect(0, 10, 10, 20))); // touching edges
    EXPECT_TRUE(a.Intersection(yRect(10, 0, 20, 10)).IsEmpty());
    EXPECT_EQ(a.Union(b), yRect(0, 0, 20, 20));
    EXPECT_TRUE(a.Union(yRect()) == a && yRect().Union(b) == b); // an empty rectangle adds nothing

    yRect m = r;
    m.Offset(-20, 5);
    EXPECT_EQ(m, yRect(15, 0, 35, 30));
    m.Inset(2, 3);
    EXPECT_EQ(m, yRect(18, 2, 32, 28));
}

TEST(yPointF, ArithmeticWithIntegerPointsAndMatrices)
{
    yPointF p(yPointL(3, -4));
    EXPECT_TRUE(p == yPointL(3, -4) && !(p != yPointL(3, -4)) && p != yPointL(3, 4) && p != yPointL(2, -4));
    EXPECT_TRUE(yPointF(3.5f, -4.0f) != yPointL(3, -4)); // exact comparison, no rounding
    EXPECT_TRUE(p + yPointL(1, 1) == yPointF(4, -3) && p - yPointL(1, 1) == yPointF(2, -5));
    EXPECT_TRUE(p * yPointL(2, 3) == yPointF(6, -12) && p / yPointL(2, 8) == yPointF(1.5f, -0.5f)); // component-wise
    p *= yPointL(-1, 0);
    EXPECT_EQ(p, yPointF(-3, -0.0f));

    yMatrix m;
    m.Translate(5, 7);
    yPointF t(6, 8);
    t.Transform(m); // moves by the inverse; the caller's matrix is not inverted
    EXPECT_TRUE(t == yPointF(1, 1) && m.m[2][0] == 5.0f);
}

TEST(yLine, AngleIsAClockwiseBearingFromUp)
{
    struct Case { float x2, y2, degrees; } const cases[] = {
        {0, -5, 0},   {5, 0, 90},    {0, 5, 180},  {-5, 0, 270}, // the four directions
        {1, -1, 45},  {1, 1, 135},   {-1, 1, 225}, {-1, -1, 315}, // the diagonals
        {0, 0, 0},                                                // zero length
        {1, -2, 26.565051f},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(yLine(0, 0, c.x2, c.y2).Angle(), c.degrees, 1e-4) << c.x2 << "," << c.y2;
    EXPECT_NEAR(yLine(10, 10, 11, 9).Angle(), 45.0f, 1e-4); // only the difference counts
}

TEST(yLine, IntersectionSlopeAndRotation)
{
    yLine a(0, 0, 2, 2), b(0, 2, 2, 0), c(0, 1, 4, 1), d(0, 3, 4, 3);
    EXPECT_NEAR(std::hypot(Intersection(a, b).x - 1, Intersection(a, b).y - 1), 0, 1e-6);
    EXPECT_TRUE(std::isinf(Intersection(c, d).x)); // parallel

    yLine l(0, 0, 4, 4);
    l.SetSlope(0.5f); // keeps the start and x2
    EXPECT_TRUE(l == yLine(0, 0, 4, 2) && l.Slope() == 0.5f);
    yLine m(1, 1, 3, 5); // slope 2, intercept -1: the intercept comes from the old slope
    m.SetSlope(1.0f);
    EXPECT_TRUE(m.y2 == 2.0f && yLine(2, 0, 2, 9).Slope() == 0.0f); // vertical counts as slope 0

    yLine q(0, 0, 0, -5);
    q.RotateTo(90);
    EXPECT_NEAR(std::hypot(q.x2 + 5.0f, q.y2), 0.0f, 1e-5);
    yLine r(2, 3, 2, -2); // turns the end about the start, length kept
    r.RotateTo(180);
    EXPECT_TRUE(r.x1 == 2.0f && r.y1 == 3.0f);
    EXPECT_NEAR(std::hypot(r.x2 - 2.0f, r.y2 - 8.0f), 0.0f, 1e-4);
    EXPECT_FLOAT_EQ(yLine(4, 4, 4, 4).RotateTo(45).x2, 4.0f); // a zero-length line stays a point
}
