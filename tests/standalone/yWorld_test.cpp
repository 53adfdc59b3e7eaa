#include "standalone/yWorld.h"

#include <gtest/gtest.h>

using yHost::yWorld;

namespace
{
// Each pixel's components carry its position, so misplaced copies show.
void Number(yWorld& world)
{
    for (int y = 0; y < world.Height(); ++y)
        for (int x = 0; x < world.Width(); ++x)
            if (world.IsDeep())
                world.Pixel16(x, y) = {32768, A_u_short(x), A_u_short(y), A_u_short(x * 100 + y)};
            else
                world.Pixel8(x, y) = {255, A_u_char(x), A_u_char(y), A_u_char(x * 16 + y)};
}
} // namespace

TEST(yWorld, RowsArePaddedAndCopiesOwnTheirPixels)
{
    yWorld world(5, 3, false);
    EXPECT_EQ(world.World().rowbytes, 5 * 4 + yWorld::kRowPadding);
    EXPECT_EQ(yWorld(5, 3, true).World().rowbytes, 5 * 8 + yWorld::kRowPadding);
    Number(world);
    yWorld copy = world;
    EXPECT_NE(copy.World().data, world.World().data);
    world.Pixel8(1, 1).red = 99;
    EXPECT_EQ(copy.Pixel8(1, 1).red, 1);
}

TEST(yWorld, CopiesRectanglesClippedToBothWorlds)
{
    for (bool deep : {false, true})
    {
        yWorld src(6, 5, deep), dst(4, 4, deep);
        Number(src);
        // Source rectangle partly outside on the left and top, destination at (1, 1).
        const PF_Rect srcRect{-1, -1, 3, 3}, dstRect{0, 0, 4, 4};
        ASSERT_EQ(yHost::CopyWorld(&src.World(), &dst.World(), &srcRect, &dstRect), PF_Err_NONE);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
            {
                const bool inside = x >= 1 && y >= 1 && x < 4 && y < 4;
                const int sx = x - 1, sy = y - 1;
                if (deep)
                {
                    const PF_Pixel16 p = dst.Pixel16(x, y);
                    EXPECT_EQ(p.alpha, inside ? 32768 : 0) << x << "," << y;
                    EXPECT_EQ(p.blue, inside ? sx * 100 + sy : 0) << x << "," << y;
                }
                else
                {
                    const PF_Pixel8 p = dst.Pixel8(x, y);
                    EXPECT_EQ(p.alpha, inside ? 255 : 0) << x << "," << y;
                    EXPECT_EQ(p.blue, inside ? sx * 16 + sy : 0) << x << "," << y;
                }
            }
    }
}

TEST(yWorld, CopyRefusesMixedDepthsAndMissingWorlds)
{
    yWorld eight(2, 2, false), deep(2, 2, true);
    EXPECT_EQ(yHost::CopyWorld(&eight.World(), &deep.World(), nullptr, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(yHost::CopyWorld(nullptr, &deep.World(), nullptr, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    const PF_Rect far{1 << 30, 1 << 30, INT32_MAX, INT32_MAX},
        huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    EXPECT_EQ(yHost::CopyWorld(&eight.World(), &eight.World(), &far, nullptr), PF_Err_NONE);
    yWorld other(2, 2, false);
    Number(other);
    EXPECT_EQ(yHost::CopyWorld(&other.World(), &eight.World(), &huge, &huge), PF_Err_NONE);
    EXPECT_EQ(eight.Pixel8(1, 1).blue, 17);
}

TEST(yWorld, FillsRectanglesOfTheirOwnDepth)
{
    yWorld eight(4, 3, false), deep(4, 3, true);
    const PF_Pixel8 red{255, 255, 0, 0};
    const PF_Rect rect{1, 1, 9, 2};
    ASSERT_EQ(yHost::FillWorld(&red, &rect, &eight.World()), PF_Err_NONE);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(eight.Pixel8(x, y).red, x >= 1 && y == 1 ? 255 : 0) << x << "," << y;
    // The padding beyond the last pixel of a row is left alone.
    const uint8_t* row = reinterpret_cast<const uint8_t*>(eight.World().data) + eight.World().rowbytes;
    for (int i = 16; i < eight.World().rowbytes; ++i)
        EXPECT_EQ(row[i], 0) << i;

    const PF_Pixel16 white{32768, 32768, 32768, 32768};
    EXPECT_EQ(yHost::FillWorld(&red, nullptr, &deep.World()), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(yHost::FillWorld16(&white, nullptr, &eight.World()), PF_Err_BAD_CALLBACK_PARAM);
    ASSERT_EQ(yHost::FillWorld16(&white, nullptr, &deep.World()), PF_Err_NONE);
    EXPECT_EQ(deep.Pixel16(3, 2).green, 32768);
    ASSERT_EQ(yHost::FillWorld16(nullptr, nullptr, &deep.World()),
              PF_Err_NONE); // no colour: transparent black
    EXPECT_EQ(deep.Pixel16(0, 0).alpha, 0);
}
