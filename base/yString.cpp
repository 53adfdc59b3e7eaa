#include "base/yString.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <istream>
#include <ostream>

namespace
{
// Callers pass long indexes; anything outside this range behaves as its end.
int ClampIndex(long long v)
{
    return int(std::clamp<long long>(v, -1, yString::kCapacity));
}

long long SaturatingSum(long long a, long long b)
{
    if (b > 0 && a > LLONG_MAX - b)
        return LLONG_MAX;
    if (b < 0 && a < LLONG_MIN - b)
        return LLONG_MIN;
    return a + b;
}
} // namespace

yString::yString(char const* text)
{
    *this = text;
}

yString& yString::operator=(char const* text)
{
    if (!text)
        text = "";
    // The source may lie inside this very buffer, hence memmove before zeroing the tail.
    const size_t n = strnlen(text, kMaxLength);
    std::memmove(m_chars, text, n);
    std::memset(m_chars + n, 0, kCapacity - n);
    return *this;
}

yString& yString::operator=(char const& c)
{
    std::memset(m_chars, 0, kCapacity);
    m_chars[0] = c;
    return *this;
}

int yString::GetLength() const
{
    return int(strnlen(m_chars, kMaxLength));
}

char yString::operator[](long index) const
{
    if (index <= 0)
        return m_chars[0];
    return index > kMaxLength ? m_chars[kMaxLength - 1] : m_chars[index];
}

yString yString::operator+(yString const& tail) const
{
    yString r(*this);
    const int n = GetLength();
    std::memcpy(r.m_chars + n, tail.m_chars, std::min(tail.GetLength(), kMaxLength - n));
    return r;
}

yString yString::operator+(char const& c) const
{
    yString r(*this);
    const int n = GetLength();
    if (n < kMaxLength)
        r.m_chars[n] = c;
    return r;
}

yString yString::Substring(int start, int count) const
{
    yString r;
    const int n = GetLength();
    if (start < 0)
        start = 0;
    if (start >= n)
        start = n - 1;
    const long long end = (long long)start + count;
    const int step = count >= 0 ? 1 : -1;
    int out = 0;
    // Past the terminator the buffer holds zeros, so an over-long count just ends the text.
    for (long long i = start; i < kMaxLength && i != end && i >= 0; i += step)
        r.m_chars[out++] = m_chars[i];
    return r;
}

yString yString::Substring(int start) const
{
    return Substring(start, GetLength());
}

int yString::Search(yString const& text) const
{
    if (m_chars[0] == 0 || text.m_chars[0] == 0)
        return -1;
    char const* hit = std::strstr(m_chars, text.m_chars);
    return hit ? int(hit - m_chars) : -1;
}

int yString::Search(char const& c, long const& from, bool backwards) const
{
    const int n = GetLength();
    if (backwards)
    {
        for (long i = std::min<long>(from, n - 1); i >= 0; --i)
            if (m_chars[i] == c)
                return int(i);
        return -1;
    }
    for (long i = std::max<long>(from, 0); i < n; ++i)
        if (m_chars[i] == c)
            return int(i);
    return -1;
}

yPointL yString::GetWordRange(long const& at) const
{
    const int n = GetLength();
    // A position past the end reads the terminator, which counts as non-blank.
    const int p = int(std::clamp<long>(at, 0, n));
    const bool blank = m_chars[p] == ' ';
    int x = p;
    while (x > 0 && (m_chars[x - 1] == ' ') == blank)
        --x;
    int y = p;
    if (p >= n)
        y = n - 1;
    else
        while (y + 1 < n && (m_chars[y + 1] == ' ') == blank)
            ++y;
    return yPointL(x, y);
}

int yString::GetInt(int start, int count) const
{
    const yString part = Substring(start, count);
    const long v = std::strtol(part.m_chars, nullptr, 10);
    return int(std::clamp<long>(v, INT_MIN, INT_MAX));
}

void yString::Clear(long const& at)
{
    const int n = GetLength();
    if (n == 0 || at < 0)
        return;
    if (at == 0)
        *this = n == 1 ? yString() : Substring(1, kMaxLength);
    else if (at >= n - 1)
        *this = Substring(0, n - 1);
    else
        *this = Substring(0, int(at)) + Substring(int(at) + 1, kMaxLength);
}

void yString::Clear(long start, long count)
{
    const long long a = start, b = SaturatingSum(start, count);
    const int lo = ClampIndex(std::min(a, b)), hi = ClampIndex(std::max(a, b));
    const yString head = lo > 0 ? Substring(0, lo) : yString();
    const yString tail = hi < GetLength() ? Substring(hi, kMaxLength) : yString();
    *this = head + tail;
}

void yString::Insert(long const& at, char c)
{
    Insert(at, yString() + c);
}

void yString::Insert(long const& at, yString const& text)
{
    const int i = ClampIndex(at);
    const yString head = i > 0 ? Substring(0, i) : yString();
    const yString tail = i < GetLength() ? Substring(i, kMaxLength) : yString();
    *this = head + text + tail;
}

yString& yString::Replace(char from, char to)
{
    const int n = GetLength();
    for (int i = 0; i < n; ++i)
        if (m_chars[i] == from)
            m_chars[i] = to;
    // Replacing by the zero character ends the text there; keep the tail zeroed.
    if (to == 0)
        *this = yString(m_chars);
    return *this;
}

yString& yString::StripChar(char c)
{
    const int n = GetLength();
    int out = 0;
    for (int i = 0; i < n; ++i)
        if (m_chars[i] != c)
            m_chars[out++] = m_chars[i];
    std::memset(m_chars + out, 0, kCapacity - out);
    return *this;
}

yString yString::Reverse() const
{
    yString r;
    const int n = GetLength();
    for (int i = 0; i < n; ++i)
        r.m_chars[i] = m_chars[n - 1 - i];
    return r;
}

yString& yString::NumberToText(float const& value, unsigned char digits)
{
    static char const* const kFormats[] = {"%.0f", "%.1f", "%.2f", "%.3f", "%.4f", "%.5f", "%.6f", "%.7f"};
    char text[kCapacity];
    std::snprintf(text, sizeof text, kFormats[std::min<int>(digits, 7)], double(value));
    return *this = text;
}

void yString::ToPascalStr(unsigned char* dst, long max) const
{
    if (!dst)
        return;
    const int n = int(std::min<long>(std::clamp<long>(max, 0, kMaxLength), GetLength()));
    dst[0] = (unsigned char)n;
    std::memcpy(dst + 1, m_chars, n);
}

void yString::FromPascalStr(unsigned char const* src)
{
    std::memset(m_chars, 0, kCapacity);
    if (src)
        std::memcpy(m_chars, src + 1, src[0]);
    // A zero byte inside the counted characters ends the text; keep the tail zeroed.
    *this = yString(m_chars);
}

bool operator==(yString const& a, yString const& b)
{
    return std::strcmp(a.m_chars, b.m_chars) == 0;
}

bool operator==(yString const& a, char const* b)
{
    return std::strcmp(a.m_chars, b ? b : "") == 0;
}

bool operator==(char const* a, yString const& b)
{
    return b == a;
}

std::ostream& operator<<(std::ostream& os, yString const& s)
{
    return os.write(s, s.GetLength());
}

std::istream& operator>>(std::istream& is, yString& s)
{
    char word[yString::kCapacity] = {};
    is >> std::setw(yString::kCapacity) >> word;
    s = word;
    return is;
}
