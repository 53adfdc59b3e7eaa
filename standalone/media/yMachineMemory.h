// The memory a run may still take, for sizing its work to fit.
#pragma once

#include <cstdint>

namespace yStandalone
{
// Bytes the system can give without swapping, less what a limit on this
// process withholds; 0 when unknown. posix/ or windows/yMachineMemoryOS.cpp.
uint64_t AvailableMemory();
} // namespace yStandalone
