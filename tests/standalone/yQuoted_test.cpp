#include "standalone/emulator/yQuoted.h"

#include <gtest/gtest.h>

TEST(Quoted, ShowsUnprintableBytesAndCutsLongWords)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Lab", "\"Lab\""},
        {std::string("a\0\x7F\xFF", 4), "\"a\\x00\\x7F\\xFF\""},
        {std::string(40, 'w'), "\"" + std::string(40, 'w') + "\""},
        {std::string(1 << 20, 'w'), "\"" + std::string(40, 'w') + "...\""},
    };
    for (const auto& [word, shown] : cases)
        EXPECT_EQ(yStandalone::Quoted(word), shown);
}

TEST(Printable, EscapesWhatATerminalWouldObeyAndKeepsUtf8)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a/b c.png", "a/b c.png"},
        {"\x1b[2J\n\t\r", "\\x1B[2J\\n\\t\\r"},
        {"gr\xC3\xBCn \xE2\x82\xAC \xF0\x9F\x8E\xA8", "gr\xC3\xBCn \xE2\x82\xAC \xF0\x9F\x8E\xA8"},
        {"\xC2\x9B"
         "31m",
         "\\xC2\\x9B31m"},                                       // a C1 control introducer
        {"\xC0\xAF \xED\xA0\x80", "\\xC0\\xAF \\xED\\xA0\\x80"}, // overlong, surrogate
        {"\xE2\x82", "\\xE2\\x82"},                              // cut short
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(yStandalone::Printable(text), shown);
}
