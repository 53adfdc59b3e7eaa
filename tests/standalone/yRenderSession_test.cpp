#include "standalone/session/yRenderSession.h"

#include "standalone/emulator/yHostPlatform.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

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
            if (other != c)
            {
                EXPECT_EQ(high[size_t(other)], 0);
            }
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

namespace
{
struct yReplayed
{
    std::vector<uint8_t> panel;
    std::string status;
    std::vector<yStandalone::yBinCounts> bins;
};

// The script once event by event, each draw as it is asked for, or whole.
yReplayed ReplayOn(const std::vector<yStandalone::yScriptEvent>& events, bool whole)
{
    yStandalone::yHostPlatform::Instance().Reset();
    yStandalone::yRenderSession session;
    std::string error;
    EXPECT_TRUE(session.Open(yTest::ModulePath(), error)) << error;
    yStandalone::yWorld input(32, 16, false);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            input.Pixel8(x, y) = PF_Pixel8{255, A_u_char(x * 8), A_u_char(y * 16), A_u_char(x * y)};
    session.SetInput(std::move(input), 1, 32, 16);
    EXPECT_TRUE(session.Render(error)) << error;
    if (whole)
        EXPECT_TRUE(session.ReplayScript(events, error)) << error;
    else
        for (const auto& event : events)
            EXPECT_TRUE(session.Replay(event, error)) << error;
    yReplayed out;
    yStandalone::yHistogramStats stats;
    EXPECT_TRUE(session.Report(stats, out.bins, error)) << error;
    out.status = stats.statusLine;
    for (int y = 0; y < session.Panel().Height(); ++y)
        for (int x = 0; x < session.Panel().Width(); ++x)
        {
            const PF_Pixel8& p = session.Panel().Pixel8(x, y);
            out.panel.insert(out.panel.end(), {p.red, p.green, p.blue});
        }
    return out;
}
} // namespace

// Moves whose draws wait for the next event that needs the panel leave the
// panel and the report as drawing after every move does.
TEST(yRenderSession, CoalescedDrawsLeaveThePanelAsDrawingEveryMove)
{
    std::mt19937 random(11u);
    std::string script;
    for (int k = 0; k < 240; ++k)
    {
        script += "move " + std::to_string(int(random() % 360) - 10) + " " +
                  std::to_string(int(random() % 320) - 10) + "\n";
        if (k == 80) script += "down 157 12\nup 157 12\nwait 900\n";
        if (k == 120) script += "down 44 279\ndrag 90 279\nup 90 279\nresize 300 280\n";
        if (k == 200) script += "key 9\nset \"Color Model\" HSV\n";
    }
    std::vector<yStandalone::yScriptEvent> events;
    std::string error;
    ASSERT_TRUE(yStandalone::yEventScript::Parse(script, events, error)) << error;
    const yReplayed each = ReplayOn(events, false), whole = ReplayOn(events, true);
    EXPECT_EQ(each.status, whole.status);
    EXPECT_TRUE(each.bins == whole.bins);
    EXPECT_TRUE(each.panel == whole.panel);
}
