// Movies: every frame as ffmpeg itself decodes it, whatever order it is asked for in.
#include "standalone/media/yImageFile.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

using yStandalone::yImageFile;
using yStandalone::yWorld;

namespace
{
constexpr int kFrames = 40;

// A 64 x 48 test pattern that changes every frame, made into path by ffmpeg.
bool MakeMovie(const std::string& path, const std::string& codec)
{
    return std::system(("ffmpeg -loglevel error -f lavfi -i testsrc=size=64x48:rate=25 -frames:v " +
                        std::to_string(kFrames) + " " + codec + " -y " + path)
                           .c_str()) == 0;
}

bool Ffmpeg(const std::string& arguments)
{
    return std::system(("ffmpeg -loglevel error " + arguments).c_str()) == 0;
}

yTest::yProcessResult Render(const std::string& input, const std::string& more)
{
    std::vector<std::string> arguments = {"render", input, "--module", yTest::ModulePath(), "--quiet"};
    for (size_t at = 0, end; at < more.size(); at = end + 1)
    {
        end = std::min(more.find(' ', at), more.size());
        arguments.push_back(more.substr(at, end - at));
    }
    return yTest::RunTonescope(arguments);
}
} // namespace

TEST(yMovieReader, EveryFrameIsTheOneFfmpegDecodesInAnyOrder)
{
    yTest::yScratchFolder folder;
    const struct
    {
        const char* name;
        const char* codec;
        bool deep; // compared at 16 bits
    } movies[] = {
        {"b.mp4", "-c:v libx264 -g 12", false}, // B-frames, ffmpeg's default
        {"j.avi", "-c:v mjpeg", false},
        {"p.mov", "-c:v prores_ks", true}, // 10-bit, every frame a keyframe
    };
    for (const auto& m : movies)
    {
        SCOPED_TRACE(m.name);
        const std::string movie = folder.File(m.name), raw = folder.File("dump.raw");
        ASSERT_TRUE(MakeMovie(movie, m.codec));
        ASSERT_TRUE(Ffmpeg("-i " + movie + " -f rawvideo -pix_fmt " + (m.deep ? "rgb48le" : "rgb24") + " -y " + raw));
        const std::vector<uint8_t> dump = yTest::ReadBytes(raw);
        const size_t samples = 64 * 48 * 3, sampleBytes = m.deep ? 2 : 1;
        ASSERT_EQ(dump.size(), samples * sampleBytes * kFrames);
        yImageFile file;
        std::string error;
        ASSERT_TRUE(file.Open(movie, yImageFile::kDefaultMaxPixels, error)) << error;
        ASSERT_EQ(file.Frames(), kFrames);
        // Far on, back to the start, on frame by frame, back inside a group of pictures.
        for (const int frame : {38, 0, 1, 2, 17, 13, 39, 25, 24})
        {
            yWorld world;
            ASSERT_TRUE(file.ReadFrame(frame, m.deep, 1, world, error)) << error;
            int wrong = 0;
            for (size_t k = 0; k < samples; ++k)
            {
                const size_t at = (size_t(frame) * samples + k) * sampleBytes;
                const int x = int(k / 3 % 64), y = int(k / 3 / 64), c = int(k % 3);
                const int want = m.deep ? (((dump[at] | dump[at + 1] << 8) * 32768 + 32767) / 65535) : dump[at];
                const PF_Pixel16 deep = m.deep ? world.Pixel16(x, y) : PF_Pixel16{};
                const PF_Pixel8 shallow = m.deep ? PF_Pixel8{} : world.Pixel8(x, y);
                const int got[3] = {m.deep ? deep.red : shallow.red, m.deep ? deep.green : shallow.green,
                                    m.deep ? deep.blue : shallow.blue};
                wrong += got[c] != want;
            }
            EXPECT_EQ(wrong, 0) << "frame " << frame;
        }
    }
}

