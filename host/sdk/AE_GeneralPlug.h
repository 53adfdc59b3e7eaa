// The general (AEGP) suites the module uses: registration with the host and
// host commands. As with the effect suites, the version asked for belongs to
// the host interface.
#pragma once

#include "host/sdk/AE_Effect.h"

extern "C"
{

    typedef A_long AEGP_PluginID;
    typedef struct _AEGP_GlobalRefcon* AEGP_GlobalRefcon;
    typedef A_long AEGP_Command;

    // Gives the caller an id; plugin_name is the module's file name.
    typedef A_Err (*AEGP_RegisterWithAEGPFunc)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_name,
                                               AEGP_PluginID* plugin_id);

// The host's "purge all memory" command.
#define AEGP_Command_PURGE_ALL 2372

#define kAEGPUtilitySuite "AEGP Utility Suite"

    // The first utility table, served as version 3.
    typedef struct AEGP_UtilitySuite1
    {
        PF_SuiteSlot AEGP_ReportInfo;
        PF_SuiteSlot AEGP_GetDriverPluginInitFuncVersion;
        PF_SuiteSlot AEGP_GetDriverImplementationVersion;
        PF_SuiteSlot AEGP_StartQuietErrors;
        PF_SuiteSlot AEGP_EndQuietErrors;
        PF_SuiteSlot AEGP_StartUndoGroup;
        PF_SuiteSlot AEGP_EndUndoGroup;
        AEGP_RegisterWithAEGPFunc AEGP_RegisterWithAEGP;
        // Writes the main window's handle to the address it is given.
        A_Err (*AEGP_GetMainHWND)(void* main_hwnd);
    } AEGP_UtilitySuite1;

    // Today's utility table, served as version 13.
    typedef struct AEGP_UtilitySuite6
    {
        PF_SuiteSlot AEGP_ReportInfo;
        PF_SuiteSlot AEGP_ReportInfoUnicode;
        PF_SuiteSlot AEGP_GetDriverPluginInitFuncVersion;
        PF_SuiteSlot AEGP_GetDriverImplementationVersion;
        PF_SuiteSlot AEGP_StartQuietErrors;
        PF_SuiteSlot AEGP_EndQuietErrors;
        PF_SuiteSlot AEGP_GetLastErrorMessage;
        PF_SuiteSlot AEGP_StartUndoGroup;
        PF_SuiteSlot AEGP_EndUndoGroup;
        AEGP_RegisterWithAEGPFunc AEGP_RegisterWithAEGP;
        A_Err (*AEGP_GetMainHWND)(void* main_hwnd);
        PF_SuiteSlot AEGP_ShowHideAllFloaters;
        PF_SuiteSlot AEGP_PaintPalGetForeColor;
        PF_SuiteSlot AEGP_PaintPalGetBackColor;
        PF_SuiteSlot AEGP_PaintPalSetForeColor;
        PF_SuiteSlot AEGP_PaintPalSetBackColor;
        PF_SuiteSlot AEGP_CharPalGetFillColor;
        PF_SuiteSlot AEGP_CharPalGetStrokeColor;
        PF_SuiteSlot AEGP_CharPalSetFillColor;
        PF_SuiteSlot AEGP_CharPalSetStrokeColor;
        PF_SuiteSlot AEGP_CharPalIsFillColorUIFrontmost;
        PF_SuiteSlot AEGP_ConvertFpLongToHSFRatio;
        PF_SuiteSlot AEGP_ConvertHSFRatioToFpLong;
        PF_SuiteSlot AEGP_CauseIdleRoutinesToBeCalled;
        PF_SuiteSlot AEGP_GetSuppressInteractiveUI;
        PF_SuiteSlot AEGP_WriteToOSConsole;
        PF_SuiteSlot AEGP_WriteToDebugLog;
        PF_SuiteSlot AEGP_IsScriptingAvailable;
        PF_SuiteSlot AEGP_ExecuteScript;
        PF_SuiteSlot AEGP_HostIsActivated;
        PF_SuiteSlot AEGP_GetPluginPlatformRef;
        PF_SuiteSlot AEGP_UpdateFontList;
        PF_SuiteSlot AEGP_GetPluginPaths;
    } AEGP_UtilitySuite6;

#define kAEGPCommandSuite "AEGP Command Suite"

    typedef struct AEGP_CommandSuite1
    {
        PF_SuiteSlot AEGP_GetUniqueCommand;
        PF_SuiteSlot AEGP_InsertMenuCommand;
        PF_SuiteSlot AEGP_RemoveMenuCommand;
        PF_SuiteSlot AEGP_SetMenuCommandName;
        PF_SuiteSlot AEGP_EnableCommand;
        PF_SuiteSlot AEGP_DisableCommand;
        PF_SuiteSlot AEGP_CheckMarkMenuCommand;
        A_Err (*AEGP_DoCommand)(AEGP_Command command);
    } AEGP_CommandSuite1;

} // extern "C"
