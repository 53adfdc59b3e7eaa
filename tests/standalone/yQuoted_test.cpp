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
