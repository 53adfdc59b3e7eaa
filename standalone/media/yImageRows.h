// Rows of an image file's samples into the rows of a world, by the rules
// yImageFile.h gives; the same for every reader, so that a file gives the
// same world whichever library decoded it.
#pragma once

#include "standalone/emulator/yWorld.h"
#include "standalone/media/yImageReader.h"
#include "standalone/media/yStatistics.h"

#include <cstdint>

namespace yStandalone
{
// One row of the file into the world's row y, every step-th pixel.
void ConvertRow(const uint8_t* row, int nchannels, const yChannelMap& map, int step, yWorld& out, int y);
void ConvertRow(const uint16_t* row, int nchannels, const yChannelMap& map, int step, yWorld& out, int y);
// Float rows add what the clamp to 0..1 changes to clamped, when given.
void ConvertRow(const float* row, int nchannels, const yChannelMap& map, int step, yWorld& out, int y,
                yClampCounts* clamped = nullptr);
} // namespace yStandalone
