#include "standalone/yModule.h"

#include "standalone/yQuoted.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace yHost
{
namespace
{
// The system's own words for the last error, without its line break.
std::string LastError()
{
    char text[256] = {};
    const DWORD code = GetLastError();
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                             sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' || text[n - 1] == '.' || text[n - 1] == ' '))
        text[--n] = 0;
    return n > 0 ? std::string(text, n) : "error " + std::to_string(code);
}
} // namespace

yModule::~yModule()
{
    Unload();
}

bool yModule::Load(const std::string& path, std::string& error)
{
    Unload();
    m_path = path;
    if (!yPropertyList::Read(path, m_properties, error)) return false;

    // No dialog box from the loader when the library or one it needs is missing.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    m_library = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetErrorMode(oldMode);
    if (!m_library)
    {
        error = "The module " + path + " cannot be loaded: " + LastError() + ".";
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
    if (m_library) FreeLibrary(static_cast<HMODULE>(m_library));
    m_library = nullptr;
}

void* yModule::Symbol(const char* name) const
{
    return m_library && name ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_library), name))
                             : nullptr;
}
} // namespace yHost
