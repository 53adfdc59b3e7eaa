// An integer rectangle: top, left, bottom, right. Bottom and right are
// exclusive, x grows to the right and y downwards.
#pragma once

#include "base/yExport.h"
#include "base/yPointL.h"

#include <cstdint>

struct Y_EXPORT yRect
{
    int32_t top = 0;
    int32_t left = 0;
    int32_t bottom = 0;
    int32_t right = 0;

    constexpr yRect() = default;
    constexpr yRect(int32_t aTop, int32_t aLeft, int32_t aBottom, int32_t aRight)
        : top(aTop), left(aLeft), bottom(aBottom), right(aRight)
    {
    }

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    // True when the rectangle holds no pixel (also when it is inverted).
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }

    bool Contains(yPointL const& p) const;
    bool Contains(yRect const& r) const;
    bool Intersects(yRect const& r) const;

    // The overlap of both; an empty rectangle at the origin when they do not meet.
    yRect Intersection(yRect const& r) const;
    // The smallest rectangle holding both; an empty one does not count.
    yRect Union(yRect const& r) const;

    void Offset(int32_t dx, int32_t dy);
    // Moves every edge inwards (negative values grow the rectangle).
    void Inset(int32_t dx, int32_t dy);

    constexpr bool operator==(yRect const& o) const
    {
        return top == o.top && left == o.left && bottom == o.bottom && right == o.right;
    }
    constexpr bool operator!=(yRect const& o) const { return !(*this == o); }
};
