#include "standalone/session/yRenderSession.h"

#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <cstdio>

TEST(yRenderSession, TheReportCarriesThePanelsTogglesAndBarColours)
{
    yStandalone::yRenderSession session;
    std::string error;
    ASSERT_TRUE(session.Open(yTest::ModulePath(), error)) << error;
    session.SetInput(yStandalone::yWorld(4, 4, false), 1, 4, 4);
    yStandalone::yHistogramStats stats;
    std::vector<yStandalone::yBinCounts> bins;
    ASSERT_TRUE(session.Render(error) && session.Report(stats, bins, error)) << error;
    // Channels A to D: shown or not, and the bar colour at 100 (D's is the panel's shade).
    std::string text;
    for (const auto& c : stats.channels)
    {
        char one[16];
        const auto& rgb = c.barColor[100];
        std::snprintf(one, sizeof one, "%d%02x%02x%02x ", int(c.shown), rgb[0], rgb[1], rgb[2]);
        text += one;
    }
    EXPECT_EQ(text, "1640000 1006400 1000064 0242320 ");
}
