// The panel driven as a user drives it: scripted mouse and key events routed
// through the event layer into the panel inside its 340 x 300 window region.
#include "tests/panel/zelPanelTestHelpers.h"

#include "platform/yPlatform.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

using zelTonescope::zelPanelSettings;
using zelTonescope::zelTonescopeUI;

namespace
{
// Centres of the top row's controls (bottom edges at y 20).
const int kRowY = 12;
const int kToggleX[4] = {157, 173, 189, 205};
const int kShowSelectionX = 221;
const int kSwatchX = 237;
const int kColorSwitchX = 257;
const int kAutoViewX = 284;
const int kViewY = 150;

// A: 3 at bin 10 and 1 at 200; B: 2 at 20, 1 at 50 and 100; C: 3 at 30, 1 at
// 150; D: 4 at 250.
const std::vector<std::array<uint32_t, 4>> kSamples = {
    {10, 20, 30, 250}, {10, 50, 30, 250}, {10, 100, 150, 250}, {200, 20, 30, 250}};

struct PanelTest : ::testing::Test
{
    PanelHarness h;
    zelTonescopeUI& p = h.panel;

    void SetUp() override
    {
        h.Render(kSamples);
        h.Draw(); // builds the columns that clicks in the view read
    }
    // A single click that no earlier click can turn into a double click.
    void Click(int x, int y)
    {
        h.Wait(2000);
        h.Click(x, y);
    }
    void ControlClick(int x, int y)
    {
        h.Hold(yPlatform::kModifierControl);
        Click(x, y);
        h.Hold(0);
    }
    bool On(int k) { return p.GetChannelToggle(k).IsOn(); }
    std::string Channels()
    {
        std::string s;
        for (int k = 0; k < 4; ++k)
            s += On(k) ? "1" : "0";
        return s;
    }
    // Panel x of the first view column that shows bin v.
    int XOfBin(uint32_t v)
    {
        for (int c = 1; c <= 260; ++c)
            if (p.GetHistogram().GetColumnValue(c) == v)
                return 40 + c;
        ADD_FAILURE() << "no column shows bin " << v;
        return 40;
    }
    std::string Status() { return static_cast<const char*>(p.GetStatusLine().GetText()); }
    std::string Statistics() { return static_cast<const char*>(p.GetHistogram().GetName()); }
    float Black() { return p.GetRangeSlider().GetBlack().GetValue(); }
    float White() { return p.GetRangeSlider().GetWhite().GetValue(); }
};
} // namespace

TEST(TonescopeUIStart, ControlsStartInPlaceWithTheDefaults)
{
    PanelHarness h;
    zelTonescopeUI& p = h.panel;
    EXPECT_EQ(p.GetSettings().channelOn[3], false);
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(p.GetChannelToggle(k).IsOn() && p.IsChannelShown(k));
    EXPECT_FALSE(p.IsChannelShown(3));
    EXPECT_TRUE(p.IsSelectionShown());
    EXPECT_FALSE(p.GetSwatch().IsDisabled());
    EXPECT_EQ(p.GetHighlightColor(), yColor8(0xff, 0x4b, 0x9b, 0xff));
    EXPECT_EQ(p.GetSwatch().GetColor(), p.GetHighlightColor());
    EXPECT_FLOAT_EQ(p.GetScaleSlider().GetValue(), 25.0f);
    EXPECT_TRUE(p.GetHistogram().GetDisplayInColor());
    EXPECT_EQ(p.GetChannelToggle(0).GetText(), yString("R"));

    // The top row is packed leftward from the view's right edge, sharing one column.
    EXPECT_EQ(p.GetAutoViewButton().GetPosition(), yPointL(300, 20));
    EXPECT_EQ(p.GetColorSwitch().GetPosition(), yPointL(270, 20));
    EXPECT_EQ(p.GetChannelToggle(0).GetPosition(), yPointL(166, 20));
    EXPECT_EQ(p.GetStatusLine().GetSize(), yPointL(150, 17));
    EXPECT_EQ(p.GetScaleSlider().GetPosition(), yPointL(299, 19));
    EXPECT_EQ(p.GetRangeSlider().GetSize(), yPointL(257, 20));

    // Children in drawing and hit-test order, the view first.
    EXPECT_EQ(p.GetFirstChild(), &p.GetHistogram());
    EXPECT_EQ(p.GetFirstChild()->GetNextSibling(), &p.GetStatusLine());
    EXPECT_EQ(p.GetFirstChild()->GetLastSibling(), &p.GetRangeSlider());
}

