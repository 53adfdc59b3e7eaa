// The host driving the real module: set-up, parameters, missing suites and
// failing host calls.
#include "standalone/emulator/yEffectHost.h"
#include "standalone/emulator/yModule.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>

using yStandalone::yEffectHost;
using yStandalone::yHostCall;

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
        ASSERT_TRUE(m_module.Load(yTest::ModulePath(), error)) << error;
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

    yStandalone::yModule m_module;
    yStandalone::yHostProbe m_probe;
    std::unique_ptr<yEffectHost> m_host;
};
} // namespace

TEST_F(yRealModule, WithoutItsSuitesSetupGoesOnAndSaysWhy)
{
    m_probe.WithholdSuite("PF Handle Suite");
    ASSERT_EQ(Host().Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    EXPECT_EQ(
        Host().ReturnMessage().rfind(ErrorText("CreateGlobalData", "Could not load PF_HandleSuite1."), 0), 0u)
        << Host().ReturnMessage();
    EXPECT_EQ(Host().InData().global_data, nullptr);
    EXPECT_EQ(uint32_t(Host().OutData().out_flags), m_module.Properties().outFlags);
    // Without global data, set-down has nothing to free and says nothing.
    EXPECT_EQ(Host().Call(PF_Cmd_GLOBAL_SETDOWN), PF_Err_NONE);
    EXPECT_EQ(Host().ReturnMessage(), "");
}

TEST_F(yRealModule, AFailingHostCallStopsLaterOnes)
{
    // The second add_param fails: nothing is registered or added after it.
    m_probe.FailCall(yHostCall::AddParam, PF_Err_INTERNAL_STRUCT_DAMAGED, 1);
    EXPECT_EQ(Host().Call(PF_Cmd_PARAMS_SETUP), PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_EQ(m_probe.CallCount(yHostCall::AddParam), 2);
    EXPECT_EQ(m_probe.CallCount(yHostCall::RegisterUI), 0);
    EXPECT_EQ(Host().ParamCount(), 2u); // the layer and the first parameter

    yEffectHost other(m_module);
    yStandalone::yHostProbe probe;
    other.AttachProbe(&probe);
    probe.FailCall(yHostCall::RegisterUI, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(other.Call(PF_Cmd_PARAMS_SETUP), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(probe.CallCount(yHostCall::AddParam), 2) << "the panel is not added without its registration";
}

namespace
{
std::function<void(PF_InData&)> g_misuse;
PF_Err MisuseEntry(PF_Cmd, PF_InData* in, PF_OutData*, PF_ParamDef**, PF_LayerDef*, void*)
{
    g_misuse(*in);
    return PF_Err_NONE;
}
} // namespace

template <class UtilsT>
void Misuse(PF_InData& in, UtilsT& u, int32_t otherHandleSuiteVersion, int32_t paramUtilsVersion)
{
    {
        void* data = &in;
        const PF_ProgPtr other = reinterpret_cast<PF_ProgPtr>(&data);
        EXPECT_EQ(u.get_platform_data(other, PF_PlatData_MAIN_WND, &data), PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_EQ(u.get_platform_data(in.effect_ref, PF_PlatData_MAIN_WND, nullptr), PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_EQ(u.get_platform_data(in.effect_ref, PF_PlatData_MAIN_WND, &data), PF_Err_NONE);
        EXPECT_EQ(data, nullptr) << "no main window here";
        EXPECT_EQ(in.inter.add_param(other, -1, nullptr), PF_Err_BAD_CALLBACK_PARAM);
        // A name that fills its field without an ending is cut to the field;
        // an index out of turn is refused.
        PF_ParamDef def{};
        std::fill(std::begin(def.name), std::end(def.name), 'x');
        EXPECT_EQ(in.inter.add_param(in.effect_ref, 7, &def), PF_Err_INVALID_INDEX);
        EXPECT_EQ(in.inter.add_param(in.effect_ref, -1, &def), PF_Err_NONE);
        // The layer and that one: a third parameter's look cannot be changed.
        const void* params = nullptr;
        ASSERT_EQ(in.pica_basicP->AcquireSuite(kPFParamUtilsSuite, paramUtilsVersion, &params), kSPNoError);
        EXPECT_EQ(static_cast<const PF_ParamUtilsSuite3*>(params)->PF_UpdateParamUI(in.effect_ref, 2, &def),
                  PF_Err_INVALID_INDEX);
        in.pica_basicP->ReleaseSuite(kPFParamUtilsSuite, paramUtilsVersion);

        char text[8] = "abc";
        EXPECT_EQ(u.ansi.strcpy(text, nullptr), text);
        EXPECT_EQ(u.ansi.strcpy(nullptr, "x"), nullptr);
        EXPECT_STREQ(text, "abc");

        PF_Handle handle = u.host_new_handle(3);
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(u.host_resize_handle(8, nullptr), PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_EQ(u.host_resize_handle(A_HandleSize(1) << 31, &handle), PF_Err_OUT_OF_MEMORY);
        EXPECT_EQ(u.host_resize_handle(8, &handle), PF_Err_NONE);
        EXPECT_EQ(u.host_get_handle_size(handle), 8u);
        EXPECT_EQ(static_cast<char*>(*handle)[7], 0) << "grown bytes are zero";
        u.host_dispose_handle(handle);
        EXPECT_EQ(u.host_get_handle_size(handle), 0u) << "a handle given back is no handle";

        const void* suite = nullptr;
        EXPECT_EQ(in.pica_basicP->AcquireSuite(kPFHandleSuite, otherHandleSuiteVersion, &suite),
                  kSPSuiteNotFoundError);
        EXPECT_EQ(suite, nullptr);
    }
}

// The callbacks of either interface refuse what is not theirs: another
// effect's reference, null buffers, handles never given, suites at another
// interface's version.
TEST(yEffectHostCallbacks, RefuseWhatIsNotTheirs)
{
    for (const yStandalone::yProfile profile : {yStandalone::yProfile::Legacy, yStandalone::yProfile::Current})
    {
        SCOPED_TRACE(yStandalone::ProfileName(profile));
        yEffectHost host(&MisuseEntry, profile);
        g_misuse = [profile](PF_InData& in)
        {
            if (profile == yStandalone::yProfile::Current)
                Misuse(in, *ae_current::UtilsOf(&in), ae_legacy::kHandleSuiteVersion, ae_current::kParamUtilsSuiteVersion);
            else
                Misuse(in, *ae_legacy::UtilsOf(&in), ae_current::kHandleSuiteVersion, ae_legacy::kParamUtilsSuiteVersion);
        };
        EXPECT_EQ(host.Call(PF_Cmd_ABOUT), PF_Err_NONE);
        EXPECT_EQ(std::string(host.Param(host.ParamCount() - 1).def.name), std::string(31, 'x'));
        EXPECT_EQ(host.BadHandleUses(), 1);
        EXPECT_EQ(host.LiveHandles(), 0u);
        EXPECT_EQ(host.OpenSuites(), 0);
    }
}

namespace
{
bool g_withDefault = false;
// An arbitrary parameter whose value the module cannot make: its default
// is missing, or copying it fails.
PF_Err ArbitraryEntry(PF_Cmd cmd, PF_InData* in, PF_OutData*, PF_ParamDef**, PF_LayerDef*, void*)
{
    if (cmd == PF_Cmd_ARBITRARY_CALLBACK) return PF_Err_OUT_OF_MEMORY;
    if (cmd != PF_Cmd_PARAMS_SETUP) return PF_Err_NONE;
    PF_ParamDef def{};
    def.param_type = PF_Param_ARBITRARY_DATA;
    std::strcpy(def.name, "Record");
    def.u.arb_d.dephault = g_withDefault ? ae_current::UtilsOf(in)->host_new_handle(4) : nullptr;
    return in->inter.add_param(in->effect_ref, -1, &def);
}
} // namespace

TEST(yEffectHostCallbacks, AnArbitraryValueTheModuleCannotMakeIsRefused)
{
    for (const bool withDefault : {false, true})
    {
        g_withDefault = withDefault;
        yEffectHost host(&ArbitraryEntry, yStandalone::yProfile::Current);
        ASSERT_EQ(host.Call(PF_Cmd_PARAMS_SETUP), PF_Err_NONE);
        std::string error;
        EXPECT_FALSE(host.MakeArbitraryValues(error));
        EXPECT_NE(error.find(withDefault ? "made no value" : "no default that is a handle"), std::string::npos)
            << error;
    }
}
