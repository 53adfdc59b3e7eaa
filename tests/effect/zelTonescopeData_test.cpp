#include "effect/plugin/zelTonescopePlugin.h"
#include "standalone/emulator/yHostPlatform.h"
#include "tests/host/yAETestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

using namespace zelTonescope;

namespace
{
std::vector<uint8_t> Flat(const zelTonescopeData& data)
{
    std::vector<uint8_t> record(zelTonescopeDataFlat::kSize, 0);
    record[0] = 0xBC;
    data.Flatten(record.data());
    return record;
}

// Settings unlike every default.
zelPanelSettings Unusual()
{
    zelPanelSettings s;
    s.channelOn[0] = false;
    s.channelOn[3] = true;
    s.viewStart = 0.25f;
    s.viewEnd = 0.75f;
    s.scale = 0.6f;
    s.selectionShown = false;
    s.highlight = yColor8(255, 1, 2, 3);
    s.swatch = s.highlight;
    s.selectionFirst = 17;
    s.selectionLast = 180;
    return s;
}

// One effect instance, set up through the host.
struct Instance : ::testing::Test
{
    void SetUp() override
    {
        yStandalone::yHostPlatform::Instance().Reset();
        ASSERT_EQ(host.Call(PF_Cmd_PARAMS_SETUP), PF_Err_NONE);
        std::string refused;
        ASSERT_TRUE(host.MakeArbitraryValues(refused)) << refused;
        valueHandles = host.LiveHandles();
        ASSERT_EQ(host.Call(PF_Cmd_SEQUENCE_SETUP), PF_Err_NONE);
    }
    void TearDown() override
    {
        EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_SETDOWN), PF_Err_NONE);
        host.DisposeArbitraryValues();
        EXPECT_EQ(host.LiveHandles(), 0u);
        EXPECT_EQ(host.BadHandleUses(), 0);
    }
    zelTonescopeData* Live() { return yAETest::LiveData<zelTonescopePlugin>(host); }

    yStandalone::yEffectHost host{&yAETest::Entry<zelTonescopePlugin>, yStandalone::kLinkedProfile};
    size_t valueHandles = 0; // the panel parameter's default and value, where the host keeps them
};
} // namespace

TEST(zelTonescopeData, ReadingARecordSetsTogglesClampsPositionsAndTellsThePanel)
{
    zelTonescopeData source;
    source.GetPanel().ApplySettings(Unusual());
    std::vector<uint8_t> r = Flat(source);

    r[2] = 0;  // channel B off
    r[20] = 2; // any non-zero byte shows the selection
    const float outside[3] = {-0.5f, 3.0f, NAN};
    std::memcpy(&r[8], outside, sizeof outside); // view start, end, scale

    zelTonescopeData data;
    data.Unflatten(r.data());
    const zelPanelSettings s = data.GetPanel().GetSettings();
    EXPECT_TRUE(s.selectionShown);
    EXPECT_EQ(std::vector<float>({s.viewStart, s.viewEnd, s.scale}), std::vector<float>({0.0f, 1.0f, 0.0f}));
    EXPECT_EQ(std::vector<bool>(s.channelOn, s.channelOn + 4), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(s.swatch, yColor8(255, 1, 2, 3)) << "the swatch shows the highlight colour";
    // What the render reads follows the toggles at once, without a draw.
    const zelTonescopeUI& panel = data.GetPanel();
    EXPECT_EQ(panel.IsChannelShown(0) + 2 * panel.IsChannelShown(1) + 4 * panel.IsChannelShown(3), 4);
    EXPECT_TRUE(panel.IsSelectionShown());
    EXPECT_EQ(panel.GetSelectionFirst(), 17u);
    EXPECT_EQ(panel.GetSelectionLast(), 180u);
    EXPECT_EQ(panel.GetHighlightColor(), yColor8(255, 1, 2, 3));
}

TEST_F(Instance, FlattenThenResetupRestoresEveryPanelValue)
{
    ASSERT_NE(Live(), nullptr);
    Live()->GetPanel().ApplySettings(Unusual());
    const std::vector<uint8_t> record = Flat(*Live());

    EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_FLATTEN), PF_Err_NONE);
    EXPECT_EQ(host.HandleBytes(host.InData().sequence_data), record);
    EXPECT_EQ(host.LiveHandles(), valueHandles + 1) << "only the flat record is left";

    EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_RESETUP), PF_Err_NONE);
    EXPECT_EQ(host.OutData().out_flags & PF_OutFlag_FORCE_RERENDER, PF_OutFlag_FORCE_RERENDER);
    ASSERT_NE(Live(), nullptr);
    EXPECT_EQ(Flat(*Live()), record);
}

TEST_F(Instance, ClickingAChannelToggleTurnsItOffAndMarksTheParameterChanged)
{
    yAETest::Window window(400, 360);
    host.SetDrawWindow(&window.surface, &window.surface);
    PF_EventExtra e = {};
    e.contextH = host.WindowContext();
    e.effect_win.area = PF_EA_CONTROL;
    e.effect_win.current_frame = {10, 20, 310, 320};
    e.e_type = PF_Event_DRAW;
    EXPECT_EQ(host.Call(PF_Cmd_EVENT, nullptr, &e), PF_Err_NONE);

    const yRect toggle = Live()->GetPanel().GetChannelToggle(0).GetScreenRect();
    ASSERT_GT(toggle.Width(), 2);
    e.e_type = PF_Event_DO_CLICK;
    e.u.do_click.screen_point = {(toggle.left + toggle.right) / 2 - 10, (toggle.top + toggle.bottom) / 2 - 20};
    EXPECT_EQ(host.Call(PF_Cmd_EVENT, nullptr, &e), PF_Err_NONE);
    EXPECT_EQ(host.Param(kParamHistogram).def.uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
    EXPECT_FALSE(Live()->GetPanel().GetChannelToggle(0).IsOn());
    // The render's copy follows at the next draw.
    e.e_type = PF_Event_DRAW;
    host.Call(PF_Cmd_EVENT, nullptr, &e);
    EXPECT_FALSE(Live()->GetPanel().IsChannelShown(0));
}

