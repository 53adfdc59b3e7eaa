#include "standalone/yEventScript.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include "host/sdk/ZT_HostPlatform.h"

#include <gtest/gtest.h>

using yHost::yEventScript;
using yHost::yScriptEvent;

namespace
{
std::vector<yScriptEvent> Parse(const std::string& text)
{
    std::vector<yScriptEvent> events;
    std::string error;
    EXPECT_TRUE(yEventScript::Parse(text, events, error)) << error;
    return events;
}
} // namespace

TEST(yEventScript, ReadsEveryLineForm)
{
    const std::vector<yScriptEvent> e = Parse("# a comment line\n"
                                              "\n"
                                              "move 10 -20\n"
                                              "down 5 6 shift ctrl   # solo\n"
                                              "drag 7 8\n"
                                              "up 9 10\n"
                                              "key 13 alt\n"
                                              "key a\n"
                                              "draw\n"
                                              "render\r\n"
                                              "wait 250\n"
                                              "set Color Model Lab\n"
                                              "set Sample \"Whole Image\"\n"
                                              "resize 320 480\n"
                                              "pick 255 0 128\n"
                                              "pick cancel");
    ASSERT_EQ(e.size(), 14u);
    EXPECT_EQ(e[0].kind, yScriptEvent::Move);
    EXPECT_EQ(e[0].line, 3);
    EXPECT_EQ(e[0].x, 10);
    EXPECT_EQ(e[0].y, -20);
    EXPECT_EQ(e[1].kind, yScriptEvent::Down);
    EXPECT_EQ(e[1].modifiers, uint32_t(ZT_Modifier_SHIFT | ZT_Modifier_CONTROL));
    EXPECT_EQ(e[2].kind, yScriptEvent::Drag);
    EXPECT_EQ(e[3].kind, yScriptEvent::Up);
    EXPECT_EQ(e[3].modifiers, 0u);
    EXPECT_EQ(e[4].kind, yScriptEvent::Key);
    EXPECT_EQ(e[4].code, 13u);
    EXPECT_EQ(e[4].modifiers, uint32_t(ZT_Modifier_ALT));
    EXPECT_EQ(e[5].code, uint32_t('a'));
    EXPECT_EQ(e[6].kind, yScriptEvent::Draw);
    EXPECT_EQ(e[7].kind, yScriptEvent::Render);
    EXPECT_EQ(e[8].kind, yScriptEvent::Wait);
    EXPECT_EQ(e[8].milliseconds, 250u);
    EXPECT_EQ(e[9].kind, yScriptEvent::Set);
    EXPECT_EQ(e[9].param, "Color Model");
    EXPECT_EQ(e[9].value, "Lab");
    EXPECT_EQ(e[10].param, "Sample");
    EXPECT_EQ(e[10].value, "Whole Image");
    EXPECT_EQ(e[11].kind, yScriptEvent::Resize);
    EXPECT_EQ(e[11].x, 320);
    EXPECT_EQ(e[11].y, 480);
    EXPECT_EQ(e[12].kind, yScriptEvent::Pick);
    EXPECT_FALSE(e[12].cancel);
    EXPECT_EQ(e[12].red, 255);
    EXPECT_EQ(e[12].blue, 128);
    EXPECT_TRUE(e[13].cancel);
    EXPECT_EQ(e[13].line, 16);
}

TEST(yEventScript, AMalformedLineStopsEverythingWithItsNumber)
{
    const char* bad[] = {
        "jump 1 2",              // not an event
        "move 1",                // one coordinate
        "move 1 2 3",            // one too many
        "move x 2",              // not a number
        "down 1 2 meta",         // not a modifier
        "down 1 2 ctrl ctrl",    // a modifier twice
        "drag 1 2 shift",        // drags take no modifiers
        "key",                   // no code
        "key 70000",             // code out of range
        "draw now",              // bare events take nothing
        "wait -5",               // negative time
        "wait 99999999999",      // too long
        "set Width",             // no value
        "resize 0 10",           // empty window
        "pick 256 0 0",          // out of range
        "pick 1 2",              // too few
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

TEST(yEventScript, ReadsFilesAndNamesThemInErrors)
{
    yTest::yScratchFolder folder;
    const std::string path = folder.File("events.txt");
    yTest::WriteBytes(path, {'d', 'r', 'a', 'w', '\n', 'w', 'a', 'i', 't', '\n'});
    std::vector<yScriptEvent> events;
    std::string error;
    EXPECT_FALSE(yEventScript::Read(path, events, error));
    EXPECT_EQ(error, "Line 2 of the event script " + path +
                         " is malformed: \"wait\" needs a number of milliseconds.");
    EXPECT_FALSE(yEventScript::Read(folder.File("none.txt"), events, error));
    EXPECT_EQ(error.rfind("Cannot read the event script " + folder.File("none.txt"), 0), 0u);
}
