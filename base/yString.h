// The one string type: at most 255 single-byte characters in a zero-terminated
// 256-byte buffer inside the object. Nothing is allocated and nothing fails:
// results that would be longer are cut at 255 characters, and indexes out of
// range are clamped or ignored.
#pragma once

#include "base/yExport.h"
#include "base/yPointL.h"

#include <iosfwd>

class Y_EXPORT yString
{
public:
    static constexpr int kCapacity = 256;
    static constexpr int kMaxLength = kCapacity - 1;

    yString() = default;
    yString(char const* text);

    yString& operator=(char const* text); // null gives the empty string
    yString& operator=(char const& c);    // the zero character gives the empty string

    int GetLength() const;
    operator char const*() const { return m_chars; }
    // Reads one character; the index is clamped into the buffer (above 255 reads 254).
    char operator[](long index) const;
    // Where long and int are the same width (32-bit Windows), an int index
    // would match the pointer conversion as well as the long one.
    char operator[](int index) const { return (*this)[long(index)]; }

    yString operator+(yString const& tail) const;
    yString operator+(char const& c) const;

    // From start, count characters; a negative count reads backwards.
    yString Substring(int start, int count) const;
    yString Substring(int start) const;
    // First index at which text occurs, or -1.
    int Search(yString const& text) const;
    // The first (or, backwards, the last) index from `from` holding c, or -1.
    int Search(char const& c, long const& from, bool backwards) const;
    // First (x) and last (y) index of the run of blanks or non-blanks at `at`.
    yPointL GetWordRange(long const& at) const;
    // The decimal number at the start of Substring(start, count), 0 without digits.
    int GetInt(int start, int count) const;

    void Clear(long const& at);
    void Clear(long start, long count);
    void Insert(long const& at, char c);
    void Insert(long const& at, yString const& text);
    yString& Replace(char from, char to);
    yString& StripChar(char c);
    yString Reverse() const;

    // Fixed-point text with `digits` decimals (7 at most).
    yString& NumberToText(float const& value, unsigned char digits);
    // Length-prefixed form: byte 0 holds the count, no terminator.
    void ToPascalStr(unsigned char* dst, long max) const;
    void FromPascalStr(unsigned char const* src);

    friend Y_EXPORT bool operator==(yString const& a, yString const& b);
    friend Y_EXPORT bool operator==(yString const& a, char const* b);
    friend Y_EXPORT bool operator==(char const* a, yString const& b);
    friend bool operator!=(yString const& a, yString const& b) { return !(a == b); }
    friend bool operator!=(yString const& a, char const* b) { return !(a == b); }
    friend bool operator!=(char const* a, yString const& b) { return !(a == b); }

private:
    // Index 255 stays zero and the bytes after the terminator are zero.
    char m_chars[kCapacity] = {};
};

Y_EXPORT std::ostream& operator<<(std::ostream& os, yString const& s);
// Reads one white-space-delimited word; a longer word's rest stays in the stream.
Y_EXPORT std::istream& operator>>(std::istream& is, yString& s);
