#include "standalone/yWorld.h"

#include <gtest/gtest.h>

#include <algorithm>

using yHost::yWorld;

namespace
{
// Alpha and blue of a pixel of either depth, as "alpha/blue".
std::string At(const yWorld& w, int x, int y)
{
    return w.IsDeep() ? std::to_string(w.Pixel16(x, y).alpha) + "/" + std::to_string(w.Pixel16(x, y).blue)
                      : std::to_string(w.Pixel8(x, y).alpha) + "/" + std::to_string(w.Pixel8(x, y).blue);
}
} // namespace

TEST(yWorld, CopiesRectanglesClippedToBothWorlds)
{
    for (bool deep : {false, true})
    {
        // Each source pixel's blue carries its position, so misplaced copies show.
        yWorld src(6, 5, deep), dst(4, 4, deep);
        for (int i = 0; i < 30; ++i)
            deep ? void(src.Pixel16(i % 6, i / 6) = {32768, 0, 0, A_u_short(i % 6 * 16 + i / 6)})
                 : void(src.Pixel8(i % 6, i / 6) = {255, 0, 0, A_u_char(i % 6 * 16 + i / 6)});
        // Source rectangle partly outside on the left and top, destination at (1, 1).
        const PF_Rect srcRect{-1, -1, 3, 3}, dstRect{0, 0, 4, 4};
        ASSERT_EQ(yHost::CopyWorld(&src.World(), &dst.World(), &srcRect, &dstRect), PF_Err_NONE);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(At(dst, i % 4, i / 4), i % 4 >= 1 && i / 4 >= 1 ? At(src, i % 4 - 1, i / 4 - 1) : "0/0")
                << i;
        const yWorld copy = src; // a copy owns its pixels
        deep ? void(src.Pixel16(1, 1).blue = 99) : void(src.Pixel8(1, 1).blue = 99);
        EXPECT_EQ(At(copy, 1, 1), deep ? "32768/17" : "255/17");
    }
    yWorld eight(2, 2, false), deep(2, 2, true);
    EXPECT_EQ(yHost::CopyWorld(&eight.World(), &deep.World(), nullptr, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(yHost::CopyWorld(nullptr, &deep.World(), nullptr, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    const PF_Rect far{1 << 30, 1 << 30, INT32_MAX, INT32_MAX},
        huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    EXPECT_EQ(yHost::CopyWorld(&eight.World(), &eight.World(), &far, nullptr), PF_Err_NONE);
    EXPECT_EQ(yHost::CopyWorld(&deep.World(), &deep.World(), &huge, &huge), PF_Err_NONE);
}

TEST(yWorld, FillsRectanglesOfTheirOwnDepth)
{
    yWorld eight(4, 3, false), deep(4, 3, true);
    const PF_Pixel8 red{255, 255, 0, 0};
    const PF_Rect rect{1, 1, 9, 2};
    ASSERT_EQ(yHost::FillWorld(&red, &rect, &eight.World()), PF_Err_NONE);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(eight.Pixel8(i % 4, i / 4).red, i % 4 >= 1 && i / 4 == 1 ? 255 : 0) << i;
    // The padding beyond the last pixel of a row is left alone.
    const uint8_t* row = reinterpret_cast<const uint8_t*>(eight.World().data) + eight.World().rowbytes;
    EXPECT_EQ(std::count(row + 16, row + eight.World().rowbytes, 0), eight.World().rowbytes - 16);

    const PF_Pixel16 white{32768, 32768, 32768, 32768};
    EXPECT_EQ(yHost::FillWorld(&red, nullptr, &deep.World()), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(yHost::FillWorld16(&white, nullptr, &eight.World()), PF_Err_BAD_CALLBACK_PARAM);
    ASSERT_EQ(yHost::FillWorld16(&white, nullptr, &deep.World()), PF_Err_NONE);
    EXPECT_EQ(At(deep, 3, 2), "32768/32768");
    ASSERT_EQ(yHost::FillWorld16(nullptr, nullptr, &deep.World()),
              PF_Err_NONE); // no colour: transparent black
    EXPECT_EQ(At(deep, 0, 0), "0/0");
}
