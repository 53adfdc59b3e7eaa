// One interaction in the viewer on a 1920 x 1080 8-bit image, as the window
// lives it: a click on a channel toggle goes to the render worker, which
// handles the event, renders the output again, draws the panel and publishes
// the frame; the window takes it and uploads both pictures into textures.
// The window's textures are those of SDL's software renderer over a memory
// surface, so no display is needed.
#include "panel/zelTonescopeUI.h"
#include "standalone/media/yPngFile.h"
#include "standalone/viewer/yViewerWorker.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace
{
constexpr int kWidth = 1920, kHeight = 1080;

// A photo-like frame (gradients with grain) written once.
const std::string& InputFile()
{
    static const std::string path = [] {
        const std::string file = "/tmp/viewer_bench_" + std::to_string(::getpid()) + ".png";
        yStandalone::yWorld w(kWidth, kHeight, false);
        std::mt19937 random(7u);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
            {
                const int grain = int(random() % 17) - 8;
                auto c = [&](int v) { return uint8_t(std::min(255, std::max(0, v + grain))); };
                w.Pixel8(x, y) = PF_Pixel8{255, c(x * 255 / kWidth), c(y * 255 / kHeight), c((x + y) % 256)};
            }
        std::string error;
        if (!yStandalone::yPngFile::Write(file, w, error)) std::fprintf(stderr, "%s\n", error.c_str());
        return file;
    }();
    return path;
}

yStandalone::yViewerJob Event(yStandalone::yScriptEvent::Kind kind, int x = 0, int y = 0)
{
    yStandalone::yViewerJob job;
    job.event.kind = kind;
    job.event.x = x;
    job.event.y = y;
    return job;
}

yStandalone::yViewerJob Set(const char* name, const char* value)
{
    yStandalone::yViewerJob job = Event(yStandalone::yScriptEvent::Set);
    job.event.param = name;
    job.event.value = value;
    return job;
}

void ToggleChannel(benchmark::State& state, const char* model)
{
    yStandalone::yViewerSettings settings;
    settings.modulePath = TONESCOPE_MODULE;
    settings.input = InputFile();
    settings.realClock = false;
    yStandalone::yViewerWorker worker;
    std::string error;
    if (!worker.Start(settings, error)) return state.SkipWithError(error.c_str());
    worker.Post(Set("Color Model", model));
    worker.Post(Set("Render Output", "on"));
    worker.WaitIdle();

    SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 2560, 1440, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(target);
    SDL_Texture* image = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, kWidth,
                                           kHeight);
    SDL_Texture* panel = nullptr;
    yStandalone::yViewerFrame frame;
    // Channel toggle B of the panel's top row, where the panel lays it out.
    const yRect toggle = zelTonescope::zelTonescopeUI().GetChannelToggle(1).GetScreenRect();
    const int x = (toggle.left + toggle.right) / 2, y = (toggle.top + toggle.bottom) / 2;
    for (auto _ : state)
    {
        // Off, then on again.
        worker.Post(Event(yStandalone::yScriptEvent::Down, x, y));
        worker.Post(Event(yStandalone::yScriptEvent::Up, x, y));
        yStandalone::yViewerJob wait = Event(yStandalone::yScriptEvent::Wait);
        wait.event.milliseconds = 1000; // no double click
        worker.Post(wait);
        worker.WaitIdle();
        worker.TakeFrame(frame);
        if (!panel)
            panel = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, frame.panelWidth,
                                      frame.panelHeight);
        SDL_UpdateTexture(image, nullptr, frame.image.data(), frame.imageWidth * 4);
        SDL_UpdateTexture(panel, nullptr, frame.panel.data(), frame.panelWidth * 4);
    }
    SDL_DestroyTexture(panel);
    SDL_DestroyTexture(image);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(target);
    worker.Stop();
}

// A step to the next frame of a 1920 x 1080 shot: the Frame job reads the
// frame, renders it and publishes it with its histogram; the window takes it.
void StepFrame(benchmark::State& state)
{
    namespace fs = std::filesystem;
    const std::string folder = "/tmp/viewer_bench_shot_" + std::to_string(::getpid());
    fs::create_directories(folder);
    for (const char* name : {"/f.0.png", "/f.1.png"})
        fs::copy_file(InputFile(), folder + name, fs::copy_options::overwrite_existing);
    yStandalone::yViewerSettings settings;
    settings.modulePath = TONESCOPE_MODULE;
    settings.input = folder;
    settings.realClock = false;
    yStandalone::yViewerWorker worker;
    std::string error;
    if (!worker.Start(settings, error)) return state.SkipWithError(error.c_str());
    // The timeline's instance finishes first, so that it does not share the processor.
    yStandalone::yTimelinePicture timeline;
    for (int wait = 0; wait < 1000 && timeline.done < 2; ++wait, ::usleep(10000)) worker.TakeTimeline(timeline);
    yStandalone::yViewerFrame frame;
    yStandalone::yViewerJob step;
    step.kind = yStandalone::yViewerJob::Frame;
    for (auto _ : state)
    {
        step.frame ^= 1;
        worker.Post(step);
        worker.WaitIdle();
        worker.TakeFrame(frame);
    }
    worker.Stop();
    fs::remove_all(folder);
}
} // namespace

BENCHMARK(StepFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK_CAPTURE(ToggleChannel, RGB, "RGB")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK_CAPTURE(ToggleChannel, HSV, "HSV")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK_CAPTURE(ToggleChannel, Lab, "Lab")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ::unlink(InputFile().c_str());
    return 0;
}
