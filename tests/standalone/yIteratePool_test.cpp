#include "standalone/emulator/yIteratePool.h"

#include <gtest/gtest.h>

#include <atomic>

using yStandalone::yIteratePool;

namespace
{
// Counts each iteration's runs and anything out of place in its arguments.
struct Seen
{
    std::atomic<int> runs[64] = {};
    std::atomic<int> wrong{0};
    int threads = 1;
    A_long count = 0;
    A_long failing = -1;
};

PF_Err Note(void* refcon, A_long thread, A_long i, A_long iterations)
{
    Seen& seen = *static_cast<Seen*>(refcon);
    ++seen.runs[i];
    seen.wrong += thread < 0 || thread >= seen.threads || iterations != seen.count;
    return i == seen.failing ? PF_Err_INTERNAL_STRUCT_DAMAGED : PF_Err_NONE;
}

// Asks for iterations from inside one: they run on the asking thread.
PF_Err Nest(void*, A_long, A_long, A_long)
{
    Seen inner;
    inner.count = 3;
    return yIteratePool::Instance().Run(3, &inner, Note) == PF_Err_NONE && inner.runs[2] == 1 ? PF_Err_NONE
                                                                                              : PF_Err_BAD_CALLBACK_PARAM;
}
} // namespace

TEST(yIteratePool, RunsEachIterationOnceOnTheThreadsItHasAndReturnsTheError)
{
    // failing: the iteration that returns an error, -1 for none
    struct Case { int threads; A_long iterations; A_long count; A_long failing; };
    const Case cases[] = {
        {1, 5, 5, -1}, {3, 50, 50, -1}, {4, PF_Iterations_ONCE_PER_PROCESSOR, 4, -1}, {3, 0, 0, -1},
        {1, 5, 5, 0},  // alone, the error stops every iteration not yet begun
        {3, 50, 50, 7},
    };
    for (const Case& c : cases)
    {
        yIteratePool::Instance().SetThreadCount(c.threads);
        Seen seen;
        seen.threads = c.threads;
        seen.count = c.count;
        seen.failing = c.failing;
        EXPECT_EQ(yIteratePool::Instance().Run(c.iterations, &seen, Note),
                  c.failing >= 0 ? PF_Err_INTERNAL_STRUCT_DAMAGED : PF_Err_NONE);
        EXPECT_EQ(seen.wrong, 0) << c.threads << " threads";
        // Iterations are handed out in order: all before the failing one ran,
        // once; alone, none after it; without a failure, all of them.
        int runs = 0;
        for (A_long i = 0; i < 64; ++i)
        {
            const bool due = i < c.count && (c.failing < 0 || i <= c.failing);
            if (due)
                EXPECT_EQ(seen.runs[i], 1) << c.threads << " threads, iteration " << i;
            else
                EXPECT_LE(seen.runs[i], i < c.count && c.threads > 1 ? 1 : 0) << c.threads << " threads, iteration " << i;
            runs += seen.runs[i];
        }
        if (c.failing >= 0 && c.threads == 1)
        {
            EXPECT_EQ(runs, c.failing + 1);
        }
    }
    EXPECT_EQ(yIteratePool::Instance().Run(6, nullptr, Nest), PF_Err_NONE);
    yIteratePool::Instance().SetThreadCount(0);
}
