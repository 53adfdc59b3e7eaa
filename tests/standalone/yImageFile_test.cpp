#include "standalone/media/yImageFile.h"
#include "standalone/media/yImageReader.h"
#include "standalone/media/yPngFile.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <OpenImageIO/imagebuf.h>
#include <OpenImageIO/imagebufalgo.h>
#include <OpenImageIO/imageio.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

using yStandalone::yImageFile;
using yStandalone::yWorld;

// The image readers' entry, linked into this test.
extern "C" yStandalone::yImageReader* tonescopeOpenImageReader(const char* path, const char* layer, std::string& why);

namespace
{
// Six samples of each kind of file, and what they become in a deep and in an
// 8-bit world: the ends, the smallest step, the middle and, for floats,
// values outside 0 to 1.
struct SampleKind
{
    OIIO::TypeDesc type;
    double samples[6];
    uint16_t deep[6], shallow[6];
};
const SampleKind kBytes{OIIO::TypeDesc::UINT8,
                        {0, 1, 128, 255, 7, 254},
                        {0, 129, 16448, 32768, 900, 32639},
                        {0, 1, 128, 255, 7, 254}};
const SampleKind kShorts{OIIO::TypeDesc::UINT16,
                         {0, 1, 32768, 65535, 2, 65534},
                         {0, 1, 16384, 32768, 1, 32767},
                         {0, 0, 128, 255, 0, 255}};
const SampleKind kFloats{OIIO::TypeDesc::FLOAT,
                         {0, 1.0 / 32768, 0.5, 1, -0.5, 2},
                         {0, 1, 16384, 32768, 0, 32768},
                         {0, 0, 128, 255, 0, 255}};

// Pixel x of channel c holds sample (x + c) % 6, so that a channel taken
// for another shows.
void WriteImage(const std::string& path, const SampleKind& kind, OIIO::TypeDesc stored, int channels,
                bool grey)
{
    std::vector<float> pixels;
    for (int x = 0; x < 6; ++x)
        for (int c = 0; c < channels; ++c)
        {
            const double v = kind.samples[(x + (grey ? 0 : c)) % 6];
            pixels.push_back(float(kind.type == OIIO::TypeDesc::FLOAT
                                       ? v
                                       : v / (kind.type == OIIO::TypeDesc::UINT8 ? 255 : 65535)));
        }
    auto out = OIIO::ImageOutput::create(path);
    ASSERT_TRUE(out) << path;
    OIIO::ImageSpec spec(6, 1, channels, stored);
    spec.attribute("oiio:UnassociatedAlpha", 1);
    spec.attribute("compression", "lossless");
    ASSERT_TRUE(out->open(path, spec)) << out->geterror();
    ASSERT_TRUE(out->write_image(OIIO::TypeDesc::FLOAT, pixels.data())) << out->geterror();
    out->close();
}
} // namespace

