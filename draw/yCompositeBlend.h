// The integer blend of compositing: 8-bit channels, one multiplication per
// term and a shift by 8, with fast paths at 0 and 255.
#pragma once

#include <cstdint>

namespace yComposite
{
// Byte x scaled by factor k (both 0 to 255).
constexpr uint8_t Scale(unsigned x, unsigned k)
{
    if (k >= 255)
        return uint8_t(x);
    if (x >= 255)
        return uint8_t(k);
    if (x == 0 || k == 0)
        return 0;
    const unsigned v = ((x + 1) * (k + 1)) >> 8;
    return uint8_t(v > 255 ? 255 : v);
}

// One channel: source s over destination d with coverage a.
constexpr uint8_t Blend(unsigned s, unsigned d, unsigned a)
{
    if (a >= 255)
        return uint8_t(s);
    if (a == 0)
        return uint8_t(d);
    const unsigned v = unsigned(Scale(s, a)) + Scale(d, 255 - a);
    return uint8_t(v > 255 ? 255 : v);
}

// The opacity (0 to 1) as a factor, truncated; out of range and NaN are pinned.
constexpr unsigned OpacityFactor(float opacity)
{
    if (!(opacity > 0.0f))
        return 0;
    if (opacity >= 1.0f)
        return 255;
    return unsigned(opacity * 255.0f);
}
} // namespace yComposite
