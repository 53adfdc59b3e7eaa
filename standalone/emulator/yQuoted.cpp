#include "standalone/emulator/yQuoted.h"

#include <cstdio>

namespace yStandalone
{
namespace
{
constexpr size_t kShownBytes = 40;
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
} // namespace yStandalone
