#include "tests/ui/yUITestHelpers.h"
#include "platform/yPlatform.h"
#include "ui/yEventLayer.h"

#include <gtest/gtest.h>

namespace
{
// A 200 x 200 panel whose root is no hit target, with a log of every
// command its controls broadcast.
struct Panel : ::testing::Test
{
    ScriptedPlatform platform;
    yEventLayer layer;
    CountingControl root{"root", yRect(0, 0, 200, 200)};
    CommandLog log;
    yUIEventContext& c = layer.GetEventContext();

    void SetUp() override
    {
        root.SetHitTarget(false);
        layer.SetRoot(&root);
    }
    void Add(yUIBaseNode& parent, CountingControl& child)
    {
        parent.AddChild(child);
        child.AddListener(&log);
    }
    void At(int x, int y) { c.mousePosition = yPointL(x, y); }
    void Over(int x, int y)
    {
        layer.BeginHostEvent();
        c.SetEventName(kEventMouseOver);
        At(x, y);
        layer.RouteMouseOver();
    }
    void Down(int x, int y)
    {
        layer.BeginHostEvent();
        c.SetEventName(kEventMouseDown);
        At(x, y);
        layer.RecordClick();
        layer.RouteMouseDown();
    }
    void Drag(int x, int y)
    {
        layer.BeginHostEvent();
        c.SetEventName(kEventMouseDrag);
        At(x, y);
        layer.RouteMouseDrag();
    }
    void Up(int x, int y)
    {
        layer.BeginHostEvent();
        c.SetEventName(kEventMouseUp);
        At(x, y);
        layer.RouteMouseUp();
    }
    void Wait(uint32_t ms) { ScriptedPlatform::now += ms; }
    using Log = std::vector<std::string>;
};
} // namespace

TEST_F(Panel, EdgesAreOutside)
{
    CountingControl a("a", yRect(10, 10, 20, 20));
    Add(root, a);
    for (yPointL edge : {yPointL(10, 15), yPointL(15, 10), yPointL(20, 15), yPointL(15, 20)})
    {
        Over(edge.x, edge.y);
        EXPECT_FALSE(c.targetFound) << edge.x << "," << edge.y;
        EXPECT_EQ(c.target, nullptr);
    }
    Over(11, 11);
    EXPECT_EQ(c.target, &a);
}

TEST_F(Panel, LaterSiblingWinsOverlapsAndChildrenRankAboveParents)
{
    CountingControl first("first", yRect(10, 10, 50, 50)), second("second", yRect(10, 10, 50, 50));
    CountingControl inner("inner", yRect(0, 0, 100, 100)); // larger than its parent, yet ranked higher
    Add(root, first);
    Add(root, second);
    Over(30, 30);
    EXPECT_EQ(c.target, &second);
    EXPECT_EQ(log.heard, (Log{"second Over"}));
    Add(first, inner);
    first.MakeThisLastSibling();
    Down(30, 30);
    EXPECT_EQ(c.target, &inner);
    EXPECT_EQ(second.downs, 0);
    // The grab offset is taken against the target's screen position.
    EXPECT_EQ(c.grabOffset, yPointL(20, 20));
}

TEST_F(Panel, HiddenAndDisabledParents)
{
    CountingControl parent("parent", yRect(0, 0, 100, 100)), child("child", yRect(10, 10, 20, 20));
    Add(root, parent);
    Add(parent, child);
    parent.SetVisible(false);
    Over(15, 15);
    EXPECT_FALSE(c.targetFound);
    parent.SetVisible(true);
    parent.SetDisabled(true);
    Over(15, 15);
    EXPECT_EQ(c.target, &parent) << "a disabled parent is still a target, its children are not";
    EXPECT_TRUE(log.heard.empty()) << "disabled controls broadcast nothing";
    EXPECT_EQ(parent.overs, 1);
}

TEST_F(Panel, ProxyTakesTheHit)
{
    CountingControl label("label", yRect(10, 10, 20, 20)), owner("owner", yRect(100, 100, 120, 120));
    Add(root, label);
    Add(root, owner);
    label.SetProxy(&owner);
    Down(15, 15);
    EXPECT_EQ(c.target, &owner);
    EXPECT_EQ(log.heard, (Log{"owner Down"}));
    EXPECT_EQ(c.grabOffset, yPointL(-85, -85));
}

TEST_F(Panel, ActiveControlTakesDownsUpsAndKeysButOverGoesToBoth)
{
    CountingControl edit("edit", yRect(0, 0, 50, 20)), other("other", yRect(100, 100, 150, 150));
    Add(root, edit);
    Add(root, other);
    edit.Activate();
    EXPECT_TRUE(edit.IsActive());
    Over(120, 120);
    EXPECT_EQ(log.heard, (Log{"edit Over", "other Over"}));
    log.heard.clear();
    Down(120, 120);
    Up(120, 120);
    layer.RouteKeyDown();
    EXPECT_EQ(log.heard, (Log{"edit Down", "edit Up"}));
    EXPECT_EQ(edit.keys, 1);
    EXPECT_EQ(other.downs + other.ups + other.keys, 0);
    edit.Deactivate();
    EXPECT_EQ(c.activeControl, nullptr);
    layer.RouteKeyDown();
    EXPECT_EQ(other.keys, 1) << "keys fall back to the target";
}

