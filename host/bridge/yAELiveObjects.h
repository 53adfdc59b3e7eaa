// The data objects this module made and has not yet freed. A live
// sequence-data block names its object by address, but the block's bytes may
// just as well have come from a saved project: only an address found here is
// ever followed, so no file can steer the module to memory of its choosing.
#pragma once

namespace yAE
{
class LiveObjects
{
  public:
    // False when memory runs out (the object is then not known).
    static bool Add(const void* object) noexcept;
    static void Remove(const void* object);
    static bool Contains(const void* object);
};
} // namespace yAE
