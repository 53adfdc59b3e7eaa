// The tonescope program, run as a process with the real module or the fake one.
#include "standalone/yPngFile.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

using yHost::yWorld;
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

bool Exists(const std::string& path)
{
    struct stat info = {};
    return ::stat(path.c_str(), &info) == 0;
}

// "total top,left,bottom,right model bins first-last" (the first channel's
// first and last bin).
std::string Summary(const nlohmann::json& s)
{
    const nlohmann::json& r = s["sample_rect"];
    std::ostringstream text;
    text << s["total"] << ' ' << r["top"] << ',' << r["left"] << ',' << r["bottom"] << ',' << r["right"] << ' '
         << s["model"].get<std::string>() << ' ' << s["bins"] << ' ' << s["channels"][0]["first"] << '-'
         << s["channels"][0]["last"];
    return text.str();
}

class tonescope : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        Input("in.png", Gradient(20, 10));
        Input("big.png", Gradient(200, 200));
        Input("dot.png", Gradient(1, 1));
        Input("deep.png", Gradient(20, 10, true));
        std::vector<uint8_t> png = yTest::ReadBytes(File("in.png"));
        yTest::WriteBytes(File("truncated.png"), {png.begin(), png.begin() + long(png.size() / 2)});
        png[16] = png[17] = png[18] = png[19] = 0; // width 0
        yTest::WriteBytes(File("zero.png"), png);
        yTest::WriteBytes(File("text.png"), {'h', 'i', '\n'});
        std::vector<uint8_t> project = {'Z', 'T', 'P', 'J', 1, 0, 0, 0, 36, 0, 0, 0, 1, 2};
        yTest::WriteBytes(File("truncated.ztp"), project);
        project.resize(48);
        project[4] = 2;
        yTest::WriteBytes(File("newer.ztp"), project);
        project[4] = 0;
        yTest::WriteBytes(File("format0.ztp"), project);
        yTest::WriteBytes(File("foreign.ztp"), std::vector<uint8_t>(48, 'x'));
    }

    void Input(const std::string& name, const yWorld& world)
    {
        std::string error;
        EXPECT_TRUE(yHost::yPngFile::Write(File(name), world, error)) << error;
    }

    std::string File(const std::string& name) const { return m_folder.File(name); }
    // "@name" stands for the file of that name in the scratch folder.
    std::string Expand(const std::string& word) const { return word.rfind('@', 0) == 0 ? File(word.substr(1)) : word; }

    yProcessResult Render(const std::string& input, const std::vector<std::string>& options,
                          const std::string& script = "")
    {
        std::vector<std::string> arguments = {"render", File(input), "--module", TONESCOPE_MODULE};
        for (const std::string& option : options)
            arguments.push_back(Expand(option));
        if (!script.empty())
        {
            std::ofstream(File("events.txt")) << script;
            arguments.insert(arguments.end(), {"--events", File("events.txt")});
        }
        return yTest::RunTonescope(arguments);
    }

    yHost::yPngImage Png(const std::string& name)
    {
        yHost::yPngImage image;
        std::string error;
        EXPECT_TRUE(yHost::yPngFile::Read(File(name), image, error)) << error;
        return image;
    }

    yTest::yScratchFolder m_folder;
};

