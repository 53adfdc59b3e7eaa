// The threads behind the iterate suite's generic iteration: as many as the
// machine has cores unless told otherwise. One iteration job runs at a time;
// a call made while another runs (a second render, or one from inside an
// iteration) runs its iterations on its own thread instead of waiting.
#pragma once

#include "host/sdk/AE_EffectSuites.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace yStandalone
{
class yIteratePool
{
  public:
    // The process's pool, started at its first job.
    static yIteratePool& Instance();
    ~yIteratePool();

    // Threads taking part in a job, the calling thread included (at least 1).
    int ThreadCount() const { return m_threadCount.load(); }
    // Sets the thread count; 0 means one per core. Joins the current threads.
    void SetThreadCount(int threads);

    // Calls fn for every iteration (PF_Iterations_ONCE_PER_PROCESSOR: one per
    // thread) and returns the first error, after which no new iteration begins.
    PF_Err Run(A_long iterations, void* refcon, PF_IterateGenericFunc fn);

  private:
    struct Job
    {
        A_long iterations = 0;
        void* refcon = nullptr;
        PF_IterateGenericFunc fn = nullptr;
        std::atomic<A_long> next{0};
        std::atomic<PF_Err> error{PF_Err_NONE};
    };

    yIteratePool();
    static void Work(Job& job, A_long thread);
    void WorkerLoop(A_long thread, uint64_t seen);
    void Start(int threads);
    void Stop();

    std::atomic<int> m_threadCount{1};
    std::mutex m_running; // held by the job that has the threads
    std::mutex m_lock;    // guards what follows
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::vector<std::thread> m_threads;
    Job* m_job = nullptr;
    uint64_t m_generation = 0;
    int m_busy = 0; // workers still inside the current job
    bool m_stopping = false;
};
} // namespace yStandalone
