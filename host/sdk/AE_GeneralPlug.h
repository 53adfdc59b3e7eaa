// The general (AEGP) suites the module uses: registration with the host and
// host commands.
#pragma once

#include "host/sdk/AE_Effect.h"

extern "C"
{

    typedef A_long AEGP_PluginID;
    typedef struct _AEGP_GlobalRefcon* AEGP_GlobalRefcon;
    typedef A_long AEGP_Command;

// The host's "purge all memory" command.
#define AEGP_Command_PURGE_ALL 2372

#define kAEGPUtilitySuite "AEGP Utility Suite"
#define kAEGPUtilitySuiteVersion3 3

    typedef struct AEGP_UtilitySuite3
    {
        A_Err (*AEGP_ReportInfo)(AEGP_PluginID aegp_plugin_id, const A_char* info_string);
        A_Err (*AEGP_GetDriverPluginInitFuncVersion)(A_short* major_versionPS, A_short* minor_versionPS);
        A_Err (*AEGP_GetDriverImplementationVersion)(A_short* major_versionPS, A_short* minor_versionPS);
        A_Err (*AEGP_StartQuietErrors)(void* err_stateP);
        A_Err (*AEGP_EndQuietErrors)(PF_Boolean report_quieted_errorsB, void* err_stateP);
        A_Err (*AEGP_GetLastErrorMessage)(A_long buffer_size, A_char* error_string, A_Err* error_num);
        A_Err (*AEGP_StartUndoGroup)(const A_char* undo_name);
        A_Err (*AEGP_EndUndoGroup)(void);
        // Gives the caller an id; plugin_name is the module's file name.
        A_Err (*AEGP_RegisterWithAEGP)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_name,
                                       AEGP_PluginID* plugin_id);
        A_Err (*AEGP_GetMainHWND)(void* main_hwnd);
    } AEGP_UtilitySuite3;

#define kAEGPCommandSuite "AEGP Command Suite"
#define kAEGPCommandSuiteVersion1 1

    typedef struct AEGP_CommandSuite1
    {
        A_Err (*AEGP_GetUniqueCommand)(AEGP_Command* unique_commandP);
        A_Err (*AEGP_InsertMenuCommand)(AEGP_Command command, const A_char* nameZ, A_long menu_id,
                                        A_long after_item);
        A_Err (*AEGP_RemoveMenuCommand)(AEGP_Command command);
        A_Err (*AEGP_SetMenuCommandName)(AEGP_Command command, const A_char* nameZ);
        A_Err (*AEGP_EnableCommand)(AEGP_Command command);
        A_Err (*AEGP_DisableCommand)(AEGP_Command command);
        A_Err (*AEGP_CheckMarkMenuCommand)(AEGP_Command command, PF_Boolean checkB);
        A_Err (*AEGP_DoCommand)(AEGP_Command command);
    } AEGP_CommandSuite1;

} // extern "C"
