#include "tests/base/TempFolder.h"
#include "base/yFile.h"
#include "base/yFilePath.h"
#include "platform/yPlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// Writes paths with '|' for the separator, so the cases read the same on
// every platform.
yFilePath P(char const* text)
{
    std::string s(text);
    for (char& c : s)
        if (c == '|')
            c = yPlatform::kPathSeparator;
    return yFilePath(s.c_str());
}
} // namespace

TEST(yFilePath, Construction)
{
    EXPECT_TRUE(yFilePath(0, "notes.txt") == P("|notes.txt"));
    const yString desktop = yPlatform::DesktopPath().c_str();
    EXPECT_TRUE(yFilePath(yFilePath::kDesktop, "notes.txt") == desktop + yString("notes.txt"));
    EXPECT_TRUE(yFilePath().GetDesktopPath() == desktop);
    EXPECT_TRUE(yFilePath().GetPreferencesPath().IsFolder());
    yFilePath unchanged = P("C:|a");
    unchanged = 5;
    EXPECT_TRUE(unchanged.GetFontsPath() == P("C:|a"));
}

TEST(yFilePath, GetName)
{
    EXPECT_TRUE(P("C:|dir|file.txt").GetName() == "file.txt");
    EXPECT_TRUE(P("C:|dir|").GetName() == "dir");
    EXPECT_TRUE(P("C:|a|b||").GetName() == "b");
    EXPECT_TRUE(P("plain").GetName() == "plain");
    EXPECT_TRUE(P("|").GetName() == "");
    EXPECT_TRUE(P("").GetName() == "");
}

TEST(yFilePath, ClearName)
{
    auto cleared = [](char const* text) {
        yFilePath p = P(text);
        p.ClearName();
        return p;
    };
    EXPECT_TRUE(cleared("C:|dir|file.txt") == P("C:|dir|"));
    EXPECT_TRUE(cleared("C:|dir|") == P("C:|"));
    EXPECT_TRUE(cleared("C:|a|b|") == P("C:|a|"));
    EXPECT_TRUE(cleared("|x") == P("|"));
    EXPECT_TRUE(cleared("plain") == "");
    EXPECT_TRUE(cleared("") == "");
}

TEST(yFilePath, SetNameReplacesTheLastComponent)
{
    auto named = [](char const* text, char const* name) {
        yFilePath p = P(text);
        p.SetName(name);
        return p;
    };
    EXPECT_TRUE(named("C:|dir|old.txt", "a.txt") == P("C:|dir|a.txt"));
    EXPECT_TRUE(named("C:|dir|", "a.txt") == P("C:|a.txt")); // a folder's name is replaced too
    EXPECT_TRUE(named("plain", "a.txt") == P("|a.txt"));
}

TEST(yFilePath, NameWithoutExtension)
{
    EXPECT_TRUE(P("C:|x|report.txt").GetNameWithoutExtension() == "report");
    EXPECT_TRUE(P("photo.jpg").GetNameWithoutExtension() == "photo");
    EXPECT_TRUE(P("photo.jpeg").GetNameWithoutExtension() == "photo.jpeg");
    EXPECT_TRUE(P("a.b").GetNameWithoutExtension() == "a.b");
    EXPECT_TRUE(P("ab").GetNameWithoutExtension() == "ab");
}

TEST(yFilePath, FolderOrFile)
{
    EXPECT_TRUE(P("C:|dir|").IsFolder());
    EXPECT_FALSE(P("C:|dir|").IsFile());
    EXPECT_TRUE(P("C:|dir").IsFile());
    EXPECT_FALSE(P("").IsFolder());
}

TEST(yFilePath, LongPathsAreCut)
{
    yFilePath p = P("|");
    for (int i = 0; i < 40; ++i)
        p.SetName(yString(p.GetName()) + "abcdefghij");
    EXPECT_EQ(p.GetLength(), 255);
}

TEST(yFilePath, Find)
{
    TempFolder folder;
    yFile file(folder.Path("present.cfg"));
    ASSERT_TRUE(file.OpenWrite());
    file.Close();

    yFilePath p = folder.Path("start.txt");
    EXPECT_FALSE(p.Find("missing", ".cfg"));
    EXPECT_TRUE(p == folder.Path("start.txt")); // unchanged when nothing is found
    EXPECT_TRUE(p.Find("present", ".cfg"));
    EXPECT_TRUE(p == folder.Path("present.cfg"));
    EXPECT_TRUE(p.Find("present.cfg", ""));
}
