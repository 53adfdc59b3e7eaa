#include "draw/yLine.h"

#include "base/yMatrix.h"

#include <cmath>

namespace
{
constexpr double kRadiansPerDegree = 0.017453292519943295;
}

float yLine::Angle() const
{
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    if (dx == 0.0f)
        return dy <= 0.0f ? 0.0f : 180.0f;
    if (dy == 0.0f)
        return dx > 0.0f ? 90.0f : 270.0f;
    const double a = std::atan(static_cast<double>(dx / dy)) / kRadiansPerDegree;
    if (dy < 0.0f && dx > 0.0f)
        return static_cast<float>(-a);
    if (dy > 0.0f)
        return static_cast<float>(180.0 - a);
    return static_cast<float>(360.0 - a);
}

yLine& yLine::RotateTo(float angle)
{
    yMatrix m;
    m.Rotate(angle - Angle(), x1, y1);
    yPointF end(x2, y2);
    end.Transform(m);
    x2 = end.x;
    y2 = end.y;
    return *this;
}

float yLine::Slope() const
{
    if (x2 == x1)
        return 0.0f;
    return (y2 - y1) / (x2 - x1);
}

void yLine::SetSlope(float slope)
{
    const float intercept = y1 - Slope() * x1;
    y2 = slope * x2 + intercept;
}

yPointF Intersection(yLine& a, yLine& b)
{
    const float m1 = a.Slope();
    const float m2 = b.Slope();
    const float b1 = a.y1 - m1 * a.x1;
    const float b2 = b.y1 - m2 * b.x1;
    const float x = (b2 - b1) / (m1 - m2);
    return yPointF(x, m1 * x + b1);
}
