// Where the program looks for the module when none is named: the file
// installed beside the program itself.
#pragma once

#include <string>

namespace yStandalone
{
// zelTonescope.so on Linux, zelTonescope.aex on 64-bit Windows and
// zelTonescopeLegacy.aex on 32-bit Windows.
extern const char* const kModuleFileName;

// The module's path in the running program's folder; the bare file name
// when the program cannot tell where it is.
std::string ModuleBesideProgram();
} // namespace yStandalone
