// Win32 for the Windows platform layer. Internal to the layer.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commdlg.h>

// The headers map these names to their ANSI functions; the platform
// interface uses the same names for its own functions.
#undef FindResource
#undef DrawText
#undef ChooseColor

namespace yPlatform
{
// The module that holds this code, recorded when it is loaded, before any of
// its code is called: the resource and path calls look in it.
HMODULE ModuleHandle();
} // namespace yPlatform
