#include "panel/yHistogramColumns.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using Entry = yHistogramColumns::Entry;

std::vector<Entry> MakeBins(unsigned long count)
{
    std::vector<Entry> bins(count);
    for (unsigned long i = 0; i < count; ++i)
        bins[i] = Entry{{0, 0, 0, 0}, static_cast<uint32_t>(i)};
    return bins;
}

struct Built
{
    std::vector<Entry> bins;
    yHistogramColumns columns;
};

void Build(Built& b, unsigned long n, unsigned long start, unsigned long end)
{
    const unsigned long range[2] = {start, end};
    ASSERT_TRUE(b.columns.BuildColumns(b.bins.data(), b.bins.size(), n, range));
}
} // namespace

TEST(HistogramColumns, EqualSpanMapsColumnToBin)
{
    Built b{MakeBins(256), {}};
    b.bins[10].count[1] = 7;
    Build(b, 100, 5, 105);
    EXPECT_FALSE(b.columns.IsUpsampled());
    for (unsigned long x = 0; x <= 100; ++x)
        EXPECT_EQ(b.columns.GetColumnValue(x), 5 + x);
    b.columns.SetDivisor(1.0f);
    EXPECT_EQ(b.columns.GetColumnHeights(5).height[1], 7u);
    EXPECT_EQ(b.columns.GetColumnHeights(5).value, 10u);
}

TEST(HistogramColumns, DownsamplingKeepsTheFirstLargestChannelABin)
{
    Built b{MakeBins(256), {}};
    // 256 bins on 64 columns: column i covers bins 4i .. 4i+3.
    b.bins[8].count[0] = 3;
    b.bins[9].count[0] = 5;
    b.bins[10].count[0] = 5; // a tie keeps the earlier bin
    b.bins[13].count[1] = 900; // a peak in channel B alone
    b.bins[12].count[0] = 1;
    Build(b, 64, 0, 256);
    EXPECT_FALSE(b.columns.IsUpsampled());
    EXPECT_EQ(b.columns.GetColumnValue(2), 9u);
    EXPECT_EQ(b.columns.GetColumnHeights(2).height[0], 5u);
    // Column 3 is bin 12: the channel-B peak of bin 13 vanishes.
    EXPECT_EQ(b.columns.GetColumnValue(3), 12u);
    EXPECT_EQ(b.columns.GetColumnHeights(3).height[1], 0u);
    // Without any channel-A count the first bin of the share represents it.
    EXPECT_EQ(b.columns.GetColumnValue(5), 20u);
}

TEST(HistogramColumns, UpsamplingRepeatsBins)
{
    Built b{MakeBins(256), {}};
    b.bins[2].count[2] = 4;
    Build(b, 40, 0, 10);
    EXPECT_TRUE(b.columns.IsUpsampled());
    // Four columns per bin.
    for (unsigned long x = 8; x < 12; ++x)
    {
        EXPECT_EQ(b.columns.GetColumnValue(x), 2u);
        EXPECT_EQ(b.columns.GetColumnHeights(x).height[2], 4u);
    }
    EXPECT_EQ(b.columns.GetColumnValue(12), 3u);
    EXPECT_EQ(b.columns.GetColumnValue(40), 10u);
}

TEST(HistogramColumns, BinsPastTheArrayReadAsEmptyWithTheirIndex)
{
    Built b{MakeBins(256), {}};
    b.bins[255].count[0] = 9;
    // The automatic view ends one past the last non-empty bin.
    Build(b, 256, 0, 256);
    EXPECT_EQ(b.columns.GetColumnValue(255), 255u);
    EXPECT_EQ(b.columns.GetColumnHeights(255).height[0], 9u);
    EXPECT_EQ(b.columns.GetColumnValue(256), 256u);
    EXPECT_EQ(b.columns.GetColumnHeights(256).height[0], 0u);

    Build(b, 10, 250, 300); // downsampled far past the end
    EXPECT_EQ(b.columns.GetColumnValue(1), 255u);
    EXPECT_EQ(b.columns.GetColumnValue(10), 300u);
    Build(b, 300, 200, 260); // upsampled past the end
    EXPECT_EQ(b.columns.GetColumnValue(300), 260u);
}

