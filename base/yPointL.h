// An integer point (x, y). It lives here, below the drawing layer, because the
// string's word ranges are returned as points too.
#pragma once

#include <cstdint>

struct yPointL
{
    int32_t x = 0;
    int32_t y = 0;

    constexpr yPointL() = default;
    constexpr yPointL(int32_t ax, int32_t ay) : x(ax), y(ay) {}

    constexpr bool operator==(yPointL const& o) const { return x == o.x && y == o.y; }
    constexpr bool operator!=(yPointL const& o) const { return !(*this == o); }
};
