// The module's entry point. The host finds it by the name "main" in the
// property list and calls it once per command. A C++ function may not be
// called main outside a program, so the work is done under another name and
// each platform's load file exports it as "main".
#include "host/bridge/yAEMessages.h"
#include "host/bridge/yAEModule.h"
#include "effect/plugin/zelTonescopePlugin.h"

#include <memory>
#include <new>

namespace
{
PF_Err OutOfMemory(PF_InData* in_data, PF_OutData* out_data)
{
    if (in_data && out_data)
        yAE::WriteErrorMessage(in_data, out_data, zelTonescope::kPluginName, "Main", "Out of Memory");
    return PF_Err_OUT_OF_MEMORY;
}
} // namespace

extern "C" PF_Err zelTonescopeEntry(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                    PF_ParamDef* params[], PF_LayerDef* output, void* extra)
{
    // The plug-in object lives for this one call, whichever way it ends.
    std::unique_ptr<zelTonescope::zelTonescopePlugin> plugin;
    try
    {
        plugin.reset(new (std::nothrow) zelTonescope::zelTonescopePlugin);
    }
    catch (...)
    {
        return OutOfMemory(in_data, out_data);
    }
    if (!plugin) return PF_Err_OUT_OF_MEMORY;

    try
    {
        plugin->SetPluginName(zelTonescope::kPluginName);
        plugin->Main(cmd, in_data, out_data, params, output, extra);
        return plugin->err;
    }
    catch (...)
    {
        // Nothing may cross into the host; memory is what runs out in practice.
        return OutOfMemory(in_data, out_data);
    }
}
