#include "base/yString.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <sstream>
#include <string>

namespace
{
yString Repeat(char c, int n)
{
    return yString(std::string(size_t(n), c).c_str());
}

// Every byte after the text must be zero: later operations read past the
// terminator and rely on it.
void ExpectCleanTail(yString const& s)
{
    char const* p = s;
    for (int i = s.GetLength(); i < yString::kCapacity; ++i)
        ASSERT_EQ(p[i], 0) << "byte " << i << " of '" << s << "'";
}
} // namespace

TEST(yString, StorageIsTheObjectItself)
{
    EXPECT_EQ(sizeof(yString), 256u);
}

TEST(yString, EmptyForms)
{
    yString a;
    yString b("x");
    b = static_cast<char const*>(nullptr);
    yString c("a");
    c.Clear(0);
    yString d("q");
    d = '\0';
    for (yString const* s : {&a, &b, &c, &d})
    {
        EXPECT_EQ(s->GetLength(), 0);
        EXPECT_TRUE(*s == "");
        ExpectCleanTail(*s);
    }
}

TEST(yString, AssignmentCutsAndHandlesOverlap)
{
    yString s(std::string(300, 'z').c_str());
    EXPECT_EQ(s.GetLength(), 255);

    s = "hello world";
    s = static_cast<char const*>(s) + 6; // source inside the destination
    EXPECT_TRUE(s == "world");
    ExpectCleanTail(s);

    s = 'k';
    EXPECT_TRUE(s == "k");
}

TEST(yString, ComparisonIsBytewiseBothWays)
{
    yString s("Cmd");
    EXPECT_TRUE(s == "Cmd");
    EXPECT_TRUE("Cmd" == s); // must compare text, not pointers
    EXPECT_TRUE(s != "cmd");
    EXPECT_TRUE(s == yString("Cmd"));
    EXPECT_TRUE(s != yString("Cmd "));
    EXPECT_TRUE(yString() == static_cast<char const*>(nullptr));
}

TEST(yString, ConcatenationCutsAt255)
{
    EXPECT_TRUE(yString("abc") + yString("def") == "abcdef");

    yString s = Repeat('a', 250) + yString("0123456789");
    EXPECT_EQ(s.GetLength(), 255);
    EXPECT_TRUE(s.Substring(250) == "01234");

    yString full = Repeat('b', 255);
    EXPECT_TRUE(full + 'x' == full);
    EXPECT_TRUE(full + yString("x") == full);
    EXPECT_TRUE(yString("ab") + '\0' == "ab");
    EXPECT_TRUE(yString("ab") + 'c' == "abc");
}

TEST(yString, ElementAccessIsClamped)
{
    yString s = Repeat('a', 254) + 'Z';
    EXPECT_EQ(s[-5], 'a');
    EXPECT_EQ(s[254], 'Z');
    EXPECT_EQ(s[255], 0);
    EXPECT_EQ(s[100000], 'Z'); // above 255 reads position 254
}

TEST(yString, Substring)
{
    yString s("hello");
    EXPECT_TRUE(s.Substring(1, 2) == "el");
    EXPECT_TRUE(s.Substring(1) == "ello");
    EXPECT_TRUE(s.Substring(0, 0) == "");
    EXPECT_TRUE(s.Substring(3, 100) == "lo");
    EXPECT_TRUE(yString("abcdef").Substring(4, -3) == "edc");
    EXPECT_TRUE(yString("abcdef").Substring(2, -10) == "cba");
    EXPECT_TRUE(yString("abc").Substring(10, 3) == "c");
    EXPECT_TRUE(yString("abc").Substring(-5, 2) == "ab");
    EXPECT_TRUE(yString().Substring(0, 5) == "");
    EXPECT_TRUE(yString().Substring(-3, -3) == "");
    // Extreme counts must neither overflow nor run outside the buffer.
    yString full = Repeat('c', 255);
    EXPECT_EQ(full.Substring(0, INT32_MAX).GetLength(), 255);
    EXPECT_EQ(full.Substring(254, INT32_MIN).GetLength(), 255);
    ExpectCleanTail(s.Substring(1, 2));
}