TEST(yImageFile, ReadsEveryFormatIntoBothDepthsByTheSameRules)
{
    yTest::yScratchFolder folder;
    const struct
    {
        const char* name;
        const SampleKind& kind;
        OIIO::TypeDesc stored;
        int channels;
        int tolerance;             // lossy formats
        bool sameChannels = false; // grey in red, green and blue
    } cases[] = {
        {"rgba.png", kBytes, OIIO::TypeDesc::UINT8, 4, 0},
        {"rgb16.png", kShorts, OIIO::TypeDesc::UINT16, 3, 0},
        {"grey.png", kBytes, OIIO::TypeDesc::UINT8, 1, 0},
        {"greyalpha.png", kBytes, OIIO::TypeDesc::UINT8, 2, 0},
        {"rgba.tif", kBytes, OIIO::TypeDesc::UINT8, 4, 0},
        {"rgba16.tif", kShorts, OIIO::TypeDesc::UINT16, 4, 0},
        {"half.exr", kFloats, OIIO::TypeDesc::HALF, 4, 0},
        {"float.exr", kFloats, OIIO::TypeDesc::FLOAT, 3, 0},
        {"rgb16.dpx", kShorts, OIIO::TypeDesc::UINT16, 3, 0},
        {"grey.webp", kBytes, OIIO::TypeDesc::UINT8, 3, 6, true},
        {"grey.jpg", kBytes, OIIO::TypeDesc::UINT8, 1, 6},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::string path = folder.File(c.name);
        WriteImage(path, c.kind, c.stored, c.channels, c.sameChannels);
        yImageFile file;
        std::string error;
        ASSERT_TRUE(file.Open(path, yImageFile::kDefaultMaxPixels, error)) << error;
        EXPECT_EQ(file.IsDeep(), c.stored != OIIO::TypeDesc::UINT8);
        EXPECT_EQ(file.Width() * 10 + file.Height(), 61);
        for (const bool deep : {true, false})
        {
            yWorld world;
            ASSERT_TRUE(file.ReadFrame(0, deep, 1, world, error)) << error;
            const uint16_t* expected = deep ? c.kind.deep : c.kind.shallow;
            const bool grey = c.channels < 3 || c.sameChannels, alpha = c.channels % 2 == 0;
            for (int x = 0; x < 6; ++x)
            {
                const PF_Pixel16 p = deep ? world.Pixel16(x, 0)
                                          : PF_Pixel16{world.Pixel8(x, 0).alpha, world.Pixel8(x, 0).red,
                                                       world.Pixel8(x, 0).green, world.Pixel8(x, 0).blue};
                const int want[4] = {expected[x], expected[(x + (grey ? 0 : 1)) % 6],
                                     expected[(x + (grey ? 0 : 2)) % 6],
                                     alpha ? expected[(x + c.channels - 1) % 6] : (deep ? 32768 : 255)};
                const int got[4] = {p.red, p.green, p.blue, p.alpha};
                for (int k = 0; k < 4; ++k)
                    EXPECT_LE(std::abs(got[k] - want[k]), k == 3 ? 0 : c.tolerance)
                        << "pixel " << x << " channel " << k << (deep ? " deep" : " 8-bit");
            }
        }
    }
}

TEST(yImageFile, TakesChannelsByNameAndALayerByChoice)
{
    yTest::yScratchFolder folder;
    const struct
    {
        const char* channels; // channel k holds (k + 1) / 16
        const char* layer;
        int red, green, blue, alpha; // the channel each takes; alpha -1: opaque
        const char* refusal = nullptr;
    } cases[] = {
        {"R,G,B,Z", "", 0, 1, 2, -1},                        // a depth is no alpha
        {"B,G,R,A", "", 2, 1, 0, 3},                         // names, not places
        {"diffuse.R,diffuse.G,diffuse.B,spec.R,spec.G,spec.B", "", 0, 1, 2, -1},
        {"diffuse.R,diffuse.G,diffuse.B,spec.R,spec.G,spec.B", "spec", 3, 4, 5, -1},
        {"spec.R,spec.G,spec.B,R,G,B,A", "", 3, 4, 5, 6},    // the unnamed layer first
        {"Y,A", "", 0, 0, 0, 1},
        {"Y,Z", "", 0, 0, 0, -1},
        {"R,G", "", 0, 0, 0, 0, "no R, G and B or Y channels (its channels: R, G)"},
        {"R,G,B,spec.R,spec.G,spec.B", "diffuse", 0, 0, 0, 0, "no layer \"diffuse\" with R, G and B or Y channels (its layers: (unnamed), spec)"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.channels) + " " + c.layer);
        std::vector<std::string> names;
        for (std::string rest = c.channels; !rest.empty();)
        {
            names.push_back(rest.substr(0, rest.find(',')));
            rest.erase(0, std::min(rest.size(), names.back().size() + 1));
        }
        std::vector<float> pixel;
        for (size_t k = 0; k < names.size(); ++k)
            pixel.push_back(float(k + 1) / 16);
        const std::string path = folder.File("layers.exr");
        OIIO::ImageSpec spec(1, 1, int(names.size()), OIIO::TypeDesc::FLOAT);
        spec.channelnames = names;
        auto out = OIIO::ImageOutput::create(path);
        ASSERT_TRUE(out && out->open(path, spec) && out->write_image(OIIO::TypeDesc::FLOAT, pixel.data()) &&
                    out->close());
        yImageFile file;
        std::string error;
        const bool opened = file.Open(path, yImageFile::kDefaultMaxPixels, error, c.layer);
        EXPECT_EQ(opened, c.refusal == nullptr) << error;
        if (!opened)
        {
            EXPECT_NE(error.find(c.refusal), std::string::npos) << error;
            continue;
        }
        yWorld world;
        ASSERT_TRUE(file.ReadFrame(0, true, 1, world, error)) << error;
        const PF_Pixel16 p = world.Pixel16(0, 0);
        EXPECT_EQ(p.red, (c.red + 1) * 2048);
        EXPECT_EQ(p.green, (c.green + 1) * 2048);
        EXPECT_EQ(p.blue, (c.blue + 1) * 2048);
        EXPECT_EQ(p.alpha, c.alpha < 0 ? 32768 : (c.alpha + 1) * 2048);
    }
    // The program takes a layer by name and names the file's layers.
    const yTest::yProcessResult info = yTest::RunTonescope({"info", folder.File("layers.exr")});
    EXPECT_NE(info.out.find("layers            (unnamed), spec\n"), std::string::npos) << info.out << info.err;
    const yTest::yProcessResult render = yTest::RunTonescope(
        {"render", folder.File("layers.exr"), "--module", yTest::ModulePath(), "--layer", "spec", "--quiet"});
    EXPECT_EQ(render.status, 0) << render.err;
}

