// The current host interface: the one of today's 64-bit hosts (interface
// version 13.28). Its module carries the 64-bit Windows entry property and
// draws its custom UI through the Drawbot suites; a key down is event 10 with
// the hosts' own key codes; its arbitrary parameter has real values. The
// shared records are in the other AE_ headers; this namespace holds what is
// this interface's own.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "host/sdk/AE_EffectCB.h"
#include "host/sdk/AE_EffectSuites.h"
#include "host/sdk/AE_EffectUI.h"
#include "host/sdk/AE_GeneralPlug.h"
#include "host/sdk/AE_PiPL.h"
#include "host/sdk/DrawbotSuite.h"

namespace ae_current
{
extern "C"
{
    struct PF_UtilCallbacks
    {
        PF_UnusedCallback begin_sampling;
        PF_UnusedCallback subpixel_sample;
        PF_UnusedCallback area_sample;
        PF_UnusedCallback get_batch_func_is_deprecated;
        PF_UnusedCallback end_sampling;
        PF_UnusedCallback composite_rect;
        PF_UnusedCallback blend;
        PF_UnusedCallback convolve;
        PF_CopyWorldFunc copy;
        PF_FillFunc fill;
        PF_UnusedCallback gaussian_kernel;
        PF_UnusedCallback iterate;
        PF_UnusedCallback premultiply;
        PF_UnusedCallback premultiply_color;
        PF_UnusedCallback new_world;
        PF_UnusedCallback dispose_world;
        PF_UnusedCallback iterate_origin;
        PF_UnusedCallback iterate_lut;
        PF_UnusedCallback transfer_rect;
        PF_UnusedCallback transform_world;
        PF_NewHandleFunc host_new_handle;
        PF_LockHandleFunc host_lock_handle;
        PF_UnlockHandleFunc host_unlock_handle;
        PF_DisposeHandleFunc host_dispose_handle;
        PF_UnusedCallback get_callback_addr;
        PF_UnusedCallback app;
        PF_ANSICallbacks ansi;
        PF_ColorCallbacks colorCB;
        PF_Err (*get_platform_data)(PF_ProgPtr effect_ref, PF_PlatDataID which, void* data);
        PF_GetHandleSizeFunc host_get_handle_size;
        PF_UnusedCallback iterate_origin_non_clip_src;
        PF_UnusedCallback iterate_generic;
        PF_ResizeHandleFunc host_resize_handle;
        PF_UnusedCallback subpixel_sample16;
        PF_UnusedCallback area_sample16;
        PF_Fill16Func fill16;
        PF_UnusedCallback premultiply_color16;
        PF_UnusedCallback iterate16;
        PF_UnusedCallback iterate_origin16;
        PF_UnusedCallback iterate_origin_non_clip_src16;
        PF_UnusedCallback get_pixel_data8;
        PF_UnusedCallback get_pixel_data16;
        A_long reserved[1];
    };
}

// The window of an event. The drawing reference is asked of the custom UI
// suite, not read from here.
struct PF_Context
{
    A_u_long magic; // PF_CONTEXT_MAGIC
    PF_WindowType w_type;
    void* reserved_flt;
    A_intptr_t plugin_state[4];
    void* reserved_drawref;
    void* reserved_paneP;
    void* reserved_job_manageP;
};

inline PF_UtilCallbacks* UtilsOf(const PF_InData* in_data)
{
    return in_data ? reinterpret_cast<PF_UtilCallbacks*>(in_data->utils) : nullptr;
}
inline PF_Context* ContextOf(PF_ContextH handle)
{
    return handle && *handle ? reinterpret_cast<PF_Context*>(*handle) : nullptr;
}

constexpr const char* kName = "current";
// The property that names the entry point.
constexpr uint32_t kEntryPointKey = AE_PiPL::kCodeWin64X86;
constexpr A_short kInterfaceMajor = 13;
constexpr A_short kInterfaceMinor = 28;
constexpr PF_EventType kKeyDownEvent = PF_Event_KEYDOWN;
// The window is drawn by handing the host an image (Drawbot).
constexpr bool kDrawsImages = true;

// Suite versions, and the tables they are served as.
constexpr int32_t kHandleSuiteVersion = 2;
using UtilitySuite = AEGP_UtilitySuite6;
constexpr int32_t kUtilitySuiteVersion = 13;
constexpr int32_t kWorldTransformSuiteVersion = 1;
constexpr int32_t kFillMatteSuiteVersion = 2;
constexpr int32_t kAdvAppSuiteVersion = 2;
constexpr int32_t kCommandSuiteVersion = 1;
constexpr int32_t kParamUtilsSuiteVersion = 3;
constexpr int32_t kAppSuiteVersion = 1;
constexpr int32_t kIterate8SuiteVersion = 2;
constexpr int32_t kCustomUISuiteVersion = 1;
constexpr int32_t kDrawSuiteVersion = 1;
constexpr int32_t kSupplierSuiteVersion = 1;
constexpr int32_t kSurfaceSuiteVersion = 2;
} // namespace ae_current
