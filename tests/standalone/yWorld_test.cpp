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
                world.Pixel16(x, y) = {32768, A_u_short(x), A_u_short(y), A_u_short(x * 16 + y)};
            else
                world.Pixel8(x, y) = {255, A_u_char(x), A_u_char(y), A_u_char(x * 16 + y)};
}

// Alpha and blue of a pixel of either depth, as "alpha/blue".
std::string At(const yWorld& world, int x, int y)
{
    if (world.IsDeep()) return std::to_string(world.Pixel16(x, y).alpha) + "/" + std::to_string(world.Pixel16(x, y).blue);
    return std::to_string(world.Pixel8(x, y).alpha) + "/" + std::to_string(world.Pixel8(x, y).blue);
}
} // namespace

TEST(yWorld, RowsArePaddedAndCopiesOwnTheirPixels)
{
    yWorld world(5, 3, false);
    EXPECT_EQ(world.World().rowbytes, 5 * 4 + yWorld::kRowPadding);
    EXPECT_EQ(yWorld(5, 3, true).World().rowbytes, 5 * 8 + yWorld::kRowPadding);
    Number(world);
    yWorld copy = world;
    world.Pixel8(1, 1).red = 99;
    EXPECT_EQ(copy.Pixel8(1, 1).red, 1);
}

TEST(yWorld, CopiesRectanglesClippedToBothWorlds)
{
    for (bool deep : {false, true})
    {
        yWorld src(6, 5, deep), dst(4, 4, deep);
        Number(src);
        const std::string full = deep ? "32768/" : "255/";
        // Source rectangle partly outside on the left and top, destination at (1, 1).
        const PF_Rect srcRect{-1, -1, 3, 3}, dstRect{0, 0, 4, 4};
        ASSERT_EQ(yHost::CopyWorld(&src.World(), &dst.World(), &srcRect, &dstRect), PF_Err_NONE);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(At(dst, x, y), x >= 1 && y >= 1 ? full + std::to_string((x - 1) * 16 + y - 1) : "0/0")
                    << x << "," << y;
    }
    yWorld eight(2, 2, false), deep(2, 2, true), other(2, 2, false);
    EXPECT_EQ(yHost::CopyWorld(&eight.World(), &deep.World(), nullptr, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(yHost::CopyWorld(nullptr, &deep.World(), nullptr, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(yHost::CopyWorld(&deep.World(), nullptr, nullptr, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    const PF_Rect far{1 << 30, 1 << 30, INT32_MAX, INT32_MAX}, huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    EXPECT_EQ(yHost::CopyWorld(&eight.World(), &eight.World(), &far, nullptr), PF_Err_NONE);
    Number(other);
    EXPECT_EQ(yHost::CopyWorld(&other.World(), &eight.World(), &huge, &huge), PF_Err_NONE);
    EXPECT_EQ(At(eight, 1, 1), "255/17");
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
    EXPECT_EQ(At(deep, 3, 2), "32768/32768");
    ASSERT_EQ(yHost::FillWorld16(nullptr, nullptr, &deep.World()), PF_Err_NONE); // no colour: transparent black
    EXPECT_EQ(At(deep, 0, 0), "0/0");
}
