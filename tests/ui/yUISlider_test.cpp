#include "tests/ui/yUIControlTestHelpers.h"

#include "platform/yPlatform.h"
#include "ui/yUISlider.h"
#include "ui/yUISliderWNumbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Values set one after the other, as a value or as a normalised position,
// and what the slider then holds both ways.
TEST(yUISlider, ValuesMapBothWaysAndAreClamped)
{
    const float kNaN = std::numeric_limits<float>::quiet_NaN();
    struct Step
    {
        bool logarithmic;
        float minimum, maximum;
        bool normalized;
        float in, normalizedOut, valueOut;
    } const steps[] = {
        {false, 0, 255, true, 1.5f, 1.0f, 255.0f},
        {false, 0, 255, true, -0.2f, 0.0f, 0.0f},
        {false, 0, 255, true, kNaN, 0.0f, 0.0f},
        {false, 0, 255, false, 63.75f, 0.25f, 63.75f},
        {false, 0, 255, false, -5.0f, 0.0f, 0.0f},
        {false, 10, 20, true, 0.5f, 0.5f, 15.0f},
        {false, 7, 7, false, 7.0f, 0.0f, 7.0f}, // an empty range maps everything to the start
        {true, 0, 10, false, 1.0f, 0.5f, 1.0f}, // logarithmic: halves per unit
        {true, 0, 10, true, 0.25f, 0.25f, 2.0f},
        {true, 0, 10, true, 0.0f, 0.0f, 10.0f}, // log2 of infinity, clamped
    };
    int row = 0;
    for (const Step& st : steps)
    {
        yUISlider s;
        s.SetLogarithmic(st.logarithmic);
        s.SetMinimum(st.minimum);
        s.SetMaximum(st.maximum);
        if (st.normalized)
            s.SetNormalizedValue(st.in);
        else
            s.SetValue(st.in);
        EXPECT_FLOAT_EQ(s.GetNormalizedValue(), st.normalizedOut) << "row " << row;
        EXPECT_FLOAT_EQ(s.GetValue(), st.valueOut) << "row " << row;
        ++row;
    }
}

TEST(yUISlider, LockKeepsTheValueAndSendsNoChange)
{
    CommandLog log;
    yUISlider s;
    s.SetChangeCommand("Changed");
    s.AddListener(&log);
    s.SetNormalizedValue(0.5f);
    s.SetLocked(true);
    s.SetNormalizedValue(0.9f);
    s.SetValue(0.1f);
    EXPECT_EQ(s.GetNormalizedValue(), 0.5f);
    EXPECT_EQ(log.heard, std::vector<std::string>{"Changed"});
}

TEST(yUISlider, ThumbFollowsThePositionAlongTheTrack)
{
    yUISlider s;
    s.SetSliderSize(200, 30);
    s.SetNormalizedValue(0.5f);
    EXPECT_EQ(s.GetThumb().GetPosition(), yPointL(100, 0));
    s.SetTrack(0.1f, 0.9f); // travel 20..180
    s.SetNormalizedValue(0.25f);
    EXPECT_EQ(s.GetThumb().GetPosition(), yPointL(60, 0));
    s.SetOrientation(yUISlider::kVertical);
    s.SetSliderSize(20, 100);
    EXPECT_EQ(s.GetThumb().GetPosition(), yPointL(0, 30));
}

TEST(yUISlider, SliderSizeNeverGoesBelowTheMinimum)
{
    yUISlider s;
    s.SetSliderSize(100, 10);
    EXPECT_EQ(s.GetSize(), yPointL(100, 30));
    s.SetSliderSize(-50, -1);
    EXPECT_EQ(s.GetSize(), yPointL(20, 30));
    s.SetMinimumSize(5, 5);
    s.SetSliderSize(6, 4);
    EXPECT_EQ(s.GetSize(), yPointL(6, 5));
}

// A 200 pixel slider at (10, 50); its thumb starts at x 10.
struct SliderDrag : ::testing::Test
{
    ControlHarness h;
    yUISlider slider;
    void SetUp() override
    {
        slider.SetPosition(yPointL(10, 50));
        slider.SetSliderSize(200, 30);
        slider.SetMouseDownCommand("Down");
        slider.SetMouseDragCommand("Drag");
        slider.SetMouseUpCommand("Up");
        h.Add(slider);
    }
};

TEST_F(SliderDrag, DragFollowsTheMouseFromThePress)
{
    h.Down(10, 53);
    EXPECT_EQ(h.context.target, &slider.GetThumb());
    h.Drag(60, 53);
    EXPECT_FLOAT_EQ(slider.GetNormalizedValue(), 0.25f);
    h.Drag(110, 90); // only the axis counts; the start is the press, not the last drag
    EXPECT_FLOAT_EQ(slider.GetNormalizedValue(), 0.5f);
    h.Drag(500, 53);
    EXPECT_EQ(slider.GetNormalizedValue(), 1.0f);
    EXPECT_EQ(slider.GetThumb().GetPosition(), yPointL(200, 0));
    h.Up(500, 53);
    // The thumb asks for leave notifications, so the release reaches it twice.
    EXPECT_EQ(h.log.heard, (std::vector<std::string>{"Down", "Drag", "Drag", "Drag", "Up", "Up"}));
}

