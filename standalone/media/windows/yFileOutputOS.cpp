// A run's output files on Windows: each made in full in memory, then written
// to a temporary file beside its target and moved over it, so that a failure
// leaves the files that were there. "-" is standard output.
#include "standalone/media/yFileOutput.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace yStandalone
{
struct yFileOutput::yPending
{
    std::string path;
    std::string bytes;
    std::string temporary; // written, not yet moved into place
};

namespace
{
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

bool WriteWhole(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
} // namespace

yFileOutput::yFileOutput() = default;

yFileOutput::~yFileOutput()
{
    for (const auto& pending : m_pending)
        if (!pending->temporary.empty()) DeleteFileA(pending->temporary.c_str());
}

std::string yFileOutput::FileKey(const std::string& path)
{
    if (path.empty() || path == "-") return "";
    const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
    {
        BY_HANDLE_FILE_INFORMATION info = {};
        const BOOL known = GetFileInformationByHandle(file, &info);
        CloseHandle(file);
        if (known)
            return std::to_string(info.dwVolumeSerialNumber) + ":" +
                   std::to_string((uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow);
    }
    // A file yet to be made: its full name, as the file system compares names.
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) return "";
    std::string key(full, length);
    CharUpperBuffA(key.data(), DWORD(key.size()));
    return key;
}

bool yFileOutput::CheckWritable(const std::string& path, std::string& error)
{
    if (path.empty() || path == "-") return true;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    {
        error = "Cannot write " + path + ": it is a folder.";
        return false;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    {
        error = "Cannot write " + path + ": it is read-only.";
        return false;
    }
    const DWORD folder = GetFileAttributesA(FolderOf(path).c_str());
    if (folder == INVALID_FILE_ATTRIBUTES || !(folder & FILE_ATTRIBUTE_DIRECTORY))
    {
        error = "Cannot write " + path + ": its folder does not exist.";
        return false;
    }
    return true;
}

bool yFileOutput::Add(const std::string& path, std::string bytes, std::string& error)
{
    if (!CheckWritable(path, error)) return false;
    m_pending.push_back(std::make_unique<yPending>(yPending{path, std::move(bytes), std::string()}));
    return true;
}

bool yFileOutput::Start(const std::string& path, size_t& id, std::string& error)
{
    id = m_pending.size();
    return Add(path, std::string(), error);
}

bool yFileOutput::Append(size_t id, const std::string& bytes, std::string& error)
{
    (void)error;
    m_pending[id]->bytes += bytes;
    return true;
}

bool yFileOutput::Commit(std::string& error)
{
    static unsigned serial = 0;
    for (const auto& pending : m_pending)
    {
        if (pending->path == "-")
        {
            _setmode(_fileno(stdout), _O_BINARY);
            if (!WriteStandardOutput(pending->bytes, error)) return false;
            continue;
        }
        const std::string temporary =
            pending->path + ".part" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(serial++);
        pending->temporary = temporary;
        if (!WriteWhole(temporary, pending->bytes))
        {
            error = "Cannot write " + pending->path + ".";
            return false;
        }
    }
    for (const auto& pending : m_pending)
    {
        if (pending->temporary.empty()) continue;
        if (!MoveFileExA(pending->temporary.c_str(), pending->path.c_str(), MOVEFILE_REPLACE_EXISTING))
        {
            error = "Cannot put " + pending->path + " in place.";
            return false;
        }
        pending->temporary.clear();
    }
    m_pending.clear();
    return true;
}
} // namespace yStandalone
