#include "resources/pipl/zelPipl.h"

#include "host/sdk/AE_ProfileCurrent.h"
#include "host/sdk/AE_ProfileLegacy.h"

namespace zelPipl
{
namespace
{
using AE_PiPL::Code;

// What differs between the interfaces: the entry point's property, the
// interface version and the flags the module announces at global set-up.
struct Interface
{
    uint32_t entryKey;
    uint16_t major, minor;
    uint32_t outFlags, outFlags2;
};
constexpr Interface kLegacy{ae_legacy::kEntryPointKey, ae_legacy::kInterfaceMajor, ae_legacy::kInterfaceMinor,
                            0x06088013, 0x00000008};
constexpr Interface kCurrent{ae_current::kEntryPointKey, ae_current::kInterfaceMajor,
                             ae_current::kInterfaceMinor, 0x06008010, 0x00000000};

class Writer
{
  public:
    void U16(uint16_t v)
    {
        m_bytes.push_back(uint8_t(v));
        m_bytes.push_back(uint8_t(v >> 8));
    }
    void U32(uint32_t v)
    {
        U16(uint16_t(v));
        U16(uint16_t(v >> 16));
    }
    void Property(uint32_t key, const std::vector<uint8_t>& value)
    {
        U32(AE_PiPL::kVendor);
        U32(key);
        U32(0);
        U32(uint32_t(value.size()));
        for (uint8_t b : value)
            m_bytes.push_back(b);
        for (size_t padded = value.size(); padded % 4 != 0; ++padded)
            m_bytes.push_back(0);
    }
    std::vector<uint8_t> Take() { return std::move(m_bytes); }

  private:
    std::vector<uint8_t> m_bytes;
};

std::vector<uint8_t> Word(uint32_t v)
{
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

std::vector<uint8_t> Halves(uint16_t first, uint16_t second)
{
    return {uint8_t(first), uint8_t(first >> 8), uint8_t(second), uint8_t(second >> 8)};
}

// One length byte, then the characters.
std::vector<uint8_t> Pascal(const std::string& text)
{
    std::vector<uint8_t> bytes(1, uint8_t(text.size()));
    for (char c : text)
        bytes.push_back(uint8_t(c));
    return bytes;
}

// The characters and their terminating zero.
std::vector<uint8_t> CString(const std::string& text)
{
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}
} // namespace

bool ProfileNamed(const std::string& name, Profile& profile)
{
    if (name == ae_legacy::kName)
        profile = Profile::Legacy;
    else if (name == ae_current::kName)
        profile = Profile::Current;
    else
        return false;
    return true;
}

std::vector<uint8_t> Build(Profile profile)
{
    const Interface& face = profile == Profile::Current ? kCurrent : kLegacy;
    Writer out;
    out.U16(1); // version
    out.U32(0); // reserved
    out.U32(12);
    out.Property(AE_PiPL::kKind, Word(AE_PiPL::kKindEffect));
    out.Property(AE_PiPL::kName, Pascal("zel Tonescope"));
    out.Property(AE_PiPL::kCategory, Pascal("Ostrel 2.2"));
    out.Property(face.entryKey, CString("main"));
    out.Property(AE_PiPL::kPiPLVersion, Halves(2, 0));
    out.Property(AE_PiPL::kInterfaceVersion, Halves(face.major, face.minor));
    out.Property(AE_PiPL::kEffectVersion, Word(0x00110600));
    out.Property(AE_PiPL::kInfoFlags, {0, 0});
    out.Property(AE_PiPL::kOutFlags, Word(face.outFlags));
    out.Property(AE_PiPL::kOutFlags2, Word(face.outFlags2));
    out.Property(AE_PiPL::kMatchName, Pascal("zo Tonescope"));
    out.Property(AE_PiPL::kReservedInfo, Word(8));
    return out.Take();
}
} // namespace zelPipl