TEST(yImageFile, ReadsTiledFilesFromTheirLargestLevel)
{
    yTest::yScratchFolder folder;
    // 40 x 30 in tiles of 16: the tiles of the last row and column are cut.
    OIIO::ImageBuf source(OIIO::ImageSpec(40, 30, 3, OIIO::TypeDesc::UINT16));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            source.setpixel(x, y, std::vector<float>{x / 40.0f, y / 30.0f, float(x * y % 7) / 7}.data());
    for (const char* name : {"tiled.exr", "mip.exr", "tiled.tif", "mip.tif"})
    {
        SCOPED_TRACE(name);
        const std::string path = folder.File(name), plain = folder.File(std::string("plain") + (name + 3));
        OIIO::ImageSpec config;
        config.tile_width = config.tile_height = 16;
        config.tile_depth = 1;
        if (name[0] == 'm')
            ASSERT_TRUE(OIIO::ImageBufAlgo::make_texture(OIIO::ImageBufAlgo::MakeTxTexture, source, path, config));
        else
        {
            source.set_write_tiles(16, 16);
            ASSERT_TRUE(source.write(path));
        }
        // The same pixels in rows, as the file stores them.
        OIIO::ImageBuf tiled(path);
        ASSERT_TRUE(tiled.read(0, 0, true) && tiled.spec().tile_width == 16) << tiled.geterror();
        tiled.set_write_tiles(0, 0);
        ASSERT_TRUE(tiled.write(plain)) << tiled.geterror();
        for (const int downsample : {1, 3})
        {
            yWorld worlds[2];
            for (int k = 0; k < 2; ++k)
            {
                yImageFile file;
                std::string error;
                ASSERT_TRUE(file.Open(k ? plain : path, yImageFile::kDefaultMaxPixels, error) &&
                            file.ReadFrame(0, true, downsample, worlds[k], error))
                    << error;
            }
            for (int y = 0; y < worlds[0].Height(); ++y)
                for (int x = 0; x < worlds[0].Width(); ++x)
                    ASSERT_EQ(std::memcmp(&worlds[0].Pixel16(x, y), &worlds[1].Pixel16(x, y), sizeof(PF_Pixel16)),
                              0)
                        << x << "," << y;
        }
    }
}

