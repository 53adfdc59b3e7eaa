#include "tests/host/yAEFakeHost.h"
#include "host/bridge/yAEPlugin.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
// Records which operations the dispatcher calls, and calls nothing of the host.
class RecordingPlugin : public yAE::Plugin
{
  public:
    void EnsureData() override { Log("EnsureData"); }
    void About() override { Log("About"); }
    void GlobalSetup() override { Log("GlobalSetup"); }
    void GlobalSetdown() override { Log("GlobalSetdown"); }
    void ParamsSetup() override { Log("ParamsSetup"); }
    void SequenceSetup() override { Log("SequenceSetup"); }
    void SequenceResetup() override { Log("SequenceResetup"); }
    void SequenceFlatten() override { Log("SequenceFlatten"); }
    void SequenceSetdown() override { Log("SequenceSetdown"); }
    void DoDialog() override { Log("DoDialog"); }
    void FrameSetup() override { Log("FrameSetup"); }
    void FrameSetdown() override { Log("FrameSetdown"); }
    void RenderHook() override { Log("RenderHook"); }
    void PrepareRender() override { Log("PrepareRender"); }
    void Render() override { Log("Render"); }
    void FinishRender(PF_LayerDef*) override { Log("FinishRender"); }
    void UserChangedParam() override { Log("UserChangedParam"); }
    void UpdateParamsUI() override { Log("UpdateParamsUI"); }
    void HandleEvent() override { Log("HandleEvent"); }
    void QueryDynamicFlags() override { Log("QueryDynamicFlags"); }

    std::string log;

  private:
    void Log(const char* what)
    {
        if (!log.empty()) log += ' ';
        log += what;
    }
};

