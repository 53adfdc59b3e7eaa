// Rows of an image file's samples into the rows of a world, by the rules
// yImageFile.h gives; the same for every reader, so that a file gives the
// same world whichever library decoded it.
#pragma once

#include "standalone/emulator/yWorld.h"

#include <cstdint>

namespace yStandalone
{
// Where a pixel's red, green, blue and alpha are among the file's channels;
// alpha -1 when the file has none.
struct yChannelMap
{
    int red = 0, green = 0, blue = 0, alpha = -1;
};

// One row of the file into the world's row y, every step-th pixel.
void ConvertRow(const uint8_t* row, int nchannels, const yChannelMap& map, int step, yWorld& out, int y);
void ConvertRow(const uint16_t* row, int nchannels, const yChannelMap& map, int step, yWorld& out, int y);
void ConvertRow(const float* row, int nchannels, const yChannelMap& map, int step, yWorld& out, int y);
} // namespace yStandalone
