#include "draw/yDrawPort.h"

#include <gtest/gtest.h>

// Every bitmap the panel and its controls may load: the two backgrounds, the
// icon and the control strips.
TEST(yDrawPortResources, EveryBitmapLoadsWithCoverage)
{
    for (long number = 101; number <= 3023; number = number == 103 ? 3001 : number + 1)
    {
        SCOPED_TRACE(number);
        yDrawPort port;
        ASSERT_TRUE(port.LoadImageResource(number));
        EXPECT_TRUE(port.HasAlpha() && port.OwnsSurface());
        EXPECT_EQ(port.GetRowBytes(), 4 * port.GetWidth());
        EXPECT_EQ(port.GetWorldExtentRect(), yRect(0, 0, port.GetHeight(), port.GetWidth()));
        auto stored = yPlatform::Surface::LoadBitmapResource(uint32_t(number));
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->Width() * 10000 + stored->Height(), port.GetWidth() * 10000 + port.GetHeight());
        int covered = 0, opaque = 0;
        for (long y = 0; y < port.GetHeight(); ++y)
            for (long x = 0; x < port.GetWidth(); ++x)
            {
                const yColor8 p = port.GetPixel(x, y);
                covered += p.alpha > 0;
                opaque += p.alpha == 255;
            }
        EXPECT_GT(covered, 0);
        if (stored->StoredBitsPerPixel() == 24) // a picture without coverage is opaque throughout
            EXPECT_EQ(opaque, port.GetWidth() * port.GetHeight());
        if (number < 3000)
            continue;
        EXPECT_EQ(port.GetHeight() % 4, 0); // four frames
        if (number != 3005 && number != 3007 && number != 3008 && number != 3009 && number != 3010 &&
            number != 3015 && number != 3019 && number != 3023)
            continue;
        // Normal, over, down and disabled must look different, or a control would not show its state.
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

TEST(yDrawPortResources, MissingNumbersLeaveThePortAlone)
{
    yDrawPort port;
    port.SetSize(5, 6);
    ASSERT_EQ(port.Create(), 0);
    for (long bad : {0L, 100L, 104L, 3000L, 3024L, 16000L, -1L, 1L << 40})
    {
        EXPECT_FALSE(port.LoadImageResource(bad)) << bad;
        EXPECT_EQ(port.GetWidth(), 5);
        EXPECT_FALSE(port.HasAlpha());
    }
    EXPECT_FALSE(yPlatform::Surface::LoadBitmapResource(16000)); // a resource, but no bitmap
}

TEST(yDrawPortResources, ThemedBandsCompositeTheirTopFrame)
{
    yDrawPort strip, window;
    ASSERT_TRUE(strip.LoadImageResource(3023));
    auto* base = reinterpret_cast<uint8_t*>(strip.GetPixelBasePtr()); // loaded pixels keep their coverage
    uint8_t* p = base + (strip.GetHeight() - 1) * strip.GetRowBytes();
    const yColor8 saved = strip.GetPixel(0, 0);
    p[0] = 10, p[1] = 20, p[2] = 30, p[3] = 40;
    EXPECT_EQ(strip.GetPixel(0, 0), yColor8(40, 30, 20, 10));
    p[0] = saved.blue, p[1] = saved.green, p[2] = saved.red, p[3] = saved.alpha;

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
            if (s.alpha == 255 && ++opaque)
                EXPECT_EQ(w, yColor8(s.red, s.green, s.blue)) << x << "," << y;
            else if (s.alpha == 0 && ++clear)
                EXPECT_EQ(w, yColor8(0xEE, 0xEE, 0xEE)) << x << "," << y;
        }
    EXPECT_GT(opaque, 50);
    EXPECT_GT(clear, 0);
}
