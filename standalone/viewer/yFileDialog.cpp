#include "standalone/viewer/yFileDialog.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace yStandalone
{
namespace
{
constexpr const char* kProgram = "zenity";
} // namespace

yFileDialog::~yFileDialog()
{
    // A dialog left open dies with the window.
    if (m_child > 0)
    {
        ::kill(m_child, SIGTERM);
        int status = 0;
        Reap(status);
    }
    if (m_pipe >= 0) ::close(m_pipe);
}

bool yFileDialog::Available()
{
    if (m_available >= 0) return m_available == 1;
    m_available = 0;
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (size_t start = 0; start <= folders.size();)
    {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string folder = end > start ? folders.substr(start, end - start) : ".";
        if (::access((folder + "/" + kProgram).c_str(), X_OK) == 0) m_available = 1;
        start = end + 1;
    }
    return m_available == 1;
}

bool yFileDialog::Start(const std::string& title)
{
    if (m_child > 0) return false;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    const std::string titleArgument = "--title=" + title;
    char* argv[] = {const_cast<char*>(kProgram), const_cast<char*>("--file-selection"),
                    const_cast<char*>(titleArgument.c_str()), nullptr};
    pid_t child = -1;
    const int failed = ::posix_spawnp(&child, kProgram, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (failed != 0)
    {
        ::close(fds[0]);
        return false;
    }
    ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
    m_child = child;
    m_pipe = fds[0];
    m_output.clear();
    return true;
}

void yFileDialog::Reap(int& status)
{
    while (::waitpid(m_child, &status, 0) < 0 && errno == EINTR)
    {
    }
    m_child = -1;
}

yFileDialog::State yFileDialog::Poll(std::string& path)
{
    if (m_child <= 0) return Idle;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(m_pipe, buffer, sizeof buffer)) > 0)
        m_output.append(buffer, size_t(got));
    // The pipe ends when the dialog does.
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return Running;
    ::close(m_pipe);
    m_pipe = -1;
    int status = 0;
    Reap(status);
    while (!m_output.empty() && (m_output.back() == '\n' || m_output.back() == '\r'))
        m_output.pop_back();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || m_output.empty()) return Closed;
    path = m_output;
    return Chosen;
}
} // namespace yStandalone
