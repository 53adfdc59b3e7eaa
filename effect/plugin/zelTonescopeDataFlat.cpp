#include "effect/plugin/zelTonescopeDataFlat.h"
#include "host/sdk/ZT_ByteOrder.h"

#include <cstring>

namespace zelTonescope
{
namespace
{
using ZT_ByteOrder::LoadU32;
using ZT_ByteOrder::StoreU32;

void PutFloat(uint8_t* at, float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    StoreU32(at, bits);
}

float GetFloat(const uint8_t* at)
{
    const uint32_t bits = LoadU32(at);
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
    StoreU32(record + kSelectionFirstOffset, static_cast<uint32_t>(selectionFirst));
    StoreU32(record + kSelectionLastOffset, static_cast<uint32_t>(selectionLast));
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
    flat.selectionFirst = static_cast<int32_t>(LoadU32(record + kSelectionFirstOffset));
    flat.selectionLast = static_cast<int32_t>(LoadU32(record + kSelectionLastOffset));
    return flat;
}
} // namespace zelTonescope