TEST(HistogramColumns, ValuesClampToTheLastColumnAndHeightsStopThere)
{
    Built b{MakeBins(256), {}};
    b.bins[20].count[3] = 2;
    Build(b, 10, 10, 20);
    EXPECT_EQ(b.columns.GetColumnValue(11), 20u);
    EXPECT_EQ(b.columns.GetColumnValue(1000000), 20u);
    EXPECT_EQ(b.columns.GetColumnHeights(10).height[3], 2u);
    EXPECT_EQ(b.columns.GetColumnHeights(11).height[3], 0u);
}

TEST(HistogramColumns, WithoutBinsOrColumnsEverythingIsZero)
{
    yHistogramColumns columns;
    const unsigned long range[2] = {0, 255};
    EXPECT_TRUE(columns.BuildColumns(nullptr, 0, 100, range));
    EXPECT_FALSE(columns.HasColumns());
    EXPECT_EQ(columns.GetColumnValue(3), 0u);
    const auto h = columns.GetColumnHeights(3);
    EXPECT_EQ(h.height[0] + h.height[1] + h.height[2] + h.height[3] + h.value, 0u);
}

TEST(HistogramColumns, DegenerateRangesStayInsideTheArray)
{
    Built b{MakeBins(256), {}};
    Build(b, 0, 40, 80); // no width
    EXPECT_EQ(b.columns.GetColumnValue(0), 40u);
    Build(b, 50, 90, 30); // reversed
    EXPECT_EQ(b.columns.GetColumnValue(0), 90u);
    EXPECT_EQ(b.columns.GetColumnValue(50), 90u);
}

TEST(HistogramColumns, AnImpossibleColumnCountFailsAndLeavesNoColumns)
{
    Built b{MakeBins(256), {}};
    Build(b, 10, 0, 255);
    const unsigned long range[2] = {0, 255};
    EXPECT_FALSE(b.columns.BuildColumns(b.bins.data(), b.bins.size(), 0xFFFFFFFFul, range));
    EXPECT_FALSE(b.columns.HasColumns());
    EXPECT_EQ(b.columns.GetColumnHeights(1).value, 0u);
}

TEST(HistogramColumns, HeightsScaleByDivisorAndTruncate)
{
    Built b{MakeBins(256), {}};
    b.bins[1].count[0] = 1000;
    b.bins[1].count[1] = 999;
    b.bins[1].count[2] = 1;
    Build(b, 255, 0, 255);
    // 1 000 000 sampled pixels, 8-bit: one pixel per 100 samples at scale 1.
    b.columns.SetDivisor(100.0f);
    b.columns.SetScale(2.5f);
    const auto h = b.columns.GetColumnHeights(1);
    EXPECT_EQ(h.height[0], 25u);
    EXPECT_EQ(h.height[1], 24u); // 24.975 truncated
    EXPECT_EQ(h.height[2], 0u);
    EXPECT_EQ(h.height[3], 0u);
    EXPECT_EQ(h.value, 1u);
    // Nothing sampled: 0 / 0 draws nothing rather than garbage.
    b.columns.SetDivisor(0.0f);
    EXPECT_EQ(b.columns.GetColumnHeights(2).height[0], 0u);
    EXPECT_EQ(b.columns.GetColumnHeights(1).height[0], UINT32_MAX);
}

TEST(HistogramColumns, AutoScaleMakesThePeakTargetPixelsTall)
{
    Built b{MakeBins(256), {}};
    b.bins[7].count[0] = 640;
    Build(b, 255, 0, 255);
    b.columns.SetDivisor(10.0f);
    const double scale = yHistogramColumns::GetAutoScale(640, 10.0f, 256);
    EXPECT_DOUBLE_EQ(scale, 4.0);
    b.columns.SetScale(static_cast<float>(scale));
    EXPECT_EQ(b.columns.GetColumnHeights(7).height[0], 256u);
    EXPECT_GT(yHistogramColumns::GetAutoScale(0, 10.0f, 256), 1e30);
}
