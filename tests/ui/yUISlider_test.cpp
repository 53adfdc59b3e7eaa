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
        h.Add(slider);
    }
};

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

// The static number scrubs the value when dragged and takes a typed number when clicked.
TEST(yUISliderWNumbers, StaticNumberScrubsWhenDraggedAndOpensWhenClicked)
{
    ControlHarness h;
    yUISliderWNumbers s;
    s.SetMaximum(100.0f);
    s.SetStaticPlace(0.5f);
    s.SetMouseDragCommand("Drag");
    s.SetNumberActivateCommand("Editing");
    s.SetNumberDeactivateCommand("Edited");
    h.Add(s);
    s.SetNormalizedValue(0.2f);
    yUINumberEditHidden& number = s.GetStaticNumber();
    const yRect r = number.GetScreenRect();
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    h.Down(x, y);
    h.Drag(x + 51, y); // a fifth of the 255 pixel track
    EXPECT_FLOAT_EQ(s.GetNormalizedValue(), 0.4f);
    h.Up(x + 51, y);
    EXPECT_FALSE(number.IsEditing()); // a drag does not open it
    h.Wait(1000);
    h.Click(x, y);
    ASSERT_TRUE(number.IsEditing());
    EXPECT_EQ(number.GetBoxStyle(), yUIBox::kBoxSunken); // a frame only while open
    for (char c : std::string("1234567"))
        h.Key(c);
    // The number fits itself to its text.
    EXPECT_EQ(number.GetSize().x, number.GetTextControl().GetSize().x + yUINumberEditHidden::kTextPadding);
    h.Wait(1000);
    h.Click(250, 250); // elsewhere: closed and read back
    EXPECT_FALSE(number.IsEditing());
    EXPECT_EQ(number.GetBoxStyle(), yUIBox::kBoxNone);
    EXPECT_FLOAT_EQ(s.GetValue(), 100.0f); // clamped
    EXPECT_EQ(h.log.heard, (std::vector<std::string>{"Drag", "Editing", "Edited"}));
}

TEST(yUISliderWNumbers, ActiveNumberHidesOverTheStaticOneUnlessEdited)
{
    ControlHarness h;
    yUISliderWNumbers s;
    h.Add(s);
    h.UsePort();
    const yRect n = s.GetStaticNumber().GetScreenRect();
    h.Over((n.left + n.right) / 2, (n.top + n.bottom) / 2);
    h.Draw();
    EXPECT_FALSE(s.GetActiveNumber().IsVisible());
    s.GetActiveNumber().ShowFrame();
    h.Draw();
    EXPECT_TRUE(s.GetActiveNumber().IsVisible());
}

} // namespace
