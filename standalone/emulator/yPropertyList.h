// The module's plug-in property list ("PIPL" 16000): what the host learns about
// an effect before it loads it, most of all the name of its entry point.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace yStandalone
{
// Four-character codes read as big-endian words, so 'eFKT' == FourCode("eFKT").
constexpr uint32_t FourCode(const char (&code)[5])
{
    return (uint32_t(uint8_t(code[0])) << 24) | (uint32_t(uint8_t(code[1])) << 16) |
           (uint32_t(uint8_t(code[2])) << 8) | uint32_t(uint8_t(code[3]));
}
std::string FourCodeText(uint32_t code);

inline constexpr uint32_t kPropertyListType = FourCode("PIPL");
inline constexpr uint32_t kPropertyListNumber = 16000;
inline constexpr uint32_t kPropertyListLanguage = 1033;
inline constexpr uint32_t kEffectKind = FourCode("eFKT");

struct yPropertyList
{
    uint32_t kind = 0;
    std::string name;
    std::string category;
    std::string matchName;
    std::string entryPoint32;      // "wx86": the entry point for 32-bit Windows hosts
    std::string entryPoint64;      // "8664": the entry point for 64-bit Windows hosts
    uint16_t listVersionMajor = 0; // "ePVR"
    uint16_t listVersionMinor = 0;
    uint16_t specVersionMajor = 0; // "eSVR"
    uint16_t specVersionMinor = 0;
    uint32_t effectVersion = 0; // "eVER", packed as the module's my_version
    uint32_t infoFlags = 0;     // "eINF"
    uint32_t outFlags = 0;      // "eGLO"
    uint32_t outFlags2 = 0;     // "eGL2"
    uint32_t reservedInfo = 0;  // "aeFL"
    std::vector<uint32_t> keys; // every property's key, in file order

    bool Has(uint32_t key) const;

    // Parses and checks a property list. An effect's list must declare the
    // kind "eFKT", a name and an entry point (for either kind of host); every property must lie inside
    // the data and the fixed-size ones must have their size. On failure
    // returns false with one sentence in error.
    static bool Parse(const uint8_t* data, size_t size, yPropertyList& out, std::string& error);

    // Reads the property list from a module file without loading its code.
    static bool Read(const std::string& modulePath, yPropertyList& out, std::string& error);

  private:
    // As Parse, with error a clause that follows "The property list ".
    static bool Check(const uint8_t* data, size_t size, yPropertyList& out, std::string& error);
};

// The host's packed version word: major, minor, release stage, bug fix, build.
std::string VersionText(uint32_t packed);
} // namespace yStandalone
