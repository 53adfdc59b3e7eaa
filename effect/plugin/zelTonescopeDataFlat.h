// The flat form of an instance's panel settings, as stored in projects.
#pragma once

#include <cstdint>

namespace zelTonescope
{
struct zelTonescopeDataFlat
{
    uint8_t tag; // 0xBC
};
} // namespace zelTonescope
