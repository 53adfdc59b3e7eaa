// Outputs on POSIX: links followed, files replaced with their owner and mode,
// temporaries removed even when a signal ends the process.
#include "standalone/media/yFileOutput.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace yStandalone
{
namespace
{
enum class yWay
{
    StandardOutput,
    Replace, // a temporary beside the file, renamed over it or into a new name
    InPlace, // a regular file with other hard links: a temporary, then copied in
    Direct,  // a device, FIFO or socket
};

struct yTarget
{
    yWay way = yWay::Replace;
    std::string path; // the file finally named, links followed
    bool exists = false;
    struct stat info = {};
};

std::string Folder(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string Failure(const std::string& path, int reason)
{
    return "Cannot write " + path + ": " + std::strerror(reason) + ".";
}

// Follows symbolic links to the file the path finally names; a dangling link
// names the file to be created.
bool Resolve(const std::string& path, yTarget& target, std::string& error)
{
    target = yTarget{};
    target.path = path;
    if (path == "-")
    {
        target.way = yWay::StandardOutput;
        return true;
    }
    for (int hops = 0; hops < 40; ++hops)
    {
        if (::lstat(target.path.c_str(), &target.info) != 0)
        {
            if (errno == ENOENT) return true;
            error = Failure(path, errno);
            return false;
        }
        if (!S_ISLNK(target.info.st_mode))
        {
            target.exists = true;
            if (S_ISDIR(target.info.st_mode))
            {
                error = "Cannot write \"" + path + "\": it is a folder.";
                return false;
            }
            if (!S_ISREG(target.info.st_mode))
                target.way = yWay::Direct;
            else if (target.info.st_nlink > 1)
                target.way = yWay::InPlace;
            return true;
        }
        char link[PATH_MAX];
        const ssize_t length = ::readlink(target.path.c_str(), link, sizeof link);
        if (length < 0 || size_t(length) == sizeof link)
        {
            error = Failure(path, length < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        const std::string next(link, size_t(length));
        target.path = next[0] == '/' ? next : Folder(target.path) + "/" + next;
    }
    error = Failure(path, ELOOP);
    return false;
}

// A file its user may not write is not replaced behind its back, even where
// the folder would allow a rename over it: cp refuses it too.
bool MayReplace(const std::string& path, const yTarget& target, std::string& error)
{
    if (!target.exists || !S_ISREG(target.info.st_mode) || ::access(target.path.c_str(), W_OK) == 0)
        return true;
    error = "Cannot write \"" + path + "\": " + (errno == EACCES ? "it is read-only" : std::strerror(errno)) +
            ".";
    return false;
}

// The temporaries not yet renamed or removed, where a signal handler can find
// them: it may neither lock nor allocate, so they sit in lock-free slots.
std::atomic<const char*> g_temporaries[64];
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
// The handlers found before ours, by signal number.
void (*g_previous[NSIG])(int) = {};

// A program that handles the signal itself (a window closing on SIGTERM)
// keeps doing so; otherwise the process dies of the signal as it would have.
void RemoveTemporariesAndDie(int signal)
{
    for (std::atomic<const char*>& slot : g_temporaries)
        if (const char* path = slot.load()) ::unlink(path);
    if (signal > 0 && signal < NSIG && g_previous[signal])
    {
        g_previous[signal](signal);
        return;
    }
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void InstallSignalHandlers()
{
    static std::once_flag once;
    std::call_once(once,
                   []
                   {
                       for (int signal : kSignals)
                       {
                           struct sigaction action = {};
                           // A signal the caller chose to ignore stays ignored.
                           if (::sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN)
                               continue;
                           if (!(action.sa_flags & SA_SIGINFO) && action.sa_handler != SIG_DFL)
                               g_previous[signal] = action.sa_handler;
                           action.sa_handler = RemoveTemporariesAndDie;
                           action.sa_flags = 0;
                           sigfillset(&action.sa_mask);
                           ::sigaction(signal, &action, nullptr);
                       }
                   });
}

bool Register(const char* path)
{
    for (std::atomic<const char*>& slot : g_temporaries)
    {
        const char* empty = nullptr;
        if (slot.compare_exchange_strong(empty, path)) return true;
    }
    return false;
}

void Unregister(const char* path)
{
    for (std::atomic<const char*>& slot : g_temporaries)
    {
        const char* expected = path;
        if (slot.compare_exchange_strong(expected, nullptr)) return;
    }
}

// Holds the handled signals back while a temporary is created and registered,
// so that none is ever on disk unknown to the handler.
class ySignalsHeld
{
  public:
    ySignalsHeld()
    {
        sigset_t held;
        sigemptyset(&held);
        for (int signal : kSignals)
            sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &m_before);
    }
    ~ySignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &m_before, nullptr); }
    ySignalsHeld(const ySignalsHeld&) = delete;
    ySignalsHeld& operator=(const ySignalsHeld&) = delete;

  private:
    sigset_t m_before;
};

// Creates a new temporary file beside the target, registered for removal;
// -1 with errno set and the name cleared when none can be made.
int CreateTemporary(const std::string& target, std::string& temporary)
{
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        temporary = target + ".part" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
        ySignalsHeld held;
        if (!Register(temporary.c_str()))
        {
            errno = EMFILE;
            break;
        }
        const int file = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0) return file;
        const int reason = errno;
        Unregister(temporary.c_str());
        errno = reason;
        if (reason != EEXIST) break;
    }
    temporary.clear();
    return -1;
}

bool WriteAll(int file, const char* bytes, size_t size)
{
    for (size_t done = 0; done < size;)
    {
        const ssize_t n = ::write(file, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

// The replaced file's owner and mode pass to its successor. Only root may
// give a file away; a user keeps at least a group of their own.
bool KeepOwnerAndMode(int file, const yTarget& target)
{
    if (!target.exists) return true;
    const struct stat& was = target.info;
    if (::fchown(file, was.st_uid, was.st_gid) != 0 && ::fchown(file, uid_t(-1), was.st_gid) != 0) errno = 0;
    // After the owner: a change of owner clears the set-ID bits.
    return ::fchmod(file, was.st_mode & 07777) == 0;
}

// Copies what was written to from into to, from its start. With reserve the
// blocks are had first, so that a full disk fails before to is touched (a
// hard-linked file keeps its old content).
int CopyAll(int from, int to, bool reserve)
{
    struct stat info = {};
    if (::fstat(from, &info) != 0 || ::lseek(from, 0, SEEK_SET) != 0) return errno;
    if (reserve && info.st_size > 0)
    {
        const int reserved = ::posix_fallocate(to, 0, info.st_size);
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) return reserved;
    }
    char buffer[1 << 16];
    for (;;)
    {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || (n > 0 && !WriteAll(to, buffer, size_t(n)))) return errno;
        if (n == 0) break;
    }
    if (reserve && (::ftruncate(to, info.st_size) != 0 || ::fsync(to) != 0)) return errno;
    return 0;
}

// A target written directly is spooled here until Commit: a file with no
// name, so that nothing is left behind, whatever ends the process.
int CreateSpool()
{
    const char* base = std::getenv("TMPDIR");
    const std::string folder = base && *base ? base : "/tmp";
    const int file = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (file >= 0 || (errno != EOPNOTSUPP && errno != EISDIR)) return file;
    std::string name = folder + "/tonescope-XXXXXX";
    const int named = ::mkostemp(name.data(), O_CLOEXEC);
    if (named >= 0) ::unlink(name.c_str());
    return named;
}

// A socket takes the bytes over a stream connection.
int Connect(const std::string& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
    {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int file = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (file < 0 || ::connect(file, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return file;
    const int reason = errno;
    ::close(file);
    errno = reason;
    return -1;
}
} // namespace

struct yFileOutput::yPending
{
    std::string path; // as given, for messages
    yTarget target;
    std::string temporary; // registered while it is on disk
    int file = -1;         // the temporary, or the spool of a direct target

    yPending() = default;
    yPending(const yPending&) = delete;
    yPending& operator=(const yPending&) = delete;
    ~yPending()
    {
        if (file >= 0) ::close(file);
        if (temporary.empty()) return;
        ::unlink(temporary.c_str());
        Unregister(temporary.c_str());
    }

    // The temporary made whole: owner, mode and data on disk, closed.
    int Seal()
    {
        const bool replace = target.way == yWay::Replace;
        int reason = 0;
        if ((replace && !KeepOwnerAndMode(file, target)) || ::fsync(file) != 0) reason = errno;
        if (replace && ::close(file) != 0 && reason == 0) reason = errno;
        if (replace) file = -1;
        return reason;
    }

    int WriteDirect() const
    {
        if (target.way == yWay::StandardOutput)
            return std::fflush(stdout) == 0 ? CopyAll(file, STDOUT_FILENO, false) : errno;
        const int to = S_ISSOCK(target.info.st_mode)
                           ? Connect(target.path)
                           : ::open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (to < 0) return errno;
        int reason = CopyAll(file, to, target.way == yWay::InPlace);
        if (::close(to) != 0 && reason == 0) reason = errno;
        return reason;
    }
};

yFileOutput::yFileOutput() = default;
yFileOutput::~yFileOutput() = default;

bool yFileOutput::CheckWritable(const std::string& path, std::string& error)
{
    yTarget target;
    if (path.empty()) return true;
    if (!Resolve(path, target, error) || !MayReplace(path, target, error)) return false;
    const bool temporaryBeside = target.way == yWay::Replace || target.way == yWay::InPlace;
    if (!temporaryBeside || ::access(Folder(target.path).c_str(), W_OK) == 0) return true;
    error = "Cannot write \"" + path + "\": its folder does not exist or is not writable.";
    return false;
}

std::string yFileOutput::FileKey(const std::string& path)
{
    yTarget target;
    std::string error;
    if (path.empty() || !Resolve(path, target, error) || target.way == yWay::StandardOutput) return "";
    if (target.exists) return std::to_string(target.info.st_dev) + ":" + std::to_string(target.info.st_ino);
    // A file yet to be made: its folder's identity and its name.
    struct stat folder = {};
    if (::stat(Folder(target.path).c_str(), &folder) != 0) return "";
    const size_t slash = target.path.find_last_of('/');
    return std::to_string(folder.st_dev) + ":" + std::to_string(folder.st_ino) + "/" +
           target.path.substr(slash == std::string::npos ? 0 : slash + 1);
}

bool yFileOutput::Start(const std::string& path, size_t& id, std::string& error)
{
    auto pending = std::make_unique<yPending>();
    pending->path = path;
    if (!Resolve(path, pending->target, error) || !MayReplace(path, pending->target, error)) return false;
    const yWay way = pending->target.way;
    if (way == yWay::Replace || way == yWay::InPlace)
    {
        InstallSignalHandlers();
        pending->file = CreateTemporary(pending->target.path, pending->temporary);
    }
    else
        pending->file = CreateSpool();
    if (pending->file < 0)
    {
        error = Failure(path, errno);
        return false;
    }
    id = m_pending.size();
    m_pending.push_back(std::move(pending));
    return true;
}

bool yFileOutput::Append(size_t id, const std::string& bytes, std::string& error)
{
    if (WriteAll(m_pending[id]->file, bytes.data(), bytes.size())) return true;
    error = Failure(m_pending[id]->path, errno);
    return false;
}

bool yFileOutput::Add(const std::string& path, std::string bytes, std::string& error)
{
    size_t id = 0;
    return Start(path, id, error) && Append(id, bytes, error);
}

bool yFileOutput::Commit(std::string& error)
{
    const auto fail = [&](const yPending& pending, int reason)
    {
        error = Failure(pending.path, reason);
        return false;
    };
    for (const std::unique_ptr<yPending>& pending : m_pending)
        if (!pending->temporary.empty())
            if (const int reason = pending->Seal()) return fail(*pending, reason);
    // Direct targets first, then hard-linked files, each from its whole
    // temporary, then the renames: a failure leaves the renamed files as they were.
    for (const yWay way : {yWay::StandardOutput, yWay::Direct, yWay::InPlace})
        for (const std::unique_ptr<yPending>& pending : m_pending)
            if (pending->target.way == way)
                if (const int reason = pending->WriteDirect()) return fail(*pending, reason);
    for (const std::unique_ptr<yPending>& pending : m_pending)
    {
        if (pending->target.way != yWay::Replace) continue;
        if (::rename(pending->temporary.c_str(), pending->target.path.c_str()) != 0)
            return fail(*pending, errno);
        Unregister(pending->temporary.c_str());
        pending->temporary.clear();
    }
    m_pending.clear();
    return true;
}
} // namespace yStandalone
