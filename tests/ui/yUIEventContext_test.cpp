#include "tests/ui/yUITestHelpers.h"
#include "ui/yEventLayer.h"

#include <gtest/gtest.h>

namespace
{
// Presses at (x, y) after waiting `wait` milliseconds; returns the click count.
short Press(yEventLayer& layer, uint32_t wait, int x, int y)
{
    ScriptedPlatform::now += wait;
    layer.GetEventContext().mousePosition = yPointL(x, y);
    layer.RecordClick();
    return layer.GetEventContext().clickCount;
}
} // namespace

TEST(yUIEventContext, ReadsTheIntervalWhenBuilt)
{
    ScriptedPlatform platform;
    ScriptedPlatform::interval = 321;
    yUIEventContext context;
    EXPECT_EQ(context.doubleClickInterval, 321u);
    EXPECT_EQ(context.clickCount, 1);
    EXPECT_EQ(context.bestArea, 999999);
    context.SetEventName(kEventMouseDown);
    context.SetEventName(kEventMouseUp);
    EXPECT_EQ(context.previousEventName, "Event MouseDown");
    EXPECT_EQ(context.eventName, "Event MouseUp");
}

TEST(yUIEventContext, CountsSingleDoubleTripleThenStartsAgain)
{
    ScriptedPlatform platform;
    yEventLayer layer;
    const yUIEventContext& c = layer.GetEventContext();
    EXPECT_EQ(Press(layer, 10000, 50, 50), 1);
    EXPECT_FALSE(c.doubleClick);
    EXPECT_EQ(Press(layer, 200, 52, 51), 2);
    EXPECT_TRUE(c.doubleClick);
    EXPECT_EQ(Press(layer, 700, 50, 53), 3); // 900 ms after the first: under twice the interval
    EXPECT_TRUE(c.tripleClick);
    EXPECT_FALSE(c.doubleClick);
    EXPECT_EQ(Press(layer, 10, 50, 50), 1);
    EXPECT_FALSE(c.tripleClick);
    EXPECT_EQ(c.downPositions[0], yPointL(50, 50));
    EXPECT_EQ(c.downPositions[1], yPointL(50, 53));
    EXPECT_EQ(c.downPositions[2], yPointL(52, 51));
    EXPECT_EQ(c.downTimes[0] - c.downTimes[2], 710u);
}

TEST(yUIEventContext, DistanceAndTimeLimits)
{
    ScriptedPlatform platform;
    yEventLayer layer;
    // 10 pixels apart never doubles; 9.9 (truncated to 9) does.
    Press(layer, 10000, 0, 0);
    EXPECT_EQ(Press(layer, 1, 6, 8), 1); // exactly 10
    EXPECT_EQ(Press(layer, 1, 13, 15), 2); // 7,7: 9.899
    EXPECT_EQ(Press(layer, 1, 16, 8), 1) << "the oldest of three is 10 away: no triple";
    // The interval itself is too late.
    EXPECT_EQ(Press(layer, 2000, 0, 0), 1);
    EXPECT_EQ(Press(layer, 500, 0, 0), 1);
    EXPECT_EQ(Press(layer, 499, 0, 0), 2);
    // A third down later than twice the interval after the first stays single.
    EXPECT_EQ(Press(layer, 502, 0, 0), 1);
}

TEST(yUIEventContext, TimesSurviveTheTickCounterWrapping)
{
    ScriptedPlatform platform;
    yEventLayer layer;
    ScriptedPlatform::now = 0xFFFFFF00u;
    EXPECT_EQ(Press(layer, 0, 5, 5), 1);
    EXPECT_EQ(Press(layer, 0x180, 5, 5), 2); // wrapped past zero, 384 ms later
    // Extreme coordinates must not overflow the distance.
    EXPECT_EQ(Press(layer, 1, INT32_MIN, INT32_MIN), 1);
    EXPECT_EQ(Press(layer, 1, INT32_MAX, INT32_MAX), 1);
}
