// The module's resources on POSIX: the ELF section read as data.
#include "standalone/emulator/yModuleFile.h"

#include "host/sdk/ZT_ResourceSection.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <elf.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace yStandalone
{
namespace
{
// Bigger sections than this are taken for damage, not for a module.
constexpr uint64_t kMaxSectionSize = uint64_t(1) << 30;

class yReadOnlyFile
{
  public:
    explicit yReadOnlyFile(const std::string& path) : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~yReadOnlyFile()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    yReadOnlyFile(const yReadOnlyFile&) = delete;
    yReadOnlyFile& operator=(const yReadOnlyFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Descriptor() const { return m_fd; }

    // Reads exactly size bytes at offset; false when the file is shorter.
    bool ReadAt(uint64_t offset, void* out, uint64_t size) const
    {
        auto* p = static_cast<char*>(out);
        while (size > 0)
        {
            const ssize_t got = ::pread(m_fd, p, size_t(size), off_t(offset));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;
            p += got;
            offset += uint64_t(got);
            size -= uint64_t(got);
        }
        return true;
    }

  private:
    int m_fd;
};
} // namespace

bool yModuleFile::ReadResources(const std::string& path, std::string& error)
{
    yReadOnlyFile file(path);
    if (!file.IsOpen())
    {
        error = "Cannot open the module " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    struct stat info
    {
    };
    if (::fstat(file.Descriptor(), &info) != 0 || !S_ISREG(info.st_mode))
    {
        error = "The module " + path + " is not a regular file.";
        return false;
    }
    const uint64_t fileSize = uint64_t(info.st_size);

    Elf64_Ehdr header{};
    if (fileSize < EI_NIDENT || !file.ReadAt(0, header.e_ident, EI_NIDENT) ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
    {
        error = "The module " + path + " is not a shared library (it has no ELF header).";
        return false;
    }
    if (header.e_ident[EI_CLASS] == ELFCLASS32)
    {
        error = "The module " + path +
                " is a 32-bit library; this tonescope is 64-bit and loads only 64-bit modules.";
        return false;
    }
    if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB)
    {
        error = "The module " + path + " is not a 64-bit little-endian shared library.";
        return false;
    }
    if (fileSize < sizeof header || !file.ReadAt(0, &header, sizeof header))
    {
        error = "The module " + path + " is truncated inside its ELF header.";
        return false;
    }
    if (header.e_type != ET_DYN)
    {
        error = "The module " + path + " is an ELF file but not a shared library.";
        return false;
    }

    // The section table and the table of section names.
    uint64_t count = header.e_shnum;
    uint64_t namesIndex = header.e_shstrndx;
    if (header.e_shoff == 0 || header.e_shentsize != sizeof(Elf64_Shdr))
    {
        error = "The module " + path + " has no usable section table.";
        return false;
    }
    Elf64_Shdr first{};
    if (!Inside(header.e_shoff, sizeof first, fileSize) || !file.ReadAt(header.e_shoff, &first, sizeof first))
    {
        error = "The module " + path + " is truncated: its section table lies past the end of the file.";
        return false;
    }
    // Very large tables keep their real sizes in the first entry.
    if (count == 0) count = first.sh_size;
    if (namesIndex == SHN_XINDEX) namesIndex = first.sh_link;
    if (count > fileSize / sizeof(Elf64_Shdr) ||
        !Inside(header.e_shoff, count * sizeof(Elf64_Shdr), fileSize))
    {
        error = "The module " + path + " is truncated: its section table lies past the end of the file.";
        return false;
    }
    std::vector<Elf64_Shdr> sections(count);
    if (!file.ReadAt(header.e_shoff, sections.data(), count * sizeof(Elf64_Shdr)))
    {
        error = "The module " + path + " cannot be read.";
        return false;
    }
    if (namesIndex >= count || sections[namesIndex].sh_type == SHT_NOBITS ||
        !Inside(sections[namesIndex].sh_offset, sections[namesIndex].sh_size, fileSize) ||
        sections[namesIndex].sh_size > kMaxSectionSize)
    {
        error = "The module " + path + " has a damaged table of section names.";
        return false;
    }
    std::vector<char> names(sections[namesIndex].sh_size);
    if (!file.ReadAt(sections[namesIndex].sh_offset, names.data(), names.size()))
    {
        error = "The module " + path + " cannot be read.";
        return false;
    }

    const size_t wantedLength = sizeof ZT_Resources::kSectionName; // with its terminator
    for (const Elf64_Shdr& section : sections)
    {
        if (section.sh_name >= names.size() || names.size() - section.sh_name < wantedLength ||
            std::memcmp(&names[section.sh_name], ZT_Resources::kSectionName, wantedLength) != 0)
            continue;
        if (section.sh_type == SHT_NOBITS || !Inside(section.sh_offset, section.sh_size, fileSize) ||
            section.sh_size > kMaxSectionSize)
        {
            error =
                "The module " + path + " is truncated: its resource section lies past the end of the file.";
            return false;
        }
        // Mapped from the page the section starts in; an empty one has no directory.
        if (section.sh_size == 0) return ReadDirectory(error);
        const uint64_t page = uint64_t(::sysconf(_SC_PAGESIZE));
        const uint64_t start = section.sh_offset / page * page, lead = section.sh_offset - start;
        const size_t length = size_t(lead + section.sh_size);
        void* mapped = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE, file.Descriptor(), off_t(start));
        if (mapped == MAP_FAILED)
        {
            error = "The module " + path + " cannot be read.";
            return false;
        }
        m_keep = std::shared_ptr<const void>(mapped, [length](const void* p) { ::munmap(const_cast<void*>(p), length); });
        m_section = static_cast<const uint8_t*>(mapped) + lead;
        m_sectionSize = size_t(section.sh_size);
        return ReadDirectory(error);
    }
    error = "The module " + path + " has no resource section \"" + ZT_Resources::kSectionName +
            "\", so it is not an effect module of this kind.";
    return false;
}
} // namespace yStandalone
