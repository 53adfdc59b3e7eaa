// The one-line statistics the status line shows while the mouse is over the
// histogram: of the selection while it is shown, else of the whole histogram.
#pragma once

#include "base/yString.h"
#include "panel/yHistogramColumns.h"

#include <cstdint>

namespace zelTonescope
{
struct zelStatisticsInput
{
    bool selectionShown = false;
    uint32_t selectionFirst = 0;
    uint32_t selectionLast = 0;
    bool shown[4] = {true, true, true, true};
    const yHistogramColumns::Entry* bins = nullptr;
    unsigned long binCount = 0;
    uint32_t total = 0;
    // Only read while the selection is hidden.
    uint32_t firstShownBin = 0;
    uint32_t peakShownBin = 0;
    uint32_t lastShownBin = 0;
};

yString BuildStatisticsText(const zelStatisticsInput& in);

// Per-channel first, last and peak bins folded over the shown channels; a
// hidden channel counts as 100000 for the first bin and 0 for the others. A
// shown channel without samples (first -1) makes the first bin 4294967295.
uint32_t FirstShownBin(const int32_t first[4], const bool shown[4]);
uint32_t LastShownBin(const int32_t last[4], const bool shown[4]);
uint32_t PeakShownBin(const uint32_t peakBin[4], const bool shown[4]);
} // namespace zelTonescope
