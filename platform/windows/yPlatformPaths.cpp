// Folders, the module's own path and the date on Windows.
#include "platform/yPlatform.h"
#include "platform/windows/yWin32.h"

#include <shlobj.h>

#include <ctime>

namespace yPlatform
{
namespace
{
std::string AsFolder(std::string path)
{
    if (path.empty() || path.back() != kPathSeparator)
        path += kPathSeparator;
    return path;
}
} // namespace

std::string DesktopPath()
{
    char path[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK)
        return AsFolder(path);
    return AsFolder(".");
}

std::string SystemFolder()
{
    char path[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryA(path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? AsFolder(std::string(path, n)) : std::string();
}

std::string ModulePath()
{
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(ModuleHandle(), path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string();
}

void LocalDate(int& year, int& month, int& day)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    year = now.wYear;
    month = now.wMonth;
    day = now.wDay;
}
} // namespace yPlatform
