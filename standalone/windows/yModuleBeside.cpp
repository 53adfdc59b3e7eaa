#include "standalone/yModuleBeside.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace yHost
{
const char* const kModuleFileName = "zelTonescope.aex";

std::string ModuleBesideProgram()
{
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return kModuleFileName;
    std::string folder(self, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + kModuleFileName;
}
} // namespace yHost
