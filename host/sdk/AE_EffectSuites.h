// The effect suites the module acquires through the basic suite. Each suite
// is a table of functions; a table lists its functions in the host's order,
// and may stop after the last one this interface uses.
#pragma once

#include "host/sdk/AE_Effect.h"

extern "C"
{

#define kPFHandleSuite "PF Handle Suite"
#define kPFHandleSuiteVersion1 1

    typedef struct PF_HandleSuite1
    {
        PF_Handle (*host_new_handle)(A_HandleSize size);
        void* (*host_lock_handle)(PF_Handle pf_handle);
        void (*host_unlock_handle)(PF_Handle pf_handle);
        void (*host_dispose_handle)(PF_Handle pf_handle);
        A_HandleSize (*host_get_handle_size)(PF_Handle pf_handle);
        PF_Err (*host_resize_handle)(A_HandleSize new_size, PF_Handle* handle);
    } PF_HandleSuite1;

#define kPFWorldTransformSuite "PF World Transform Suite"
#define kPFWorldTransformSuiteVersion1 1

    typedef struct PF_WorldTransformSuite1
    {
        PF_Err (*composite_rect)(PF_ProgPtr effect_ref, PF_Rect* src_rect, A_long src_opacity,
                                 PF_EffectWorld* source_wld, A_long dest_x, A_long dest_y, PF_Field field_rdr,
                                 A_long xfer_mode, PF_EffectWorld* dest_wld);
        PF_Err (*blend)(PF_ProgPtr effect_ref, const PF_EffectWorld* src1, const PF_EffectWorld* src2,
                        PF_Fixed ratio, PF_EffectWorld* dst);
        PF_Err (*convolve)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_Rect* area, A_long flags,
                           A_long kernel_size, void* a_kernel, void* r_kernel, void* g_kernel, void* b_kernel,
                           PF_EffectWorld* dst);
        // Null rectangles mean the whole world.
        PF_Err (*copy)(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* src_r,
                       PF_Rect* dst_r);
    } PF_WorldTransformSuite1;

#define kPFFillMatteSuite "PF Fill Matte Suite"
#define kPFFillMatteSuiteVersion1 1

    typedef struct PF_FillMatteSuite1
    {
        // A null rectangle fills the whole world.
        PF_Err (*fill)(PF_ProgPtr effect_ref, const PF_Pixel* color, const PF_Rect* dst_rect,
                       PF_EffectWorld* world);
        PF_Err (*fill16)(PF_ProgPtr effect_ref, const PF_Pixel16* color, const PF_Rect* dst_rect,
                         PF_EffectWorld* world);
    } PF_FillMatteSuite1;

#define kPFAdvAppSuite "PF AE Adv App Suite"
#define kPFAdvAppSuiteVersion1 1

    typedef struct PF_AdvAppSuite1
    {
        PF_Err (*PF_SetProjectDirty)(void);
        PF_Err (*PF_SaveProject)(void);
        PF_Err (*PF_SaveBackgroundState)(void);
        PF_Err (*PF_ForceForeground)(void);
        PF_Err (*PF_RestoreBackgroundState)(void);
        PF_Err (*PF_RefreshAllWindows)(void);
        PF_Err (*PF_InfoDrawText)(const A_char* line1Z0, const A_char* line2Z0);
        PF_Err (*PF_InfoDrawColor)(PF_Pixel color);
        PF_Err (*PF_InfoDrawText3)(const A_char* line1Z0, const A_char* line2Z0, const A_char* line3Z0);
    } PF_AdvAppSuite1;

#define kPFParamUtilsSuite "PF Param Utils Suite"
#define kPFParamUtilsSuiteVersion1 1

    typedef struct PF_ParamUtilsSuite1
    {
        // Changes the shown state of a control (UI flags, name); not its value.
        PF_Err (*PF_UpdateParamUI)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, const PF_ParamDef* defP);
    } PF_ParamUtilsSuite1;

    // A host colour: three 16-bit components.
    typedef struct
    {
        A_u_short red;
        A_u_short green;
        A_u_short blue;
    } PF_App_Color;

#define kPFAppSuite "PF AE App Suite"
#define kPFAppSuiteVersion1 1

    typedef struct PF_AppSuite1
    {
        PF_Err (*PF_AppGetBgColor)(PF_App_Color* bg_colorP);
    } PF_AppSuite1;

#define kPFIterate8Suite "PF Iterate8 Suite"
#define kPFIterate8SuiteVersion1 1

// Asks iterate_generic for one iteration per thread of the host.
#define PF_Iterations_ONCE_PER_PROCESSOR -1

    typedef PF_Err (*PF_IterateGenericFunc)(void* refconPV, A_long thread_indexL, A_long i, A_long iterationsL);

    typedef struct PF_Iterate8Suite1
    {
        // The per-pixel iterations, which this interface does not use.
        void* iterate;
        void* iterate_origin;
        void* iterate_lut;
        void* iterate_origin_non_clip_src;
        // Calls fn_func for i = 0 .. iterationsL - 1, spread over the host's
        // threads; thread_indexL tells the calling thread. The first error
        // stops the iterations not yet begun and is returned.
        PF_Err (*iterate_generic)(A_long iterationsL, void* refconPV, PF_IterateGenericFunc fn_func);
    } PF_Iterate8Suite1;

} // extern "C"
