// The 8-bit hue forms, both directions, for every form.
#include "ui/yColorConversions.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
typedef yColorConversions CC;

yColor8 Rgb(const int (&c)[3])
{
    return yColor8(77, uint8_t(c[0]), uint8_t(c[1]), uint8_t(c[2]));
}

yColorHLS Hls(const int (&c)[3])
{
    yColorHLS out;
    out.hue = uint8_t(c[0]), out.lightness = uint8_t(c[1]), out.saturation = uint8_t(c[2]), out.alpha = 77;
    return out;
}

yColorHSV Hsv(const int (&c)[3])
{
    yColorHSV out;
    out.hue = uint8_t(c[0]), out.saturation = uint8_t(c[1]), out.value = uint8_t(c[2]), out.alpha = 77;
    return out;
}
} // namespace

// Each row: a colour, its HLS form and that form turned back, its HSV form and
// that form turned back. Three distinct channels in every hue sector make a
// swapped channel, a flipped sign or a wrong sector show.
TEST(yColorConversions, EveryFormBothWays)
{
    struct Row
    {
        int rgb[3], hls[3], fromHls[3], hsv[3], fromHsv[3];
    } const rows[] = {
        {{200, 100, 50}, {14, 125, 153}, {200, 100, 50}, {14, 192, 200}, {200, 99, 50}},    // red > green > blue
        {{200, 50, 100}, {241, 125, 153}, {200, 50, 100}, {241, 192, 200}, {200, 50, 100}}, // red > blue > green
        {{100, 200, 50}, {71, 125, 153}, {100, 200, 50}, {71, 192, 200}, {99, 200, 50}},    // green > red > blue
        {{50, 200, 100}, {99, 125, 153}, {50, 200, 100}, {99, 192, 200}, {50, 200, 99}},    // green > blue > red
        {{100, 50, 200}, {184, 125, 153}, {100, 50, 200}, {184, 192, 200}, {98, 50, 200}},  // blue > red > green
        {{50, 100, 200}, {156, 125, 153}, {50, 100, 200}, {156, 192, 200}, {50, 99, 200}},  // blue > green > red
        {{250, 200, 150}, {21, 200, 232}, {250, 200, 151}, {21, 102, 250}, {250, 200, 150}}, // light half
        {{220, 180, 240}, {198, 210, 170}, {220, 181, 240}, {198, 64, 240}, {220, 180, 240}},
        {{30, 10, 20}, {234, 20, 128}, {30, 10, 20}, {234, 170, 30}, {30, 10, 20}},          // dark
        {{255, 100, 0}, {16, 127, 255}, {254, 96, 0}, {16, 255, 255}, {255, 96, 0}},         // full saturation
        {{200, 200, 50}, {42, 125, 153}, {200, 199, 50}, {42, 192, 200}, {200, 198, 50}},    // red ties green
        {{50, 200, 200}, {127, 125, 153}, {50, 200, 199}, {127, 192, 200}, {50, 200, 198}},  // green ties blue
        {{200, 50, 200}, {213, 125, 153}, {200, 50, 199}, {213, 192, 200}, {200, 50, 199}},  // red ties blue
        {{255, 128, 128}, {0, 191, 255}, {255, 128, 128}, {255, 127, 255}, {255, 128, 128}}, // HLS hue 0, HSV 255
        {{255, 0, 0}, {0, 127, 255}, {254, 0, 0}, {255, 255, 255}, {255, 0, 0}},
        {{0, 255, 0}, {85, 127, 255}, {0, 254, 0}, {85, 255, 255}, {0, 255, 0}},
        {{0, 0, 255}, {170, 127, 255}, {0, 0, 254}, {170, 255, 255}, {0, 0, 255}},
        {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},                         // greys: no hue
        {{128, 128, 128}, {0, 128, 0}, {128, 128, 128}, {0, 0, 128}, {128, 128, 128}},
        {{255, 255, 255}, {0, 255, 0}, {255, 255, 255}, {0, 0, 255}, {255, 255, 255}},
    };
    for (const Row& r : rows)
    {
        const yColor8 rgb = Rgb(r.rgb);
        SCOPED_TRACE(testing::Message() << r.rgb[0] << "," << r.rgb[1] << "," << r.rgb[2]);
        const yColorHLS hls = CC::RGBToHLS(rgb);
        EXPECT_EQ((std::vector<int>{hls.hue, hls.lightness, hls.saturation, hls.alpha}),
                  (std::vector<int>{r.hls[0], r.hls[1], r.hls[2], 77}));
        EXPECT_EQ(CC::HLSToRGB(Hls(r.hls)), Rgb(r.fromHls));
        const yColorHSV hsv = CC::RGBToHSV(rgb);
        EXPECT_EQ((std::vector<int>{hsv.hue, hsv.saturation, hsv.value, hsv.alpha}),
                  (std::vector<int>{r.hsv[0], r.hsv[1], r.hsv[2], 77}));
        EXPECT_EQ(CC::HSVToRGB(Hsv(r.hsv)), Rgb(r.fromHsv));
        const yColorCMY cmy = CC::RGBToCMY(rgb);
        EXPECT_EQ((std::vector<int>{cmy.cyan, cmy.magenta, cmy.yellow, cmy.alpha}),
                  (std::vector<int>{255 - r.rgb[0], 255 - r.rgb[1], 255 - r.rgb[2], 77}));
        EXPECT_EQ(CC::CMYToRGB(cmy), rgb);
    }
}

// Hue forms no colour turns into, and the edges of the sectors.
TEST(yColorConversions, InverseEdges)
{
    struct Row
    {
        bool hls;
        int in[3], rgb[3];
    } const rows[] = {
        {true, {31, 255, 9}, {255, 255, 255}},   // lightness 255 is white whatever the hue
        {true, {31, 60, 0}, {60, 60, 60}},       // no saturation: grey of the lightness
        {true, {0, 200, 128}, {228, 174, 174}},  // partial saturation mixes in the grey
        {true, {0, 128, 255}, {255, 2, 2}},      // the first lightness of the upper half
        {true, {42, 100, 255}, {200, 198, 0}},   // last hue of the first sector
        {true, {43, 100, 255}, {198, 200, 0}},   // first of the second
        {true, {212, 150, 255}, {253, 46, 255}},
        {true, {213, 150, 255}, {255, 46, 253}},
        {false, {255, 255, 255}, {255, 0, 0}},   // hue 255 wraps to red
        {false, {99, 0, 140}, {140, 140, 140}},  // no saturation: grey of the value
        {false, {0, 128, 200}, {200, 100, 100}},
        {false, {42, 200, 250}, {250, 248, 54}},
        {false, {43, 200, 250}, {249, 250, 54}},
        {false, {212, 200, 250}, {248, 54, 250}},
        {false, {213, 200, 250}, {250, 54, 249}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.hls ? CC::HLSToRGB(Hls(r.in)) : CC::HSVToRGB(Hsv(r.in)), Rgb(r.rgb))
            << (r.hls ? "HLS " : "HSV ") << r.in[0] << "," << r.in[1] << "," << r.in[2];
}

// The share of a hue sector in 256ths, clamped at both ends.
TEST(yColorConversions, HueRatio)
{
    const int rows[][3] = {{0, 10, 0}, {-3, 10, 0}, {1, 10, 4}, {59, 10, 251}, {60, 10, 255}, {61, 10, 255}};
    for (const auto& r : rows)
        EXPECT_EQ(CC::HueRatio(r[0], r[1]), r[2]) << r[0];
}
