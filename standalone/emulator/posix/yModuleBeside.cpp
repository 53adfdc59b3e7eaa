#include "standalone/emulator/yModuleBeside.h"

#include <climits>
#include <unistd.h>

namespace yStandalone
{
const char* const kModuleFileName = "zelTonescope.so";

std::string ProgramFolder()
{
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return "";
    std::string folder(self, size_t(length));
    folder.erase(folder.find_last_of('/') + 1);
    return folder;
}
} // namespace yStandalone