TEST(yImageFile, AHeaderClaimingMoreThanTheFileHoldsIsRefusedBeforeAllocating)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "memory limits and the address sanitizer do not mix";
#endif
    yTest::yScratchFolder folder;
    const std::vector<float> pixels(4 * 4 * 3, 0.5f);
    for (const char* name : {"claim.png", "claim.tif"})
    {
        auto out = OIIO::ImageOutput::create(folder.File(name));
        OIIO::ImageSpec spec(4, 4, 3, OIIO::TypeDesc::UINT16);
        spec.attribute("compression", "none");
        ASSERT_TRUE(out->open(folder.File(name), spec) && out->write_image(OIIO::TypeDesc::FLOAT, pixels.data()) &&
                    out->close());
    }
    // Each header made to declare 8192 x 8192 pixels at 16 bits, 512 MB as a world.
    std::vector<uint8_t> png = yTest::ReadBytes(folder.File("claim.png"));
    for (int interlaced : {0, 1})
    {
        for (size_t at : {16, 20})
            png[at + 2] = 0x20, png[at + 3] = 0;
        png[28] = uint8_t(interlaced);
        const uLong crc = crc32(0, png.data() + 12, 17);
        for (int i = 0; i < 4; ++i)
            png[29 + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
        yTest::WriteBytes(folder.File(interlaced ? "interlaced.png" : "claim.png"), png);
    }
    std::vector<uint8_t> tiff = yTest::ReadBytes(folder.File("claim.tif"));
    const size_t ifd = tiff[4] | tiff[5] << 8, entries = tiff[ifd] | tiff[ifd + 1] << 8;
    for (size_t e = ifd + 2; e < ifd + 2 + 12 * entries; e += 12)
        if ((tiff[e] == 0 || tiff[e] == 1) && tiff[e + 1] == 1) // width and height
            tiff[e + 8] = 0, tiff[e + 9] = 0x20, tiff[e + 10] = tiff[e + 11] = 0;
    yTest::WriteBytes(folder.File("claim.tif"), tiff);
    for (const char* name : {"claim.png", "interlaced.png", "claim.tif"})
    {
        const yTest::yProcessResult r =
            yTest::RunTonescope({"render", folder.File(name), "--module", yTest::ModulePath(), "--quiet"}, "",
                                uint64_t(256) << 20);
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_NE(r.err.find("is cut short: its header declares 8192 x 8192 pixels"), std::string::npos) << r.err;
    }
}

