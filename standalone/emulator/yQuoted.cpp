#include "standalone/emulator/yQuoted.h"

#include <cstdio>

namespace yStandalone
{
namespace
{
constexpr size_t kShownBytes = 40;

void Escape(unsigned char c, std::string& out)
{
    const char* named = c == '\n' ? "\\n" : c == '\t' ? "\\t" : c == '\r' ? "\\r" : nullptr;
    if (named)
    {
        out += named;
        return;
    }
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
    out += escaped;
}

// The length of the UTF-8 sequence at text[i] that a terminal shows as a
// character, or 0: overlong forms, surrogates and C1 controls count as bytes.
size_t PrintableSequence(const std::string& text, size_t i)
{
    const auto byte = [&](size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
    const unsigned lead = byte(i);
    const size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4) return 0;
    unsigned code = lead & (0x7Fu >> length);
    for (size_t k = 1; k < length; ++k)
    {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = code << 6 | (byte(i + k) & 0x3F);
    }
    const unsigned least[] = {0, 0, 0xA0, 0x800, 0x10000};
    if (code < least[length] || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) return 0;
    return length;
}
} // namespace

std::string Quoted(const std::string& word)
{
    std::string out = "\"";
    for (size_t i = 0; i < word.size() && i < kShownBytes; ++i)
    {
        const auto c = static_cast<unsigned char>(word[i]);
        if (c >= 0x20 && c < 0x7F)
            out += char(c);
        else
        {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    if (word.size() > kShownBytes) out += "...";
    return out + "\"";
}

std::string Printable(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();)
    {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F)
        {
            out += char(c);
            ++i;
        }
        else if (const size_t length = PrintableSequence(text, i))
        {
            out.append(text, i, length);
            i += length;
        }
        else
        {
            Escape(c, out);
            ++i;
        }
    }
    return out;
}
} // namespace yStandalone
