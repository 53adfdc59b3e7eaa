// Hue-based forms of 8-bit colours and back. Hue runs over a full turn in 256
// steps (red 0, green 85, blue 170); every form carries the alpha unchanged.
#pragma once

#include "draw/yColor.h"

struct yColorHLS
{
    yMath::U8 hue = 0;
    yMath::U8 lightness = 0;
    yMath::U8 saturation = 0;
    yMath::U8 alpha = 255;
};

struct yColorHSV
{
    yMath::U8 hue = 0;
    yMath::U8 saturation = 0;
    yMath::U8 value = 0;
    yMath::U8 alpha = 255;
};

struct yColorCMY
{
    yMath::U8 cyan = 255;
    yMath::U8 magenta = 255;
    yMath::U8 yellow = 255;
    yMath::U8 alpha = 255;
};

class yColorConversions
{
public:
    static yColorHLS RGBToHLS(yColor8 const& c);
    static yColor8 HLSToRGB(yColorHLS const& c);
    static yColorHSV RGBToHSV(yColor8 const& c);
    static yColor8 HSVToRGB(yColorHSV const& c);
    static yColorCMY RGBToCMY(yColor8 const& c);
    static yColor8 CMYToRGB(yColorCMY const& c);

    // The 8-bit product: exact at 0 and 255, otherwise ((a+1)(b+1)) >> 8 capped at 255.
    static int Mul8(int a, int b);
    // Hue step of a channel difference x within a spread delta: x * 256 / (6 delta),
    // 0 when x is not positive, 255 from 6 delta upwards.
    static int HueRatio(int x, int delta);
};