TEST_F(PanelTest, ControlClickSolosEachChannelAndAgainBringsAllBack)
{
    for (int k = 0; k < 4; ++k)
    {
        ControlClick(kToggleX[k], kRowY);
        std::string solo = "0000";
        solo[k] = '1';
        EXPECT_EQ(Channels(), solo) << "solo " << k;
        h.Draw();
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(p.IsChannelShown(j), j == k);
        ControlClick(kToggleX[k], kRowY);
        EXPECT_EQ(Channels(), "1111") << "un-solo " << k;
    }
}

TEST_F(PanelTest, ControlClickOnAnOffChannelTurnsItOnAlone)
{
    ControlClick(kToggleX[3], kRowY);
    EXPECT_EQ(Channels(), "0001");
    EXPECT_TRUE(p.IsChannelShown(3));
}

TEST_F(PanelTest, PlainClickFlipsOnlyThatChannel)
{
    Click(kToggleX[1], kRowY);
    EXPECT_EQ(Channels(), "1010");
    h.Draw();
    EXPECT_FALSE(p.IsChannelShown(1));
    Click(kToggleX[3], kRowY);
    EXPECT_EQ(Channels(), "1011");
    Click(kToggleX[1], kRowY);
    EXPECT_EQ(Channels(), "1111");
}

TEST_F(PanelTest, AutoViewOnceTwiceAndThreeTimes)
{
    const float autoScale = 256.0f / (3.0f / 0.0004f);
    Click(kAutoViewX, kRowY);
    EXPECT_NEAR(Black(), 10.0f, 1e-3); // first non-empty bin of A, B, C
    EXPECT_NEAR(White(), 201.0f, 1e-3); // last one plus one
    EXPECT_NEAR(p.GetScaleSlider().GetValue(), autoScale, 1e-4);

    // Twice: the whole range.
    h.Wait(2000);
    h.Click(kAutoViewX, kRowY);
    h.Click(kAutoViewX, kRowY);
    EXPECT_FLOAT_EQ(p.GetRangeSlider().GetBlack().GetNormalizedValue(), 0.0f);
    EXPECT_FLOAT_EQ(p.GetRangeSlider().GetWhite().GetNormalizedValue(), 1.0f);

    // Three times: everything back to its start.
    ControlClick(kToggleX[3], kRowY);
    Click(kColorSwitchX, kRowY);
    Click(kShowSelectionX, kRowY);
    ASSERT_EQ(Channels(), "0001");
    h.Wait(2000);
    for (int i = 0; i < 3; ++i)
        h.Click(kAutoViewX, kRowY);
    EXPECT_EQ(Channels(), "1110");
    EXPECT_EQ(p.GetColorSwitch().GetState(), 0u);
    EXPECT_TRUE(p.GetHistogram().GetDisplayInColor());
    EXPECT_TRUE(p.GetSelectionToggle().IsOn());
    EXPECT_FALSE(p.GetSwatch().IsDisabled());
    EXPECT_FLOAT_EQ(p.GetRangeSlider().GetWhite().GetNormalizedValue(), 1.0f);
    EXPECT_NEAR(p.GetScaleSlider().GetValue(), autoScale, 1e-4);
}

TEST_F(PanelTest, TripleClickInTheHistogramResetsEverything)
{
    ControlClick(kToggleX[1], kRowY);
    Click(kColorSwitchX, kRowY);
    p.GetRangeSlider().GetBlack().SetNormalizedValue(0.25f);
    p.GetHistogram().SetSelectionColor(yColor8(0xff, 1, 2, 3));
    h.Draw();
    const int x = 40 + 130;
    h.Wait(2000);
    for (int i = 0; i < 3; ++i)
        h.Click(x, kViewY);
    EXPECT_EQ(Channels(), "1110");
    EXPECT_TRUE(p.GetHistogram().GetDisplayInColor());
    EXPECT_FLOAT_EQ(p.GetRangeSlider().GetBlack().GetNormalizedValue(), 0.0f);
    EXPECT_EQ(p.GetHighlightColor(), yColor8(0xff, 0x4b, 0x9b, 0xff));
    // The release that completed the triple click still selects where it fell.
    const uint32_t v = p.GetHistogram().GetColumnValue(130);
    EXPECT_EQ(p.GetSelectionFirst(), v);
    EXPECT_EQ(p.GetSelectionLast(), v);
}

