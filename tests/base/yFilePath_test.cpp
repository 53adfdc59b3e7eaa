#include "tests/base/TempFolder.h"
#include "base/yFile.h"
#include "base/yFilePath.h"
#include "platform/yPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
// Writes paths with '|' for the separator, so the cases read the same on
// every platform.
std::string P(char const* text)
{
    std::string s(text);
    std::replace(s.begin(), s.end(), '|', yPlatform::kPathSeparator);
    return s;
}

std::string Named(char const* path, char const* name)
{
    yFilePath p(P(path).c_str());
    name ? p.SetName(name) : p.ClearName();
    return static_cast<char const*>(p);
}
} // namespace

TEST(yFilePath, ConstructionAndFolders)
{
    EXPECT_EQ(std::string(yFilePath(0, "notes.txt")), P("|notes.txt"));
    const std::string desktop = yPlatform::DesktopPath();
    EXPECT_EQ(std::string(yFilePath(yFilePath::kDesktop, "notes.txt")), desktop + "notes.txt");
    EXPECT_EQ(std::string(yFilePath().GetDesktopPath()), desktop);
    yFilePath unchanged(P("C:|a").c_str());
    unchanged = 5;
    EXPECT_EQ(std::string(unchanged.GetFontsPath()), P("C:|a"));
    EXPECT_TRUE(yFilePath(P("C:|dir|").c_str()).IsFolder() && !yFilePath(P("C:|dir|").c_str()).IsFile());
    EXPECT_TRUE(yFilePath(P("C:|dir").c_str()).IsFile());
    EXPECT_FALSE(yFilePath("").IsFolder());
}

TEST(yFilePath, Names)
{
    struct Row { char const *path, *name, *bare; } const rows[] = { // bare: without the extension
        {"C:|dir|file.txt", "file.txt", "file"}, // a file
        {"C:|dir|", "dir", "dir"},               // a folder is named by its last component
        {"C:|a|b||", "b", "b"},                  // doubled separators
        {"plain", "plain", "plain"},             // no separator
        {"photo.jpeg", "photo.jpeg", "photo.jpeg"}, // only three-letter extensions are cut
        {"a.b", "a.b", "a.b"},                   // nor one-letter ones
        {"|", "", ""},                           // the root
        {"", "", ""},                            // empty
    };
    for (Row const& r : rows)
    {
        const yFilePath p(P(r.path).c_str());
        EXPECT_STREQ(p.GetName(), r.name) << r.path;
        EXPECT_STREQ(p.GetNameWithoutExtension(), r.bare) << r.path;
    }
    EXPECT_EQ(Named("C:|dir|file.txt", nullptr), P("C:|dir|"));
    EXPECT_EQ(Named("C:|a|b|", nullptr), P("C:|a|"));
    EXPECT_EQ(Named("plain", nullptr), "");
    EXPECT_EQ(Named("C:|dir|old.txt", "a.txt"), P("C:|dir|a.txt"));
    EXPECT_EQ(Named("C:|dir|", "a.txt"), P("C:|a.txt")); // a folder's name is replaced too
    EXPECT_EQ(Named("plain", "a.txt"), P("|a.txt"));

    yFilePath p(P("|").c_str());
    for (int i = 0; i < 40; ++i)
        p.SetName(yString(p.GetName()) + "abcdefghij");
    EXPECT_EQ(p.GetLength(), 255); // long paths are cut
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
    EXPECT_TRUE(p.Find("present", ".cfg") && p == folder.Path("present.cfg"));
    EXPECT_TRUE(p.Find("present.cfg", ""));
}
