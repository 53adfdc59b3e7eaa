// A scratch file for readers that take a path: one per process, rewritten
// with each input and removed at exit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace yFuzz
{
// The scratch file's path, the file now holding exactly these bytes.
const std::string& ScratchFile(const uint8_t* data, size_t size);
} // namespace yFuzz
