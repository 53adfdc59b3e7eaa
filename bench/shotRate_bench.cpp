// Shots as fast as their frames decode: for a movie, an OpenEXR and a PNG
// sequence, the rate at which the readers alone decode every frame beside
// the rate of a whole `tonescope render` of the same shot, at the default
// number of workers and at one. Decoding is timed twice: as a program of its
// own (shotDecode, which loads the readers as the program does) and in this
// process, where the readers are loaded already. The counter ratio is render
// / decode, both whole runs of a program; ratio_in_process takes the decode
// in this process; ratio_started leaves out of the render what a render of
// the first frame alone takes (the program's start, loading the readers and
// the module, the set-up).
#include "standalone/media/yImageFile.h"

#include <OpenImageIO/imageio.h>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace
{
const std::string kFolder = "/tmp/tonescope-bench-shotrate";
constexpr int kFrames = 100, kWidth = 640, kHeight = 360;

struct yShotInput
{
    const char* shot;  // as the program takes it
    const char* frame; // one frame's file, by number; empty for a movie
    const char* first; // the first frame, as --frames takes it
};
const yShotInput kMovie = {"movie.mp4", "", "0-0"};
const yShotInput kExr = {"exr/f.%04d.exr", "exr/f.%04d.exr", "1-1"};
const yShotInput kPng = {"png/f.%04d.png", "png/f.%04d.png", "1-1"};

std::string FrameFile(const char* pattern, int k)
{
    char name[64];
    std::snprintf(name, sizeof name, pattern, k);
    return kFolder + "/" + name;
}

void MakeShots()
{
    static bool made = false;
    if (made) return;
    made = true;
    if (std::system(("mkdir -p " + kFolder + "/exr " + kFolder +
                     "/png && ffmpeg -y -loglevel error -f lavfi "
                     "-i testsrc2=size=640x360:rate=25 -frames:v 100 -c:v libx264 " +
                     kFolder + "/movie.mp4")
                        .c_str()) != 0)
        std::abort();
    std::vector<float> pixels(size_t(kWidth) * kHeight * 3);
    for (int k = 1; k <= kFrames; ++k)
    {
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = float((i * 7 + size_t(k) * 13 + i / 1920) % 1000) / 999.0f;
        for (const auto& [pattern, stored] :
             {std::pair{kExr.frame, OIIO::TypeDesc::HALF}, std::pair{kPng.frame, OIIO::TypeDesc::UINT8}})
        {
            const std::string path = FrameFile(pattern, k);
            auto out = OIIO::ImageOutput::create(path);
            if (!out || !out->open(path, OIIO::ImageSpec(kWidth, kHeight, 3, stored)) ||
                !out->write_image(OIIO::TypeDesc::FLOAT, pixels.data()) || !out->close())
                std::abort();
        }
    }
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Every frame through the media layer, as a worker reads it; false on a failure.
bool DecodeAll(const yShotInput& input)
{
    yStandalone::yImageFile file;
    yStandalone::yWorld world;
    std::string error;
    const bool movie = *input.frame == '\0';
    if (movie && !file.Open(kFolder + "/" + input.shot, yStandalone::yImageFile::kDefaultMaxPixels, error))
        return false;
    for (int k = 0; k < kFrames; ++k)
    {
        if (!movie &&
            !file.Open(FrameFile(input.frame, k + 1), yStandalone::yImageFile::kDefaultMaxPixels, error))
            return false;
        if (!file.ReadFrame(movie ? k : 0, file.IsDeep(), 1, world, error)) return false;
    }
    return true;
}

// Runs a program to its end; false when it fails.
bool Run(std::vector<std::string> words)
{
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    int status = 0;
    return posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) == 0 &&
           ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The whole program on the shot, or on its first frame only; false when it fails.
bool Render(const yShotInput& input, const char* jobs, bool firstOnly)
{
    std::vector<std::string> words = {TONESCOPE_PROGRAM,
                                      "render",
                                      kFolder + "/" + input.shot,
                                      "--stats",
                                      kFolder + "/stats.jsonl",
                                      "--quiet",
                                      "--module",
                                      TONESCOPE_MODULE};
    if (*jobs) words.insert(words.end(), {"--jobs", jobs});
    if (firstOnly) words.insert(words.end(), {"--frames", input.first});
    return Run(words);
}

// Decoding and rendering alternate in each iteration, so that both meet the
// same load on the machine. jobs "" is the program's default.
void ShotRate(benchmark::State& state, const yShotInput& input, const char* jobs)
{
    MakeShots();
    double decoding = 0, decodingRun = 0, rendering = 0, starting = 0;
    for (auto _ : state)
    {
        auto start = std::chrono::steady_clock::now();
        if (!DecodeAll(input))
        {
            state.SkipWithError("a frame could not be decoded");
            return;
        }
        decoding += Seconds(start);
        start = std::chrono::steady_clock::now();
        if (!Run({TONESCOPE_SHOT_DECODE, kFolder + "/" + input.shot, std::to_string(kFrames)}))
        {
            state.SkipWithError("shotDecode failed");
            return;
        }
        decodingRun += Seconds(start);
        for (bool firstOnly : {false, true})
        {
            start = std::chrono::steady_clock::now();
            if (!Render(input, jobs, firstOnly))
            {
                state.SkipWithError("the program failed");
                return;
            }
            (firstOnly ? starting : rendering) += Seconds(start);
        }
    }
    const double runs = double(state.iterations()) * kFrames;
    state.counters["decode_fps"] = runs / decodingRun;
    state.counters["decode_in_process_fps"] = runs / decoding;
    state.counters["render_fps"] = runs / rendering;
    state.counters["ratio"] = decodingRun / rendering;
    state.counters["ratio_in_process"] = decoding / rendering;
    state.counters["ratio_started"] = decoding / (rendering - starting);
}

BENCHMARK_CAPTURE(ShotRate, movie_default, kMovie, "")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(ShotRate, movie_jobs1, kMovie, "1")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(ShotRate, exr_default, kExr, "")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(ShotRate, exr_jobs1, kExr, "1")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(ShotRate, png_default, kPng, "")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(ShotRate, png_jobs1, kPng, "1")->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

BENCHMARK_MAIN();
