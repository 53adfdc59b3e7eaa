#include "standalone/media/yTimeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using yStandalone::yBinCounts;
using yStandalone::yTimeline;
using yStandalone::yWorld;

namespace
{
// Channels shown by the bits of `shown` (A = 1), their bar colour at value v
// `color` * v / 255, as a panel in colour draws a channel's column.
yStandalone::yHistogramStats Stats(int shown, std::array<int, 3> color = {255, 0, 0})
{
    yStandalone::yHistogramStats stats;
    for (int k = 0; k < 4; ++k)
    {
        stats.channels[size_t(k)].shown = (shown >> k) & 1;
        for (int v = 0; v < 256; ++v)
            for (size_t i = 0; i < 3; ++i) stats.channels[size_t(k)].barColor[size_t(v)][i] = uint8_t(color[i] * v / 255);
    }
    return stats;
}

// A histogram of `size` bins with count n in bin b for each {b, n}, in every channel.
std::vector<yBinCounts> Bins(std::map<int, uint64_t> counts, size_t size = 256)
{
    std::vector<yBinCounts> out(size, yBinCounts{});
    for (const auto& [b, n] : counts) out[size_t(b)] = {n, n, n, n};
    return out;
}

yWorld Shot(int frames, int shown)
{
    yTimeline timeline;
    for (int f = 0; f < frames; ++f) timeline.AddFrame(1001 + f, Stats(shown), Bins({{f % 256, 5}}));
    return timeline.Draw();
}
} // namespace

TEST(Timeline, ShortShotsWidenTheirColumnsAndEachShownChannelAddsAStrip)
{
    const yWorld base = Shot(480, 1);
    const int strip = Shot(480, 3).Height() - base.Height();
    struct Row { int frames, shown, extraWidth, extraStrips; };
    const Row rows[] = {
        {120, 1, 0, 0},    // four pixels a frame
        {7, 1, 3, 0},      // 69 pixels a frame, rounded up
        {1000, 1, 520, 0}, // one pixel a frame
        {480, 15, 0, 3},
    };
    for (const Row& r : rows)
    {
        const yWorld w = Shot(r.frames, r.shown);
        EXPECT_EQ(w.Width() - base.Width(), r.extraWidth) << r.frames << " frames";
        EXPECT_EQ(w.Height() - base.Height(), r.extraStrips * strip) << "channels " << r.shown;
    }
}

TEST(Timeline, EachFrameLightsItsBinsOnALogScaleInTheChannelsColour)
{
    // Frame f: 1000 in bin 10 + 20 f, 1 in bin 0 (whose black colour takes its
    // neighbour's red). The strip's pixels are the red ones, the rest grey.
    const int frames = 10, width = 480 / frames;
    yTimeline timeline;
    for (int f = 0; f < frames; ++f) timeline.AddFrame(f, Stats(1), Bins({{0, 1}, {10 + 20 * f, 1000}}));
    const yWorld w = timeline.Draw();
    std::vector<std::array<int, 3>> red; // x, y, red
    for (int y = 0; y < w.Height(); ++y)
        for (int x = 0; x < w.Width(); ++x)
            if (w.Pixel8(x, y).red != w.Pixel8(x, y).blue) red.push_back({x, y, w.Pixel8(x, y).red});
    ASSERT_EQ(red.size(), size_t(2 * frames * width)) << "two bins lit in each frame's column";
    const int left = (*std::min_element(red.begin(), red.end()))[0], bottom = red.back()[1];
    for (const auto& [x, y, value] : red)
    {
        const int f = (x - left) / width, bin = bottom - y;
        if (bin == 0)
            EXPECT_EQ(value, 26) << "255 log 2 / log 1001";
        else
            EXPECT_EQ(bin * 1000 + value, (10 + 20 * f) * 1000 + 255) << "frame " << f;
    }
}

TEST(Timeline, BarColoursAreDrawnAtFullBrightness)
{
    struct Row { int shown; std::array<int, 3> color, drawn; };
    const Row rows[] = {
        {2, {0, 40, 0}, {0, 255, 0}},    // channel B, dark
        {1, {0, 0, 0}, {255, 255, 255}}, // a panel drawing in grey
        {1, {10, 5, 0}, {255, 128, 0}},  // a model's mixed colour keeps its hue
    };
    for (const Row& r : rows)
    {
        yTimeline timeline;
        timeline.AddFrame(7, Stats(r.shown, r.color), Bins({{32768, 3}, {100, 1}}, 32769));
        const yWorld w = timeline.Draw();
        int found = 0; // the row of bin 32768 across the frame's column
        for (int y = 0; y < w.Height(); ++y)
            for (int x = 0; x < w.Width(); ++x)
                found += std::array<int, 3>{w.Pixel8(x, y).red, w.Pixel8(x, y).green, w.Pixel8(x, y).blue} == r.drawn;
        EXPECT_EQ(found, 480) << r.color[0] << " " << r.color[1] << " " << r.color[2];
    }
}

TEST(Timeline, NamedStripsAreLabelledAtTheirLeftAndALengthLeavesTheFramesToComeBlack)
{
    auto stats = Stats(3);
    stats.channels[0].name = "Red";
    stats.channels[1].name = "Green";
    yTimeline timeline;
    timeline.SetLength(960);
    timeline.AddFrame(0, stats, Bins({{5, 1}}));
    const yWorld w = timeline.Draw();
    EXPECT_EQ(w.Width() - timeline.PlotLeft(), Shot(960, 3).Width() - 10) << "the whole length, one pixel a frame";
    int text[2] = {0, 0}; // grey pixels left of each strip
    for (int s = 0; s < 2; ++s)
        for (int y = 10 + s * 262; y < 10 + s * 262 + 256; ++y)
            for (int x = 0; x < timeline.PlotLeft(); ++x)
                text[s] += w.Pixel8(x, y).red == 200 && w.Pixel8(x, y).blue == 200;
    EXPECT_GT(text[0], 20);
    EXPECT_GT(text[1], text[0]) << "five letters against three";
}
