// The statistics of `tonescope render --stats` against a plain loop over the
// pixels of seeded random images.
#include "standalone/media/yPngFile.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <OpenImageIO/imageio.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>

using yStandalone::yWorld;

namespace
{
// Values piled at both ends, so that clipping has something to count.
int RandomValue(std::mt19937& random, int full)
{
    const int pick = int(random() % 10);
    return pick == 0 ? 0 : pick == 9 ? full : int(random() % uint32_t(full + 1));
}

yWorld RandomImage(int width, int height, bool deep, uint32_t seed)
{
    std::mt19937 random(seed);
    const int full = deep ? 32768 : 255;
    yWorld world(width, height, deep);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            int v[4];
            for (int& c : v)
                c = RandomValue(random, full);
            if (deep)
                world.Pixel16(x, y) =
                    PF_Pixel16{A_u_short(v[3]), A_u_short(v[0]), A_u_short(v[1]), A_u_short(v[2])};
            else
                world.Pixel8(x, y) =
                    PF_Pixel8{A_u_char(v[3]), A_u_char(v[0]), A_u_char(v[1]), A_u_char(v[2])};
        }
    return world;
}

// Channel k (R, G, B, A) of every pixel.
std::vector<int> Values(const yWorld& world, int k)
{
    std::vector<int> values;
    for (int y = 0; y < world.Height(); ++y)
        for (int x = 0; x < world.Width(); ++x)
        {
            if (world.IsDeep())
            {
                const PF_Pixel16& p = world.Pixel16(x, y);
                values.push_back(k == 0 ? p.red : k == 1 ? p.green : k == 2 ? p.blue : p.alpha);
            }
            else
            {
                const PF_Pixel8& p = world.Pixel8(x, y);
                values.push_back(k == 0 ? p.red : k == 1 ? p.green : k == 2 ? p.blue : p.alpha);
            }
        }
    std::sort(values.begin(), values.end());
    return values;
}
} // namespace

TEST(yStatistics, FiguresAgreeWithAPlainLoopOverThePixels)
{
    const struct
    {
        bool deep;
        uint32_t seed;
    } cases[] = {{false, 1}, {true, 2}};
    yTest::yScratchFolder folder;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.deep ? "16-bit" : "8-bit");
        const yWorld image = RandomImage(120, 90, c.deep, c.seed);
        std::string error;
        ASSERT_TRUE(yStandalone::yPngFile::Write(folder.File("in.png"), image, error)) << error;
        // A drag across the histogram selects a run of bins.
        std::ofstream(folder.File("select.txt")) << "down 70 60\ndrag 200 60\nup 200 60\n";
        const yTest::yProcessResult r =
            yTest::RunTonescope({"render", folder.File("in.png"), "--module", yTest::ModulePath(), "--events",
                                 folder.File("select.txt"), "--stats", folder.File("s.json")});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "") << "nothing is clamped in a PNG file";
        const nlohmann::json s = nlohmann::json::parse(yTest::ReadText(folder.File("s.json")));
        EXPECT_TRUE(s.at("clamped").is_null());
        const double full = c.deep ? 32768 : 255;
        const nlohmann::json& selection = s["selection"];
        ASSERT_TRUE(selection.is_object()) << s["status_line"];
        const int first = selection["first"], last = selection["last"];
        ASSERT_LT(first, last);
        std::vector<uint64_t> fullest(size_t(full) + 1);
        for (int k = 0; k < 4; ++k)
        {
            const std::vector<int> v = Values(image, k);
            const double n = double(v.size());
            double sum = 0, squares = 0;
            for (int x : v)
                sum += x;
            for (int x : v)
                squares += (x - sum / n) * (x - sum / n);
            const nlohmann::json& j = s["channels"][k];
            ASSERT_EQ(j["samples"], v.size());
            EXPECT_NEAR(j["mean"].get<double>(), sum / n, 1e-9 * full);
            EXPECT_NEAR(j["deviation"].get<double>(), std::sqrt(squares / n), 1e-9 * full);
            EXPECT_NEAR(j["fraction"]["mean"].get<double>(), sum / n / full, 1e-12);
            // The value of rank ceil(p N): the lowest whose running count reaches p N.
            for (const auto& [name, p] : {std::pair<const char*, double>{"0.1", 0.001},
                                          {"1", 0.01},
                                          {"5", 0.05},
                                          {"25", 0.25},
                                          {"75", 0.75},
                                          {"95", 0.95},
                                          {"99", 0.99},
                                          {"99.9", 0.999}})
                EXPECT_EQ(j["percentiles"][name], v[size_t(std::ceil(p * n - 1e-9)) - 1]) << k << " " << name;
            EXPECT_EQ(j["median"], v[size_t(std::ceil(0.5 * n)) - 1]);
            EXPECT_EQ(j["clipped_low"]["count"], std::count(v.begin(), v.end(), 0));
            EXPECT_EQ(j["clipped_high"]["count"], std::count(v.begin(), v.end(), int(full)));
            EXPECT_DOUBLE_EQ(j["clipped_high"]["share"].get<double>(),
                             double(std::count(v.begin(), v.end(), int(full))) / n);
            const auto inside =
                std::count_if(v.begin(), v.end(), [&](int x) { return x >= first && x <= last; });
            EXPECT_EQ(selection["channels"][k]["count"], inside);
            // The panel's figure: per bin the fullest of R, G and B, shown by default.
            std::vector<uint64_t> counts(fullest.size());
            for (int x : v)
                ++counts[size_t(x)];
            for (size_t b = 0; b < counts.size() && k < 3; ++b)
                fullest[b] = std::max(fullest[b], counts[b]);
        }
        uint64_t pixels = 0;
        for (int b = first; b <= last; ++b)
            pixels += fullest[size_t(b)];
        EXPECT_EQ(selection["pixels"], pixels);
    }
}

TEST(yStatistics, FloatSamplesOutsideZeroToOneAreCountedAndNamed)
{
    yTest::yScratchFolder folder;
    const std::string path = folder.File("hdr.exr");
    // Six of eight reds above 1; one blue below 0 and one NaN, which is neither.
    const float nan = std::nanf("");
    const float pixels[8][3] = {{2, 0.5f, -1},   {1.5f, 0.5f, nan}, {9, 0.5f, 0},    {1.01f, 0.5f, 1},
                                {3, 0.5f, 0.2f}, {4, 0.5f, 0.2f},   {1, 0.5f, 0.2f}, {0, 0.5f, 0.2f}};
    auto out = OIIO::ImageOutput::create(path);
    ASSERT_TRUE(out && out->open(path, OIIO::ImageSpec(4, 2, 3, OIIO::TypeDesc::FLOAT)));
    ASSERT_TRUE(out->write_image(OIIO::TypeDesc::FLOAT, pixels) && out->close());
    const yTest::yProcessResult r = yTest::RunTonescope(
        {"render", path, "--module", yTest::ModulePath(), "--stats", folder.File("s.json")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, path + ": 75 % of red lies above 1.0 and is counted as 1.0 (the top bin in RGB); "
                            "12.5 % of blue lies below 0 and is counted as 0.\n");
    const nlohmann::json s = nlohmann::json::parse(yTest::ReadText(folder.File("s.json")));
    EXPECT_EQ(s.at("clamped").dump(), R"({"above_1":{"alpha":0,"blue":0,"green":0,"red":6},)"
                                      R"("below_0":{"alpha":0,"blue":1,"green":0,"red":0},"pixels":8})");
}
