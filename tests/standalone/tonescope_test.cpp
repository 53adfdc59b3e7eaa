// The tonescope program, run as a process with the module just built.
#include "standalone/media/yPngFile.h"
#include "standalone/session/yEventScript.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <OpenImageIO/imageio.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <zlib.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using yStandalone::yWorld;
using yTest::yProcessResult;

namespace
{
// Where a click toggles the red channel in the panel's top row.
const std::string kRedToggle = "157 11";

// Columns differ in red, rows in green: red 10 x, green 20 y, blue 7, opaque.
yWorld Gradient(int width, int height, bool deep = false)
{
    yWorld world(width, height, deep);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const A_u_char r = A_u_char(10 * x % 256), g = A_u_char(20 * y % 256);
            if (deep)
                world.Pixel16(x, y) = PF_Pixel16{32768, A_u_short(r * 128), A_u_short(g * 128), 7 * 128};
            else
                world.Pixel8(x, y) = PF_Pixel8{255, r, g, 7};
        }
    return world;
}

// "total top,left,bottom,right model bins first-last" (the first channel's
// first and last bin).
std::string Summary(const nlohmann::json& s)
{
    const nlohmann::json& r = s["sample_rect"];
    std::ostringstream text;
    text << s["total"] << ' ' << r["top"] << ',' << r["left"] << ',' << r["bottom"] << ',' << r["right"]
         << ' ' << s["model"].get<std::string>() << ' ' << s["bins"] << ' ' << s["channels"][0]["first"]
         << '-' << s["channels"][0]["last"];
    return text.str();
}

class tonescope : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        const std::pair<const char*, yWorld> inputs[] = {{"in.png", Gradient(20, 10)},
                                                         {"big.png", Gradient(200, 200)},
                                                         {"dot.png", Gradient(1, 1)},
                                                         {"deep.png", Gradient(20, 10, true)}};
        std::string error;
        for (const auto& input : inputs)
            ASSERT_TRUE(yStandalone::yPngFile::Write(File(input.first), input.second, error)) << error;
    }

    std::string File(const std::string& name) const { return m_folder.File(name); }
    // "@name" stands for the file of that name in the scratch folder.
    std::string Expand(const std::string& word) const
    {
        return word.rfind('@', 0) == 0 ? File(word.substr(1)) : word;
    }

    // Runs a command given as words split at blanks; a render reads its input
    // from the scratch folder, uses the module just built and replays the
    // script, if any.
    yProcessResult Run(const std::string& command, const std::string& script = "",
                       std::vector<std::string> more = {})
    {
        std::istringstream words(command);
        std::vector<std::string> arguments;
        for (std::string word; words >> word;)
            arguments.push_back(Expand(word));
        if (command.rfind("render ", 0) == 0) arguments[1] = File(arguments[1]); // the input
        if (command.rfind("render", 0) == 0) more.insert(more.end(), {"--module", yTest::ModulePath()});
        if (!script.empty()) std::ofstream(File("events.txt")) << script;
        if (!script.empty()) more.insert(more.end(), {"--events", File("events.txt")});
        for (const std::string& word : more)
            arguments.push_back(Expand(word));
        return yTest::RunTonescope(arguments, File(""));
    }

    // A temporary output file is left in the scratch folder.
    bool HasTemporary() const { return std::system(("ls -A " + File("") + " | grep -q part").c_str()) == 0; }

    yStandalone::yPngImage Png(const std::string& name)
    {
        yStandalone::yPngImage image;
        std::string error;
        EXPECT_TRUE(yStandalone::yPngFile::Read(File(name), image, error)) << error;
        return image;
    }

    yTest::yScratchFolder m_folder;
};

