// The module run as the host runs it while host calls fail, and many times
// over: whatever fails, the module answers with an error or a message, the
// host goes on, and nothing the module took is left behind.
#include "standalone/emulator/yEffectHost.h"
#include "standalone/emulator/yHostPlatform.h"
#include "standalone/emulator/yModule.h"
#include "standalone/emulator/yWorld.h"
#include "tests/host/yAETestHost.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <fstream>

using yStandalone::yHostCall;
using yStandalone::yHostProbe;

namespace
{
const yStandalone::yModule& Module()
{
    static yStandalone::yModule module;
    static std::string error;
    static const bool loaded = module.Load(yTest::ModulePath(), error);
    EXPECT_TRUE(loaded) << error;
    return module;
}

// One host with one effect instance; every command is sent whatever the one
// before returned, as a host does.
struct yHostRun
{
    explicit yHostRun(yHostProbe* probe)
    {
        host.AttachProbe(probe);
        host.SetDrawWindow(&window.surface, &window.surface);
    }
    void Call(PF_Cmd cmd, PF_LayerDef* output = nullptr, void* extra = nullptr)
    {
        errors += host.Call(cmd, output, extra) != PF_Err_NONE;
        // A message the host can show: text, not stray bytes.
        for (const char c : host.ReturnMessage())
            unprintable += c != '\n' && !std::isprint(static_cast<unsigned char>(c));
    }
    void Event(PF_EventType type, A_long x = 0, A_long y = 0, bool last = false)
    {
        PF_EventExtra e = {};
        e.contextH = host.WindowContext();
        e.e_type = type;
        e.effect_win.area = PF_EA_CONTROL;
        e.effect_win.current_frame = {0, 0, 300, 300};
        e.u.do_click.screen_point = {x, y};
        e.u.do_click.last_time = last;
        Call(PF_Cmd_EVENT, nullptr, &e);
    }

    // Sequence set-up to set-down with everything between: what the soak
    // repeats, updating and drawing the panel only now and then (clicks reach
    // it undrawn, and the host keeps every update).
    void Cycle(bool ui = true)
    {
        Call(PF_Cmd_SEQUENCE_SETUP);
        if (ui) Call(PF_Cmd_UPDATE_PARAMS_UI);
        host.SetInputLayer(input.World());
        Call(PF_Cmd_RENDER, &output.World());
        if (ui) Event(PF_Event_DRAW);
        yStandalone::yHostPlatform::Instance().SetButtonDown(true);
        Event(PF_Event_DO_CLICK, 60, 120);
        Event(PF_Event_DRAG, 200, 140);
        yStandalone::yHostPlatform::Instance().SetButtonDown(false);
        Event(PF_Event_DRAG, 220, 140, true);
        Event(host.KeyDownEvent());
        Event(PF_Event_ADJUST_CURSOR, 150, 40);
        Call(PF_Cmd_SEQUENCE_FLATTEN);
        Call(PF_Cmd_SEQUENCE_RESETUP);
        // A duplicate: the host copies the live handle and has the copy set up again.
        const PF_Handle original = host.InData().sequence_data;
        host.SetSequenceData(host.NewHandleWith(host.HandleBytes(original)));
        Call(PF_Cmd_SEQUENCE_RESETUP);
        Call(PF_Cmd_RENDER, &output.World());
        Call(PF_Cmd_SEQUENCE_SETDOWN);
        host.SetSequenceData(original);
        Call(PF_Cmd_RENDER, &output.World());
        Call(PF_Cmd_SEQUENCE_SETDOWN);
    }

    yStandalone::yEffectHost host{Module()};
    yStandalone::yWorld input{16, 12, false};
    yStandalone::yWorld output{16, 12, false};
    yAETest::Window window{340, 300};
    int errors = 0;
    int unprintable = 0;
};
} // namespace

