// The view-range slider inside the panel: thumbs that push each other, the
// bar that pans (Control) or spreads (Alt) the range, bit depth and reset.
#include "tests/panel/zelPanelTestHelpers.h"

#include "platform/yPlatform.h"

#include <gtest/gtest.h>

namespace
{
// The slider sits at panel (42, 275); each track is 255 pixels long.
const int kLeft = 42;
const int kRow = 279; // through the thumbs
const float kPixel = 1.0f / 255.0f;

struct RangeTest : ::testing::Test
{
    PanelHarness h;
    yUIBlackWhiteSlider& range = h.panel.GetRangeSlider();
    yUISliderWNumbers& black = range.GetBlack();
    yUISliderWNumbers& white = range.GetWhite();

    int ThumbX(const yUISliderWNumbers& part) { return static_cast<int>(range.ThumbX(part)); }
    void Place(float b, float w)
    {
        white.SetNormalizedValue(w);
        black.SetNormalizedValue(b);
    }
};
} // namespace

TEST_F(RangeTest, ThumbsFollowTheirValuesAlongTheTrack)
{
    Place(0.2f, 0.6f);
    EXPECT_EQ(ThumbX(black), kLeft + 51);
    EXPECT_EQ(ThumbX(white), kLeft + 153);
}

TEST_F(RangeTest, DraggedBlackThumbPushesWhiteAlongAndNeverPassesIt)
{
    Place(0.0f, 0.5f);
    h.Down(kLeft, kRow);
    EXPECT_EQ(h.context.target, &black.GetThumb());
    h.Drag(kLeft + 200, kRow);
    // While black is dragged the white part takes no input.
    EXPECT_TRUE(white.IsDisabled());
    EXPECT_NEAR(black.GetNormalizedValue(), 200 * kPixel, 1e-6);
    EXPECT_FLOAT_EQ(white.GetNormalizedValue(), black.GetNormalizedValue());
    h.Up(kLeft + 200, kRow);
    EXPECT_FALSE(white.IsDisabled());
    EXPECT_LE(black.GetValue(), white.GetValue());
}

TEST_F(RangeTest, DraggedWhiteThumbPushesBlackBack)
{
    Place(0.6f, 0.8f);
    const int x = ThumbX(white);
    h.Down(x, kRow);
    EXPECT_EQ(h.context.target, &white.GetThumb());
    h.Drag(x - 150, kRow);
    EXPECT_TRUE(black.IsDisabled());
    EXPECT_FLOAT_EQ(black.GetNormalizedValue(), white.GetNormalizedValue());
    EXPECT_LT(white.GetNormalizedValue(), 0.6f);
    h.Up(x - 150, kRow);
    EXPECT_FALSE(black.IsDisabled());
}

TEST_F(RangeTest, PressedThumbIsMovedOnTopOfTheOther)
{
    // Where the thumbs overlap the white one, added later, wins at first.
    Place(0.5f, 0.5f);
    h.Down(ThumbX(black), kRow);
    EXPECT_EQ(h.context.target, &white.GetThumb());
    h.Up(ThumbX(black), kRow);
    h.Wait(1000);

    Place(0.3f, 0.6f);
    h.Down(ThumbX(black), kRow);
    EXPECT_EQ(black.GetNextSibling(), nullptr);
    h.Up(ThumbX(black), kRow);
    h.Wait(1000);
    white.SetNormalizedValue(0.3f);
    h.Down(ThumbX(black), kRow);
    EXPECT_EQ(h.context.target, &black.GetThumb());
}

TEST_F(RangeTest, ControlShowsThePanBarAndDraggingItMovesBothThumbsAlike)
{
    Place(0.2f, 0.6f);
    h.Hold(yPlatform::kModifierControl);
    yUIBox& bar = range.GetUniformBar();
    ASSERT_TRUE(bar.IsVisible());
    EXPECT_FALSE(range.IsSpreadMode());
    EXPECT_EQ(bar.GetCursor(), yUIBlackWhiteSlider::kPanCursor);
    EXPECT_TRUE(black.IsDisabled() && white.IsDisabled());
    EXPECT_EQ(bar.GetScaledWidth(), ThumbX(white) - ThumbX(black));

    const int mid = (ThumbX(black) + ThumbX(white)) / 2;
    h.Down(mid, kRow);
    ASSERT_EQ(h.context.target, &bar);
    const float span = white.GetNormalizedValue() - black.GetNormalizedValue();
    h.Drag(mid + 30, kRow + 7);
    // Both ends move by the drag at once, and the bar stays on its row.
    EXPECT_NEAR(black.GetNormalizedValue(), 0.2f + 30 * kPixel, 1.5f * kPixel);
    EXPECT_NEAR(white.GetNormalizedValue() - black.GetNormalizedValue(), span, 1.5f * kPixel);
    EXPECT_EQ(bar.GetScreenRect().top, 275);
    h.Drag(mid - 40, kRow);
    EXPECT_NEAR(black.GetNormalizedValue(), 0.2f - 40 * kPixel, 1.5f * kPixel);
    EXPECT_NEAR(white.GetNormalizedValue() - black.GetNormalizedValue(), span, 1.5f * kPixel);

    // Released with Control still held: the bar shows again at the new places.
    h.Up(mid - 40, kRow);
    EXPECT_TRUE(bar.IsVisible());
    EXPECT_EQ(bar.GetScaledWidth(), ThumbX(white) - ThumbX(black));

    h.Hold(0);
    EXPECT_FALSE(bar.IsVisible());
    EXPECT_FALSE(black.IsDisabled() || white.IsDisabled());
}

