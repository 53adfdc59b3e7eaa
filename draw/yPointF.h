// A float point (x, y). Arithmetic with an integer point converts that point's
// coordinates to float first; * and / work component by component.
#pragma once

#include "base/yExport.h"
#include "base/yPointL.h"

class yMatrix;

struct Y_EXPORT yPointF
{
    float x = 0.0f;
    float y = 0.0f;

    constexpr yPointF() = default;
    constexpr yPointF(float ax, float ay) : x(ax), y(ay) {}
    constexpr yPointF(yPointL const& p) : x(static_cast<float>(p.x)), y(static_cast<float>(p.y)) {}

    yPointF& operator=(yPointL const& p);

    bool operator==(yPointL const& p) const;
    bool operator!=(yPointL const& p) const;
    bool operator==(yPointF const& p) const { return x == p.x && y == p.y; }
    bool operator!=(yPointF const& p) const { return !(*this == p); }

    yPointF& operator+=(yPointL const& p);
    yPointF& operator-=(yPointL const& p);
    yPointF& operator*=(yPointL const& p);
    // Division by a zero component follows float arithmetic (infinity or NaN).
    yPointF& operator/=(yPointL const& p);

    yPointF operator+(yPointL const& p) const;
    yPointF operator-(yPointL const& p) const;
    yPointF operator*(yPointL const& p) const;
    yPointF operator/(yPointL const& p) const;

    // Moves the point by the inverse of the matrix (the matrix itself is left alone).
    yPointF& Transform(yMatrix& m);
};
