// A float line segment from (x1, y1) to (x2, y2).
#pragma once

#include "base/yExport.h"
#include "draw/yPointF.h"

struct Y_EXPORT yLine
{
    float x1 = 0.0f;
    float y1 = 0.0f;
    float x2 = 0.0f;
    float y2 = 0.0f;

    constexpr yLine() = default;
    constexpr yLine(float ax1, float ay1, float ax2, float ay2) : x1(ax1), y1(ay1), x2(ax2), y2(ay2) {}

    // Bearing from start to end in degrees: 0 points up (smaller y), 90 to the
    // right, growing clockwise. A zero-length line gives 0.
    float Angle() const;

    // Rotates the end point about the start by (angle - Angle()) through a
    // matrix and yPointF::Transform. Transform applies the inverse, so the
    // end turns the other way: (0, 0)-(0, -5) turned "to" 90 ends at (-5, 0).
    yLine& RotateTo(float angle);

    // Slope dy/dx; a vertical line counts as slope 0.
    float Slope() const;

    // Keeps the start point and x2 and sets y2 = slope * x2 + (y1 - m * x1),
    // m being the current slope. The line takes the new slope only when that
    // intercept does not change (as for a line through the origin).
    void SetSlope(float slope);

    bool operator==(yLine const& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
    bool operator!=(yLine const& o) const { return !(*this == o); }
};

// Where the infinite lines through both segments meet. Vertical lines count as
// slope 0; parallel lines give float infinities or NaN.
Y_EXPORT yPointF Intersection(yLine& a, yLine& b);
