#include "tests/host/yAEFakeHost.h"
#include "host/bridge/yAEGlobalData.h"
#include "host/bridge/yAEPlugin.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
constexpr const char* kFooter =
    "\n\nPlease contact technical support for help: support@zel-tonescope.example.";

// A plug-in object attached to a fake host, as the dispatcher leaves it.
struct Attached
{
    Attached()
    {
        plugin.in_data = &host.in;
        plugin.out_data = &host.out;
        plugin.SetPluginName("zel Tonescope");
    }
    FakeHost host;
    yAE::Plugin plugin;
};

std::string Message(const FakeHost& host)
{
    return host.out.return_msg;
}

std::string ErrorText(const std::string& function, const std::string& message)
{
    return "Brindle Error:\nzel Tonescope: " + function + ": " + message + " " + kFooter;
}
} // namespace

TEST(yAEPluginReportError, WritesTheTwoLinesThroughTheHostSprintf)
{
    Attached a;
    a.plugin.ReportError("DoRender", "Some error occurred");
    EXPECT_EQ(Message(a.host),
              "Brindle Error:\nzel Tonescope: DoRender: Some error occurred "
              "\n\nPlease contact technical support for help: support@zel-tonescope.example.");
    EXPECT_EQ(a.host.sprintfCalls, 1);
    EXPECT_EQ(a.plugin.err, PF_Err_NONE);
}

TEST(yAEPluginReportError, UsesTheNameThePluginCarries)
{
    FakeHost host;
    yAE::Plugin plugin;
    plugin.in_data = &host.in;
    plugin.out_data = &host.out;
    plugin.ReportError("F", "M");
    EXPECT_EQ(Message(host).substr(0, 25), "Brindle Error:\nPlugin: F:");
}

TEST(yAEPluginReportError, LongTextsAreCutToFitTheMessage)
{
    Attached a;
    const std::string longText(400, 'x');
    a.plugin.ReportError("DoRender", longText.c_str());
    EXPECT_EQ(Message(a.host).size(), size_t(PF_MAX_EFFECT_MSG_LEN));
    EXPECT_EQ(Message(a.host).substr(Message(a.host).size() - std::string(kFooter).size()), kFooter);
    a.plugin.ReportMessage("Title", longText.c_str());
    EXPECT_EQ(Message(a.host).size(), size_t(PF_MAX_EFFECT_MSG_LEN));
    for (const std::string& call : a.host.calls)
        EXPECT_NE(call, "sprintf overflow");
}

TEST(yAEPluginReportError, WithoutOutDataNothingHappens)
{
    FakeHost host;
    yAE::Plugin plugin;
    plugin.in_data = &host.in;
    plugin.ReportError("F", "M");
    plugin.ReportMessage("T", "M");
    EXPECT_EQ(host.sprintfCalls, 0);
}

TEST(yAEPluginReportMessage, WritesTitleAndText)
{
    Attached a;
    a.plugin.ReportMessage("About", "Text");
    EXPECT_EQ(Message(a.host), "About:\nText");
}

