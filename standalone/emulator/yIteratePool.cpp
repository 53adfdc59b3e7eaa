#include "standalone/emulator/yIteratePool.h"

namespace yStandalone
{
yIteratePool& yIteratePool::Instance()
{
    static yIteratePool pool;
    return pool;
}

yIteratePool::yIteratePool()
{
    Start(0);
}

yIteratePool::~yIteratePool()
{
    Stop();
}

void yIteratePool::SetThreadCount(int threads)
{
    std::lock_guard<std::mutex> running(m_running);
    Stop();
    Start(threads);
}

void yIteratePool::Start(int threads)
{
    if (threads <= 0) threads = int(std::thread::hardware_concurrency());
    if (threads <= 0) threads = 1;
    m_stopping = false;
    m_threadCount = threads;
    // The calling thread is thread 0; the workers are 1 .. threads - 1.
    for (A_long t = 1; t < threads; ++t)
        m_threads.emplace_back(&yIteratePool::WorkerLoop, this, t, m_generation);
}

void yIteratePool::Stop()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_stopping = true;
    }
    m_wake.notify_all();
    for (std::thread& t : m_threads)
        t.join();
    m_threads.clear();
}

void yIteratePool::Work(Job& job, A_long thread)
{
    for (;;)
    {
        if (job.error.load() != PF_Err_NONE) return;
        const A_long i = job.next.fetch_add(1);
        if (i >= job.iterations) return;
        if (PF_Err err = job.fn(job.refcon, thread, i, job.iterations))
        {
            PF_Err none = PF_Err_NONE;
            job.error.compare_exchange_strong(none, err);
        }
    }
}

void yIteratePool::WorkerLoop(A_long thread, uint64_t seen)
{
    for (;;)
    {
        Job* job = nullptr;
        {
            std::unique_lock<std::mutex> lock(m_lock);
            m_wake.wait(lock, [&] { return m_stopping || m_generation != seen; });
            if (m_stopping) return;
            seen = m_generation;
            job = m_job;
        }
        Work(*job, thread);
        std::lock_guard<std::mutex> lock(m_lock);
        if (--m_busy == 0) m_done.notify_one();
    }
}

PF_Err yIteratePool::Run(A_long iterations, void* refcon, PF_IterateGenericFunc fn)
{
    if (!fn) return PF_Err_BAD_CALLBACK_PARAM;
    Job job;
    job.refcon = refcon;
    job.fn = fn;
    std::unique_lock<std::mutex> running(m_running, std::try_to_lock);
    const int threads = running.owns_lock() ? ThreadCount() : 1;
    job.iterations = iterations == PF_Iterations_ONCE_PER_PROCESSOR ? threads : iterations;
    if (job.iterations <= 0) return PF_Err_NONE;
    if (threads == 1 || job.iterations == 1)
    {
        Work(job, 0);
        return job.error.load();
    }
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_job = &job;
        m_busy = int(m_threads.size());
        ++m_generation;
    }
    m_wake.notify_all();
    Work(job, 0);
    std::unique_lock<std::mutex> lock(m_lock);
    m_done.wait(lock, [&] { return m_busy == 0; });
    m_job = nullptr;
    return job.error.load();
}
} // namespace yStandalone
