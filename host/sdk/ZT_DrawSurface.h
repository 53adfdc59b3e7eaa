// The window device a POSIX host hands to a module for drawing custom UI:
// the answer of get_cgraf_data (PF_CGrafData_HDC). The host owns the pixels;
// the module draws into them for the length of one draw event.
#pragma once

#include <cstdint>

extern "C"
{

    typedef struct ZT_DrawSurface
    {
        uint32_t version; // ZT_DrawSurface_VERSION
        // First byte of the buffer. Pixels are 32-bit, memory order blue, green,
        // red, alpha; rows are stored bottom-up, so the buffer starts with the
        // bottom row and row y from the top begins at
        // pixels + (height - 1 - y) * row_bytes.
        uint8_t* pixels;
        int32_t width;
        int32_t height;
        int32_t row_bytes; // at least width * 4
    } ZT_DrawSurface;

#define ZT_DrawSurface_VERSION 1u
}
