// A module file read as data: its resources are found in the file itself (an
// ELF section, or a Windows library's resources), so that a module is checked
// before any of its code is loaded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace yStandalone
{
struct yResourceView
{
    const uint8_t* bytes = nullptr; // null when the resource does not exist
    size_t size = 0;
};

class yModuleFile
{
  public:
    // Reads the resource section of the shared library at path. On failure
    // returns false and error holds one sentence that names the file.
    bool Open(const std::string& path, std::string& error);

    // Language 0 matches any language.
    yResourceView Find(uint32_t type, uint32_t number, uint32_t language = 0) const;

    size_t ResourceCount() const { return m_entries.size(); }
    const std::string& Path() const { return m_path; }

  private:
    struct Entry
    {
        uint32_t type, number, language, size, offset;
    };

    // Fills the section and its entries from the library at path: the ELF
    // section mapped on POSIX, the resources read one by one on Windows.
    bool ReadResources(const std::string& path, std::string& error);
    // The resource directory at the start of the section.
    bool ReadDirectory(std::string& error);
    void Clear();
    // True when [offset, offset + size) lies inside a range of total bytes.
    static bool Inside(uint64_t offset, uint64_t size, uint64_t total)
    {
        return offset <= total && size <= total - offset;
    }

    std::string m_path;
    // The section's bytes: mapped from the file on POSIX, so that only the
    // pages read are loaded (the fonts and artwork are most of it, and the
    // host reads the property list alone); gathered resource by resource on
    // Windows. m_keep owns what m_section points into.
    const uint8_t* m_section = nullptr;
    size_t m_sectionSize = 0;
    std::shared_ptr<const void> m_keep;
    std::vector<Entry> m_entries;
};
} // namespace yStandalone
