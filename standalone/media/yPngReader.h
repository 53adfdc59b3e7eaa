// Reads a PNG file row by row, as RGBA of 8 or 16 bits a sample (16-bit
// samples in the machine's order), so that a large image never needs more
// than a row in memory besides the world it goes to. An interlaced file is
// read whole on the first row, as its rows only complete in the last pass.
// libpng's own messages never reach the terminal: every failure is one
// sentence.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace yStandalone
{
class yPngReader
{
  public:
    static constexpr int kMaxSide = 32768;

    yPngReader();
    ~yPngReader();
    yPngReader(const yPngReader&) = delete;
    yPngReader& operator=(const yPngReader&) = delete;

    // Whether the file starts as a PNG file does.
    static bool IsPng(const std::string& path);
    // Opens the file and reads its header; false with one sentence.
    bool Open(const std::string& path, std::string& error);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Depth() const { return m_depth; }
    // Whether the file is large enough for the rows its header declares, so
    // that a few bytes claiming a huge image are refused before the image is
    // allocated; false with one sentence.
    bool Holds(std::string& error) const;
    // The next row, top down, into Width() * 4 samples; false with one sentence.
    bool ReadRow(void* rgba, std::string& error);

  private:
    struct State;
    std::unique_ptr<State> m_state;
    std::string m_path;
    int m_width = 0, m_height = 0, m_depth = 8;
    uint64_t m_fileBytes = UINT64_MAX;
    size_t m_fileRowBytes = 0; // a row as the file packs it
};
} // namespace yStandalone
