// Files, scratch folders and child processes for the host's tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace yTest
{
// The module the tests run against: TONESCOPE_MODULE, which each run of the
// tests sets to one interface's module, else the current interface's.
const std::string& ModulePath();

std::vector<uint8_t> ReadBytes(const std::string& path);
std::string ReadText(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// Offset of the first occurrence of needle at or after from, or npos.
size_t FindBytes(const std::vector<uint8_t>& haystack, const std::string& needle, size_t from = 0);

// A fresh folder, removed with its files at the end of the test.
class yScratchFolder
{
  public:
    yScratchFolder();
    ~yScratchFolder();

    std::string File(const std::string& name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

struct yProcessResult
{
    int status = -1; // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs the tonescope program with the given arguments and no standard input,
// in the given working folder (empty: this process's), with at most
// memoryLimit bytes of data (0: no limit).
yProcessResult RunTonescope(const std::vector<std::string>& arguments, const std::string& folder = "",
                            uint64_t memoryLimit = 0);
} // namespace yTest
