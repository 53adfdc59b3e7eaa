#include "standalone/yTimeline.h"

#include <gtest/gtest.h>

#include <map>

using yHost::yBinCounts;
using yHost::yHistogramStats;
using yHost::yTimeline;
using yHost::yWorld;

namespace
{
// Channels shown by the bits of `shown` (A = 1), coloured as an RGB panel in
// colour draws them: channel k's value in component k, D grey.
yHistogramStats Stats(int shown)
{
    yHistogramStats stats;
    for (int k = 0; k < 4; ++k)
    {
        stats.channels[size_t(k)].shown = (shown >> k) & 1;
        for (int v = 0; v < 256; ++v)
            for (int i = 0; i < 3; ++i)
                stats.channels[size_t(k)].barColor[size_t(v)][size_t(i)] = uint8_t(k == i || k == 3 ? v : 0);
    }
    return stats;
}

// A histogram of `bins` bins with count n in bin b for each {b, n}, in every channel.
std::vector<yBinCounts> Bins(std::map<int, uint64_t> counts, size_t bins = 256)
{
    std::vector<yBinCounts> out(bins, yBinCounts{});
    for (const auto& [b, n] : counts) out[size_t(b)] = {n, n, n, n};
    return out;
}

yWorld Shot(int frames, int shown)
{
    yTimeline timeline;
    for (int f = 0; f < frames; ++f) timeline.AddFrame(1001 + f, Stats(shown), Bins({{f % 256, 5}}));
    return timeline.Draw();
}

struct Pixel { int x, y, red, green, blue; };

// Pixels with some colour and none of another: the strips' pixels, not the
// grey of outlines and labels.
std::vector<Pixel> StripPixels(const yWorld& w)
{
    std::vector<Pixel> out;
    for (int y = 0; y < w.Height(); ++y)
        for (int x = 0; x < w.Width(); ++x)
        {
            const PF_Pixel8& p = w.Pixel8(x, y);
            if (p.red + p.green + p.blue > 0 && (p.red != p.green || p.green != p.blue))
                out.push_back({x, y, p.red, p.green, p.blue});
        }
    return out;
}
} // namespace

TEST(Timeline, BinsFallInRowsBottomUp)
{
    const int rows[][3] = {{0, 256, 0}, {255, 256, 255}, {128, 32769, 0}, {129, 32769, 1}, {32768, 32769, 255}};
    for (const auto& r : rows) EXPECT_EQ(yTimeline::RowOfBin(r[0], r[1]), r[2]) << r[0] << " of " << r[1];
}

TEST(Timeline, ShortShotsWidenTheirColumnsAndEachShownChannelAddsAStrip)
{
    const yWorld base = Shot(480, 1);
    struct Row { int frames, shown, extraWidth, extraStrips; };
    const Row rows[] = {
        {120, 1, 0, 0},    // four pixels a frame
        {7, 1, 3, 0},      // 69 pixels a frame, rounded up
        {1000, 1, 520, 0}, // one pixel a frame
        {480, 8, 0, 0},    // D alone
        {480, 5, 0, 1},    // A and C
        {480, 15, 0, 3},
    };
    const yWorld two = Shot(480, 3);
    const int strip = two.Height() - base.Height();
    EXPECT_GT(strip, yTimeline::kRows);
    for (const Row& r : rows)
    {
        const yWorld w = Shot(r.frames, r.shown);
        EXPECT_EQ(w.Width() - base.Width(), r.extraWidth) << r.frames << " frames";
        EXPECT_EQ(w.Height() - base.Height(), r.extraStrips * strip) << "channels " << r.shown;
    }
}

TEST(Timeline, EachFrameLightsItsBinsOnALogScaleInTheChannelsColour)
{
    // Frame f: 1000 in bin 10 + 20 f, 1 in bin 0 whose colour is black (it
    // takes its neighbour's red); only channel A is shown.
    const int frames = 10;
    yTimeline timeline;
    for (int f = 0; f < frames; ++f) timeline.AddFrame(f, Stats(1), Bins({{0, 1}, {10 + 20 * f, 1000}}));
    const std::vector<Pixel> pixels = StripPixels(timeline.Draw());
    ASSERT_FALSE(pixels.empty());
    int left = pixels[0].x, bottom = 0;
    for (const Pixel& p : pixels) left = std::min(left, p.x), bottom = std::max(bottom, p.y);
    const int width = 480 / frames;
    std::vector<int> lit(frames, 0);
    for (const Pixel& p : pixels)
    {
        const int f = (p.x - left) / width;
        const int bin = bottom - p.y;
        ASSERT_LT(f, frames);
        EXPECT_EQ(p.green + p.blue, 0) << "x " << p.x;
        if (bin == 0)
            EXPECT_EQ(p.red, 26); // 255 log 2 / log 1001
        else
            EXPECT_EQ(bin * 1000 + p.red, (10 + 20 * f) * 1000 + 255) << "frame " << f;
        ++lit[size_t(f)];
    }
    EXPECT_EQ(lit, std::vector<int>(frames, 2 * width));
}

TEST(Timeline, BarColoursAreDrawnAtFullBrightness)
{
    struct Row { int shown; std::array<uint8_t, 3> color, drawn; };
    const Row rows[] = {
        {2, {0, 40, 0}, {0, 255, 0}},     // channel B
        {1, {0, 0, 0}, {255, 255, 255}},  // a panel drawing in grey
        {1, {10, 5, 0}, {255, 128, 0}},   // a model's mixed colour keeps its hue
    };
    for (const Row& r : rows)
    {
        yHistogramStats stats = Stats(r.shown);
        for (auto& channel : stats.channels) channel.barColor.fill(r.color);
        yTimeline timeline;
        timeline.AddFrame(7, stats, Bins({{32768, 3}, {100, 1}}, 32769));
        const yWorld w = timeline.Draw();
        int found = 0;
        for (int y = 0; y < w.Height(); ++y)
            for (int x = 0; x < w.Width(); ++x)
            {
                const PF_Pixel8& p = w.Pixel8(x, y);
                found += p.red == r.drawn[0] && p.green == r.drawn[1] && p.blue == r.drawn[2];
            }
        EXPECT_EQ(found, 480) << int(r.color[0]) << " " << int(r.color[1]) << " " << int(r.color[2]);
    }
}
