// The eleven colour models a sampled pixel is converted into, one pixel at a
// time. A forward conversion leaves channel A in the red place, B in green,
// C in blue and D in alpha. These are the plain definitions; the row kernel
// (zelSampleKernel) must count and write exactly what they give.
#pragma once

#include "host/sdk/AE_Effect.h"

#include <cstdint>

namespace zelTonescope
{
enum zelColorModelNumber : short
{
    kModelRGB = 1,
    kModelHLS,
    kModelHSV,
    kModelCMY,
    kModelCMYK,
    kModelXYZ,
    kModelxyY,
    kModelYUV,
    kModelYIQ,
    kModelLab,
    kModelLuv,
    kModelCount = kModelLuv
};

enum zelColorDirection : short
{
    kToModel = 0, // RGB to the model: what sampling uses
    kToRGB = 1    // the model to RGB (8-bit only): the panel's channel bars
};

struct zelChannelCaption
{
    const char* label; // short label, as "H"
    const char* name;  // long name, as "Hue"
};

class zelColorModel
{
public:
    // Converts in place. Model 1 and unknown models leave the pixel alone.
    static void Convert(PF_Pixel& p, short model, short direction);
    // 16-bit pixels (0..32768) convert forward only; kToRGB leaves them alone.
    static void Convert(PF_Pixel16& p, short model, short direction);

    // The model's channels back to RGB, alpha from channel D (opaque for CMYK).
    static void ToRGB(PF_Pixel& p, short model);

    // Channel 0..3 (A, B, C, D); unknown models and channels read as RGB's.
    static zelChannelCaption Caption(short model, int channel);
};
} // namespace zelTonescope
