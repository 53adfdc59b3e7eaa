// The classic C library generator (srand/rand) that the noise tables are
// shuffled with; fixed here so that a seed builds the same tables everywhere.
#pragma once

#include <cstdint>

class yNoiseRandom
{
public:
    explicit yNoiseRandom(uint32_t seed) : m_state(seed) {}

    // 0 to 32767.
    int Next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return int((m_state / 65536u) % 32768u);
    }

private:
    uint32_t m_state;
};
