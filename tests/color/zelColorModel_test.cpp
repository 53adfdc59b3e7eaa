// The colour models one pixel at a time: known values of every model.
#include "effect/color/zelColorModel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace zelTonescope;

namespace
{
// A model, a pixel in (alpha, red, green, blue), the pixel out (D, A, B, C), why.
template <class P> struct Row { short model; P in, out; const char* note; };
using Row8 = Row<PF_Pixel>;
using Row16 = Row<PF_Pixel16>;

template <class P> std::string Show(P const& p)
{
    return "(" + std::to_string(p.alpha) + ", " + std::to_string(p.red) + ", " + std::to_string(p.green) + ", " +
           std::to_string(p.blue) + ")";
}

template <class P> bool Same(P const& a, P const& b) { return Show(a) == Show(b); }
template <class RowT, size_t N> void ExpectRows(RowT const (&rows)[N], short direction)
{
    for (const RowT& r : rows)
    {
        auto p = r.in;
        zelColorModel::Convert(p, r.model, direction);
        EXPECT_TRUE(Same(p, r.out)) << r.note << ": model " << r.model << " of " << Show(r.in) << " gave "
                                    << Show(p) << ", expected " << Show(r.out);
    }
}
} // namespace

TEST(zelColorModel, Forward8)
{
    const Row8 rows[] = {
        {kModelRGB, {40, 10, 20, 30}, {40, 10, 20, 30}, "RGB leaves the pixel alone"},
        {0, {40, 10, 20, 30}, {40, 10, 20, 30}, "an unknown model too"},
        {kModelHLS, {255, 255, 0, 0}, {255, 0, 127, 255}, "pure red: HLS hue 0"},
        {kModelHSV, {255, 255, 0, 0}, {255, 255, 255, 255}, "pure red: HSV hue 255"},
        {kModelHLS, {7, 128, 128, 128}, {7, 0, 128, 0}, "grey: no hue, no saturation, alpha kept"},
        {kModelHSV, {7, 128, 128, 128}, {7, 0, 0, 128}, "grey in HSV"},
        {kModelCMY, {9, 0, 100, 255}, {9, 255, 155, 0}, "complements, alpha kept"},
        {kModelCMYK, {255, 255, 255, 255}, {0, 0, 0, 0}, "opaque white: no ink"},
        {kModelCMYK, {255, 0, 0, 0}, {255, 0, 0, 0}, "opaque black: all black ink"},
        {kModelCMYK, {0, 255, 255, 255}, {255, 0, 0, 0}, "transparent counts as black"},
        {kModelCMYK, {255, 255, 0, 0}, {0, 0, 255, 255}, "opaque red: magenta and yellow"},
        {kModelCMYK, {128, 255, 255, 255}, {127, 0, 0, 0}, "half-transparent white: grey ink in K"},
        {kModelXYZ, {255, 255, 255, 255}, {255, 242, 254, 255}, "white: Z capped (278)"},
        {kModelXYZ, {3, 0, 0, 0}, {3, 0, 0, 0}, "black"},
        {kModelxyY, {255, 255, 255, 255}, {255, 82, 86, 254}, "white's chromaticity"},
        {kModelxyY, {255, 0, 0, 0}, {255, 255, 255, 0}, "black: 0/0 reads as full"},
        {kModelYUV, {255, 255, 255, 255}, {255, 255, 127, 127}, "white"},
        {kModelYUV, {255, 0, 0, 0}, {255, 0, 127, 127}, "black"},
        {kModelYIQ, {255, 255, 255, 255}, {255, 255, 127, 127}, "white"},
        {kModelYIQ, {255, 255, 0, 0}, {255, 76, 23, 181}, "red: I wraps past 255 (279)"},
        // The primaries show each YUV and YIQ weight alone. The row kernel uses
        // the same weights, so only known values catch a wrong one.
        {kModelYUV, {255, 255, 0, 0}, {255, 76, 84, 254}, "red"},
        {kModelYUV, {255, 0, 255, 0}, {255, 150, 43, 20}, "green"},
        {kModelYUV, {255, 0, 0, 255}, {255, 29, 254, 107}, "blue"},
        {kModelYIQ, {255, 0, 255, 0}, {255, 150, 57, 250}, "green: Q wraps below 0 (-6)"},
        {kModelYIQ, {255, 0, 0, 255}, {255, 29, 45, 206}, "blue"},
        {kModelLab, {255, 0, 0, 0}, {255, 0, 143, 151}, "black"},
        {kModelLab, {255, 255, 255, 255}, {255, 254, 143, 158}, "white"},
        {kModelLab, {255, 255, 0, 0}, {255, 137, 255, 243}, "red: a past 1 is full"},
        {kModelLuv, {255, 0, 0, 0}, {255, 0, 0, 0}, "black: s = 0"},
        {kModelLuv, {255, 0, 255, 0}, {255, 222, 223, 255}, "green: negative u by magnitude"},
        {kModelLuv, {255, 0, 0, 255}, {255, 81, 25, 255}, "blue: negative u and v"},
        {kModelLuv, {255, 128, 128, 128}, {255, 194, 0, 2}, "grey: nearly neutral"},
    };
    ExpectRows(rows, kToModel);
}

