#include "standalone/media/yPngFile.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>

using yStandalone::yPngFile;
using yStandalone::yPngImage;

namespace
{
struct yTestPng
{
    int colorType, bitDepth;
    std::vector<uint16_t> samples; // two pixels in one row, as stored
    std::vector<png_color> palette = {};
    std::vector<png_byte> paletteAlpha = {};
    bool interlaced = false;
};

// Writes a two-pixel PNG with libpng's own writer.
void WriteTestPng(const std::string& path, const yTestPng& t)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, 2, 1, t.bitDepth, t.colorType,
                 t.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!t.palette.empty()) png_set_PLTE(png, info, t.palette.data(), int(t.palette.size()));
    if (!t.paletteAlpha.empty())
        png_set_tRNS(png, info, t.paletteAlpha.data(), int(t.paletteAlpha.size()), nullptr);
    png_write_info(png, info);
    if (t.bitDepth < 8) png_set_packing(png);
    std::vector<png_byte> bytes(t.samples.size() * 2);
    for (size_t i = 0; i < t.samples.size(); ++i)
        if (t.bitDepth == 16)
            bytes[2 * i] = png_byte(t.samples[i] >> 8), bytes[2 * i + 1] = png_byte(t.samples[i]);
        else
            bytes[i] = png_byte(t.samples[i]);
    png_bytep row = bytes.data();
    png_write_image(png, &row);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}
} // namespace

TEST(yPngFile, SixteenBitSamplesMapBothWays)
{
    EXPECT_EQ(yStandalone::SampleToHost16(2) * 100000 + yStandalone::SampleToHost16(65534), 132767);
    EXPECT_EQ(yStandalone::HostToSample16(16384), 32768);
    EXPECT_EQ(yStandalone::HostToSample16(40000), 65535) << "capped";
    // Every host component survives a trip out to a file and back.
    for (uint32_t w = 0; w <= 32768; ++w)
        ASSERT_EQ(yStandalone::SampleToHost16(yStandalone::HostToSample16(w)), w) << w;
}

TEST(yPngFile, ReadsEveryColourTypeAsRgba)
{
    yTest::yScratchFolder folder;
    const struct
    {
        yTestPng png;
        std::vector<uint16_t> rgba; // expected, two pixels
        int depth;
    } cases[] = {
        {{PNG_COLOR_TYPE_GRAY, 8, {0, 200}}, {0, 0, 0, 255, 200, 200, 200, 255}, 8},
        {{PNG_COLOR_TYPE_GRAY, 16, {1, 65535}}, {1, 1, 1, 65535, 65535, 65535, 65535, 65535}, 16},
        {{PNG_COLOR_TYPE_GRAY, 1, {1, 0}}, {255, 255, 255, 255, 0, 0, 0, 255}, 8},
        {{PNG_COLOR_TYPE_GRAY_ALPHA, 8, {10, 20, 30, 40}}, {10, 10, 10, 20, 30, 30, 30, 40}, 8},
        {{PNG_COLOR_TYPE_RGB_ALPHA, 16, {1, 2, 3, 4, 5, 6, 7, 8}}, {1, 2, 3, 4, 5, 6, 7, 8}, 16},
        {{PNG_COLOR_TYPE_PALETTE, 8, {1, 0}, {{9, 8, 7}, {6, 5, 4}}, {128}}, {6, 5, 4, 255, 9, 8, 7, 128}, 8},
        {{PNG_COLOR_TYPE_RGB_ALPHA, 8, {1, 2, 3, 4, 5, 6, 7, 8}, {}, {}, true}, {1, 2, 3, 4, 5, 6, 7, 8}, 8},
    };
    for (const auto& c : cases)
    {
        const std::string path = folder.File("case.png");
        WriteTestPng(path, c.png);
        yPngImage image;
        std::string error;
        ASSERT_TRUE(yPngFile::Read(path, image, error)) << error;
        EXPECT_EQ(image.width * 100 + image.height * 10 + image.depth / 8, 210 + c.depth / 8)
            << c.png.colorType;
        EXPECT_EQ(image.rgba, c.rgba) << c.png.colorType << "/" << c.png.bitDepth;
    }
}

TEST(yPngFile, RefusesBadFilesAndLeavesNothingBehind)
{
    yTest::yScratchFolder folder;
    // A damaged image (its check sum no longer fits) and one cut short.
    WriteTestPng(folder.File("good.png"), {PNG_COLOR_TYPE_RGB, 8, std::vector<uint16_t>(6, 77)});
    std::vector<uint8_t> bytes = yTest::ReadBytes(folder.File("good.png"));
    bytes[bytes.size() - 20] ^= 0xFF;
    yTest::WriteBytes(folder.File("damaged.png"), bytes);
    yTest::WriteBytes(folder.File("short.png"), std::vector<uint8_t>(bytes.begin(), bytes.begin() + 40));
    for (const std::string name : {"damaged.png", "short.png"})
    {
        yPngImage image;
        std::string error;
        EXPECT_FALSE(yPngFile::Read(folder.File(name), image, error));
        EXPECT_EQ(error.find(folder.File(name)) < error.size() && error.back() == '.', true) << error;
    }
    std::string error;
    EXPECT_FALSE(yPngFile::Write(folder.File("empty.png"), yStandalone::yWorld(0, 0, false), error));
    // No temporary files are left.
    EXPECT_EQ(std::system(("test \"$(ls -A " + folder.File("") + " | grep -c part)\" = 0").c_str()), 0);
}
