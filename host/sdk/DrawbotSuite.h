// Drawing into a custom UI window of today's hosts: the effect asks the
// custom UI suite for the window's drawing reference, gets its supplier and
// surface from the draw suite, makes images from its own pixels with the
// supplier and draws them on the surface. Objects the module makes (images)
// are released through the supplier; the supplier and surface are the host's.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "host/sdk/AE_EffectUI.h"

#include <cstdint>

extern "C"
{

    typedef struct _DRAWBOT_DrawRef* DRAWBOT_DrawRef;
    typedef struct _DRAWBOT_SupplierRef* DRAWBOT_SupplierRef;
    typedef struct _DRAWBOT_SurfaceRef* DRAWBOT_SurfaceRef;
    typedef struct _DRAWBOT_ImageRef* DRAWBOT_ImageRef;
    typedef struct _DRAWBOT_ObjectRef* DRAWBOT_ObjectRef;
    typedef uint8_t DRAWBOT_Boolean;
    typedef int32_t DRAWBOT_Err; // the basic suite's error codes

    typedef struct
    {
        float x;
        float y;
    } DRAWBOT_PointF32;

    // Note: width and height, not right and bottom.
    typedef struct
    {
        int32_t left;
        int32_t top;
        int32_t width;
        int32_t height;
    } DRAWBOT_Rect32;

    // How an image's pixels lie in memory, named by their byte order.
    typedef int32_t DRAWBOT_PixelLayout;
    enum
    {
        kDRAWBOT_PixelLayout_24RGB = 0,
        kDRAWBOT_PixelLayout_24BGR,
        kDRAWBOT_PixelLayout_32RGB, // the first byte ignored
        kDRAWBOT_PixelLayout_32BGR, // the fourth byte ignored
        kDRAWBOT_PixelLayout_32ARGB_Straight,
        kDRAWBOT_PixelLayout_32ARGB_Premul,
        kDRAWBOT_PixelLayout_32BGRA_Straight,
        kDRAWBOT_PixelLayout_32BGRA_Premul
    };

#define kPFEffectCustomUISuite "PF Effect Custom UI Suite"

    typedef struct PF_EffectCustomUISuite1
    {
        // May give a null reference: the window cannot be drawn in now.
        PF_Err (*PF_GetDrawingReference)(const PF_ContextH effect_contextH, DRAWBOT_DrawRef* referenceP0);
    } PF_EffectCustomUISuite1;

#define kDRAWBOT_DrawSuite "DRAWBOT Draw Suite"

    typedef struct DRAWBOT_DrawbotSuite1
    {
        DRAWBOT_Err (*GetSupplier)(DRAWBOT_DrawRef in_drawbot_ref, DRAWBOT_SupplierRef* out_supplierP);
        DRAWBOT_Err (*GetSurface)(DRAWBOT_DrawRef in_drawbot_ref, DRAWBOT_SurfaceRef* out_surfaceP);
    } DRAWBOT_DrawbotSuite1;

#define kDRAWBOT_SupplierSuite "DRAWBOT Supplier Suite"

    typedef struct DRAWBOT_SupplierSuite1
    {
        PF_SuiteSlot NewPen;
        PF_SuiteSlot NewBrush;
        PF_SuiteSlot SupportsText;
        PF_SuiteSlot GetDefaultFontSize;
        PF_SuiteSlot NewDefaultFont;
        // An image of the caller's pixels; rows are row_bytes apart, top row first.
        DRAWBOT_Err (*NewImageFromBuffer)(DRAWBOT_SupplierRef in_supplier_ref, int32_t in_width,
                                          int32_t in_height, int32_t in_row_bytes,
                                          DRAWBOT_PixelLayout in_layout, const void* in_dataP,
                                          DRAWBOT_ImageRef* out_imageP);
        PF_SuiteSlot NewPath;
        PF_SuiteSlot SupportsPixelLayoutBGRA;
        PF_SuiteSlot PrefersPixelLayoutBGRA;
        PF_SuiteSlot SupportsPixelLayoutARGB;
        PF_SuiteSlot PrefersPixelLayoutARGB;
        PF_SuiteSlot RetainObject;
        DRAWBOT_Err (*ReleaseObject)(DRAWBOT_ObjectRef in_obj_ref);
    } DRAWBOT_SupplierSuite1;

#define kDRAWBOT_SurfaceSuite "DRAWBOT Surface Suite"

    typedef struct DRAWBOT_SurfaceSuite2
    {
        DRAWBOT_Err (*PushStateStack)(DRAWBOT_SurfaceRef in_surface_ref);
        DRAWBOT_Err (*PopStateStack)(DRAWBOT_SurfaceRef in_surface_ref);
        PF_SuiteSlot PaintRect;
        PF_SuiteSlot FillPath;
        PF_SuiteSlot StrokePath;
        // Narrows drawing to the rectangle until the state is popped.
        DRAWBOT_Err (*Clip)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_SupplierRef in_supplier_ref,
                            const DRAWBOT_Rect32* in_rectR);
        PF_SuiteSlot GetClipBounds;
        PF_SuiteSlot IsWithinClipBounds;
        PF_SuiteSlot Transform;
        PF_SuiteSlot DrawString;
        // Draws the image with its top-left corner at origin; alpha 0..1.
        DRAWBOT_Err (*DrawImage)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_ImageRef in_imageR,
                                 const DRAWBOT_PointF32* in_originP, float in_alpha);
        PF_SuiteSlot SetInterpolationPolicy;
        PF_SuiteSlot GetInterpolationPolicy;
        PF_SuiteSlot SetAntiAliasPolicy;
        PF_SuiteSlot GetAntiAliasPolicy;
        DRAWBOT_Err (*Flush)(DRAWBOT_SurfaceRef in_surface_ref);
        PF_SuiteSlot GetTransformToScreenScale;
    } DRAWBOT_SurfaceSuite2;

} // extern "C"
