// The panel driven as a user drives it: scripted mouse and key events routed
// through the event layer into the panel inside its window region. Clicks aim
// at the controls' laid-out places.
#include "tests/panel/zelPanelTestHelpers.h"

#include "platform/yPlatform.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

using zelTonescope::zelPanelLayout;
using zelTonescope::zelPanelSettings;
using zelTonescope::zelTonescopeUI;

namespace
{
const int kViewY = 150;

// A: 3 at bin 10 and 1 at 200; B: 2 at 20, 1 at 50 and 100; C: 3 at 30, 1 at
// 150; D: 4 at 250.
const std::vector<std::array<uint32_t, 4>> kSamples = {
    {10, 20, 30, 250}, {10, 50, 30, 250}, {10, 100, 150, 250}, {200, 20, 30, 250}};

// What the panel shows in one line: the channel toggles / the view's channels,
// the selection toggle, the view's selection flag and the swatch's being
// enabled, the selected bins, colour bars.
std::string State(const zelTonescopeUI& p)
{
    std::string on, shown;
    for (int k = 0; k < 4; ++k)
    {
        on += p.GetChannelToggle(k).IsOn() ? "1" : "0";
        shown += p.IsChannelShown(k) ? "1" : "0";
    }
    char t[100];
    std::snprintf(t, sizeof t, "%s/%s selection %d%d%d %u..%u colour %d", on.c_str(), shown.c_str(),
                  p.GetSelectionToggle().IsOn(), p.IsSelectionShown(), !p.GetSwatch().IsDisabled(),
                  p.GetSelectionFirst(), p.GetSelectionLast(), p.GetHistogram().GetDisplayInColor());
    return t;
}
const char kFresh[] = "1110/1110 selection 111 0..0 colour 1";

// The saved values in one line that shows what differs.
std::string Text(const zelPanelSettings& s)
{
    auto argb = [](const yColor8& c) { return uint32_t(c.alpha) << 24 | c.ToColorRef(); };
    char t[200];
    std::snprintf(
        t, sizeof t, "channels %d%d%d%d view %.4f..%.4f scale %.4f selection %d %d..%d colours %08x %08x",
        s.channelOn[0], s.channelOn[1], s.channelOn[2], s.channelOn[3], s.viewStart, s.viewEnd, s.scale,
        s.selectionShown, s.selectionFirst, s.selectionLast, argb(s.highlight), argb(s.swatch));
    return t;
}

struct PanelTest : ::testing::Test
{
    PanelHarness h;
    zelTonescopeUI& p = h.panel;

