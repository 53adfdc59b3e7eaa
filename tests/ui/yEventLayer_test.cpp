#include "tests/ui/yUIControlTestHelpers.h"

#include "platform/yPlatform.h"

#include <gtest/gtest.h>

namespace
{
using Log = std::vector<std::string>;

// The 300 x 300 panel of the control harness, with counting controls.
struct Panel : ::testing::Test
{
    ControlHarness h;
    yUIEventContext& c = h.context;
    void Add(yUIBaseNode& parent, CountingControl& child)
    {
        parent.AddChild(child);
        child.AddListener(&h.log);
    }
};
} // namespace

TEST_F(Panel, HitTestRanksLaterSiblingsAndChildrenHigherAndEdgesAreOutside)
{
    CountingControl first("first", yRect(10, 10, 50, 50)), second("second", yRect(10, 10, 50, 50));
    CountingControl inner("inner", yRect(0, 0, 100, 100)); // larger than its parent, yet ranked higher
    Add(h.root, first);
    Add(h.root, second);
    for (yPointL edge : {yPointL(10, 30), yPointL(30, 10), yPointL(50, 30), yPointL(30, 50)})
    {
        h.Over(edge.x, edge.y);
        EXPECT_EQ(c.target, nullptr) << edge.x << "," << edge.y;
    }
    h.Over(11, 11);
    EXPECT_EQ(c.target, &second);
    EXPECT_EQ(h.log.heard, (Log{"second Over"}));
    Add(first, inner);
    first.MakeThisLastSibling();
    h.Down(30, 30);
    EXPECT_EQ(c.target, &inner);
    EXPECT_EQ(c.grabOffset, yPointL(20, 20)); // against the target's screen position
}

TEST_F(Panel, HiddenDisabledAndProxiedControls)
{
    CountingControl parent("parent", yRect(0, 0, 100, 100)), child("child", yRect(10, 10, 20, 20));
    CountingControl owner("owner", yRect(200, 200, 220, 220));
    Add(h.root, parent);
    Add(parent, child);
    Add(h.root, owner);
    parent.SetVisible(false);
    h.Over(15, 15);
    EXPECT_FALSE(c.targetFound);
    parent.SetVisible(true);
    parent.SetDisabled(true);
    h.Over(15, 15);
    EXPECT_EQ(c.target, &parent) << "a disabled parent is still a target, its children are not";
    EXPECT_TRUE(h.log.heard.empty()) << "disabled controls broadcast nothing";
    EXPECT_EQ(parent.overs, 1);
    parent.SetDisabled(false);
    child.SetProxy(&owner);
    h.Down(15, 15);
    EXPECT_EQ(c.target, &owner);
    EXPECT_EQ(h.log.heard, (Log{"owner Down"}));
    EXPECT_EQ(c.grabOffset, yPointL(-185, -185));
}

TEST_F(Panel, MouseUpOutsideCountsOnlyWithinTheInterval)
{
    CountingControl button("button", yRect(10, 10, 30, 30));
    Add(h.root, button);
    struct Step
    {
        uint32_t wait;
        int x, ups;
    } const steps[] = {
        {499, 100, 1}, // outside, in time
        {500, 100, 1}, // outside and late
        {0, 30, 1},    // the edge is outside
        {0, 29, 2},
    };
    for (const Step& s : steps)
    {
        if (s.wait)
            h.Down(15, 15);
        h.Wait(s.wait);
        h.Up(s.x, 20);
        EXPECT_EQ(button.ups, s.ups) << s.wait << " " << s.x;
    }
}

TEST_F(Panel, LeaveNotificationsRepeatUntilAnotherTargetTakesOver)
{
    CountingControl hover("hover", yRect(10, 10, 30, 30)), plain("plain", yRect(100, 100, 130, 130));
    Add(h.root, hover);
    Add(h.root, plain);
    hover.SetLeaveNotification(true);
    hover.SetCursor(7);
    h.Over(15, 15);
    EXPECT_EQ(c.hoverControl, &hover);
    EXPECT_EQ(c.cursor, 7);
    h.Down(15, 15);
    h.Drag(60, 60);
    h.Up(60, 60);
    EXPECT_EQ(hover.ups, 2) << "as the target within the interval and as the hover control";
    EXPECT_EQ(c.hoverControl, &hover) << "a mouse-up keeps the hover control";
    h.Over(60, 60); // nothing under the mouse
    EXPECT_EQ(hover.ups, 3);
    h.Over(110, 110);
    EXPECT_EQ(hover.ups, 4) << "still recorded: nothing replaced it";
    EXPECT_EQ(c.hoverControl, nullptr);
}

TEST_F(Panel, RemovedControlsLeaveTheContextAndLooseOnesDoNothing)
{
    CountingControl a("a", yRect(10, 10, 30, 30)), b("b", yRect(0, 0, 5, 5));
    Add(h.root, a);
    Add(a, b);
    EXPECT_EQ(b.GetEventContext(), &c);
    h.Down(12, 12);
    a.Activate();
    ASSERT_EQ(c.target, &b);
    h.root.RemoveChild(a);
    EXPECT_EQ(b.GetEventContext(), nullptr);
    EXPECT_EQ(c.target, nullptr);
    EXPECT_EQ(c.activeControl, nullptr);
    h.Up(12, 12);
    EXPECT_EQ(b.ups, 0);
    // A control outside any panel neither hit-tests nor drags.
    a.SetDragEnabled(true);
    EXPECT_FALSE(a.HitTest());
    a.MouseDrag();
    EXPECT_EQ(a.GetPosition(), yPointL(10, 10));
    yEventLayer empty;
    empty.RouteMouseOver();
    empty.RouteMouseDown();
    empty.RouteDraw();
}
