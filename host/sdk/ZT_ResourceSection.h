// The module's resources on POSIX: one ELF section named "zelrsrc" holding a
// small directory followed by the data. The module reads it through the
// linker's __start_/__stop_ symbols; a host reads it from the file before it
// loads any code. All numbers are little-endian 32-bit words.
#pragma once

#include <cstdint>

namespace ZT_Resources
{
// The section's name; also the stem of the linker's start and stop symbols.
inline constexpr char kSectionName[] = "zelrsrc";
// First word of the section: 'Z' 'R' 'S' 'C' in file order.
inline constexpr uint32_t kMagic = 0x4353525A;
inline constexpr uint32_t kVersion = 1;

// Four-character resource types, stored as little-endian words so that their
// bytes read reversed in the file, as the property list's codes do.
constexpr uint32_t FourCC(char a, char b, char c, char d)
{
    return (uint32_t(uint8_t(a)) << 24) | (uint32_t(uint8_t(b)) << 16) | (uint32_t(uint8_t(c)) << 8) |
           uint32_t(uint8_t(d));
}
inline constexpr uint32_t kTypePIPL = FourCC('P', 'I', 'P', 'L');
inline constexpr uint32_t kTypeBitmap = FourCC('B', 'M', 'P', ' ');
inline constexpr uint32_t kTypeFont = FourCC('F', 'O', 'N', 'T');

struct Header
{
    uint32_t magic;   // kMagic
    uint32_t version; // kVersion
    uint32_t count;   // number of Entry records that follow
};

struct Entry
{
    uint32_t type;     // a four-character code
    uint32_t number;   // the resource number (16000 for the property list)
    uint32_t language; // 1033 for the property list, 0 otherwise
    uint32_t size;     // bytes of data
    uint32_t offset;   // from the start of the section
};

static_assert(sizeof(Header) == 12 && sizeof(Entry) == 20, "the directory is packed words");
} // namespace ZT_Resources
