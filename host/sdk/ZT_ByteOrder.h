// Numbers in byte buffers. The module's formats (its property list, resource
// section, flat record and bitmaps) and the host's files store them
// little-endian, whatever the machine's own order; PNG alone is big-endian.
#pragma once

#include <cstdint>

namespace ZT_ByteOrder
{
inline uint16_t LoadU16(const uint8_t* p)
{
    return uint16_t(p[0] | (p[1] << 8));
}
inline uint32_t LoadU32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline void StoreU32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}
// Appends to a byte string or vector: the low bytes of v, lowest first.
template <class Bytes> void Append(Bytes& out, uint32_t v, int bytes = 4)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<typename Bytes::value_type>((v >> (8 * i)) & 0xFF));
}
// Appends v highest byte first.
template <class Bytes> void AppendBigEndian(Bytes& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<typename Bytes::value_type>((v >> shift) & 0xFF));
}
} // namespace ZT_ByteOrder
