// The legacy host interface: the one of the 32-bit hosts this effect was
// first written for (interface version 12.5). Its module carries the 32-bit
// Windows entry property and draws into the window's device, which a utility
// callback hands it; a key down is event 8. The shared records are in the
// other AE_ headers; this namespace holds what is this interface's own.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "host/sdk/AE_EffectCB.h"
#include "host/sdk/AE_EffectSuites.h"
#include "host/sdk/AE_EffectUI.h"
#include "host/sdk/AE_GeneralPlug.h"
#include "host/sdk/AE_PiPL.h"

namespace ae_legacy
{
// What get_cgraf_data yields for a window's drawing context. On POSIX the
// answer to PF_CGrafData_HDC is a ZT_DrawSurface* (ZT_DrawSurface.h).
enum : A_long
{
    PF_CGrafData_HDC = 1
};
typedef A_long PF_CGrafDataID;

extern "C"
{
    struct PF_UtilCallbacks
    {
        PF_UnusedCallback begin_sampling;
        PF_UnusedCallback subpixel_sample;
        PF_UnusedCallback area_sample;
        PF_UnusedCallback get_batch_func;
        PF_UnusedCallback end_sampling;
        PF_UnusedCallback composite_rect;
        PF_UnusedCallback blend;
        PF_UnusedCallback convolve;
        PF_Err (*copy)(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* src_r,
                       PF_Rect* dst_r);
        PF_Err (*fill)(PF_ProgPtr effect_ref, const PF_Pixel* color, const PF_Rect* dst_rect,
                       PF_EffectWorld* world);
        PF_UnusedCallback gaussian_kernel;
        PF_UnusedCallback iterate;
        PF_UnusedCallback premultiply;
        PF_UnusedCallback premultiply_color;
        PF_UnusedCallback new_world;
        PF_UnusedCallback get_platform_refs;
        PF_UnusedCallback dispose_world;
        PF_UnusedCallback iterate_origin;
        PF_UnusedCallback iterate_lut;
        PF_UnusedCallback transfer_rect;
        PF_UnusedCallback transform_world;
        PF_Handle (*host_new_handle)(A_HandleSize size);
        void* (*host_lock_handle)(PF_Handle pf_handle);
        void (*host_unlock_handle)(PF_Handle pf_handle);
        void (*host_dispose_handle)(PF_Handle pf_handle);
        PF_UnusedCallback get_callback_addr;
        PF_UnusedCallback app;
        PF_ANSICallbacks ansi;
        PF_ColorCallbacks colorCB;
        PF_Err (*get_platform_data)(PF_ProgPtr effect_ref, PF_PlatDataID which, void* data);
        // The drawing context of a custom UI window: cgrafptr is the event's
        // context (PF_Context::cgrafptr); *data receives the device.
        PF_Err (*get_cgraf_data)(PF_ProgPtr effect_ref, void* cgrafptr, PF_CGrafDataID which, void** data);
        A_HandleSize (*host_get_handle_size)(PF_Handle pf_handle);
        PF_UnusedCallback iterate_origin_non_clip_src;
        PF_UnusedCallback iterate_generic;
        PF_Err (*host_resize_handle)(A_HandleSize new_size, PF_Handle* handle);
        PF_UnusedCallback subpixel_sample16;
        PF_UnusedCallback area_sample16;
        PF_Err (*fill16)(PF_ProgPtr effect_ref, const PF_Pixel16* color, const PF_Rect* dst_rect,
                         PF_EffectWorld* world);
        PF_UnusedCallback premultiply_color16;
        PF_UnusedCallback iterate16;
        PF_UnusedCallback iterate_origin16;
        PF_UnusedCallback iterate_origin_non_clip_src16;
        PF_UnusedCallback get_pixel_data8;
        PF_UnusedCallback get_pixel_data16;
        A_long reserved[1];
    };
}

// The window of an event.
struct PF_Context
{
    A_u_long magic; // PF_CONTEXT_MAGIC
    PF_WindowType w_type;
    void* cgrafptr; // the window's port; pass to get_cgraf_data
    void* reserved_flt;
    A_intptr_t plugin_state[4];
};

inline PF_UtilCallbacks* UtilsOf(const PF_InData* in_data)
{
    return in_data ? reinterpret_cast<PF_UtilCallbacks*>(in_data->utils) : nullptr;
}
inline PF_Context* ContextOf(PF_ContextH handle)
{
    return handle && *handle ? reinterpret_cast<PF_Context*>(*handle) : nullptr;
}

constexpr const char* kName = "legacy";
// The property that names the entry point.
constexpr uint32_t kEntryPointKey = AE_PiPL::kCodeWin32X86;
constexpr A_short kInterfaceMajor = 12;
constexpr A_short kInterfaceMinor = 5;
constexpr PF_EventType kKeyDownEvent = PF_Event_KEYDOWN_OBSOLETE;
// The window is drawn through its device (get_cgraf_data), not an image.
constexpr bool kDrawsImages = false;

// Suite versions, and the tables they are served as.
constexpr int32_t kHandleSuiteVersion = 1;
using UtilitySuite = AEGP_UtilitySuite1;
constexpr int32_t kUtilitySuiteVersion = 3;
constexpr int32_t kWorldTransformSuiteVersion = 1;
constexpr int32_t kFillMatteSuiteVersion = 1;
constexpr int32_t kAdvAppSuiteVersion = 1;
constexpr int32_t kCommandSuiteVersion = 1;
constexpr int32_t kParamUtilsSuiteVersion = 1;
constexpr int32_t kAppSuiteVersion = 1;
constexpr int32_t kIterate8SuiteVersion = 1;
} // namespace ae_legacy
