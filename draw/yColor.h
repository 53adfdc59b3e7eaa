// The colour type: four channels in memory order alpha, red, green, blue.
// Only the 8-bit form exists; 255 is full intensity and full opacity.
#pragma once

#include "base/yExport.h"

#include <cstdint>

namespace yMath
{
typedef uint8_t U8;
}

template <class T> struct yColorT;

template <> struct Y_EXPORT yColorT<yMath::U8>
{
    yMath::U8 alpha = 255;
    yMath::U8 red = 0;
    yMath::U8 green = 0;
    yMath::U8 blue = 0;

    // Opaque black.
    constexpr yColorT() = default;
    // Red, green and blue alone give an opaque colour.
    constexpr yColorT(yMath::U8 r, yMath::U8 g, yMath::U8 b) : red(r), green(g), blue(b) {}
    constexpr yColorT(yMath::U8 a, yMath::U8 r, yMath::U8 g, yMath::U8 b) : alpha(a), red(r), green(g), blue(b)
    {
    }
    // An opaque grey whose level is the value's lowest byte.
    explicit yColorT(unsigned long packed);

    // The host's 16-bit colour: each channel shifted right by 7 and limited to
    // 255, opaque.
    static yColorT FromHost16(uint16_t r, uint16_t g, uint16_t b);
    // Any host colour record with red, green and blue fields (PF_App_Color).
    template <class HostColor> static yColorT FromHostColor(HostColor const& c)
    {
        return FromHost16(c.red, c.green, c.blue);
    }

    // The platform's colour value: red in the low byte, then green, then blue;
    // alpha is dropped.
    uint32_t ToColorRef() const;

    constexpr bool operator==(yColorT const& o) const
    {
        return alpha == o.alpha && red == o.red && green == o.green && blue == o.blue;
    }
    constexpr bool operator!=(yColorT const& o) const { return !(*this == o); }
};

typedef yColorT<yMath::U8> yColor8;
