#include "standalone/emulator/yModuleOS.h"

#include <dlfcn.h>

namespace yStandalone
{
void* OpenLibrary(const std::string& path, std::string& reason)
{
    // A path without a slash would be searched for along the library path.
    const std::string where = path.find('/') == std::string::npos ? "./" + path : path;
    void* library = ::dlopen(where.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library) return library;
    const char* why = ::dlerror();
    reason = why ? why : "unknown reason";
    return nullptr;
}

void CloseLibrary(void* library)
{
    ::dlclose(library);
}

void* FindSymbol(void* library, const char* name)
{
    return ::dlsym(library, name);
}
} // namespace yStandalone
