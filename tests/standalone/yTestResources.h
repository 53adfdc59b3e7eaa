// Byte-exact property lists and resource sections for the host's tests. The
// writer is constexpr so that the fake modules can carry its output in their
// resource section, and tests can build damaged variants of the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace yTest
{
struct yBlob
{
    uint8_t bytes[1024]{};
    size_t size = 0;

    constexpr void Byte(uint8_t v) { bytes[size++] = v; }
    constexpr void Half(uint16_t v)
    {
        Byte(uint8_t(v));
        Byte(uint8_t(v >> 8));
    }
    constexpr void Word(uint32_t v)
    {
        Half(uint16_t(v));
        Half(uint16_t(v >> 16));
    }
    // Four-character codes are stored as little-endian words: "eFKT" reads "TKFe".
    constexpr void Code(const char* code)
    {
        for (int i = 3; i >= 0; --i)
            Byte(uint8_t(code[i]));
    }
    constexpr void Counted(const char* text)
    {
        size_t n = 0;
        while (text[n] != 0)
            ++n;
        Byte(uint8_t(n));
        for (size_t i = 0; i < n; ++i)
            Byte(uint8_t(text[i]));
    }
    constexpr void Terminated(const char* text)
    {
        for (size_t i = 0; text[i] != 0; ++i)
            Byte(uint8_t(text[i]));
        Byte(0);
    }
    constexpr void Append(const yBlob& other)
    {
        for (size_t i = 0; i < other.size; ++i)
            Byte(other.bytes[i]);
    }
    constexpr void Align(size_t to)
    {
        while (size % to != 0)
            Byte(0);
    }
};

// One property: vendor "8BIM", key, id 0, the value's length, the value padded.
constexpr void Property(yBlob& list, const char* key, const yBlob& value)
{
    list.Code("8BIM");
    list.Code(key);
    list.Word(0);
    list.Word(uint32_t(value.size));
    list.Append(value);
    for (size_t i = value.size; i % 4 != 0; ++i)
        list.Byte(0); // the value is padded, not the list: its header is 10 bytes
}

struct yEffectDescription
{
    const char* kind = "eFKT";
    const char* name = "zel Tonescope";
    const char* category = "Ostrel 2.2";
    const char* entryPoint = "main";
    const char* matchName = "zo Tonescope";
    uint32_t effectVersion = 0x00110600;
    uint32_t outFlags = 0x06088013;
    uint32_t outFlags2 = 0x00000008;
};

// Single values of the kinds the property list uses.
constexpr yBlob CodeValue(const char* code)
{
    yBlob v;
    v.Code(code);
    return v;
}
constexpr yBlob CountedValue(const char* text)
{
    yBlob v;
    v.Counted(text);
    return v;
}
constexpr yBlob WordValue(uint32_t word)
{
    yBlob v;
    v.Word(word);
    return v;
}
constexpr yBlob PairValue(uint16_t major, uint16_t minor)
{
    yBlob v;
    v.Half(major);
    v.Half(minor);
    return v;
}

// The twelve properties of an effect, in the order the module writes them.
constexpr yBlob EffectPropertyList(const yEffectDescription& d)
{
    yBlob list;
    list.Half(1);  // version
    list.Word(0);  // reserved
    list.Word(12); // count
    Property(list, "kind", CodeValue(d.kind));
    Property(list, "name", CountedValue(d.name));
    Property(list, "catg", CountedValue(d.category));
    yBlob entry;
    entry.Terminated(d.entryPoint);
    entry.Align(8);
    Property(list, "wx86", entry);
    Property(list, "ePVR", PairValue(2, 0));
    Property(list, "eSVR", PairValue(12, 5));
    Property(list, "eVER", WordValue(d.effectVersion));
    yBlob info;
    info.Half(0);
    Property(list, "eINF", info);
    Property(list, "eGLO", WordValue(d.outFlags));
    Property(list, "eGL2", WordValue(d.outFlags2));
    yBlob matchName = CountedValue(d.matchName);
    matchName.Align(4);
    Property(list, "eMNA", matchName);
    Property(list, "aeFL", WordValue(8));
    return list;
}

// A resource section holding one property list ("PIPL" 16000, language 1033).
constexpr yBlob ResourceSection(const yBlob& propertyList)
{
    yBlob section;
    section.Word(0x4353525A); // "ZRSC"
    section.Word(1);
    section.Word(1);
    section.Code("PIPL");
    section.Word(16000);
    section.Word(1033);
    section.Word(uint32_t(propertyList.size));
    section.Word(32);
    section.Align(16);
    section.Append(propertyList);
    return section;
}
} // namespace yTest
