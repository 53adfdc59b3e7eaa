// The rectangle of the input a render samples: a region around a centre, or
// the whole image, clipped to the image. Right and bottom are exclusive.
#pragma once

#include <cstdint>

namespace zelTonescope
{
struct zelSampleRect
{
    int32_t top = 0;
    int32_t left = 0;
    int32_t bottom = 0;
    int32_t right = 0;

    // Zero for an empty rectangle, which Make gives as all zero.
    int64_t PixelCount() const { return int64_t(bottom - top) * int64_t(right - left); }

    // Region mode (sampleMode 1): centre (cx, cy) and size in pixels of the
    // image; any other mode takes the whole image.
    static zelSampleRect Make(short sampleMode, float cx, float cy, float width, float height, int32_t imageWidth,
                              int32_t imageHeight);
};
} // namespace zelTonescope
