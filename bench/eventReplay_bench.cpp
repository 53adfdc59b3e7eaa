// Replaying an event script on one instance, as "tonescope render --events"
// does before its final render: pointer moves over the panel, each of which
// asks for a redraw, and the same moves with a click between every hundred.
#include "standalone/emulator/yHostPlatform.h"
#include "standalone/session/yRenderSession.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace
{
std::vector<yStandalone::yScriptEvent> Moves(int count, bool clicks)
{
    std::vector<yStandalone::yScriptEvent> events;
    std::mt19937 random(5u);
    for (int k = 0; k < count; ++k)
    {
        yStandalone::yScriptEvent move;
        move.kind = yStandalone::yScriptEvent::Move;
        move.line = k + 1;
        move.x = int(random() % 300);
        move.y = int(random() % 300);
        events.push_back(move);
        if (clicks && k % 100 == 99)
        {
            // The histogram's own area: a click there selects a bin.
            for (auto kind : {yStandalone::yScriptEvent::Down, yStandalone::yScriptEvent::Up})
            {
                move.kind = kind;
                move.x = 120;
                move.y = 120;
                events.push_back(move);
            }
        }
    }
    return events;
}

void ReplayScript(benchmark::State& state, bool clicks)
{
    const std::vector<yStandalone::yScriptEvent> events = Moves(int(state.range(0)), clicks);
    for (auto _ : state)
    {
        state.PauseTiming();
        yStandalone::yHostPlatform::Instance().Reset();
        yStandalone::yRenderSession session;
        std::string error;
        yStandalone::yWorld input(256, 256, false);
        bool ready = session.Open(TONESCOPE_MODULE, error);
        if (ready)
        {
            session.SetInput(std::move(input), 1, 256, 256);
            ready = session.Render(error);
        }
        state.ResumeTiming();
        if (!ready || !session.ReplayScript(events, error)) state.SkipWithError(error.c_str());
    }
    state.counters["events/s"] =
        benchmark::Counter(double(events.size()), benchmark::Counter::kIsIterationInvariantRate);
}
} // namespace

BENCHMARK_CAPTURE(ReplayScript, moves, false)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ReplayScript, movesAndClicks, true)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_MAIN();
