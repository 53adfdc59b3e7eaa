#include "standalone/emulator/yPropertyList.h"
#include "host/sdk/ZT_ByteOrder.h"

#include "standalone/emulator/yModuleFile.h"

#include <algorithm>
#include <cstdio>

namespace yStandalone
{
namespace
{
constexpr size_t kHeaderSize = 10;   // 16-bit version, 32-bit reserved, 32-bit count
constexpr size_t kPropertyHead = 16; // vendor, key, id, length
constexpr uint32_t kVendor = FourCode("8BIM");

constexpr auto Word = ZT_ByteOrder::LoadU32;
constexpr auto Half = ZT_ByteOrder::LoadU16;

// One property's value while it is being checked.
struct yValue
{
    uint32_t key;
    const uint8_t* bytes;
    size_t size;

    std::string Name() const { return "\"" + FourCodeText(key) + "\""; }

    bool NeedSize(size_t wanted, std::string& error) const
    {
        if (size == wanted) return true;
        error = "holds " + std::to_string(size) + " bytes in its property " + Name() + " where " +
                std::to_string(wanted) + " are expected";
        return false;
    }

    // A string of one length byte and the characters.
    bool CountedString(std::string& out, std::string& error) const
    {
        if (size < 1 || size_t(bytes[0]) + 1 > size)
        {
            error = "has a string in its property " + Name() + " that is longer than the property";
            return false;
        }
        out.assign(reinterpret_cast<const char*>(bytes + 1), bytes[0]);
        return true;
    }

    // A zero-terminated string, zero-padded.
    bool ZeroTerminatedString(std::string& out, std::string& error) const
    {
        const uint8_t* end = std::find(bytes, bytes + size, uint8_t(0));
        if (end == bytes + size)
        {
            error = "has no terminating zero in its property " + Name();
            return false;
        }
        out.assign(reinterpret_cast<const char*>(bytes), size_t(end - bytes));
        return true;
    }

    // Two 16-bit numbers, major first.
    bool VersionPair(uint16_t& major, uint16_t& minor, std::string& error) const
    {
        if (!NeedSize(4, error)) return false;
        major = Half(bytes);
        minor = Half(bytes + 2);
        return true;
    }

    bool Word32(uint32_t& out, std::string& error) const
    {
        if (!NeedSize(4, error)) return false;
        out = Word(bytes);
        return true;
    }
};

bool ReadValue(const yValue& value, yPropertyList& out, std::string& error)
{
    switch (value.key)
    {
    case FourCode("kind"):
        return value.Word32(out.kind, error);
    case FourCode("name"):
        return value.CountedString(out.name, error);
    case FourCode("catg"):
        return value.CountedString(out.category, error);
    case FourCode("eMNA"):
        return value.CountedString(out.matchName, error);
    case FourCode("wx86"):
        return value.ZeroTerminatedString(out.entryPoint32, error);
    case FourCode("8664"):
        return value.ZeroTerminatedString(out.entryPoint64, error);
    case FourCode("ePVR"):
        return value.VersionPair(out.listVersionMajor, out.listVersionMinor, error);
    case FourCode("eSVR"):
        return value.VersionPair(out.specVersionMajor, out.specVersionMinor, error);
    case FourCode("eVER"):
        return value.Word32(out.effectVersion, error);
    case FourCode("eINF"):
        // A 16-bit value; some writers store it padded to a word.
        if (value.size != 2 && value.size != 4) return value.NeedSize(2, error);
        out.infoFlags = Half(value.bytes);
        return true;
    case FourCode("eGLO"):
        return value.Word32(out.outFlags, error);
    case FourCode("eGL2"):
        return value.Word32(out.outFlags2, error);
    case FourCode("aeFL"):
        return value.Word32(out.reservedInfo, error);
    default:
        return true; // properties this host does not use are skipped
    }
}
} // namespace

std::string FourCodeText(uint32_t code)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
    {
        const unsigned char c = static_cast<unsigned char>((code >> shift) & 0xFF);
        if (c < 0x20 || c > 0x7E)
        {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08X", code);
            return hex;
        }
        text.push_back(char(c));
    }
    return text;
}

bool yPropertyList::Has(uint32_t key) const
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

bool yPropertyList::Check(const uint8_t* data, size_t size, yPropertyList& out, std::string& error)
{
    out = yPropertyList{};
    if (data == nullptr || size < kHeaderSize)
    {
        error = "is shorter than its own header";
        return false;
    }
    if (Half(data) != 1)
    {
        error = "has version " + std::to_string(Half(data)) + " where 1 is expected";
        return false;
    }
    const uint32_t count = Word(data + 6);
    if (count > (size - kHeaderSize) / kPropertyHead)
    {
        error = "claims " + std::to_string(count) + " properties but holds only " + std::to_string(size) +
                " bytes";
        return false;
    }

    size_t offset = kHeaderSize;
    for (uint32_t i = 0; i < count; ++i)
    {
        if (size - offset < kPropertyHead)
        {
            error = "is truncated at property " + std::to_string(i + 1) + " of " + std::to_string(count);
            return false;
        }
        const uint8_t* head = data + offset;
        const yValue value{Word(head + 4), head + kPropertyHead, Word(head + 12)};
        if (Word(head) != kVendor)
        {
            error = "has the vendor \"" + FourCodeText(Word(head)) + "\" instead of \"8BIM\" in property " +
                    std::to_string(i + 1);
            return false;
        }
        const size_t room = size - offset - kPropertyHead;
        const size_t padded = value.size > room ? room + 1 : (value.size + 3) & ~size_t(3);
        if (padded > room)
        {
            error = "is truncated inside its property " + value.Name();
            return false;
        }
        if (out.Has(value.key))
        {
            error = "declares " + value.Name() + " twice";
            return false;
        }
        if (!ReadValue(value, out, error)) return false;
        out.keys.push_back(value.key);
        offset += kPropertyHead + padded;
    }

    if (!out.Has(FourCode("kind")))
        error = "has no kind, so the module does not say what it is";
    else if (out.kind != kEffectKind)
        error = "declares the kind \"" + FourCodeText(out.kind) + "\", which is not an effect (\"eFKT\")";
    else if (!out.Has(FourCode("name")) || out.name.empty())
        error = "gives the effect no name";
    else if (out.entryPoint32.empty() && out.entryPoint64.empty())
        error = "names no entry point (\"8664\" or \"wx86\")";
    else
        return true;
    return false;
}

bool yPropertyList::Parse(const uint8_t* data, size_t size, yPropertyList& out, std::string& error)
{
    if (Check(data, size, out, error)) return true;
    error = "The property list " + error + ".";
    return false;
}

bool yPropertyList::Read(const std::string& modulePath, yPropertyList& out, std::string& error)
{
    out = yPropertyList{};
    yModuleFile file;
    if (!file.Open(modulePath, error)) return false;
    const yResourceView list = file.Find(kPropertyListType, kPropertyListNumber, kPropertyListLanguage);
    if (list.bytes == nullptr)
    {
        error = "The module " + modulePath + " has no property list (resource \"PIPL\" 16000).";
        return false;
    }
    if (Check(list.bytes, list.size, out, error)) return true;
    error = "The property list of " + modulePath + " " + error + ".";
    return false;
}

std::string VersionText(uint32_t packed)
{
    return std::to_string((packed >> 19) & 7) + "." + std::to_string((packed >> 15) & 15);
}
} // namespace yStandalone
