#include "effect/plugin/zelTonescopeDataFlat.h"

#include <cstring>

namespace zelTonescope
{
namespace
{
void PutU32(uint8_t* at, uint32_t v)
{
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
    at[2] = static_cast<uint8_t>(v >> 16);
    at[3] = static_cast<uint8_t>(v >> 24);
}

uint32_t GetU32(const uint8_t* at)
{
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

void PutFloat(uint8_t* at, float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    PutU32(at, bits);
}

float GetFloat(const uint8_t* at)
{
    const uint32_t bits = GetU32(at);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}
} // namespace

void zelTonescopeDataFlat::Write(uint8_t* record) const
{
    std::memcpy(record + kChannelOffset, channelOn, 4);
    PutFloat(record + kViewStartOffset, viewStart);
    PutFloat(record + kViewEndOffset, viewEnd);
    PutFloat(record + kScaleOffset, scale);
    record[kSelectionShownOffset] = selectionShown;
    std::memcpy(record + kHighlightOffset, highlight, 4);
    PutU32(record + kSelectionFirstOffset, static_cast<uint32_t>(selectionFirst));
    PutU32(record + kSelectionLastOffset, static_cast<uint32_t>(selectionLast));
}

zelTonescopeDataFlat zelTonescopeDataFlat::Read(const uint8_t* record)
{
    zelTonescopeDataFlat flat;
    std::memcpy(flat.channelOn, record + kChannelOffset, 4);
    flat.viewStart = GetFloat(record + kViewStartOffset);
    flat.viewEnd = GetFloat(record + kViewEndOffset);
    flat.scale = GetFloat(record + kScaleOffset);
    flat.selectionShown = record[kSelectionShownOffset];
    std::memcpy(flat.highlight, record + kHighlightOffset, 4);
    flat.selectionFirst = static_cast<int32_t>(GetU32(record + kSelectionFirstOffset));
    flat.selectionLast = static_cast<int32_t>(GetU32(record + kSelectionLastOffset));
    return flat;
}
} // namespace zelTonescope
