#include "standalone/emulator/yModuleOS.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace yStandalone
{
namespace
{
// The system's own words for the last error, without its line break.
std::string LastError()
{
    char text[256] = {};
    const DWORD code = GetLastError();
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                             sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' || text[n - 1] == '.' || text[n - 1] == ' '))
        text[--n] = 0;
    return n > 0 ? std::string(text, n) : "error " + std::to_string(code);
}
} // namespace

void* OpenLibrary(const std::string& path, std::string& reason)
{
    // No dialog box from the loader when the library or one it needs is missing.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetErrorMode(oldMode);
    if (!library) reason = LastError();
    return library;
}

void CloseLibrary(void* library)
{
    FreeLibrary(static_cast<HMODULE>(library));
}

void* FindSymbol(void* library, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}
} // namespace yStandalone
