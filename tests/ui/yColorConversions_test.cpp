// The 8-bit hue conversions, both directions.
#include "ui/yColorConversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace
{
typedef yColorConversions CC;

std::string Show(yColor8 const& c)
{
    return "(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) + ")";
}
} // namespace

TEST(yColorConversions, ForwardTable)
{
    struct Row
    {
        yColor8 rgb;
        int h, l, s;         // HLS
        int hh, hs, hv;      // HSV
    } const rows[] = {
        {yColor8(255, 0, 0), 0, 127, 255, 255, 255, 255},     // pure red: HLS hue 0, HSV hue 255
        {yColor8(0, 255, 0), 85, 127, 255, 85, 255, 255},     // pure green
        {yColor8(0, 0, 255), 170, 127, 255, 170, 255, 255},   // pure blue
        {yColor8(128, 128, 128), 0, 128, 0, 0, 0, 128},       // grey
        {yColor8(0, 0, 0), 0, 0, 0, 0, 0, 0},                 // black: no saturation, no hue
        {yColor8(255, 255, 255), 0, 255, 0, 0, 0, 255},       // white
        {yColor8(200, 100, 50), 14, 125, 153, 14, 192, 200},  // red largest, green above blue
        {yColor8(200, 50, 100), 241, 125, 153, 241, 192, 200}, // red largest, blue above green
        {yColor8(100, 200, 50), 71, 125, 153, 71, 192, 200},  // green largest, red above blue
        {yColor8(50, 200, 100), 99, 125, 153, 99, 192, 200},  // green largest, blue above red
        {yColor8(100, 50, 200), 184, 125, 153, 184, 192, 200}, // blue largest, red above green
        {yColor8(50, 100, 200), 156, 125, 153, 156, 192, 200}, // blue largest, green above red
        {yColor8(200, 200, 50), 42, 125, 153, 42, 192, 200},  // red ties green: red counts as largest
        {yColor8(50, 200, 200), 127, 125, 153, 127, 192, 200}, // green ties blue: green counts
        {yColor8(250, 200, 150), 21, 200, 232, 21, 102, 250}, // light: denominator from 255 - max
        {yColor8(255, 128, 128), 0, 191, 255, 255, 127, 255}, // green = blue: HLS 0, HSV 255
    };
    for (const Row& r : rows)
    {
        const yColorHLS hls = CC::RGBToHLS(r.rgb);
        EXPECT_EQ(hls.hue, r.h) << Show(r.rgb);
        EXPECT_EQ(hls.lightness, r.l) << Show(r.rgb);
        EXPECT_EQ(hls.saturation, r.s) << Show(r.rgb);
        const yColorHSV hsv = CC::RGBToHSV(r.rgb);
        EXPECT_EQ(hsv.hue, r.hh) << Show(r.rgb);
        EXPECT_EQ(hsv.saturation, r.hs) << Show(r.rgb);
        EXPECT_EQ(hsv.value, r.hv) << Show(r.rgb);
    }
}

TEST(yColorConversions, InverseTable)
{
    auto hls = [](int h, int l, int s) {
        yColorHLS c;
        c.hue = h, c.lightness = l, c.saturation = s, c.alpha = 77;
        return CC::HLSToRGB(c);
    };
    auto hsv = [](int h, int s, int v) {
        yColorHSV c;
        c.hue = h, c.saturation = s, c.value = v, c.alpha = 77;
        return CC::HSVToRGB(c);
    };
    EXPECT_EQ(hsv(0, 255, 255), yColor8(77, 255, 0, 0));     // hue 0 is red
    EXPECT_EQ(hsv(255, 255, 255), yColor8(77, 255, 0, 0));   // hue 255 wraps to sector 0
    EXPECT_EQ(hsv(99, 0, 140), yColor8(77, 140, 140, 140));  // no saturation: grey of the value
    EXPECT_EQ(hsv(0, 128, 200), yColor8(77, 200, 100, 100)); // p = t = mul(200, 127)
    EXPECT_EQ(hls(31, 255, 9), yColor8(77, 255, 255, 255));  // lightness 255 is white whatever the hue
    EXPECT_EQ(hls(31, 60, 0), yColor8(77, 60, 60, 60));      // no saturation: grey of the lightness
    EXPECT_EQ(hls(0, 127, 255), yColor8(77, 254, 0, 0));     // dark half: high = 2 l
    EXPECT_EQ(hls(85, 127, 255), yColor8(77, 0, 254, 0));
    EXPECT_EQ(hls(170, 127, 255), yColor8(77, 0, 0, 254));
    EXPECT_EQ(hls(0, 200, 255), yColor8(77, 255, 146, 146)); // light half: low = (l - 127) * 2
    EXPECT_EQ(hls(0, 200, 128), yColor8(77, 228, 174, 174)); // partial saturation mixes in the grey

    yColorCMY cmy = CC::RGBToCMY(yColor8(9, 0, 100, 255));
    EXPECT_EQ(cmy.cyan, 255);
    EXPECT_EQ(cmy.magenta, 155);
    EXPECT_EQ(cmy.yellow, 0);
    EXPECT_EQ(cmy.alpha, 9);
    EXPECT_EQ(CC::CMYToRGB(cmy), yColor8(9, 0, 100, 255));
}

TEST(yColorConversions, Mul8AndHueRatio)
{
    EXPECT_EQ(CC::Mul8(255, 17), 17);
    EXPECT_EQ(CC::Mul8(17, 255), 17);
    EXPECT_EQ(CC::Mul8(0, 200), 0);
    EXPECT_EQ(CC::Mul8(128, 128), 65); // 129 * 129 >> 8
    EXPECT_EQ(CC::Mul8(254, 254), 254);
    EXPECT_EQ(CC::HueRatio(0, 10), 0);
    EXPECT_EQ(CC::HueRatio(-3, 10), 0);
    EXPECT_EQ(CC::HueRatio(60, 10), 255);
    EXPECT_EQ(CC::HueRatio(59, 10), 251); // 59 * 256 / 60
}

// Going round through a hue form comes back close to the colour: a wrong
// sector or swapped channel would miss by far more than the rounding.
TEST(yColorConversions, RoundTripsStayClose)
{
    int worstHLS = 0, worstHSV = 0;
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 3)
            for (int b = 0; b < 256; b += 7)
            {
                const yColor8 c(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
                const yColor8 viaHLS = CC::HLSToRGB(CC::RGBToHLS(c));
                const yColor8 viaHSV = CC::HSVToRGB(CC::RGBToHSV(c));
                for (int k = 0; k < 3; ++k)
                {
                    const int in = k == 0 ? r : k == 1 ? g : b;
                    const int a = k == 0 ? viaHLS.red : k == 1 ? viaHLS.green : viaHLS.blue;
                    const int v = k == 0 ? viaHSV.red : k == 1 ? viaHSV.green : viaHSV.blue;
                    worstHLS = std::max(worstHLS, std::abs(a - in));
                    worstHSV = std::max(worstHSV, std::abs(v - in));
                }
                ASSERT_EQ(viaHSV.alpha, 255);
            }
    EXPECT_LE(worstHLS, 12);
    EXPECT_LE(worstHSV, 12);
}