TEST(yString, SearchText)
{
    yString s("hello");
    EXPECT_EQ(s.Search(yString("lo")), 3);
    EXPECT_EQ(s.Search(yString("h")), 0);
    EXPECT_EQ(s.Search(yString("")), -1);
    EXPECT_EQ(s.Search(yString("hellos")), -1);
    EXPECT_EQ(yString().Search(yString("a")), -1);
}

TEST(yString, SearchCharacter)
{
    yString s("hello");
    EXPECT_EQ(s.Search('l', 0, false), 2);
    EXPECT_EQ(s.Search('l', 3, false), 3);
    EXPECT_EQ(s.Search('l', 4, true), 3);
    EXPECT_EQ(s.Search('l', 2, true), 2);
    EXPECT_EQ(s.Search('l', 5, false), -1);
    EXPECT_EQ(s.Search('h', -1, true), -1);
    EXPECT_EQ(s.Search('h', -7, false), 0);
    EXPECT_EQ(s.Search('o', 1000, true), 4);
    EXPECT_EQ(s.Search('\0', 200, true), -1); // the zero fill is not text
}

TEST(yString, WordRange)
{
    yString s("ab cd ef");
    EXPECT_EQ(s.GetWordRange(4), yPointL(3, 4));
    EXPECT_EQ(s.GetWordRange(3), yPointL(3, 4));
    EXPECT_EQ(s.GetWordRange(2), yPointL(2, 2)); // the blank
    EXPECT_EQ(s.GetWordRange(7), yPointL(6, 7));
    EXPECT_EQ(s.GetWordRange(8), yPointL(6, 7)); // the end finds the last word
    EXPECT_EQ(s.GetWordRange(500), yPointL(6, 7));
    EXPECT_EQ(s.GetWordRange(0), yPointL(0, 1));
    EXPECT_EQ(yString(" abc").GetWordRange(2), yPointL(1, 3));
    EXPECT_EQ(yString("a  b").GetWordRange(1), yPointL(1, 2));
    EXPECT_EQ(yString("ab ").GetWordRange(3), yPointL(3, 2)); // ends with a blank: empty range
    EXPECT_EQ(yString("a\tb").GetWordRange(1), yPointL(0, 2)); // only ' ' separates
    EXPECT_EQ(yString().GetWordRange(0), yPointL(0, -1));
}

TEST(yString, GetInt)
{
    EXPECT_EQ(yString("ab123cd").GetInt(2, 3), 123);
    EXPECT_EQ(yString("-7x").GetInt(0, 2), -7);
    EXPECT_EQ(yString("abc").GetInt(0, 3), 0);
    EXPECT_EQ(yString("  42").GetInt(0, 10), 42);
    EXPECT_EQ(yString("99999999999999").GetInt(0, 20), INT32_MAX);
    EXPECT_EQ(yString("-99999999999999").GetInt(0, 20), INT32_MIN);
}

TEST(yString, ClearOneCharacter)
{
    auto cleared = [](char const* text, long at) {
        yString s(text);
        s.Clear(at);
        return s;
    };
    EXPECT_TRUE(cleared("abcd", 1) == "acd");
    EXPECT_TRUE(cleared("abcd", 0) == "bcd");
    EXPECT_TRUE(cleared("abcd", 3) == "abc");
    EXPECT_TRUE(cleared("abcd", 9) == "abc"); // past the end drops the last
    EXPECT_TRUE(cleared("abcd", -1) == "abcd");
    EXPECT_TRUE(cleared("", 0) == "");
    EXPECT_TRUE(cleared("a", 5) == "");
}

