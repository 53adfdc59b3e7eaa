// Loading on POSIX: the module's handle is recorded by a constructor, and the
// entry point is exported under the name "main".
#include "host/bridge/yAEModule.h"
#include "host/sdk/AE_Effect.h"

#include <dlfcn.h>

namespace
{
// There is no host window to record on POSIX.
__attribute__((constructor)) void RecordLoad()
{
    Dl_info info = {};
    void* module = dladdr(reinterpret_cast<void*>(&RecordLoad), &info) ? info.dli_fbase : nullptr;
    yAE::RecordModuleLoad(module, nullptr);
}
} // namespace

extern "C" PF_Err zelTonescopeEntry(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                    PF_ParamDef* params[], PF_LayerDef* output, void* extra);

// The assembler can alias only a symbol of its own file, so "main" is set to
// this forwarder, a function symbol of default visibility.
extern "C" PF_Err zelTonescopeExportedEntry(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                            PF_ParamDef* params[], PF_LayerDef* output, void* extra)
{
    return zelTonescopeEntry(cmd, in_data, out_data, params, output, extra);
}

asm(".globl main\n"
    ".type main, @function\n"
    ".set main, zelTonescopeExportedEntry\n");
