#include "host/bridge/yAEArbitrary.h"
#include "host/sdk/ZT_ByteOrder.h"

#include <cstring>

namespace yAE
{
namespace
{
struct Value
{
    uint32_t version = kArbitraryValueVersion;
    uint32_t changes = 0;
};

void Store(uint8_t* bytes, const Value& value)
{
    ZT_ByteOrder::StoreU32(bytes, value.version);
    ZT_ByteOrder::StoreU32(bytes + 4, value.changes);
}

constexpr auto Word = ZT_ByteOrder::LoadU32;

// The value a block holds; the default for a record of another version.
Value Load(const uint8_t* bytes)
{
    Value value;
    if (Word(bytes) == kArbitraryValueVersion) value.changes = Word(bytes + 4);
    return value;
}

const uint8_t* BlockOf(PF_Handle handle)
{
    return handle && *handle ? static_cast<const uint8_t*>(*handle) : nullptr;
}

// A new handle holding value, or null.
PF_Handle NewValue(const Handle::Functions& handles, const Value& value)
{
    Handle handle(handles, kArbitraryValueSize);
    if (!handle || !*handle.Get()) return nullptr;
    Store(static_cast<uint8_t*>(*handle.Get()), value);
    return handle.Release();
}

PF_Err Made(PF_Handle handle, PF_Handle* out)
{
    *out = handle;
    return handle ? PF_Err_NONE : PF_Err_OUT_OF_MEMORY;
}
} // namespace

PF_Handle NewArbitraryValue(const Handle::Functions& handles)
{
    return NewValue(handles, Value{});
}

bool CountArbitraryChange(PF_Handle value)
{
    const uint8_t* block = BlockOf(value);
    if (!block) return false;
    Value v = Load(block);
    ++v.changes;
    Store(static_cast<uint8_t*>(*value), v);
    return true;
}

PF_Err AnswerArbitrary(PF_ArbParamsExtra& call, const Handle::Functions& handles)
{
    auto& u = call.u;
    switch (call.which_function)
    {
    case PF_Arbitrary_NEW_FUNC:
        if (!u.new_func_params.arbPH) return PF_Err_BAD_CALLBACK_PARAM;
        return Made(NewArbitraryValue(handles), u.new_func_params.arbPH);
    case PF_Arbitrary_DISPOSE_FUNC:
        if (u.dispose_func_params.arbH && handles.dispose) handles.dispose(u.dispose_func_params.arbH);
        return PF_Err_NONE;
    case PF_Arbitrary_COPY_FUNC:
    {
        // A copy of nothing is the default value.
        if (!u.copy_func_params.dst_arbPH) return PF_Err_BAD_CALLBACK_PARAM;
        const uint8_t* source = BlockOf(u.copy_func_params.src_arbH);
        return Made(NewValue(handles, source ? Load(source) : Value{}), u.copy_func_params.dst_arbPH);
    }
    case PF_Arbitrary_FLAT_SIZE_FUNC:
        if (!u.flat_size_func_params.flat_data_sizePLu) return PF_Err_BAD_CALLBACK_PARAM;
        *u.flat_size_func_params.flat_data_sizePLu = kArbitraryValueSize;
        return PF_Err_NONE;
    case PF_Arbitrary_FLATTEN_FUNC:
    {
        const uint8_t* block = BlockOf(u.flatten_func_params.arbH);
        if (!u.flatten_func_params.flat_dataPV || u.flatten_func_params.buf_sizeLu < kArbitraryValueSize)
            return PF_Err_BAD_CALLBACK_PARAM;
        Store(static_cast<uint8_t*>(u.flatten_func_params.flat_dataPV), block ? Load(block) : Value{});
        return PF_Err_NONE;
    }
    case PF_Arbitrary_UNFLATTEN_FUNC:
    {
        // A record cut short or of another version reads as the default.
        if (!u.unflatten_func_params.arbPH) return PF_Err_BAD_CALLBACK_PARAM;
        const auto* bytes = static_cast<const uint8_t*>(u.unflatten_func_params.flat_dataPV);
        const bool whole = bytes && u.unflatten_func_params.buf_sizeLu >= kArbitraryValueSize;
        return Made(NewValue(handles, whole ? Load(bytes) : Value{}), u.unflatten_func_params.arbPH);
    }
    case PF_Arbitrary_INTERP_FUNC:
    {
        // Nothing lies between two counts of changes: the earlier value holds.
        if (!u.interp_func_params.interpPH) return PF_Err_BAD_CALLBACK_PARAM;
        const uint8_t* left = BlockOf(u.interp_func_params.left_arbH);
        return Made(NewValue(handles, left ? Load(left) : Value{}), u.interp_func_params.interpPH);
    }
    case PF_Arbitrary_COMPARE_FUNC:
    {
        if (!u.compare_func_params.compareP) return PF_Err_BAD_CALLBACK_PARAM;
        const uint8_t* a = BlockOf(u.compare_func_params.a_arbH);
        const uint8_t* b = BlockOf(u.compare_func_params.b_arbH);
        const uint32_t ca = a ? Load(a).changes : 0, cb = b ? Load(b).changes : 0;
        *u.compare_func_params.compareP = ca == cb  ? PF_ArbCompare_EQUAL
                                          : ca < cb ? PF_ArbCompare_LESS
                                                    : PF_ArbCompare_MORE;
        return PF_Err_NONE;
    }
    case PF_Arbitrary_PRINT_SIZE_FUNC:
        // The value has no text: only the terminator.
        if (!u.print_size_func_params.print_sizePLu) return PF_Err_BAD_CALLBACK_PARAM;
        *u.print_size_func_params.print_sizePLu = 1;
        return PF_Err_NONE;
    case PF_Arbitrary_PRINT_FUNC:
        if (!u.print_func_params.print_bufferPC || u.print_func_params.print_sizeLu < 1)
            return PF_Err_BAD_CALLBACK_PARAM;
        u.print_func_params.print_bufferPC[0] = '\0';
        return PF_Err_NONE;
    case PF_Arbitrary_SCAN_FUNC:
        // Pasted text cannot name a panel change: it gives the default value.
        if (!u.scan_func_params.arbPH) return PF_Err_BAD_CALLBACK_PARAM;
        return Made(NewArbitraryValue(handles), u.scan_func_params.arbPH);
    default:
        return PF_Err_NONE;
    }
}
} // namespace yAE
