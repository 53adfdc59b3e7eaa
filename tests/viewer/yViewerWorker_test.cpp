#include "standalone/viewer/yViewerWorker.h"

#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
// A float image in the portable float map format: 4 x 1 RGB, red at -0.5,
// 0.5, 2 and 3, green and blue at 0.5. Rows are stored bottom-up.
std::vector<uint8_t> FloatMap()
{
    const std::string header = "PF\n4 1\n-1.0\n";
    std::vector<uint8_t> bytes(header.begin(), header.end());
    for (const float red : {-0.5f, 0.5f, 2.0f, 3.0f})
        for (const float v : {red, 0.5f, 0.5f})
        {
            uint8_t b[4];
            std::memcpy(b, &v, 4);
            bytes.insert(bytes.end(), b, b + 4);
        }
    return bytes;
}

TEST(yViewerWorker, TheFrameCarriesTheBinsSummariesAndWhatReadingClamped)
{
    yTest::yScratchFolder folder;
    yTest::WriteBytes(folder.File("in.pfm"), FloatMap());
    yStandalone::yViewerSettings settings;
    settings.modulePath = yTest::ModulePath();
    settings.input = folder.File("in.pfm");
    settings.depth = "16";
    settings.realClock = false;
    yStandalone::yViewerWorker worker;
    std::string error;
    yStandalone::yViewerFrame frame;
    ASSERT_TRUE(worker.Start(settings, error)) << error;
    ASSERT_TRUE(worker.TakeFrame(frame));
    ASSERT_EQ(frame.scopeBins.size(), 32769u);
    const yStandalone::yHistogramStats& s = frame.scope;
    EXPECT_EQ(s.depth, 16);
    EXPECT_EQ(s.clamped.pixels, 4u);
    EXPECT_EQ(s.clamped.below[0] * 10 + s.clamped.above[0], 12u) << "red: one below 0, two above 1";
    EXPECT_EQ(s.clamped.above[1], 0u);
    // Red clamped to 0, half, 1, 1: the last bin holds two samples.
    EXPECT_TRUE(s.channels[0].shown);
    EXPECT_EQ(s.channels[0].summary.clippedHigh, 2u);
    EXPECT_EQ(frame.scopeBins.back()[0], 2u);
    EXPECT_EQ(s.channels[1].summary.median, 16384);
}
} // namespace
