// The legacy interface: where every field and slot its module reads or
// fills lies in a 32-bit host's records and tables (offset and size in bytes
// for 32-bit Windows, checked when the module is built 32-bit), then the
// values that interface gives the commands, events, flags, suites and
// property list, checked in every build of its module.
#pragma once

#include "host/sdk/AE_LayoutShared.h"
#include "host/sdk/AE_LayoutTable.h"
#include "host/sdk/AE_ProfileLegacy.h"
#include "host/sdk/SPBasic.h"

namespace ae_legacy
{
#if INTPTR_MAX == INT32_MAX
namespace layout_x86
{
AE_SIZE(PF_LayerDef, 84)
AE_FIELD(PF_LayerDef, world_flags, 8, 4)
AE_FIELD(PF_LayerDef, data, 12, 4)
AE_FIELD(PF_LayerDef, rowbytes, 16, 4)
AE_FIELD(PF_LayerDef, width, 20, 4)
AE_FIELD(PF_LayerDef, height, 24, 4)
AE_FIELD(PF_LayerDef, extent_hint, 28, 16)
AE_FIELD(PF_LayerDef, platform_ref, 44, 4)
AE_FIELD(PF_LayerDef, pix_aspect_ratio, 56, 8)
AE_FIELD(PF_LayerDef, origin_x, 68, 4)
AE_FIELD(PF_LayerDef, dephault, 80, 4)
AE_SIZE(PF_InteractCallbacks, 88)
AE_FIELD(PF_InteractCallbacks, add_param, 8, 4)
AE_FIELD(PF_InteractCallbacks, progress, 16, 4)
AE_FIELD(PF_InteractCallbacks, register_ui, 20, 4)
AE_SIZE(PF_InData, 280)
AE_FIELD(PF_InData, utils, 88, 4)
AE_FIELD(PF_InData, effect_ref, 92, 4)
AE_FIELD(PF_InData, version, 100, 4)
AE_FIELD(PF_InData, num_params, 112, 4)
AE_FIELD(PF_InData, extent_hint, 164, 16)
AE_FIELD(PF_InData, downsample_x, 188, 8)
AE_FIELD(PF_InData, downsample_y, 196, 8)
AE_FIELD(PF_InData, global_data, 216, 4)
AE_FIELD(PF_InData, sequence_data, 220, 4)
AE_FIELD(PF_InData, src_snd, 240, 24)
AE_FIELD(PF_InData, pica_basicP, 264, 4)
AE_SIZE(PF_OutData, 376)
AE_FIELD(PF_OutData, my_version, 0, 4)
AE_FIELD(PF_OutData, global_data, 36, 4)
AE_FIELD(PF_OutData, num_params, 40, 4)
AE_FIELD(PF_OutData, sequence_data, 44, 4)
AE_FIELD(PF_OutData, out_flags, 72, 4)
AE_FIELD(PF_OutData, return_msg, 76, 256)
AE_FIELD(PF_OutData, out_flags2, 368, 4)
AE_SIZE(PF_ParamDef, 148)
AE_FIELD(PF_ParamDef, ui_width, 8, 2)
AE_FIELD(PF_ParamDef, param_type, 12, 4)
AE_FIELD(PF_ParamDef, name, 16, 32)
AE_FIELD(PF_ParamDef, flags, 48, 4)
AE_FIELD(PF_ParamDef, u, 56, 92)
AE_SIZE(PF_FixedSliderDef, 92)
AE_SIZE(PF_CheckBoxDef, 12)
AE_FIELD(PF_CheckBoxDef, u, 8, 4)
AE_SIZE(PF_PointDef, 20)
AE_SIZE(PF_PopupDef, 12)
AE_FIELD(PF_PopupDef, u, 8, 4)
AE_SIZE(PF_ArbitraryDef, 16)
AE_FIELD(PF_ArbitraryDef, dephault, 4, 4)
AE_FIELD(PF_ArbitraryDef, value, 8, 4)
AE_FIELD(PF_ArbitraryDef, refconPV, 12, 4)
AE_SIZE(PF_ANSICallbacks, 80)
AE_FIELD(PF_ANSICallbacks, sprintf, 60, 4)
AE_FIELD(PF_ANSICallbacks, strcpy, 64, 4)
AE_SIZE(PF_ColorCallbacks, 32)
AE_SIZE(PF_UtilCallbacks, 284)
AE_FIELD(PF_UtilCallbacks, copy, 32, 4)
AE_FIELD(PF_UtilCallbacks, fill, 36, 4)
AE_FIELD(PF_UtilCallbacks, get_platform_refs, 60, 4)
AE_FIELD(PF_UtilCallbacks, host_new_handle, 84, 4)
AE_FIELD(PF_UtilCallbacks, host_lock_handle, 88, 4)
AE_FIELD(PF_UtilCallbacks, host_unlock_handle, 92, 4)
AE_FIELD(PF_UtilCallbacks, host_dispose_handle, 96, 4)
AE_FIELD(PF_UtilCallbacks, ansi, 108, 80)
AE_FIELD(PF_UtilCallbacks, get_platform_data, 220, 4)
AE_FIELD(PF_UtilCallbacks, get_cgraf_data, 224, 4)
AE_FIELD(PF_UtilCallbacks, host_get_handle_size, 228, 4)
AE_FIELD(PF_UtilCallbacks, host_resize_handle, 240, 4)
AE_FIELD(PF_UtilCallbacks, fill16, 252, 4)
AE_SIZE(PF_Context, 32)
AE_FIELD(PF_Context, w_type, 4, 4)
AE_FIELD(PF_Context, cgrafptr, 8, 4)
AE_FIELD(PF_Context, plugin_state, 16, 16)
AE_SIZE(PF_CustomUIInfo, 44)
AE_SIZE(PF_EventUnion, 40)
AE_SIZE(PF_DoClickEventInfo, 40)
AE_FIELD(PF_DoClickEventInfo, continue_refcon, 20, 16)
AE_FIELD(PF_DoClickEventInfo, send_drag, 36, 1)
AE_SIZE(PF_KeyDownEventObsolete, 24)
AE_FIELD(PF_KeyDownEventObsolete, char_code, 12, 4)
AE_FIELD(PF_KeyDownEventObsolete, modifiers, 20, 4)
AE_SIZE(PF_AdjustCursorEventInfo, 16)
AE_FIELD(PF_AdjustCursorEventInfo, set_cursor, 12, 4)
AE_SIZE(PF_EffectWindowInfo, 44)
AE_SIZE(PF_EventCallbacks, 36)
AE_SIZE(PF_EventExtra, 136)
AE_FIELD(PF_EventExtra, u, 8, 40)
AE_FIELD(PF_EventExtra, effect_win, 48, 44)
AE_FIELD(PF_EventExtra, cbs, 92, 36)
AE_FIELD(PF_EventExtra, evt_out_flags, 132, 4)
AE_SIZE(SPBasicSuite, 28)
AE_SIZE(PF_HandleSuite1, 24)
AE_FIELD(PF_HandleSuite1, host_dispose_handle, 12, 4)
AE_SIZE(PF_WorldTransformSuite1, 28)
AE_FIELD(PF_WorldTransformSuite1, copy, 12, 4)
AE_FIELD(PF_FillMatteSuite2, fill16, 4, 4)
AE_FIELD(PF_AdvAppSuite2, PF_RefreshAllWindows, 20, 4)
AE_FIELD(AEGP_UtilitySuite1, AEGP_RegisterWithAEGP, 28, 4)
AE_SIZE(AEGP_UtilitySuite1, 36)
AE_FIELD(AEGP_CommandSuite1, AEGP_DoCommand, 28, 4)
AE_FIELD(PF_Iterate8Suite1, iterate_generic, 16, 4)
AE_SIZE(PF_App_Color, 6)
} // namespace layout_x86
#endif

namespace values
{

AE_VALUE(kKeyDownEvent, 8)

AE_VALUE(PF_OutFlag_KEEP_RESOURCE_OPEN | PF_OutFlag_USE_OUTPUT_EXTENT | PF_OutFlag_PIX_INDEPENDENT |
             PF_OutFlag_DEEP_COLOR_AWARE,
         0x2000441)
AE_VALUE(PF_OutFlag_KEEP_RESOURCE_OPEN | PF_OutFlag_WIDE_TIME_INPUT |
             PF_OutFlag_SEQUENCE_DATA_NEEDS_FLATTENING | PF_OutFlag_CUSTOM_UI |
             PF_OutFlag_I_USE_SHUTTER_ANGLE | PF_OutFlag_DEEP_COLOR_AWARE | PF_OutFlag_SEND_UPDATE_PARAMS_UI,
         0x6088013)
AE_VALUE(PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG, 8)
AE_VALUE(PF_VERSION(2, 2, 0, PF_Stage_RELEASE, 0), 0x110600)
AE_VALUE(AEGP_Command_PURGE_ALL, 2372)

AE_VALUE(kHandleSuiteVersion, 1)
AE_VALUE(kUtilitySuiteVersion, 3)
AE_VALUE(kWorldTransformSuiteVersion, 1)
AE_VALUE(kFillMatteSuiteVersion, 1)
AE_VALUE(kAdvAppSuiteVersion, 1)
AE_VALUE(kCommandSuiteVersion, 1)
AE_VALUE(kParamUtilsSuiteVersion, 1)
AE_VALUE(kAppSuiteVersion, 1)

AE_VALUE(kEntryPointKey, AE_PiPL::kCodeWin32X86)
AE_VALUE(kInterfaceMajor, 12)
AE_VALUE(kInterfaceMinor, 5)
} // namespace values
} // namespace ae_legacy
