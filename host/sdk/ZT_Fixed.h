// 16.16 fixed-point numbers, as parameters carry them (PF_Fixed): the high 16
// bits hold the whole part, the low 16 bits the fraction.
#pragma once

#include <cmath>
#include <cstdint>

namespace ZT_Fixed
{
constexpr int32_t kOne = 65536;

// A whole number; it must fit in 16 bits.
constexpr int32_t FromInt(int whole)
{
    return static_cast<int32_t>(whole * kOne);
}

constexpr double ToDouble(int32_t value)
{
    return value / 65536.0;
}

// The whole part, truncated toward zero.
constexpr int32_t WholePart(int32_t value)
{
    return value / kOne;
}

// The nearest fixed value (halves away from zero), held inside the type's range.
inline int32_t FromDouble(double v)
{
    const double scaled = std::round(v * 65536.0);
    const double held =
        scaled < -2147483648.0 ? -2147483648.0 : (2147483647.0 < scaled ? 2147483647.0 : scaled);
    return static_cast<int32_t>(held);
}
} // namespace ZT_Fixed
