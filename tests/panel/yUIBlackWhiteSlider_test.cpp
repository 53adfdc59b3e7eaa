// The view-range slider inside the panel: thumbs that push each other, the
// bar that pans (Control) or spreads (Alt) the range, bit depth and reset.
#include "tests/panel/zelPanelTestHelpers.h"

#include "platform/yPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
const float kPixel = 1.0f / yUIBlackWhiteSlider::kTrackLength;

struct RangeTest : ::testing::Test
{
    PanelHarness h;
    yUIBlackWhiteSlider& range = h.panel.GetRangeSlider();
    yUISliderWNumbers& black = range.GetBlack();
    yUISliderWNumbers& white = range.GetWhite();
    yUIBox& bar = range.GetUniformBar();
    const int top = range.GetScreenRect().top;
    const int left = range.GetScreenRect().left;
    // Through the thumbs.
    const int row = (black.GetThumb().GetScreenRect().top + black.GetThumb().GetScreenRect().bottom) / 2;

    int X(const yUISliderWNumbers& part) { return static_cast<int>(range.ThumbX(part)); }
    void Place(float b, float w)
    {
        white.SetNormalizedValue(w);
        black.SetNormalizedValue(b);
    }
};
} // namespace

TEST_F(RangeTest, DraggedThumbPushesTheOtherAndLocksItUntilReleased)
{
    // b, w: placed first; by: drag distance in pixels
    struct Row { bool dragBlack; float b, w; int by; float bOut, wOut; } rows[] = {
        {true, 0.0f, 0.5f, 200, 200 * kPixel, 200 * kPixel}, // black pushes white along
        {true, 0.2f, 0.6f, 30, 0.2f + 30 * kPixel, 0.6f},     // inside the range: white stays
        {false, 0.6f, 0.8f, -150, 0.8f - 150 * kPixel, 0.8f - 150 * kPixel}, // white pushes black back
    };
    for (const Row& r : rows)
    {
        Place(r.b, r.w);
        // The thumbs follow their values along the track.
        EXPECT_EQ(X(black), left + std::lround(r.b * yUIBlackWhiteSlider::kTrackLength));
        yUISliderWNumbers& dragged = r.dragBlack ? black : white;
        yUISliderWNumbers& other = r.dragBlack ? white : black;
        const int x = X(dragged);
        h.Wait(2000);
        h.Down(x, row);
        ASSERT_EQ(h.context.target, &dragged.GetThumb()) << r.b;
        h.Drag(x + r.by, row);
        EXPECT_TRUE(other.IsDisabled()) << r.b;
        EXPECT_NEAR(black.GetNormalizedValue(), r.bOut, 0.5f * kPixel) << r.b;
        EXPECT_NEAR(white.GetNormalizedValue(), r.wOut, 0.5f * kPixel) << r.b;
        h.Up(x + r.by, row);
        EXPECT_FALSE(other.IsDisabled()) << r.b;
    }
}

TEST_F(RangeTest, ControlShowsThePanBarAndDraggingItMovesBothThumbsAlike)
{
    Place(0.2f, 0.6f);
    h.Draw();
    const int mid = (X(black) + X(white)) / 2;
    const yColor8 bracket(0xff, 0x66, 0x66, 0x66);
    EXPECT_NE(h.Pixel(mid, top + 10), bracket);
    h.Hold(yPlatform::kModifierControl);
    ASSERT_TRUE(bar.IsVisible());
    EXPECT_FALSE(range.IsSpreadMode());
    EXPECT_TRUE(black.IsDisabled() && white.IsDisabled());
    EXPECT_EQ(bar.GetScaledWidth(), X(white) - X(black));
    // The bracket under the bar shows, from thumb to thumb.
    h.Draw();
    for (int x : {X(black), mid, X(white) - 1})
        EXPECT_EQ(h.Pixel(x, top + 10), bracket) << x;
    EXPECT_NE(h.Pixel(X(black) - 1, top + 10), bracket);

    h.Down(mid, row);
    ASSERT_EQ(h.context.target, &bar);
    // Both ends move by the drag at once, and the bar stays on its row.
    // Past the track's end the bar leaves the slider, and white stops at 1.
    for (int by : {30, 150, -40})
    {
        h.Drag(mid + by, row + 7);
        EXPECT_NEAR(black.GetNormalizedValue(), 0.2f + by * kPixel, 1.5f * kPixel) << by;
        EXPECT_NEAR(white.GetNormalizedValue(), std::min(1.0f, 0.6f + by * kPixel), 1.5f * kPixel) << by;
        EXPECT_EQ(bar.GetScreenRect().top, top);
    }
    // Released with Control still held: the bar shows again at the new places.
    h.Up(mid - 40, row);
    EXPECT_TRUE(bar.IsVisible());
    EXPECT_EQ(bar.GetScaledWidth(), X(white) - X(black));
    h.Hold(0);
    EXPECT_FALSE(bar.IsVisible());
    EXPECT_FALSE(black.IsDisabled() || white.IsDisabled());
}

TEST_F(RangeTest, AltSpreadsTheRangeAroundItsCentre)
{
    Place(0.3f, 0.7f);
    h.Hold(yPlatform::kModifierAlt);
    ASSERT_TRUE(bar.IsVisible());
    EXPECT_TRUE(range.IsSpreadMode());
    const int b0 = X(black), w0 = X(white);
    const int mid = (b0 + w0) / 2;
    h.Down(mid, row);
    ASSERT_EQ(h.context.target, &bar);
    // The last row: closed to nothing, however far the mouse goes.
    struct Row { int by; double factor; } rows[] = {{50, 1.5}, {-30, 0.7}, {-150, 0.0}};
    for (const Row& r : rows)
    {
        h.Drag(mid + r.by, row);
        EXPECT_NEAR(bar.GetScale().x, r.factor, 1e-6) << r.by;
        EXPECT_NEAR(X(white) - X(black), r.factor * (w0 - b0), 2) << r.by;
        EXPECT_NEAR((X(white) + X(black)) / 2.0, (w0 + b0) / 2.0, 1.5) << r.by;
    }
    h.Up(mid - 150, top - 75); // far from the narrowed bar: it hears no mouse-up
    h.Hold(0);
}

TEST_F(RangeTest, DeepKeepsThePlacesAndResetOpensTheWholeRangeOfAHundred)
{
    Place(0.5f, 1.0f);
    range.SetDeep(true);
    EXPECT_FLOAT_EQ(black.GetValue(), 16384.0f);
    EXPECT_FLOAT_EQ(white.GetValue(), 32768.0f);
    range.SetDeep(false);
    EXPECT_FLOAT_EQ(black.GetValue(), 127.5f);
    range.Reset();
    EXPECT_FLOAT_EQ(black.GetValue(), 0.0f);
    EXPECT_FLOAT_EQ(white.GetValue(), 100.0f);
}

