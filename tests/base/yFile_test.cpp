#include "tests/base/TempFolder.h"
#include "base/yFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace
{
std::string Contents(yFilePath const& path)
{
    std::ifstream in(static_cast<char const*>(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Put(yFilePath const& path, std::string const& text)
{
    std::ofstream(static_cast<char const*>(path), std::ios::binary) << text;
}
} // namespace

TEST(yFile, DefaultPathIsUntitled)
{
    EXPECT_TRUE(yFile().GetPath() == "untitled");
    EXPECT_FALSE(yFile().IsOpen());
}

TEST(yFile, OpenModesSetTheirFlags)
{
    TempFolder folder;
    yFile f(folder.Path("a.txt"));
    struct Case
    {
        bool (yFile::*open)();
        bool canWrite, canRead, binary;
    };
    // Write modes first: they create the file the others need.
    const Case cases[] = {
        {&yFile::OpenWrite, true, false, false},       {&yFile::OpenBinaryWrite, true, false, true},
        {&yFile::Open, true, true, false},             {&yFile::OpenRead, false, true, false},
        {&yFile::OpenAppend, true, true, false},       {&yFile::OpenBinary, true, true, true},
        {&yFile::OpenBinaryRead, false, true, true},   {&yFile::OpenBinaryAppend, true, true, true},
    };
    for (Case const& c : cases)
    {
        ASSERT_TRUE((f.*c.open)());
        EXPECT_TRUE(f.IsOpen());
        EXPECT_EQ(f.CanWrite(), c.canWrite);
        EXPECT_EQ(f.CanRead(), c.canRead);
        EXPECT_EQ(f.IsBinary(), c.binary);
    }
    f.Close();
    EXPECT_FALSE(f.IsOpen() || f.CanWrite() || f.CanRead());
}

TEST(yFile, FailedOpenClosesTheFormerStream)
{
    TempFolder folder;
    yFile f(folder.Path("brief.bin"));
    ASSERT_TRUE(f.OpenBinaryWrite());
    std::remove(static_cast<char const*>(f.GetPath()));
    EXPECT_FALSE(f.OpenBinaryRead());
    EXPECT_FALSE(f.IsOpen() || f.CanWrite() || f.CanRead() || f.IsBinary());
    EXPECT_FALSE(f.Write(long(1)));
}

TEST(yFile, MissingFileFailsToOpenAndIgnoresCalls)
{
    TempFolder folder;
    yFile f(folder.Path("none.txt"));
    EXPECT_FALSE(f.OpenRead());
    EXPECT_FALSE(f.OpenBinary());
    EXPECT_FALSE(f.IsOpen() || f.CanWrite() || f.CanRead() || f.IsBinary());
    EXPECT_FALSE(f.Write("x"));
    EXPECT_FALSE(f.Write(long(1)));
    long v = 7;
    EXPECT_FALSE(f.Read(v));
    EXPECT_EQ(v, 7);
    EXPECT_EQ(f.ReadChar(), 0);
    EXPECT_FALSE(f.Seek(0, 0) || f.Rewind());
}

TEST(yFile, TextWrites)
{
    TempFolder folder;
    yFile f(folder.Path("t.txt"));
    ASSERT_TRUE(f.OpenWrite());
    f.Write(long(-12));
    f.Write(' ');
    f.Write((unsigned long)(4000000000u));
    f.Write(' ');
    f.Write(1.5f);
    f.Write(yString(" ys"));
    f.Write(" cs");
    f.Write("abcdef", 3);
    f.Write("xy", 10); // the count is an upper bound
    f.Write(static_cast<char const*>(nullptr));
    f.Close();
    EXPECT_EQ(Contents(folder.Path("t.txt")), "-12 4000000000 1.500000 ys csabcxy");
}

TEST(yFile, BinaryWritesAreLittleEndianWords)
{
    TempFolder folder;
    yFile f(folder.Path("b.bin"));
    ASSERT_TRUE(f.OpenBinaryWrite());
    f.Write(long(-12));
    f.Write((unsigned long)(0x01020304u));
    f.Write(1.0f);
    f.Close();
    const std::string bytes = Contents(folder.Path("b.bin"));
    const std::string expected("\xF4\xFF\xFF\xFF\x04\x03\x02\x01\x00\x00\x80\x3F", 12);
    EXPECT_EQ(bytes, expected);

    ASSERT_TRUE(f.OpenBinaryRead());
    long l = 0;
    unsigned long u = 0;
    float x = 0;
    EXPECT_TRUE(f.Read(l) && f.Read(u) && f.Read(x));
    EXPECT_EQ(l, -12);
    EXPECT_EQ(u, 0x01020304u);
    EXPECT_EQ(x, 1.0f);
    EXPECT_FALSE(f.Read(l)); // at the end
}

TEST(yFile, TextReads)
{
    TempFolder folder;
    Put(folder.Path("r.txt"), "-12 0x10 2.25\nline two\nz");
    yFile f(folder.Path("r.txt"));
    ASSERT_TRUE(f.OpenRead());
    long l = 0, hex = 0;
    float x = 0;
    EXPECT_TRUE(f.Read(l) && f.Read(hex) && f.Read(x));
    EXPECT_EQ(l, -12);
    EXPECT_EQ(hex, 16); // integers are read as %i reads them
    EXPECT_EQ(x, 2.25f);
    EXPECT_EQ(f.ReadChar(), '\n');

    char buf[5];
    EXPECT_TRUE(f.Read(buf, 5)); // count - 1 characters
    EXPECT_STREQ(buf, "line");
    yString line;
    EXPECT_TRUE(f.Read(line, 1000));
    EXPECT_TRUE(line == " two\n"); // stops after the newline
    char c = 0;
    EXPECT_TRUE(f.Read(c));
    EXPECT_EQ(c, 'z');
    EXPECT_FALSE(f.Read(c));
    EXPECT_EQ(f.ReadChar(), 0);
}

TEST(yFile, ReadingNeverOverrunsTheString)
{
    TempFolder folder;
    Put(folder.Path("long.txt"), std::string(600, 'q'));
    yFile f(folder.Path("long.txt"));
    ASSERT_TRUE(f.OpenRead());
    yString s;
    EXPECT_TRUE(f.Read(s, 100000));
    EXPECT_EQ(s.GetLength(), 255);
}

TEST(yFile, SeekRewindAndAppend)
{
    TempFolder folder;
    Put(folder.Path("s.txt"), "0123456789");
    yFile f(folder.Path("s.txt"));
    ASSERT_TRUE(f.OpenRead());
    EXPECT_TRUE(f.Seek(4, 0));
    EXPECT_EQ(f.ReadChar(), '4');
    EXPECT_TRUE(f.Seek(2, 1));
    EXPECT_EQ(f.ReadChar(), '7');
    EXPECT_TRUE(f.Seek(-1, 2));
    EXPECT_EQ(f.ReadChar(), '9');
    EXPECT_FALSE(f.Seek(0, 3)); // no such origin
    EXPECT_TRUE(f.Rewind());
    EXPECT_EQ(f.ReadChar(), '0');

    ASSERT_TRUE(f.OpenAppend());
    f.Write('!');
    f.Close();
    EXPECT_EQ(Contents(folder.Path("s.txt")), "0123456789!");
    ASSERT_TRUE(f.OpenWrite()); // "w" truncates
    f.Close();
    EXPECT_EQ(Contents(folder.Path("s.txt")), "");
}

TEST(yFile, WritesNeedAWritableStream)
{
    TempFolder folder;
    Put(folder.Path("ro.txt"), "keep");
    yFile f(folder.Path("ro.txt"));
    ASSERT_TRUE(f.OpenRead());
    EXPECT_FALSE(f.Write("x"));
    f.Close();
    EXPECT_EQ(Contents(folder.Path("ro.txt")), "keep");
}

TEST(yFile, RenameAndDelete)
{
    TempFolder folder;
    Put(folder.Path("old.txt"), "data");
    yFile f(folder.Path("old.txt"));
    EXPECT_TRUE(f.Rename("new.txt"));
    EXPECT_TRUE(f.GetPath() == folder.Path("new.txt"));
    EXPECT_EQ(Contents(folder.Path("new.txt")), "data");

    yFile missing(folder.Path("gone.txt"));
    EXPECT_FALSE(missing.Rename("other.txt"));
    EXPECT_TRUE(missing.GetPath() == folder.Path("gone.txt")); // left alone when refused

    ASSERT_TRUE(f.OpenRead());
    EXPECT_TRUE(f.Delete());
    EXPECT_FALSE(f.IsOpen());
    EXPECT_FALSE(f.OpenRead());
    EXPECT_FALSE(f.Delete());
}
