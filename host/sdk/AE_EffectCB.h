// The parts of the host's utility callbacks (in_data->utils) that both host
// interfaces share: the ansi and colour blocks and the signatures of the
// callbacks the module calls. Each interface lays the whole table out in its
// own header (AE_ProfileLegacy.h, AE_ProfileCurrent.h). Only what the module
// calls has a precise signature; the other slots keep their place.
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
        PF_PlatData_RES_DLLINSTANCE,
        PF_PlatData_SP_PLUG_REF,
        PF_PlatData_BUNDLE_REF,
        PF_PlatData_EXE_FILE_PATH_W,
        PF_PlatData_RES_FILE_PATH_W
    };
    typedef A_long PF_PlatDataID;

    // The handle functions of the utility callbacks and of the handle suite:
    // the same signatures, so one holder serves both.
    typedef PF_Handle (*PF_NewHandleFunc)(A_HandleSize size);
    typedef void* (*PF_LockHandleFunc)(PF_Handle pf_handle);
    typedef void (*PF_UnlockHandleFunc)(PF_Handle pf_handle);
    typedef void (*PF_DisposeHandleFunc)(PF_Handle pf_handle);
    typedef A_HandleSize (*PF_GetHandleSizeFunc)(PF_Handle pf_handle);
    typedef PF_Err (*PF_ResizeHandleFunc)(A_HandleSize new_size, PF_Handle* handle);

    typedef PF_Err (*PF_CopyWorldFunc)(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst,
                                       PF_Rect* src_r, PF_Rect* dst_r);
    typedef PF_Err (*PF_FillFunc)(PF_ProgPtr effect_ref, const PF_Pixel* color, const PF_Rect* dst_rect,
                                  PF_EffectWorld* world);
    typedef PF_Err (*PF_Fill16Func)(PF_ProgPtr effect_ref, const PF_Pixel16* color, const PF_Rect* dst_rect,
                                    PF_EffectWorld* world);

} // extern "C"
