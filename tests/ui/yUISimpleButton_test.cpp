#include "tests/ui/yUIControlTestHelpers.h"

#include "ui/yUISimpleButton.h"
#include "ui/yUIToggle.h"

#include <gtest/gtest.h>

namespace {

using B = yUISimpleButton;

// A 100 x 20 toggle button at (10, 10).
TEST(yUISimpleButton, LookFollowsTargetEventAndState)
{
    ControlHarness h;
    yUIToggle button;
    button.SetPosition(yPointL(10, 10));
    button.SetToggleMode(true);
    h.Add(button);
    EXPECT_EQ(button.ChooseLook(), B::kLookNormal);
    button.SetOn(true);
    EXPECT_EQ(button.ChooseLook(), B::kLookPressed); // on and not under the mouse
    h.Over(50, 20);
    EXPECT_EQ(button.ChooseLook(), B::kLookPressed);
    button.SetRingOnHover(true);
    EXPECT_EQ(button.ChooseLook(), B::kLookPressedHovered);
    button.SetOn(false);
    EXPECT_EQ(button.ChooseLook(), B::kLookHovered);
    h.Down(50, 20);
    EXPECT_EQ(button.ChooseLook(), B::kLookPressed);
    h.Drag(55, 20);
    EXPECT_EQ(button.ChooseLook(), B::kLookPressed);
    button.SetDragEnabled(true);
    EXPECT_EQ(button.ChooseLook(), B::kLookDragged);
    h.Up(55, 20);
    EXPECT_EQ(button.ChooseLook(), B::kLookNormal);
    button.SetDisabled(true);
    EXPECT_EQ(button.ChooseLook(), B::kLookDisabled);
}

} // namespace
