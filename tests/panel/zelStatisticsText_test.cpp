#include "panel/zelStatisticsText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace zelTonescope;

TEST(StatisticsText, SelectionCountsTheLargestShownChannelOfEachBin)
{
    std::vector<yHistogramColumns::Entry> bins(256);
    for (uint32_t i = 0; i < 256; ++i)
        bins[i] = {{0, 0, 0, 0}, i};
    bins[5] = {{10, 30, 20, 0}, 5};
    bins[6] = {{7, 1, 2, 50}, 6};
    bins[7] = {{100, 0, 0, 0}, 7};
    struct Row { uint32_t first, last; std::array<bool, 4> shown; const char* text; } rows[] = {
        {5, 5, {true, true, true, true}, "Selection: index[5] pixels[30]"},
        {5, 5, {true, false, true, true}, "Selection: index[5] pixels[20]"},
        {256, 256, {true, true, true, true}, "Selection: index[256] pixels[0]"}, // past the bins
        {5, 6, {true, true, true, true}, "Selection: min[5] max[6] pixels[80]"},
        {5, 6, {true, true, true, false}, "Selection: min[5] max[6] pixels[37]"},
        // A 16-bit selection running past an 8-bit histogram stops at its end.
        {5, 32768, {true, true, true, false}, "Selection: min[5] max[32768] pixels[137]"},
    };
    for (const Row& r : rows)
    {
        zelStatisticsInput in;
        in.bins = bins.data();
        in.binCount = bins.size();
        in.selectionShown = true;
        in.selectionFirst = r.first;
        in.selectionLast = r.last;
        for (int k = 0; k < 4; ++k)
            in.shown[k] = r.shown[k];
        EXPECT_EQ(std::string(BuildStatisticsText(in)), r.text);
    }
}
