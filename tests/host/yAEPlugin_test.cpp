#include "host/bridge/yAEGlobalData.h"
#include "host/bridge/yAEPlugin.h"
#include "host/sdk/AE_Profile.h"
#include "tests/host/yAETestHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using yStandalone::yEffectHost;
using yStandalone::yHostCall;
using yStandalone::yWorld;

namespace
{
const std::string kFooter = " \n\nPlease contact technical support for help: support@zel-tonescope.example.";

std::string ErrorText(const std::string& function, const std::string& message)
{
    return "Brindle Error:\nzel Tonescope: " + function + ": " + message + kFooter;
}

// A plain plug-in object inside a host call, every host call watched.
struct Probed
{
    Probed() { host.AttachProbe(&probe); }
    void Check()
    {
        EXPECT_EQ(host.OpenSuites(), 0);
        EXPECT_EQ(host.BadHandleUses(), 0);
    }
    PF_Err InCall(std::function<void(yAE::Plugin&)> run) { return yAETest::RunInCall<yAE::Plugin>(host, run); }
    int Calls(yHostCall call) const { return probe.CallCount(call); }

    yEffectHost host{&yAETest::Entry<yAETest::Scripted<yAE::Plugin>>, yStandalone::kLinkedProfile};
    yStandalone::yHostProbe probe;
};
struct Attached : ::testing::Test, Probed
{
    void TearDown() override { Check(); }
};

void Paint(yWorld& w)
{
    for (int y = 0; y < w.Height(); ++y)
        for (int x = 0; x < w.Width(); ++x)
            if (w.IsDeep())
                w.Pixel16(x, y) = {A_u_short(1000 + x), A_u_short(2000 + y), 7, 9};
            else
                w.Pixel8(x, y) = {A_u_char(10 + x), A_u_char(20 + y), 7, 9};
}

void ExpectPaintedOnly(const yWorld& w, const PF_Rect& r, const char* note)
{
    for (int y = 0; y < w.Height(); ++y)
        for (int x = 0; x < w.Width(); ++x)
        {
            const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            const int a = w.IsDeep() ? w.Pixel16(x, y).alpha : w.Pixel8(x, y).alpha;
            const int red = w.IsDeep() ? w.Pixel16(x, y).red : w.Pixel8(x, y).red;
            const int paint = w.IsDeep() ? 1000 : 10; // what Paint puts there
            EXPECT_TRUE(inside ? a == paint + x && red == 2 * paint + y : a == 0 && red == 0)
                << note << " at " << x << "," << y;
        }
}
} // namespace

TEST_F(Attached, MessagesAreWrittenWholeOrCutBeforeTheFooter)
{
    InCall([](yAE::Plugin& p) { p.ReportError("DoRender", "Some error occurred"); });
    EXPECT_EQ(host.ReturnMessage(), ErrorText("DoRender", "Some error occurred"));
    InCall([](yAE::Plugin& p) { p.ReportMessage("About", "Text"); });
    EXPECT_EQ(host.ReturnMessage(), "About:\nText");

    const std::string longText(400, 'x');
    InCall([&](yAE::Plugin& p) { p.ReportError("DoRender", longText.c_str()); });
    ASSERT_EQ(host.ReturnMessage().size(), size_t(PF_MAX_EFFECT_MSG_LEN));
    EXPECT_EQ(host.ReturnMessage().substr(PF_MAX_EFFECT_MSG_LEN - kFooter.size()), kFooter);
}

// What the message says of a missing suite: the table each interface asks for.
#if defined(TONESCOPE_PROFILE_CURRENT)
constexpr const char* kNoFillMatte = "Could not load PF_FillMatteSuite2";
constexpr const char* kNoAdvApp = "Could not load PF_AdvAppSuite2";
constexpr const char* kNoParamUtils = "Could not load PF_ParamUtilsSuite3";
constexpr const char* kNoUtility = "Could not load AEGP_UtilitySuite6.";
#else
constexpr const char* kNoFillMatte = "Could not load PF_FillMatteSuite1";
constexpr const char* kNoAdvApp = "Could not load PF_AdvAppSuite1";
constexpr const char* kNoParamUtils = "Could not load PF_ParamUtilsSuite1";
constexpr const char* kNoUtility = "Could not load AEGP_UtilitySuite2.";
#endif

