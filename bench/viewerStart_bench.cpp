// How soon a 4K OpenEXR frame is on screen in the viewer, under Xvfb
// (started here when no display is set), in this process with the window
// and worker `tonescope view` runs: from the start to the window on screen
// (window_ms: the module, reading the frame, the first render, SDL's start)
// and from the window to the first image and histogram drawn (first_ms: the
// window's first three frames drawn and presented, as a script has them).
// The readers are linked in, so their library's load (about 0.5 s for
// OpenImageIO, docs/performance.md) is not counted.
#include "standalone/viewer/yViewerWindow.h"

#include <OpenImageIO/imageio.h>
#include <benchmark/benchmark.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace
{
const std::string kFolder = "/tmp/tonescope-bench-viewstart";
constexpr int kWidth = 3840, kHeight = 2160;

pid_t Spawn(std::vector<std::string> words)
{
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    return posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? child : -1;
}

// A half-float frame of gradients.
void MakeInput()
{
    static bool made = false;
    if (made) return;
    made = true;
    if (std::system(("mkdir -p " + kFolder).c_str()) != 0) std::abort();
    std::vector<float> pixels(size_t(kWidth) * kHeight * 3);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            float* p = &pixels[(size_t(y) * kWidth + size_t(x)) * 3];
            p[0] = float(x) / kWidth;
            p[1] = float(y) / kHeight;
            p[2] = 0.5f + 0.5f * std::sin(float(x + y) * 0.01f);
        }
    const std::string path = kFolder + "/frame.exr";
    auto out = OIIO::ImageOutput::create(path);
    if (!out || !out->open(path, OIIO::ImageSpec(kWidth, kHeight, 3, OIIO::TypeDesc::HALF)) ||
        !out->write_image(OIIO::TypeDesc::FLOAT, pixels.data()) || !out->close())
        std::abort();
}

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void FirstFrame(benchmark::State& state)
{
    MakeInput();
    double window = 0, first = 0;
    for (auto _ : state)
    {
        const auto start = std::chrono::steady_clock::now();
        yStandalone::yViewerSettings settings;
        settings.modulePath = TONESCOPE_MODULE;
        settings.input = kFolder + "/frame.exr";
        yStandalone::yViewerWorker worker;
        std::string error;
        if (!worker.Start(settings, error)) return state.SkipWithError(error.c_str());
        std::ostringstream messages;
        {
            yStandalone::yViewerWindow viewer(worker, messages);
            if (!viewer.Open("tonescope view", 1280, 800, error)) return state.SkipWithError(error.c_str());
            const double shown = Since(start);
            if (!viewer.RunScript({}, "", error)) return state.SkipWithError(error.c_str());
            window += shown;
            first += Since(start) - shown;
        }
        worker.Stop();
    }
    state.counters["window_ms"] = window / double(state.iterations());
    state.counters["first_ms"] = first / double(state.iterations());
}
BENCHMARK(FirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

int main(int argc, char** argv)
{
    pid_t xvfb = -1;
    if (!std::getenv("DISPLAY"))
    {
        xvfb = Spawn({"Xvfb", ":94", "-screen", "0", "1600x1000x24"});
        ::setenv("DISPLAY", ":94", 1);
        std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (xvfb > 0) ::kill(xvfb, SIGTERM);
    return 0;
}