TEST(yString, ClearRange)
{
    auto cleared = [](char const* text, long start, long count) {
        yString s(text);
        s.Clear(start, count);
        ExpectCleanTail(s);
        return s;
    };
    EXPECT_TRUE(cleared("abcdef", 1, 2) == "adef");
    EXPECT_TRUE(cleared("abcdef", 3, -2) == "adef");
    EXPECT_TRUE(cleared("abcdef", 4, 10) == "abcd");
    EXPECT_TRUE(cleared("abcdef", -5, 2) == "abcdef"); // wholly before the text
    EXPECT_TRUE(cleared("abcdef", -2, 4) == "cdef");
    EXPECT_TRUE(cleared("abcdef", 2, 0) == "abcdef");
    EXPECT_TRUE(cleared("abcdef", 0, 6) == "");
    EXPECT_TRUE(cleared("abcdef", LONG_MAX, LONG_MAX) == "abcdef");
    EXPECT_TRUE(cleared("abcdef", LONG_MIN, LONG_MIN) == "abcdef");
}

TEST(yString, Insert)
{
    auto inserted = [](long at, auto what) {
        yString s("abc");
        s.Insert(at, what);
        return s;
    };
    EXPECT_TRUE(inserted(0, 'x') == "xabc");
    EXPECT_TRUE(inserted(-4, 'x') == "xabc");
    EXPECT_TRUE(inserted(2, 'x') == "abxc");
    EXPECT_TRUE(inserted(9, 'x') == "abcx");
    EXPECT_TRUE(inserted(LONG_MAX, 'x') == "abcx");
    EXPECT_TRUE(inserted(1, yString("XY")) == "aXYbc");

    yString full = Repeat('f', 255);
    full.Insert(0, 'x'); // what falls off is lost from the end
    EXPECT_EQ(full.GetLength(), 255);
    EXPECT_EQ(full[0], 'x');
    EXPECT_EQ(full[254], 'f');
}

TEST(yString, ReplaceStripReverse)
{
    yString s("a-b-c");
    EXPECT_TRUE(yString(s).StripChar('-') == "abc");
    EXPECT_TRUE(yString(s).Replace('-', '+') == "a+b+c");
    EXPECT_TRUE(yString("abc").Reverse() == "cba");
    EXPECT_TRUE(yString().Reverse() == "");

    yString cut = yString(s).Replace('-', '\0'); // ends the text at the first dash
    EXPECT_TRUE(cut == "a");
    ExpectCleanTail(cut);
    ExpectCleanTail(yString(s).StripChar('-'));
}

TEST(yString, NumberToText)
{
    yString s;
    EXPECT_TRUE(s.NumberToText(3.14159f, 2) == "3.14");
    EXPECT_TRUE(s.NumberToText(3.14159f, 0) == "3");
    EXPECT_TRUE(s.NumberToText(3.14159f, 9) == "3.1415901"); // seven decimals of the double value
    EXPECT_TRUE(s.NumberToText(-0.5f, 1) == "-0.5");
    EXPECT_TRUE(s.NumberToText(2.5f, 0) == "2"); // the library's round-half-even
    EXPECT_GT(s.NumberToText(3.0e38f, 7).GetLength(), 40);
}

TEST(yString, PascalForms)
{
    unsigned char bytes[256] = {};
    yString("hello").ToPascalStr(bytes, 3);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 'h');
    EXPECT_EQ(bytes[3], 'l');
    EXPECT_EQ(bytes[4], 0); // untouched, nothing beyond the count is written

    yString back("previous long text");
    back.FromPascalStr(bytes);
    EXPECT_TRUE(back == "hel");
    ExpectCleanTail(back);

    yString("hi").ToPascalStr(bytes, 200);
    EXPECT_EQ(bytes[0], 2);
    yString("hi").ToPascalStr(bytes, -4);
    EXPECT_EQ(bytes[0], 0);

    back.FromPascalStr(nullptr);
    EXPECT_TRUE(back == "");
}

TEST(yString, Streams)
{
    std::ostringstream out;
    out << yString("ab") << '|' << yString();
    EXPECT_EQ(out.str(), "ab|");

    std::istringstream in("  first second");
    yString a, b, c;
    in >> a >> b;
    EXPECT_TRUE(a == "first");
    EXPECT_TRUE(b == "second");
    EXPECT_FALSE(in >> c);

    std::istringstream longWord(std::string(300, 'w'));
    longWord >> a;
    EXPECT_EQ(a.GetLength(), 255);
}
