// One line on standard error, written over and over while a shot renders:
// frames done, frames a second and the time left. Only on a terminal, so
// that logs and pipes never fill with it.
#pragma once

#include <chrono>
#include <cstdio>

namespace yStandalone
{
class yProgress
{
  public:
    // shown: whether to write at all (the caller's --quiet); the stream
    // must also be a terminal.
    yProgress(int total, bool shown, std::FILE* stream = stderr);
    // One more frame done; the line is written at most ten times a second.
    void FrameDone();
    // Ends the line.
    void Finish();

  private:
    void Write();

    using Clock = std::chrono::steady_clock;
    std::FILE* m_stream;
    bool m_shown;
    int m_total, m_done = 0;
    Clock::time_point m_start, m_lastWrite;
};
} // namespace yStandalone