TEST(yModuleFaults, EveryHostCallFailingInTurnIsSurvived)
{
    // Each call of a clean run fails once, then for good from there on; each
    // suite asked for is withheld; the first run is the clean one, checked.
    struct yFault
    {
        yHostCall call;
        int succeed, times;
        std::string suite;
    };
    std::vector<yFault> faults = {{yHostCall::NewHandle, 0, 0, ""}};
    for (size_t f = 0; f < faults.size(); ++f)
    {
        const yFault fault = faults[f];
        SCOPED_TRACE(HostCallName(fault.call) + (" " + std::to_string(fault.times) + " after " +
                                                 std::to_string(fault.succeed) + " " + fault.suite));
        yHostProbe probe;
        const PF_Err err = fault.call == yHostCall::Progress ? PF_Interrupt_CANCEL : PF_Err_OUT_OF_MEMORY;
        probe.FailCall(fault.call, err, fault.succeed, fault.times);
        if (!fault.suite.empty()) probe.WithholdSuite(fault.suite);
        yHostRun run(&probe);
        run.Call(PF_Cmd_GLOBAL_SETUP);
        run.Call(PF_Cmd_PARAMS_SETUP);
        std::string refused;
        run.host.MakeArbitraryValues(refused);
        run.Cycle();
        run.host.DisposeArbitraryValues();
        run.Call(PF_Cmd_GLOBAL_SETDOWN);
        EXPECT_EQ(run.unprintable, 0) << run.host.ReturnMessage();
        // A host that does not take a handle or a suite back keeps it; nothing else stays.
        const size_t live = run.host.LiveHandles();
        EXPECT_TRUE(live == 0 || fault.call == yHostCall::DisposeHandle) << live << " handles";
        EXPECT_TRUE(run.host.OpenSuites() == 0 || fault.call == yHostCall::ReleaseSuite);
        EXPECT_EQ(run.host.BadHandleUses(), 0);
        if (f > 0) continue;
        EXPECT_EQ(run.errors, 0);
        for (int c = 0; c <= int(yHostCall::ReleaseSuite); ++c)
            for (int k = 0; k < probe.CallCount(yHostCall(c)); ++k)
                for (int times : {1, -1}) faults.push_back({yHostCall(c), k, times, ""});
        for (const std::string& suite : probe.SuitesAskedFor())
            faults.push_back({yHostCall::NewHandle, 0, 0, suite});
    }
}

TEST(yModuleFaults, TenThousandInstancesLeaveMemoryFlat)
{
    const auto residentKiB = [] {
        size_t pages = 0, resident = 0;
        std::ifstream("/proc/self/statm") >> pages >> resident;
        return resident * size_t(sysconf(_SC_PAGESIZE)) / 1024;
    };
#ifdef TONESCOPE_SANITIZED
    const int cycles = 2000; // the sanitizers make each cycle several times slower
#else
    const int cycles = 10000;
#endif
    yHostRun run(nullptr);
    run.Call(PF_Cmd_GLOBAL_SETUP);
    run.Call(PF_Cmd_PARAMS_SETUP);
    std::string refused;
    ASSERT_TRUE(run.host.MakeArbitraryValues(refused)) << refused;
    // The global data, and the panel parameter's default and value where the host keeps them.
    const size_t kept = run.host.LiveHandles();
    [[maybe_unused]] size_t atThousand = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle)
    {
        run.Cycle(cycle % 100 == 0);
        ASSERT_EQ(run.host.LiveHandles(), kept) << "cycle " << cycle;
        if (cycle == 1000) atThousand = residentKiB();
    }
    run.host.DisposeArbitraryValues();
    run.Call(PF_Cmd_GLOBAL_SETDOWN);
    EXPECT_EQ(run.errors, 0);
    EXPECT_EQ(run.host.LiveHandles(), 0u);
#ifndef TONESCOPE_SANITIZED
    // Freed memory stays in the sanitizers' quarantine, so only a plain build measures.
    std::printf("resident memory: %zu KiB at cycle 1000, %zu KiB at cycle %d\n", atThousand, residentKiB(),
                cycles);
    EXPECT_LT(residentKiB(), atThousand + 512);
#endif
}
