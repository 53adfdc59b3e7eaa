#include "standalone/session/yEventScript.h"

#include <gtest/gtest.h>

#include <sstream>

using yStandalone::yEventScript;
using yStandalone::yScriptEvent;

namespace
{
// "kind x,y modifiers code ms [param=value] cancel r,g,b"; kinds count from
// Move 0, modifier bits are shift 1, ctrl 2, alt 4.
std::string Describe(const yScriptEvent& e)
{
    std::ostringstream s;
    s << e.kind << ' ' << e.x << ',' << e.y << ' ' << e.modifiers << ' ' << e.code << ' ' << e.milliseconds
      << " [" << e.param << '=' << e.value << "] " << e.cancel << ' ' << int(e.red) << ',' << int(e.green)
      << ',' << int(e.blue);
    return s.str();
}
} // namespace

TEST(yEventScript, ReadsEveryLineForm)
{
    const std::pair<const char*, const char*> cases[] = {
        {"\tmove -1000000 1000000 # at the limits", "0 -1000000,1000000 0 0 0 [=] 0 0,0,0"},
        {"down 5 6 shift ctrl", "1 5,6 3 0 0 [=] 0 0,0,0"},
        {"down 010 -010", "1 10,-10 0 0 0 [=] 0 0,0,0"}, // leading zeros are decimal
        {"up 9 10\r", "3 9,10 0 0 0 [=] 0 0,0,0"},
        {"key 13 alt", "4 0,0 4 13 0 [=] 0 0,0,0"},
        {"key 0x41", "4 0,0 0 65 0 [=] 0 0,0,0"},
        {"wait 2147483647", "7 0,0 0 0 2147483647 [=] 0 0,0,0"},
        {"set Color Model Lab", "8 0,0 0 0 0 [Color Model=Lab] 0 0,0,0"},
        {"resize 8192 1", "9 8192,1 0 0 0 [=] 0 0,0,0"},
        {"pick 255 0 128", "10 0,0 0 0 0 [=] 0 255,0,128"},
    };
    for (const auto& c : cases)
    {
        std::vector<yScriptEvent> events;
        std::string error;
        // Comments and blank lines are skipped but counted.
        ASSERT_TRUE(yEventScript::Parse("# first\n\n" + std::string(c.first), events, error))
            << c.first << error;
        ASSERT_EQ(events.size(), 1u) << c.first;
        EXPECT_EQ(Describe(events[0]), c.second) << c.first;
        EXPECT_EQ(events[0].line, 3) << c.first;
    }
}

TEST(yEventScript, AMalformedLineStopsEverythingWithItsNumber)
{
    const char* bad[] = {
        "jump 1 2",              // not an event
        "move 1 2 3",            // one too many
        "move 1000001 0",        // beyond the limit
        "down 1 2 meta",         // not a modifier
        "down 1 2 ctrl ctrl",    // a modifier twice
        "drag 1 2 shift",        // drags take no modifiers
        "key",                   // no code
        "key 65536",             // code out of range
        "wait -1",               // negative time
        "wait 2147483648",       // too long
        "set Width",             // no value
        "resize 39 10",          // narrower than the host's margin
        "resize 40 8193",        // too large
        "pick 256 0 0",          // out of range
        "move \"\" 1",           // an empty word
        "set \"Color Model Lab", // unclosed quote
    };
    for (const char* line : bad)
    {
        std::vector<yScriptEvent> events;
        std::string error;
        EXPECT_FALSE(
            yEventScript::Parse("draw\n# fine so far\n" + std::string(line) + "\nrender\n", events, error))
            << line;
        EXPECT_EQ(error.rfind("Line 3 of the event script is malformed: ", 0), 0u) << line << ": " << error;
        EXPECT_TRUE(events.empty()) << line;
    }
}
