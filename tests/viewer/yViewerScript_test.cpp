#include "standalone/viewer/yViewerScript.h"

#include <gtest/gtest.h>

namespace
{
using yStandalone::yViewerJob;

TEST(yViewerScript, WindowLinesAndEventLinesKeepTheirOrder)
{
    std::vector<yStandalone::yViewerStep> steps;
    std::string error;
    ASSERT_TRUE(yStandalone::yViewerScript::Parse("down 1 2 ctrl\n# note\nlayer 10.5 -3\nup 1 2\n"
                                            "drop \"my file.png\"\npanel-zoom 2\nabout\nsave-project p.ztp\n"
                                            "frame 12\nplay\npause\n",
                                            steps, error))
        << error;
    ASSERT_EQ(steps.size(), 10u);
    EXPECT_EQ(steps[0].job.event.kind, yStandalone::yScriptEvent::Down);
    EXPECT_EQ(steps[1].job.kind, yViewerJob::LayerPoint);
    EXPECT_EQ(steps[1].job.x * 10 + steps[1].job.y, 102.0);
    EXPECT_EQ(steps[2].job.event.kind, yStandalone::yScriptEvent::Up);
    EXPECT_EQ(steps[3].job.kind, yViewerJob::Open);
    EXPECT_EQ(steps[3].job.path, "my file.png");
    EXPECT_EQ(steps[4].panelZoom, 2);
    EXPECT_EQ(steps[5].job.kind, yViewerJob::About);
    EXPECT_EQ(steps[6].job.kind, yViewerJob::SaveProject);
    EXPECT_EQ(steps[7].job.kind, yViewerJob::Frame);
    EXPECT_EQ(steps[7].job.frame, 12);
    EXPECT_EQ(steps[8].play * 10 + steps[9].play, 10);
}

TEST(yViewerScript, AMalformedLineIsNamed)
{
    const struct
    {
        const char* text;
        const char* line;
    } cases[] = {
        {"draw\nlayer 1\n", "Line 2"},      // a missing coordinate
        {"layer 1 2 3\n", "Line 1"},        // one too many
        {"draw\ndraw\nopen\n", "Line 3"},   // no file
        {"panel-zoom 3\n", "Line 1"},       // 1 or 2 only
        {"scroll-controls -1\n", "Line 1"}, // pixels up, never down
        {"scope loud\n", "Line 1"},         // log, linear, parade or overlay
        {"layer 0 0\nfly 1 2\n", "Line 2"}, // an event line, numbered as written
        {"frame -1\n", "Line 1"},          // frames count from 0
        {"frame 2x\n", "Line 1"},          // a whole number
        {"draw\nplay 5\n", "Line 2"},      // play takes nothing
    };
    for (const auto& c : cases)
    {
        std::vector<yStandalone::yViewerStep> steps;
        std::string error;
        EXPECT_FALSE(yStandalone::yViewerScript::Parse(c.text, steps, error)) << c.text;
        EXPECT_NE(error.find(c.line), std::string::npos) << error;
    }
}
} // namespace
