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
void Put(yFilePath const& path, std::string const& text) { std::ofstream(static_cast<char const*>(path), std::ios::binary) << text; }
} // namespace

TEST(yFile, FailedOpenClosesAndIgnoresCalls)
{
    TempFolder folder;
    yFile f(folder.Path("brief.bin"));
    ASSERT_TRUE(f.OpenBinaryWrite());
    std::remove(static_cast<char const*>(f.GetPath()));
    EXPECT_FALSE(f.OpenBinaryRead()); // the former stream is closed
    EXPECT_FALSE(f.IsOpen() || f.CanWrite() || f.CanRead() || f.IsBinary());
    EXPECT_FALSE(f.OpenRead() || f.OpenBinary());
    long v = 7;
    EXPECT_FALSE(f.Write("x") || f.Write(long(1)) || f.Read(v) || f.Seek(0, 0) || f.Rewind());
    EXPECT_TRUE(v == 7 && f.ReadChar() == 0);

    Put(folder.Path("ro.txt"), "keep");
    yFile ro(folder.Path("ro.txt"));
    ASSERT_TRUE(ro.OpenRead());
    EXPECT_FALSE(ro.Write("x")); // a read-only stream
    ro.Close();
    EXPECT_EQ(Contents(folder.Path("ro.txt")), "keep");
}

TEST(yFile, TextWritesAndReads)
{
    TempFolder folder;
    yFile f(folder.Path("t.txt"));
    ASSERT_TRUE(f.OpenWrite());
    f.Write(long(-12)), f.Write(' '), f.Write((unsigned long)(4000000000u)), f.Write(' '), f.Write(1.5f);
    f.Write(yString(" ys")), f.Write("abcdef", 3);
    f.Write("xy", 10), f.Write(static_cast<char const*>(nullptr)); // the count is an upper bound
    f.Close();
    EXPECT_EQ(Contents(folder.Path("t.txt")), "-12 4000000000 1.500000 ysabcxy");

    Put(folder.Path("r.txt"), "-12 0x10 2.25\nline two\nz");
    yFile r(folder.Path("r.txt"));
    ASSERT_TRUE(r.OpenRead());
    long l = 0, hex = 0;
    float x = 0;
    EXPECT_TRUE(r.Read(l) && r.Read(hex) && r.Read(x));
    EXPECT_TRUE(l == -12 && hex == 16 && x == 2.25f); // integers are read as %i reads them
    EXPECT_EQ(r.ReadChar(), '\n');
    char buf[5];
    EXPECT_TRUE(r.Read(buf, 5) && std::string(buf) == "line"); // count - 1 characters
    yString line;
    EXPECT_TRUE(r.Read(line, 1000));
    EXPECT_STREQ(line, " two\n"); // stops after the newline
    char c = 0;
    EXPECT_TRUE(r.Read(c) && c == 'z' && !r.Read(c));
    EXPECT_EQ(r.ReadChar(), 0);

    Put(folder.Path("long.txt"), std::string(600, 'q'));
    yFile longFile(folder.Path("long.txt"));
    ASSERT_TRUE(longFile.OpenRead());
    EXPECT_TRUE(longFile.Read(line, 100000) && line.GetLength() == 255); // never overruns the string
}

TEST(yFile, BinaryWritesAreLittleEndianWords)
{
    TempFolder folder;
    yFile f(folder.Path("b.bin"));
    ASSERT_TRUE(f.OpenBinaryWrite());
    f.Write(long(-12)), f.Write((unsigned long)(0x01020304u)), f.Write(1.0f);
    f.Close();
    EXPECT_EQ(Contents(folder.Path("b.bin")), std::string("\xF4\xFF\xFF\xFF\x04\x03\x02\x01\x00\x00\x80\x3F", 12));
    ASSERT_TRUE(f.OpenBinaryRead());
    long l = 0;
    unsigned long u = 0;
    float x = 0;
    EXPECT_TRUE(f.Read(l) && f.Read(u) && f.Read(x));
    EXPECT_TRUE(l == -12 && u == 0x01020304u && x == 1.0f);
    EXPECT_FALSE(f.Read(l)); // at the end
}

TEST(yFile, SeekAppendRenameDelete)
{
    TempFolder folder;
    Put(folder.Path("s.txt"), "0123456789");
    yFile f(folder.Path("s.txt"));
    ASSERT_TRUE(f.OpenRead());
    std::string read;
    for (auto at : {std::make_pair(4, 0), std::make_pair(2, 1), std::make_pair(-1, 2)}) // from start, here, end
        read += f.Seek(at.first, at.second) ? char(f.ReadChar()) : '?';
    EXPECT_FALSE(f.Seek(0, 3)); // no such origin
    EXPECT_EQ(read + (f.Rewind() ? char(f.ReadChar()) : '?'), "4790");
    ASSERT_TRUE(f.OpenAppend());
    f.Write('!'), f.Close();
    EXPECT_EQ(Contents(folder.Path("s.txt")), "0123456789!");

    EXPECT_TRUE(f.Rename("new.txt") && f.GetPath() == folder.Path("new.txt"));
    EXPECT_EQ(Contents(folder.Path("new.txt")), "0123456789!");
    yFile missing(folder.Path("gone.txt"));
    EXPECT_TRUE(!missing.Rename("other.txt") && missing.GetPath() == folder.Path("gone.txt")); // left alone when refused
    ASSERT_TRUE(f.OpenRead());
    EXPECT_TRUE(f.Delete());
    EXPECT_FALSE(f.IsOpen() || f.OpenRead() || f.Delete());
}