TEST_F(PanelTest, ClickSelectsOneBinAndDraggingExtendsFromTheAnchor)
{
    Click(XOfBin(100), kViewY);
    EXPECT_EQ(p.GetSelectionFirst(), 100u);
    EXPECT_EQ(p.GetSelectionLast(), 100u);
    h.Wait(2000);
    h.Down(XOfBin(100), kViewY);
    h.Drag(XOfBin(60), kViewY);
    EXPECT_EQ(p.GetSelectionFirst(), 60u);
    EXPECT_EQ(p.GetSelectionLast(), 100u);
    h.Drag(XOfBin(140), kViewY);
    EXPECT_EQ(p.GetSelectionFirst(), 100u);
    EXPECT_EQ(p.GetSelectionLast(), 140u);
    h.Up(XOfBin(140), kViewY);
    EXPECT_EQ(p.GetSelectionLast(), 140u);
}

TEST_F(PanelTest, ShiftClickExtendsTheSelectionAndDragsFromItsOtherEnd)
{
    struct Case
    {
        uint32_t shiftBin, first, last; // after the shift-click on a selection of bin 100
        uint32_t dragBin, draggedFirst, draggedLast;
    } cases[] = {
        {50, 50, 100, 150, 100, 150}, // left: first moves, drags start from the old last
        {180, 100, 180, 40, 40, 100}, // right: last moves, drags start from the first
    };
    for (const Case& c : cases)
    {
        Click(XOfBin(100), kViewY);
        h.Hold(yPlatform::kModifierShift);
        h.Wait(2000);
        h.Down(XOfBin(c.shiftBin), kViewY);
        h.Hold(0);
        EXPECT_EQ(p.GetSelectionFirst(), c.first) << "shift-click at " << c.shiftBin;
        EXPECT_EQ(p.GetSelectionLast(), c.last) << "shift-click at " << c.shiftBin;
        h.Drag(XOfBin(c.dragBin), kViewY);
        EXPECT_EQ(p.GetSelectionFirst(), c.draggedFirst) << "drag to " << c.dragBin;
        EXPECT_EQ(p.GetSelectionLast(), c.draggedLast) << "drag to " << c.dragBin;
        h.Up(XOfBin(c.dragBin), kViewY);
    }
}

TEST_F(PanelTest, DragsPastTheViewsEdgesSelectColumnOneAndColumnN)
{
    h.Wait(2000);
    h.Down(XOfBin(100), kViewY);
    h.Drag(5, kViewY);
    EXPECT_EQ(p.GetSelectionFirst(), p.GetHistogram().GetColumnValue(1));
    EXPECT_EQ(p.GetSelectionLast(), 100u);
    h.Drag(339, kViewY);
    EXPECT_EQ(p.GetSelectionFirst(), 100u);
    EXPECT_EQ(p.GetSelectionLast(), 255u); // column N shows the view's end
    h.Up(339, kViewY);
}

TEST_F(PanelTest, HiddenSelectionDisablesTheSwatchAndIgnoresClicksButRefreshesStatistics)
{
    Click(XOfBin(10), kViewY);
    EXPECT_EQ(Statistics(), "Selection: index[10] pixels[3]");
    Click(kShowSelectionX, kRowY);
    EXPECT_FALSE(p.GetSelectionToggle().IsOn());
    EXPECT_FALSE(p.IsSelectionShown());
    EXPECT_TRUE(p.GetSwatch().IsDisabled());

    Click(XOfBin(100), kViewY);
    EXPECT_EQ(p.GetSelectionFirst(), 10u);
    EXPECT_EQ(Statistics(), "Histogram: min[10] peak[30] max[200] pixels[4]");

    Click(kShowSelectionX, kRowY);
    EXPECT_TRUE(p.IsSelectionShown());
    EXPECT_FALSE(p.GetSwatch().IsDisabled());
}

TEST_F(PanelTest, SelectionStatisticsCountTheLargestShownChannelPerBin)
{
    h.Wait(2000);
    h.Down(XOfBin(10), kViewY);
    h.Drag(XOfBin(30), kViewY);
    h.Up(XOfBin(30), kViewY);
    EXPECT_EQ(Statistics(), "Selection: min[10] max[30] pixels[8]"); // 3 + 2 + 3
    Click(kToggleX[2], kRowY); // C off
    h.Draw();
    h.Wait(2000);
    h.Down(XOfBin(10), kViewY);
    h.Up(XOfBin(30), kViewY);
    EXPECT_EQ(Statistics(), "Selection: min[10] max[30] pixels[5]"); // bin 30 held only C
}

