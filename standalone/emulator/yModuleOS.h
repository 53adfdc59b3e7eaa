// What yModule asks of the system's loader: dlopen on POSIX (posix/),
// LoadLibrary on Windows (windows/).
#pragma once

#include <string>

namespace yStandalone
{
// Loads the library at path with its code; null with the loader's own words
// in reason (no full stop) when it cannot.
void* OpenLibrary(const std::string& path, std::string& reason);
void CloseLibrary(void* library);
// A function or object the library exports, or null.
void* FindSymbol(void* library, const char* name);
} // namespace yStandalone
