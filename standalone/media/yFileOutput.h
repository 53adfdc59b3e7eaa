// A run's output files, put in place together or not at all. Each output is
// made in full first: a regular file into a temporary file beside it, every
// other target into an unnamed spool file (so memory does not grow with an
// output's size). Commit then writes the targets that are written directly,
// copies the temporaries of hard-linked files into them and only then renames
// the other temporaries over their files, so that a failure at any point
// leaves every regular file as it was.
//
// What a path names decides how it is written: "-" is standard output; a
// symbolic link is followed to the file it finally names; a regular file is
// replaced atomically with its mode and owner kept, or, when it has other
// hard links, written in place from its whole temporary, its blocks reserved
// first so that a full disk leaves the old content; a device, FIFO or socket
// is written directly. A new file gets 0666 less the umask.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace yStandalone
{
class yFileOutput
{
  public:
    yFileOutput();
    // Removes the temporaries of a set that was not committed.
    ~yFileOutput();
    yFileOutput(const yFileOutput&) = delete;
    yFileOutput& operator=(const yFileOutput&) = delete;

    // Whether the path can take an output at all: it is no folder, and a file
    // to be created or replaced has a folder that takes files. Checked before
    // a run's work, so that a typing error costs nothing.
    static bool CheckWritable(const std::string& path, std::string& error);

    // A key equal for two paths exactly when they name the same file as the
    // file system sees it: links followed, hard links and the folder's own
    // aliases included. Empty for "-" and for a path that cannot be resolved.
    static std::string FileKey(const std::string& path);

    // Prepares one output with its whole content; false with one sentence.
    bool Add(const std::string& path, std::string bytes, std::string& error);
    // Starts an output whose content comes in parts, each given to Append
    // with the id Start returns.
    bool Start(const std::string& path, size_t& id, std::string& error);
    bool Append(size_t id, const std::string& bytes, std::string& error);
    // Writes the direct targets, then renames every temporary into place.
    bool Commit(std::string& error);

    // One output on its own, whole or not at all.
    static bool WriteFile(const std::string& path, std::string bytes, std::string& error);

  private:
    // "-" on either system; the rest of the writing differs by system
    // (posix/ or windows/yFileOutputOS.cpp).
    static bool WriteStandardOutput(const std::string& bytes, std::string& error);

    struct yPending;
    std::vector<std::unique_ptr<yPending>> m_pending;
};
} // namespace yStandalone