// Each service whose suite the host lacks reports its own message, leaves
// err as it was and calls nothing else of the host.
TEST(yAEPluginServices, MissingSuitesAreReportedAndLeaveErrUnchanged)
{
    using Run = std::function<void(yAE::Plugin&, PF_EffectWorld*)>;
    struct Case { const char *suite, *function, *message; Run run; };
    const std::vector<Case> cases = {
        {kPFWorldTransformSuite, "DoRenderNone", "Could not load PF_WorldTransformSuite1",
         [](yAE::Plugin& p, PF_EffectWorld*) { p.DoRenderNone(); }},
        {kPFFillMatteSuite, "DoRenderNone", kNoFillMatte,
         [](yAE::Plugin& p, PF_EffectWorld* w) { p.ClearWorld(w); }},
        {kPFAdvAppSuite, "RefreshAllWindows", kNoAdvApp,
         [](yAE::Plugin& p, PF_EffectWorld*) { p.RefreshAllWindows(); }},
        {kAEGPCommandSuite, "DoPurgeAll", "Unable to load AEGP_CommandSuite1",
         [](yAE::Plugin& p, PF_EffectWorld*) { p.DoPurgeAll(); }},
        {kPFParamUtilsSuite, "SetParamVisibility", kNoParamUtils,
         [](yAE::Plugin& p, PF_EffectWorld*)
         { A_long mode = yAE::kParamDisable; p.SetParamVisibility(0, mode, nullptr, false); }},
        {kPFHandleSuite, "CreateGlobalData", "Could not load PF_HandleSuite1.",
         [](yAE::Plugin& p, PF_EffectWorld*) { p.CreateGlobalData(); }},
    };
    for (const Case& c : cases)
    {
        Probed a;
        a.probe.WithholdSuite(c.suite);
        yWorld world(4, 3, false);
        auto run = [&](yAE::Plugin& p) { p.input = p.output = &world.World(), c.run(p, &world.World()); };
        EXPECT_EQ(a.InCall(run), PF_Err_NONE) << c.suite;
        EXPECT_EQ(a.host.ReturnMessage(), ErrorText(c.function, c.message)) << c.suite;
        for (yHostCall call : {yHostCall::CopyWorld, yHostCall::Fill, yHostCall::DoCommand, yHostCall::UpdateParamUI,
                               yHostCall::RefreshAllWindows, yHostCall::NewHandle})
            EXPECT_EQ(a.Calls(call), 0) << c.suite << ": " << HostCallName(call);
        a.Check();
    }
}

TEST_F(Attached, AnErrorStopsLaterHostCalls)
{
    yWorld world(2, 2, false);
    EXPECT_EQ(InCall(
                  [&](yAE::Plugin& p)
                  {
                      p.err = PF_Interrupt_CANCEL;
                      A_long current = 1, total = 2, mode = yAE::kParamEnable;
                      p.Progress(current, total);
                      p.CopyWorld(&world.World(), &world.World());
                      p.ClearWorld(&world.World());
                      p.RefreshAllWindows();
                      p.DoPurgeAll();
                      p.SetParamVisibility(0, mode, nullptr, false);
                      p.CreateGlobalData();
                      p.AddPopupParam("P", 3, 1, "a|b|", 0, 0, 1);
                      p.AddCheckBoxParam("C", "L", true, 0, 0, 2);
                      p.AddArbitraryParam("A", 10, 10, PF_PUI_CONTROL, 0, 0, 0, 3);
                      p.AddPointParam("Pt", 0, 0, false, 0, 0, 4);
                      p.AddFixedSliderParam("S", 0, 1, 0, 1, 0, 2, 0, 0, 0, 5);
                  }),
              PF_Interrupt_CANCEL);
    for (yHostCall call : probe.CallLog())
        EXPECT_TRUE(call == yHostCall::AcquireSuite || call == yHostCall::ReleaseSuite) << HostCallName(call);
    EXPECT_EQ(host.ParamCount(), 1u);
}

