#include "panel/yHistogramStrokes.h"

#include <gtest/gtest.h>

namespace
{
yHistogramColumnStyle ColorStyle()
{
    yHistogramColumnStyle s;
    s.top = 0;
    s.bottom = 254;
    s.inColor = true;
    s.colorModel = 1;
    s.highlight = yColor8(255, 0x4b, 0x9b, 0xff);
    s.shadow = yColor8(0, 0x24, 0x23, 0x20);
    return s;
}

yHistogramColumnStrokes Strokes(const yHistogramColumnStyle& style, uint32_t a, uint32_t b, uint32_t c, uint32_t d,
                                yMath::U8 g = 200, bool selected = false)
{
    const uint32_t h[4] = {a, b, c, d};
    yHistogramColumnStrokes out;
    BuildColumnStrokes(style, h, g, selected, out);
    return out;
}

void ExpectStroke(const yHistogramColumnStrokes& s, int i, int from, int to, yColor8 color)
{
    ASSERT_LT(i, s.count);
    EXPECT_EQ(s.strokes[i].from, from) << "stroke " << i;
    EXPECT_EQ(s.strokes[i].to, to) << "stroke " << i;
    EXPECT_TRUE(s.strokes[i].color == color) << "stroke " << i;
}

// A stand-in conversion that marks its input, to see which bytes reach it.
yColor8 Echo(const yColor8& c, short) { return yColor8(7, c.red, c.green, c.blue); }
} // namespace

TEST(HistogramStrokes, EqualChannelsDrawOneGreyBar)
{
    const auto s = Strokes(ColorStyle(), 40, 40, 40, 0);
    ASSERT_EQ(s.count, 1);
    ExpectStroke(s, 0, 254, 214, yColor8(255, 200, 200, 200));
    EXPECT_FALSE(s.hasTopPixel);
}

TEST(HistogramStrokes, EveryOrderingPicksItsTwoAndOneChannelColours)
{
    const yMath::U8 g = 100, o = 0;
    struct Row
    {
        uint32_t a, b, c;
        yColor8 c1, c2;
    } rows[] = {
        {10, 20, 30, {255, o, g, g}, {255, o, o, g}}, // A <= B <= C
        {10, 30, 20, {255, o, g, g}, {255, o, g, o}}, // A <= C <= B
        {20, 10, 30, {255, g, o, g}, {255, o, o, g}}, // B <= A <= C
        {30, 10, 20, {255, g, o, g}, {255, g, o, o}}, // B <= C <= A
        {30, 20, 10, {255, g, g, o}, {255, g, o, o}}, // C <= B <= A
        {20, 30, 10, {255, g, g, o}, {255, o, g, o}}, // C <= A <= B
    };
    for (const Row& r : rows)
    {
        const auto s = Strokes(ColorStyle(), r.a, r.b, r.c, 0, g);
        ASSERT_EQ(s.count, 3);
        ExpectStroke(s, 0, 254, 244, yColor8(255, g, g, g));
        ExpectStroke(s, 1, 244, 234, r.c1);
        ExpectStroke(s, 2, 234, 224, r.c2);
    }
}

TEST(HistogramStrokes, OnlyChannelCIsBlueFromTheBottom)
{
    const auto s = Strokes(ColorStyle(), 0, 0, 50, 0, 180);
    ASSERT_EQ(s.count, 1);
    ExpectStroke(s, 0, 254, 204, yColor8(255, 0, 0, 180));
}

TEST(HistogramStrokes, ASharedPartOfOnePixelIsLeftOut)
{
    const auto s = Strokes(ColorStyle(), 1, 5, 9, 0, 90);
    ASSERT_EQ(s.count, 2);
    ExpectStroke(s, 0, 254, 249, yColor8(255, 0, 90, 90));
    ExpectStroke(s, 1, 249, 245, yColor8(255, 0, 0, 90));
}

TEST(HistogramStrokes, ChannelDIsAShadeWithABlackTop)
{
    const auto s = Strokes(ColorStyle(), 0, 0, 0, 30);
    ASSERT_EQ(s.count, 1);
    ExpectStroke(s, 0, 254, 224, ColorStyle().shadow);
    EXPECT_TRUE(s.hasTopPixel);
    EXPECT_EQ(s.topPixelY, 224);
}

TEST(HistogramStrokes, BarsStopAtTheTopOfTheInnerArea)
{
    const auto s = Strokes(ColorStyle(), 300, 400, 500, 1000);
    ASSERT_EQ(s.count, 2); // the shade, then the grey reaches the top
    ExpectStroke(s, 0, 254, 0, ColorStyle().shadow);
    ExpectStroke(s, 1, 254, 0, yColor8(255, 200, 200, 200));
    EXPECT_EQ(s.topPixelY, 0);
    const auto huge = Strokes(ColorStyle(), 0xFFFFFFFFu, 0, 0, 0);
    EXPECT_EQ(huge.strokes[0].to, 0);
}

TEST(HistogramStrokes, BlackModeAndSelectionDrawOneBarOfTheTallestChannel)
{
    auto style = ColorStyle();
    const auto selected = Strokes(style, 10, 60, 30, 20, 200, true);
    ASSERT_EQ(selected.count, 1);
    ExpectStroke(selected, 0, 254, 194, style.highlight);
    EXPECT_FALSE(selected.hasTopPixel);

    style.inColor = false;
    const auto black = Strokes(style, 10, 20, 30, 70);
    ASSERT_EQ(black.count, 1);
    ExpectStroke(black, 0, 254, 184, yColor8(255, 0, 0, 0));
    EXPECT_EQ(Strokes(style, 0, 0, 0, 0).count, 0);
}

TEST(HistogramStrokes, OtherModelsConvertWithTheirZeroDefaults)
{
    auto style = ColorStyle();
    style.modelToRGB = Echo;
    const uint32_t h[4] = {0, 0, 9, 0};
    yHistogramColumnStrokes out;

    style.colorModel = 2; // HLS: zeros become ff, 7f, ff
    BuildColumnStrokes(style, h, 120, false, out);
    ASSERT_EQ(out.count, 1);
    EXPECT_TRUE(out.strokes[0].color == yColor8(255, 0xff, 0x7f, 120));

    style.colorModel = 3; // HSV: every zero becomes ff
    BuildColumnStrokes(style, h, 120, false, out);
    EXPECT_TRUE(out.strokes[0].color == yColor8(255, 0xff, 0xff, 120));

    style.colorModel = 6; // other models keep their zeros
    BuildColumnStrokes(style, h, 120, false, out);
    EXPECT_TRUE(out.strokes[0].color == yColor8(255, 0, 0, 120));
}
