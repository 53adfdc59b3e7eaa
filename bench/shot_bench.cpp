// Whole shots through the tonescope program: a 200-frame 1920 x 1080
// sequence as 8-bit PNG and as half-float OpenEXR, rendered with one and two
// workers, beside reading the frames alone (the decoding share).
#include "standalone/media/yImageFile.h"
#include "standalone/media/yPngFile.h"

#include <OpenImageIO/imageio.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace
{
constexpr int kFrames = 200, kWidth = 1920, kHeight = 1080;
const std::string kFolder = "/tmp/tonescope-bench-shot";

// Footage of sorts: ramps that drift from frame to frame, with grain, so that
// the files compress as real plates do.
float Sample(int frame, int x, int y, int c)
{
    const unsigned grain =
        (unsigned(x) * 73856093u ^ unsigned(y) * 19349663u ^ unsigned(frame) * 83492791u) >> 27;
    return std::min(1.0f, (x + y * (c + 1) + frame * 4) % 2048 / 2048.0f + grain / 512.0f);
}

std::string FramePath(const std::string& kind, int k)
{
    char name[64];
    std::snprintf(name, sizeof name, "/%s/f.%04d.%s", kind.c_str(), k + 1, kind == "png8" ? "png" : "exr");
    return kFolder + name;
}

void MakeShots()
{
    static bool made = false;
    if (made) return;
    made = true;
    for (const std::string kind : {"png8", "exr16"})
    {
        ::mkdir(kFolder.c_str(), 0755);
        ::mkdir((kFolder + "/" + kind).c_str(), 0755);
        std::vector<float> pixels(size_t(kWidth) * kHeight * 3);
        for (int k = 0; k < kFrames; ++k)
        {
            const std::string path = FramePath(kind, k);
            struct stat info = {};
            if (::stat(path.c_str(), &info) == 0) continue; // kept from an earlier run
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    for (int c = 0; c < 3; ++c)
                        pixels[(size_t(y) * kWidth + size_t(x)) * 3 + size_t(c)] = Sample(k, x, y, c);
            auto out = OIIO::ImageOutput::create(path);
            OIIO::ImageSpec spec(kWidth, kHeight, 3,
                                 kind == "png8" ? OIIO::TypeDesc::UINT8 : OIIO::TypeDesc::HALF);
            if (!out || !out->open(path, spec) || !out->write_image(OIIO::TypeDesc::FLOAT, pixels.data()))
                std::abort();
            out->close();
        }
    }
}

// The whole program, as a user runs it; frames a second counted.
void RenderShot(benchmark::State& state, const std::string& kind)
{
    MakeShots();
    // Jobs 0 stands for the program's start and set-up alone: one frame.
    const std::string command = std::string(TONESCOPE_PROGRAM) + " render " + kFolder + "/" + kind +
                                " --quiet --module " + TONESCOPE_MODULE +
                                (state.range(0) == 0 ? std::string(" --frames 1-1")
                                                     : " --jobs " + std::to_string(state.range(0))) +
                                " --stats /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("the render failed");
    state.counters["frames/s"] = benchmark::Counter(kFrames, benchmark::Counter::kIsIterationInvariantRate);
}

// Reading the frames alone, into the worlds a render gets.
void DecodeShot(benchmark::State& state, const std::string& kind)
{
    MakeShots();
    yStandalone::yWorld world;
    std::string error;
    for (auto _ : state)
        for (int k = 0; k < kFrames; ++k)
        {
            yStandalone::yImageFile file;
            if (!file.Open(FramePath(kind, k), yStandalone::yImageFile::kDefaultMaxPixels, error) ||
                !file.ReadFrame(0, file.IsDeep(), 1, world, error))
                state.SkipWithError(error.c_str());
        }
    state.counters["frames/s"] = benchmark::Counter(kFrames, benchmark::Counter::kIsIterationInvariantRate);
}
} // namespace

BENCHMARK_CAPTURE(RenderShot, png8, std::string("png8"))
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(2);
BENCHMARK_CAPTURE(RenderShot, exr16, std::string("exr16"))
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(2);
BENCHMARK_CAPTURE(DecodeShot, png8, std::string("png8"))
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(2);
BENCHMARK_CAPTURE(DecodeShot, exr16, std::string("exr16"))
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(2);
BENCHMARK_MAIN();
