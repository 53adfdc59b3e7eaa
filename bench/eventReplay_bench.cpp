// Replaying an event script on one instance, as "tonescope render --events"
// does before its final render: pointer moves over the panel, each of which
// asks for a redraw, and the same moves with a click between every hundred.
// Then a whole shot after a script through the program, with one worker and
// with eight: the script is replayed once whatever the number of workers.
#include "standalone/emulator/yHostPlatform.h"
#include "standalone/media/yPngFile.h"
#include "standalone/session/yRenderSession.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <sys/stat.h>

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

// Eight small frames and 5,000 moves, written once.
const std::string& ShotFolder()
{
    static const std::string folder = []
    {
        const std::string path = "/tmp/tonescope-bench-replay";
        ::mkdir(path.c_str(), 0755);
        std::string error;
        for (int k = 1; k <= 8; ++k)
        {
            yStandalone::yWorld frame(64, 36, false);
            for (int y = 0; y < 36; ++y)
                for (int x = 0; x < 64; ++x)
                    frame.Pixel8(x, y) =
                        PF_Pixel8{255, A_u_char(x * 4 + k), A_u_char(y * 7), A_u_char(x ^ y)};
            if (!yStandalone::yPngFile::Write(path + "/f.000" + std::to_string(k) + ".png", frame, error))
                std::abort();
        }
        std::ofstream script(path + "/moves.txt");
        for (const yStandalone::yScriptEvent& move : Moves(5000, false))
            script << "move " << move.x << ' ' << move.y << '\n';
        return path;
    }();
    return folder;
}

void ShotAfterScript(benchmark::State& state)
{
    const std::string folder = ShotFolder();
    const std::string command = std::string(TONESCOPE_PROGRAM) + " render " + folder +
                                "/f.%04d.png --quiet --module " + TONESCOPE_MODULE + " --events " + folder +
                                "/moves.txt --jobs " + std::to_string(state.range(0)) + " --stats /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("the render failed");
}
} // namespace

BENCHMARK(ShotAfterScript)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(ReplayScript, moves, false)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ReplayScript, movesAndClicks, true)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_MAIN();
