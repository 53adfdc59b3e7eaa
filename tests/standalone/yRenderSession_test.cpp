#include "standalone/session/yRenderSession.h"

#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <cstdio>

// The report tells the host what the panel shows: which channels are on, and
// each channel's bar colour along the bins (in RGB, channel A's red grows with
// the value, B's green, C's blue).
TEST(yRenderSession, TheReportCarriesThePanelsTogglesAndBarColours)
{
    yStandalone::yRenderSession session;
    std::string error;
    ASSERT_TRUE(session.Open(yTest::ModulePath(), error)) << error;
    session.SetInput(yStandalone::yWorld(4, 4, false), 1, 4, 4);
    yStandalone::yHistogramStats before, after;
    std::vector<yStandalone::yBinCounts> bins;
    ASSERT_TRUE(session.Render(error) && session.Report(before, bins, error)) << error;
    for (int c = 0; c < 3; ++c)
    {
        SCOPED_TRACE(c);
        const auto& low = before.channels[size_t(c)].barColor[50];
        const auto& high = before.channels[size_t(c)].barColor[200];
        EXPECT_LT(low[size_t(c)], high[size_t(c)]);
        for (int other = 0; other < 3; ++other)
            if (other != c) EXPECT_EQ(high[size_t(other)], 0);
    }
    // Channel A's toggle clicked off: only A changes.
    std::vector<yStandalone::yScriptEvent> click;
    ASSERT_TRUE(yStandalone::yEventScript::Parse("down 157 12\nup 157 12\n", click, error)) << error;
    for (const auto& event : click)
        ASSERT_TRUE(session.Replay(event, error)) << error;
    ASSERT_TRUE(session.Render(error) && session.Report(after, bins, error)) << error;
    EXPECT_TRUE(before.channels[0].shown && !after.channels[0].shown);
    for (size_t c = 1; c < 4; ++c)
        EXPECT_EQ(before.channels[c].shown, after.channels[c].shown) << c;
}
