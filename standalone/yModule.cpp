#include "standalone/yModule.h"

#include "standalone/yQuoted.h"

#include <dlfcn.h>

namespace yHost
{
yModule::~yModule()
{
    Unload();
}

bool yModule::Load(const std::string& path, std::string& error)
{
    Unload();
    m_path = path;
    if (!yPropertyList::Read(path, m_properties, error)) return false;

    // A path without a slash would be searched for along the library path.
    const std::string where = path.find('/') == std::string::npos ? "./" + path : path;
    m_library = ::dlopen(where.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_library)
    {
        const char* why = ::dlerror();
        error = "The module " + path + " cannot be loaded: " + (why ? why : "unknown reason") + ".";
        return false;
    }
    ::dlerror();
    void* symbol = ::dlsym(m_library, m_properties.entryPoint.c_str());
    if (!symbol)
    {
        error =
            "The module " + path + " does not export its entry point " + Quoted(m_properties.entryPoint) + ".";
        Unload();
        return false;
    }
    m_entry = reinterpret_cast<PF_FilterProc>(symbol);
    return true;
}

void yModule::Unload()
{
    m_entry = nullptr;
    if (m_library) ::dlclose(m_library);
    m_library = nullptr;
}
void* yModule::Symbol(const char* name) const
{
    return m_library && name ? ::dlsym(m_library, name) : nullptr;
}
} // namespace yHost
