#include "standalone/yRenderSession.h"

#include <gtest/gtest.h>

#include <cstdio>

// The report carries the panel's channel toggles and its bar colour of each
// channel at each value, following the colour model.
TEST(yRenderSession, TheReportCarriesThePanelsTogglesAndBarColours)
{
    yHost::yRenderSession session;
    std::string error;
    ASSERT_TRUE(session.Open(TONESCOPE_MODULE, error)) << error;
    session.SetInput(yHost::yWorld(4, 4, false), 1);
    // Each channel's toggle, then its colour at 0, 100 and 255; D is off and
    // keeps the panel's shade.
    const char* const expected[][2] = {
        {"RGB", "on 000000 640000 ff0000\n"
                "on 000000 006400 00ff00\n"
                "on 000000 000064 0000ff\n"
                "off 242320 242320 242320\n"},
        {"HLS", "on fe0000 00fe5a fe0000\n"
                "on fe0000 c80000 ffffff\n"
                "on fe0000 b24e4e fe0000\n"
                "off 242320 242320 242320\n"},
    };
    for (const auto& [model, colours] : expected)
    {
        ASSERT_TRUE(session.SetParam("Color Model", model, error)) << error;
        ASSERT_TRUE(session.Render(error)) << error;
        yHost::yHistogramStats stats;
        std::vector<yHost::yBinCounts> bins;
        ASSERT_TRUE(session.Report(stats, bins, error)) << error;
        std::string text;
        for (const auto& c : stats.channels)
        {
            text += c.shown ? "on" : "off";
            for (int v : {0, 100, 255})
            {
                char one[16];
                std::snprintf(one, sizeof one, " %02x%02x%02x", c.barColor[v][0], c.barColor[v][1],
                              c.barColor[v][2]);
                text += one;
            }
            text += "\n";
        }
        EXPECT_EQ(text, colours) << model;
    }
}
