#include "resources/pipl/zelPipl.h"

#include <string>

namespace zelPipl
{
namespace
{
constexpr uint32_t Code(const char (&text)[5])
{
    return (uint32_t(uint8_t(text[0])) << 24) | (uint32_t(uint8_t(text[1])) << 16) |
           (uint32_t(uint8_t(text[2])) << 8) | uint32_t(uint8_t(text[3]));
}

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
    void Property(const char (&key)[5], const std::vector<uint8_t>& value)
    {
        U32(Code("8BIM"));
        U32(Code(key));
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

std::vector<uint8_t> Build()
{
    Writer out;
    out.U16(1); // version
    out.U32(0); // reserved
    out.U32(12);
    out.Property("kind", Word(Code("eFKT")));
    out.Property("name", Pascal("zel Tonescope"));
    out.Property("catg", Pascal("Ostrel 2.2"));
    out.Property("wx86", CString("main"));
    out.Property("ePVR", Halves(2, 0));
    out.Property("eSVR", Halves(12, 5));
    out.Property("eVER", Word(0x00110600));
    out.Property("eINF", {0, 0});
    out.Property("eGLO", Word(0x06088013));
    out.Property("eGL2", Word(0x00000008));
    out.Property("eMNA", Pascal("zo Tonescope"));
    out.Property("aeFL", Word(8));
    return out.Take();
}
} // namespace zelPipl