TEST(zelColorModel, Forward16)
{
    const Row16 rows[] = {
        {kModelRGB, {32768, 32768, 32768, 32768}, {32768, 32768, 32768, 32768}, "white stays full"},
        {kModelHSV, {32768, 32768, 0, 0}, {32768, 32768, 32768, 32768}, "pure red: hue at full"},
        {kModelHLS, {32768, 32768, 0, 0}, {32768, 0, 16384, 32768}, "pure red: HLS hue 0"},
        {kModelHLS, {32768, 0, 32768, 0}, {32768, 10923, 16384, 32768}, "pure green"},
        {kModelHSV, {32768, 0, 0, 32768}, {32768, 21844, 32768, 32768}, "pure blue"},
        {kModelHSV, {100, 5000, 5000, 5000}, {100, 0, 0, 5000}, "grey"},
        {kModelCMY, {1, 0, 16384, 32768}, {1, 32768, 16384, 0}, "complements"},
        {kModelCMYK, {32768, 32768, 32768, 32768}, {0, 0, 0, 0}, "opaque white"},
        {kModelCMYK, {0, 32768, 32768, 32768}, {32768, 0, 0, 0}, "transparent counts as black"},
        {kModelXYZ, {32768, 32768, 32768, 32768}, {32768, 31160, 32766, 32768}, "white: Z capped"},
        {kModelxyY, {32768, 0, 0, 0}, {32768, 32768, 32768, 0}, "black: 0/0 reads as full"},
        {kModelYUV, {32768, 32768, 32768, 32768}, {32768, 32766, 16385, 16384}, "white"},
        {kModelYIQ, {32768, 32768, 0, 0}, {32768, 9797, 35913, 23330}, "red: I beyond full"},
        // The primaries, the hue offsets and HLS's turn to white pin the
        // numbers the row kernel shares with these models.
        {kModelYUV, {32768, 32768, 0, 0}, {32768, 9797, 10847, 32767}, "red"},
        {kModelYUV, {32768, 0, 32768, 0}, {32768, 19234, 5539, 2655}, "green"},
        {kModelYUV, {32768, 0, 0, 32768}, {32768, 3735, 32767, 13730}, "blue"},
        {kModelYIQ, {32768, 0, 32768, 0}, {32768, 19234, 7374, 64783}, "green: Q wraps below 0 (-753)"},
        {kModelYIQ, {32768, 0, 0, 32768}, {32768, 3735, 5866, 26574}, "blue"},
        {kModelHSV, {32768, 0, 32768, 0}, {32768, 10921, 32768, 32768}, "pure green: HSV's third"},
        {kModelHLS, {32768, 0, 0, 32768}, {32768, 21845, 16384, 32768}, "pure blue: HLS's two thirds"},
        {kModelHLS, {32768, 32768, 1, 1}, {32768, 0, 16384, 32766}, "lightness 16384: saturation against black"},
        {kModelHLS, {32768, 32768, 2, 2}, {32768, 0, 16385, 32768}, "lightness 16385: against white"},
        {kModelLab, {32768, 0, 0, 0}, {32768, 0, 18383, 19505}, "black"},
        {kModelLuv, {32768, 0, 0, 0}, {32768, 0, 0, 0}, "black"},
    };
    ExpectRows(rows, kToModel);
}

TEST(zelColorModel, ToRGB)
{
    const Row8 rows[] = {
        {kModelCMY, {9, 255, 155, 0}, {9, 0, 100, 255}, "complements back"},
        {kModelCMYK, {0, 0, 0, 0}, {255, 255, 255, 255}, "no ink: opaque white"},
        {kModelCMYK, {255, 0, 0, 0}, {255, 0, 0, 0}, "full black ink"},
        {kModelCMYK, {50, 100, 255, 0}, {255, 124, 0, 205}, "ink plus black, wrapped round the byte"},
        {kModelHLS, {77, 0, 127, 255}, {77, 254, 0, 0}, "red; alpha from channel D"},
        {kModelHSV, {77, 0, 255, 255}, {77, 255, 0, 0}, "red"},
        {kModelXYZ, {3, 242, 254, 255}, {3, 255, 253, 231}, "white's XYZ"},
        {kModelXYZ, {3, 110, 56, 5}, {3, 255, 0, 0}, "red's XYZ"},
        {kModelxyY, {3, 82, 86, 254}, {3, 255, 253, 231}, "white's xyY"},
        {kModelYUV, {3, 255, 127, 127}, {3, 254, 255, 254}, "white"},
        {kModelRGB, {3, 1, 2, 4}, {3, 1, 2, 4}, "RGB stays"},
    };
    ExpectRows(rows, kToRGB);
}

// Lab's inverse is approximate: colours come back near where they started.
// (Luv keeps only the magnitudes of u and v, so it cannot come back.)
// Every model with an inverse brings colours back near where they started, so
// a flipped sign or a swapped coefficient in any inverse shows. (Luv keeps only
// the magnitudes of u and v, so it cannot come back.)
TEST(zelColorModel, ColoursComeBackClose)
{
    const struct { short model; int tolerance; } rows[] = {
        {kModelHLS, 2}, {kModelHSV, 3}, {kModelCMY, 0}, {kModelXYZ, 6}, {kModelxyY, 10},
        {kModelYUV, 26}, {kModelYIQ, 4}, {kModelLab, 7}, // YUV and Lab come back roughly
    };
    for (const auto& row : rows)
        for (int r = 40; r < 230; r += 47)
            for (int g = 40; g < 230; g += 47)
                for (int b = 40; b < 230; b += 47)
                {
                    PF_Pixel p = {255, A_u_char(r), A_u_char(g), A_u_char(b)};
                    const PF_Pixel in = p;
                    zelColorModel::Convert(p, row.model, kToModel);
                    zelColorModel::Convert(p, row.model, kToRGB);
                    EXPECT_TRUE(std::abs(p.red - in.red) <= row.tolerance && std::abs(p.green - in.green) <= row.tolerance &&
                                std::abs(p.blue - in.blue) <= row.tolerance)
                        << "model " << row.model << ": " << Show(in) << " came back as " << Show(p);
                }
}
