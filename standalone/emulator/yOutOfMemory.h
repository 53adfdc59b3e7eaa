// Memory that the input's size asks for may not be there. A world or buffer
// that cannot be had ends the command with one sentence naming the size, not
// with an abort.
#pragma once

#include <new>
#include <stdexcept>
#include <string>

namespace yStandalone
{
class yOutOfMemory : public std::runtime_error
{
  public:
    // what: the thing that needed the memory, e.g. "a 8000 x 8000 8-bit image".
    yOutOfMemory(const std::string& what, size_t bytes)
        : std::runtime_error("There is not enough memory for " + what + " (" + std::to_string(bytes) +
                             " bytes).")
    {
    }
};

// Resizes a vector; false when memory runs out.
template <class VectorT> bool TryResize(VectorT& vector, size_t count) noexcept
{
    try
    {
        vector.resize(count);
        return true;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}
} // namespace yStandalone
