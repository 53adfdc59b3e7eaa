// The texts the bridge writes into the host's return message.
#pragma once

#include "host/sdk/AE_Effect.h"

namespace yAE
{
constexpr const char* kErrorTitle = "Brindle Error";
constexpr const char* kSupportAddress = "support@zel-tonescope.example";
constexpr const char* kSupportFooter =
    "\n\nPlease contact technical support for help: support@zel-tonescope.example.";

// What the error message says of a suite the host does not serve at the
// version this interface asks for.
#if defined(TONESCOPE_PROFILE_CURRENT)
constexpr const char* kNoHandleSuite = "Could not load PF_HandleSuite1.";
constexpr const char* kNoUtilitySuite = "Could not load AEGP_UtilitySuite6.";
constexpr const char* kNoFillMatteSuite = "Could not load PF_FillMatteSuite2";
constexpr const char* kNoAdvAppSuite = "Could not load PF_AdvAppSuite2";
constexpr const char* kNoParamUtilsSuite = "Could not load PF_ParamUtilsSuite3";
#else
constexpr const char* kNoHandleSuite = "Could not load PF_HandleSuite1.";
constexpr const char* kNoUtilitySuite = "Could not load AEGP_UtilitySuite2.";
constexpr const char* kNoFillMatteSuite = "Could not load PF_FillMatteSuite1";
constexpr const char* kNoAdvAppSuite = "Could not load PF_AdvAppSuite1";
constexpr const char* kNoParamUtilsSuite = "Could not load PF_ParamUtilsSuite1";
#endif
constexpr const char* kNoWorldTransformSuite = "Could not load PF_WorldTransformSuite1";
constexpr const char* kNoCommandSuite = "Unable to load AEGP_CommandSuite1";
// Today's hosts only: the window of a draw event cannot be drawn in.
constexpr const char* kNoDrawingSuites =
    "Could not draw through PF_EffectCustomUISuite1 and the Drawbot suites";

// out_data->return_msg := "<title>:\n<plugin>: <function>: <message> <footer>",
// formatted by the host's ansi sprintf. Nothing without out_data; texts too
// long for the message are cut so that it always fits.
void WriteErrorMessage(const PF_InData* in_data, PF_OutData* out_data, const char* pluginName,
                       const char* function, const char* message);
// out_data->return_msg := "<title>:\n<text>", cut to fit.
void WriteMessage(const PF_InData* in_data, PF_OutData* out_data, const char* title, const char* text);
} // namespace yAE
