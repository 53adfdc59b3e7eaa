#include "draw/yDrawPort.h"

#include <gtest/gtest.h>

namespace
{
struct Listed
{
    long number;
    long width, height;
    int bits;
};

// Every bitmap the panel and its controls may load.
const Listed kBitmaps[] = {
    {101, 279, 40, 32},  {102, 300, 30, 32},  {103, 400, 126, 24}, {3001, 16, 64, 32}, {3002, 16, 64, 32},
    {3003, 11, 40, 32},  {3004, 11, 40, 32},  {3005, 13, 32, 32},  {3006, 13, 32, 32}, {3007, 13, 32, 32},
    {3008, 8, 52, 32},   {3009, 32, 76, 32},  {3010, 31, 68, 32},  {3011, 20, 68, 32}, {3012, 25, 68, 32},
    {3013, 25, 68, 32},  {3014, 25, 68, 32},  {3015, 25, 68, 32},  {3016, 31, 68, 32}, {3017, 17, 68, 32},
    {3018, 17, 68, 24},  {3019, 25, 68, 32},  {3020, 17, 68, 32},  {3021, 17, 68, 32}, {3022, 17, 68, 24},
    {3023, 17, 68, 32},
};
} // namespace

TEST(yDrawPortResources, EveryBitmapLoadsWithItsListedSizeAndDepth)
{
    for (const Listed& b : kBitmaps)
    {
        SCOPED_TRACE(b.number);
        yDrawPort port;
        ASSERT_TRUE(port.LoadImageResource(b.number));
        EXPECT_EQ(port.GetWidth(), b.width);
        EXPECT_EQ(port.GetHeight(), b.height);
        EXPECT_TRUE(port.HasAlpha());
        EXPECT_TRUE(port.OwnsSurface());
        EXPECT_EQ(port.GetRowBytes(), 4 * b.width);
        EXPECT_EQ(port.GetWorldExtentRect(), yRect(0, 0, b.height, b.width));
        auto stored = yPlatform::Surface::LoadBitmapResource(uint32_t(b.number));
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->StoredBitsPerPixel(), b.bits);
        if (b.number >= 3000)
        {
            EXPECT_EQ(b.height % 4, 0);
        }
        // Some of it is drawn, and a 24-bit picture is opaque throughout.
        int covered = 0;
        for (long y = 0; y < b.height; ++y)
            for (long x = 0; x < b.width; ++x)
            {
                const yColor8 p = port.GetPixel(x, y);
                covered += p.alpha > 0;
                if (b.bits == 24)
                {
                    ASSERT_EQ(p.alpha, 255);
                }
            }
        EXPECT_GT(covered, 0);
    }
}

TEST(yDrawPortResources, FramesOfAStripDiffer)
{
    // Normal, over, down and disabled must look different, or a control
    // would not show its state.
    for (long number : {3005L, 3007L, 3008L, 3009L, 3010L, 3015L, 3019L, 3023L})
    {
        SCOPED_TRACE(number);
        yDrawPort port;
        ASSERT_TRUE(port.LoadImageResource(number));
        const long fh = port.GetHeight() / 4;
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
            {
                bool differ = false;
                for (long y = 0; y < fh && !differ; ++y)
                    for (long x = 0; x < port.GetWidth() && !differ; ++x)
                        differ = port.GetPixel(x, a * fh + y) != port.GetPixel(x, b * fh + y);
                EXPECT_TRUE(differ) << "frames " << a << " and " << b;
            }
    }
}

TEST(yDrawPortResources, LoadedPixelsKeepTheirCoverage)
{
    yDrawPort port;
    ASSERT_TRUE(port.LoadImageResource(3010));
    auto* base = reinterpret_cast<uint8_t*>(port.GetPixelBasePtr());
    // The top-left pixel is the last row in memory.
    uint8_t* p = base + (port.GetHeight() - 1) * port.GetRowBytes();
    p[0] = 10, p[1] = 20, p[2] = 30, p[3] = 40;
    EXPECT_EQ(port.GetPixel(0, 0), yColor8(40, 30, 20, 10));
}

TEST(yDrawPortResources, MissingNumbersLeaveThePortAlone)
{
    yDrawPort port;
    port.SetSize(5, 6);
    ASSERT_EQ(port.Create(), 0);
    for (long bad : {0L, 100L, 3000L, 3024L, 16000L, -1L, 1L << 40})
    {
        EXPECT_FALSE(port.LoadImageResource(bad)) << bad;
        EXPECT_EQ(port.GetWidth(), 5);
        EXPECT_FALSE(port.HasAlpha());
    }
    EXPECT_FALSE(yPlatform::Surface::LoadBitmapResource(16000)); // a resource, but no bitmap
}

TEST(yDrawPortResources, ThemedBandsCompositeTheirFrame)
{
    // The bottom band rectangle shows the picture's top frame.
    yDrawPort strip, window;
    ASSERT_TRUE(strip.LoadImageResource(3023));
    window.SetSize(17, 17);
    ASSERT_EQ(window.Create(), 0);
    window.SetBackColor(0xEEul);
    window.Erase();
    strip.CompositeTo(&window, yRect(0, 0, 17, 17), yRect(51, 0, 68, 17), 1.0f, 1);
    // Opaque pixels of the top frame replace the grey, clear ones keep it.
    int opaque = 0, clear = 0;
    for (long y = 0; y < 17; ++y)
        for (long x = 0; x < 17; ++x)
        {
            const yColor8 s = strip.GetPixel(x, y), w = window.GetPixel(x, y);
            if (s.alpha == 255)
            {
                ++opaque;
                EXPECT_EQ(w, yColor8(s.red, s.green, s.blue)) << x << "," << y;
            }
            else if (s.alpha == 0)
            {
                ++clear;
                EXPECT_EQ(w, yColor8(0xEE, 0xEE, 0xEE)) << x << "," << y;
            }
        }
    EXPECT_GT(opaque, 50);
    EXPECT_GT(clear, 0);
}