TEST(yImageFile, WhatIsNotARegularFileIsRefusedWithoutWaiting)
{
    yTest::yScratchFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    const std::pair<std::string, const char*> cases[] = {
        {"/dev/zero", "a device"}, {"/dev/null", "a device"}, {folder.File(""), "a folder"}, {folder.File("pipe"), "a pipe"}};
    for (const auto& [path, kind] : cases)
    {
        yImageFile file;
        std::string error;
        EXPECT_FALSE(file.Open(path, yImageFile::kDefaultMaxPixels, error));
        EXPECT_EQ(error, "The image " + path + " is " + kind + ", not a file that holds an image.");
    }
    // A pipe among a shot's frames is skipped and named.
    std::string error;
    ASSERT_TRUE(yStandalone::yPngFile::Write(folder.File("f.0001.png"), yWorld(4, 4, false), error)) << error;
    ASSERT_EQ(::mkfifo(folder.File("f.0002.png").c_str(), 0600), 0);
    const yTest::yProcessResult r = yTest::RunTonescope(
        {"render", folder.File("f.%04d.png"), "--module", yTest::ModulePath(), "--jobs", "1", "--quiet"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Frame 2 was skipped: the image " + folder.File("f.0002.png") + " is a pipe"),
              std::string::npos)
        << r.err;
}

TEST(yImageFile, ALibrarysWordsFollowOurSentence)
{
    yTest::yScratchFolder folder;
    std::string error;
    ASSERT_TRUE(yStandalone::yPngFile::Write(folder.File("huge.png"), yWorld(4, 4, false), error)) << error;
    std::vector<uint8_t> png = yTest::ReadBytes(folder.File("huge.png"));
    for (size_t at : {16, 20}) // 1,000,000 a side
        png[at + 1] = 0x0F, png[at + 2] = 0x42, png[at + 3] = 0x40;
    const uLong crc = crc32(0, png.data() + 12, 17);
    for (int i = 0; i < 4; ++i)
        png[29 + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
    yTest::WriteBytes(folder.File("huge.png"), png);
    yTest::WriteBytes(folder.File("text.foo"), {'h', 'i', '\n'});
    const std::vector<float> grey(64 * 48 * 3, 0.5f);
    auto exr = OIIO::ImageOutput::create(folder.File("damaged.exr"));
    ASSERT_TRUE(exr->open(folder.File("damaged.exr"), OIIO::ImageSpec(64, 48, 3, OIIO::TypeDesc::HALF)) &&
                exr->write_image(OIIO::TypeDesc::FLOAT, grey.data()) && exr->close());
    std::vector<uint8_t> bytes = yTest::ReadBytes(folder.File("damaged.exr"));
    std::fill(bytes.end() - 40, bytes.end() - 4, 0x55); // inside the last rows
    yTest::WriteBytes(folder.File("damaged.exr"), bytes);
    bytes = yTest::ReadBytes(folder.File("damaged.exr"));
    const size_t size = yTest::FindBytes(bytes, std::string("chlist") + '\0') + 7;
    bytes[size + 3] = 0x70; // the channel list claims 1.8 GB
    yTest::WriteBytes(folder.File("claim.exr"), bytes);
    // The same claim by an attribute after a channel list that declares 1
    // byte: OpenEXR reads the whole list, then the claim.
    bytes[size] = 1, bytes[size + 1] = bytes[size + 2] = bytes[size + 3] = 0;
    const std::string claim = std::string("comments\0string\0", 16) + std::string("\0\0\0\x70", 4);
    const size_t next = yTest::FindBytes(bytes, std::string("\0\0compression", 13)) + 2;
    bytes.insert(bytes.begin() + long(next), claim.begin(), claim.end());
    yTest::WriteBytes(folder.File("hidden.exr"), bytes);
    const std::pair<const char*, std::string> cases[] = {
        {"huge.png", " is 1000000 x 1000000 pixels, more than the 32768 a side this host reads."},
        {"text.foo", ": it is in no format this host reads."},
        {"damaged.exr", " is damaged or cut short at row "},
        {"claim.exr", ": it is damaged: its attribute \"channels\" claims 1879048"},
        {"hidden.exr", ": it is damaged: its attribute \"comments\" claims 1879048"},
    };
    for (const auto& [name, words] : cases)
    {
        yImageFile file;
        yWorld world;
        EXPECT_FALSE(file.Open(folder.File(name), yImageFile::kDefaultMaxPixels, error) &&
                     file.ReadFrame(0, false, 1, world, error));
        EXPECT_NE(error.find(folder.File(name) + words), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

TEST(yImageFile, AFileReadAsRlaWithAChannelTypeTheReaderAbortsOnIsRefused)
{
    // Colour channels of type 3, in a file without a name to go by that the
    // movie reader does not take: the image readers try it as RLA.
    yTest::yScratchFolder folder;
    std::vector<uint8_t> rla(800, 0x55);
    rla[18] = 0, rla[19] = 3, rla[26] = 0xFF, rla[27] = 0xFE;
    yTest::WriteBytes(folder.File("rla.bin"), rla);
    std::string why;
    const std::unique_ptr<yStandalone::yImageReader> reader(
        tonescopeOpenImageReader(folder.File("rla.bin").c_str(), "", why));
    EXPECT_FALSE(reader);
    EXPECT_EQ(why, "it is damaged: read as an RLA file, it gives channels of type 3");
}
