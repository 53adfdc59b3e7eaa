#include "tests/ui/yUITestHelpers.h"
#include "ui/yUIBaseShape.h"

#include <gtest/gtest.h>

namespace
{
struct GeometryLog : yUIBaseShape
{
    int layouts = 0;
    void Layout() override { ++layouts; }
};
} // namespace

TEST(yUIBaseShape, ScalesInheritAndMultiply)
{
    yUIBaseShape parent, child;
    parent.SetSize(yPointL(100, 50));
    parent.SetScale(yPointF(2.0f, 0.5f));
    EXPECT_EQ(parent.GetScaledSize(), yPointL(100, 50)) << "scale not in force";
    parent.SetScaled(true);
    EXPECT_EQ(parent.GetScaledSize(), yPointL(200, 25));
    parent.AddChild(child);
    child.SetSize(yPointL(10, 10));
    child.SetScaled(true);
    child.SetScale(yPointF(1.5f, 1.0f));
    EXPECT_EQ(child.GetScaledSize(), yPointL(15, 10));
    child.SetScaleFromParent(true);
    EXPECT_EQ(child.GetScaledSize(), yPointL(30, 5));
    child.SetInheritScaled(true);
    parent.SetScaled(false);
    EXPECT_EQ(child.GetScaledSize(), yPointL(10, 10)) << "needs the parent's scale in force";
    parent.SetScaled(true);
    // Position scaled by the parent: local 10,10 becomes 20,5.
    child.SetPosition(yPointL(10, 10));
    child.SetPositionScaledByParent(true);
    EXPECT_EQ(child.GetScreenPosition(), yPointL(20, 5));
    // The inverse on the way in.
    child.SetKeepInsideParent(false);
    child.SetScreenPosition(yPointL(40, 10));
    EXPECT_EQ(child.GetPosition(), yPointL(20, 20));
}

TEST(yUIBaseShape, SetScreenPositionKeepsInsideTheParent)
{
    yUIBaseShape parent, child;
    parent.SetPosition(yPointL(100, 100));
    parent.SetSize(yPointL(50, 30));
    parent.AddChild(child);
    child.SetSize(yPointL(10, 10));
    child.SetAnchor(0.5f, 0.5f);
    child.SetScreenPosition(yPointL(0, 0));
    EXPECT_EQ(child.GetPosition(), yPointL(5, 5));
    child.SetScreenPosition(yPointL(1000, 1000));
    EXPECT_EQ(child.GetPosition(), yPointL(45, 25));
    child.SetScreenPosition(yPointL(120, 110));
    EXPECT_EQ(child.GetPosition(), yPointL(20, 10));
    // As wide as the parent or wider: the lower end of the range.
    child.SetSize(yPointL(50, 40));
    child.SetScreenPosition(yPointL(130, 120));
    EXPECT_EQ(child.GetPosition(), yPointL(25, 20));
    child.SetKeepInsideParent(false);
    child.SetScreenPosition(yPointL(90, 95));
    EXPECT_EQ(child.GetPosition(), yPointL(-10, -5));
}

TEST(yUIBaseShape, ChangesNotifyOnlyWhenSomethingChanged)
{
    GeometryLog parent, child;
    CommandLog listener;
    parent.AddChild(child);
    parent.AddListener(&listener);
    parent.SetGeometryCommand("Moved");
    parent.SetPosition(yPointL(1, 1));
    parent.SetPosition(yPointL(1, 1));
    EXPECT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(parent.layouts, 0) << "a move does not lay out";
    parent.SetSize(yPointL(5, 5));
    parent.SetSize(yPointL(5, 5));
    EXPECT_EQ(listener.heard.size(), 2u);
    EXPECT_EQ(parent.layouts, 1);
    EXPECT_EQ(child.layouts, 2) << "laid out by the parent and by its own update";
    parent.SetScale(yPointF(2.0f, 2.0f));
    EXPECT_EQ(parent.layouts, 2);
    EXPECT_EQ(listener.heard.size(), 3u);
}

TEST(yUIBaseShape, HierarchyStates)
{
    yUIBaseShape parent, child;
    EXPECT_FALSE(child.CanDraw()) << "invalidates but has no port";
    child.SetInvalidates(false);
    EXPECT_TRUE(child.CanDraw());
    parent.AddChild(child);
    parent.SetVisible(false);
    EXPECT_FALSE(child.IsVisibleInHierarchy());
    child.SetInheritVisibility(false);
    EXPECT_TRUE(child.IsVisibleInHierarchy());
    parent.SetDisabled(true);
    EXPECT_TRUE(child.IsDisabledInHierarchy());
    child.SetInheritDisabled(false);
    EXPECT_FALSE(child.IsDisabledInHierarchy());
}

TEST(yUIBaseShape, ExtremeValuesStayDefined)
{
    yUIBaseShape parent, child;
    parent.AddChild(child);
    child.SetSize(yPointL(-20, -1));
    EXPECT_EQ(child.GetSize(), yPointL(0, 0));
    parent.SetPosition(yPointL(INT32_MAX, INT32_MIN));
    child.SetPosition(yPointL(INT32_MAX, INT32_MIN));
    child.SetSize(yPointL(INT32_MAX, INT32_MAX));
    child.SetScaled(true);
    child.SetScale(yPointF(1e30f, -5.0f));
    const yRect r = child.GetScreenRect();
    EXPECT_LE(r.right, yUIBaseShape::kCoordinateLimit);
    EXPECT_GE(r.top, -yUIBaseShape::kCoordinateLimit);
    EXPECT_EQ(child.GetScaledSize().y, 0) << "negative scales count as 0";
    child.SetScale(yPointF(std::numeric_limits<float>::quiet_NaN(), 1.0f));
    child.SetAnchor(std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN());
    child.SetScreenPosition(yPointL(INT32_MIN, INT32_MAX));
    EXPECT_LE(child.GetClipRect().right, yUIBaseShape::kCoordinateLimit);
}
