#include "standalone/media/yProgress.h"

#include <unistd.h>

namespace yStandalone
{
yProgress::yProgress(int total, bool shown, std::FILE* stream)
    : m_stream(stream), m_shown(shown && ::isatty(::fileno(stream)) == 1), m_total(total),
      m_start(Clock::now()), m_lastWrite(m_start)
{
}

void yProgress::FrameDone()
{
    ++m_done;
    if (m_shown && (Clock::now() - m_lastWrite > std::chrono::milliseconds(100) || m_done == m_total))
        Write();
}

void yProgress::Finish()
{
    if (m_shown && m_done > 0) std::fputc('\n', m_stream);
}

void yProgress::Write()
{
    m_lastWrite = Clock::now();
    const double seconds = std::chrono::duration<double>(m_lastWrite - m_start).count();
    const double rate = seconds > 0 ? m_done / seconds : 0;
    const double left = rate > 0 ? (m_total - m_done) / rate : 0;
    // Blanks at the end clear what a longer line left.
    std::fprintf(m_stream, "\r%d of %d frames, %.1f frames/s, %.0f s left   ", m_done, m_total, rate, left);
    std::fflush(m_stream);
}
} // namespace yStandalone
