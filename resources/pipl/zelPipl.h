// The module's property list: what the host reads before it loads the code
// (kind, names, entry point, versions, flags).
#pragma once

#include <cstdint>
#include <vector>

namespace zelPipl
{
constexpr uint32_t kResourceNumber = 16000;
constexpr uint32_t kLanguage = 1033;

// The property list's bytes: a 16-bit version, a 32-bit reserved word and a
// 32-bit count, then each property as vendor, key, id, length (of the value
// before padding) and the value padded with zeros to a multiple of 4. Four-
// character codes are little-endian words, so they read reversed in the file.
std::vector<uint8_t> Build();
} // namespace zelPipl
