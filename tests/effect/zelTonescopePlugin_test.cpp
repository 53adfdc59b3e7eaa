#include "tests/host/yAEFakeHost.h"
#include "effect/plugin/zelTonescopePlugin.h"

#include <gtest/gtest.h>

#include <string>

using zelTonescope::zelTonescopePlugin;

namespace
{
constexpr PF_Fixed Fixed(int whole)
{
    return whole * 65536;
}

struct Dispatched
{
    void Run(PF_Cmd command) { plugin.Main(command, &host.in, &host.out, nullptr, nullptr, nullptr); }
    FakeHost host;
    zelTonescopePlugin plugin;
};
} // namespace

TEST(zelTonescopePlugin, GlobalSetupAnnouncesVersionAndFlags)
{
    Dispatched d;
    d.Run(PF_Cmd_GLOBAL_SETUP);
    EXPECT_EQ(d.host.out.my_version, 0x110600u);
    EXPECT_EQ(d.host.out.out_flags, 0x6088013);
    EXPECT_EQ(d.host.out.out_flags2, 8);
    EXPECT_NE(d.host.out.global_data, nullptr);
    EXPECT_EQ(d.plugin.err, PF_Err_NONE);
}

TEST(zelTonescopePlugin, GlobalSetupKeepsFlagsTheHostAlreadySet)
{
    Dispatched d;
    d.host.out.out_flags = PF_OutFlag_DISPLAY_ERROR_MESSAGE;
    d.host.out.out_flags2 = PF_OutFlag2_I_USE_3D_LIGHTS;
    d.Run(PF_Cmd_GLOBAL_SETUP);
    EXPECT_EQ(d.host.out.out_flags, 0x6088013 | PF_OutFlag_DISPLAY_ERROR_MESSAGE);
    EXPECT_EQ(d.host.out.out_flags2, 8 | PF_OutFlag2_I_USE_3D_LIGHTS);
}

TEST(zelTonescopePlugin, NamesAfterConstruction)
{
    zelTonescopePlugin plugin;
    EXPECT_EQ(plugin.GetPluginName(), "Plugin");
    EXPECT_EQ(plugin.yBroadcaster::GetName(), "zelTonescopePlugin");
}

TEST(zelTonescopePlugin, ParamsSetupAddsTheSevenParameters)
{
    Dispatched d;
    d.Run(PF_Cmd_PARAMS_SETUP);
    ASSERT_EQ(d.plugin.err, PF_Err_NONE);
    EXPECT_EQ(d.host.out.num_params, 8);
    const auto& p = d.host.addedParams;
    ASSERT_EQ(p.size(), 7u);
    for (size_t i = 0; i < p.size(); ++i)
        EXPECT_EQ(p[i].uu.id, A_long(i + 1)) << "parameter " << i + 1;

    EXPECT_STREQ(p[0].name, "Color Model");
    EXPECT_EQ(p[0].param_type, PF_Param_POPUP);
    EXPECT_EQ(p[0].u.pd.num_choices, 12);
    EXPECT_EQ(p[0].u.pd.value, 1);
    EXPECT_EQ(p[0].u.pd.dephault, 1);
    EXPECT_STREQ(p[0].u.pd.u.namesptr, "RGB|HLS|HSV|CMY|CMYK|XYZ|xyY|Y'UV|Y'IQ|Lab|Luv|");
    EXPECT_EQ(p[0].flags, 64);
    EXPECT_EQ(p[0].ui_flags, 0);

    EXPECT_STREQ(p[1].name, "");
    EXPECT_EQ(p[1].param_type, PF_Param_CHECKBOX);
    EXPECT_EQ(p[1].u.bd.value, 0);
    EXPECT_EQ(p[1].u.bd.dephault, 0);
    EXPECT_STREQ(p[1].u.bd.u.nameptr, "Render Output");
    EXPECT_EQ(p[1].flags, 0);
    EXPECT_EQ(p[1].ui_flags, 0);

    EXPECT_STREQ(p[2].name, "Histogram");
    EXPECT_EQ(p[2].param_type, PF_Param_ARBITRARY_DATA);
    EXPECT_EQ(p[2].ui_width, 300);
    EXPECT_EQ(p[2].ui_height, 300);
    EXPECT_EQ(p[2].u.arb_d.id, 3);
    EXPECT_EQ(p[2].u.arb_d.dephault, nullptr);
    EXPECT_EQ(p[2].u.arb_d.value, nullptr);
    EXPECT_EQ(p[2].u.arb_d.refconPV, reinterpret_cast<void*>(uintptr_t(0xDEADBEEF)));
    EXPECT_EQ(p[2].flags, 2);
    EXPECT_EQ(p[2].ui_flags, 0x82);

    EXPECT_STREQ(p[3].name, "Sample");
    EXPECT_EQ(p[3].param_type, PF_Param_POPUP);
    EXPECT_EQ(p[3].u.pd.num_choices, 3);
    EXPECT_EQ(p[3].u.pd.value, 2);
    EXPECT_STREQ(p[3].u.pd.u.namesptr, "Region|Whole Image|");
    EXPECT_EQ(p[3].flags, 64);

    EXPECT_STREQ(p[4].name, "Position");
    EXPECT_EQ(p[4].param_type, PF_Param_POINT);
    EXPECT_EQ(p[4].u.td.x_dephault, Fixed(50));
    EXPECT_EQ(p[4].u.td.y_dephault, Fixed(50));
    EXPECT_EQ(p[4].u.td.x_value, Fixed(50));
    EXPECT_EQ(p[4].u.td.y_value, Fixed(50));
    EXPECT_EQ(p[4].u.td.restrict_bounds, 0);
    EXPECT_EQ(p[4].flags, 0);

    for (size_t i : {5u, 6u})
    {
        const PF_FixedSliderDef& s = p[i].u.fd;
        EXPECT_STREQ(p[i].name, i == 5 ? "Width" : "Height");
        EXPECT_EQ(p[i].param_type, PF_Param_FIX_SLIDER);
        EXPECT_EQ(s.valid_min, Fixed(-10000));
        EXPECT_EQ(s.valid_max, Fixed(10000));
        EXPECT_EQ(s.slider_min, 0);
        EXPECT_EQ(s.slider_max, Fixed(200));
        EXPECT_EQ(s.value, Fixed(100));
        EXPECT_EQ(s.dephault, Fixed(100));
        EXPECT_EQ(s.precision, 2);
        EXPECT_EQ(s.display_flags, 0);
        EXPECT_STREQ(s.value_str, "");
        EXPECT_STREQ(s.value_desc, "");
        EXPECT_EQ(p[i].flags, 32);
        EXPECT_EQ(p[i].ui_flags, 0);
    }
}

