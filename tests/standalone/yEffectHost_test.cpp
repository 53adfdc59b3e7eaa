// The host driving the real module: set-up, parameters, missing suites and
// failing host calls.
#include "standalone/yEffectHost.h"
#include "standalone/yModule.h"

#include <gtest/gtest.h>

#include <string>

using yHost::yEffectHost;
using yHost::yHostCall;

namespace
{
const std::string kFooterStart = " \n\nPlease contact technical support for help: ";

std::string ErrorText(const std::string& function, const std::string& message)
{
    return "Brindle Error:\nzel Tonescope: " + function + ": " + message + kFooterStart;
}

class yRealModule : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(m_module.Load(TONESCOPE_MODULE, error)) << error;
        m_host = std::make_unique<yEffectHost>(m_module);
        m_host->AttachProbe(&m_probe);
    }

    void TearDown() override
    {
        // Whatever happened, the module takes back what it took.
        if (m_host && m_host->InData().global_data) m_host->Call(PF_Cmd_GLOBAL_SETDOWN);
        if (m_host)
        {
            EXPECT_EQ(m_host->LiveHandles(), 0u);
            EXPECT_EQ(m_host->BadHandleUses(), 0);
            EXPECT_EQ(m_host->OpenSuites(), 0);
        }
    }

    yEffectHost& Host() { return *m_host; }

    yHost::yModule m_module;
    yHost::yHostProbe m_probe;
    std::unique_ptr<yEffectHost> m_host;
};
} // namespace

