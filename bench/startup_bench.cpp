// Whole runs of the tonescope program, from start to exit, as a user meets
// them: info, a small PNG render with its CSV and JSON, and the same picture
// as OpenEXR, which loads the image readers. Each is the median of repeated
// runs.
#include <OpenImageIO/imageio.h>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace
{
const std::string kFolder = "/tmp/tonescope-bench-startup";

void MakePictures()
{
    static bool made = false;
    if (made) return;
    made = true;
    std::system(("mkdir -p " + kFolder).c_str());
    const int width = 256, height = 192;
    std::vector<unsigned char> pixels(size_t(width) * height * 3);
    for (size_t k = 0; k < pixels.size(); ++k)
        pixels[k] = static_cast<unsigned char>((k * 7 + k / 768) % 256);
    for (const char* name : {"/picture.png", "/picture.exr"})
    {
        const std::string path = kFolder + name;
        auto out = OIIO::ImageOutput::create(path);
        const OIIO::TypeDesc stored = std::string(name).find(".exr") != std::string::npos ? OIIO::TypeDesc::HALF
                                                                                           : OIIO::TypeDesc::UINT8;
        if (!out || !out->open(path, OIIO::ImageSpec(width, height, 3, stored)) ||
            !out->write_image(OIIO::TypeDesc::UINT8, pixels.data()))
            std::abort();
        out->close();
    }
}

// Runs the program with the words and waits for it; the run must succeed.
void RunProgram(benchmark::State& state, std::vector<std::string> words)
{
    MakePictures();
    words.insert(words.begin(), TONESCOPE_PROGRAM);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state)
    {
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ) != 0 ||
            ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        {
            state.SkipWithError("the program failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
}

void Info(benchmark::State& state)
{
    RunProgram(state, {"info", "--", TONESCOPE_MODULE});
}

void Render(benchmark::State& state, const char* picture)
{
    RunProgram(state, {"render", kFolder + picture, "--histogram", kFolder + "/out.csv", "--stats",
                       kFolder + "/out.json", "--module", TONESCOPE_MODULE});
}
} // namespace

BENCHMARK(Info)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Render, png, "/picture.png")
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Render, exr, "/picture.exr")
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
