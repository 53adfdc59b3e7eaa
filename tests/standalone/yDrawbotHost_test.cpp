#include "standalone/emulator/yDrawbotHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
// A 4 x 3 window, bottom-up blue, green, red, alpha, all 0x10.
struct Window
{
    Window() : bytes(4 * 3 * 4, 0x10) { surface = {ZT_DrawSurface_VERSION, bytes.data(), 4, 3, 16}; }
    // Blue, green, red, alpha of the pixel at (x, y) from the top.
    std::vector<int> At(int x, int y) const
    {
        const uint8_t* p = bytes.data() + (2 - y) * 16 + x * 4;
        return {p[0], p[1], p[2], p[3]};
    }
    std::vector<uint8_t> bytes;
    ZT_DrawSurface surface{};
};
} // namespace

TEST(yDrawbotHost, ImagesOfEveryLayoutLandAsTheirBytesSay)
{
    // One pixel, drawn at (1, 1): its bytes, and the window pixel they make.
    const struct
    {
        DRAWBOT_PixelLayout layout;
        std::vector<uint8_t> pixel;
        std::vector<int> expected; // blue, green, red, alpha
        float alpha;
    } rows[] = {
        {kDRAWBOT_PixelLayout_24RGB, {200, 100, 50}, {50, 100, 200, 255}, 1},
        {kDRAWBOT_PixelLayout_24BGR, {200, 100, 50}, {200, 100, 50, 255}, 1},
        {kDRAWBOT_PixelLayout_32RGB, {0, 200, 100, 50}, {50, 100, 200, 255}, 1},    // the first byte ignored
        {kDRAWBOT_PixelLayout_32BGR, {200, 100, 50, 0}, {200, 100, 50, 255}, 1},    // the fourth ignored
        {kDRAWBOT_PixelLayout_32BGRA_Straight, {200, 100, 50, 255}, {200, 100, 50, 255}, 1},
        {kDRAWBOT_PixelLayout_32BGRA_Straight, {200, 100, 50, 0}, {16, 16, 16, 255}, 1}, // fully clear
        {kDRAWBOT_PixelLayout_32BGRA_Straight, {255, 255, 255, 128}, {136, 136, 136, 255}, 1},
        {kDRAWBOT_PixelLayout_32BGRA_Premul, {128, 128, 128, 128}, {136, 136, 136, 255}, 1},
        {kDRAWBOT_PixelLayout_32ARGB_Straight, {255, 50, 100, 200}, {200, 100, 50, 255}, 1},
        {kDRAWBOT_PixelLayout_32BGR, {255, 255, 255, 0}, {136, 136, 136, 255}, 0.5f}, // the image's alpha
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.layout);
        Window window;
        yStandalone::yDrawbotHost drawbot;
        drawbot.SetTarget(&window.surface);
        DRAWBOT_ImageRef image = drawbot.NewImage(1, 1, 4, row.layout, row.pixel.data());
        ASSERT_NE(image, nullptr);
        EXPECT_TRUE(drawbot.DrawImage(image, {1.5f, 1.0f}, row.alpha)) << "origins round down";
        EXPECT_EQ(window.At(1, 1), row.expected);
        EXPECT_EQ(window.At(2, 1), (std::vector<int>{16, 16, 16, 16})) << "nothing beside it";
        EXPECT_TRUE(drawbot.Release(reinterpret_cast<DRAWBOT_ObjectRef>(image)));
    }
}

TEST(yDrawbotHost, DrawsOnlyInsideTheWindowAndTheClip)
{
    Window window;
    yStandalone::yDrawbotHost drawbot;
    drawbot.SetTarget(&window.surface);
    const std::vector<uint8_t> white(3 * 3 * 4, 0xFF);
    DRAWBOT_ImageRef image = drawbot.NewImage(3, 3, 12, kDRAWBOT_PixelLayout_32BGR, white.data());
    // Hanging over the top-left corner: only its bottom-right 2 x 2 lands.
    EXPECT_TRUE(drawbot.DrawImage(image, {-1, -1}, 1));
    EXPECT_EQ(window.At(1, 1)[0], 255);
    EXPECT_EQ(window.At(2, 1)[0], 16);
    EXPECT_EQ(window.At(1, 2)[0], 16);

    // A clip keeps the drawing inside it until the state it was pushed with is popped.
    Window clipped;
    drawbot.SetTarget(&clipped.surface);
    drawbot.Push();
    drawbot.Clip({2, 0, 5, 1});
    EXPECT_TRUE(drawbot.DrawImage(image, {0, 0}, 1));
    EXPECT_EQ(clipped.At(1, 0)[0], 16);
    EXPECT_EQ(clipped.At(2, 0)[0], 255);
    EXPECT_EQ(clipped.At(2, 1)[0], 16);
    EXPECT_TRUE(drawbot.Pop());
    EXPECT_FALSE(drawbot.Pop()) << "nothing more to pop";
    EXPECT_TRUE(drawbot.DrawImage(image, {0, 0}, 1));
    EXPECT_EQ(clipped.At(1, 2)[0], 255);
    EXPECT_EQ(drawbot.ImagesDrawn(), 3);
    EXPECT_TRUE(drawbot.Release(reinterpret_cast<DRAWBOT_ObjectRef>(image)));
}

TEST(yDrawbotHost, RefusesWhatItNeverGaveOut)
{
    Window window;
    yStandalone::yDrawbotHost drawbot;
    const uint8_t pixel[4] = {};
    // Descriptions that are no image.
    EXPECT_EQ(drawbot.NewImage(1, 1, 4, kDRAWBOT_PixelLayout_32BGR, nullptr), nullptr);
    EXPECT_EQ(drawbot.NewImage(0, 1, 4, kDRAWBOT_PixelLayout_32BGR, pixel), nullptr);
    EXPECT_EQ(drawbot.NewImage(1, 16385, 4, kDRAWBOT_PixelLayout_32BGR, pixel), nullptr);
    EXPECT_EQ(drawbot.NewImage(2, 1, 7, kDRAWBOT_PixelLayout_32BGR, pixel), nullptr) << "rows too short";
    EXPECT_EQ(drawbot.NewImage(1, 1, 4, 8, pixel), nullptr) << "an unknown layout";

    DRAWBOT_ImageRef image = drawbot.NewImage(1, 1, 4, kDRAWBOT_PixelLayout_32BGR, pixel);
    EXPECT_FALSE(drawbot.DrawImage(image, {0, 0}, 1)) << "no window outside a draw event";
    drawbot.SetTarget(&window.surface);
    EXPECT_FALSE(drawbot.DrawImage(image, {NAN, 0}, 1));
    EXPECT_FALSE(drawbot.DrawImage(reinterpret_cast<DRAWBOT_ImageRef>(&window), {0, 0}, 1));
    EXPECT_FALSE(drawbot.Release(reinterpret_cast<DRAWBOT_ObjectRef>(&window)));
    EXPECT_EQ(drawbot.LiveImages(), 1u);
    EXPECT_TRUE(drawbot.Release(reinterpret_cast<DRAWBOT_ObjectRef>(image)));
    EXPECT_FALSE(drawbot.Release(reinterpret_cast<DRAWBOT_ObjectRef>(image))) << "released once";
    EXPECT_FALSE(drawbot.DrawImage(image, {0, 0}, 1));
    EXPECT_FALSE(drawbot.IsDrawRef(reinterpret_cast<DRAWBOT_DrawRef>(drawbot.Supplier())));
}
