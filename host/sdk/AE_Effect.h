// The effect plug-in interface between the host and a module: basic types,
// command selectors, flags, parameter definitions, image worlds and the two
// records passed with every call. Shared by the module and the replacement
// host, and by both host interfaces the module can be built for (legacy and
// current, AE_Profile.h); field order follows the host's published records.
#pragma once

#include <cstdint>

extern "C"
{

    typedef int32_t A_long;
    typedef uint32_t A_u_long;
    typedef int16_t A_short;
    typedef uint16_t A_u_short;
    typedef char A_char;
    typedef unsigned char A_u_char;
    typedef double A_FpLong;
    typedef float A_FpShort;
    typedef int32_t A_Err;
    typedef intptr_t A_intptr_t;
    typedef uint64_t A_HandleSize;

    typedef A_long PF_Err;
    typedef A_long PF_Cmd;
    typedef A_long PF_Fixed;
    typedef A_u_long PF_UFixed;
    typedef char PF_Boolean;
    typedef void** PF_Handle;
    typedef A_long PF_ParamIndex;
    typedef A_long PF_ParamValue;
    typedef A_long PF_ParamType;
    typedef A_long PF_ParamFlags;
    typedef A_long PF_ParamUIFlags;
    typedef A_long PF_ChangeFlags;
    typedef A_long PF_OutFlags;
    typedef A_long PF_OutFlags2;
    typedef A_long PF_InFlags;
    typedef A_long PF_WorldFlags;
    typedef A_long PF_Quality;
    typedef A_long PF_Field;
    typedef A_short PF_ValueDisplayFlags;

    // A slot of a suite table whose function this interface does not call.
    typedef void* PF_SuiteSlot;

    // Opaque token the host hands to the module; passed back with most callbacks.
    struct PF_ProgressInfo;
    typedef struct PF_ProgressInfo* PF_ProgPtr;

#define PF_MAX_EFFECT_NAME_LEN 31
#define PF_MAX_EFFECT_PARAM_NAME_LEN 31
#define PF_MAX_PARAM_DESCRIPTION_LEN 31
#define PF_MAX_PARAM_VALUE_LEN 31
#define PF_MAX_EFFECT_MSG_LEN 255

#define PF_MAX_CHAN8 255
#define PF_HALF_CHAN8 128
#define PF_MAX_CHAN16 32768
#define PF_HALF_CHAN16 16384

// Version packing of out_data's my_version.
#define PF_Vers_BUILD_BITS 0x1ffL
#define PF_Vers_BUILD_SHIFT 0
#define PF_Vers_STAGE_BITS 0x3L
#define PF_Vers_STAGE_SHIFT 9
#define PF_Vers_BUGFIX_BITS 0xfL
#define PF_Vers_BUGFIX_SHIFT 11
#define PF_Vers_SUBVERS_BITS 0xfL
#define PF_Vers_SUBVERS_SHIFT 15
#define PF_Vers_VERS_BITS 0x7L
#define PF_Vers_VERS_SHIFT 19

#define PF_VERSION(vers, subvers, bugvers, stage, build)                                                     \
    ((A_u_long)((((A_u_long)(vers)&PF_Vers_VERS_BITS) << PF_Vers_VERS_SHIFT) |                               \
                (((A_u_long)(subvers)&PF_Vers_SUBVERS_BITS) << PF_Vers_SUBVERS_SHIFT) |                      \
                (((A_u_long)(bugvers)&PF_Vers_BUGFIX_BITS) << PF_Vers_BUGFIX_SHIFT) |                        \
                (((A_u_long)(stage)&PF_Vers_STAGE_BITS) << PF_Vers_STAGE_SHIFT) |                            \
                (((A_u_long)(build)&PF_Vers_BUILD_BITS) << PF_Vers_BUILD_SHIFT)))

    enum
    {
        PF_Stage_DEVELOP,
        PF_Stage_ALPHA,
        PF_Stage_BETA,
        PF_Stage_RELEASE
    };

    // Command selectors: the first argument of the entry point.
    enum
    {
        PF_Cmd_ABOUT = 0,
        PF_Cmd_GLOBAL_SETUP = 1,
        PF_Cmd_UNUSED_0 = 2,
        PF_Cmd_GLOBAL_SETDOWN = 3,
        PF_Cmd_PARAMS_SETUP = 4,
        PF_Cmd_SEQUENCE_SETUP = 5,
        PF_Cmd_SEQUENCE_RESETUP = 6,
        PF_Cmd_SEQUENCE_FLATTEN = 7,
        PF_Cmd_SEQUENCE_SETDOWN = 8,
        PF_Cmd_DO_DIALOG = 9,
        PF_Cmd_FRAME_SETUP = 10,
        PF_Cmd_RENDER = 11,
        PF_Cmd_FRAME_SETDOWN = 12,
        PF_Cmd_USER_CHANGED_PARAM = 13,
        PF_Cmd_UPDATE_PARAMS_UI = 14,
        PF_Cmd_EVENT = 15,
        PF_Cmd_GET_EXTERNAL_DEPENDENCIES = 16,
        PF_Cmd_COMPLETELY_GENERAL = 17,
        PF_Cmd_QUERY_DYNAMIC_FLAGS = 18,
        PF_Cmd_AUDIO_RENDER = 19,
        PF_Cmd_AUDIO_SETUP = 20,
        PF_Cmd_AUDIO_SETDOWN = 21,
        PF_Cmd_ARBITRARY_CALLBACK = 22,
        PF_Cmd_SMART_PRE_RENDER = 23,
        PF_Cmd_SMART_RENDER = 24,
        PF_Cmd_RESERVED1 = 25,
        PF_Cmd_RESERVED2 = 26,
        PF_Cmd_RESERVED3 = 27,
        PF_Cmd_GET_FLATTENED_SEQUENCE_DATA = 28,
        PF_Cmd_TRANSLATE_PARAMS_TO_PREFS = 29,
        PF_Cmd_RESERVED4 = 30,
        PF_Cmd_SMART_RENDER_GPU = 31,
        PF_Cmd_GPU_DEVICE_SETUP = 32,
        PF_Cmd_GPU_DEVICE_SETDOWN = 33,
        PF_Cmd_NUM_CMDS
    };

    // Error codes.
    enum
    {
        PF_Err_NONE = 0,
        PF_Err_OUT_OF_MEMORY = 4,
        PF_Err_INTERNAL_STRUCT_DAMAGED = 512,
        PF_Err_INVALID_INDEX = 513,
        PF_Err_UNRECOGNIZED_PARAM_TYPE = 514,
        PF_Err_INVALID_CALLBACK = 515,
        PF_Err_BAD_CALLBACK_PARAM = 516,
        PF_Interrupt_CANCEL = 517,
        PF_Err_CANNOT_PARSE_KEYFRAME_TEXT = 518
    };

    enum
    {
        PF_Quality_LO = 0,
        PF_Quality_HI = 1
    };

    enum
    {
        PF_Field_FRAME = 0,
        PF_Field_UPPER = 1,
        PF_Field_LOWER = 2
    };

    enum
    {
        PF_WorldFlag_DEEP = 1L << 0,
        PF_WorldFlag_WRITEABLE = 1L << 1
    };

    // out_data->out_flags.
    enum
    {
        PF_OutFlag_NONE = 0,
        PF_OutFlag_KEEP_RESOURCE_OPEN = 1L << 0,
        PF_OutFlag_WIDE_TIME_INPUT = 1L << 1,
        PF_OutFlag_NON_PARAM_VARY = 1L << 2,
        PF_OutFlag_SEQUENCE_DATA_NEEDS_FLATTENING = 1L << 4,
        PF_OutFlag_I_DO_DIALOG = 1L << 5,
        PF_OutFlag_USE_OUTPUT_EXTENT = 1L << 6,
        PF_OutFlag_SEND_DO_DIALOG = 1L << 7,
        PF_OutFlag_DISPLAY_ERROR_MESSAGE = 1L << 8,
        PF_OutFlag_I_EXPAND_BUFFER = 1L << 9,
        PF_OutFlag_PIX_INDEPENDENT = 1L << 10,
        PF_OutFlag_I_WRITE_INPUT_BUFFER = 1L << 11,
        PF_OutFlag_I_SHRINK_BUFFER = 1L << 12,
        PF_OutFlag_WORKS_IN_PLACE = 1L << 13,
        PF_OutFlag_CUSTOM_UI = 1L << 15,
        PF_OutFlag_REFRESH_UI = 1L << 17,
        PF_OutFlag_NOP_RENDER = 1L << 18,
        PF_OutFlag_I_USE_SHUTTER_ANGLE = 1L << 19,
        PF_OutFlag_I_USE_AUDIO = 1L << 20,
        PF_OutFlag_I_AM_OBSOLETE = 1L << 21,
        PF_OutFlag_FORCE_RERENDER = 1L << 22,
        PF_OutFlag_PiPL_OVERRIDES_OUTDATA_OUTFLAGS = 1L << 23,
        PF_OutFlag_I_HAVE_EXTERNAL_DEPENDENCIES = 1L << 24,
        PF_OutFlag_DEEP_COLOR_AWARE = 1L << 25,
        PF_OutFlag_SEND_UPDATE_PARAMS_UI = 1L << 26,
        PF_OutFlag_AUDIO_FLOAT_ONLY = 1L << 27,
        PF_OutFlag_AUDIO_IIR = 1L << 28,
        PF_OutFlag_I_SYNTHESIZE_AUDIO = 1L << 29,
        PF_OutFlag_AUDIO_EFFECT_TOO = 1L << 30
    };

    // out_data->out_flags2.
    enum
    {
        PF_OutFlag2_NONE = 0,
        PF_OutFlag2_SUPPORTS_QUERY_DYNAMIC_FLAGS = 1L << 0,
        PF_OutFlag2_I_USE_3D_CAMERA = 1L << 1,
        PF_OutFlag2_I_USE_3D_LIGHTS = 1L << 2,
        PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG = 1L << 3,
        PF_OutFlag2_I_AM_THREADSAFE = 1L << 4,
        PF_OutFlag2_CAN_COMBINE_WITH_DESTINATION = 1L << 5,
        PF_OutFlag2_DOESNT_NEED_EMPTY_PIXELS = 1L << 6,
        PF_OutFlag2_REVEALS_ZERO_ALPHA = 1L << 7,
        PF_OutFlag2_PRESERVES_FULLY_OPAQUE_PIXELS = 1L << 8,
        PF_OutFlag2_SUPPORTS_SMART_RENDER = 1L << 10,
        PF_OutFlag2_FLOAT_COLOR_AWARE = 1L << 12,
        PF_OutFlag2_I_USE_COLORSPACE_ENUMERATION = 1L << 13,
        PF_OutFlag2_I_AM_DEPRECATED = 1L << 14,
        PF_OutFlag2_AUTOMATIC_WIDE_TIME_INPUT = 1L << 17,
        PF_OutFlag2_I_USE_TIMECODE = 1L << 18,
        PF_OutFlag2_DEPENDS_ON_UNREFERENCED_MASKS = 1L << 19,
        PF_OutFlag2_OUTPUT_IS_WATERMARKED = 1L << 20,
        PF_OutFlag2_I_MIX_GUID_DEPENDENCIES = 1L << 21,
        // An effect that flattens its sequence data and renders on several
        // threads must also answer PF_Cmd_GET_FLATTENED_SEQUENCE_DATA.
        PF_OutFlag2_SUPPORTS_GET_FLATTENED_SEQUENCE_DATA = 1L << 23,
        PF_OutFlag2_CUSTOM_UI_ASYNC_MANAGER = 1L << 24,
        PF_OutFlag2_SUPPORTS_GPU_RENDER_F32 = 1L << 25,
        // Renders of several frames may run at once in this effect.
        PF_OutFlag2_SUPPORTS_THREADED_RENDERING = 1L << 27,
        PF_OutFlag2_MUTABLE_RENDER_SEQUENCE_DATA_SLOWER = 1L << 28
    };

    // Parameter types.
    enum
    {
        PF_Param_RESERVED = -1,
        PF_Param_LAYER = 0,
        PF_Param_SLIDER,
        PF_Param_FIX_SLIDER,
        PF_Param_ANGLE,
        PF_Param_CHECKBOX,
        PF_Param_COLOR,
        PF_Param_POINT,
        PF_Param_POPUP,
        PF_Param_CUSTOM,
        PF_Param_NO_DATA,
        PF_Param_FLOAT_SLIDER,
        PF_Param_ARBITRARY_DATA,
        PF_Param_PATH,
        PF_Param_GROUP_START,
        PF_Param_GROUP_END,
        PF_Param_BUTTON,
        PF_Param_RESERVED2,
        PF_Param_RESERVED3,
        PF_Param_POINT_3D
    };

    // Parameter flags (PF_ParamDef::flags).
    enum
    {
        PF_ParamFlag_RESERVED1 = 1L << 0,
        PF_ParamFlag_CANNOT_TIME_VARY = 1L << 1,
        PF_ParamFlag_CANNOT_INTERP = 1L << 2,
        PF_ParamFlag_COLLAPSE_TWIRLY = 1L << 5,
        PF_ParamFlag_START_COLLAPSED = PF_ParamFlag_COLLAPSE_TWIRLY,
        PF_ParamFlag_SUPERVISE = 1L << 6,
        PF_ParamFlag_USE_VALUE_FOR_OLD_PROJECTS = 1L << 7,
        PF_ParamFlag_EXCLUDE_FROM_HAVE_INPUTS_CHANGED = 1L << 8,
        PF_ParamFlag_SKIP_REVEAL_WHEN_UNHIDDEN = 1L << 9
    };

    // Parameter UI flags (PF_ParamDef::ui_flags).
    enum
    {
        PF_PUI_NONE = 0,
        PF_PUI_TOPIC = 1L << 0,
        PF_PUI_CONTROL = 1L << 1,
        PF_PUI_STD_CONTROL_ONLY = 1L << 2,
        PF_PUI_NO_ECW_UI = 1L << 3,
        PF_PUI_ECW_SEPARATOR = 1L << 4,
        PF_PUI_DISABLED = 1L << 5,
        PF_PUI_DONT_ERASE_TOPIC = 1L << 6,
        PF_PUI_DONT_ERASE_CONTROL = 1L << 7,
        PF_PUI_RADIO_BUTTON = 1L << 8,
        PF_PUI_INVISIBLE = 1L << 9
    };

    // Change flags (PF_ParamDef::uu.change_flags).
    enum
    {
        PF_ChangeFlag_NONE = 0,
        PF_ChangeFlag_CHANGED_VALUE = 1L << 0,
        PF_ChangeFlag_RESERVED = 1L << 1,
        PF_ChangeFlag_SET_TO_VARY = 1L << 2,
        PF_ChangeFlag_SET_TO_CONSTANT = 1L << 3
    };

    enum
    {
        PF_ValueDisplayFlag_NONE = 0,
        PF_ValueDisplayFlag_PERCENT = 1 << 0,
        PF_ValueDisplayFlag_PIXEL = 1 << 1
    };

    typedef struct
    {
        A_short major;
        A_short minor;
    } PF_SpecVersion;

    typedef struct
    {
        A_long h;
        A_long v;
    } PF_Point;

    // Note the field order: left, top, right, bottom (right and bottom exclusive).
    typedef struct
    {
        A_long left, top, right, bottom;
    } PF_LRect;
    typedef PF_LRect PF_Rect;
    typedef PF_Rect PF_UnionableRect;

    typedef struct
    {
        A_long num;
        A_u_long den;
    } PF_RationalScale;

    typedef struct
    {
        PF_Fixed x, y;
    } PF_FixedPoint;

    typedef struct
    {
        PF_Fixed left, top, right, bottom;
    } PF_FixedRect;

    // 8-bit pixel, components 0..255, memory order alpha, red, green, blue.
    typedef struct
    {
        A_u_char alpha, red, green, blue;
    } PF_Pixel;
    typedef PF_Pixel PF_Pixel8;
    typedef PF_Pixel PF_UnionablePixel;

    // 16-bit pixel, components 0..32768, same memory order.
    typedef struct
    {
        A_u_short alpha, red, green, blue;
    } PF_Pixel16;

    typedef struct
    {
        A_FpLong mat[3][3];
    } PF_FloatMatrix;

    typedef struct _PF_PixelOpaque* PF_PixelOpaquePtr;
    typedef PF_PixelOpaquePtr PF_PixelPtr;

    // An image: the layer parameter's value and the output of a render.
    typedef struct PF_LayerDef
    {
        void* reserved0;
        void* reserved1;
        PF_WorldFlags world_flags;
        PF_PixelPtr data;
        A_long rowbytes;
        A_long width;
        A_long height;
        PF_UnionableRect extent_hint;
        void* platform_ref;
        A_long reserved_long1;
        void* reserved_long4;
        PF_RationalScale pix_aspect_ratio;
        void* reserved_long2;
        A_long origin_x;
        A_long origin_y;
        A_long reserved_long3;
        A_long dephault;
    } PF_LayerDef;
    typedef PF_LayerDef PF_EffectWorld;

    typedef struct
    {
        PF_Fixed value;
        A_char value_str[PF_MAX_PARAM_VALUE_LEN + 1];
        A_char value_desc[PF_MAX_PARAM_DESCRIPTION_LEN + 1];
        PF_Fixed valid_min, valid_max;
        PF_Fixed slider_min, slider_max;
        PF_Fixed dephault;
        A_short precision;
        PF_ValueDisplayFlags display_flags;
    } PF_FixedSliderDef;

    typedef struct
    {
        PF_ParamValue value;
        A_char value_str[PF_MAX_PARAM_VALUE_LEN + 1];
        A_char value_desc[PF_MAX_PARAM_DESCRIPTION_LEN + 1];
        PF_ParamValue valid_min, valid_max;
        PF_ParamValue slider_min, slider_max;
        PF_ParamValue dephault;
    } PF_SliderDef;

    typedef struct
    {
        PF_ParamValue value;
        PF_Boolean dephault;
        A_char reserved;
        A_short reserved1;
        union
        {
            const A_char* nameptr;
        } u;
    } PF_CheckBoxDef;

    typedef struct
    {
        PF_UnionablePixel value;
        PF_UnionablePixel dephault;
    } PF_ColorDef;

    // Values in layer pixels, 16.16 fixed; defaults in percent of the layer.
    typedef struct
    {
        PF_Fixed x_value;
        PF_Fixed y_value;
        A_char reserved[3];
        PF_Boolean restrict_bounds;
        PF_Fixed x_dephault;
        PF_Fixed y_dephault;
    } PF_PointDef;

    // Choices are one string separated by '|'; values are 1-based.
    typedef struct
    {
        PF_ParamValue value;
        A_short num_choices;
        A_short dephault;
        union
        {
            const A_char* namesptr;
        } u;
    } PF_PopupDef;

    typedef PF_Handle PF_ArbitraryH;

    typedef struct
    {
        A_short id;
        A_short pad;
        PF_ArbitraryH dephault;
        PF_ArbitraryH value;
        void* refconPV;
    } PF_ArbitraryDef;

    typedef union
    {
        PF_LayerDef ld;
        PF_SliderDef sd;
        PF_FixedSliderDef fd;
        PF_CheckBoxDef bd;
        PF_ColorDef cd;
        PF_PointDef td;
        PF_PopupDef pd;
        PF_ArbitraryDef arb_d;
    } PF_ParamDefUnion;

    typedef struct
    {
        union
        {
            A_long id;                   // set when adding the parameter
            PF_ChangeFlags change_flags; // set by the module to report a changed value
        } uu;
        PF_ParamUIFlags ui_flags;
        A_short ui_width;
        A_short ui_height;
        PF_ParamType param_type;
        A_char name[PF_MAX_EFFECT_PARAM_NAME_LEN + 1];
        PF_ParamFlags flags;
        A_long unused;
        PF_ParamDefUnion u;
    } PF_ParamDef, *PF_ParamDefPtr, **PF_ParamDefH;

    typedef PF_ParamDef** PF_ParamList;

    // Extra argument of PF_Cmd_USER_CHANGED_PARAM.
    typedef struct
    {
        PF_ParamIndex param_index;
    } PF_UserChangedParamExtra;

    typedef struct _PF_CustomUIInfo PF_CustomUIInfo;
    typedef struct _PF_LayerAudio* PF_LayerAudio;
    typedef void* PF_SndSamplePtr;

    typedef struct
    {
        PF_Err (*checkout_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long what_time,
                                 A_long time_step, A_u_long time_scale, PF_ParamDef* param);
        PF_Err (*checkin_param)(PF_ProgPtr effect_ref, PF_ParamDef* param);
        // index -1 adds at the end.
        PF_Err (*add_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDefPtr def);
        PF_Err (*abort)(PF_ProgPtr effect_ref);
        // A non-zero result asks the module to stop (PF_Interrupt_CANCEL for a user cancel).
        PF_Err (*progress)(PF_ProgPtr effect_ref, A_long current, A_long total);
        PF_Err (*register_ui)(PF_ProgPtr effect_ref, PF_CustomUIInfo* cust_info);
        PF_Err (*checkout_layer_audio)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long start_time,
                                       A_long duration, A_u_long time_scale, PF_UFixed rate,
                                       A_long bytes_per_sample, A_long num_channels, A_long fmt_signed,
                                       PF_LayerAudio* audio);
        PF_Err (*checkin_layer_audio)(PF_ProgPtr effect_ref, PF_LayerAudio audio);
        PF_Err (*get_audio_data)(PF_ProgPtr effect_ref, PF_LayerAudio audio, PF_SndSamplePtr* data0,
                                 A_long* num_samples0, PF_UFixed* rate0, A_long* bytes_per_sample0,
                                 A_long* num_channels0, A_long* fmt_signed0);
        void* reserved_str[3];
        void* reserved[10];
    } PF_InteractCallbacks;

    typedef struct
    {
        double rateF;
        A_short num_channels;
        A_short format;
        A_short sample_size;
    } PF_SoundFormatInfo;

    typedef struct
    {
        PF_SoundFormatInfo fi;
        A_long num_samples;
        void* dataP;
    } PF_SoundWorld;

    typedef struct
    {
        A_u_long my_version;
        A_char name[PF_MAX_EFFECT_NAME_LEN + 1];
        PF_Handle global_data;
        A_long num_params;
        PF_Handle sequence_data;
        A_long flat_sdata_size;
        PF_Handle frame_data;
        A_long width;
        A_long height;
        PF_Point origin;
        PF_OutFlags out_flags;
        A_char return_msg[PF_MAX_EFFECT_MSG_LEN + 1];
        A_long start_sampL;
        A_long dur_sampL;
        PF_SoundWorld dest_snd;
        PF_OutFlags2 out_flags2;
    } PF_OutData;

    // The utility callbacks are laid out differently by the two host
    // interfaces; each declares its own table, reached through its UtilsOf
    // (AE_ProfileLegacy.h, AE_ProfileCurrent.h).
    struct _PF_UtilCallbacks;
    struct SPBasicSuite;

    typedef struct
    {
        PF_InteractCallbacks inter;
        struct _PF_UtilCallbacks* utils;
        PF_ProgPtr effect_ref;
        PF_Quality quality;
        PF_SpecVersion version; // the interface version the host speaks
        A_long serial_num;
        A_long appl_id;
        A_long num_params;
        A_long reserved;
        A_long what_cpu;
        A_long what_fpu;
        A_long current_time;
        A_long time_step;
        A_long total_time;
        A_long local_time_step;
        A_u_long time_scale;
        PF_Field field;
        PF_Fixed shutter_angle;
        A_long width;
        A_long height;
        PF_Rect extent_hint;
        A_long output_origin_x;
        A_long output_origin_y;
        PF_RationalScale downsample_x;
        PF_RationalScale downsample_y;
        PF_RationalScale pixel_aspect_ratio;
        PF_InFlags in_flags;
        PF_Handle global_data;
        PF_Handle sequence_data;
        PF_Handle frame_data;
        A_long start_sampL;
        A_long dur_sampL;
        A_long total_sampL;
        PF_SoundWorld src_snd;
        struct SPBasicSuite* pica_basicP;
        A_long pre_effect_source_origin_x;
        A_long pre_effect_source_origin_y;
        PF_Fixed shutter_phase;
    } PF_InData;

    // The entry point every effect module exports (under the name in its property list).
    typedef PF_Err (*PF_FilterProc)(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamList params,
                                    PF_LayerDef* output, void* extra);

} // extern "C"

