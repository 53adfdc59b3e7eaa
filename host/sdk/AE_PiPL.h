// The plug-in property list: the resource a host reads before it loads a
// module's code. A 16-bit 1, a 32-bit version 0 and a 32-bit count, then each
// property as vendor, key, id 0, the length of its value and the value
// padded with zeros to a multiple of 4. Codes are 32-bit little-endian words,
// so their characters read backwards in the file.
#pragma once

#include <cstdint>

namespace AE_PiPL
{
// The four characters of a code as the word that stands for them.
constexpr uint32_t Code(const char (&text)[5])
{
    return (uint32_t(uint8_t(text[0])) << 24) | (uint32_t(uint8_t(text[1])) << 16) |
           (uint32_t(uint8_t(text[2])) << 8) | uint32_t(uint8_t(text[3]));
}

constexpr uint32_t kResourceNumber = 16000;
constexpr uint32_t kLanguage = 1033;
constexpr uint32_t kVendor = Code("8BIM");

constexpr uint32_t kKind = Code("kind");
constexpr uint32_t kKindEffect = Code("eFKT");
constexpr uint32_t kName = Code("name");     // length byte and text
constexpr uint32_t kCategory = Code("catg"); // length byte and text
// The entry point's name, a C string, for a 32-bit Windows module ...
constexpr uint32_t kCodeWin32X86 = Code("wx86");
// ... and for a 64-bit one.
constexpr uint32_t kCodeWin64X86 = Code("8664");
constexpr uint32_t kPiPLVersion = Code("ePVR");      // two 16-bit halves
constexpr uint32_t kInterfaceVersion = Code("eSVR"); // two 16-bit halves
constexpr uint32_t kEffectVersion = Code("eVER");
constexpr uint32_t kInfoFlags = Code("eINF"); // 16 bits
constexpr uint32_t kOutFlags = Code("eGLO");
constexpr uint32_t kOutFlags2 = Code("eGL2");
constexpr uint32_t kMatchName = Code("eMNA"); // length byte and text
constexpr uint32_t kReservedInfo = Code("aeFL");
} // namespace AE_PiPL