    void SetUp() override
    {
        h.Render(kSamples);
        h.Draw(); // builds the columns that clicks in the view read
    }
    // The middle of a laid-out control (the panel sits at the region's origin).
    static yPointL At(const yUIBaseShape& control)
    {
        const yRect r = control.GetScreenRect();
        return yPointL((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // A single click that no earlier click can turn into a double click.
    void Click(const yUIBaseShape& control, uint32_t modifiers = 0, int times = 1)
    {
        h.Hold(modifiers);
        h.Wait(2000);
        for (int i = 0; i < times; ++i)
            h.Click(At(control).x, At(control).y);
        h.Hold(0);
    }
    void ClickToggle(int k, uint32_t modifiers = 0) { Click(p.GetChannelToggle(k), modifiers); }
    // Panel x of the first view column that shows bin v.
    int XOfBin(uint32_t v)
    {
        for (unsigned long c = 1; c <= zelPanelLayout::kViewWidth; ++c)
            if (p.GetHistogram().GetColumnValue(c) == v)
                return h.ColumnX(static_cast<int>(c));
        ADD_FAILURE() << "no column shows bin " << v;
        return 0;
    }
    void Select(uint32_t from, uint32_t to)
    {
        h.Wait(2000);
        h.Down(XOfBin(from), kViewY);
        h.Drag(XOfBin(to), kViewY);
        h.Up(XOfBin(to), kViewY);
    }
    std::string Status() { return static_cast<const char*>(p.GetStatusLine().GetText()); }
    std::string Statistics() { return static_cast<const char*>(p.GetHistogram().GetName()); }
};
} // namespace

TEST_F(PanelTest, ChannelClicksFlipOrSolo)
{
    const uint32_t control = yPlatform::kModifierControl;
    const struct { int channel; uint32_t modifiers; const char* state; } rows[] = {
        {1, 0, "1010/1010"},       // a plain click flips only B
        {3, 0, "1011/1011"},       // and D
        {1, 0, "1111/1111"},       // and B back
        {2, control, "0010/0010"}, // control solos C
        {2, control, "1111/1111"}, // again: all come back
        {0, yPlatform::kModifierShift, "1000/1000"}, // any modifier solos
        {3, yPlatform::kModifierAlt, "0001/0001"},   // an off channel comes on alone
        {3, yPlatform::kModifierShift, "1111/1111"},
    };
    for (const auto& r : rows)
    {
        ClickToggle(r.channel, r.modifiers);
        h.Draw(); // the view takes the other channels' flags as it draws
        EXPECT_EQ(State(p).substr(0, 9), r.state) << "channel " << r.channel << " modifiers " << r.modifiers;
    }
}

TEST_F(PanelTest, AutoViewOnceTwiceAndThreeTimesAndTripleClickInTheView)
{
    const float autoScale = 256.0f / (3.0f / 0.0004f);
    Click(p.GetAutoViewButton());
    // From the first non-empty bin of A, B, C to one past the last.
    EXPECT_NEAR(p.GetRangeSlider().GetBlack().GetValue(), 10.0f, 1e-3);
    EXPECT_NEAR(p.GetRangeSlider().GetWhite().GetValue(), 201.0f, 1e-3);
    EXPECT_NEAR(p.GetScaleSlider().GetValue(), autoScale, 1e-4);
    EXPECT_EQ(Statistics(), "Selection: index[0] pixels[0]");

    // Twice: the whole range.
    Click(p.GetAutoViewButton(), 0, 2);
    EXPECT_EQ(Text(p.GetSettings()).substr(14, 19), "view 0.0000..1.0000");

    // Three times, or three clicks in the view: all back to the start but the
    // autoscale; in the view the last release still selects where it fell.
    for (bool inView : {false, true})
    {
        ClickToggle(3, yPlatform::kModifierControl);
        Click(p.GetColorSwitch());
        Click(p.GetSelectionToggle());
        p.GetHistogram().SetSelectionColor(yColor8(0xff, 1, 2, 3));
        p.GetHistogram().SetBackColor(yColor8(0xff, 9, 9, 9));
        p.GetScaleSlider().SetValue(1.0f);
        p.GetRangeSlider().GetBlack().SetNormalizedValue(0.25f);
        h.Draw();
        ASSERT_EQ(State(p), "0001/0001 selection 000 0..0 colour 0");
        if (inView)
        {
            h.Wait(2000);
            for (int i = 0; i < 3; ++i)
                h.Click(XOfBin(100), kViewY);
        }
        else
            Click(p.GetAutoViewButton(), 0, 3);
        zelPanelSettings expected;
        // The selection toggle was off at the clicks, so the anchor stayed at 0.
        expected.selectionLast = inView ? 100 : 0;
        expected.scale = p.GetScaleSlider().GetNormalizedValue();
        EXPECT_EQ(Text(p.GetSettings()), Text(expected));
        EXPECT_NEAR(p.GetScaleSlider().GetValue(), autoScale, 1e-4);
        h.Draw();
        EXPECT_EQ(State(p), inView ? "1110/1110 selection 111 0..100 colour 1" : kFresh);
        EXPECT_EQ(p.GetHistogram().GetBackColor(), yColor8(0x00, 0xdb, 0xdc, 0xdf));
    }
}

TEST_F(PanelTest, ClicksDragsAndShiftClicksSelectFromTheAnchor)
{
    const int farRight = h.ColumnX(zelPanelLayout::kViewWidth + 40);
    // event: d: down, s: shift-down, m: drag, u: up; x: panel x; 0 stands for the column of `bin`
    const struct { char event; int x; uint32_t bin, first, last; } rows[] = {
        {'d', 0, 100, 100, 100},
        {'m', 0, 60, 60, 100},        // drag left of the anchor
        {'m', 0, 140, 100, 140},      // and right of it
        {'m', 5, 0, 0, 100},          // past the left edge: column 1
        {'m', farRight, 0, 100, 255}, // past the right edge: column N, the view's end
        {'u', 0, 140, 100, 140},
        {'s', 0, 50, 50, 140},  // shift-click left: first moves
        {'m', 0, 150, 140, 150}, // a drag then starts from the old last
        {'u', 0, 150, 140, 150},
        {'s', 0, 180, 140, 180}, // shift-click right: last moves
        {'m', 0, 40, 40, 140},   // a drag then starts from the first
        {'u', 0, 40, 40, 140},
    };
    for (const auto& r : rows)
    {
        const int x = r.x != 0 ? r.x : XOfBin(r.bin);
        h.Wait(2000);
        h.Hold(r.event == 's' ? uint32_t(yPlatform::kModifierShift) : 0u);
        if (r.event == 'd' || r.event == 's')
            h.Down(x, kViewY);
        else if (r.event == 'm')
            h.Drag(x, kViewY);
        else
            h.Up(x, kViewY);
        EXPECT_EQ(p.GetSelectionFirst(), r.first) << r.event << " at " << x;
        EXPECT_EQ(p.GetSelectionLast(), r.last) << r.event << " at " << x;
    }
}

TEST_F(PanelTest, SelectionCountsTheTallestShownChannelAndHidesWithItsToggle)
{
    Select(10, 10);
    EXPECT_EQ(Statistics(), "Selection: index[10] pixels[3]");
    Select(10, 30);
    EXPECT_EQ(Statistics(), "Selection: min[10] max[30] pixels[8]"); // 3 + 2 + 3
    ClickToggle(2);                                                   // C off
    h.Draw();
    Select(10, 30);
    EXPECT_EQ(Statistics(), "Selection: min[10] max[30] pixels[5]"); // bin 30 held only C
    // Hidden, the selection ignores clicks, which still refresh the statistics.
    Click(p.GetSelectionToggle());
    Select(100, 100);
    EXPECT_EQ(State(p), "1100/1100 selection 000 10..30 colour 1");
    EXPECT_EQ(Statistics(), "Histogram: min[10] peak[20] max[200] pixels[4]");
    Click(p.GetSelectionToggle());
    EXPECT_EQ(State(p), "1100/1100 selection 111 10..30 colour 1");
}

TEST_F(PanelTest, StatusLineNamesTheControlUnderTheMouse)
{
    const yUIBaseShape* controls[] = {&p.GetChannelToggle(0), &p.GetRangeSlider().GetBlack().GetThumb()};
    for (const yUIBaseShape* c : controls)
    {
        h.Over(At(*c).x, At(*c).y);
        h.Draw();
        EXPECT_EQ(Status(), static_cast<const char*>(c->GetName()));
    }
    // On the scale thumb the status shows the scale exactly.
    p.GetScaleSlider().SetValue(12.5f);
    h.Over(At(p.GetScaleSlider().GetThumb()).x, At(p.GetScaleSlider().GetThumb()).y);
    h.Draw();
    EXPECT_EQ(Status(), "Histogram Scale: 12.50000000");
    // Over the view the status line reads the statistics; disabled, the panel's name.
    Select(10, 10);
    h.Draw();
    EXPECT_EQ(Status(), "Selection: index[10] pixels[3]");
    p.SetDisabled(true);
    h.Draw();
    EXPECT_EQ(Status(), static_cast<const char*>(p.GetName()));
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
    struct Row { std::array<bool, 4> shown; uint32_t first, last, peak; } rows[] = {
        {{true, true, true, false}, 10, 200, 30},   // the largest of the peaks' bins
        {{false, true, false, false}, 20, 100, 20}, // B alone
        {{false, false, false, true}, 250, 250, 250},
        {{false, false, false, false}, 100000, 0, 0}, // nothing shown
    };
    PanelHarness h;
    h.Render(kSamples);
    zelTonescopeUI& p = h.panel;
    for (const Row& r : rows)
    {
        for (int k = 0; k < 4; ++k)
            p.GetHistogram().SetChannelShown(k, r.shown[k]);
        EXPECT_EQ(p.GetFirstShownBin(), r.first) << r.first;
        EXPECT_EQ(p.GetLastShownBin(), r.last) << r.first;
        EXPECT_EQ(p.GetPeakShownBin(), r.peak) << r.first;
    }
    p.GetSelectionToggle().SetOn(false);
    p.UpdateStatistics();
    EXPECT_EQ(p.GetHistogram().GetName(), yString("Histogram: min[100000] peak[0] max[0] pixels[4]"));
    // Before any render an empty channel's first bin (-1) wins.
    PanelHarness fresh;
    fresh.panel.GetSelectionToggle().SetOn(false);
    fresh.panel.UpdateStatistics();
    EXPECT_EQ(fresh.panel.GetHistogram().GetName(),
              yString("Histogram: min[4294967295] peak[0] max[0] pixels[0]"));
}

TEST(TonescopeUISettings, SettingsCarryOverToAFreshPanelAndAreClamped)
{
    const float nan = std::nanf("");
    // view: the view, scale and selection after ApplySettings
    const struct { float start, end, scale; int32_t first, last; const char* view; } rows[] = {
        {0.25f, 0.75f, 0.5f, 7, 9, "view 0.2500..0.7500 scale 0.5000 selection 0 7..9"}, // inside: kept
        {-3.0f, 9.0f, nan, -5, -1, "view 0.0000..1.0000 scale 0.0000 selection 0 0..0"},  // below, above, NaN
        {nan, 0.0f, 4.0f, 3, 3, "view 0.0000..0.0000 scale 1.0000 selection 0 3..3"},
        {0.9f, 0.4f, 1.0f, 0, 0, "view 0.4000..0.4000 scale 1.0000 selection 0 0..0"}, // white pushes black
    };
    for (const auto& r : rows)
    {
        zelPanelSettings s;
        s.channelOn[0] = false;
        s.channelOn[3] = true;
        s.selectionShown = false;
        s.highlight = yColor8(0xff, 1, 2, 3);
        s.swatch = yColor8(0xff, 4, 5, 6);
        s.viewStart = r.start;
        s.viewEnd = r.end;
        s.scale = r.scale;
        s.selectionFirst = r.first;
        s.selectionLast = r.last;
        PanelHarness to;
        to.panel.ApplySettings(s);
        EXPECT_EQ(Text(to.panel.GetSettings()),
                  std::string("channels 0111 ") + r.view + " colours ff030201 ff060504");
        EXPECT_EQ(State(to.panel).substr(0, 23), "0111/0111 selection 000");
    }
}
