#include "panel/yHistogramStrokes.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const yColor8 kHighlight(255, 0x4b, 0x9b, 0xff);
const yColor8 kShadow(0, 0x24, 0x23, 0x20);

// A stand-in conversion that marks its input, to see which bytes reach it.
yColor8 Echo(const yColor8& c, short) { return yColor8(7, c.red, c.green, c.blue); }

// Strokes as "from-to:aarrggbb ..." and the top pixel as "^row".
std::string Text(const yHistogramColumnStrokes& s)
{
    std::string t;
    for (int i = 0; i < s.count; ++i)
    {
        const yColor8& c = s.strokes[i].color;
        char one[40];
        std::snprintf(one, sizeof one, "%d-%d:%02x%02x%02x%02x ", s.strokes[i].from, s.strokes[i].to, c.alpha,
                      c.red, c.green, c.blue);
        t += one;
    }
    return s.hasTopPixel ? t + "^" + std::to_string(s.topPixelY) : t;
}
} // namespace

TEST(HistogramStrokes, EachColumnDrawsItsStackedSegments)
{
    struct Row { uint32_t a, b, c, d; yMath::U8 g; bool selected, inColor; short model; const char* out; };
    const Row rows[] = {
        {40, 40, 40, 0, 200, false, true, 1, "254-214:ffc8c8c8 "}, // equal channels: one grey bar
        // Every ordering: grey where all reach, the two taller's colour, the tallest's.
        {10, 20, 30, 0, 100, false, true, 1, "254-244:ff646464 244-234:ff006464 234-224:ff000064 "},
        {10, 30, 20, 0, 100, false, true, 1, "254-244:ff646464 244-234:ff006464 234-224:ff006400 "},
        {20, 10, 30, 0, 100, false, true, 1, "254-244:ff646464 244-234:ff640064 234-224:ff000064 "},
        {30, 10, 20, 0, 100, false, true, 1, "254-244:ff646464 244-234:ff640064 234-224:ff640000 "},
        {30, 20, 10, 0, 100, false, true, 1, "254-244:ff646464 244-234:ff646400 234-224:ff640000 "},
        {20, 30, 10, 0, 100, false, true, 1, "254-244:ff646464 244-234:ff646400 234-224:ff006400 "},
        {0, 0, 50, 0, 180, false, true, 1, "254-204:ff0000b4 "},             // only C: blue from the bottom
        {1, 5, 9, 0, 90, false, true, 1, "254-249:ff005a5a 249-245:ff00005a "}, // a shared pixel is left out
        {0, 0, 0, 30, 200, false, true, 1, "254-224:00242320 ^224"},          // D: a shade with a black top
        // Bars stop at the top of the inner area: the shade, then the grey.
        {300, 400, 500, 1000, 200, false, true, 1, "254-0:00242320 254-0:ffc8c8c8 ^0"},
        {0xFFFFFFFFu, 0, 0, 0, 200, false, true, 1, "254-0:ffc80000 "},
        // Selected or black: one bar of the tallest channel, D included.
        {10, 60, 30, 20, 200, true, true, 1, "254-194:ff4b9bff "},
        {10, 20, 30, 70, 200, false, false, 1, "254-184:ff000000 "},
        {0, 0, 0, 0, 200, false, false, 1, ""},
        // Other models convert with their zero defaults: HLS ff 7f ff, HSV all ff, others none.
        {0, 0, 9, 0, 120, false, true, 2, "254-245:ffff7f78 "},
        {0, 0, 9, 0, 120, false, true, 3, "254-245:ffffff78 "},
        {0, 0, 9, 0, 120, false, true, 6, "254-245:ff000078 "},
    };
    for (const Row& r : rows)
    {
        yHistogramColumnStyle style;
        style.top = 0;
        style.bottom = 254;
        style.inColor = r.inColor;
        style.colorModel = r.model;
        style.highlight = kHighlight;
        style.shadow = kShadow;
        style.modelToRGB = Echo;
        const uint32_t h[4] = {r.a, r.b, r.c, r.d};
        yHistogramColumnStrokes out;
        BuildColumnStrokes(style, h, r.g, r.selected, out);
        EXPECT_EQ(Text(out), r.out)
            << r.a << " " << r.b << " " << r.c << " " << r.d << " model " << r.model;
    }
}
