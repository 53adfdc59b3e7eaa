// The host's utility callbacks (in_data->utils): handle memory, the ansi
// string helpers and the drawing-context callback of custom UI events. Only
// what the module calls has a precise signature; the other slots keep their
// place so that the record's layout stays the host's.
#pragma once

#include "host/sdk/AE_Effect.h"

extern "C"
{

    // Placeholder type for callbacks this interface does not use.
    typedef PF_Err (*PF_UnusedCallback)(void);

    typedef struct
    {
        A_FpLong (*atan)(A_FpLong);
        A_FpLong (*atan2)(A_FpLong y, A_FpLong x);
        A_FpLong (*ceil)(A_FpLong);
        A_FpLong (*cos)(A_FpLong);
        A_FpLong (*exp)(A_FpLong);
        A_FpLong (*fabs)(A_FpLong);
        A_FpLong (*floor)(A_FpLong);
        A_FpLong (*fmod)(A_FpLong x, A_FpLong y);
        A_FpLong (*hypot)(A_FpLong x, A_FpLong y);
        A_FpLong (*log)(A_FpLong);
        A_FpLong (*log10)(A_FpLong);
        A_FpLong (*pow)(A_FpLong x, A_FpLong y);
        A_FpLong (*sin)(A_FpLong);
        A_FpLong (*sqrt)(A_FpLong);
        A_FpLong (*tan)(A_FpLong);
        int (*sprintf)(A_char* buffer, const A_char* format, ...);
        A_char* (*strcpy)(A_char* dst, const A_char* src);
        A_FpLong (*asin)(A_FpLong);
        A_FpLong (*acos)(A_FpLong);
        A_long ansi_procs[1];
    } PF_ANSICallbacks;

    typedef struct
    {
        PF_UnusedCallback RGBtoHLS;
        PF_UnusedCallback HLStoRGB;
        PF_UnusedCallback RGBtoYIQ;
        PF_UnusedCallback YIQtoRGB;
        PF_UnusedCallback Luminance;
        PF_UnusedCallback Hue;
        PF_UnusedCallback Lightness;
        PF_UnusedCallback Saturation;
    } PF_ColorCallbacks;

    enum
    {
        PF_PlatData_MAIN_WND = 0,
        PF_PlatData_EXE_FILE_PATH_DEPRECATED,
        PF_PlatData_RES_FILE_PATH_DEPRECATED,
        PF_PlatData_RES_REFNUM,
        PF_PlatData_RES_DLLINSTANCE
    };
    typedef A_long PF_PlatDataID;

    // What get_cgraf_data yields for a window's drawing context. On POSIX the
    // answer to PF_CGrafData_HDC is a ZT_DrawSurface* (ZT_DrawSurface.h).
    enum
    {
        PF_CGrafData_HDC = 1
    };
    typedef A_long PF_CGrafDataID;

    typedef struct _PF_UtilCallbacks
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
    } PF_UtilCallbacks;

} // extern "C"
