// Folders, the module's own path and the date on POSIX.
#include "platform/yPlatform.h"

#include <climits>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace yPlatform
{
namespace
{
bool IsDirectory(std::string const& path)
{
    struct stat st{};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string AsFolder(std::string path)
{
    if (path.empty() || path.back() != kPathSeparator)
        path += kPathSeparator;
    return path;
}

std::string RealPath(char const* path)
{
    char resolved[PATH_MAX];
    return path && *path && realpath(path, resolved) ? std::string(resolved) : std::string();
}
} // namespace

std::string DesktopPath()
{
    char const* home = std::getenv("HOME");
    if (!home || !*home)
        return std::string(1, kPathSeparator);
    const std::string folder = AsFolder(home);
    const std::string desktop = folder + "Desktop";
    return IsDirectory(desktop) ? AsFolder(desktop) : folder;
}

std::string SystemFolder()
{
    // Where system-wide settings live here, the nearest match to Windows'
    // system folder that the preferences path stands on.
    return "/etc/";
}

std::string ModulePath()
{
    Dl_info info{};
    // Any function of this module identifies the object that holds it.
    if (dladdr(reinterpret_cast<void*>(&ModulePath), &info) == 0 || !info.dli_fname)
        return RealPath("/proc/self/exe");
    // The main program is reported by the name it was started with, which
    // need not be a path at all; the kernel knows the real one.
    char const* name = info.dli_fname;
    if (*name == 0 || std::strcmp(name, program_invocation_name) == 0)
        return RealPath("/proc/self/exe");
    const std::string path = RealPath(name);
    return path.empty() ? std::string(name) : path;
}

void LocalDate(int& year, int& month, int& day)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    year = local.tm_year + 1900;
    month = local.tm_mon + 1;
    day = local.tm_mday;
}
} // namespace yPlatform