// Each service whose suite the host lacks reports its own message, leaves
// err as it was and calls nothing else of the host.
TEST(yAEPluginServices, MissingSuitesAreReportedAndLeaveErrUnchanged)
{
    struct Case
    {
        const char* suite;
        const char* function;
        const char* message;
        std::function<void(yAE::Plugin&, FakeWorld<PF_Pixel>&)> run;
    };
    const std::vector<Case> cases = {
        {kPFWorldTransformSuite, "DoRenderNone", "Could not load PF_WorldTransformSuite1",
         [](yAE::Plugin& p, FakeWorld<PF_Pixel>&) { p.DoRenderNone(); }},
        {kPFFillMatteSuite, "DoRenderNone", "Could not load PF_FillMatteSuite1",
         [](yAE::Plugin& p, FakeWorld<PF_Pixel>& w) { p.ClearWorld(&w.world); }},
        {kPFAdvAppSuite, "RefreshAllWindows", "Could not load PF_AdvAppSuite1",
         [](yAE::Plugin& p, FakeWorld<PF_Pixel>&) { p.RefreshAllWindows(); }},
        {kAEGPCommandSuite, "DoPurgeAll", "Unable to load AEGP_CommandSuite1",
         [](yAE::Plugin& p, FakeWorld<PF_Pixel>&) { p.DoPurgeAll(); }},
        {kPFParamUtilsSuite, "SetParamVisibility", "Could not load PF_ParamUtilsSuite1",
         [](yAE::Plugin& p, FakeWorld<PF_Pixel>&)
         {
             A_long mode = yAE::kParamDisable;
             p.SetParamVisibility(1, mode, nullptr, false);
         }},
        {kPFHandleSuite, "CreateGlobalData", "Could not load PF_HandleSuite1.",
         [](yAE::Plugin& p, FakeWorld<PF_Pixel>&) { p.CreateGlobalData(); }},
    };
    for (const Case& c : cases)
    {
        Attached a;
        FakeWorld<PF_Pixel> world(4, 3, false);
        PF_ParamDef def = {};
        PF_ParamDef* params[] = {&def, &def};
        a.plugin.params = params;
        a.plugin.input = &world.world;
        a.plugin.output = &world.world;
        a.host.Withhold(c.suite);
        c.run(a.plugin, world);
        EXPECT_EQ(Message(a.host), ErrorText(c.function, c.message)) << c.suite;
        EXPECT_EQ(a.plugin.err, PF_Err_NONE) << c.suite;
        EXPECT_TRUE(a.host.copies.empty() && a.host.fills.empty() && a.host.commands.empty() &&
                    a.host.paramUIUpdates.empty())
            << c.suite;
        EXPECT_EQ(a.host.in.global_data, nullptr) << c.suite;
        EXPECT_TRUE(a.host.AllSuitesReleased()) << c.suite;
    }
}

TEST(yAEPluginServices, ClearWorldWithoutAWorldDoesNothingEvenWithoutTheSuite)
{
    Attached a;
    a.host.Withhold(kPFFillMatteSuite);
    a.plugin.ClearWorld(nullptr);
    EXPECT_TRUE(a.host.calls.empty());
    EXPECT_EQ(Message(a.host), "");
}

TEST(yAEPluginServices, AnErrorStopsLaterHostCalls)
{
    Attached a;
    FakeWorld<PF_Pixel> world(2, 2, false);
    PF_ParamDef def = {};
    PF_ParamDef* params[] = {&def, &def};
    a.plugin.params = params;
    a.plugin.err = PF_Interrupt_CANCEL;
    A_long current = 1, total = 2, mode = yAE::kParamEnable;
    a.plugin.Progress(current, total);
    a.plugin.CopyWorld(&world.world, &world.world);
    a.plugin.ClearWorld(&world.world);
    a.plugin.RefreshAllWindows();
    a.plugin.DoPurgeAll();
    a.plugin.SetParamVisibility(1, mode, nullptr, false);
    a.plugin.CreateGlobalData();
    a.plugin.AddPopupParam("P", 3, 1, "a|b|", 0, 0, 1);
    a.plugin.AddCheckBoxParam("C", "L", true, 0, 0, 2);
    a.plugin.AddArbitraryParam("A", 10, 10, PF_PUI_CONTROL, 0, 0, 0, 3);
    a.plugin.AddPointParam("Pt", 0, 0, false, 0, 0, 4);
    a.plugin.AddFixedSliderParam("S", 0, 1, 0, 1, 0, 2, 0, 0, 0, 5);
    for (const std::string& call : a.host.calls)
        EXPECT_EQ(call.rfind("acquire ", 0), 0u) << call;
    EXPECT_TRUE(a.host.addedParams.empty());
    EXPECT_TRUE(a.host.registeredUIs.empty());
    EXPECT_EQ(a.plugin.err, PF_Interrupt_CANCEL);
    EXPECT_TRUE(a.host.AllSuitesReleased());
}

