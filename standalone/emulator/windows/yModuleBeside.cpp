#include "standalone/emulator/yModuleBeside.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace yStandalone
{
// A 32-bit host loads the legacy interface's 32-bit module.
#if defined(_WIN64)
const char* const kModuleFileName = "zelTonescope.aex";
#else
const char* const kModuleFileName = "zelTonescopeLegacy.aex";
#endif

std::string ProgramFolder()
{
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "";
    std::string folder(self, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder;
}
} // namespace yStandalone
