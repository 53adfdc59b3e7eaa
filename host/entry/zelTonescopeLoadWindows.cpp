// Loading on Windows: the loader hands the module its handle here; the entry
// point is exported as "main" by zelTonescope.def.
#include "host/bridge/yAEModule.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        // No thread notifications: the module keeps no per-thread state.
        DisableThreadLibraryCalls(instance);
        yAE::RecordModuleLoad(instance, nullptr);
    }
    return TRUE;
}