TEST(yMovieReader, AMovieRendersAsItsFramesDoOnAnyNumberOfWorkers)
{
    yTest::yScratchFolder folder;
    const std::string movie = folder.File("b.mp4");
    ASSERT_TRUE(MakeMovie(movie, "-c:v libx264 -g 12"));
    ASSERT_TRUE(Ffmpeg("-i " + movie + " -pix_fmt rgb24 -start_number 0 " + folder.File("f%03d.png")));
    for (const char* frames : {"0-39", "38-38", "0-39 --downsample 3"})
    {
        const std::string range = std::string("--frames ") + frames + " --histogram ";
        ASSERT_EQ(Render(folder.File("f%03d.png"), range + folder.File("want.csv")).status, 0);
        const std::string want = yTest::ReadText(folder.File("want.csv"));
        for (const std::string jobs : {" --jobs 1", " --jobs 2", ""})
        {
            const yTest::yProcessResult r = Render(movie, range + folder.File("got.csv") + jobs);
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_TRUE(yTest::ReadText(folder.File("got.csv")) == want) << frames << " on " << jobs;
        }
    }
}

TEST(yMovieReader, AMovieCutShortNamesTheFramesItLacks)
{
    yTest::yScratchFolder folder;
    const std::string whole = folder.File("whole.mp4"), cut = folder.File("cut.mp4");
    ASSERT_TRUE(MakeMovie(whole, "-c:v libx264 -g 12 -movflags +faststart")); // the frames' index first
    const std::vector<uint8_t> bytes = yTest::ReadBytes(whole);
    yTest::WriteBytes(cut, {bytes.begin(), bytes.begin() + long(bytes.size() / 2)});
    ASSERT_EQ(Render(whole, "--stats " + folder.File("whole.jsonl")).status, 0);
    const yTest::yProcessResult r = Render(cut, "--stats " + folder.File("cut.jsonl"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("the file ends before it."), std::string::npos) << r.err;
    // The frames read are the whole movie's, each once.
    const std::string all = yTest::ReadText(folder.File("whole.jsonl"));
    std::istringstream lines(yTest::ReadText(folder.File("cut.jsonl")));
    int read = 0;
    for (std::string line; std::getline(lines, line); ++read)
        EXPECT_NE(all.find(line + "\n"), std::string::npos) << line;
    EXPECT_GT(read, 4);
    EXPECT_NE(r.err.find(std::to_string(kFrames - read) + " of 40 frames were skipped."), std::string::npos)
        << r.err;
}

TEST(yMovieReader, AMovieNeedsOnlyTheMovieLibrary)
{
    // The program with the movie library beside it and not the image readers.
    yTest::yScratchFolder folder;
    const std::string program = TONESCOPE_PROGRAM;
    const std::string bin = program.substr(0, program.rfind('/'));
    ASSERT_EQ(std::system(("mkdir " + folder.File("bin") + " && cp " + program + " " + bin +
                           "/tonescope-movies.so " + folder.File("bin"))
                              .c_str()),
              0);
    ASSERT_TRUE(MakeMovie(folder.File("m.mp4"), "-c:v libx264"));
    yTest::WriteBytes(folder.File("s.exr"), {0x76, 0x2f, 0x31, 0x01, 2, 0, 0, 0});
    const struct
    {
        const char* file;
        int status;
        const char* says;
    } rows[] = {
        {"m.mp4", 0, "64 x 48"},
        {"s.exr", 1, "needs the image readers"}, // an OpenEXR file is never probed as a movie
    };
    for (const auto& row : rows)
    {
        const std::string run = folder.File("bin/tonescope") + " info " + folder.File(row.file) + " >" +
                                folder.File("out") + " 2>&1";
        EXPECT_EQ(WEXITSTATUS(std::system(run.c_str())), row.status) << row.file;
        EXPECT_NE(yTest::ReadText(folder.File("out")).find(row.says), std::string::npos)
            << yTest::ReadText(folder.File("out"));
    }
}

TEST(yMovieReader, AMovieWrittenAgainOrAnotherIsCountedAgain)
{
    // What a reader found is kept for the file as it was, not for its name,
    // nor for the next file the same image opens.
    yTest::yScratchFolder folder;
    yImageFile file;
    const std::pair<const char*, int> movies[] = {{"m.mp4", 40}, {"n.mp4", 12}, {"m.mp4", 12}, {"m.mp4", 40}};
    for (const auto& [name, frames] : movies)
    {
        const std::string movie = folder.File(name);
        ASSERT_TRUE(Ffmpeg("-f lavfi -i testsrc=size=64x48:rate=25 -frames:v " + std::to_string(frames) +
                           " -c:v libx264 -y " + movie));
        std::string error;
        ASSERT_TRUE(file.Open(movie, yImageFile::kDefaultMaxPixels, error)) << error;
        EXPECT_EQ(file.Frames(), frames) << name;
    }
}
