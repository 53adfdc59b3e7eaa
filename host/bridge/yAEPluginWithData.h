// A plug-in with one live data object per effect instance, kept in the
// host's sequence-data handle. The live type, its flat form and a second
// flat form are template arguments.
//
// What the live type offers: a default constructor (it may throw
// std::bad_alloc), CopyFrom(const DataT&), Flatten(uint8_t* record) and
// Unflatten(const uint8_t* record), the record being FlatT::kSize bytes with
// the tag in its first byte (written and read by this class, not the data).
#pragma once

#include "host/sdk/AE_EffectCB.h"
#include "host/bridge/yAEHandle.h"
#include "host/bridge/yAELiveObjects.h"
#include "host/bridge/yAEPlugin.h"
#include "host/sdk/AE_Profile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

namespace yAE
{
// First byte of a sequence-data block: which form it holds.
constexpr uint8_t kLiveTag = 0xA8;
constexpr uint8_t kFlatTag = 0xBC;

// The live form of the sequence-data block: the tag, then the address of the
// data object. On a 32-bit build this is the 8-byte block with the address at
// offset 4; a 64-bit address does not fit there and a misaligned pointer
// would be undefined, so it goes at pointer alignment and the block is 16
// bytes. The block never leaves the running process, so its size is ours.
struct LiveBlock
{
    uint8_t tag;
    void* object;
};
static_assert(sizeof(void*) != 4 || (sizeof(LiveBlock) == 8 && offsetof(LiveBlock, object) == 4),
              "a 32-bit live block is the tag and the address at offset 4");

template <class DataT, class FlatT, class Flat2T> class PluginWithData : public Plugin
{
  public:
    using Data = DataT;
    using Flat = FlatT;
    using Flat2 = Flat2T;

    // A record a failed re-set-up left in the handle is read back, and the
    // handle given up once replaced.
    void EnsureData() override
    {
        if (GetDataPtr()) return;
        if (!block)
        {
            SequenceSetup();
            return;
        }
        const PF_Handle record = in_data->sequence_data;
        SequenceResetup();
        if (in_data->sequence_data != record) DisposeHandle(record);
    }
    void SequenceSetup() override { NewSequenceData(); }

    // Rebuilds the instance's object from whatever the handle holds: a live
    // object of this module is copied (a duplicated effect gets its own), a
    // flat record or anything else, a block tagged live included, is read
    // back as a record. Without a handle a fresh object is made.
    void SequenceResetup() override
    {
        GetDataPtr();
        if (!block)
        {
            SequenceSetup();
            return;
        }
        if (data)
        {
            // Seen again (the host re-set it up): the object moves to a new handle.
            std::unique_ptr<DataT> kept = Copy(*data);
            if (!kept) return;
            LiveBlock* old = block;
            Destroy();
            MoveInto(std::move(kept), old);
        }
        else if (DataT* original = CopiedFrom())
        {
            // A duplicate: the original keeps its object, the copy gets its own.
            std::unique_ptr<DataT> kept = Copy(*original);
            if (kept) MoveInto(std::move(kept), block);
        }
        else if (block->tag == kFlatTag)
            SequenceResetupFromFlat();
        else
            SequenceResetupFromOther();
    }
    void SequenceResetupFromFlat() override { RebuildFromRecord(); }
    void SequenceResetupFromOther() { RebuildFromRecord(); } // 38

    // Replaces the live object by its flat record. Without a handle from the
    // host the record is lost and the instance starts afresh next time.
    void SequenceFlatten() override
    {
        if (!GetDataPtr()) return;
        Handle flat = NewHandle(FlatT::kSize);
        if (flat)
        {
            auto* record = static_cast<uint8_t*>(*flat.Get());
            record[0] = kFlatTag;
            data->Flatten(record);
        }
        SequenceSetdown();
        if (out_data) out_data->sequence_data = flat.Release();
    }

    // Frees the live object and its handle; nothing without an object.
    void SequenceSetdown() override
    {
        if (!GetDataPtr()) return;
        PF_Handle handle = in_data->sequence_data;
        Destroy();
        block = nullptr;
        DisposeHandle(handle);
        in_data->sequence_data = nullptr;
        if (out_data && out_data->sequence_data == handle) out_data->sequence_data = nullptr;
    }

    virtual void BeforeEvent() {} // 35
    virtual void AfterEvent() {}  // 36

    // A fresh live handle holding a new object, handed to the host. Running
    // out of memory leaves err 4 and no object; no handle leaves no object.
    virtual void NewSequenceData() // 37
    {
        data = nullptr;
        block = nullptr;
        Handle handle = NewHandle(sizeof(LiveBlock));
        if (!handle) return;
        auto* live = static_cast<LiveBlock*>(*handle.Get());
        live->tag = kLiveTag;
        std::unique_ptr<DataT> made = Construct();
        if (!made) return;
        if (!LiveObjects::Add(made.get(), handle.Get()))
        {
            err = PF_Err_OUT_OF_MEMORY;
            return;
        }
        live->object = made.release();
        block = live;
        data = static_cast<DataT*>(live->object);
        // Later operations of this same call find the object through in_data.
        in_data->sequence_data = handle.Get();
        if (out_data) out_data->sequence_data = handle.Get();
        handle.Release();
    }

    // The live data object of this instance, or null. A block that does not
    // name an object this module made and still holds (a flat record, a
    // foreign or forged block) yields null; block is still set.
    DataT* GetDataPtr()
    {
        data = nullptr;
        block = nullptr;
        if (in_data && in_data->sequence_data && *in_data->sequence_data)
        {
            block = static_cast<LiveBlock*>(*in_data->sequence_data);
            data = static_cast<DataT*>(LiveObjects::In(in_data->sequence_data));
        }
        return data;
    }

    DataT* data = nullptr;      // the instance's data object, from GetDataPtr
    LiveBlock* block = nullptr; // the sequence-data block, from GetDataPtr

  private:
    // A new object holding source's settings, or null with err 4.
    std::unique_ptr<DataT> Copy(const DataT& source)
    {
        std::unique_ptr<DataT> copy = Construct();
        if (copy) copy->CopyFrom(source);
        return copy;
    }

    // The settings into a new live handle. Without one, the block handed in
    // names no object of this instance any more: it goes back to the host,
    // which frees what the module let go of.
    void MoveInto(std::unique_ptr<DataT> kept, LiveBlock* handedIn)
    {
        NewSequenceData();
        if (data)
        {
            data->CopyFrom(*kept);
            return;
        }
        handedIn->object = nullptr;
        in_data->sequence_data = nullptr;
        if (out_data) out_data->sequence_data = nullptr;
    }

    // The live object of another instance that a copied block names, or null.
    DataT* CopiedFrom() const
    {
        if (block->tag != kLiveTag || !HandleHolds(in_data->sequence_data, sizeof(LiveBlock)) ||
            !LiveObjects::Contains(block->object))
            return nullptr;
        return static_cast<DataT*>(block->object);
    }

    // Frees the live object found by GetDataPtr.
    void Destroy()
    {
        LiveObjects::Remove(data);
        delete data;
        data = nullptr;
    }

    // A new data object, or null with err 4 when memory runs out.
    std::unique_ptr<DataT> Construct()
    {
        try
        {
            return std::make_unique<DataT>();
        }
        catch (const std::bad_alloc&)
        {
            err = PF_Err_OUT_OF_MEMORY;
            return nullptr;
        }
    }

    // Reads a record that is not live into a new object in a new handle. A
    // record shorter than the flat form (when the host can tell) is not read:
    // the instance starts from the defaults instead.
    void RebuildFromRecord()
    {
        std::unique_ptr<DataT> kept = Construct();
        if (!kept) return;
        if (HandleHolds(in_data->sequence_data, FlatT::kSize))
            kept->Unflatten(static_cast<const uint8_t*>(*in_data->sequence_data));
        NewSequenceData();
        if (data) data->CopyFrom(*kept);
    }

    // A new handle whose block is there, held until it is handed on.
    Handle NewHandle(A_HandleSize size)
    {
        const ae_profile::PF_UtilCallbacks* utils = ae_profile::UtilsOf(in_data);
        const bool usable = utils && utils->host_new_handle && utils->host_dispose_handle;
        Handle handle(usable ? Handle::From(*utils) : Handle::Functions{}, size);
        if (handle && !*handle.Get()) return Handle(Handle::Functions{}, 0); // the empty one disposed
        return handle;
    }

    // Whether the handle is known to hold at least size bytes; a host that
    // cannot tell is trusted.
    bool HandleHolds(PF_Handle handle, A_HandleSize size) const
    {
        const ae_profile::PF_UtilCallbacks* utils = ae_profile::UtilsOf(in_data);
        if (!utils || !utils->host_get_handle_size) return true;
        return utils->host_get_handle_size(handle) >= size;
    }

    void DisposeHandle(PF_Handle handle) const
    {
        const ae_profile::PF_UtilCallbacks* utils = ae_profile::UtilsOf(in_data);
        if (utils && utils->host_dispose_handle) utils->host_dispose_handle(handle);
    }
};
} // namespace yAE
