// Where the program looks for the files it comes with when none is named:
// beside itself (a build folder), or in the library folder of its install
// (PREFIX/lib/tonescope beside PREFIX/bin).
#pragma once

#include <string>

namespace yStandalone
{
// zelTonescope.so on Linux, zelTonescope.aex on 64-bit Windows and
// zelTonescopeLegacy.aex on 32-bit Windows.
extern const char* const kModuleFileName;

// The running program's folder, ending with a separator; empty when the
// program cannot tell where it is.
std::string ProgramFolder();
// The first of the program's folder and its install's library folder that
// holds the file; the one beside the program when neither does.
std::string BesideProgram(const std::string& fileName);
// The module that comes with the program.
inline std::string ModuleBesideProgram()
{
    return BesideProgram(kModuleFileName);
}
} // namespace yStandalone
