#include "panel/yHistogramColumns.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
using Entry = yHistogramColumns::Entry;

// 256 bins holding their index, with a few counts:
// A: 3 at 8, 5 at 9 and 10 (a tie), 1 at 12, 9 at 16 and 255; B: 7 at 10, 900 at 13;
// C: 4 at 2; D: 2 at 20.
std::vector<Entry> MakeBins()
{
    std::vector<Entry> bins(256);
    for (uint32_t i = 0; i < 256; ++i)
        bins[i] = Entry{{0, 0, 0, 0}, i};
    bins[8].count[0] = 3;
    bins[9].count[0] = 5;
    bins[10].count[0] = 5;
    bins[10].count[1] = 7;
    bins[12].count[0] = 1;
    bins[13].count[1] = 900;
    bins[16].count[0] = 9;
    bins[255].count[0] = 9;
    bins[2].count[2] = 4;
    bins[20].count[3] = 2;
    return bins;
}
} // namespace

TEST(HistogramColumns, ColumnsShowTheirBinsAndHeights)
{
    struct Row
    {
        const char* what;
        unsigned long n, start, end;
        bool upsampled;
        // column, its bin, and the height of channel `k` there at scale 1
        std::vector<std::pair<unsigned long, uint32_t>> values;
        int k;
        std::vector<std::pair<unsigned long, uint32_t>> heights;
    } rows[] = {
        {"one bin a column", 100, 5, 105, false, {{0, 5}, {5, 10}, {100, 105}}, 1, {{5, 7}}},
        // 256 bins on 64 columns: each column keeps the first bin with the
        // largest channel-A count, or the first of its share without any.
        {"downsampled", 64, 0, 256, false, {{2, 9}, {3, 12}, {4, 16}, {5, 20}}, 0, {{2, 5}, {4, 9}}},
        {"the B peak of bin 13 vanishes", 64, 0, 256, false, {{3, 12}}, 1, {{3, 0}}},
        // Upsampled: four columns a bin.
        {"upsampled", 40, 0, 10, true, {{8, 2}, {11, 2}, {12, 3}, {40, 10}}, 2, {{8, 4}, {11, 4}, {12, 0}}},
        // The automatic view ends one past the last non-empty bin: bins past
        // the array read as empty with their index.
        {"one past the end", 256, 0, 256, false, {{255, 255}, {256, 256}}, 0, {{255, 9}, {256, 0}}},
        {"downsampled past the end", 10, 250, 300, false, {{1, 255}, {10, 300}}, 0, {}},
        {"upsampled past the end", 300, 200, 260, true, {{300, 260}}, 0, {}},
        {"values clamp to column N", 10, 10, 20, false, {{11, 20}, {1000000, 20}}, 3, {{10, 2}, {11, 0}}},
        {"no width", 0, 40, 80, false, {{0, 40}}, 0, {}},
        {"reversed", 50, 90, 30, true, {{0, 90}, {50, 90}}, 0, {}},
    };
    std::vector<Entry> bins = MakeBins();
    for (const Row& r : rows)
    {
        yHistogramColumns columns;
        const unsigned long range[2] = {r.start, r.end};
        ASSERT_TRUE(columns.BuildColumns(bins.data(), bins.size(), r.n, range)) << r.what;
        columns.SetDivisor(1.0f);
        EXPECT_EQ(columns.IsUpsampled(), r.upsampled) << r.what;
        for (const auto& v : r.values)
            EXPECT_EQ(columns.GetColumnValue(v.first), v.second) << r.what << ", column " << v.first;
        for (const auto& v : r.heights)
            EXPECT_EQ(columns.GetColumnHeights(v.first).height[r.k], v.second)
                << r.what << ", column " << v.first;
    }
}

TEST(HistogramColumns, HeightsScaleByDivisorAndTruncate)
{
    std::vector<Entry> bins = MakeBins();
    bins[1].count[0] = 1000;
    bins[1].count[1] = 999;
    bins[1].count[2] = 1;
    bins[7].count[3] = 640;
    yHistogramColumns columns;
    const unsigned long range[2] = {0, 255};
    ASSERT_TRUE(columns.BuildColumns(bins.data(), bins.size(), 255, range));
    // 1 000 000 sampled pixels, 8-bit: one pixel per 100 samples at scale 1.
    columns.SetDivisor(100.0f);
    columns.SetScale(2.5f);
    const auto h = columns.GetColumnHeights(1);
    EXPECT_EQ(h.height[0], 25u);
    EXPECT_EQ(h.height[1], 24u); // 24.975 truncated
    EXPECT_EQ(h.height[2] + h.height[3], 0u);
    EXPECT_EQ(h.value, 1u);
    // Nothing sampled: 0 / 0 draws nothing rather than garbage.
    columns.SetDivisor(0.0f);
    EXPECT_EQ(columns.GetColumnHeights(3).height[0], 0u);
    EXPECT_EQ(columns.GetColumnHeights(1).height[0], UINT32_MAX);

    // The automatic scale makes the peak the target's pixels tall.
    columns.SetDivisor(10.0f);
    const double scale = yHistogramColumns::GetAutoScale(640, 10.0f, 256);
    EXPECT_DOUBLE_EQ(scale, 4.0);
    columns.SetScale(static_cast<float>(scale));
    EXPECT_EQ(columns.GetColumnHeights(7).height[3], 256u);
    EXPECT_GT(yHistogramColumns::GetAutoScale(0, 10.0f, 256), 1e30);
}
