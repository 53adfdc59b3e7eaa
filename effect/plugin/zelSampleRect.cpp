#include "effect/plugin/zelSampleRect.h"

#include <cmath>

namespace zelTonescope
{
namespace
{
// Truncation toward zero, kept inside a range that no sum below overflows.
int32_t Trunc(float v)
{
    constexpr float kLimit = 1 << 29;
    if (std::isnan(v)) return 0;
    if (v > kLimit) return int32_t(kLimit);
    if (v < -kLimit) return -int32_t(kLimit);
    return static_cast<int32_t>(v);
}
} // namespace

zelSampleRect zelSampleRect::Make(short sampleMode, float cx, float cy, float width, float height,
                                  int32_t imageWidth, int32_t imageHeight)
{
    zelSampleRect r;
    if (sampleMode == 1)
    {
        const float hw = std::trunc(width * 0.5f);
        const float hh = std::trunc(height * 0.5f);
        r.top = Trunc(cy - hh);
        r.bottom = Trunc(cy + hh);
        r.left = Trunc(cx - hw);
        r.right = Trunc(cx + hw);
        // A region narrower than its size after truncation (0.4 pixels, or
        // an odd width) still takes the column or row it touches.
        if (r.right - r.left < 1 || float(r.right - r.left) < width) ++r.right;
        if (r.bottom - r.top < 1 || float(r.bottom - r.top) < height) ++r.bottom;
    }
    else
    {
        r.right = imageWidth;
        r.bottom = imageHeight;
    }
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    if (r.right > imageWidth) r.right = imageWidth;
    if (r.bottom > imageHeight) r.bottom = imageHeight;
    // An empty rectangle is all zero, whichever way it missed the image: a
    // negative size inverts both sides, and their product would count pixels.
    if (r.right <= r.left || r.bottom <= r.top) return zelSampleRect{};
    return r;
}
} // namespace zelTonescope