TEST(yAEPluginServices, HostErrorsPassThroughErr)
{
    Attached a;
    a.host.progressResult = PF_Interrupt_CANCEL;
    a.host.progressFailAfter = 0;
    A_long current = 1, total = 2;
    a.plugin.Progress(current, total);
    EXPECT_EQ(a.plugin.err, PF_Interrupt_CANCEL);
    ASSERT_EQ(a.host.progressCalls.size(), 1u);
    EXPECT_EQ(a.host.progressCalls[0], std::make_pair(A_long(1), A_long(2)));
}

TEST(yAEPluginServices, CopyAndRenderNoneUseTheirRectangles)
{
    Attached a;
    FakeWorld<PF_Pixel> in(8, 6, false), out(8, 6, false);
    out.world.extent_hint = {1, 2, 7, 5};
    a.plugin.CopyWorld(&in.world, &out.world);
    a.plugin.CopyWorld(nullptr, &out.world);
    a.plugin.input = &in.world;
    a.plugin.output = &out.world;
    a.plugin.DoRenderNone();
    ASSERT_EQ(a.host.copies.size(), 2u);
    EXPECT_FALSE(a.host.copies[0].hasRects);
    EXPECT_EQ(a.host.copies[1].src, &in.world);
    EXPECT_EQ(a.host.copies[1].dst, &out.world);
    ASSERT_TRUE(a.host.copies[1].hasRects);
    for (const PF_Rect& r : {a.host.copies[1].srcRect, a.host.copies[1].dstRect})
        EXPECT_TRUE(r.left == 1 && r.top == 2 && r.right == 7 && r.bottom == 5);
}

TEST(yAEPluginServices, RenderNoneRunsEvenAfterAnErrorAndStoresTheCopyResult)
{
    Attached a;
    FakeWorld<PF_Pixel> in(2, 2, false), out(2, 2, false);
    a.plugin.input = &in.world;
    a.plugin.output = &out.world;
    a.plugin.err = PF_Err_BAD_CALLBACK_PARAM;
    a.plugin.DoRenderNone();
    EXPECT_EQ(a.host.copies.size(), 1u);
    EXPECT_EQ(a.plugin.err, PF_Err_NONE);
}

TEST(yAEPluginServices, ClearWorldFillsTransparentBlackAtTheWorldsDepth)
{
    for (bool deep : {false, true})
    {
        Attached a;
        FakeWorld<PF_Pixel> world(2, 2, deep);
        a.plugin.deep = deep;
        a.plugin.ClearWorld(&world.world);
        ASSERT_EQ(a.host.fills.size(), 1u);
        const FakeHost::FillCall& fill = a.host.fills[0];
        EXPECT_EQ(fill.deep, deep);
        EXPECT_FALSE(fill.hasRect);
        EXPECT_EQ(fill.world, &world.world);
        EXPECT_TRUE(fill.color.alpha == 0 && fill.color.red == 0 && fill.color.green == 0 &&
                    fill.color.blue == 0);
    }
}

TEST(yAEPluginServices, PurgeAllAndRefreshCallTheHost)
{
    Attached a;
    a.plugin.DoPurgeAll();
    a.plugin.RefreshAllWindows();
    ASSERT_EQ(a.host.commands.size(), 1u);
    EXPECT_EQ(a.host.commands[0], 2372);
    EXPECT_EQ(a.host.calls.back(), "refresh");
    a.plugin.RequestUIRefresh();
    EXPECT_EQ(a.host.out.out_flags, PF_OutFlag_REFRESH_UI);
}

