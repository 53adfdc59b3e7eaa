// Any sequence of string operations with any indexes and counts: the buffer
// stays terminated, no result outgrows it, and nothing reads or writes
// outside it.
#include "base/yString.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace
{
constexpr int kMaxOperations = 64;

void Require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "Invariant broken: %s\n", what);
    std::abort();
}

void Check(const yString& s)
{
    const char* chars = s;
    const size_t length = strnlen(chars, yString::kCapacity);
    Require(length <= size_t(yString::kMaxLength), "a string ends inside its buffer");
    Require(s.GetLength() == int(length), "the length is the distance to the terminator");
}

yString Text(FuzzedDataProvider& in)
{
    const std::string text = in.ConsumeRandomLengthString(300);
    return yString(text.c_str());
}

long Index(FuzzedDataProvider& in)
{
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<long>(-3, 260) : in.ConsumeIntegral<long>();
}

int Count(FuzzedDataProvider& in)
{
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(-260, 260) : in.ConsumeIntegral<int>();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    yString s = Text(in);
    for (int k = 0; k < kMaxOperations && in.remaining_bytes() > 0; ++k)
    {
        switch (in.ConsumeIntegralInRange(0, 19))
        {
        case 0: s = Text(in); break;
        case 1: s = s + Text(in); break;
        case 2: s = s + in.ConsumeIntegral<char>(); break;
        case 3: s = s.Substring(int(Index(in)), Count(in)); break;
        case 4: s = s.Substring(int(Index(in))); break;
        case 5: s.Search(Text(in)); break;
        case 6: s.Search(in.ConsumeIntegral<char>(), Index(in), in.ConsumeBool()); break;
        case 7: s.GetWordRange(Index(in)); break;
        case 8: s.GetInt(int(Index(in)), Count(in)); break;
        case 9: s.Clear(Index(in)); break;
        case 10: s.Clear(Index(in), Count(in)); break;
        case 11: s.Insert(Index(in), in.ConsumeIntegral<char>()); break;
        case 12: s.Insert(Index(in), Text(in)); break;
        case 13: s.Replace(in.ConsumeIntegral<char>(), in.ConsumeIntegral<char>()); break;
        case 14: s.StripChar(in.ConsumeIntegral<char>()); break;
        case 15: s = s.Reverse(); break;
        case 16: s.NumberToText(in.ConsumeFloatingPoint<float>(), in.ConsumeIntegral<unsigned char>()); break;
        case 17:
        {
            unsigned char pascal[300];
            std::memset(pascal, 0xEE, sizeof pascal);
            const long max = in.ConsumeIntegralInRange<long>(-2, 260);
            s.ToPascalStr(pascal, max);
            // At most max characters behind the count byte.
            if (max >= 0) Require(pascal[0] <= max, "a length-prefixed copy holds at most max characters");
            for (long i = (max > 0 ? max : 0) + 1; i < long(sizeof pascal); ++i)
                Require(pascal[i] == 0xEE, "nothing is written past the room given");
            yString back;
            back.FromPascalStr(pascal);
            Check(back);
            break;
        }
        case 18:
        {
            unsigned char pascal[256];
            const std::string bytes = in.ConsumeBytesAsString(256);
            std::memset(pascal, 0, sizeof pascal);
            std::memcpy(pascal, bytes.data(), bytes.size());
            s.FromPascalStr(pascal);
            break;
        }
        case 19:
        {
            std::istringstream stream(in.ConsumeRandomLengthString(600));
            stream >> s;
            s[Index(in)];
            break;
        }
        }
        Check(s);
    }
    return 0;
}
