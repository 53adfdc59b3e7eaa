// A loaded effect module: its property list, checked before any of its code
// runs, and the entry point the list names.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "standalone/emulator/yProfile.h"
#include "standalone/emulator/yPropertyList.h"

#include <string>

namespace yStandalone
{
class yModule
{
  public:
    yModule() = default;
    ~yModule();
    yModule(const yModule&) = delete;
    yModule& operator=(const yModule&) = delete;

    // Reads and checks the property list, then loads the library and finds
    // its entry point. On failure returns false with one sentence in error.
    bool Load(const std::string& path, std::string& error);
    void Unload();

    bool IsLoaded() const { return m_entry != nullptr; }
    const std::string& Path() const { return m_path; }
    const yPropertyList& Properties() const { return m_properties; }
    // The interface the module speaks, from the entry property this host took.
    yProfile Profile() const { return m_profile; }
    const std::string& EntryPoint() const { return m_entryPoint; }
    PF_FilterProc Entry() const { return m_entry; }
    // Another function the loaded module exports, or null.
    void* Symbol(const char* name) const;

  private:
    std::string m_path;
    yPropertyList m_properties;
    yProfile m_profile = yProfile::Current;
    std::string m_entryPoint;
    void* m_library = nullptr;
    PF_FilterProc m_entry = nullptr;
};
} // namespace yStandalone