TEST_F(RangeTest, AltSpreadsTheRangeAroundItsCentre)
{
    Place(0.3f, 0.7f);
    h.Hold(yPlatform::kModifierAlt);
    yUIBox& bar = range.GetUniformBar();
    ASSERT_TRUE(bar.IsVisible());
    EXPECT_TRUE(range.IsSpreadMode());
    EXPECT_EQ(bar.GetCursor(), yUIBlackWhiteSlider::kSpreadCursor);
    const int b0 = ThumbX(black), w0 = ThumbX(white);
    const int mid = (b0 + w0) / 2;
    h.Down(mid, kRow);
    ASSERT_EQ(h.context.target, &bar);

    h.Drag(mid + 50, kRow); // 1.5 times as wide
    EXPECT_NEAR(bar.GetScale().x, 1.5f, 1e-6);
    EXPECT_NEAR(ThumbX(white) - ThumbX(black), 1.5 * (w0 - b0), 2);
    EXPECT_NEAR((ThumbX(white) + ThumbX(black)) / 2.0, (w0 + b0) / 2.0, 1.5);

    h.Drag(mid - 30, kRow); // 0.7 times
    EXPECT_NEAR(ThumbX(white) - ThumbX(black), 0.7 * (w0 - b0), 2);

    h.Drag(mid - 150, kRow); // closed to nothing, however far the mouse goes
    EXPECT_FLOAT_EQ(bar.GetScale().x, 0.0f);
    EXPECT_NEAR(black.GetNormalizedValue(), white.GetNormalizedValue(), kPixel);
    h.Up(mid - 150, kRow);
    h.Hold(0);
}

TEST_F(RangeTest, ASecondSpreadStartsFromTheThumbsEvenWhenTheFirstReleaseMissedTheBar)
{
    Place(0.3f, 0.7f);
    h.Hold(yPlatform::kModifierAlt);
    const int mid = (ThumbX(black) + ThumbX(white)) / 2;
    h.Down(mid, kRow);
    h.Drag(mid - 60, kRow);
    h.Wait(2000);
    h.Up(mid - 60, 200); // far from the narrowed bar: it hears no mouse-up
    const float b = black.GetNormalizedValue(), w = white.GetNormalizedValue();

    h.Down(mid, kRow);
    h.Drag(mid, kRow); // no travel: the range must stay as it is
    EXPECT_NEAR(black.GetNormalizedValue(), b, 1.5f * kPixel);
    EXPECT_NEAR(white.GetNormalizedValue(), w, 1.5f * kPixel);
    h.Up(mid, kRow);
    h.Hold(0);
}

TEST_F(RangeTest, DeepKeepsThePlacesAndScalesTheValues)
{
    Place(0.5f, 1.0f);
    EXPECT_FLOAT_EQ(black.GetValue(), 127.5f);
    range.SetDeep(true);
    EXPECT_FLOAT_EQ(black.GetNormalizedValue(), 0.5f);
    EXPECT_FLOAT_EQ(black.GetValue(), 16384.0f);
    EXPECT_FLOAT_EQ(white.GetValue(), 32768.0f);
    range.SetDeep(false);
    EXPECT_FLOAT_EQ(black.GetValue(), 127.5f);
}

TEST_F(RangeTest, ResetOpensTheWholeRangeOfAHundred)
{
    Place(0.25f, 0.5f);
    range.Reset();
    EXPECT_FLOAT_EQ(black.GetNormalizedValue(), 0.0f);
    EXPECT_FLOAT_EQ(white.GetNormalizedValue(), 1.0f);
    EXPECT_FLOAT_EQ(white.GetValue(), 100.0f);
}

TEST_F(RangeTest, EditingOneNumberLocksTheOtherPart)
{
    range.ReceiveCommand(yUIBlackWhiteSlider::kBlackActivate);
    EXPECT_TRUE(white.IsDisabled());
    range.ReceiveCommand(yUIBlackWhiteSlider::kBlackDeactivate);
    EXPECT_FALSE(white.IsDisabled());
    range.ReceiveCommand(yUIBlackWhiteSlider::kWhiteActivate);
    EXPECT_TRUE(black.IsDisabled());
    range.ReceiveCommand(yUIBlackWhiteSlider::kWhiteDeactivate);
    EXPECT_FALSE(black.IsDisabled());
}

TEST_F(RangeTest, BracketIsDrawnOnlyWhileTheBarShows)
{
    Place(0.2f, 0.6f);
    const int b = ThumbX(black), w = ThumbX(white);
    const int mid = (b + w) / 2;
    auto pixel = [this](int x, int y) { return h.Pixel(x, y); };
    const yColor8 bracket(0xff, 0x66, 0x66, 0x66);
    h.Draw();
    EXPECT_NE(pixel(mid, 275 + 10), bracket);
    h.Hold(yPlatform::kModifierControl);
    h.Draw();
    EXPECT_EQ(pixel(mid, 275 + 10), bracket);
    // The bracket's ends; its upright parts lie under the bar's outline.
    EXPECT_EQ(pixel(b, 275 + 10), bracket);
    EXPECT_EQ(pixel(w - 1, 275 + 10), bracket);
    EXPECT_NE(pixel(b - 1, 275 + 10), bracket);
    h.Hold(0);
}
