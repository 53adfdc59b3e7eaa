// The texts the bridge writes into the host's return message.
#pragma once

#include "host/sdk/AE_Effect.h"

namespace yAE
{
constexpr const char* kErrorTitle = "Brindle Error";
constexpr const char* kSupportAddress = "support@zel-tonescope.example";
constexpr const char* kSupportFooter =
    "\n\nPlease contact technical support for help: support@zel-tonescope.example.";

// out_data->return_msg := "<title>:\n<plugin>: <function>: <message> <footer>",
// formatted by the host's ansi sprintf. Nothing without out_data; texts too
// long for the message are cut so that it always fits.
void WriteErrorMessage(const PF_InData* in_data, PF_OutData* out_data, const char* pluginName,
                       const char* function, const char* message);
// out_data->return_msg := "<title>:\n<text>", cut to fit.
void WriteMessage(const PF_InData* in_data, PF_OutData* out_data, const char* title, const char* text);
} // namespace yAE