TEST(zelTonescopePlugin, ParamsSetupRegistersThePanelBeforeAddingIt)
{
    Dispatched d;
    d.Run(PF_Cmd_PARAMS_SETUP);
    ASSERT_EQ(d.host.registeredUIs.size(), 1u);
    const PF_CustomUIInfo& ui = d.host.registeredUIs[0];
    EXPECT_EQ(ui.events, PF_CustomEFlag_EFFECT);
    EXPECT_EQ(ui.reserved, 0);
    EXPECT_TRUE(ui.comp_ui_width == 0 && ui.comp_ui_height == 0 && ui.comp_ui_alignment == 0 &&
                ui.layer_ui_width == 0 && ui.layer_ui_height == 0 && ui.layer_ui_alignment == 0 &&
                ui.preview_ui_width == 0 && ui.preview_ui_height == 0 && ui.preview_ui_alignment == 0);
    std::vector<std::string> order;
    for (const std::string& call : d.host.calls)
        if (call == "add_param" || call == "register_ui") order.push_back(call);
    const std::vector<std::string> expected = {"add_param", "add_param", "register_ui", "add_param",
                                               "add_param", "add_param", "add_param",   "add_param"};
    EXPECT_EQ(order, expected);
}

// A host error ends the set-up: what follows is not added, and the error is the result.
TEST(zelTonescopePlugin, ParamsSetupStopsAtTheFirstHostError)
{
    Dispatched d;
    d.host.addParamFailAt = 1;
    d.host.addParamResult = PF_Err_OUT_OF_MEMORY;
    d.Run(PF_Cmd_PARAMS_SETUP);
    EXPECT_EQ(d.plugin.err, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(d.host.addedParams.size(), 1u);
    EXPECT_TRUE(d.host.registeredUIs.empty());

    Dispatched refused;
    refused.host.registerUIResult = PF_Err_INVALID_CALLBACK;
    refused.Run(PF_Cmd_PARAMS_SETUP);
    EXPECT_EQ(refused.plugin.err, PF_Err_INVALID_CALLBACK);
    EXPECT_EQ(refused.host.addedParams.size(), 2u) << "the panel is not added when its UI is refused";
}

TEST(zelTonescopePlugin, LogoClickOpensAboutAndOtherCommandsAreIgnored)
{
    Dispatched d;
    d.plugin.in_data = &d.host.in;
    d.plugin.out_data = &d.host.out;
    d.plugin.ReceiveCommand("ChannelAToggleCommand");
    EXPECT_STREQ(d.host.out.return_msg, "");
    d.plugin.ReceiveCommand("LogoMouseUpCommand");
    EXPECT_EQ(std::string(d.host.out.return_msg).rfind("zel Tonescope:\n", 0), 0u);
}

TEST(zelTonescopePlugin, ResetupAsksForARender)
{
    Dispatched d;
    d.Run(PF_Cmd_SEQUENCE_RESETUP);
    EXPECT_TRUE(d.host.out.out_flags & PF_OutFlag_FORCE_RERENDER);
    d.host.in.sequence_data = d.host.out.sequence_data;
    d.Run(PF_Cmd_SEQUENCE_SETDOWN);
}
