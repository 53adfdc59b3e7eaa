#include "standalone/yModule.h"

#include "standalone/yModuleOS.h"
#include "standalone/yQuoted.h"

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

    std::string reason;
    m_library = OpenLibrary(path, reason);
    if (!m_library)
    {
        error = "The module " + path + " cannot be loaded: " + reason + ".";
        return false;
    }
    void* symbol = Symbol(m_properties.entryPoint.c_str());
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
    if (m_library) CloseLibrary(m_library);
    m_library = nullptr;
}

void* yModule::Symbol(const char* name) const
{
    return m_library && name ? FindSymbol(m_library, name) : nullptr;
}
} // namespace yHost
