// Custom UI: registering for events and the records of PF_Cmd_EVENT.
#pragma once

#include "host/sdk/AE_Effect.h"

extern "C"
{

    // Where a module wants events (PF_CustomUIInfo::events).
    enum
    {
        PF_CustomEFlag_NONE = 0,
        PF_CustomEFlag_COMP = 1L << 0,
        PF_CustomEFlag_LAYER = 1L << 1,
        PF_CustomEFlag_EFFECT = 1L << 2,
        PF_CustomEFlag_PREVIEW = 1L << 3
    };
    typedef A_long PF_CustomEventFlags;

    enum
    {
        PF_Window_NONE = -1,
        PF_Window_COMP = 0,
        PF_Window_LAYER = 1,
        PF_Window_EFFECT = 2,
        PF_Window_PREVIEW = 3
    };
    typedef A_long PF_WindowType;

    enum
    {
        PF_Event_NONE = -1,
        PF_Event_NEW_CONTEXT = 0,
        PF_Event_ACTIVATE = 1,
        PF_Event_DO_CLICK = 2,
        PF_Event_DRAG = 3,
        PF_Event_DRAW = 4,
        PF_Event_DEACTIVATE = 5,
        PF_Event_CLOSE_CONTEXT = 6,
        PF_Event_IDLE = 7,
        // The key-down event of the legacy interface; today's hosts send 10.
        PF_Event_KEYDOWN_OBSOLETE = 8,
        PF_Event_ADJUST_CURSOR = 9,
        PF_Event_KEYDOWN = 10,
        PF_Event_MOUSE_EXITED = 11,
        PF_Event_NUM_EVENTS
    };
    typedef A_long PF_EventType;

    // Host cursors; the widget toolkit's cursor numbers are these.
    enum
    {
        PF_Cursor_NONE = 0,
        PF_Cursor_CUSTOM,
        PF_Cursor_ARROW,
        PF_Cursor_HOLLOW_ARROW,
        PF_Cursor_WATCH_N_WAIT,
        PF_Cursor_MAGNIFY,
        PF_Cursor_MAGNIFY_PLUS,
        PF_Cursor_MAGNIFY_MINUS,
        PF_Cursor_CROSSHAIRS,
        PF_Cursor_CROSS_RECT,
        PF_Cursor_CROSS_OVAL,
        PF_Cursor_CROSS_ROTATE,
        PF_Cursor_PAN,
        PF_Cursor_EYEDROPPER,
        PF_Cursor_HAND,
        PF_Cursor_PEN,
        PF_Cursor_PEN_ADD,
        PF_Cursor_PEN_DELETE,
        PF_Cursor_PEN_CLOSE,
        PF_Cursor_PEN_DRAG,
        PF_Cursor_PEN_CORNER,
        PF_Cursor_RESIZE_VERTICAL,
        PF_Cursor_RESIZE_HORIZONTAL,
        PF_Cursor_FINGER_POINTER
    };
    typedef A_long PF_CursorType;

    enum
    {
        PF_Mod_NONE = 0x0000,
        PF_Mod_CMD_CTRL_KEY = 0x0100,
        PF_Mod_SHIFT_KEY = 0x0200,
        PF_Mod_CAPS_LOCK_KEY = 0x0400,
        PF_Mod_OPT_ALT_KEY = 0x0800,
        PF_Mod_MAC_CONTROL_KEY = 0x1000
    };
    typedef A_long PF_Modifiers;

    typedef struct
    {
        PF_Point screen_point;    // in: the mouse now
        PF_Modifiers modifiers;   // in
        PF_CursorType set_cursor; // out: the cursor wanted, PF_Cursor_NONE for the host's own
    } PF_AdjustCursorEventInfo;

    // Click and drag.
    typedef struct
    {
        A_u_long when;
        PF_Point screen_point;
        A_long num_clicks;
        PF_Modifiers modifiers;
        A_intptr_t continue_refcon[4];
        PF_Boolean send_drag; // out: set on a click to receive drag events
        PF_Boolean last_time; // in: set on the last drag
    } PF_DoClickEventInfo;

    typedef struct
    {
        PF_UnionableRect update_rect;
        A_long depth;
    } PF_DrawEventInfo;

    // A key as today's hosts give it: a printable character (the flag set,
    // the unshifted upper-case character in the low 16 bits) or a control
    // code (PF_ControlCode_ in the low 16 bits).
    typedef A_u_long PF_KeyCode;
    enum : A_u_long
    {
        PF_KEYCODE_FLAG_Printable = 0x80000000u,
        PF_KEYCODE_FLAG_Extended = 0x40000000u // a key of the numeric keypad
    };
    typedef A_u_short PF_ControlCode;
    enum
    {
        PF_ControlCode_Unknown = 0xFFFF,
        PF_ControlCode_Space = 1,
        PF_ControlCode_Backspace,
        PF_ControlCode_Tab,
        PF_ControlCode_Return,
        PF_ControlCode_Enter,
        PF_ControlCode_Escape,
        PF_ControlCode_F1,
        PF_ControlCode_F24 = PF_ControlCode_F1 + 23,
        PF_ControlCode_PrintScreen,
        PF_ControlCode_ScrollLock,
        PF_ControlCode_Pause,
        PF_ControlCode_Insert,
        PF_ControlCode_Delete,
        PF_ControlCode_Home,
        PF_ControlCode_End,
        PF_ControlCode_PageUp,
        PF_ControlCode_PageDown,
        PF_ControlCode_Help,
        PF_ControlCode_Clear,
        PF_ControlCode_Left,
        PF_ControlCode_Right,
        PF_ControlCode_Up,
        PF_ControlCode_Down,
        PF_ControlCode_NumLock,
        PF_ControlCode_Command,
        PF_ControlCode_Option,
        PF_ControlCode_Control,
        PF_ControlCode_Shift,
        PF_ControlCode_CapsLock,
        PF_ControlCode_ContextMenu
    };

    // Key down (PF_Event_KEYDOWN).
    typedef struct
    {
        A_u_long when;
        PF_Point screen_point;
        PF_KeyCode keycode;
        PF_Modifiers modifiers;
    } PF_KeyDownEvent;

    // Key down of the legacy interface (PF_Event_KEYDOWN_OBSOLETE): the
    // character code of the key as the system reports it.
    typedef struct
    {
        A_u_long when;
        PF_Point screen_point;
        A_long char_code;
        A_long key_code;
        PF_Modifiers modifiers;
    } PF_KeyDownEventObsolete;

    typedef union
    {
        PF_DoClickEventInfo do_click;
        PF_DrawEventInfo draw;
        PF_KeyDownEvent key_down;
        PF_AdjustCursorEventInfo adjust_cursor;
        PF_KeyDownEventObsolete key_down_obsolete;
    } PF_EventUnion;

    // The window an event is for. Its record differs between the two host
    // interfaces (AE_ProfileLegacy.h, AE_ProfileCurrent.h, each with its
    // ContextOf); both start with the magic word and the window type.
    typedef struct _PF_Context* PF_ContextPtr;
    typedef PF_ContextPtr* PF_ContextH;

#define PF_CONTEXT_MAGIC 0x05ea771e

    enum
    {
        PF_EA_NONE = 0,
        PF_EA_PARAM_TITLE = 1,
        PF_EA_CONTROL = 2
    };
    typedef A_long PF_EffectArea;

    typedef struct
    {
        PF_ParamIndex index;
        PF_EffectArea area;
        PF_UnionableRect current_frame;     // the whole current area, in window coordinates
        PF_UnionableRect param_title_frame; // the parameter's title area
        A_long horiz_offset;
    } PF_EffectWindowInfo;

    typedef struct
    {
        void* refcon;
        PF_Err (*layer_to_comp)(void* refcon, PF_ContextH context, A_long curr_time, A_long time_scale,
                                PF_FixedPoint* pt);
        PF_Err (*comp_to_layer)(void* refcon, PF_ContextH context, A_long curr_time, A_long time_scale,
                                PF_FixedPoint* pt);
        PF_Err (*get_comp2layer_xform)(void* refcon, PF_ContextH context, A_long curr_time, A_long time_scale,
                                       A_long* exists, PF_FloatMatrix* c2l);
        PF_Err (*get_layer2comp_xform)(void* refcon, PF_ContextH context, A_long curr_time, A_long time_scale,
                                       PF_FloatMatrix* l2c);
        PF_Err (*source_to_frame)(void* refcon, PF_ContextH context, PF_FixedPoint* pt);
        PF_Err (*frame_to_source)(void* refcon, PF_ContextH context, PF_FixedPoint* pt);
        PF_Err (*info_draw_color)(void* refcon, PF_Pixel color);
        PF_Err (*info_draw_text)(void* refcon, const A_char* text1Z0, const A_char* text2Z0);
    } PF_EventCallbacks, *PF_EventCallbacksPtr;

    enum
    {
        PF_EO_NONE = 0,
        PF_EO_HANDLED_EVENT = 1L << 0,
        PF_EO_ALWAYS_UPDATE = 1L << 1,
        PF_EO_NEVER_UPDATE = 1L << 2,
        PF_EO_UPDATE_NOW = 1L << 3
    };
    typedef A_long PF_EventOutFlags;

    enum
    {
        PF_EI_NONE = 0,
        PF_EI_DONT_DRAW = 1L << 0
    };
    typedef A_long PF_EventInFlags;

    // Extra argument of PF_Cmd_EVENT.
    typedef struct
    {
        PF_ContextH contextH;
        PF_EventType e_type;
        PF_EventUnion u;
        PF_EffectWindowInfo effect_win; // Effect Controls window events only
        PF_EventCallbacks cbs;
        PF_EventInFlags evt_in_flags;
        PF_EventOutFlags evt_out_flags; // out: PF_EO_HANDLED_EVENT when handled
    } PF_EventExtra;

    enum
    {
        PF_UIAlignment_NONE = 0,
        PF_UIAlignment_TOP = 1L << 0,
        PF_UIAlignment_LEFT = 1L << 1,
        PF_UIAlignment_BOTTOM = 1L << 2,
        PF_UIAlignment_RIGHT = 1L << 3
    };
    typedef A_long PF_UIAlignment;

    // Argument of register_ui.
    struct _PF_CustomUIInfo
    {
        A_long reserved;
        PF_CustomEventFlags events;
        A_long comp_ui_width;
        A_long comp_ui_height;
        PF_UIAlignment comp_ui_alignment;
        A_long layer_ui_width;
        A_long layer_ui_height;
        PF_UIAlignment layer_ui_alignment;
        A_long preview_ui_width;
        A_long preview_ui_height;
        PF_UIAlignment preview_ui_alignment;
    };

} // extern "C"
