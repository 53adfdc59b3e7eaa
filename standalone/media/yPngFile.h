// PNG files in and out of the host's worlds. Grey, grey-alpha, RGB, RGBA and
// palette files of any bit depth are read; a file without alpha is opaque.
// Worlds are written as RGBA at their own depth.
#pragma once

#include "standalone/media/yFileOutput.h"
#include "standalone/emulator/yWorld.h"

#include <cstdint>
#include <string>
#include <vector>

namespace yStandalone
{
struct yPngImage
{
    int width = 0;
    int height = 0;
    int depth = 8;              // 8 or 16: the samples' range is 0..255 or 0..65535
    std::vector<uint16_t> rgba; // red, green, blue, alpha per pixel, rows top down
};

// 16-bit file samples (0..65535) against the host's 16-bit components (0..32768).
constexpr uint16_t SampleToHost16(uint32_t v)
{
    return uint16_t((uint64_t(v) * 32768u + 32767u) / 65535u);
}
// Components above 32768 (a channel may hold more) are capped at 65535.
constexpr uint16_t HostToSample16(uint32_t w)
{
    const uint64_t v = (uint64_t(w) * 65535u + 16384u) / 32768u;
    return uint16_t(v > 65535u ? 65535u : v);
}

// One row of the world as the RGBA samples a PNG file holds, 16-bit ones
// big-endian: Width() * 4 samples of its depth.
void PackPngRow(const yWorld& world, int y, uint8_t* row);

class yPngFile
{
  public:
    // Larger images are refused.
    static constexpr int kMaxSide = 32768;
    static constexpr int64_t kMaxPixels = int64_t(1) << 28;

    static bool Read(const std::string& path, yPngImage& out, std::string& error);
    // Writes the world as RGBA at its depth, whole or not at all.
    static bool Write(const std::string& path, const yWorld& world, std::string& error);
    // Encodes the world into one output of a set.
    static bool Write(yFileOutput& outputs, const std::string& path, const yWorld& world, std::string& error);
};

} // namespace yStandalone