bool SameBytes(const PF_OutData& a, const PF_OutData& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

TEST(yAEPluginDispatch, RoutesEachCommandToItsOperationsInOrder)
{
    const std::vector<std::pair<PF_Cmd, std::string>> table = {
        {PF_Cmd_ABOUT, "About"},
        {PF_Cmd_GLOBAL_SETUP, "GlobalSetup"},
        {PF_Cmd_GLOBAL_SETDOWN, "GlobalSetdown"},
        {PF_Cmd_PARAMS_SETUP, "ParamsSetup"},
        {PF_Cmd_SEQUENCE_SETUP, "SequenceSetup"},
        {PF_Cmd_SEQUENCE_RESETUP, "SequenceResetup"},
        {PF_Cmd_SEQUENCE_FLATTEN, "SequenceFlatten"},
        {PF_Cmd_SEQUENCE_SETDOWN, "SequenceSetdown"},
        {PF_Cmd_DO_DIALOG, "EnsureData DoDialog"},
        {PF_Cmd_FRAME_SETUP, "EnsureData FrameSetup"},
        {PF_Cmd_RENDER, "EnsureData RenderHook PrepareRender Render FinishRender"},
        {PF_Cmd_FRAME_SETDOWN, "FrameSetdown"}, // creates no data
        {PF_Cmd_USER_CHANGED_PARAM, "EnsureData UserChangedParam"},
        {PF_Cmd_UPDATE_PARAMS_UI, "EnsureData UpdateParamsUI"},
        {PF_Cmd_EVENT, "EnsureData HandleEvent"},
        {PF_Cmd_QUERY_DYNAMIC_FLAGS, "EnsureData QueryDynamicFlags"},
        {PF_Cmd_UNUSED_0, ""},
        {PF_Cmd_GET_EXTERNAL_DEPENDENCIES, ""},
        {PF_Cmd_COMPLETELY_GENERAL, ""},
        {PF_Cmd_ARBITRARY_CALLBACK, ""},
        {PF_Cmd_SMART_RENDER, ""},
        {99, ""},
        {-1, ""},
    };
    for (const auto& [command, expected] : table)
    {
        FakeHost host;
        RecordingPlugin plugin;
        plugin.err = PF_Err_OUT_OF_MEMORY; // reset by the dispatcher
        PF_Cmd cmd = command;
        plugin.Main(cmd, &host.in, &host.out, nullptr, nullptr, nullptr);
        EXPECT_EQ(plugin.log, expected) << "command " << command;
        EXPECT_EQ(plugin.err, PF_Err_NONE) << "command " << command;
    }
}

// Commands the module does not handle, and the arbitrary-data callback,
// touch neither the host nor its records.
TEST(yAEPluginDispatch, UnhandledCommandsTouchNothing)
{
    for (PF_Cmd command : std::vector<PF_Cmd>{PF_Cmd_ARBITRARY_CALLBACK, PF_Cmd_GET_EXTERNAL_DEPENDENCIES, 99,
                                              PF_Cmd_FRAME_SETDOWN})
    {
        FakeHost host;
        yAE::Plugin plugin;
        PF_ArbParamsExtra arb = {};
        arb.which_function = PF_Arbitrary_NEW_FUNC;
        const PF_OutData before = host.out;
        PF_Cmd cmd = command;
        plugin.Main(cmd, &host.in, &host.out, nullptr, nullptr, &arb);
        EXPECT_EQ(plugin.err, PF_Err_NONE) << command;
        EXPECT_TRUE(host.calls.empty()) << command;
        EXPECT_TRUE(SameBytes(before, host.out)) << command;
        EXPECT_EQ(host.in.sequence_data, nullptr) << command;
    }
}

TEST(yAEPluginDispatch, StoresTheCallsArguments)
{
    FakeHost host;
    yAE::Plugin plugin;
    PF_ParamDef def = {};
    PF_ParamDef* params[] = {&def};
    PF_LayerDef output = {};
    int extra = 0;
    PF_Cmd cmd = PF_Cmd_FRAME_SETDOWN;
    plugin.Main(cmd, &host.in, &host.out, params, &output, &extra);
    EXPECT_EQ(plugin.in_data, &host.in);
    EXPECT_EQ(plugin.out_data, &host.out);
    EXPECT_EQ(plugin.params, params);
    EXPECT_EQ(plugin.output, &output);
    EXPECT_EQ(plugin.extra, &extra);
}

TEST(yAEPluginDispatch, PlainGlobalSetupAnnouncesItsFlags)
{
    FakeHost host;
    yAE::Plugin plugin;
    PF_Cmd cmd = PF_Cmd_GLOBAL_SETUP;
    plugin.Main(cmd, &host.in, &host.out, nullptr, nullptr, nullptr);
    EXPECT_EQ(host.out.out_flags, 0x2000441);
    EXPECT_NE(host.out.global_data, nullptr);
    cmd = PF_Cmd_GLOBAL_SETDOWN;
    plugin.Main(cmd, &host.in, &host.out, nullptr, nullptr, nullptr);
    EXPECT_EQ(host.in.global_data, nullptr);
}

template <class PixelT> void CheckPlainRenderCopiesTheExtent(bool deep)
{
    FakeHost host;
    yAE::Plugin plugin;
    FakeWorld<PixelT> in(5, 4, deep), out(5, 4, deep);
    for (A_long y = 0; y < 4; ++y)
        for (A_long x = 0; x < 5; ++x)
        {
            in.At(x, y).alpha = decltype(PixelT::alpha)(10 + x);
            in.At(x, y).red = decltype(PixelT::red)(20 + y);
        }
    out.world.extent_hint = {1, 1, 4, 3};
    PF_ParamDef layer = {};
    layer.u.ld = in.world;
    PF_ParamDef* params[] = {&layer};
    PF_Cmd cmd = PF_Cmd_RENDER;
    plugin.Main(cmd, &host.in, &host.out, params, &out.world, nullptr);
    EXPECT_EQ(plugin.deep, deep);
    for (A_long y = 0; y < 4; ++y)
        for (A_long x = 0; x < 5; ++x)
        {
            const bool inside = x >= 1 && x < 4 && y >= 1 && y < 3;
            EXPECT_EQ(out.At(x, y).alpha, inside ? 10 + x : 0) << x << "," << y;
            EXPECT_EQ(out.At(x, y).red, inside ? 20 + y : 0) << x << "," << y;
        }
    ASSERT_EQ(host.progressCalls.size(), 2u);
    EXPECT_EQ(host.progressCalls[1], std::make_pair(A_long(2), A_long(2)));
}

TEST(yAEPluginRender, PlainRenderCopiesTheOutputExtentAtEitherDepth)
{
    CheckPlainRenderCopiesTheExtent<PF_Pixel>(false);
    CheckPlainRenderCopiesTheExtent<PF_Pixel16>(true);
}

TEST(yAEPluginRender, PlainRenderStopsWhenTheHostCancels)
{
    FakeHost host;
    host.progressResult = PF_Interrupt_CANCEL;
    host.progressFailAfter = 0;
    yAE::Plugin plugin;
    FakeWorld<PF_Pixel> in(3, 5, false), out(3, 5, false);
    in.At(0, 4) = {9, 9, 9, 9};
    PF_ParamDef layer = {};
    layer.u.ld = in.world;
    PF_ParamDef* params[] = {&layer};
    PF_Cmd cmd = PF_Cmd_RENDER;
    plugin.Main(cmd, &host.in, &host.out, params, &out.world, nullptr);
    EXPECT_EQ(plugin.err, PF_Interrupt_CANCEL);
    EXPECT_EQ(host.progressCalls.size(), 1u);
    EXPECT_EQ(out.At(0, 4).alpha, 0);
}
