// The effect suites the module acquires through the basic suite. Each suite
// is a table of functions in the host's order; functions this interface does
// not call keep their place as untyped slots. The version a suite is asked
// for belongs to the host interface (AE_ProfileLegacy.h, AE_ProfileCurrent.h):
// a table's name and the version number it is served under need not agree.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "host/sdk/AE_EffectCB.h"

extern "C"
{

#define kPFHandleSuite "PF Handle Suite"

    typedef struct PF_HandleSuite1
    {
        PF_NewHandleFunc host_new_handle;
        PF_LockHandleFunc host_lock_handle;
        PF_UnlockHandleFunc host_unlock_handle;
        PF_DisposeHandleFunc host_dispose_handle;
        PF_GetHandleSizeFunc host_get_handle_size;
        PF_ResizeHandleFunc host_resize_handle;
    } PF_HandleSuite1;

#define kPFWorldTransformSuite "PF World Transform Suite"

    typedef struct PF_WorldTransformSuite1
    {
        PF_SuiteSlot composite_rect;
        PF_SuiteSlot blend;
        PF_SuiteSlot convolve;
        // Null rectangles mean the whole world.
        PF_CopyWorldFunc copy;
        PF_SuiteSlot copy_hq;
        PF_SuiteSlot transfer_rect;
        PF_SuiteSlot transform_world;
    } PF_WorldTransformSuite1;

#define kPFFillMatteSuite "PF Fill Matte Suite"

    // The legacy interface's table stops after fill16.
    typedef struct PF_FillMatteSuite2
    {
        // A null rectangle fills the whole world.
        PF_FillFunc fill;
        PF_Fill16Func fill16;
        PF_SuiteSlot fill_float;
        PF_SuiteSlot premultiply;
        PF_SuiteSlot premultiply_color;
        PF_SuiteSlot premultiply_color16;
        PF_SuiteSlot premultiply_color_float;
    } PF_FillMatteSuite2;

#define kPFAdvAppSuite "PF AE Adv App Suite"

    // Version 1 is the same table without PF_AppendInfoText.
    typedef struct PF_AdvAppSuite2
    {
        PF_SuiteSlot PF_SetProjectDirty;
        PF_SuiteSlot PF_SaveProject;
        PF_SuiteSlot PF_SaveBackgroundState;
        PF_SuiteSlot PF_ForceForeground;
        PF_SuiteSlot PF_RestoreBackgroundState;
        PF_Err (*PF_RefreshAllWindows)(void);
        PF_SuiteSlot PF_InfoDrawText;
        PF_SuiteSlot PF_InfoDrawColor;
        PF_SuiteSlot PF_InfoDrawText3;
        PF_SuiteSlot PF_InfoDrawText3Plus;
        PF_SuiteSlot PF_AppendInfoText;
    } PF_AdvAppSuite2;

#define kPFParamUtilsSuite "PF Param Utils Suite"

    // PF_UpdateParamUI is the first function of every version.
    typedef struct PF_ParamUtilsSuite3
    {
        // Changes the shown state of a control (UI flags, name); not its value.
        PF_Err (*PF_UpdateParamUI)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, const PF_ParamDef* defP);
        PF_SuiteSlot PF_GetCurrentState;
        PF_SuiteSlot PF_AreStatesIdentical;
        PF_SuiteSlot PF_IsIdenticalCheckout;
        PF_SuiteSlot PF_FindKeyframeTime;
        PF_SuiteSlot PF_GetKeyframeCount;
        PF_SuiteSlot PF_CheckoutKeyframe;
        PF_SuiteSlot PF_CheckinKeyframe;
        PF_SuiteSlot PF_KeyIndexToTime;
    } PF_ParamUtilsSuite3;

    // A host colour: three 16-bit components.
    typedef struct
    {
        A_u_short red;
        A_u_short green;
        A_u_short blue;
    } PF_App_Color;

#define kPFAppSuite "PF AE App Suite"

    // PF_AppGetBgColor is the first function of every version.
    typedef struct PF_AppSuite6
    {
        PF_Err (*PF_AppGetBgColor)(PF_App_Color* bg_colorP);
        PF_SuiteSlot PF_AppGetColor;
        PF_SuiteSlot PF_AppGetLanguage;
        PF_SuiteSlot PF_GetPersonalInfo;
        PF_SuiteSlot PF_GetFontStyleSheet;
        PF_SuiteSlot PF_SetCursor;
        PF_SuiteSlot PF_IsRenderEngine;
        PF_SuiteSlot PF_AppColorPickerDialog;
        PF_SuiteSlot PF_GetMouse;
        PF_SuiteSlot PF_InvalidateRect;
        PF_SuiteSlot PF_ConvertLocalToGlobal;
        PF_SuiteSlot PF_GetColorAtGlobalPoint;
        PF_SuiteSlot PF_CreateNewAppProgressDialog;
        PF_SuiteSlot PF_AppProgressDialogUpdate;
        PF_SuiteSlot PF_DisposeAppProgressDialog;
    } PF_AppSuite6;

#define kPFIterate8Suite "PF Iterate8 Suite"

// Asks iterate_generic for one iteration per thread of the host.
#define PF_Iterations_ONCE_PER_PROCESSOR -1

    typedef PF_Err (*PF_IterateGenericFunc)(void* refconPV, A_long thread_indexL, A_long i, A_long iterationsL);

    // Versions 1 and 2 share this table; 2 lets a host run more than 32 threads.
    typedef struct PF_Iterate8Suite1
    {
        // The per-pixel iterations, which this interface does not use.
        PF_SuiteSlot iterate;
        PF_SuiteSlot iterate_origin;
        PF_SuiteSlot iterate_lut;
        PF_SuiteSlot iterate_origin_non_clip_src;
        // Calls fn_func for i = 0 .. iterationsL - 1, spread over the host's
        // threads; thread_indexL tells the calling thread. The first error
        // stops the iterations not yet begun and is returned.
        PF_Err (*iterate_generic)(A_long iterationsL, void* refconPV, PF_IterateGenericFunc fn_func);
    } PF_Iterate8Suite1;

} // extern "C"
