#include "panel/zelStatisticsText.h"

#include <cstdio>

namespace zelTonescope
{
namespace
{
yString Signed(uint32_t v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%i", static_cast<int>(static_cast<int32_t>(v)));
    return yString(buf);
}

yString Unsigned(uint32_t v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%u", v);
    return yString(buf);
}

// The largest count among the shown channels of bin b; 0 past the bins.
uint32_t LargestShownCount(const zelStatisticsInput& in, uint64_t b)
{
    if (in.bins == nullptr || b >= in.binCount)
        return 0;
    uint32_t p = 0;
    for (int k = 0; k < 4; ++k)
        if (in.shown[k] && in.bins[b].count[k] > p)
            p = in.bins[b].count[k];
    return p;
}
} // namespace

yString BuildStatisticsText(const zelStatisticsInput& in)
{
    if (!in.selectionShown)
        return yString("Histogram: min[") + Unsigned(in.firstShownBin) + "] peak[" + Unsigned(in.peakShownBin) +
               "] max[" + Unsigned(in.lastShownBin) + "] pixels[" + Unsigned(in.total) + "]";

    if (in.selectionFirst == in.selectionLast)
        return yString("Selection: index[") + Signed(in.selectionFirst) + "] pixels[" +
               Unsigned(LargestShownCount(in, in.selectionFirst)) + "]";

    // Bins at or past the bin count add nothing, so the walk stops there.
    uint32_t pixels = 0;
    const uint64_t stop = in.selectionLast < in.binCount ? uint64_t(in.selectionLast) + 1 : in.binCount;
    for (uint64_t b = in.selectionFirst; b < stop; ++b)
        pixels += LargestShownCount(in, b);
    return yString("Selection: min[") + Signed(in.selectionFirst) + "] max[" + Signed(in.selectionLast) +
           "] pixels[" + Unsigned(pixels) + "]";
}

uint32_t FirstShownBin(const int32_t first[4], const bool shown[4])
{
    // Compared as signed numbers, so an empty shown channel (-1) wins.
    int32_t v = 100000;
    for (int k = 0; k < 4; ++k)
        if (shown[k] && first[k] < v)
            v = first[k];
    return static_cast<uint32_t>(v);
}

uint32_t LastShownBin(const int32_t last[4], const bool shown[4])
{
    int32_t v = 0;
    for (int k = 0; k < 4; ++k)
        if (shown[k] && last[k] > v)
            v = last[k];
    return static_cast<uint32_t>(v);
}

uint32_t PeakShownBin(const uint32_t peakBin[4], const bool shown[4])
{
    uint32_t v = 0;
    for (int k = 0; k < 4; ++k)
        if (shown[k] && peakBin[k] > v)
            v = peakBin[k];
    return v;
}
} // namespace zelTonescope
