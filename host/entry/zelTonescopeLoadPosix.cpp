// Loading on POSIX: the module's handle is recorded by a constructor, and the
// entry point is exported under the name "main".
#include "host/bridge/yAEModule.h"

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

// Export the entry point as "main", a function symbol of default visibility.
asm(".globl main\n"
    ".type main, @function\n"
    ".set main, zelTonescopeEntry\n");
