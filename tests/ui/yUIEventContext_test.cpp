#include "tests/ui/yUITestHelpers.h"
#include "ui/yEventLayer.h"

#include <gtest/gtest.h>

// Presses in a row, each `wait` milliseconds after the one before, and the
// click count each gives.
TEST(yUIEventContext, CountsClicksWithinTheIntervalAndTheDistance)
{
    ScriptedPlatform platform;
    ScriptedPlatform::now = 0xFFFFFF00u - 10000; // the tick counter wraps after the first press
    yEventLayer layer;
    yUIEventContext& c = layer.GetEventContext();
    struct Press
    {
        uint32_t wait;
        int x, y, count;
    } const presses[] = {
        {10000, 50, 50, 1}, //
        {200, 52, 51, 2},   // double
        {700, 50, 53, 3},   // 900 ms after the first: under twice the interval
        {10, 50, 50, 1},    // and over again
        {2000, 0, 0, 1},    //
        {1, 6, 8, 1},       // exactly 10 pixels away never doubles
        {1, 13, 15, 2},     // 7,7 away: 9.9
        {1, 16, 8, 1},      // the oldest of three is 10 away: no triple
        {2000, 0, 0, 1},    //
        {500, 0, 0, 1},     // the interval itself is too late
        {499, 0, 0, 2},     //
        {502, 0, 0, 1},     // a third more than twice the interval after the first
    };
    int row = 0;
    for (const Press& p : presses)
    {
        ScriptedPlatform::now += p.wait;
        c.mousePosition = yPointL(p.x, p.y);
        layer.RecordClick();
        EXPECT_EQ(c.clickCount, p.count) << "row " << row;
        EXPECT_EQ(c.doubleClick, p.count == 2) << "row " << row;
        EXPECT_EQ(c.tripleClick, p.count == 3) << "row " << row;
        ++row;
    }
    // The interval is read when a context is built.
    ScriptedPlatform::interval = 321;
    EXPECT_EQ(yUIEventContext().doubleClickInterval, 321u);
}
