// The desktop's file dialog, when one is there: zenity, run as a child
// process that the window polls each frame, so that the window keeps
// drawing while the dialog is open. Without it the path box is the way.
#pragma once

#include <string>
#include <sys/types.h>

namespace yStandalone
{
class yFileDialog
{
  public:
    enum State
    {
        Idle, // none open
        Running,
        Chosen, // path holds the file
        Closed, // cancelled, or the dialog failed
    };

    yFileDialog() = default;
    ~yFileDialog();
    yFileDialog(const yFileDialog&) = delete;
    yFileDialog& operator=(const yFileDialog&) = delete;

    // Whether a dialog program is on PATH, as it was at the first call.
    bool Available();
    // Opens the dialog; false when none could be started (or one is open).
    bool Start(const std::string& title);
    // Reads what the dialog wrote without waiting; Chosen and Closed are
    // told once, then the dialog is Idle again.
    State Poll(std::string& path);

  private:
    void Reap(int& status);

    int m_available = -1; // not looked for yet
    pid_t m_child = -1;
    int m_pipe = -1;
    std::string m_output;
};
} // namespace yStandalone
