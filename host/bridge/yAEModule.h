// What the module records about itself when it is loaded: its own handle and
// the host window that was active then. Written once at load, read after.
#pragma once

#include <string>

namespace yAE
{
void RecordModuleLoad(void* module, void* hostWindow);
void* ModuleHandle();
void* HostWindow();
// The full path of the module file.
std::string ModuleFilePath();
} // namespace yAE
