// A plug-in with one live data object per effect instance, kept in the
// host's sequence-data handle. The live type, its flat form and a second
// flat form are template arguments.
#pragma once

#include "yAEPlugin.h"

#include <cstdint>

namespace yAE
{
// First byte of a sequence-data block: which form it holds.
constexpr uint8_t kLiveTag = 0xA8;
constexpr uint8_t kFlatTag = 0xBC;

// The live form of the sequence-data block: the tag, then the address of the
// data object (at pointer alignment).
struct LiveBlock
{
    uint8_t tag;
    void* object;
};

template <class DataT, class FlatT, class Flat2T> class PluginWithData : public Plugin
{
  public:
    using Data = DataT;
    using Flat = FlatT;
    using Flat2 = Flat2T;

    void EnsureData() override
    {
        if (!GetDataPtr()) SequenceSetup();
    }
    void SequenceSetup() override { NewSequenceData(); }

    virtual void BeforeEvent() {}              // 35
    virtual void AfterEvent() {}               // 36
    virtual void NewSequenceData() {}          // 37
    virtual void SequenceResetupFromOther() {} // 38

    // The live data object of this instance, or null. Does not look at the tag.
    DataT* GetDataPtr()
    {
        data = nullptr;
        if (in_data && in_data->sequence_data && *in_data->sequence_data)
        {
            block = static_cast<LiveBlock*>(*in_data->sequence_data);
            data = static_cast<DataT*>(block->object);
        }
        return data;
    }

    DataT* data = nullptr;      // the instance's data object, from GetDataPtr
    LiveBlock* block = nullptr; // the sequence-data block, from GetDataPtr
};
} // namespace yAE