TEST_F(PanelTest, StatusLineNamesTheControlUnderTheMouse)
{
    h.Over(kToggleX[0], kRowY);
    h.Draw();
    EXPECT_EQ(Status(), "Red Channel (control-click to solo)");
    h.Over(kAutoViewX, kRowY);
    h.Draw();
    EXPECT_EQ(Status(), "Auto View (double-click Reset View) (triple-click Reset All)");
    h.Over(100, 283);
    h.Draw();
    EXPECT_EQ(Status(), "View Ranges (hold control key to pan)");
    h.Over(42, 279);
    h.Draw();
    EXPECT_EQ(Status(), "View Ranges: Black (hold control key to pan)");

    // On the scale thumb the status shows the scale exactly.
    p.GetScaleSlider().SetValue(12.5f);
    const int thumbY = 19 + p.GetScaleSlider().PositionToCoordinate(0.125f);
    h.Over(303, thumbY);
    ASSERT_EQ(h.context.target, &p.GetScaleSlider().GetThumb());
    h.Draw();
    EXPECT_EQ(Status(), "Histogram Scale: 12.50000000");
    EXPECT_EQ(p.GetScaleSlider().GetName(), yString("Histogram Scale: 12.50000000"));

    // Over the view the status line reads the statistics.
    Click(XOfBin(10), kViewY);
    h.Draw();
    EXPECT_EQ(Status(), "Selection: index[10] pixels[3]");
}

TEST_F(PanelTest, DrawCopiesTheControlsIntoTheView)
{
    p.GetScaleSlider().SetValue(40.0f);
    p.GetRangeSlider().GetBlack().SetValue(20.0f);
    p.GetRangeSlider().GetWhite().SetValue(120.0f);
    h.Draw();
    const yHistogramColumns& columns = p.GetHistogram().GetColumns();
    EXPECT_FLOAT_EQ(columns.GetScale(), 40.0f);
    EXPECT_EQ(columns.GetViewStart(), 20u);
    EXPECT_EQ(columns.GetViewEnd(), 120u);
    EXPECT_EQ(columns.GetColumnCount(), 260u);
}

TEST_F(PanelTest, ColourSwitchTogglesBlackBarsAndBack)
{
    Click(kColorSwitchX, kRowY);
    EXPECT_EQ(p.GetColorSwitch().GetState(), 1u);
    EXPECT_FALSE(p.GetHistogram().GetDisplayInColor());
    Click(kColorSwitchX, kRowY);
    EXPECT_EQ(p.GetColorSwitch().GetState(), 0u);
    EXPECT_TRUE(p.GetHistogram().GetDisplayInColor());
}

TEST_F(PanelTest, ColourPickerResultGoesToTheSwatchAndTheHighlight)
{
    // The scripted platform cancels the chooser, which yields opaque black.
    Click(kSwatchX, kRowY);
    EXPECT_EQ(p.GetHighlightColor(), yColor8(0xff, 0, 0, 0));
    EXPECT_EQ(p.GetSwatch().GetColor(), p.GetHighlightColor());
}

TEST_F(PanelTest, EveryCommandIsPassedOnToTheListeners)
{
    h.log.heard.clear();
    Click(kToggleX[0], kRowY);
    Click(38 + 16, 8); // the logo
    p.GetScaleSlider().SetValue(30.0f);
    const std::vector<std::string> expected = {"ChannelAToggleCommand", "LogoMouseUpCommand", "ScaleSliderChange"};
    EXPECT_EQ(h.log.heard, expected);
}

TEST(TonescopeUIModel, CaptionsFollowTheColourModel)
{
    PanelHarness h;
    h.panel.SetColorModel(3);
    EXPECT_EQ(h.panel.GetChannelToggle(1).GetText(), yString("S"));
    EXPECT_EQ(h.panel.GetChannelToggle(1).GetName(), yString("Saturation Channel (control-click to solo)"));
    EXPECT_EQ(h.panel.GetHistogram().GetColorModel(), 3);
    h.panel.SetColorModel(5);
    EXPECT_EQ(h.panel.GetChannelToggle(3).GetName(), yString("Black Channel (control-click to solo)"));
    h.panel.SetColorModel(42); // unknown models read as RGB
    EXPECT_EQ(h.panel.GetChannelToggle(0).GetText(), yString("R"));
    EXPECT_EQ(h.panel.GetChannelToggle(3).GetName(), yString("Alpha Channel (control-click to solo)"));
}

