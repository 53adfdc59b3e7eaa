// A run's output files on Windows: each made in full in a temporary file
// beside its target, then moved over it, so that a failure leaves the files
// that were there. "-" is standard output, spooled in the temporary folder.
// An output that comes in parts goes to its file as it comes, so memory does
// not grow with a shot's length.
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
    std::string temporary;      // written, not yet moved into place
    std::FILE* parts = nullptr; // where Append writes, open until Commit
};

namespace
{
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

// A new name beside path for its temporary file.
std::string TemporaryBeside(const std::string& path)
{
    static unsigned serial = 0;
    return path + ".part" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(serial++);
}

// A file in the temporary folder that goes when it is closed.
std::FILE* OpenSpool()
{
    char folder[MAX_PATH + 1], name[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length > MAX_PATH || GetTempFileNameA(folder, "zts", 0, name) == 0) return nullptr;
    return std::fopen(name, "w+bD");
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
    {
        if (pending->parts) std::fclose(pending->parts);
        if (!pending->temporary.empty()) DeleteFileA(pending->temporary.c_str());
    }
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
    if (!Add(path, std::string(), error)) return false;
    yPending& pending = *m_pending.back();
    if (path != "-") pending.temporary = TemporaryBeside(path);
    pending.parts = path == "-" ? OpenSpool() : std::fopen(pending.temporary.c_str(), "wb");
    if (pending.parts) return true;
    error = "Cannot write " + path + ".";
    return false;
}

bool yFileOutput::Append(size_t id, const std::string& bytes, std::string& error)
{
    yPending& pending = *m_pending[id];
    if (std::fwrite(bytes.data(), 1, bytes.size(), pending.parts) == bytes.size()) return true;
    error = "Cannot write " + pending.path + ".";
    return false;
}

namespace
{
// Closes a file written in parts; false when any part failed to reach it.
bool CloseParts(std::FILE*& parts)
{
    const bool written = std::fflush(parts) == 0 && !std::ferror(parts);
    const bool closed = std::fclose(parts) == 0;
    parts = nullptr;
    return written && closed;
}

// Ready to read the spooled parts of "-" back from their start.
bool Rewind(std::FILE* spool)
{
    return std::fflush(spool) == 0 && std::fseek(spool, 0, SEEK_SET) == 0;
}
} // namespace

bool yFileOutput::Commit(std::string& error)
{
    for (const auto& pending : m_pending)
    {
        if (pending->path == "-")
        {
            _setmode(_fileno(stdout), _O_BINARY);
            if (!pending->parts)
            {
                if (!WriteStandardOutput(pending->bytes, error)) return false;
                continue;
            }
            if (!Rewind(pending->parts))
            {
                error = "Cannot write " + pending->path + ".";
                return false;
            }
            std::string chunk(size_t(1) << 16, '\0');
            for (size_t got; (got = std::fread(chunk.data(), 1, chunk.size(), pending->parts)) > 0;)
                if (!WriteStandardOutput(chunk.substr(0, got), error)) return false;
            CloseParts(pending->parts);
            continue;
        }
        if (pending->parts)
        {
            if (CloseParts(pending->parts)) continue;
            error = "Cannot write " + pending->path + ".";
            return false;
        }
        pending->temporary = TemporaryBeside(pending->path);
        if (!WriteWhole(pending->temporary, pending->bytes))
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