extern "C"
{

    enum
    {
        PF_Arbitrary_NEW_FUNC = 0,
        PF_Arbitrary_DISPOSE_FUNC,
        PF_Arbitrary_COPY_FUNC,
        PF_Arbitrary_FLAT_SIZE_FUNC,
        PF_Arbitrary_FLATTEN_FUNC,
        PF_Arbitrary_UNFLATTEN_FUNC,
        PF_Arbitrary_INTERP_FUNC,
        PF_Arbitrary_COMPARE_FUNC,
        PF_Arbitrary_PRINT_SIZE_FUNC,
        PF_Arbitrary_PRINT_FUNC,
        PF_Arbitrary_SCAN_FUNC
    };
    typedef A_long PF_FunctionSelector;

    typedef A_long PF_ArbCompareResult;
    enum
    {
        PF_ArbCompare_EQUAL = 0,
        PF_ArbCompare_LESS = 1,
        PF_ArbCompare_MORE = 2,
        PF_ArbCompare_NOT_EQUAL = 3
    };

    typedef A_long PF_ArbPrintFlags;
    enum
    {
        PF_ArbPrint_NONE = 0,
        PF_ArbPrint_ABBREVIATED = 1L << 0
    };

    // Extra argument of PF_Cmd_ARBITRARY_CALLBACK: one function on the values
    // of an arbitrary-data parameter. Handles written through the pointer
    // arguments are new host handles that the caller owns.
    typedef struct
    {
        PF_FunctionSelector which_function;
        A_short id; // the parameter's arbitrary id
        A_short padding;
        union
        {
            struct
            {
                void* refconPV;
                PF_ArbitraryH* arbPH;
            } new_func_params;
            struct
            {
                void* refconPV;
                PF_ArbitraryH arbH;
            } dispose_func_params;
            struct
            {
                void* refconPV;
                PF_ArbitraryH src_arbH;
                PF_ArbitraryH* dst_arbPH;
            } copy_func_params;
            struct
            {
                void* refconPV;
                PF_ArbitraryH arbH;
                A_u_long* flat_data_sizePLu;
            } flat_size_func_params;
            struct
            {
                void* refconPV;
                PF_ArbitraryH arbH;
                A_u_long buf_sizeLu;
                void* flat_dataPV;
            } flatten_func_params;
            struct
            {
                void* refconPV;
                A_u_long buf_sizeLu;
                const void* flat_dataPV;
                PF_ArbitraryH* arbPH;
            } unflatten_func_params;
            struct
            {
                void* refconPV;
                PF_ArbitraryH left_arbH;
                PF_ArbitraryH right_arbH;
                A_FpLong tF;
                PF_ArbitraryH* interpPH;
            } interp_func_params;
            struct
            {
                void* refconPV;
                PF_ArbitraryH a_arbH;
                PF_ArbitraryH b_arbH;
                PF_ArbCompareResult* compareP;
            } compare_func_params;
            struct
            {
                void* refconPV;
                PF_ArbitraryH arbH;
                A_u_long* print_sizePLu;
            } print_size_func_params;
            struct
            {
                void* refconPV;
                PF_ArbPrintFlags print_flags;
                PF_ArbitraryH arbH;
                A_u_long print_sizeLu;
                A_char* print_bufferPC;
            } print_func_params;
            struct
            {
                void* refconPV;
                const A_char* bufPC;
                A_u_long bytes_to_scanLu;
                PF_ArbitraryH* arbPH;
            } scan_func_params;
        } u;
    } PF_ArbParamsExtra;

} // extern "C"
