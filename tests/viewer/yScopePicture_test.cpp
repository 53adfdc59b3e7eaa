#include "standalone/viewer/yScopePicture.h"

#include <gtest/gtest.h>

namespace
{
using yStandalone::yScopePicture;

constexpr int kWidth = 340, kHeight = 100;

struct Count
{
    int bin, channel;
    uint64_t count;
};
struct Probe
{
    int bin, row;
    bool lit; // a bar or a marker, not the ground or the grid
};

TEST(yScopePicture, BarsScaleBandsMarkersAndReduction)
{
    const struct
    {
        const char* what;
        int bins;
        std::vector<Count> counts;
        bool log, parade;
        std::vector<Probe> probes;
    } cases[] = {
        {"a full bin reaches the top in linear", 256, {{128, 0, 1000}, {50, 0, 10}}, false, false,
         {{128, 0, true}, {50, 0, false}, {50, 99, true}}},
        {"linear leaves a small bin low", 256, {{128, 0, 1000000}, {64, 0, 10}}, false, false, {{64, 90, false}}},
        {"log lifts it", 256, {{128, 0, 1000000}, {64, 0, 10}}, true, false, {{64, 90, true}}},
        {"parade: channel 1 in band 1 alone", 256, {{128, 1, 1000}}, false, true,
         {{128, 63, true}, {128, 34, true}, {128, 31, false}, {128, 98, false}}},
        {"one sample clipped high is marked at the top", 256, {{128, 0, 1000000}, {255, 0, 1}}, false, false,
         {{255, 1, true}, {254, 90, false}}},
        {"clipped low too", 32769, {{16000, 0, 1000000}, {0, 0, 1}}, false, false, {{0, 0, true}}},
        {"16-bit bins reduce by the largest", 32769, {{12345, 0, 1000}, {12346, 0, 1}, {20000, 0, 500}}, false,
         false, {{12345, 0, true}, {20000, 48, false}, {20000, 52, true}}},
    };
    std::array<yStandalone::yChannelStats, 4> channels;
    for (int k = 0; k < 4; ++k)
    {
        channels[size_t(k)].shown = k < 3;
        for (auto& rgb : channels[size_t(k)].barColor)
            rgb = {uint8_t(k == 0 ? 255 : 0), uint8_t(k == 1 ? 255 : 0), uint8_t(k == 2 ? 255 : 0)};
    }
    // A picture smaller than its bands and markers stays inside its pixels (the sanitizers check).
    std::vector<uint8_t> tiny;
    yScopePicture::Draw(std::vector<yStandalone::yBinCounts>(256, {1, 1, 1, 1}), channels, {false, true}, 4, 3, tiny);
    EXPECT_EQ(tiny.size(), 48u);
    for (const auto& c : cases)
    {
        std::vector<yStandalone::yBinCounts> bins(size_t(c.bins));
        for (const Count& count : c.counts) bins[size_t(count.bin)][size_t(count.channel)] = count.count;
        std::vector<uint8_t> rgba;
        yStandalone::yScopeMode mode;
        mode.log = c.log;
        mode.parade = c.parade;
        yScopePicture::Draw(bins, channels, mode, kWidth, kHeight, rgba);
        ASSERT_EQ(rgba.size(), size_t(kWidth * kHeight * 4));
        for (const Probe& p : c.probes)
        {
            const int x = yScopePicture::Column(p.bin, c.bins, kWidth);
            const uint8_t* px = rgba.data() + (size_t(p.row) * kWidth + size_t(x)) * 4;
            // The grid is greyer than the ground; a bar or marker is coloured.
            const bool lit = px[0] != px[1] || px[1] != px[2];
            EXPECT_EQ(lit, p.lit) << c.what << ": bin " << p.bin << " row " << p.row;
        }
    }
}
} // namespace
