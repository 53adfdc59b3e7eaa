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
        EXPECT_TRUE(port.HasAlpha() && port.OwnsSurface() && port.GetRowBytes() == 4 * port.GetWidth());
        EXPECT_EQ(port.GetWorldExtentRect(), yRect(0, 0, port.GetHeight(), port.GetWidth()));
        auto stored = yPlatform::Surface::LoadBitmapResource(uint32_t(number));
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->Width() * 10000 + stored->Height(), port.GetWidth() * 10000 + port.GetHeight());
        int covered = 0, opaque = 0;
        for (long y = 0; y < port.GetHeight(); ++y)
            for (long x = 0; x < port.GetWidth(); ++x)
                covered += port.GetPixel(x, y).alpha > 0, opaque += port.GetPixel(x, y).alpha == 255;
        EXPECT_GT(covered, 0);
        if (stored->StoredBitsPerPixel() == 24) { // a picture without coverage is opaque throughout
            EXPECT_EQ(opaque, port.GetWidth() * port.GetHeight()); }
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
        EXPECT_TRUE(!port.LoadImageResource(bad) && port.GetWidth() == 5 && !port.HasAlpha()) << bad;
    EXPECT_FALSE(yPlatform::Surface::LoadBitmapResource(16000)); // a resource, but no bitmap
}
