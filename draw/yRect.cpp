#include "draw/yRect.h"

#include <algorithm>

bool yRect::Contains(yPointL const& p) const
{
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
}

bool yRect::Contains(yRect const& r) const
{
    return !r.IsEmpty() && r.left >= left && r.right <= right && r.top >= top && r.bottom <= bottom;
}

bool yRect::Intersects(yRect const& r) const
{
    return !Intersection(r).IsEmpty();
}

yRect yRect::Intersection(yRect const& r) const
{
    yRect out(std::max(top, r.top), std::max(left, r.left), std::min(bottom, r.bottom),
              std::min(right, r.right));
    if (out.IsEmpty())
        return yRect();
    return out;
}

yRect yRect::Union(yRect const& r) const
{
    if (r.IsEmpty())
        return *this;
    if (IsEmpty())
        return r;
    return yRect(std::min(top, r.top), std::min(left, r.left), std::max(bottom, r.bottom),
                 std::max(right, r.right));
}

void yRect::Offset(int32_t dx, int32_t dy)
{
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

void yRect::Inset(int32_t dx, int32_t dy)
{
    left += dx;
    right -= dx;
    top += dy;
    bottom -= dy;
}
