// The two interfaces the host speaks, each with its own module: what a user
// sees must not tell them apart.
#include "standalone/emulator/yEffectHost.h"
#include "standalone/session/yEventScript.h"
#include "standalone/session/yRenderSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct yRun
{
    std::vector<uint8_t> output, panel;
    std::string status;
    yStandalone::yProfile profile;
};

// Renders a gradient after clicks, a drag and typing a number into the
// panel, and draws it: the output, the panel and its status line.
yRun RunWith(const std::string& module)
{
    yRun run;
    yStandalone::yRenderSession session;
    std::string error;
    EXPECT_TRUE(session.Open(module, error)) << error;
    yStandalone::yWorld input(64, 48, true);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            input.Pixel16(x, y) = PF_Pixel16{32768, A_u_short(x * 512), A_u_short(y * 680), A_u_short(x * y * 10)};
    session.SetInput(input, 1, 64, 48);
    std::vector<yStandalone::yScriptEvent> events;
    // The G toggle, the black thumb dragged, then 900 typed into the black number.
    EXPECT_TRUE(yStandalone::yEventScript::Parse("set \"Render Output\" on\ndown 172 12\nup 172 12\n"
                                           "down 44 279\ndrag 90 279\nup 90 279\n"
                                           "down 42 294\nup 42 294\nkey 57\nkey 48\nkey 48\nkey 13\n",
                                           events, error))
        << error;
    EXPECT_TRUE(session.Render(error)) << error;
    for (const yStandalone::yScriptEvent& event : events)
        EXPECT_TRUE(session.Replay(event, error)) << error;
    EXPECT_TRUE(session.Render(error) && session.Draw(error)) << error;
    run.profile = session.Host().Profile();
    const PF_EffectWorld& out = session.Output().World();
    const auto* bytes = static_cast<const uint8_t*>(static_cast<void*>(out.data));
    run.output.assign(bytes, bytes + size_t(out.rowbytes) * size_t(out.height));
    for (int y = 0; y < session.Panel().Height(); ++y)
        for (int x = 0; x < session.Panel().Width(); ++x)
        {
            const PF_Pixel8& p = session.Panel().Pixel8(x, y);
            run.panel.insert(run.panel.end(), {p.red, p.green, p.blue});
        }
    yStandalone::yHistogramStats stats;
    std::vector<yStandalone::yBinCounts> bins;
    EXPECT_TRUE(session.Report(stats, bins, error)) << error;
    run.status = stats.statusLine;
    EXPECT_EQ(session.Host().Drawbot().LiveImages(), 0u) << "every image released";
    return run;
}
} // namespace

TEST(yProfile, BothInterfacesRenderDrawAndTakeInputAlike)
{
    const yRun legacy = RunWith(TONESCOPE_LEGACY_MODULE);
    const yRun current = RunWith(TONESCOPE_CURRENT_MODULE);
    EXPECT_EQ(legacy.profile, yStandalone::yProfile::Legacy);
    EXPECT_EQ(current.profile, yStandalone::yProfile::Current);
    EXPECT_EQ(current.status, "Input Black Static Number") << "the typed number reached the panel";
    EXPECT_EQ(legacy.status, current.status);
    EXPECT_TRUE(legacy.output == current.output) << "the outputs differ";
    EXPECT_TRUE(legacy.panel == current.panel) << "the panels differ";
}

// Today's hosts keep a value for the panel's parameter, which the module
// makes, copies and compares; a click that changes the panel changes it.
// The legacy interface's parameter carries none.
TEST(yProfile, OnlyTodaysHostsKeepThePanelsValue)
{
    for (const char* module : {TONESCOPE_LEGACY_MODULE, TONESCOPE_CURRENT_MODULE})
    {
        SCOPED_TRACE(module);
        yStandalone::yRenderSession session;
        std::string error;
        ASSERT_TRUE(session.Open(module, error)) << error;
        yStandalone::yEffectHost& host = session.Host();
        const int panel = host.FindParam("Histogram");
        ASSERT_GT(panel, 0);
        const PF_ArbitraryDef& arb = host.Param(size_t(panel)).def.u.arb_d;
        const bool current = host.Profile() == yStandalone::yProfile::Current;
        EXPECT_EQ(arb.value != nullptr, current);
        EXPECT_EQ(arb.dephault != nullptr, current);
        if (!current) continue;
        EXPECT_TRUE(host.IsHandle(arb.value) && host.IsHandle(arb.dephault));
        const PF_Handle before = host.CopyArbitraryValue(PF_ParamIndex(panel));
        ASSERT_TRUE(host.IsHandle(before));
        std::vector<yStandalone::yScriptEvent> click;
        ASSERT_TRUE(yStandalone::yEventScript::Parse("down 172 12\nup 172 12\n", click, error));
        for (const yStandalone::yScriptEvent& event : click)
            ASSERT_TRUE(session.Replay(event, error)) << error;
        EXPECT_TRUE(host.ArbitraryValueChanged(PF_ParamIndex(panel), before));
    }
}
