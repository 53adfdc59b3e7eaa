#include "base/yRandom.h"

#include <cstdint>

namespace
{
constexpr int64_t kM1 = 2147483563, kM2 = 2147483399;
constexpr int64_t kA1 = 40014, kA2 = 40692;
constexpr int64_t kQ1 = 53668, kQ2 = 52774;
constexpr int64_t kR1 = 12211, kR2 = 3791;
constexpr int kTableSize = 32;
constexpr int64_t kDivisor = 1 + (kM1 - 1) / kTableSize;
constexpr float kLargest = 1.0f - 1.2e-7f;

// One step of a * state mod m by Schrage's decomposition.
int64_t Step(int64_t state, int64_t a, int64_t q, int64_t r, int64_t m)
{
    const int64_t k = state / q;
    state = a * (state - k * q) - k * r;
    return state < 0 ? state + m : state;
}

struct ShuffledGenerator
{
    int64_t idum2 = 123456789;
    int64_t iy = 0;
    int64_t iv[kTableSize] = {};

    float Next(long& idum)
    {
        // The state is a 32-bit number wherever long is wider.
        int64_t state = int32_t(uint32_t(idum));
        if (state <= 0)
        {
            state = state == 0 ? 1 : -state;
            idum2 = state;
            for (int j = kTableSize + 7; j >= 0; --j) // 8 warm-up steps are discarded
            {
                state = Step(state, kA1, kQ1, kR1, kM1);
                if (j < kTableSize)
                    iv[j] = state;
            }
            iy = iv[0];
        }
        state = Step(state, kA1, kQ1, kR1, kM1);
        idum2 = Step(idum2, kA2, kQ2, kR2, kM2);
        const int j = int(iy / kDivisor);
        iy = iv[j] - idum2;
        iv[j] = state;
        if (iy < 1)
            iy += kM1 - 1;
        idum = long(state);
        const float value = float(double(iy) * (1.0 / double(kM1)));
        return value > kLargest ? kLargest : value;
    }
};

ShuffledGenerator g_ran2;
ShuffledGenerator g_random2;
} // namespace

long yRandom::seed = 0;

float yRandom::ran2(long* idum)
{
    if (!idum)
        return 0.5f;
    return g_ran2.Next(*idum);
}

float yRandom::Random2(long idum)
{
    return g_random2.Next(idum);
}
