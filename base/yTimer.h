// The millisecond clock that multiple clicks and animations are timed by.
#pragma once

#include "base/yExport.h"

#include <cstdint>

class Y_EXPORT yTimer
{
public:
    // Milliseconds since an arbitrary start; wraps at 32 bits, so compare differences.
    static uint32_t GetTickCount();
};
