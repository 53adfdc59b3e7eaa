#include "panel/zelStatisticsText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zelTonescope;

namespace
{
struct Fixture
{
    std::vector<yHistogramColumns::Entry> bins;
    zelStatisticsInput in;

    explicit Fixture(unsigned long count) : bins(count)
    {
        for (unsigned long i = 0; i < count; ++i)
            bins[i] = {{0, 0, 0, 0}, static_cast<uint32_t>(i)};
        in.bins = bins.data();
        in.binCount = count;
        in.selectionShown = true;
    }
    std::string Text() const { return std::string(BuildStatisticsText(in)); }
};
} // namespace

TEST(StatisticsText, OneSelectedBinShowsItsLargestShownCount)
{
    Fixture f(256);
    f.bins[5] = {{10, 30, 20, 0}, 5};
    f.in.selectionFirst = f.in.selectionLast = 5;
    EXPECT_EQ(f.Text(), "Selection: index[5] pixels[30]");
    f.in.shown[1] = false;
    EXPECT_EQ(f.Text(), "Selection: index[5] pixels[20]");
    // Past the bins: nothing counted.
    f.in.selectionFirst = f.in.selectionLast = 256;
    EXPECT_EQ(f.Text(), "Selection: index[256] pixels[0]");
}

TEST(StatisticsText, ARangeSumsEachBinsLargestShownCount)
{
    Fixture f(256);
    f.bins[5] = {{10, 30, 20, 0}, 5};
    f.bins[6] = {{7, 1, 2, 50}, 6};
    f.bins[7] = {{100, 0, 0, 0}, 7};
    f.in.selectionFirst = 5;
    f.in.selectionLast = 6;
    EXPECT_EQ(f.Text(), "Selection: min[5] max[6] pixels[80]");
    f.in.shown[3] = false;
    EXPECT_EQ(f.Text(), "Selection: min[5] max[6] pixels[37]");
    // A 16-bit selection running past an 8-bit histogram stops at its end.
    f.in.selectionLast = 32768;
    EXPECT_EQ(f.Text(), "Selection: min[5] max[32768] pixels[137]");
}

TEST(StatisticsText, HiddenSelectionShowsTheWholeHistogram)
{
    Fixture f(256);
    f.in.selectionShown = false;
    f.in.total = 1234;
    const int32_t first[4] = {3, 10, 20, 255};
    const int32_t last[4] = {200, 250, 90, 255};
    const uint32_t peak[4] = {17, 40, 60, 255};
    const bool rgb[4] = {true, true, true, false};
    f.in.firstShownBin = FirstShownBin(first, rgb);
    f.in.lastShownBin = LastShownBin(last, rgb);
    f.in.peakShownBin = PeakShownBin(peak, rgb);
    EXPECT_EQ(f.Text(), "Histogram: min[3] peak[60] max[250] pixels[1234]");

    const bool none[4] = {false, false, false, false};
    f.in.firstShownBin = FirstShownBin(first, none);
    f.in.lastShownBin = LastShownBin(last, none);
    f.in.peakShownBin = PeakShownBin(peak, none);
    EXPECT_EQ(f.Text(), "Histogram: min[100000] peak[0] max[0] pixels[1234]");
}

TEST(StatisticsText, BeforeAnyRenderTheMinimumIsTheEmptyMarker)
{
    Fixture f(0);
    f.in.selectionShown = false;
    const int32_t first[4] = {-1, -1, -1, -1};
    const int32_t last[4] = {0, 0, 0, 0};
    const uint32_t peak[4] = {0, 0, 0, 0};
    const bool rgb[4] = {true, true, true, false};
    f.in.firstShownBin = FirstShownBin(first, rgb);
    f.in.lastShownBin = LastShownBin(last, rgb);
    f.in.peakShownBin = PeakShownBin(peak, rgb);
    EXPECT_EQ(f.Text(), "Histogram: min[4294967295] peak[0] max[0] pixels[0]");
}