TEST_F(SliderDrag, AnEmptyTrackNeverMoves)
{
    slider.SetNormalizedValue(0.3f);
    slider.SetTrack(0.5f, 0.5f);
    EXPECT_EQ(slider.ScreenToPosition(yPointL(150, 53)), 0.0f);
    h.Down(110, 53);
    h.Drag(150, 53);
    EXPECT_FLOAT_EQ(slider.GetNormalizedValue(), 0.3f);
}

TEST_F(SliderDrag, ShiftDragOverTheFullWidthMovesATenth)
{
    slider.SetNormalizedValue(0.3f);
    h.Down(70, 53);
    h.Hold(yPlatform::kModifierShift);
    h.Drag(270, 53);
    EXPECT_FLOAT_EQ(slider.GetNormalizedValue(), 0.4f);
    h.Hold(0);
    h.Drag(70, 53);
    EXPECT_FLOAT_EQ(slider.GetNormalizedValue(), 0.3f);
}

TEST_F(SliderDrag, TrackPressJumpsOnlyWithClickToJump)
{
    slider.SetHitTarget(true);
    h.Down(60, 70);
    EXPECT_EQ(h.context.target, &slider);
    EXPECT_FLOAT_EQ(slider.GetNormalizedValue(), 0.25f);
    h.Up(60, 70);
    slider.SetClickToJump(false);
    h.Down(160, 70);
    EXPECT_FLOAT_EQ(slider.GetNormalizedValue(), 0.25f);
}

TEST_F(SliderDrag, VerticalSliderRisesAsTheMouseGoesDown)
{
    slider.SetOrientation(yUISlider::kVertical);
    slider.SetSliderSize(20, 200);
    slider.GetThumb().SetSize(yPointL(8, 12));
    slider.GetThumb().SetAnchor(0.0f, 0.5f);
    slider.SetNormalizedValue(0.0f);
    h.Down(14, 50 + 3);
    ASSERT_EQ(h.context.target, &slider.GetThumb());
    h.Drag(14, 50 + 3 + 100);
    EXPECT_FLOAT_EQ(slider.GetNormalizedValue(), 0.5f);
}

TEST(yUISliderWNumbers, NumbersShowTheValueAndCommitTypedNumbers)
{
    ControlHarness h;
    yUISliderWNumbers s;
    s.SetMaximum(255.0f);
    s.SetNumberActivateCommand("Editing");
    s.SetNumberDeactivateCommand("Edited");
    h.Add(s);
    s.SetNormalizedValue(0.5f);
    EXPECT_STREQ(s.GetActiveNumber().GetText(), "128"); // 127.5 with no decimals
    s.SetDecimals(1);
    EXPECT_STREQ(s.GetStaticNumber().GetText(), "127.5");

    // Typing into the static number sets the slider's value.
    yUINumberEditHidden& number = s.GetStaticNumber();
    number.ShowFrame();
    EXPECT_TRUE(number.IsEditing());
    h.Key('2');
    h.Key('5');
    h.Key(yUITextEdit::kKeyReturn);
    EXPECT_FALSE(number.IsEditing());
    EXPECT_FLOAT_EQ(s.GetValue(), 25.0f);
    EXPECT_EQ(h.log.heard, (std::vector<std::string>{"Editing", "Edited"}));
}

TEST(yUISliderWNumbers, DraggingTheStaticNumberScrubsTheValue)
{
    ControlHarness h;
    yUISliderWNumbers s;
    s.SetMaximum(100.0f);
    s.SetStaticPlace(0.5f);
    s.SetMouseDragCommand("Drag");
    s.SetMouseUpCommand("Up");
    h.Add(s);
    s.SetNormalizedValue(0.2f);
    const yRect number = s.GetStaticNumber().GetScreenRect();
    const int x = (number.left + number.right) / 2, y = (number.top + number.bottom) / 2;
    h.Down(x, y);
    ASSERT_EQ(h.context.target, &s.GetStaticNumber());
    h.Drag(x + 51, y); // a fifth of the 255 pixel track
    EXPECT_FLOAT_EQ(s.GetNormalizedValue(), 0.4f);
    h.Up(x + 51, y);
    EXPECT_FALSE(s.GetStaticNumber().IsEditing()); // a drag does not open it
    EXPECT_EQ(h.log.heard, (std::vector<std::string>{"Drag", "Up"}));
}

TEST(yUISliderWNumbers, ActiveNumberShowsOnlyNearTheThumb)
{
    ControlHarness h;
    yUISliderWNumbers s;
    h.Add(s);
    h.UsePort();
    h.Draw();
    EXPECT_FALSE(s.GetActiveNumber().IsVisible());
    EXPECT_TRUE(s.GetStaticNumber().IsVisible());
    h.Over(0, 3); // on the thumb at position 0
    ASSERT_EQ(h.context.target, &s.GetThumb());
    h.Draw();
    EXPECT_TRUE(s.GetActiveNumber().IsVisible());
    // Over the static number the active one hides, unless it is being edited.
    const yRect n = s.GetStaticNumber().GetScreenRect();
    h.Over((n.left + n.right) / 2, (n.top + n.bottom) / 2);
    ASSERT_EQ(h.context.target, &s.GetStaticNumber());
    h.Draw();
    EXPECT_FALSE(s.GetActiveNumber().IsVisible());
    s.GetActiveNumber().ShowFrame();
    h.Draw();
    EXPECT_TRUE(s.GetActiveNumber().IsVisible());
    s.SetHoverMode(true);
    h.Draw();
    EXPECT_FALSE(s.GetStaticNumber().IsVisible());
}

} // namespace