TEST_F(yRealModule, GlobalSetupAnnouncesVersionAndFlags)
{
    ASSERT_EQ(Host().Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    const PF_OutData& out = Host().OutData();
    EXPECT_EQ(out.my_version, 0x110600u);
    EXPECT_EQ(out.my_version, m_module.Properties().effectVersion);
    EXPECT_EQ(uint32_t(out.out_flags), 0x6088013u);
    EXPECT_EQ(uint32_t(out.out_flags), m_module.Properties().outFlags);
    EXPECT_EQ(out.out_flags2, 8);
    EXPECT_EQ(Host().ReturnMessage(), "");

    // One locked block kept as global data, and one registration by file name.
    ASSERT_NE(Host().InData().global_data, nullptr);
    EXPECT_TRUE(Host().IsHandle(Host().InData().global_data));
    EXPECT_EQ(Host().LiveHandles(), 1u);
    EXPECT_EQ(Host().RegisteredNames(), std::vector<std::string>{"zelTonescope.so"});
    EXPECT_EQ(Host().OpenSuites(), 0);

    ASSERT_EQ(Host().Call(PF_Cmd_GLOBAL_SETDOWN), PF_Err_NONE);
    EXPECT_EQ(Host().InData().global_data, nullptr);
    EXPECT_EQ(Host().LiveHandles(), 0u);
}

TEST_F(yRealModule, ParamsSetupAddsTheSevenParameters)
{
    ASSERT_EQ(Host().Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    ASSERT_EQ(Host().Call(PF_Cmd_PARAMS_SETUP), PF_Err_NONE);
    EXPECT_EQ(Host().OutData().num_params, 8);
    ASSERT_EQ(Host().ParamCount(), 8u);

    struct Expected
    {
        const char* name;
        PF_ParamType type;
        PF_ParamFlags flags;
        PF_ParamUIFlags uiFlags;
    };
    const Expected expected[] = {
        {"Color Model", PF_Param_POPUP, PF_ParamFlag_SUPERVISE, 0},
        {"", PF_Param_CHECKBOX, 0, 0},
        {"Histogram", PF_Param_ARBITRARY_DATA, PF_ParamFlag_CANNOT_TIME_VARY,
         PF_PUI_CONTROL | PF_PUI_DONT_ERASE_CONTROL},
        {"Sample", PF_Param_POPUP, PF_ParamFlag_SUPERVISE, 0},
        {"Position", PF_Param_POINT, 0, 0},
        {"Width", PF_Param_FIX_SLIDER, PF_ParamFlag_START_COLLAPSED, 0},
        {"Height", PF_Param_FIX_SLIDER, PF_ParamFlag_START_COLLAPSED, 0},
    };
    for (size_t i = 1; i < 8; ++i)
    {
        const PF_ParamDef& def = Host().Param(i).def;
        const Expected& e = expected[i - 1];
        EXPECT_STREQ(def.name, e.name) << i;
        EXPECT_EQ(def.param_type, e.type) << i;
        EXPECT_EQ(def.flags, e.flags) << i;
        EXPECT_EQ(def.ui_flags, e.uiFlags) << i;
        EXPECT_EQ(def.uu.id, A_long(i)) << "ids follow the indices";
    }

    const PF_PopupDef& model = Host().Param(1).def.u.pd;
    EXPECT_EQ(model.value, 1);
    EXPECT_EQ(model.dephault, 1);
    EXPECT_EQ(model.num_choices, 12);
    EXPECT_EQ(Host().Param(1).choices, "RGB|HLS|HSV|CMY|CMYK|XYZ|xyY|Y'UV|Y'IQ|Lab|Luv|");

    const PF_CheckBoxDef& output = Host().Param(2).def.u.bd;
    EXPECT_EQ(output.value, 0);
    EXPECT_EQ(output.dephault, 0);
    EXPECT_EQ(Host().Param(2).label, "Render Output");
    EXPECT_EQ(Host().FindParam("Render Output"), 2);

    const PF_ParamDef& panel = Host().Param(3).def;
    EXPECT_EQ(panel.ui_width, 300);
    EXPECT_EQ(panel.ui_height, 300);
    EXPECT_EQ(panel.u.arb_d.id, 3);
    EXPECT_EQ(panel.u.arb_d.dephault, nullptr);
    EXPECT_EQ(panel.u.arb_d.value, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(panel.u.arb_d.refconPV), 0xDEADBEEFu);

    const PF_PopupDef& sample = Host().Param(4).def.u.pd;
    EXPECT_EQ(sample.value, 2);
    EXPECT_EQ(sample.num_choices, 3);
    EXPECT_EQ(Host().Param(4).choices, "Region|Whole Image|");

    const PF_PointDef& position = Host().Param(5).def.u.td;
    EXPECT_EQ(position.x_dephault, 50 << 16);
    EXPECT_EQ(position.y_dephault, 50 << 16);
    EXPECT_EQ(position.x_value, 50 << 16);
    EXPECT_EQ(position.restrict_bounds, 0);

    for (size_t i : {6, 7})
    {
        const PF_FixedSliderDef& size = Host().Param(i).def.u.fd;
        EXPECT_EQ(size.value, 100 << 16) << i;
        EXPECT_EQ(size.dephault, 100 << 16) << i;
        EXPECT_EQ(size.valid_min, -10000 * 65536) << i;
        EXPECT_EQ(size.valid_max, 10000 * 65536) << i;
        EXPECT_EQ(size.slider_min, 0) << i;
        EXPECT_EQ(size.slider_max, 200 << 16) << i;
        EXPECT_EQ(size.precision, 2) << i;
        EXPECT_EQ(size.display_flags, 0) << i;
    }

    // The panel is registered for the Effect Controls window only, before it is added.
    ASSERT_EQ(Host().CustomUIs().size(), 1u);
    const PF_CustomUIInfo& ui = Host().CustomUIs()[0];
    EXPECT_EQ(ui.events, PF_CustomEFlag_EFFECT);
    EXPECT_EQ(ui.comp_ui_width | ui.comp_ui_height | ui.layer_ui_width | ui.layer_ui_height |
                  ui.preview_ui_width | ui.preview_ui_height,
              0);
    const std::vector<yHostCall>& log = m_probe.CallLog();
    const auto registered = std::find(log.begin(), log.end(), yHostCall::RegisterUI);
    ASSERT_NE(registered, log.end());
    EXPECT_EQ(std::count(log.begin(), registered, yHostCall::AddParam), 2);
}

TEST_F(yRealModule, MissingSuitesAreReportedAndSetupGoesOn)
{
    m_probe.WithholdSuite("PF Handle Suite");
    ASSERT_EQ(Host().Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    EXPECT_EQ(
        Host().ReturnMessage().rfind(ErrorText("CreateGlobalData", "Could not load PF_HandleSuite1."), 0), 0u)
        << Host().ReturnMessage();
    EXPECT_EQ(Host().InData().global_data, nullptr);
    EXPECT_EQ(uint32_t(Host().OutData().out_flags), 0x6088013u);
    EXPECT_EQ(Host().OutData().my_version, 0x110600u);
    // Without global data, set-down has nothing to free and says nothing.
    EXPECT_EQ(Host().Call(PF_Cmd_GLOBAL_SETDOWN), PF_Err_NONE);
    EXPECT_EQ(Host().ReturnMessage(), "");

    yEffectHost other(m_module);
    yHost::yHostProbe probe;
    other.AttachProbe(&probe);
    probe.WithholdSuite("AEGP Utility Suite");
    ASSERT_EQ(other.Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    EXPECT_EQ(
        other.ReturnMessage().rfind(ErrorText("CreateGlobalData", "Could not load AEGP_UtilitySuite2."), 0),
        0u);
    EXPECT_NE(other.InData().global_data, nullptr) << "the block is kept without a registration";
    EXPECT_TRUE(other.RegisteredNames().empty());
    EXPECT_EQ(other.Call(PF_Cmd_GLOBAL_SETDOWN), PF_Err_NONE);
    EXPECT_EQ(other.LiveHandles(), 0u);
}

TEST_F(yRealModule, HandleFailuresAreReported)
{
    struct Case
    {
        yHostCall call;
        const char* message;
    };
    for (const Case& c : {Case{yHostCall::NewHandle, "Could not allocate global handle."},
                          Case{yHostCall::LockHandle, "Error creating global handle."}})
    {
        yEffectHost host(m_module);
        yHost::yHostProbe probe;
        host.AttachProbe(&probe);
        probe.FailCall(c.call, PF_Err_OUT_OF_MEMORY);
        EXPECT_EQ(host.Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE) << c.message;
        EXPECT_EQ(host.ReturnMessage().rfind(ErrorText("CreateGlobalData", c.message), 0), 0u)
            << host.ReturnMessage();
        EXPECT_EQ(probe.CallCount(yHostCall::RegisterWithAEGP), 0) << c.message;
        EXPECT_EQ(host.OpenSuites(), 0);
        EXPECT_EQ(host.LiveHandles(), 0u) << c.message << ": nothing left behind";
        EXPECT_EQ(host.InData().global_data, nullptr) << c.message;
    }
}

TEST_F(yRealModule, AFailingHostCallStopsLaterOnes)
{
    m_probe.FailCall(yHostCall::RegisterWithAEGP, 7);
    EXPECT_EQ(Host().Call(PF_Cmd_GLOBAL_SETUP), 7);
    EXPECT_EQ(Host().OpenSuites(), 0);

    // The second add_param fails: nothing is registered or added after it.
    m_probe.ClearFailures();
    m_probe.FailCall(yHostCall::AddParam, PF_Err_INTERNAL_STRUCT_DAMAGED, 1);
    EXPECT_EQ(Host().Call(PF_Cmd_PARAMS_SETUP), PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_EQ(m_probe.CallCount(yHostCall::AddParam), 2);
    EXPECT_EQ(m_probe.CallCount(yHostCall::RegisterUI), 0);
    EXPECT_EQ(Host().ParamCount(), 2u); // the layer and the first parameter

    yEffectHost other(m_module);
    yHost::yHostProbe probe;
    other.AttachProbe(&probe);
    probe.FailCall(yHostCall::RegisterUI, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(other.Call(PF_Cmd_PARAMS_SETUP), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(probe.CallCount(yHostCall::AddParam), 2) << "the panel is not added without its registration";
}

TEST_F(yRealModule, CommandsWithoutWorkTouchNothing)
{
    ASSERT_EQ(Host().Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    ASSERT_EQ(Host().Call(PF_Cmd_PARAMS_SETUP), PF_Err_NONE);
    const PF_Handle global = Host().InData().global_data;
    const size_t handles = Host().LiveHandles();
    m_probe.ClearCallLog();

    PF_ArbParamsExtra arbitrary{};
    arbitrary.which_function = PF_Arbitrary_NEW_FUNC;
    arbitrary.id = 3;
    struct Case
    {
        PF_Cmd cmd;
        void* extra;
    };
    for (const Case& c : {Case{PF_Cmd_ARBITRARY_CALLBACK, &arbitrary}, Case{PF_Cmd_FRAME_SETDOWN, nullptr},
                          Case{PF_Cmd_GET_EXTERNAL_DEPENDENCIES, nullptr}, Case{PF_Cmd_SMART_RENDER, nullptr},
                          Case{PF_Cmd_NUM_CMDS + 40, nullptr}, Case{-1, nullptr}})
    {
        EXPECT_EQ(Host().Call(c.cmd, nullptr, c.extra), PF_Err_NONE) << c.cmd;
        EXPECT_TRUE(m_probe.CallLog().empty()) << c.cmd << " called " << HostCallName(m_probe.CallLog()[0]);
        EXPECT_EQ(Host().InData().global_data, global) << c.cmd;
        EXPECT_EQ(Host().InData().sequence_data, nullptr) << c.cmd << " made sequence data";
        EXPECT_EQ(Host().LiveHandles(), handles) << c.cmd;
        EXPECT_EQ(Host().OutData().out_flags, 0) << c.cmd;
        EXPECT_EQ(Host().ReturnMessage(), "") << c.cmd;
    }
    EXPECT_EQ(arbitrary.which_function, PF_Arbitrary_NEW_FUNC);
}

TEST_F(yRealModule, SequenceDataFlattensToItsRecordAndComesBack)
{
    ASSERT_EQ(Host().Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    ASSERT_EQ(Host().Call(PF_Cmd_PARAMS_SETUP), PF_Err_NONE);
    ASSERT_EQ(Host().Call(PF_Cmd_SEQUENCE_SETUP), PF_Err_NONE) << Host().ReturnMessage();
    ASSERT_NE(Host().InData().sequence_data, nullptr);
    ASSERT_EQ(Host().Call(PF_Cmd_SEQUENCE_FLATTEN), PF_Err_NONE) << Host().ReturnMessage();
    const std::vector<uint8_t> flat = Host().HandleBytes(Host().InData().sequence_data);
    EXPECT_EQ(flat.size(), 36u);

    // A new instance rebuilt from the saved record, as a project is opened.
    yEffectHost reopened(m_module);
    ASSERT_EQ(reopened.Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    reopened.SetSequenceData(reopened.NewHandleWith(flat));
    ASSERT_EQ(reopened.Call(PF_Cmd_SEQUENCE_RESETUP), PF_Err_NONE) << reopened.ReturnMessage();
    ASSERT_EQ(reopened.Call(PF_Cmd_SEQUENCE_FLATTEN), PF_Err_NONE);
    EXPECT_EQ(reopened.HandleBytes(reopened.InData().sequence_data), flat);
    EXPECT_EQ(reopened.Call(PF_Cmd_SEQUENCE_SETDOWN), PF_Err_NONE);
    EXPECT_EQ(reopened.InData().sequence_data, nullptr);
    EXPECT_EQ(reopened.Call(PF_Cmd_GLOBAL_SETDOWN), PF_Err_NONE);
    EXPECT_EQ(reopened.LiveHandles(), 0u);
    EXPECT_EQ(reopened.BadHandleUses(), 0);

    EXPECT_EQ(Host().Call(PF_Cmd_SEQUENCE_SETDOWN), PF_Err_NONE);
}
