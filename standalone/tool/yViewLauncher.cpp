#include "standalone/tool/yViewLauncher.h"

#include "standalone/emulator/yModuleBeside.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include <string>

namespace yStandalone
{
void RunViewerProgram(char** argv)
{
#if !defined(_WIN32)
    const std::string viewer = BesideProgram("tonescope-view");
    if (::access(viewer.c_str(), X_OK) != 0) return;
    // argv[0] stays: the user ran tonescope.
    ::execv(viewer.c_str(), argv);
#else
    (void)argv;
#endif
}
} // namespace yStandalone