TEST_F(tonescope, DoesWhatItIsToldOrRefusesInOneSentence)
{
    std::vector<uint8_t> png = yTest::ReadBytes(File("in.png"));
    png[16] = png[17] = png[18] = png[19] = 0; // width 0
    yTest::WriteBytes(File("zero.png"), png);
    yTest::WriteBytes(File("text.png"), {'h', 'i', '\n'});
    yTest::WriteBytes(File("text.so"), {'h', 'i', '\n'});
    yTest::WriteBytes(File("foreign.ztp"), std::vector<uint8_t>(48, 'x'));
    yTest::WriteBytes(File("x.png"), {'x'});
    ::link(File("x.png").c_str(), File("y.png").c_str());
    ::symlink("stats.json", File("alias.json").c_str());
    // Projects whose record is one byte short or long, and one tagged live naming a made-up address.
    for (const auto& [name, size, tag] :
         {std::tuple{"short.ztp", 35, 0xBC}, {"long.ztp", 37, 0xBC}, {"forged.ztp", 36, 0xA8}})
    {
        std::vector<uint8_t> project = {'Z', 'T', 'P', 'J', 1, 0, 0, 0, uint8_t(size), 0, 0, 0, uint8_t(tag)};
        project.resize(12 + size_t(size), 0x41);
        yTest::WriteBytes(File(name), project);
    }
    std::vector<uint8_t> module = yTest::ReadBytes(yTest::ModulePath());
    module[yTest::FindBytes(module, "main", yTest::FindBytes(module, "MIB8dnik")) + 3] =
        'X'; // the list names "maiX", which is not exported
    yTest::WriteBytes(File("renamed.so"), module);
    module = yTest::ReadBytes(yTest::ModulePath());
    // The list announces out_flags the module does not set: "OLGe", then id 0 and length 4.
    module[yTest::FindBytes(module, "OLGe", yTest::FindBytes(module, "MIB8dnik")) + 12] ^= 0x40;
    yTest::WriteBytes(File("flags.so"), module);

    const struct
    {
        const char* command;
        const char* script;
        int status;
        const char* expected; // a render's Summary of its statistics, or part of what is printed
    } cases[] = {
        {"render in.png", "", 0, "200 0,0,10,20 RGB 256 0-190"},
        {"render dot.png", "", 0, "1 0,0,1,1 RGB 256 0-0"},
        // A region 0.4 pixels wide still takes the column it touches.
        {"render in.png --sample region --position 4.5,5 --width 0.4 --height 10", "", 0,
         "10 0,4,10,5 RGB 256 40-40"},
        // Without a position the region lies around the layer's centre.
        {"render in.png --sample region --width 4 --height 2", "", 0, "8 4,8,6,12 RGB 256 80-110"},
        {"render in.png --sample region --position -50,-50 --width 10 --height 10", "", 0,
         "0 0,0,0,0 RGB 256 -1--1"},
        {"render in.png --sample region --width 10000 --height 0", "", 0, "20 5,0,6,20 RGB 256 0-190"},
        // Downsampling shrinks the region with the image.
        {"render big.png --sample region --position 100,100 --width 100 --height 100 --downsample 2", "", 0,
         "2500 25,25,75,75 RGB 256 0-252"},
        {"render in.png --depth 16", "", 0, "200 0,0,10,20 RGB 32769 0-24415"},
        {"render deep.png", "", 0, "200 0,0,10,20 RGB 32769 0-24320"},
        {"render deep.png --depth 8", "", 0, "200 0,0,10,20 RGB 256 0-189"},
        {"render in.png --model y'iq", "", 0, "200 0,0,10,20 Y'IQ 256 0-163"},
        {"render in.png --model 10", "", 0, "200 0,0,10,20 Lab 256 0-217"},
        {"render in.png --model cmyk", "", 0, "200 0,0,10,20 CMYK 256 0-255"},
        // Scripted changes reach the final render, also after a render.
        {"render in.png",
         "set Sample Region\nset Position 10,5\nset Width 4\nset Height 2\nset \"Color Model\" HSV", 0,
         "8 4,8,6,12 HSV 256 30-52"},
        {"render in.png", "render\nset \"Color Model\" 10\nrender\n", 0, "200 0,0,10,20 Lab 256 0-217"},
        {"render big.png", "set Sample 1\n", 0, "10000 50,50,150,150 RGB 256 0-254"},
        {"render in.png", "move 5 5\nkey a shift\nwait 100\npick cancel\ndrag 1 1\n", 0,
         "200 0,0,10,20 RGB 256 0-190"},
        {"render in.png", "set Sample region\nset Width 10000\nset Height -10000\n", 0,
         "0 0,0,0,0 RGB 256 -1--1"},
        {"render in.png", "set \"Render Output\" ON\nresize 40 1\nset Position -1e7,1e7\n", 0,
         "200 0,0,10,20 RGB 256 0-190"},
        // Bad files, options and scripts.
        {"render missing.png", "", 1, "@missing.png"},
        {"render zero.png", "", 1, "@zero.png"},
        {"render in.png --model Foo", "", 1, "\"Foo\""},
        {"render in.png --model 0", "", 1, "\"0\""},
        {"render in.png --model 12", "", 1, "\"12\""},
        {"render in.png --depth 12", "", 1, "depth"},
        {"render in.png --frames 1-3", "", 1, "is a still, frame 0 alone, so it has no frames 1-3."},
        {"render in.png --width -5", "", 1, "\"-5\""},
        {"render in.png --height nan", "", 1, "\"nan\""},
        {"render in.png --sample some", "", 1, "\"some\""},
        {"render in.png --position 1", "", 1, "\"1\""},
        {"render in.png --downsample 0", "", 1, "downsample"},
        {"render in.png --downsample 65", "", 1, "downsample"},
        {"render in.png --project @foreign.ztp", "", 1, "@foreign.ztp"},
        {"render in.png --project @short.ztp", "", 1, "record of 35 bytes where the module keeps 36"},
        {"render in.png --project @long.ztp", "", 1, "record of 37 bytes where the module keeps 36"},
        {"render in.png --project @forged.ztp", "", 0, "200 0,0,10,20 RGB 256 0-190"},
        // A project keeps the host's parameters; the command line's win over them.
        {"render in.png --model 10 --project @kept.ztp", "", 0, "200 0,0,10,20 Lab 256 0-217"},
        {"render in.png --project @kept.ztp", "", 0, "200 0,0,10,20 Lab 256 0-217"},
        {"render in.png --project @kept.ztp --sample region --position 10,5 --width 4 --height 2 --model hsv",
         "", 0, "8 4,8,6,12 HSV 256 30-52"},
        {"render in.png --project @kept.ztp", "", 0, "8 4,8,6,12 HSV 256 30-52"},
        {"render in.png --output @no/such/folder/out.png", "", 1, "@no/such/folder/out.png"},
        {"render in.png --output @", "", 1, "folder"},
        // One file for two outputs, by name, through a link or a hard link.
        {"render in.png --project @stats.json", "", 1, "given to both --stats and --project"},
        {"render in.png --timeline @alias.json", "", 1, "given to both --stats and --timeline"},
        {"render in.png --timeline @x.png --project @./y.png", "", 1,
         "given to both --project and --timeline"},
        {"render in.png", "down 1 2\njump 3 4\n", 1, "@events.txt is malformed"},
        {"render in.png --events @none.txt", "", 1, "@none.txt"},
        {"render in.png", "draw\nset Width 10001\n", 1,
         "Line 2 of the event script failed: the value \"10001\""},
        {"render in.png", "set Height -10000.01\n", 1, "from -10000 to 10000"},
        {"render in.png", "set Sample 4\n", 1, "\"4\""},
        {"render in.png", "set Sample 0\n", 1, "\"0\""},
        {"render in.png", "set Sample 3\n", 1, "\"3\""}, // the list's empty end
        {"render in.png", "set \"Color Model\" 12\n", 1, "\"12\""},
        {"render in.png --depth 0", "", 1, "\"0\""},
        {"render in.png", "set \"Render Output\" maybe\n", 1, "\"maybe\""},
        {"render in.png", "set Position 0,1e8\n", 1, "\"0,1e8\""},
        {"render in.png", "set Size 3\n", 1, "\"Size\""},
        {"render in.png", "set Histogram 3\n", 1, "\"Histogram\""},
        // The module beside the program, and damaged or foreign ones.
        // info succeeds only when the property list agrees with what set-up reports.
        {"info", "", 0, "Global set-down done\n"},
        {"info @missing.so", "", 1, "@missing.so: No such file"},
        {"info @text.png", "", 1, "@text.png: Not a PNG file."},
        {"info @text.so", "", 1, "@text.so is not a shared library"},
        {"info " TONESCOPE_PLAIN_LIBRARY, "", 1, "no resource section"},
        {"info @renamed.so", "", 1, "@renamed.so does not export its entry point \"maiX\""},
        {"info @flags.so", "", 1, "The property list gives the out_flags 0x0"},
    };
    const char* const written[] = {"stats.json", "panel.png", "h.csv", "out.png"};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.command) + " / " + c.script);
        for (const char* name : written)
            std::remove(File(name).c_str());
        const bool render = std::string(c.command).rfind("render", 0) == 0;
        std::vector<std::string> more;
        if (render) more = {"--stats", "@stats.json", "--panel", "@panel.png", "--histogram", "@h.csv"};
        if (render && std::string(c.command).find("--output") == std::string::npos)
            more.insert(more.end(), {"--output", "@out.png"});
        const yProcessResult r = Run(c.command, c.script, more);
        ASSERT_EQ(r.status, c.status) << r.err;
        if (c.status == 0 && render)
            EXPECT_EQ(Summary(nlohmann::json::parse(yTest::ReadText(File("stats.json")))), c.expected);
        else
            EXPECT_NE((c.status == 0 ? r.out : r.err).find(Expand(c.expected)), std::string::npos)
                << r.out << r.err;
        if (c.status == 0) continue;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.out, "");
        for (const char* name : written)
            EXPECT_FALSE(std::ifstream(File(name)).good()) << name;
    }
    EXPECT_EQ(yTest::RunTonescope({"transmogrify"}).status, 1);
    // A still is frame 0 alone: an output named by frame takes that number.
    EXPECT_EQ(Run("render in.png --frames 0-0 --output @o.%04d.png").status, 0);
    EXPECT_TRUE(std::ifstream(File("o.0000.png")).good());
    const yProcessResult outside = Run("render in.png --sample region --position 5000,5000");
    EXPECT_EQ(outside.status * 10 + std::count(outside.err.begin(), outside.err.end(), '\n'), 1);
    EXPECT_NE(outside.err.find("Warning: the sample region lies outside"), std::string::npos) << outside.err;
    EXPECT_EQ(yTest::ReadBytes(File("short.ztp")).size(), 47u) << "a refused project is left as it was";
}

