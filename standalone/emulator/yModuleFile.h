// A module file read as data: its resources are found in the file itself (an
// ELF section, or a Windows library's resources), so that a module is checked
// before any of its code is loaded.
#pragma once

#include <cstddef>
#include <cstdint>
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
    // section read whole on POSIX, the resources one by one on Windows.
    bool ReadResources(const std::string& path, std::string& error);
    // The resource directory at the start of a section read whole.
    bool ReadDirectory(std::string& error);
    // True when [offset, offset + size) lies inside a range of total bytes.
    static bool Inside(uint64_t offset, uint64_t size, uint64_t total)
    {
        return offset <= total && size <= total - offset;
    }

    std::string m_path;
    // Bytes the file fills at once: resizing does not clear them first.
    struct yUncleared : std::allocator<uint8_t>
    {
        template <class U> struct rebind
        {
            using other = yUncleared;
        };
        void construct(uint8_t*) {}
        template <class... Args> void construct(uint8_t* p, Args&&... args) { *p = uint8_t(args...); }
    };
    std::vector<uint8_t, yUncleared> m_section;
    std::vector<Entry> m_entries;
};
} // namespace yStandalone
