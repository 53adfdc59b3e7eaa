// Output files are written whole or not at all: into a temporary file beside
// the target, which is renamed over it once everything is written.
#pragma once

#include <cstdio>
#include <string>

namespace yHost
{
class yFileOutput
{
  public:
    explicit yFileOutput(const std::string& path);
    // Removes the temporary file unless Commit succeeded.
    ~yFileOutput();
    yFileOutput(const yFileOutput&) = delete;
    yFileOutput& operator=(const yFileOutput&) = delete;

    // Opens the temporary file; false with one sentence in error.
    bool Open(std::string& error);
    std::FILE* File() { return m_file; }
    // Closes the temporary file and renames it over the target.
    bool Commit(std::string& error);

    // Writes text whole; "-" writes to standard output.
    static bool WriteText(const std::string& path, const std::string& text, std::string& error);
    // Writes bytes whole to a file of that name, "-" included.
    static bool WriteFile(const std::string& path, const std::string& bytes, std::string& error);

  private:
    std::string m_path;
    std::string m_temporary;
    std::FILE* m_file = nullptr;
    bool m_committed = false;
};
} // namespace yHost
