#include "base/yString.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <sstream>
#include <string>

namespace
{
yString Repeat(char c, int n) { return yString(std::string(size_t(n), c).c_str()); }

// Every byte after the text must be zero: later operations read past the
// terminator and rely on it.
std::string Checked(yString const& s)
{
    char const* p = s;
    for (int i = s.GetLength(); i < yString::kCapacity; ++i)
        if (p[i] != 0)
            return "dirty tail at " + std::to_string(i);
    return p;
}

std::string Sub(char const* t, int start, int count) { return Checked(yString(t).Substring(start, count)); }
std::string Cleared(char const* t, long start, long count)
{
    yString s(t);
    count == 0 ? s.Clear(start) : s.Clear(start, count); // 0: the one-argument form
    return Checked(s);
}
std::string Inserted(long at, char c)
{
    yString s("abc");
    return s.Insert(at, c), Checked(s);
}
} // namespace

TEST(yString, AssignmentCompareAndConcatenate)
{
    yString b("x"), d("q");
    b = static_cast<char const*>(nullptr), d = '\0';
    EXPECT_EQ(Checked(b) + Checked(d), "");
    EXPECT_EQ(yString(std::string(300, 'z').c_str()).GetLength(), 255);
    yString s("hello world");
    s = static_cast<char const*>(s) + 6; // source inside the destination
    EXPECT_EQ(Checked(s), "world");

    const yString c("Cmd");
    EXPECT_TRUE(c == "Cmd" && "Cmd" == c && c == yString("Cmd")); // text, not pointers
    EXPECT_FALSE(c != "Cmd" || "Cmd" != c || c != yString("Cmd"));
    EXPECT_TRUE(c != "cmd" && "Cmd " != c && c != yString("Cm"));

    EXPECT_STREQ((Repeat('a', 250) + yString("0123456789")).Substring(250), "01234");
    const yString full = Repeat('b', 254) + 'Z';
    EXPECT_TRUE(full + 'x' == full && full + yString("x") == full);
    EXPECT_STREQ(yString("ab") + '\0', "ab");
    EXPECT_EQ(std::string(1, full[-5]) + full[254] + full[100000], "bZZ"); // indices are clamped
    EXPECT_EQ(full[255], 0);
}

TEST(yString, SubstringAndSearch)
{
    EXPECT_EQ(Sub("hello", 3, 100), "lo");    // cut at the end
    EXPECT_EQ(Sub("abcdef", 4, -3), "edc");   // a negative count runs backwards
    EXPECT_EQ(Sub("abcdef", 2, -10), "cba");  // backwards, cut at the start
    EXPECT_EQ(Sub("abc", 10, 3), "c");        // a start past the end is the last character
    EXPECT_EQ(Sub("abc", -5, 2), "ab");       // a start before the text is 0
    EXPECT_STREQ(yString("hello").Substring(1), "ello");
    EXPECT_EQ(Repeat('c', 255).Substring(0, INT32_MAX).GetLength(), 255); // no overflow
    EXPECT_EQ(Repeat('c', 255).Substring(254, INT32_MIN).GetLength(), 255);

    const yString s("hello");
    EXPECT_EQ(s.Search(yString("lo")), 3);
    EXPECT_EQ(s.Search(yString("")), -1);
    EXPECT_EQ(s.Search('l', 3, false), 3);   // from the hit
    EXPECT_EQ(s.Search('l', 4, true), 3);    // backwards
    EXPECT_EQ(s.Search('l', 2, true), 2);    // backwards from the hit
    EXPECT_EQ(s.Search('l', 5, false), -1);  // from the end
    EXPECT_EQ(s.Search('h', -1, true), -1);  // backwards from before the start
    EXPECT_EQ(s.Search('h', -7, false), 0);  // forwards from before the start
    EXPECT_EQ(s.Search('o', 1000, true), 4); // backwards from far past the end
    EXPECT_EQ(s.Search('\0', 200, true), -1); // the zero fill is not text
}