TEST(yAEPluginServices, SetParamVisibilityByMode)
{
    struct Case
    {
        A_long mode;
        bool touch;
        PF_ParamUIFlags ui;
        PF_ParamFlags flags;
    };
    const PF_ParamFlags before = PF_ParamFlag_SUPERVISE | PF_ParamFlag_COLLAPSE_TWIRLY;
    const Case cases[] = {
        {1, false, PF_PUI_NONE, before},         {3, true, PF_PUI_NONE, PF_ParamFlag_SUPERVISE},
        {2, false, PF_PUI_DISABLED, before},     {4, true, PF_PUI_DISABLED, before},
        {0, true, PF_PUI_ECW_SEPARATOR, before}, // other modes change neither
    };
    for (const Case& c : cases)
    {
        Attached a;
        PF_ParamDef def = {};
        def.ui_flags = PF_PUI_ECW_SEPARATOR;
        def.flags = before;
        std::strcpy(def.name, "Width");
        PF_ParamDef* params[] = {&def, &def, &def};
        a.plugin.params = params;
        A_long mode = c.mode;
        a.plugin.SetParamVisibility(2, mode, c.mode == 4 ? "Renamed" : nullptr, c.touch);
        ASSERT_EQ(a.host.paramUIUpdates.size(), 1u) << c.mode;
        const PF_ParamDef& sent = a.host.paramUIUpdates[0].second;
        EXPECT_EQ(a.host.paramUIUpdates[0].first, 2);
        EXPECT_EQ(sent.ui_flags, c.ui) << c.mode;
        EXPECT_EQ(sent.flags, c.flags) << c.mode;
        EXPECT_EQ(sent.uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
        EXPECT_STREQ(sent.name, c.mode == 4 ? "Renamed" : "Width");
        EXPECT_EQ(def.ui_flags, PF_PUI_ECW_SEPARATOR) << "the host's definition is copied, not changed";
    }
}

TEST(yAEPluginGlobalData, CreateRegistersAndHandsTheHandleToBothRecords)
{
    Attached a;
    a.plugin.CreateGlobalData();
    ASSERT_NE(a.host.out.global_data, nullptr);
    EXPECT_EQ(a.host.in.global_data, a.host.out.global_data);
    const yAE::GlobalData* global = a.plugin.GetGlobalData();
    ASSERT_NE(global, nullptr);
    EXPECT_EQ(global->pluginId, 77);
    const std::string path = global->modulePath;
    ASSERT_FALSE(path.empty());
    ASSERT_EQ(a.host.registeredNames.size(), 1u);
    EXPECT_EQ(a.host.registeredNames[0], path.substr(path.rfind('/') + 1));
    EXPECT_EQ(Message(a.host), "");
    EXPECT_TRUE(a.host.AllSuitesReleased());

    a.plugin.DisposeGlobalData();
    EXPECT_EQ(a.host.in.global_data, nullptr);
    EXPECT_EQ(a.host.out.global_data, nullptr);
    EXPECT_EQ(a.plugin.GetGlobalData(), nullptr);
    a.plugin.DisposeGlobalData(); // nothing left to dispose
    EXPECT_EQ(std::count(a.host.calls.begin(), a.host.calls.end(), "dispose_handle"), 1);
}

TEST(yAEPluginGlobalData, CreateReportsEachFailingStep)
{
    {
        Attached a;
        a.host.newHandleFails = true;
        a.plugin.CreateGlobalData();
        EXPECT_EQ(Message(a.host), ErrorText("CreateGlobalData", "Could not allocate global handle."));
        EXPECT_EQ(a.host.out.global_data, nullptr);
    }
    {
        Attached a;
        a.host.lockHandleFails = true;
        a.plugin.CreateGlobalData();
        EXPECT_EQ(Message(a.host), ErrorText("CreateGlobalData", "Error creating global handle."));
        EXPECT_EQ(a.host.out.global_data, nullptr);
    }
    {
        // Without the utility suite the record keeps its first id and is still handed over.
        Attached a;
        a.host.Withhold(kAEGPUtilitySuite);
        a.plugin.CreateGlobalData();
        EXPECT_EQ(Message(a.host), ErrorText("CreateGlobalData", "Could not load AEGP_UtilitySuite2."));
        ASSERT_NE(a.plugin.GetGlobalData(), nullptr);
        EXPECT_EQ(a.plugin.GetGlobalData()->pluginId, 1234);
        EXPECT_EQ(a.plugin.err, PF_Err_NONE);
    }
}

TEST(yAEPluginGlobalData, AboutShowsTheModulePath)
{
    Attached a;
    a.plugin.CreateGlobalData();
    a.plugin.About();
    const std::string message = Message(a.host);
    EXPECT_EQ(message.rfind("zel Tonescope:\n", 0), 0u);
    EXPECT_NE(message.find(a.plugin.GetGlobalData()->modulePath), std::string::npos);
}
