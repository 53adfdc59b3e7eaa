#include "draw/yColor.h"

namespace
{
yMath::U8 Narrow16(uint16_t c)
{
    const unsigned v = c >> 7;
    return static_cast<yMath::U8>(v > 255 ? 255 : v);
}
} // namespace

yColorT<yMath::U8>::yColorT(unsigned long packed)
    : red(static_cast<yMath::U8>(packed & 0xFF)), green(red), blue(red)
{
}

yColorT<yMath::U8> yColorT<yMath::U8>::FromHost16(uint16_t r, uint16_t g, uint16_t b)
{
    return yColorT(Narrow16(r), Narrow16(g), Narrow16(b));
}

uint32_t yColorT<yMath::U8>::ToColorRef() const
{
    return static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) | (static_cast<uint32_t>(blue) << 16);
}
