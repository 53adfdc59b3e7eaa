// The module's own resources (property list, bitmaps, fonts), found by type and number.
#pragma once

#include <cstddef>
#include <cstdint>

namespace yPlatform
{
struct ResourceData
{
    const uint8_t* bytes = nullptr; // null when the resource does not exist
    size_t size = 0;
};

// Finds a resource in the module's resource section. Language 0 matches any.
ResourceData FindResource(uint32_t type, uint32_t number, uint32_t language = 0);
} // namespace yPlatform