TEST_F(tonescope, RendersWhatItIsToldOrRefusesInOneSentence)
{
    const struct
    {
        const char* command; // the input in the scratch folder and the options, split at blanks
        const char* script;
        int status;
        const char* expected; // the Summary of the statistics, or part of the error
    } cases[] = {
        {"in.png", "", 0, "200 0,0,10,20 RGB 256 0-190"},
        {"dot.png", "", 0, "1 0,0,1,1 RGB 256 0-0"},
        // A region 0.4 pixels wide still takes the column it touches.
        {"in.png --sample region --position 4.5,5 --width 0.4 --height 10", "", 0, "10 0,4,10,5 RGB 256 40-40"},
        {"in.png --sample region --position 1,1 --width 6 --height 6", "", 0, "16 0,0,4,4 RGB 256 0-30"},
        // Without a position the region lies around the layer's centre.
        {"in.png --sample region --width 4 --height 2", "", 0, "8 4,8,6,12 RGB 256 80-110"},
        {"in.png --sample region --position -50,-50 --width 10 --height 10", "", 0, "0 0,0,-45,-45 RGB 256 -1--1"},
        {"in.png --sample region --width 10000 --height 0", "", 0, "20 5,0,6,20 RGB 256 0-190"},
        // Downsampling shrinks the region with the image.
        {"big.png --sample region --position 100,100 --width 100 --height 100 --downsample 2", "", 0,
         "2500 25,25,75,75 RGB 256 0-252"},
        {"in.png --depth 16", "", 0, "200 0,0,10,20 RGB 32769 0-24415"},
        {"deep.png", "", 0, "200 0,0,10,20 RGB 32769 0-24320"},
        {"deep.png --depth 8", "", 0, "200 0,0,10,20 RGB 256 0-189"},
        {"in.png --model YUV", "", 0, "200 0,0,10,20 Y'UV 256 0-163"},
        {"in.png --model y'iq", "", 0, "200 0,0,10,20 Y'IQ 256 0-163"},
        {"in.png --model 10", "", 0, "200 0,0,10,20 Lab 256 0-217"},
        {"in.png --model 11", "", 0, "200 0,0,10,20 Luv 256 0-217"},
        {"in.png --model cmyk", "", 0, "200 0,0,10,20 CMYK 256 0-255"},
        // Scripted changes reach the final render, also after a render.
        {"in.png", "set Sample Region\nset Position 10,5\nset Width 4\nset Height 2\nset \"Color Model\" HSV",
         0, "8 4,8,6,12 HSV 256 30-52"},
        {"in.png", "render\nset \"Color Model\" 10\nrender\n", 0, "200 0,0,10,20 Lab 256 0-217"},
        {"big.png", "set Sample 1\n", 0, "10000 50,50,150,150 RGB 256 0-254"},
        {"in.png", "set Sample 3\nset \"Color Model\" 12\n", 0, "200 0,0,10,20  256 0-190"},
        {"in.png", "set Sample region\nset Width 10000\nset Height -10000\n", 0, "0 5005,0,-4994,20 RGB 256 -1--1"},
        {"in.png", "set \"Render Output\" ON\nresize 40 1\nset Position -1e7,1e7\n", 0, "200 0,0,10,20 RGB 256 0-190"},
        // Bad files, options and scripts.
        {"missing.png", "", 1, "@missing.png"},
        {"truncated.png", "", 1, "@truncated.png"},
        {"zero.png", "", 1, "@zero.png"},
        {"text.png", "", 1, "@text.png"},
        {"in.png --model Foo", "", 1, "\"Foo\""},
        {"in.png --model 0", "", 1, "\"0\""},
        {"in.png --model 12", "", 1, "\"12\""},
        {"in.png --depth 12", "", 1, "depth"},
        {"in.png --width -5", "", 1, "\"-5\""},
        {"in.png --width 10000.5", "", 1, "\"10000.5\""},
        {"in.png --height nan", "", 1, "\"nan\""},
        {"in.png --sample some", "", 1, "\"some\""},
        {"in.png --position 1", "", 1, "\"1\""},
        {"in.png --position 1e8,0", "", 1, "\"1e8,0\""},
        {"in.png --downsample 0", "", 1, "downsample"},
        {"in.png --downsample 65", "", 1, "downsample"},
        {"in.png --project @truncated.ztp", "", 1, "@truncated.ztp"},
        {"in.png --project @foreign.ztp", "", 1, "@foreign.ztp"},
        {"in.png --project @newer.ztp", "", 1, "format 2"},
        {"in.png --project @format0.ztp", "", 1, "format 0"},
        {"in.png --output @no/such/folder/out.png", "", 1, "@no/such/folder/out.png"},
        {"in.png --output @", "", 1, "folder"},
        {"in.png", "down 1 2\njump 3 4\n", 1, "Line 2 "},
        {"in.png", "draw\nset Width 10001\n", 1, "Line 2 of the event script failed: the value \"10001\""},
        {"in.png", "set Height -10000.01\n", 1, "from -10000 to 10000"},
        {"in.png", "set Sample 4\n", 1, "\"4\""},
        {"in.png", "set Sample 0\n", 1, "\"0\""},
        {"in.png", "set \"Color Model\" 13\n", 1, "\"13\""},
        {"in.png", "set \"Render Output\" maybe\n", 1, "\"maybe\""},
        {"in.png", "set Position 0,1e8\n", 1, "\"0,1e8\""},
        {"in.png", "set Position 3\n", 1, "\"3\""},
        {"in.png", "set Size 3\n", 1, "\"Size\""},
        {"in.png", "set Histogram 3\n", 1, "\"Histogram\""},
        {"in.png", "resize 39 10\n", 1, "39 x 10"},
        {"in.png", "resize 40 8193\n", 1, "40 x 8193"},
    };
    const char* const written[] = {"stats.json", "panel.png", "h.csv", "out.png"};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.command) + " / " + c.script);
        for (const char* name : written)
            std::remove(File(name).c_str());
        std::istringstream words(c.command);
        std::string input, word;
        std::vector<std::string> options;
        for (words >> input; words >> word;)
            options.push_back(word);
        options.insert(options.end(), {"--stats", "@stats.json", "--panel", "@panel.png", "--histogram", "@h.csv"});
        if (options[0] != "--output") options.insert(options.end(), {"--output", "@out.png"});
        const yProcessResult r = Render(input, options, c.script);
        ASSERT_EQ(r.status, c.status) << r.err;
        if (c.status == 0)
        {
            EXPECT_EQ(Summary(nlohmann::json::parse(yTest::ReadText(File("stats.json")))), c.expected);
            continue;
        }
        EXPECT_NE(r.err.find(Expand(c.expected)), std::string::npos) << r.err;
        EXPECT_EQ(yTest::LineCount(r.err), 1) << r.err;
        for (const char* name : written)
            EXPECT_FALSE(Exists(File(name))) << name;
    }
}

