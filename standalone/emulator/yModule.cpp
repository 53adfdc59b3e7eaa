#include "standalone/emulator/yModule.h"

#include "standalone/emulator/yModuleOS.h"
#include "standalone/emulator/yQuoted.h"

namespace yStandalone
{
namespace
{
// A 64-bit Windows host calls only the "8664" entry and a 32-bit one only
// "wx86", as the real hosts do; elsewhere both are served, "8664" first.
bool ChooseInterface(const yPropertyList& list, const std::string& path, yProfile& profile,
                     std::string& entry, std::string& error)
{
#if defined(_WIN32) && !defined(_WIN64)
    const bool take64 = false, take32 = true;
#elif defined(_WIN32)
    const bool take64 = true, take32 = false;
#else
    const bool take64 = true, take32 = true;
#endif
    if (take64 && !list.entryPoint64.empty())
    {
        profile = yProfile::Current;
        entry = list.entryPoint64;
        return true;
    }
    if (take32 && !list.entryPoint32.empty())
    {
        profile = yProfile::Legacy;
        entry = list.entryPoint32;
        return true;
    }
    error =
        take64
            ? "The module " + path +
                  " names no entry point for 64-bit hosts (\"8664\"): it is built for the legacy 32-bit "
                  "hosts."
            : "The module " + path +
                  " names no entry point for 32-bit hosts (\"wx86\"): it is built for today's 64-bit hosts.";
    return false;
}
} // namespace

const char* ProfileName(yProfile profile)
{
    return profile == yProfile::Current ? "current" : "legacy";
}

yModule::~yModule()
{
    Unload();
}

bool yModule::Load(const std::string& path, std::string& error)
{
    Unload();
    m_path = path;
    if (!yPropertyList::Read(path, m_properties, error)) return false;
    if (!ChooseInterface(m_properties, path, m_profile, m_entryPoint, error)) return false;

    std::string reason;
    m_library = OpenLibrary(path, reason);
    if (!m_library)
    {
        error = "The module " + path + " cannot be loaded: " + reason + ".";
        return false;
    }
    void* symbol = Symbol(m_entryPoint.c_str());
    if (!symbol)
    {
        error = "The module " + path + " does not export its entry point " + Quoted(m_entryPoint) + ".";
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
} // namespace yStandalone
