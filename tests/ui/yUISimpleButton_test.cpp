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

// The ring a hovered toggle wears: black while off unless told another colour.
TEST(yUISimpleButton, TheHoverRingTakesTheOffColour)
{
    ControlHarness h;
    yUIToggle button;
    button.SetPosition(yPointL(10, 10));
    button.SetSize(yPointL(20, 10));
    button.SetToggleMode(true);
    button.SetRingOnHover(true);
    h.Add(button);
    h.UsePort(40, 40);
    h.Over(15, 15);
    h.Draw();
    EXPECT_EQ(h.Pixel(10, 10), yColor8(255, 0, 0, 0));
    button.SetRingColors(yColor8(255, 200, 0, 0), yColor8(255, 0, 0, 200));
    h.Draw();
    EXPECT_EQ(h.Pixel(10, 10), yColor8(255, 0, 0, 200));
}

} // namespace
