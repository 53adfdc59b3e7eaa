// tonescope render and the demo, run as processes with the real module.
#include "standalone/yPngFile.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

using yHost::yWorld;
using yTest::yProcessResult;

namespace
{
// The red toggle in the panel's top row, in panel pixels.
constexpr int kRedToggleX = 157, kRedToggleY = 11;

bool Exists(const std::string& path)
{
    struct stat info = {};
    return ::stat(path.c_str(), &info) == 0;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

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

class yRenderCommand : public ::testing::Test
{
  protected:
    std::string Input(const yWorld& world, const std::string& name = "in.png")
    {
        std::string error;
        const std::string path = m_folder.File(name);
        EXPECT_TRUE(yHost::yPngFile::Write(path, world, error)) << error;
        return path;
    }

    yProcessResult Render(const std::string& input, std::vector<std::string> options)
    {
        options.insert(options.begin(), {"render", input, "--module", TONESCOPE_MODULE});
        return yTest::RunTonescope(options);
    }

    // Runs a render that must succeed and returns its statistics.
    nlohmann::json Stats(const std::string& input, std::vector<std::string> options)
    {
        options.insert(options.end(), {"--stats", File("stats.json")});
        const yProcessResult r = Render(input, options);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.status == 0 ? nlohmann::json::parse(ReadText(File("stats.json"))) : nlohmann::json::object();
    }

    yHost::yPngImage Png(const std::string& path)
    {
        yHost::yPngImage image;
        std::string error;
        EXPECT_TRUE(yHost::yPngFile::Read(path, image, error)) << error;
        return image;
    }

    std::string File(const std::string& name) const { return m_folder.File(name); }
    std::string Script(const std::string& text)
    {
        std::ofstream(File("events.txt")) << text;
        return File("events.txt");
    }

    yTest::yScratchFolder m_folder;
};

TEST_F(yRenderCommand, TheDemoWritesItsFourFiles)
{
    const yProcessResult r = yTest::RunTonescope({}, File(""));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("tonescope-demo/output.png"), std::string::npos) << r.out;
    const nlohmann::json stats = nlohmann::json::parse(ReadText(File("tonescope-demo/stats.json")));
    EXPECT_EQ(stats["model"], "RGB");
    EXPECT_EQ(stats["total"], 256 * 192);
    EXPECT_EQ(yTest::LineCount(ReadText(File("tonescope-demo/histogram.csv"))), 257);
    const yHost::yPngImage panel = Png(File("tonescope-demo/panel.png"));
    EXPECT_EQ(panel.width, 340);
    EXPECT_EQ(panel.height, 300);
    const yHost::yPngImage output = Png(File("tonescope-demo/output.png"));
    EXPECT_EQ(output.width, 256);
    auto pixel = [&](int x, int y) { return &output.rgba[(size_t(y) * 256 + x) * 4]; };
    // The grey ramp lies outside the selection and stays grey.
    const uint16_t* grey = pixel(128, 80);
    EXPECT_TRUE(grey[0] == grey[1] && grey[1] == grey[2] && grey[3] == 255) << grey[0] << " " << grey[1];
    // Alpha is not shown, so the transparent corner comes out opaque.
    EXPECT_EQ(pixel(250, 180)[3], 255);
}

TEST_F(yRenderCommand, SamplesTheWholeImageOrAClippedRegion)
{
    const std::string input = Input(Gradient(20, 10));
    struct Case
    {
        std::vector<std::string> options;
        int top, left, bottom, right, total;
    };
    const Case cases[] = {
        {{}, 0, 0, 10, 20, 200},
        // A region 0.4 pixels wide still takes the column it touches.
        {{"--sample", "region", "--position", "4.5,5", "--width", "0.4", "--height", "10"}, 0, 4, 10, 5, 10},
        {{"--sample", "region", "--position", "1,1", "--width", "6", "--height", "6"}, 0, 0, 4, 4, 16},
        // Without a position the region lies around the layer's centre.
        {{"--sample", "region", "--width", "4", "--height", "2"}, 4, 8, 6, 12, 8},
        {{"--sample", "region", "--position", "-50,-50", "--width", "10", "--height", "10"}, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        const nlohmann::json stats = Stats(input, c.options);
        SCOPED_TRACE(stats.dump());
        EXPECT_EQ(stats["total"], c.total);
        if (c.total == 0) continue; // an empty rectangle has no meaningful corners
        EXPECT_EQ(stats["sample_rect"]["top"], c.top);
        EXPECT_EQ(stats["sample_rect"]["left"], c.left);
        EXPECT_EQ(stats["sample_rect"]["bottom"], c.bottom);
        EXPECT_EQ(stats["sample_rect"]["right"], c.right);
    }
    // The one column holds red 40 only; outside the image nothing is counted.
    const nlohmann::json column =
        Stats(input, {"--sample", "region", "--position", "4.5,5", "--width", "0.4", "--height", "10"});
    EXPECT_EQ(column["channels"][0]["first"], 40);
    EXPECT_EQ(column["channels"][0]["last"], 40);
    EXPECT_EQ(column["channels"][0]["peak_count"], 10);
    const nlohmann::json outside =
        Stats(input, {"--sample", "region", "--position", "-50,-50", "--width", "10", "--height", "10"});
    for (int k = 0; k < 4; ++k) EXPECT_EQ(outside["channels"][k]["first"], -1);
}

TEST_F(yRenderCommand, DownsamplingShrinksTheRegionWithTheImage)
{
    const std::string input = Input(Gradient(200, 200));
    const nlohmann::json stats = Stats(input, {"--sample", "region", "--position", "100,100", "--width", "100",
                                               "--height", "100", "--downsample", "2"});
    EXPECT_EQ(stats["total"], 50 * 50);
    EXPECT_EQ(stats["sample_rect"]["left"], 25);
    EXPECT_EQ(stats["sample_rect"]["bottom"], 75);
}

TEST_F(yRenderCommand, RenderOutputBlanksOutsideTheRegionAndOffCopiesTheInput)
{
    for (const bool deep : {false, true})
    {
        SCOPED_TRACE(deep ? "16 bits" : "8 bits");
        const yWorld world = Gradient(20, 10, deep);
        const std::string input = Input(world);
        const yHost::yPngImage original = Png(input);

        ASSERT_EQ(Render(input, {"--output", File("off.png")}).status, 0);
        EXPECT_EQ(Png(File("off.png")).rgba, original.rgba);

        ASSERT_EQ(Render(input, {"--render-output", "--sample", "region", "--position", "10,5", "--width", "4",
                                 "--height", "2", "--output", File("on.png")})
                      .status,
                  0);
        const yHost::yPngImage on = Png(File("on.png"));
        ASSERT_EQ(on.width, 20);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
            {
                const bool inside = x >= 8 && x < 12 && y >= 4 && y < 6;
                const uint16_t* p = &on.rgba[(size_t(y) * 20 + x) * 4];
                if (inside)
                    EXPECT_GT(p[3], 0) << x << "," << y;
                else
                    EXPECT_EQ(p[0] | p[1] | p[2] | p[3], 0) << x << "," << y;
            }
    }
}

TEST_F(yRenderCommand, HistogramTableHasOneRowPerBinAndCountsEveryPixel)
{
    const std::string input = Input(Gradient(20, 10));
    for (const char* depth : {"8", "16"})
    {
        const yProcessResult r = Render(input, {"--depth", depth, "--histogram", "-"});
        ASSERT_EQ(r.status, 0) << r.err;
        std::istringstream lines(r.out);
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line, "value,A,B,C,D");
        int rows = 0;
        uint64_t sums[4] = {};
        while (std::getline(lines, line))
        {
            uint64_t value = 0, c[4] = {};
            ASSERT_EQ(std::sscanf(line.c_str(), "%lu,%lu,%lu,%lu,%lu", &value, &c[0], &c[1], &c[2], &c[3]), 5);
            EXPECT_EQ(value, uint64_t(rows));
            for (int k = 0; k < 4; ++k) sums[k] += c[k];
            ++rows;
        }
        EXPECT_EQ(rows, std::string(depth) == "8" ? 256 : 32769);
        for (uint64_t sum : sums) EXPECT_EQ(sum, 200u);
    }
}

TEST_F(yRenderCommand, StatisticsNameTheModelAndItsChannels)
{
    const std::string input = Input(Gradient(20, 10));
    const struct
    {
        const char* model;
        const char* name;
        const char* first;
    } cases[] = {{"RGB", "RGB", "Red"}, {"YUV", "Y'UV", nullptr}, {"y'iq", "Y'IQ", nullptr},
                 {"10", "Lab", nullptr}, {"CMYK", "CMYK", nullptr}};
    for (const auto& c : cases)
    {
        const nlohmann::json stats = Stats(input, {"--model", c.model});
        EXPECT_EQ(stats["model"], c.name);
        EXPECT_EQ(stats["depth"], 8);
        EXPECT_EQ(stats["bins"], 256);
        ASSERT_EQ(stats["channels"].size(), 4u);
        if (c.first)
        {
            EXPECT_EQ(stats["channels"][0]["name"], c.first);
        }
        EXPECT_TRUE(stats["status_line"].is_string());
    }
}

TEST_F(yRenderCommand, AClickOnAChannelToggleChangesTheNextRender)
{
    const std::string input = Input(Gradient(20, 10));
    const std::string click = "down " + std::to_string(kRedToggleX) + " " + std::to_string(kRedToggleY);
    const std::string up = "up " + std::to_string(kRedToggleX) + " " + std::to_string(kRedToggleY);
    const struct
    {
        std::string script;
        bool redShown, greenShown;
    } cases[] = {
        {"", true, true},
        {click + "\n" + up + "\n", false, true},
        // Control-click shows the red channel alone.
        {click + " ctrl\n" + up + "\n", true, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.script);
        std::vector<std::string> options = {"--render-output", "--output", File("out.png")};
        if (!c.script.empty()) options.insert(options.end(), {"--events", Script(c.script)});
        const yProcessResult r = Render(input, options);
        ASSERT_EQ(r.status, 0) << r.err;
        const yHost::yPngImage out = Png(File("out.png"));
        // Pixel (5, 5): red 50, green 100, outside the default selection.
        const uint16_t* p = &out.rgba[(size_t(5) * 20 + 5) * 4];
        EXPECT_EQ(p[0], c.redShown ? 50 : 0);
        EXPECT_EQ(p[1], c.greenShown ? 100 : 0);
    }
}

TEST_F(yRenderCommand, ScriptedParameterChangesAndWindowSizeReachTheFinalRender)
{
    const std::string input = Input(Gradient(20, 10));
    const std::string script = Script("set Sample Region\nset Position 10,5\nset Width 4\nset Height 2\n"
                                      "set \"Color Model\" HSV\nresize 100 50\n");
    const nlohmann::json stats = Stats(input, {"--events", script, "--panel", File("panel.png")});
    EXPECT_EQ(stats["model"], "HSV");
    EXPECT_EQ(stats["total"], 8);
    const yHost::yPngImage panel = Png(File("panel.png"));
    EXPECT_EQ(panel.width, 100);
    EXPECT_EQ(panel.height, 50);
}

TEST_F(yRenderCommand, AProjectKeepsThePanelFromRunToRun)
{
    const std::string input = Input(Gradient(20, 10));
    const std::string project = File("panel.ztp");
    const std::string script = Script("down " + std::to_string(kRedToggleX) + " " + std::to_string(kRedToggleY) +
                                      "\nup " + std::to_string(kRedToggleX) + " " + std::to_string(kRedToggleY) + "\n");
    ASSERT_EQ(Render(input, {"--events", script, "--project", project}).status, 0);
    const std::vector<uint8_t> saved = yTest::ReadBytes(project);
    ASSERT_GE(saved.size(), 12u);
    EXPECT_EQ(std::string(saved.begin(), saved.begin() + 4), "ZTPJ");

    // Restored without events, the red channel stays off; saved again, the file is the same.
    const yProcessResult r = Render(input, {"--project", project, "--render-output", "--output", File("out.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Png(File("out.png")).rgba[(size_t(5) * 20 + 5) * 4], 0);
    EXPECT_EQ(yTest::ReadBytes(project), saved);
}

TEST_F(yRenderCommand, BadInputGivesOneSentenceAndNoFiles)
{
    const std::string good = Input(Gradient(20, 10));
    std::vector<uint8_t> png = yTest::ReadBytes(good);
    const std::string truncated = File("truncated.png");
    yTest::WriteBytes(truncated, std::vector<uint8_t>(png.begin(), png.begin() + png.size() / 2));
    png[16] = png[17] = png[18] = png[19] = 0; // width 0
    const std::string zeroWidth = File("zero.png");
    yTest::WriteBytes(zeroWidth, png);
    const std::string text = File("text.png");
    yTest::WriteBytes(text, {'h', 'e', 'l', 'l', 'o'});

    const std::string truncatedProject = File("truncated.ztp");
    yTest::WriteBytes(truncatedProject, {'Z', 'T', 'P', 'J', 1, 0, 0, 0, 36, 0, 0, 0, 1, 2});
    const std::string foreignProject = File("foreign.ztp");
    yTest::WriteBytes(foreignProject, std::vector<uint8_t>(48, 'x'));
    std::vector<uint8_t> newer = {'Z', 'T', 'P', 'J', 2, 0, 0, 0, 36, 0, 0, 0};
    newer.resize(48);
    const std::string newerProject = File("newer.ztp");
    yTest::WriteBytes(newerProject, newer);

    const std::vector<std::vector<std::string>> cases = {
        {File("missing.png")},
        {truncated},
        {zeroWidth},
        {text},
        {good, "--model", "Foo"},
        {good, "--model", "12"},
        {good, "--depth", "12"},
        {good, "--width", "-5"},
        {good, "--height", "1e9"},
        {good, "--width", "nan"},
        {good, "--sample", "some"},
        {good, "--position", "1"},
        {good, "--downsample", "0"},
        {good, "--events", Script("down 1 2\njump 3 4\n")},
        {good, "--project", truncatedProject},
        {good, "--project", foreignProject},
        {good, "--project", newerProject},
        {good, "--output", File("no/such/folder/out.png")},
        {good, "--output", File("")},
    };
    for (const std::vector<std::string>& c : cases)
    {
        std::vector<std::string> arguments = {"render"};
        arguments.insert(arguments.end(), c.begin(), c.end());
        arguments.insert(arguments.end(), {"--module", TONESCOPE_MODULE, "--stats", File("stats.json"), "--panel",
                                           File("panel.png"), "--histogram", File("h.csv")});
        if (c.size() < 2 || c[1] != "--output") arguments.insert(arguments.end(), {"--output", File("out.png")});
        const yProcessResult r = yTest::RunTonescope(arguments);
        SCOPED_TRACE(c.back());
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(yTest::LineCount(r.err), 1) << r.err;
        for (const char* name : {"stats.json", "panel.png", "h.csv", "out.png"}) EXPECT_FALSE(Exists(File(name))) << name;
    }
    // The malformed event line is named.
    const yProcessResult r = Render(good, {"--events", Script("down 1 2\njump 3 4\n")});
    EXPECT_NE(r.err.find("2"), std::string::npos) << r.err;
}

TEST_F(yRenderCommand, TheSmallestImageRenders)
{
    const nlohmann::json stats = Stats(Input(Gradient(1, 1)), {"--render-output", "--output", File("out.png")});
    EXPECT_EQ(stats["total"], 1);
    EXPECT_EQ(Png(File("out.png")).width, 1);
}
} // namespace