TEST_F(tonescope, RenderOutputBlanksOutsideTheRegionAndOffCopiesTheInput)
{
    for (const char* input : {"in.png", "deep.png"})
    {
        SCOPED_TRACE(input);
        ASSERT_EQ(Render(input, {"--output", "@off.png"}).status, 0);
        EXPECT_EQ(Png("off.png").rgba, Png(input).rgba);
        ASSERT_EQ(Render(input, {"--render-output", "--sample", "region", "--position", "10,5", "--width", "4",
                                 "--height", "2", "--output", "@on.png"})
                      .status,
                  0);
        const yHost::yPngImage on = Png("on.png");
        ASSERT_EQ(on.width * on.height, 200);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
            {
                const uint16_t* p = &on.rgba[size_t(y * 20 + x) * 4];
                if (x >= 8 && x < 12 && y >= 4 && y < 6)
                    EXPECT_GT(p[3], 0) << x << "," << y;
                else
                    EXPECT_EQ(p[0] | p[1] | p[2] | p[3], 0) << x << "," << y;
            }
    }
}

TEST_F(tonescope, TheHistogramTableCountsEveryPixelOncePerChannel)
{
    for (const char* depth : {"8", "16"})
    {
        const yProcessResult r = Render("in.png", {"--depth", depth, "--histogram", "-"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out.rfind("value,A,B,C,D\n", 0), 0u);
        std::istringstream lines(r.out);
        std::string line;
        uint64_t rows = 0, value = 0, c[4] = {}, sums[4] = {};
        for (std::getline(lines, line); std::getline(lines, line); ++rows)
        {
            ASSERT_EQ(std::sscanf(line.c_str(), "%lu,%lu,%lu,%lu,%lu", &value, &c[0], &c[1], &c[2], &c[3]), 5);
            EXPECT_EQ(value, rows);
            for (int k = 0; k < 4; ++k)
                sums[k] += c[k];
        }
        EXPECT_EQ(rows, depth[0] == '8' ? 256u : 32769u);
        EXPECT_EQ(std::vector<uint64_t>(sums, sums + 4), std::vector<uint64_t>(4, 200));
    }
}

TEST_F(tonescope, ClicksChangeTheRenderAndAProjectKeepsThem)
{
    const struct
    {
        std::string script;
        uint16_t red, green; // of pixel (5, 5): red 50, green 100, outside the selection
    } cases[] = {
        {"draw\n", 50, 100},
        {"down " + kRedToggle + "\nup " + kRedToggle + "\n", 0, 100},
        // Control-click shows the red channel alone.
        {"down " + kRedToggle + " ctrl\nup " + kRedToggle + "\n", 50, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.script);
        ASSERT_EQ(Render("in.png", {"--render-output", "--output", "@out.png"}, c.script).status, 0);
        const yHost::yPngImage out = Png("out.png");
        EXPECT_EQ(out.rgba[size_t(5 * 20 + 5) * 4] * 1000 + out.rgba[size_t(5 * 20 + 5) * 4 + 1],
                  c.red * 1000 + c.green);
    }

    const std::vector<std::string> project = {"--project", "@panel.ztp", "--panel", "@panel.png"};
    ASSERT_EQ(Render("in.png", project, cases[1].script + "resize 100 50\n").status, 0);
    const std::vector<uint8_t> saved = yTest::ReadBytes(File("panel.ztp"));
    EXPECT_EQ(Png("panel.png").width * 1000 + Png("panel.png").height, 100050);
    // Restored without events the red channel stays off; saved again, the file is the same.
    std::vector<std::string> options = project;
    options.insert(options.end(), {"--render-output", "--output", "@out.png"});
    ASSERT_EQ(Render("in.png", options).status, 0);
    EXPECT_EQ(Png("out.png").rgba[size_t(5 * 20 + 5) * 4], 0);
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
    EXPECT_EQ(yTest::LineCount(yTest::ReadText(File("tonescope-demo/histogram.csv"))), 257);
    EXPECT_EQ(Png("tonescope-demo/panel.png").width, 340);
    const yHost::yPngImage output = Png("tonescope-demo/output.png");
    auto pixel = [&](int x, int y) { return &output.rgba[(size_t(y) * 256 + x) * 4]; };
    // The grey ramp lies outside the selection and stays grey.
    const uint16_t* grey = pixel(128, 80);
    EXPECT_TRUE(grey[0] == grey[1] && grey[1] == grey[2] && grey[3] == 255) << grey[0] << " " << grey[1];
    // Alpha is not shown, so the transparent corner comes out opaque.
    EXPECT_EQ(pixel(250, 180)[3], 255);

    // Where no folder can be made the demo stops.
    const yProcessResult r = yTest::RunTonescope({}, "/proc");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(yTest::LineCount(r.err), 1) << r.err;
}

TEST_F(tonescope, InfoReportsTheModuleBesideTheProgram)
{
    const yProcessResult r = yTest::RunTonescope({"info"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    for (const char* expected : {
             "  match name      zo Tonescope\n",
             "  effect version  2.2 (0x00110600)\n",
             "Parameters (num_params 8)\n",
             "  5 \"Position\": point, default 50.0%, 50.0%, bounds not restricted; id 5",
             "  7 \"Height\": fixed slider, default 100.00, valid -10000 to 10000, slider 0 to 200, 2 decimals",
             "Global set-down done\n",
         })
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\nin\n" << r.out;
}

TEST_F(tonescope, InfoRefusesBadModulesInOneSentence)
{
    std::vector<uint8_t> module = yTest::ReadBytes(TONESCOPE_MODULE);
    const size_t list = yTest::FindBytes(module, "MIB8dnik") - 10;
    const size_t entry = yTest::FindBytes(module, "main", list);
    module[list + 6] = 13; // one property more than there is
    yTest::WriteBytes(File("truncated.so"), module);
    module[list + 6] = 12;
    module[list + 10 + 19] = 'Z'; // the kind reads "ZFKT"
    yTest::WriteBytes(File("wrongkind.so"), module);
    module[list + 10 + 19] = 'e';
    module[entry + 3] = 'X'; // the property list names "maiX", which the library does not export
    yTest::WriteBytes(File("renamed.so"), module);
    const struct
    {
        std::string path, expected;
    } cases[] = {
        {File("missing.so"), "No such file"},
        {File("text.png"), "no ELF header"},
        {TONESCOPE_PLAIN_LIBRARY, "no resource section"},
        {File("truncated.so"), "truncated at property 13"},
        {File("wrongkind.so"), "\"ZFKT\""},
        {File("renamed.so"), "does not export its entry point \"maiX\""},
    };
    for (const auto& c : cases)
    {
        const yProcessResult r = yTest::RunTonescope({"info", c.path});
        EXPECT_EQ(r.status, 1) << c.path;
        EXPECT_EQ(yTest::LineCount(r.err), 1) << r.err;
        EXPECT_NE(r.err.find(c.path), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << c.path;
    }
    EXPECT_EQ(yTest::RunTonescope({"transmogrify"}).status, 1);
}
} // namespace
