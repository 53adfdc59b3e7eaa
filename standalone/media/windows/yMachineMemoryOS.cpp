// Windows reports the physical memory free to take and the room left in the
// process's address space.
#include "standalone/media/yMachineMemory.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>

namespace yStandalone
{
uint64_t AvailableMemory()
{
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return 0;
    return std::min<uint64_t>(status.ullAvailPhys, status.ullAvailVirtual);
}
} // namespace yStandalone