TEST_F(Panel, DragCapturesTheTargetAndMovesIt)
{
    CountingControl thumb("thumb", yRect(10, 10, 20, 20)), under("under", yRect(50, 0, 200, 200));
    Add(root, thumb);
    Add(root, under);
    thumb.SetDragEnabled(true);
    Down(12, 13);
    Drag(80, 90); // over another control: no hit test during a drag
    EXPECT_EQ(thumb.drags, 1);
    EXPECT_EQ(under.drags, 0);
    EXPECT_EQ(thumb.GetScreenPosition(), yPointL(78, 87));
    Drag(500, -40); // kept inside the root
    EXPECT_EQ(thumb.GetScreenPosition(), yPointL(190, 0));
    thumb.SetDragWithoutMoving(true);
    Drag(30, 30);
    EXPECT_EQ(thumb.GetScreenPosition(), yPointL(190, 0));
    EXPECT_EQ(log.heard, (Log{"thumb Down", "thumb Drag", "thumb Drag", "thumb Drag"}));
}

TEST_F(Panel, MouseUpOutsideCountsOnlyWithinTheInterval)
{
    CountingControl button("button", yRect(10, 10, 30, 30));
    Add(root, button);
    Down(15, 15);
    Wait(499);
    Up(100, 100);
    EXPECT_EQ(button.ups, 1);
    Down(15, 15);
    Wait(500);
    Up(100, 100);
    EXPECT_EQ(button.ups, 1) << "outside and late";
    Up(30, 20);
    EXPECT_EQ(button.ups, 1) << "the edge is outside";
    Up(29, 20);
    EXPECT_EQ(button.ups, 2);
}

TEST_F(Panel, LeaveNotificationsRepeatUntilAnotherTargetTakesOver)
{
    CountingControl hover("hover", yRect(10, 10, 30, 30)), plain("plain", yRect(100, 100, 130, 130));
    Add(root, hover);
    Add(root, plain);
    hover.SetLeaveNotification(true);
    hover.SetCursor(7);
    Over(15, 15);
    EXPECT_EQ(c.hoverControl, &hover);
    EXPECT_EQ(c.cursor, 7);
    Down(15, 15);
    Drag(60, 60);
    Up(60, 60);
    EXPECT_EQ(hover.ups, 2) << "as the target within the interval and as the hover control";
    EXPECT_EQ(c.hoverControl, &hover) << "a mouse-up keeps the hover control";
    Over(60, 60); // nothing under the mouse
    EXPECT_EQ(hover.ups, 3);
    Over(110, 110);
    EXPECT_EQ(hover.ups, 4) << "still recorded: nothing replaced it";
    EXPECT_EQ(c.hoverControl, nullptr);
    Over(110, 110);
    EXPECT_EQ(hover.ups, 4);
}

TEST_F(Panel, ModifierChangesReachEveryControlOnce)
{
    CountingControl a("a", yRect(10, 10, 30, 30)), b("b", yRect(0, 0, 5, 5));
    Add(root, a);
    Add(a, b);
    layer.BeginHostEvent();
    EXPECT_EQ(b.modifierCalls, 0);
    ScriptedPlatform::modifiers = yPlatform::kModifierControl | yPlatform::kModifierShift;
    layer.BeginHostEvent();
    layer.BeginHostEvent();
    EXPECT_EQ(root.modifierCalls, 1);
    EXPECT_EQ(b.modifierCalls, 1);
    EXPECT_TRUE(c.control);
    EXPECT_TRUE(c.command);
    EXPECT_TRUE(c.shift);
    EXPECT_FALSE(c.alt);
    ScriptedPlatform::modifiers = yPlatform::kModifierAlt;
    layer.BeginHostEvent();
    EXPECT_EQ(b.modifierCalls, 2);
    EXPECT_FALSE(c.command);
}

TEST_F(Panel, BestDepthCarriesOverBetweenEvents)
{
    // The best area restarts at every host event, the best depth does not:
    // a shallow control still wins the next event on its area.
    CountingControl deep("deep", yRect(0, 0, 10, 10)), shallow("shallow", yRect(100, 100, 150, 150));
    CountingControl nest("nest", yRect(0, 0, 10, 10));
    Add(root, shallow);
    Add(root, nest);
    Add(nest, deep);
    Over(5, 5);
    EXPECT_EQ(c.target, &deep);
    EXPECT_EQ(c.bestDepth, deep.GetHierarchyDepth());
    Over(120, 120);
    EXPECT_EQ(c.target, &shallow);
}

TEST_F(Panel, NothingToRouteToIsHarmless)
{
    Down(5, 5);
    Drag(6, 6);
    Up(7, 7);
    layer.RouteKeyDown();
    layer.RouteKeyRepeat();
    layer.RouteKeyUp();
    EXPECT_EQ(c.target, nullptr);
    yEventLayer empty;
    empty.RouteMouseOver();
    empty.RouteMouseDown();
    empty.RouteMouseUp();
    empty.RouteDraw();
    empty.BeginHostEvent();
    // A control outside any panel neither hit-tests nor drags.
    CountingControl loose("loose", yRect(0, 0, 10, 10));
    loose.SetDragEnabled(true);
    EXPECT_FALSE(loose.HitTest());
    loose.MouseDrag();
    EXPECT_EQ(loose.GetPosition(), yPointL(0, 0));
    loose.Activate();
    loose.Deactivate();
}

TEST_F(Panel, RemovedControlsLeaveTheContext)
{
    CountingControl a("a", yRect(10, 10, 30, 30)), b("b", yRect(0, 0, 5, 5));
    Add(root, a);
    Add(a, b);
    EXPECT_EQ(b.GetEventContext(), &c);
    Down(12, 12);
    a.Activate();
    ASSERT_EQ(c.target, &b);
    root.RemoveChild(a);
    EXPECT_EQ(b.GetEventContext(), nullptr);
    EXPECT_EQ(c.target, nullptr);
    EXPECT_EQ(c.activeControl, nullptr);
    Up(12, 12);
    EXPECT_EQ(b.ups, 0);
}
