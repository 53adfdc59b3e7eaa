// The render worker in-process: the pixel probe, undo and what the scope
// pane is given, read from the frames it publishes.
#include "standalone/media/yPngFile.h"
#include "standalone/session/yRenderSession.h"
#include "standalone/viewer/yViewerScript.h"
#include "standalone/viewer/yViewerWorker.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
using namespace yStandalone;

class yViewerWorkerTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        // Pure red, then a grey of 100.
        yWorld image(2, 1, false);
        image.Pixel8(0, 0) = PF_Pixel8{255, 255, 0, 0};
        image.Pixel8(1, 0) = PF_Pixel8{255, 100, 100, 100};
        std::string error;
        ASSERT_TRUE(yPngFile::Write(m_folder.File("in.png"), image, error)) << error;
        yViewerSettings settings;
        settings.modulePath = yTest::ModulePath();
        settings.input = m_folder.File("in.png");
        settings.realClock = false;
        ASSERT_TRUE(m_worker.Start(settings, error)) << error;
    }

    // Posts the script's lines and waits until they are done.
    void Post(const std::string& script)
    {
        std::vector<yViewerStep> steps;
        std::string error;
        EXPECT_TRUE(yViewerScript::Parse(script, steps, error)) << error;
        for (const yViewerStep& step : steps) m_worker.Post(step.job);
        m_worker.WaitIdle();
    }

    // The frame after the script's lines.
    yViewerFrame Run(const std::string& script)
    {
        Post(script);
        yViewerFrame frame;
        m_worker.TakeFrame(frame);
        return frame;
    }

    static int Model(const yViewerFrame& frame)
    {
        for (const yViewerParam& p : frame.params)
            if (p.name == "Color Model") return int(p.value);
        return 0;
    }

    yTest::yScratchFolder m_folder;
    yViewerWorker m_worker;
};

TEST_F(yViewerWorkerTest, TheProbeShowsThePixelAndTheModelsValuesFromTheModule)
{
    const struct
    {
        const char* script;
        const char* shows; // part of the probe's line
    } cases[] = {
        {"probe 0 0", "0, 0   RGBA 8-bit 255 0 0 255"},
        {"probe 1 0", "Red 100 Green 100 Blue 100"},
        {"set \"Color Model\" HSV\nprobe 0 0", "Saturation 255 Value 255"},
        {"set \"Color Model\" HSV\nprobe 1 0", "Saturation 0 Value 100"},
    };
    for (const auto& c : cases)
        EXPECT_NE(Run(c.script).probeLine.find(c.shows), std::string::npos)
            << c.script << "\n" << Run(c.script).probeLine;
    EXPECT_EQ(Run("probe 2 0").probeLine, "") << "outside the image";
    EXPECT_EQ(Run("probe 0 0\nopen " + m_folder.File("in.png")).probeLine, "") << "a new image";
    // A probe alone leaves the pictures the window holds as they are, not
    // copied again; a change before it in the same batch does not.
    yViewerFrame shown;
    ASSERT_TRUE(m_worker.TakeFrame(shown));
    for (const auto& [script, kept] :
         {std::pair{"probe 1 0", true}, std::pair{"set \"Color Model\" HSV\nprobe 0 0", false}})
    {
        // A byte more marks the window's own pictures; a copy drops it.
        shown.image.push_back(0);
        shown.panel.push_back(0);
        const size_t marked[2] = {shown.image.size(), shown.panel.size()};
        Post(script);
        ASSERT_TRUE(m_worker.TakeFrame(shown)) << script;
        EXPECT_NE(shown.probeLine, "") << script;
        EXPECT_EQ(shown.image.size() == marked[0] && shown.panel.size() == marked[1], kept) << script;
    }
}

TEST_F(yViewerWorkerTest, UndoAndRedoBringTheColourModelBack)
{
    const int first = Model(Run(""));
    const struct
    {
        const char* script;
        const char* model; // "" for the first
    } cases[] = {
        {"set \"Color Model\" HSV\nundo", ""},
        {"redo", "HSV"},
        {"set \"Color Model\" Lab\nmove 10 10\nundo", "HSV"}, // the move made no snapshot
        {"undo\nundo", ""}, // past the first state nothing changes
        {"redo\nredo\nredo", "Lab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Model(Run(c.script)), c.model[0] ? ColorModelNumber(c.model) : first) << c.script;
}
TEST_F(yViewerWorkerTest, ToggleClicksTheChannelsToggleThatTheModuleSaysItIs)
{
    const struct
    {
        const char* script;
        const char* grey; // the output's grey pixel, red green blue
    } cases[] = {
        {"set \"Render Output\" on", "100 100 100"},
        {"toggle 1", "0 100 100"},
        {"toggle 3", "0 100 0"},
        {"undo", "0 100 100"},
        {"redo", "0 100 0"},
        {"toggle 1\ntoggle 3", "100 100 100"},
    };
    for (const auto& c : cases)
    {
        const std::vector<uint8_t> image = Run(c.script).image;
        ASSERT_EQ(image.size(), 8u);
        EXPECT_EQ(std::to_string(image[4]) + " " + std::to_string(image[5]) + " " + std::to_string(image[6]),
                  c.grey)
            << c.script;
    }
}
} // namespace

namespace
{
// A float image in the portable float map format: 4 x 1 RGB, red at -0.5,
// 0.5, 2 and 3, green and blue at 0.5. Rows are stored bottom-up.
std::vector<uint8_t> FloatMap()
{
    const std::string header = "PF\n4 1\n-1.0\n";
    std::vector<uint8_t> bytes(header.begin(), header.end());
    for (const float red : {-0.5f, 0.5f, 2.0f, 3.0f})
        for (const float v : {red, 0.5f, 0.5f})
        {
            uint8_t b[4];
            std::memcpy(b, &v, 4);
            bytes.insert(bytes.end(), b, b + 4);
        }
    return bytes;
}

TEST(yViewerWorker, TheFrameCarriesTheBinsSummariesAndWhatReadingClamped)
{
    yTest::yScratchFolder folder;
    yTest::WriteBytes(folder.File("in.pfm"), FloatMap());
    yStandalone::yViewerSettings settings;
    settings.modulePath = yTest::ModulePath();
    settings.input = folder.File("in.pfm");
    settings.depth = "16";
    settings.realClock = false;
    yStandalone::yViewerWorker worker;
    std::string error;
    yStandalone::yViewerFrame frame;
    ASSERT_TRUE(worker.Start(settings, error)) << error;
    ASSERT_TRUE(worker.TakeFrame(frame));
    ASSERT_EQ(frame.scopeBins.size(), 32769u);
    const yStandalone::yHistogramStats& s = frame.scope;
    EXPECT_EQ(s.depth, 16);
    EXPECT_EQ(s.clamped.pixels, 4u);
    EXPECT_EQ(s.clamped.below[0] * 10 + s.clamped.above[0], 12u) << "red: one below 0, two above 1";
    EXPECT_EQ(s.clamped.above[1], 0u);
    // Red clamped to 0, half, 1, 1: the last bin holds two samples.
    EXPECT_TRUE(s.channels[0].shown);
    EXPECT_EQ(s.channels[0].summary.clippedHigh, 2u);
    EXPECT_EQ(frame.scopeBins.back()[0], 2u);
    EXPECT_EQ(s.channels[1].summary.median, 16384);
}
} // namespace