// A path or a module's words are shown on the message's one line, never obeyed.
TEST_F(tonescope, ControlCharactersInPathsAreShownEscaped)
{
    const std::string odd = "a\x1b[2J\nb";
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"render", File("in.png"), "--module", yTest::ModulePath(), "--output",
                                   File(odd + "/out.png")},
          {"info", File(odd + ".so")},
          {"render", File(odd + ".png"), "--module", yTest::ModulePath()}})
    {
        const yProcessResult r = yTest::RunTonescope(command);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("a\\x1B[2J\\nb"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST_F(tonescope, ViewRefusesImagesOverItsMaxPixels)
{
    const std::string program = TONESCOPE_PROGRAM;
    if (::access((program.substr(0, program.rfind('/')) + "/tonescope-view").c_str(), X_OK) != 0)
        GTEST_SKIP() << "built without the viewer";
    const yProcessResult r = yTest::RunTonescope(
        {"view", File("big.png"), "--module", yTest::ModulePath(), "--max-pixels", "100"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("200 x 200 pixels, more than the 100 allowed"), std::string::npos) << r.err;
}

TEST_F(tonescope, RenderOutputBlanksOutsideTheRegionAndOffCopiesTheInput)
{
    for (const std::string input : {"in.png", "deep.png"})
    {
        ASSERT_EQ(Run("render " + input + " --output @off.png").status, 0);
        EXPECT_EQ(Png("off.png").rgba, Png(input).rgba);
        ASSERT_EQ(
            Run("render " + input +
                " --render-output --sample region --position 10,5 --width 4 --height 2 --output @on.png")
                .status,
            0);
        const yStandalone::yPngImage on = Png("on.png");
        ASSERT_EQ(on.width * on.height, 200);
        for (int i = 0; i < 200; ++i)
        {
            const uint16_t* p = &on.rgba[size_t(i) * 4];
            const bool inside = i % 20 >= 8 && i % 20 < 12 && i / 20 >= 4 && i / 20 < 6;
            EXPECT_EQ(p[3] > 0 || p[0] > 0, inside) << input << " " << i;
        }
    }
}

TEST_F(tonescope, TheHistogramGoesToStandardOutputWithARowPerBin)
{
    for (const std::string depth : {"8", "16"})
    {
        ::mkdir(File("-").c_str(), 0700); // "-" is standard output, even beside a folder of that name
        const yProcessResult r = Run("render in.png --histogram - --depth " + depth);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), depth == "8" ? 257 : 32770);
        // Red 0 in the first column, green 0 in the first row, blue 7 throughout.
        EXPECT_EQ(r.out.rfind("value,Red,Green,Blue,Alpha\n0,10,20,0,0\n1,0,0,0,0\n", 0), 0u);
        EXPECT_NE(r.out.find(depth == "8" ? "\n7,0,0,200,0\n" : "\n900,0,0,200,0\n"), std::string::npos);
    }
}

TEST_F(tonescope, AFailedRunLeavesEveryOutputAsItWas)
{
    // A device that refuses every write. As root the test makes its own, so
    // that a fault replacing it cannot harm the system's.
    const std::string full =
        ::mknod(File("full").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0 ? File("full") : "/dev/full";
    // The panel fails where its temporary is made, or after, written directly.
    for (const std::string& panel : {std::string("/proc/x.png"), full})
    {
        yTest::WriteBytes(File("keep.png"), {'k'});
        const yProcessResult r = Run("render in.png --output @keep.png --stats @s.json --panel " + panel);
        EXPECT_EQ(r.status * 10 + (r.err.find(panel) < r.err.size()), 11) << r.err;
        EXPECT_EQ(yTest::ReadText(File("keep.png")), "k") << panel;
        EXPECT_FALSE(std::ifstream(File("s.json")).good() || HasTemporary()) << panel;
    }
    // A PNG goes to standard output too.
    const yProcessResult r = Run("render in.png --output -");
    ASSERT_EQ(r.status, 0) << r.err;
    yTest::WriteBytes(File("out.png"), std::vector<uint8_t>(r.out.begin(), r.out.end()));
    EXPECT_EQ(Png("out.png").rgba, Png("in.png").rgba);
}

TEST_F(tonescope, ATerminatedRunRemovesItsTemporaries)
{
    ASSERT_EQ(::mkfifo(File("fifo").c_str(), 0600), 0);
    const pid_t child = ::fork();
    if (child == 0)
    {
        // Nobody reads the FIFO: the run waits there with the output's temporary made.
        ::execl(TONESCOPE_PROGRAM, TONESCOPE_PROGRAM, "render", File("in.png").c_str(), "--module",
                yTest::ModulePath().c_str(), "--output", File("out.png").c_str(), "--panel",
                File("fifo").c_str(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    pid_t ended = 0;
    for (int wait = 0; wait < 2000 && ended == 0 && !HasTemporary(); ++wait)
        if ((ended = ::waitpid(child, &status, WNOHANG)) == 0) ::usleep(10000);
    EXPECT_TRUE(ended == 0 && HasTemporary()) << "the run waits at the FIFO with its temporary made";
    if (ended == 0 && ::kill(child, SIGTERM) == 0) ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_FALSE(HasTemporary() || std::ifstream(File("out.png")).good());
}

TEST_F(tonescope, ClicksChangeTheRenderAndAProjectKeepsThem)
{
    const std::string toggle = "down " + kRedToggle + "\nup " + kRedToggle + "\n";
    const struct
    {
        std::string script;
        int red, green; // of pixel (5, 5): red 50, green 100, outside the selection
    } cases[] = {
        {"draw\n", 50, 100},
        {toggle, 0, 100},
        // Control-click shows the red channel alone.
        {"down " + kRedToggle + " ctrl\nup " + kRedToggle + "\n", 50, 0},
    };
    for (const auto& c : cases)
    {
        ASSERT_EQ(Run("render in.png --render-output --output @out.png", c.script).status, 0);
        const yStandalone::yPngImage out = Png("out.png");
        EXPECT_EQ(out.rgba[105 * 4] * 1000 + out.rgba[105 * 4 + 1], c.red * 1000 + c.green) << c.script;
    }

    // Two clicks on the auto-view button within the double-click time are a double click.
    const std::string autoView = "down 283 11\nup 283 11\n";
    ASSERT_EQ(Run("render in.png --panel @a.png", autoView + "wait 499\n" + autoView).status, 0);
    ASSERT_EQ(Run("render in.png --panel @b.png", autoView + "wait 501\n" + autoView).status, 0);
    EXPECT_NE(yTest::ReadBytes(File("a.png")), yTest::ReadBytes(File("b.png")));

    ASSERT_EQ(Run("render in.png --project @panel.ztp --panel @panel.png --render-output",
                  toggle + "resize 100 50\n")
                  .status,
              0);
    const std::vector<uint8_t> saved = yTest::ReadBytes(File("panel.ztp"));
    EXPECT_EQ(Png("panel.png").width * 1000 + Png("panel.png").height, 100050);
    // Restored without events the red channel stays off; saved again, the file is the same.
    ASSERT_EQ(Run("render in.png --project @panel.ztp --render-output --output @out.png").status, 0);
    EXPECT_EQ(Png("out.png").rgba[105 * 4], 0);
    EXPECT_EQ(yTest::ReadBytes(File("panel.ztp")), saved);
}

TEST_F(tonescope, TheDemoWritesItsFilesAgainAndAgain)
{
    for (int run = 0; run < 2; ++run)
    {
        const yProcessResult r = yTest::RunTonescope({}, File(""));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("tonescope-demo/output.png"), std::string::npos) << r.out;
    }
    const nlohmann::json stats = nlohmann::json::parse(yTest::ReadText(File("tonescope-demo/stats.json")));
    EXPECT_EQ(stats["total"], 256 * 192);
    const std::string table = yTest::ReadText(File("tonescope-demo/histogram.csv"));
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 257);
    EXPECT_EQ(Png("tonescope-demo/panel.png").width, 340);
    const yStandalone::yPngImage output = Png("tonescope-demo/output.png");
    // The grey ramp lies outside the selection and stays grey; alpha is not
    // shown, so the transparent corner comes out opaque.
    const uint16_t* grey = &output.rgba[size_t(80 * 256 + 128) * 4];
    EXPECT_TRUE(grey[0] == grey[1] && grey[1] == grey[2] && grey[3] == 255) << grey[0] << " " << grey[1];
    EXPECT_EQ(output.rgba[size_t(180 * 256 + 250) * 4 + 3], 255);

    // Where no folder can be made the demo stops.
    const yProcessResult r = yTest::RunTonescope({}, "/proc");
    EXPECT_EQ(r.status * 10 + std::count(r.err.begin(), r.err.end(), '\n'), 11) << r.err;
}
} // namespace

// Under a memory limit a large image ends the run with a sentence naming its
// size, whichever allocation runs short (the sanitizers keep more memory than
// any such limit leaves).
TEST_F(tonescope, RunningOutOfMemoryIsOneSentence)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "memory limits and the address sanitizer do not mix";
#endif
    std::string error;
    ASSERT_TRUE(yStandalone::yPngFile::Write(File("huge.png"), yWorld(8192, 8192, false), error)) << error;
    for (const char* depth : {"8", "16"})
    {
        const yProcessResult r =
            yTest::RunTonescope({"render", File("huge.png"), "--depth", depth, "--module",
                                 yTest::ModulePath(), "--stats", File("stats.json")},
                                File(""), uint64_t(256) << 20);
        EXPECT_EQ(r.status, 1) << depth;
        EXPECT_NE(r.err.find("not enough memory"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("8192 x 8192"), std::string::npos) << r.err;
    }
}

// An unreadable first frame fails only the ranges that hold it; the others
// match the whole shot's lines.
TEST_F(tonescope, AnUnreadableFirstFrameLeavesTheOtherRangesValid)
{
    ::mkdir(File("seq").c_str(), 0700);
    std::string error;
    yTest::WriteBytes(File("seq/f.0001.png"), {'x'});
    for (int k = 2; k <= 4; ++k)
    {
        yWorld frame = Gradient(8, 4);
        frame.Pixel8(0, 0).red = A_u_char(100 + k);
        ASSERT_TRUE(
            yStandalone::yPngFile::Write(File("seq/f.000" + std::to_string(k) + ".png"), frame, error));
    }
    yProcessResult r = Run("render seq/f.%04d.png --frames 3-4 --stats @part.jsonl");
    EXPECT_EQ(r.status, 0) << r.err;
    r = Run("render seq/f.%04d.png --stats @all.jsonl");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Frame 1 was skipped"), std::string::npos) << r.err;
    const std::string all = yTest::ReadText(File("all.jsonl"));
    EXPECT_EQ(all.substr(std::min(all.find("{\"frame\":3"), all.size())),
              yTest::ReadText(File("part.jsonl")));
}

// A long 16-bit shot under a memory limit: its files are streamed, so memory
// does not grow with the frames, and whichever thread runs short, the run
// ends in its one sentence, never an abort.
TEST_F(tonescope, ALongShotFitsAFixedMemoryLimit)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "memory limits and the address sanitizer do not mix";
#endif
    ::mkdir(File("long").c_str(), 0700);
    std::string error;
    char name[32];
    for (int k = 0; k < 2000; ++k)
    {
        std::snprintf(name, sizeof name, "long/f.%04d.png", k);
        ASSERT_TRUE(yStandalone::yPngFile::Write(File(name), Gradient(1, 1, true), error)) << error;
    }
    const yProcessResult r =
        yTest::RunTonescope({"render", File("long/f.%04d.png"), "--module", yTest::ModulePath(), "--jobs",
                             "8", "--quiet", "--histogram", File("h.csv"), "--stats", File("s.jsonl")},
                            File(""), uint64_t(256) << 20);
    ASSERT_EQ(r.status, 0) << r.err;
    std::ifstream table(File("h.csv"));
    table.seekg(-40, std::ios::end);
    const std::string end(std::istreambuf_iterator<char>(table), {});
    EXPECT_NE(end.find("\n1999,32768,"), std::string::npos) << end;
    const std::string lines = yTest::ReadText(File("s.jsonl"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2000);
    // More workers than the memory holds are cut to what fits, with a note.
    const yProcessResult many =
        yTest::RunTonescope({"render", File("long/f.%04d.png"), "--module", yTest::ModulePath(), "--jobs",
                             "1000", "--frames", "0-999", "--quiet", "--stats", File("s.jsonl")},
                            File(""), uint64_t(256) << 20);
    EXPECT_EQ(many.status * 10 + std::count(many.err.begin(), many.err.end(), '\n'), 1) << many.err;
    EXPECT_NE(many.err.find("workers asked for, so"), std::string::npos) << many.err;
}

// A shot renders frame by frame with the same results for any number of
// workers; a bad shot is refused in one sentence, a bad frame is skipped.
TEST_F(tonescope, ShotsRenderFrameByFrameAlikeOnAnyNumberOfWorkers)
{
    ::mkdir(File("seq").c_str(), 0700);
    std::string error;
    // Frame k marks its first pixel with red 100 + k; frame 5 is wider.
    for (int k = 1; k <= 5; ++k)
    {
        yWorld frame = Gradient(k == 5 ? 9 : 8, 4);
        frame.Pixel8(0, 0).red = A_u_char(100 + k);
        ASSERT_TRUE(yStandalone::yPngFile::Write(File("seq/f.000" + std::to_string(k) + ".png"), frame, error));
    }
    const std::string outputs =
        " --histogram @h.csv --stats @s.jsonl --panel @p.png --output @o.%02d.png --timeline @t.png --project @j.ztp";
    // After a script too: a toggle, the black thumb dragged, a model, a
    // smaller window and the pointer left over a control.
    for (const std::string script :
         {"down 157 12\nup 157 12\ndown 44 279\ndrag 90 279\nup 90 279\nset \"Color Model\" HSV\n"
          "resize 300 280\nmove 172 12\n",
          ""})
    {
        std::string first;
        for (const std::string shot :
             {"seq/f.%04d.png --frames 1-4 --jobs 1", "seq/f.%04d.png --frames 1-4 --jobs 3"})
        {
            std::remove(File("j.ztp").c_str()); // a project there would be restored first
            ASSERT_EQ(Run("render " + shot + outputs + " --render-output", script).status, 0) << shot;
            const std::string all = yTest::ReadText(File("h.csv")) + yTest::ReadText(File("s.jsonl")) +
                                    yTest::ReadText(File("p.png")) + yTest::ReadText(File("o.03.png")) +
                                    yTest::ReadText(File("t.png")) + yTest::ReadText(File("j.ztp"));
            EXPECT_EQ(first.empty() ? all : first, all) << shot << script;
            first = all;
        }
    }
    const std::string table = yTest::ReadText(File("h.csv"));
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 1 + 4 * 256);
    EXPECT_EQ(table.rfind("frame,value,Red,Green,Blue,Alpha\n1,0,", 0), 0u);
    EXPECT_NE(table.find("\n3,103,1,"), std::string::npos) << "frame 3's mark, in its own rows";
    EXPECT_EQ(yTest::ReadText(File("s.jsonl")).rfind("{\"frame\":1,\"model\":\"RGB\"", 0), 0u);
    // Parts of a shot, as nodes of a farm render them, concatenate to the whole.
    std::string parts;
    for (const char* range : {"1-2", "3-4"})
    {
        ASSERT_EQ(Run("render seq/f.%04d.png --frames " + std::string(range) + " --stats @s.jsonl").status,
                  0);
        parts += yTest::ReadText(File("s.jsonl"));
    }
    ASSERT_EQ(Run("render seq/f.%04d.png --frames 1-4 --stats @s.jsonl").status, 0);
    EXPECT_EQ(parts, yTest::ReadText(File("s.jsonl")));

    // A frame of another size is skipped and named; the others are written.
    yProcessResult r = Run("render seq --frames 3-5 --histogram @h.csv --quiet --model Lab");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Frame 5 ("), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("1 of 3 frames were skipped."), std::string::npos) << r.err;
    const std::string kept = yTest::ReadText(File("h.csv"));
    EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), 1 + 2 * 256);
    EXPECT_EQ(kept.rfind("frame,value,L,A,B,Alpha\n3,", 0), 0u);

    // A movie's frames count from 0.
    ASSERT_EQ(
        std::system(("ffmpeg -loglevel error -f lavfi -i testsrc=size=32x24:rate=10 -frames:v 3 -bf 0 " +
                     File("m.mp4"))
                        .c_str()),
        0);
    ASSERT_EQ(Run("render m.mp4 --frames 1-2 --stats @s.jsonl").status, 0);
    const std::string lines = yTest::ReadText(File("s.jsonl"));
    EXPECT_EQ(lines.substr(0, 11) + std::to_string(std::count(lines.begin(), lines.end(), '\n')),
              "{\"frame\":1,2");

    std::remove(File("seq/f.0002.png").c_str());
    std::vector<uint8_t> claim = yTest::ReadBytes(File("in.png")); // a header claiming 20000 x 20000
    for (size_t at : {16, 20})
        claim[at] = 0, claim[at + 1] = 0, claim[at + 2] = 0x4E, claim[at + 3] = 0x20;
    const uLong crc = crc32(0, claim.data() + 12, 17);
    for (int i = 0; i < 4; ++i)
        claim[29 + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
    yTest::WriteBytes(File("claim.png"), claim);
    // A movie and an OpenEXR file cut short.
    const std::vector<float> grey(64 * 48 * 3, 0.5f);
    auto exr = OIIO::ImageOutput::create(File("cut.exr"));
    ASSERT_TRUE(exr->open(File("cut.exr"), OIIO::ImageSpec(64, 48, 3, OIIO::TypeDesc::HALF)) &&
                exr->write_image(OIIO::TypeDesc::FLOAT, grey.data()) && exr->close());
    for (const char* cut : {"cut.exr", "m.mp4"})
    {
        const std::vector<uint8_t> bytes = yTest::ReadBytes(File(cut));
        yTest::WriteBytes(File(std::string("short.") + cut),
                          {bytes.begin(), bytes.begin() + long(bytes.size() / 2)});
    }
    const std::pair<const char*, const char*> refused[] = {
        {"render seq/g.%04d.png", "No file matches"},
        {"render seq --frames 3-2", "run backwards"},
        {"render seq --frames 0-4", "are not all in"},
        {"render seq --frames 3-4 --output @o.png", "needs a frame number"},
        {"render seq", "Frame 2 of"},
        {"render claim.png", "20000 x 20000 pixels, more than the 67108864 allowed (see --max-pixels)"},
        {"render claim.png --max-pixels 400000000", "is cut short"},
        {"render short.cut.exr", "it is cut short inside its header."},
        {"render short.m.mp4", "Cannot read the image"},
    };
    for (const auto& [command, message] : refused)
    {
        r = Run(command);
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_NE(r.err.find(message), std::string::npos) << command << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// The help lists the script lines the parsers take, the window's where the
// window is built.
TEST(tonescopeHelp, ListsTheScriptVerbs)
{
    const std::string events = yStandalone::yEventScript::VerbHelp();
    EXPECT_NE(yTest::RunTonescope({"render", "--help"}).out.find(events), std::string::npos);
    if (::access((std::string(TONESCOPE_PROGRAM) + "-view").c_str(), X_OK) != 0) return;
    const std::string view = yTest::RunTonescope({"view", "--help"}).out;
    EXPECT_NE(view.find(events), std::string::npos) << view;
    EXPECT_NE(view.find("  layer X Y "), std::string::npos) << view;
}