TEST(TonescopeUIRender, BeginHistogramSwitchesEverythingToTheBitDepth)
{
    PanelHarness h;
    zelTonescopeUI& p = h.panel;
    p.GetHistogram().SetSelection(1, 255);
    p.GetRangeSlider().GetBlack().SetNormalizedValue(0.5f);
    ASSERT_TRUE(p.BeginHistogram(true, 200000));
    EXPECT_FLOAT_EQ(p.GetAccumulator().GetDivisor(), 2.0f);
    EXPECT_EQ(p.GetAccumulator().GetBinCount(), 32769u);
    EXPECT_EQ(p.GetSelectionFirst(), 128u);
    EXPECT_EQ(p.GetSelectionLast(), 32767u);
    EXPECT_FLOAT_EQ(p.GetRangeSlider().GetBlack().GetValue(), 16384.0f);
    p.AddSample(32768, 0, 0, 0);
    p.EndHistogram();
    EXPECT_TRUE(p.GetAccumulator().IsValid());
    EXPECT_EQ(p.GetLastShownBin(), 32768u);

    ASSERT_TRUE(p.BeginHistogram(false, 20000));
    EXPECT_FLOAT_EQ(p.GetAccumulator().GetDivisor(), 2.0f);
    EXPECT_EQ(p.GetSelectionLast(), 255u);
    EXPECT_FALSE(p.GetAccumulator().IsValid());
}

TEST(TonescopeUIRender, ShownBinsFoldOnlyTheShownChannels)
{
    PanelHarness h;
    h.Render(kSamples);
    zelTonescopeUI& p = h.panel;
    EXPECT_EQ(p.GetFirstShownBin(), 10u);
    EXPECT_EQ(p.GetLastShownBin(), 200u);
    EXPECT_EQ(p.GetPeakShownBin(), 30u);
    for (int k = 0; k < 4; ++k)
        p.GetHistogram().SetChannelShown(k, false);
    EXPECT_EQ(p.GetFirstShownBin(), 100000u);
    EXPECT_EQ(p.GetLastShownBin(), 0u);
    p.GetSelectionToggle().SetOn(false);
    p.UpdateStatistics();
    EXPECT_EQ(p.GetHistogram().GetName(), yString("Histogram: min[100000] peak[0] max[0] pixels[4]"));
}

TEST(TonescopeUISettings, SettingsCarryOverToAFreshPanelAndAreClamped)
{
    PanelHarness from;
    from.panel.GetRangeSlider().GetWhite().SetNormalizedValue(0.75f);
    from.panel.GetRangeSlider().GetBlack().SetNormalizedValue(0.25f);
    from.panel.GetScaleSlider().SetNormalizedValue(0.5f);
    from.Click(kToggleX[0], kRowY);
    from.Click(kShowSelectionX, kRowY);
    from.panel.GetHistogram().SetSelection(7, 9);
    const zelPanelSettings s = from.panel.GetSettings();
    EXPECT_FALSE(s.channelOn[0]);
    EXPECT_FALSE(s.selectionShown);

    PanelHarness to;
    to.panel.ApplySettings(s);
    const zelPanelSettings t = to.panel.GetSettings();
    for (int k = 0; k < 4; ++k)
    {
        EXPECT_EQ(t.channelOn[k], s.channelOn[k]);
        EXPECT_EQ(to.panel.IsChannelShown(k), s.channelOn[k]);
    }
    EXPECT_FLOAT_EQ(t.viewStart, 0.25f);
    EXPECT_FLOAT_EQ(t.viewEnd, 0.75f);
    EXPECT_FLOAT_EQ(t.scale, 0.5f);
    EXPECT_FALSE(to.panel.IsSelectionShown());
    EXPECT_TRUE(to.panel.GetSwatch().IsDisabled());
    EXPECT_EQ(t.selectionFirst, 7);
    EXPECT_EQ(t.selectionLast, 9);

    zelPanelSettings bad;
    bad.viewStart = -3.0f;
    bad.viewEnd = 9.0f;
    bad.scale = std::nanf("");
    bad.selectionFirst = -5;
    to.panel.ApplySettings(bad);
    const zelPanelSettings u = to.panel.GetSettings();
    EXPECT_FLOAT_EQ(u.viewStart, 0.0f);
    EXPECT_FLOAT_EQ(u.viewEnd, 1.0f);
    EXPECT_FLOAT_EQ(u.scale, 0.0f);
    EXPECT_EQ(u.selectionFirst, 0);
}
