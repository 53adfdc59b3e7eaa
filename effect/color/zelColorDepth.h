// What the colour models do differently at 8 and 16 bits: the pixel and its
// component type, the range, the fixed-point weights, and the exact per-pixel
// arithmetic of zelColorFormulas at that depth. The per-pixel conversions and
// the row kernel's plane loops are each written once, as templates over
// zelDepth8 or zelDepth16.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "effect/color/zelColorFormulas.h"

namespace zelTonescope
{
// Weights of red, green and blue, in units of 1 / kScale of the depth.
struct zelWeights
{
    int r, g, b;
};

template <class P> struct zelDepth
{
    typedef P Pixel;
    typedef decltype(P::red) Component;
    static constexpr bool kDeep = sizeof(Component) == 2;

    // The 8-bit value or the 16-bit one.
    template <class T> static constexpr T Pick(T eight, T sixteen) { return kDeep ? sixteen : eight; }

    // Full is 255 or 32768; 16-bit components up to 65535 occur and must
    // convert too.
    static constexpr int kFull = Pick(zelColorFormulas::kFull8, zelColorFormulas::kFull16);
    // One in the fixed-point products and fractions: v * k / kScale, n * kScale / d.
    static constexpr int kScale = Pick(256, 32768);

    // YUV and YIQ: Y = r + g + b, U = b - r - g, V = r - g - b, I = r - g - b
    // and Q = r - g + b, each part weighted. U, V, I and Q are centred on
    // kMiddle and may wrap round the component.
    static constexpr zelWeights kLuma = Pick<zelWeights>({77, 151, 30}, {9797, 19234, 3735});
    static constexpr zelWeights kU = Pick<zelWeights>({44, 85, 128}, {5537, 10845, 16383});
    static constexpr zelWeights kV = Pick<zelWeights>({128, 108, 21}, {16383, 13729, 2654});
    static constexpr zelWeights kI = Pick<zelWeights>({153, 71, 83}, {19529, 9010, 10518});
    static constexpr zelWeights kQ = Pick<zelWeights>({55, 134, 80}, {6946, 17137, 10190});
    static constexpr int kMiddle = Pick(127, 16384);

    // The hues of green and blue, a third and two thirds round; at 16 bits
    // the two hue models round the thirds apart.
    static constexpr int kHSVGreen = Pick(85, 10921), kHSVBlue = Pick(170, 21844);
    static constexpr int kHLSGreen = Pick(85, 10923), kHLSBlue = Pick(170, 21845);
    // From this lightness up, HLS measures saturation against white.
    static constexpr int kHLSUpperHalf = Pick(128, 16385);

    static int Mul(int v, int k)
    {
        if constexpr (kDeep)
            return zelColorFormulas::Mul16(v, k);
        else
            return zelColorFormulas::Mul8(v, k);
    }

    static int Frac(int n, int d)
    {
        if constexpr (kDeep)
            return zelColorFormulas::Frac16(n, d);
        else
            return zelColorFormulas::Frac8(n, d);
    }

    static zelColorFormulas::Triple XYZ(int r, int g, int b)
    {
        if constexpr (kDeep)
            return zelColorFormulas::XYZ16(r, g, b);
        else
            return zelColorFormulas::XYZ8(r, g, b);
    }
};

typedef zelDepth<PF_Pixel> zelDepth8;
typedef zelDepth<PF_Pixel16> zelDepth16;
} // namespace zelTonescope
