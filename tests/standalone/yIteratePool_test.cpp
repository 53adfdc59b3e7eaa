#include "standalone/yIteratePool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

using yHost::yIteratePool;

namespace
{
// What the iterations saw: how often each ran, the threads and counts told.
struct Seen
{
    std::vector<std::atomic<int>> runs = std::vector<std::atomic<int>>(64);
    std::atomic<int> badThread{0}, badCount{0}, nested{0};
    A_long expectedCount = 0;
    int threads = 0;
    A_long failAt = -1;
};

PF_Err Note(void* refcon, A_long thread, A_long i, A_long iterations)
{
    Seen& seen = *static_cast<Seen*>(refcon);
    ++seen.runs[size_t(i)];
    if (thread < 0 || thread >= seen.threads) ++seen.badThread;
    if (iterations != seen.expectedCount) ++seen.badCount;
    return i == seen.failAt ? PF_Err_INTERNAL_STRUCT_DAMAGED : PF_Err_NONE;
}

// Asks for more iterations from inside one: they run on the asking thread.
PF_Err Nest(void* refcon, A_long, A_long, A_long)
{
    Seen inner;
    inner.threads = 1;
    inner.expectedCount = 3;
    const PF_Err err = yIteratePool::Instance().Run(3, &inner, Note);
    static_cast<Seen*>(refcon)->nested += inner.runs[0] + inner.runs[1] + inner.runs[2];
    return err;
}
} // namespace

TEST(yIteratePool, RunsEveryIterationOnceOnTheThreadsItHas)
{
    struct Case { int threads; A_long iterations; A_long expected; };
    const Case cases[] = {
        {1, 5, 5}, {3, 0, 0}, {3, 1, 1}, {3, 50, 50}, {4, PF_Iterations_ONCE_PER_PROCESSOR, 4},
        {1, PF_Iterations_ONCE_PER_PROCESSOR, 1},
    };
    for (const Case& c : cases)
    {
        yIteratePool::Instance().SetThreadCount(c.threads);
        ASSERT_EQ(yIteratePool::Instance().ThreadCount(), c.threads);
        Seen seen;
        seen.threads = c.threads;
        seen.expectedCount = c.expected;
        EXPECT_EQ(yIteratePool::Instance().Run(c.iterations, &seen, Note), PF_Err_NONE);
        for (A_long i = 0; i < 64; ++i)
            EXPECT_EQ(seen.runs[size_t(i)], i < c.expected ? 1 : 0) << c.threads << " threads, iteration " << i;
        EXPECT_EQ(seen.badThread, 0) << c.threads << " threads";
        EXPECT_EQ(seen.badCount, 0) << c.threads << " threads";
    }
    yIteratePool::Instance().SetThreadCount(0);
}

TEST(yIteratePool, AnErrorIsReturnedAndNestedCallsRunInline)
{
    for (int threads : {1, 3})
    {
        yIteratePool::Instance().SetThreadCount(threads);
        Seen failing;
        failing.threads = threads;
        failing.expectedCount = 40;
        failing.failAt = 0;
        EXPECT_EQ(yIteratePool::Instance().Run(40, &failing, Note), PF_Err_INTERNAL_STRUCT_DAMAGED);
        // Alone, the failing first iteration is the only one begun.
        if (threads == 1) EXPECT_EQ(failing.runs[1], 0);
    }

    Seen outer;
    EXPECT_EQ(yIteratePool::Instance().Run(6, &outer, Nest), PF_Err_NONE);
    EXPECT_EQ(outer.nested, 18);
    yIteratePool::Instance().SetThreadCount(0);
}