TEST(yString, WordRangeAndNumbers)
{
    const yString s("ab cd ef");
    EXPECT_EQ(s.GetWordRange(4), yPointL(3, 4));
    EXPECT_EQ(s.GetWordRange(2), yPointL(2, 2));   // the blank
    EXPECT_EQ(s.GetWordRange(8), yPointL(6, 7));   // the end finds the last word
    EXPECT_EQ(s.GetWordRange(500), yPointL(6, 7));
    EXPECT_EQ(s.GetWordRange(0), yPointL(0, 1));
    EXPECT_EQ(yString("ab ").GetWordRange(3), yPointL(3, 2)); // ends with a blank: empty range
    EXPECT_EQ(yString("a\tb").GetWordRange(1), yPointL(0, 2)); // only ' ' separates
    EXPECT_EQ(yString().GetWordRange(0), yPointL(0, -1));

    EXPECT_EQ(yString("ab123cd").GetInt(2, 2), 12);
    EXPECT_EQ(yString("-7x").GetInt(0, 2), -7);
    EXPECT_EQ(yString("  42").GetInt(0, 10), 42);
    EXPECT_EQ(yString("99999999999999").GetInt(0, 20), INT32_MAX);
    EXPECT_EQ(yString("-99999999999999").GetInt(0, 20), INT32_MIN);

    yString t;
    EXPECT_STREQ(t.NumberToText(3.14159f, 2), "3.14");
    EXPECT_STREQ(t.NumberToText(3.14159f, 9), "3.1415901"); // seven decimals of the double value
    EXPECT_STREQ(t.NumberToText(2.5f, 0), "2");            // the library's round-half-even
}

TEST(yString, Editing)
{
    EXPECT_EQ(Cleared("abcd", 1, 0), "acd");
    EXPECT_EQ(Cleared("abcd", 0, 0), "bcd");
    EXPECT_EQ(Cleared("abcd", 9, 0), "abc");  // past the end drops the last
    EXPECT_EQ(Cleared("abcd", -1, 0), "abcd");
    EXPECT_EQ(Cleared("abcdef", 1, 2), "adef");
    EXPECT_EQ(Cleared("abcdef", 3, -2), "adef");   // backwards
    EXPECT_EQ(Cleared("abcdef", 4, 10), "abcd");   // cut at the end
    EXPECT_EQ(Cleared("abcdef", -5, 2), "abcdef"); // wholly before the text
    EXPECT_EQ(Cleared("abcdef", -2, 4), "cdef");   // partly before
    EXPECT_EQ(Cleared("abcdef", LONG_MAX, LONG_MAX), "abcdef");

    EXPECT_EQ(Inserted(-4, 'x'), "xabc");
    EXPECT_EQ(Inserted(2, 'x'), "abxc");
    EXPECT_EQ(Inserted(LONG_MAX, 'x'), "abcx");
    yString s("abc");
    s.Insert(1, yString("XY"));
    EXPECT_STREQ(s, "aXYbc");
    yString full = Repeat('f', 255);
    full.Insert(0, 'x'); // what falls off is lost from the end
    EXPECT_STREQ(full, yString("x") + Repeat('f', 254));

    EXPECT_EQ(Checked(yString("a-b-c").StripChar('-')), "abc");
    EXPECT_EQ(Checked(yString("a-b-c").Replace('-', '\0')), "a"); // ends the text at the first dash
    EXPECT_STREQ(yString("abc").Reverse(), "cba");
}

TEST(yString, PascalFormsAndStreams)
{
    unsigned char bytes[256] = {};
    yString("hello").ToPascalStr(bytes, 3);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 5), std::string("\3hel\0", 5)); // nothing past the count
    yString back("previous long text");
    back.FromPascalStr(bytes);
    EXPECT_EQ(Checked(back), "hel");
    yString("hi").ToPascalStr(bytes, -4);
    back.FromPascalStr(nullptr);
    EXPECT_TRUE(bytes[0] == 0 && back == "");

    std::ostringstream out;
    out << yString("ab") << '|' << yString();
    EXPECT_EQ(out.str(), "ab|");
    std::istringstream in("  first second " + std::string(300, 'w'));
    yString a, b, c, d;
    in >> a >> b >> c;
    EXPECT_EQ(std::string(a) + "|" + b.operator char const*(), "first|second");
    EXPECT_EQ(c.GetLength(), 255); // the rest of a long word is the next word
    EXPECT_TRUE((in >> d) && d.GetLength() == 45 && !(in >> d));
}
