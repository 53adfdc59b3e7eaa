#include "tests/ui/yUIControlTestHelpers.h"

#include "platform/yPlatform.h"
#include "ui/yUISimpleButton.h"
#include "ui/yUIToggle.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;
using B = yUISimpleButton;

// A 100 x 20 toggle button at (10, 10).
struct Button : ::testing::Test
{
    ControlHarness h;
    yUIToggle button;
    void SetUp() override
    {
        button.SetPosition(yPointL(10, 10));
        button.SetToggleMode(true);
        button.SetChangeCommand("Flipped");
        button.SetMouseDownCommand("Pressed");
        button.SetText("On");
        h.Add(button);
    }
};

TEST_F(Button, PlainClickFlipsAndModifiersDoNot)
{
    h.Click(50, 20);
    EXPECT_TRUE(button.IsOn());
    EXPECT_EQ(h.log.heard, (Log{"Pressed", "Flipped"}));
    h.log.heard.clear();
    for (uint32_t m : {yPlatform::kModifierShift, yPlatform::kModifierControl, yPlatform::kModifierAlt})
    {
        h.Wait(1000);
        h.Hold(m);
        h.Click(50, 20);
    }
    EXPECT_TRUE(button.IsOn());
    EXPECT_EQ(h.log.heard, (Log{"Pressed", "Pressed", "Pressed"}));
    h.Hold(0);
    // Disabled, it still flips but without its mouse-down command.
    button.SetDisabled(true);
    h.log.heard.clear();
    h.Wait(1000);
    h.Click(50, 20);
    EXPECT_FALSE(button.IsOn());
    EXPECT_EQ(h.log.heard, (Log{"Flipped"}));
    button.SetToggleMode(false);
    h.Wait(1000);
    h.Click(50, 20);
    EXPECT_FALSE(button.IsOn());
}

TEST_F(Button, LookFollowsTargetEventAndState)
{
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
    h.Over(200, 200);
    EXPECT_EQ(button.ChooseLook(), B::kLookDisabled);
}

TEST_F(Button, DrawsTheLookItChose)
{
    h.UsePort();
    h.Draw();
    EXPECT_EQ(h.Pixel(10, 10), yColor8(255, 0, 0, 0));       // black outline
    EXPECT_EQ(h.Pixel(11, 11), yColor8(255, 250, 250, 250)); // raised bevel
    EXPECT_EQ(h.Pixel(14, 14), yColor8(255, 221, 221, 221)); // normal back colour
    button.SetOn(true);
    button.SetRingColors(yColor8(255, 0, 0, 255), yColor8(255, 0, 255, 0));
    h.Draw();
    EXPECT_EQ(h.Pixel(10, 10), yColor8(255, 0, 0, 255));     // the on ring over the outline
    EXPECT_EQ(h.Pixel(11, 11), yColor8(255, 128, 128, 128)); // sunken bevel
    EXPECT_EQ(h.Pixel(14, 14), yColor8(255, 128, 128, 128)); // pressed back colour
    button.SetDisabledColor(yColor8(255, 1, 2, 3));
    button.SetDisabled(true);
    h.Draw();
    EXPECT_EQ(h.Pixel(10, 10), yColor8(255, 102, 102, 102)); // grey outline, no ring
    EXPECT_EQ(h.Pixel(14, 14), yColor8(255, 1, 2, 3));
}

} // namespace
