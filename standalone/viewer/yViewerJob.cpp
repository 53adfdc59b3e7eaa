#include "standalone/viewer/yViewerJob.h"

namespace yStandalone
{
bool yViewerJob::Supersedes(const yViewerJob& older) const
{
    if (kind != older.kind) return false;
    if (kind == LayerPoint || kind == Frame || kind == Probe) return true;
    if (kind != Event || event.kind != older.event.kind) return false;
    switch (event.kind)
    {
    case yScriptEvent::Move:
    case yScriptEvent::Drag:
    case yScriptEvent::Render:
    case yScriptEvent::Resize:
        return true;
    case yScriptEvent::Set:
        return event.param == older.event.param;
    default:
        // Clicks, keys, waits and chooser answers each count.
        return false;
    }
}

void yViewerJobQueue::Push(const yViewerJob& job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopped) return;
        if (!m_jobs.empty() && job.Supersedes(m_jobs.back()))
            m_jobs.back() = job;
        else
            m_jobs.push_back(job);
    }
    m_ready.notify_all();
}

bool yViewerJobQueue::Pop(yViewerJob& job)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_ready.wait(lock, [this] { return m_stopped || !m_jobs.empty(); });
    if (m_stopped) return false;
    job = std::move(m_jobs.front());
    m_jobs.pop_front();
    m_running = true;
    return true;
}

void yViewerJobQueue::Finished()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
    }
    m_ready.notify_all();
}

void yViewerJobQueue::WaitIdle()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_ready.wait(lock, [this] { return m_stopped || (m_jobs.empty() && !m_running); });
}

bool yViewerJobQueue::Idle() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_jobs.empty() && !m_running;
}

void yViewerJobQueue::Stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopped = true;
        m_jobs.clear();
        m_running = false;
    }
    m_ready.notify_all();
}

bool yViewerJobQueue::Empty() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_jobs.empty();
}
} // namespace yStandalone
