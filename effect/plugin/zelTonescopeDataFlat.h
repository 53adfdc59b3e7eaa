// The flat form of an instance's panel settings, as stored in projects: a
// record of exactly 36 bytes, little-endian whatever the machine, written and
// read field by field so that neither padding nor byte order of the compiler
// can change it.
//
//   0  tag (0xBC)           8  view start (float)      21 highlight alpha, red, green, blue
//   1  channel A..D on     12  view end (float)        25 padding
//   5  padding             16  histogram scale (float) 28 selection first (int32)
//                          20  selection shown         32 selection last (int32)
#pragma once

#include <cstddef>
#include <cstdint>

namespace zelTonescope
{
struct zelTonescopeDataFlat
{
    static constexpr std::size_t kSize = 36;
    static constexpr std::size_t kTagOffset = 0;
    static constexpr std::size_t kChannelOffset = 1;
    static constexpr std::size_t kViewStartOffset = 8;
    static constexpr std::size_t kViewEndOffset = 12;
    static constexpr std::size_t kScaleOffset = 16;
    static constexpr std::size_t kSelectionShownOffset = 20;
    static constexpr std::size_t kHighlightOffset = 21;
    static constexpr std::size_t kSelectionFirstOffset = 28;
    static constexpr std::size_t kSelectionLastOffset = 32;

    uint8_t channelOn[4] = {1, 1, 1, 0};
    float viewStart = 0.0f; // positions 0..1 along the view-range track
    float viewEnd = 1.0f;
    float scale = 0.0f;     // position 0..1 of the histogram-scale slider
    uint8_t selectionShown = 1;
    uint8_t highlight[4] = {255, 75, 155, 255}; // alpha, red, green, blue
    int32_t selectionFirst = 0;
    int32_t selectionLast = 0;

    // Writes every field but the tag at its offset; the padding is left alone.
    void Write(uint8_t* record) const;
    // Reads every field but the tag; bytes are taken as they are (no clamping).
    static zelTonescopeDataFlat Read(const uint8_t* record);
};

static_assert(zelTonescopeDataFlat::kSelectionLastOffset + 4 == zelTonescopeDataFlat::kSize,
              "the record ends with the selection's last bin");
static_assert(sizeof(float) == 4, "the record stores 32-bit floats");
} // namespace zelTonescope