// What the host answers becomes err; what it is told arrives.
TEST_F(Attached, HostCallsAndTheirErrors)
{
    InCall([](yAE::Plugin& p) { p.DoPurgeAll(), p.RefreshAllWindows(), p.RequestUIRefresh(); });
    EXPECT_EQ(host.Commands(), std::vector<AEGP_Command>{yAE::kPurgeAllCommand});
    EXPECT_EQ(host.WindowRefreshes(), 1);
    EXPECT_EQ(host.OutData().out_flags, PF_OutFlag_REFRESH_UI);

    probe.CancelAfter(1);
    A_long current = 1, total = 2;
    EXPECT_EQ(InCall([&](yAE::Plugin& p) { p.Progress(current, total); }), PF_Err_NONE);
    EXPECT_EQ(InCall([&](yAE::Plugin& p) { p.Progress(current, total); }), PF_Interrupt_CANCEL);
    probe.FailCall(yHostCall::DoCommand, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(InCall([](yAE::Plugin& p) { p.DoPurgeAll(); }), PF_Err_OUT_OF_MEMORY);
    probe.FailCall(yHostCall::RefreshAllWindows, PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_EQ(InCall([](yAE::Plugin& p) { p.RefreshAllWindows(); }), PF_Err_INTERNAL_STRUCT_DAMAGED);
}

TEST_F(Attached, CopyRenderNoneAndClearWorkOnThePixels)
{
    for (bool deep : {false, true})
    {
        yWorld in(8, 6, deep), out(8, 6, deep), copy(8, 6, deep);
        Paint(in);
        out.World().extent_hint = {1, 2, 7, 5};
        // Render-none runs even after an error, and its copy's result is err.
        auto renderNone = [&](yAE::Plugin& p)
        {
            p.CopyWorld(&in.World(), &copy.World());
            p.input = &in.World(), p.output = &out.World(), p.err = PF_Err_BAD_CALLBACK_PARAM;
            p.DoRenderNone();
        };
        EXPECT_EQ(InCall(renderNone), PF_Err_NONE);
        ExpectPaintedOnly(copy, {0, 0, 8, 6}, "copy");
        ExpectPaintedOnly(out, out.World().extent_hint, "render none");

        // Clearing fills transparent black at the world's depth.
        EXPECT_EQ(InCall([&](yAE::Plugin& p) { p.deep = deep, p.ClearWorld(&in.World()); }), PF_Err_NONE);
        ExpectPaintedOnly(in, {0, 0, 0, 0}, "cleared");
    }
    EXPECT_EQ(Calls(yHostCall::Fill), 1);
    EXPECT_EQ(Calls(yHostCall::Fill16), 1);
}

TEST_F(Attached, SetParamVisibilityByMode)
{
    struct Case { A_long mode; bool touch; PF_ParamUIFlags ui; PF_ParamFlags flags; };
    const PF_ParamFlags before = PF_ParamFlag_SUPERVISE | PF_ParamFlag_COLLAPSE_TWIRLY;
    const Case cases[] = {
        {1, false, PF_PUI_NONE, before},         // enable, flags untouched
        {3, true, PF_PUI_NONE, PF_ParamFlag_SUPERVISE}, // enable, twirly opened
        {2, false, PF_PUI_DISABLED, before},     // disable
        {4, true, PF_PUI_DISABLED, before},      // disable, twirly stays collapsed
        {0, true, PF_PUI_ECW_SEPARATOR, before}, // other modes change neither
    };
    InCall([](yAE::Plugin& p) { p.AddPopupParam("A", 2, 1, "a|", 0, 0, 1); });
    for (const Case& c : cases)
    {
        PF_ParamDef def = {};
        def.ui_flags = PF_PUI_ECW_SEPARATOR;
        def.flags = before;
        std::strcpy(def.name, "Width");
        PF_ParamDef* params[] = {&def, &def};
        const size_t updates = host.ParamUIUpdates().size();
        A_long mode = c.mode;
        const char* name = c.mode == 4 ? "Renamed" : nullptr;
        InCall([&](yAE::Plugin& p) { p.params = params, p.SetParamVisibility(1, mode, name, c.touch); });
        ASSERT_EQ(host.ParamUIUpdates().size(), updates + 1) << c.mode;
        const PF_ParamDef& sent = host.ParamUIUpdates().back().def;
        EXPECT_EQ(host.ParamUIUpdates().back().index, 1);
        EXPECT_EQ(sent.ui_flags, c.ui) << c.mode;
        EXPECT_EQ(sent.flags, c.flags) << c.mode;
        EXPECT_EQ(sent.uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
        EXPECT_STREQ(sent.name, c.mode == 4 ? "Renamed" : "Width");
        EXPECT_EQ(def.ui_flags, PF_PUI_ECW_SEPARATOR) << "the host's definition is copied, not changed";
    }
}

// Every step of the creation that fails leaves no handle behind, unless the
// block was made and only the registration went wrong.
TEST(yAEPluginGlobalData, CreationStepByStep)
{
    // fail: the host call made to fail (RegisterUI: none), or withheld: the suite withheld;
    // handles: left to the host.
    struct Case { yHostCall fail; const char *withheld, *message; PF_Err err; size_t handles; A_long id; };
    const Case cases[] = {
        {yHostCall::RegisterUI, "", "", PF_Err_NONE, 1, yEffectHost::kPluginId}, // all goes well
        {yHostCall::NewHandle, "", "Could not allocate global handle.", PF_Err_NONE, 0, 0},
        {yHostCall::LockHandle, "", "Error creating global handle.", PF_Err_NONE, 0, 0},
        {yHostCall::RegisterUI, kAEGPUtilitySuite, kNoUtility, PF_Err_NONE, 1, yAE::kInitialPluginId},
        {yHostCall::RegisterWithAEGP, "", "", PF_Err_OUT_OF_MEMORY, 1, yAE::kInitialPluginId},
    };
    for (const Case& c : cases)
    {
        Probed a;
        a.probe.FailCall(c.fail, PF_Err_OUT_OF_MEMORY);
        if (*c.withheld) a.probe.WithholdSuite(c.withheld);
        A_long id = 0;
        std::string path;
        auto create = [&](yAE::Plugin& p)
        {
            p.CreateGlobalData();
            if (p.GetGlobalData()) id = p.GetGlobalData()->pluginId, path = p.GetGlobalData()->modulePath;
        };
        EXPECT_EQ(a.InCall(create), c.err) << c.message;
        EXPECT_EQ(a.host.ReturnMessage(), *c.message ? ErrorText("CreateGlobalData", c.message) : "");
        EXPECT_EQ(a.host.LiveHandles(), c.handles) << c.message;
        EXPECT_EQ(a.host.InData().global_data != nullptr, c.handles == 1) << c.message;
        EXPECT_EQ(id, c.id) << c.message;
        if (id == yEffectHost::kPluginId)
        {
            EXPECT_EQ(a.host.RegisteredNames(), std::vector<std::string>{path.substr(path.rfind('/') + 1)});
        }

        // Set-down disposes it once, however often it is asked.
        a.InCall([](yAE::Plugin& p) { p.DisposeGlobalData(), p.DisposeGlobalData(); });
        EXPECT_EQ(a.host.LiveHandles(), 0u);
        EXPECT_EQ(a.host.InData().global_data, nullptr);
        a.Check();
    }
}

// Records which operations the dispatcher calls.
class RecordingPlugin : public yAE::Plugin
{
  public:
    RecordingPlugin() { err = PF_Err_OUT_OF_MEMORY; } // the dispatcher starts afresh
#define RECORD(name) \
    void name() override { Log(#name); }
    RECORD(EnsureData) RECORD(About) RECORD(GlobalSetup) RECORD(GlobalSetdown) RECORD(ParamsSetup)
    RECORD(SequenceSetup) RECORD(SequenceResetup) RECORD(SequenceFlatten) RECORD(SequenceSetdown)
    RECORD(DoDialog) RECORD(FrameSetup) RECORD(FrameSetdown) RECORD(RenderHook) RECORD(PrepareRender)
    RECORD(Render) RECORD(UserChangedParam) RECORD(UpdateParamsUI) RECORD(HandleEvent)
    RECORD(QueryDynamicFlags)
#undef RECORD
    void FinishRender(PF_LayerDef*) override { Log("FinishRender"); }

    static inline std::string log;

  private:
    void Log(const char* what) { log += log.empty() ? what : std::string(" ") + what; }
};

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
        {PF_Cmd_ARBITRARY_CALLBACK, ""}, // nothing to answer without a function to answer
        {PF_Cmd_SMART_RENDER, ""},
        {-1, ""},
    };
    yEffectHost host(&yAETest::Entry<RecordingPlugin>, yStandalone::kLinkedProfile);
    for (const auto& [command, expected] : table)
    {
        RecordingPlugin::log.clear();
        // Today's hosts keep a value, and a call without its record is refused.
        const bool refused = ae_profile::kDrawsImages && command == PF_Cmd_ARBITRARY_CALLBACK;
        EXPECT_EQ(host.Call(command), refused ? PF_Err_BAD_CALLBACK_PARAM : PF_Err_NONE) << command;
        EXPECT_EQ(RecordingPlugin::log, expected) << "command " << command;
    }
}

// The plain render copies the output's extent row by row at either depth,
// telling the host its progress; a cancel stops it at once.
TEST(yAEPluginRender, PlainRenderCopiesTheExtentUntilCancelled)
{
    for (bool deep : {false, true})
        for (int cancelAfter : {-1, 0})
        {
            yEffectHost host(&yAETest::Entry<yAE::Plugin>, yStandalone::kLinkedProfile);
            yStandalone::yHostProbe probe;
            host.AttachProbe(&probe);
            if (cancelAfter >= 0) probe.CancelAfter(cancelAfter);
            yWorld in(5, 4, deep), out(5, 4, deep);
            Paint(in);
            out.World().extent_hint = {1, 1, 4, 3};
            host.SetInputLayer(in.World());
            EXPECT_EQ(host.Call(PF_Cmd_RENDER, &out.World()), cancelAfter < 0 ? PF_Err_NONE : PF_Interrupt_CANCEL);
            ExpectPaintedOnly(out, cancelAfter < 0 ? PF_Rect{1, 1, 4, 3} : PF_Rect{1, 1, 4, 2},
                              deep ? "deep" : "8-bit");
            EXPECT_EQ(probe.CallCount(yHostCall::Progress), cancelAfter < 0 ? 2 : 1);
        }
}

// Rows the input lacks stay untouched in a taller output.
TEST(yAEPluginRender, PlainRenderCopiesOnlyTheRowsTheInputHas)
{
    yEffectHost host(&yAETest::Entry<yAE::Plugin>, yStandalone::kLinkedProfile);
    yWorld in(5, 2, false), out(5, 4, false);
    Paint(in);
    out.World().extent_hint = {0, 0, 5, 4};
    host.SetInputLayer(in.World());
    EXPECT_EQ(host.Call(PF_Cmd_RENDER, &out.World()), PF_Err_NONE);
    ExpectPaintedOnly(out, PF_Rect{0, 0, 5, 2}, "shorter input");
}
