// The row kernel against the plain per-pixel definition: every converted
// pixel and every count must be identical.
#include "effect/color/zelColorModel.h"
#include "effect/color/zelHistogramAccumulator.h"
#include "effect/color/zelSampleKernel.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace zelTonescope;

namespace
{
#if defined(TONESCOPE_SANITIZED)
constexpr uint32_t kStride = 7; // the sanitizer build samples the colour cube
#else
constexpr uint32_t kStride = 1;
#endif

template <class P> std::string Show(P const& p)
{
    return "(alpha " + std::to_string(p.alpha) + ", red " + std::to_string(p.red) + ", green " +
           std::to_string(p.green) + ", blue " + std::to_string(p.blue) + ")";
}

template <class P> bool Same(P const& a, P const& b)
{
    return a.alpha == b.alpha && a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// Converts and counts the pixels in rows both ways, comparing every pixel and every count.
template <class P> void ExpectKernelMatches(std::vector<P> const& pixels, int rowLength, short model)
{
    const bool deep = sizeof(P) > 4;
    const char* depth = deep ? ", 16-bit" : ", 8-bit";
    zelSampleKernel kernel;
    ASSERT_TRUE(kernel.SetModel(model, deep));
    zelHistogramAccumulator expected, actual;
    ASSERT_TRUE(expected.Prepare(deep ? 32768 : 255) && actual.Prepare(deep ? 32768 : 255));
    std::vector<P> out(rowLength);
    for (size_t start = 0; start < pixels.size(); start += rowLength)
    {
        const int n = static_cast<int>(std::min<size_t>(rowLength, pixels.size() - start));
        ASSERT_TRUE(kernel.AddRow(&pixels[start], n, actual, out.data()));
        for (int i = 0; i < n; ++i)
        {
            P p = pixels[start + i];
            zelColorModel::Convert(p, model, kToModel);
            expected.AddSample(p.red, p.green, p.blue, p.alpha);
            ASSERT_TRUE(Same(p, out[i])) << "model " << model << depth << ": input " << Show(pixels[start + i])
                                         << " gave " << Show(out[i]) << ", expected " << Show(p);
        }
    }
    expected.ComputeStatistics();
    actual.ComputeStatistics();
    ASSERT_EQ(expected.GetTotal(), actual.GetTotal()) << "model " << model << depth;
    for (uint32_t i = 0; i < expected.GetBinCount(); ++i)
        for (int k = 0; k < 4; ++k)
            ASSERT_EQ(expected.GetBins()[i].count[k], actual.GetBins()[i].count[k])
                << "model " << model << depth << ", bin " << i << ", channel " << k;
}

class zelSampleKernelModel : public ::testing::TestWithParam<short> {};

std::string ModelName(::testing::TestParamInfo<short> const& info)
{
    return "model" + std::to_string(info.param);
}
} // namespace

// All 2^24 colours, the alpha cycling through edge and middle values.
TEST_P(zelSampleKernelModel, EveryEightBitColour)
{
    static const A_u_char kAlphas[] = {255, 0, 1, 128, 254, 77, 255};
    std::vector<PF_Pixel> pixels;
    for (uint32_t rgb = 0; rgb < (1u << 24); rgb += kStride)
        pixels.push_back({kAlphas[rgb % 7], A_u_char(rgb >> 16), A_u_char(rgb >> 8), A_u_char(rgb)});
    ExpectKernelMatches(pixels, 3001, GetParam()); // rows not a multiple of the kernel's chunk
}

// Seeded random deep pixels (some past full), and every mix of the edge values.
TEST_P(zelSampleKernelModel, SixteenBitPixels)
{
    std::vector<PF_Pixel16> pixels;
    const A_u_short edges[] = {0, 1, 16384, 32767, 32768};
    for (A_u_short a : edges)
        for (A_u_short r : edges)
            for (A_u_short g : edges)
                for (A_u_short b : edges)
                    pixels.push_back({a, r, g, b});
    std::mt19937 random(20261205u + GetParam());
    std::uniform_int_distribution<int> component(0, 32768), wide(0, 65535), pick(0, 19);
    auto draw = [&] { return A_u_short(pick(random) == 0 ? wide(random) : component(random)); };
    for (int i = 0; i < 200000 / int(kStride); ++i)
        pixels.push_back({draw(), draw(), draw(), draw()});
    ExpectKernelMatches(pixels, 1917, GetParam());
}

// Flat areas and ramps: runs of equal pixels of every length, some across the
// kernel's chunks and rows, and a flat alpha under changing colours.
TEST_P(zelSampleKernelModel, RunsOfEqualPixels)
{
    std::vector<PF_Pixel> pixels8;
    std::vector<PF_Pixel16> pixels16;
    int length = 1;
    for (uint32_t step = 0; step < 600; ++step, length = length % 300 + 7)
        for (int k = 0; k < length; ++k)
        {
            const uint32_t v = step * 37, w = step * 11, a8 = step % 5 == 0 ? v % 255 : 255; // alpha mostly flat
            const uint32_t a16 = step % 5 == 0 ? v % 32768 : 32768;
            pixels8.push_back({A_u_char(a8), A_u_char(v % 255), A_u_char(w % 255), A_u_char((v % 255) ^ (w % 255))});
            pixels16.push_back({A_u_short(a16), A_u_short(v % 32768), A_u_short(w % 32768), A_u_short((v % 32768) ^ (w % 32768))});
        }
    for (uint32_t i = 0; i < 5000; ++i) // flat alpha, colours changing every pixel
    {
        pixels8.push_back({255, A_u_char(i), A_u_char(i * 7), A_u_char(i / 3)});
        pixels16.push_back({32768, A_u_short(i * 6), A_u_short(i * 13 % 32769), A_u_short(i)});
    }
    ExpectKernelMatches(pixels8, 3840, GetParam());
    ExpectKernelMatches(pixels16, 3840, GetParam());
}

INSTANTIATE_TEST_SUITE_P(AllModels, zelSampleKernelModel, ::testing::Range<short>(1, 12), ModelName);

TEST(zelSampleKernel, CMYKOverEveryAlpha)
{
    std::vector<PF_Pixel> pixels;
    for (int a = 0; a < 256; ++a)
        for (int c = 0; c < 256; ++c)
            pixels.push_back({A_u_char(a), A_u_char(c), A_u_char(255 - c), A_u_char((c * 7) & 255)});
    ExpectKernelMatches(pixels, 1000, kModelCMYK);
}

TEST(zelSampleKernel, InPlaceEmptyRowsAndRefusals)
{
    zelSampleKernel kernel;
    zelHistogramAccumulator acc;
    ASSERT_TRUE(acc.Prepare(255));
    std::vector<PF_Pixel> row(300, PF_Pixel{255, 255, 0, 0});
    EXPECT_FALSE(kernel.AddRow(row.data(), 1, acc)); // no model yet
    ASSERT_TRUE(kernel.SetModel(99, true));          // unknown models act as RGB
    EXPECT_EQ(kernel.GetModel(), kModelRGB);
    EXPECT_FALSE(kernel.AddRow(row.data(), 1, acc)); // 8-bit pixels with 16-bit tables
    ASSERT_TRUE(kernel.SetModel(kModelHSV, false));
    ASSERT_TRUE(kernel.AddRow(row.data(), 300, acc, row.data())); // converted in place
    EXPECT_EQ(row[299].red, 255);                                  // HSV hue of pure red
    ASSERT_TRUE(kernel.AddRow(row.data(), 0, acc) && kernel.AddRow(row.data(), -5, acc)); // nothing
    ASSERT_TRUE(kernel.AddRow(static_cast<const PF_Pixel*>(nullptr), 10, acc));           // nothing
    ASSERT_TRUE(kernel.AddRow(row.data(), 7, acc));                // counted, not written
    acc.ComputeStatistics();
    EXPECT_TRUE(acc.GetTotal() == 307u && acc.GetBins()[255].count[0] == 300u); // the in-place pass counted hue 255

    zelHistogramAccumulator unprepared; // without bins it still converts
    ASSERT_TRUE(kernel.SetModel(kModelCMY, false));
    PF_Pixel p = {9, 0, 100, 255};
    ASSERT_TRUE(kernel.AddRow(&p, 1, unprepared, &p));
    EXPECT_TRUE(p.red == 255 && unprepared.GetTotal() == 0u);
}
