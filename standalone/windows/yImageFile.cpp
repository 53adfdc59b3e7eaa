// Images in on Windows: PNG only, through yPngReader; the other formats and
// movies need OpenImageIO, which the Linux build has.
#include "standalone/yImageFile.h"

#include "standalone/yOutOfMemory.h"
#include "standalone/yPngFile.h"
#include "standalone/yPngReader.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace yHost
{
namespace
{
// A sample of the file's depth into a host component of the world's depth.
uint16_t Component(const uint8_t* row, size_t i, bool fileDeep, bool worldDeep)
{
    if (!fileDeep) return worldDeep ? SampleToHost16(uint32_t(row[i]) * 257u) : row[i];
    const uint16_t v = reinterpret_cast<const uint16_t*>(row)[i];
    return worldDeep ? SampleToHost16(v) : uint16_t((uint32_t(v) * 255u + 32767u) / 65535u);
}

void ConvertRow(const uint8_t* row, bool fileDeep, int step, yWorld& out, int y)
{
    for (int x = 0; x < out.Width(); ++x)
    {
        const size_t i = size_t(x) * size_t(step) * 4;
        const uint16_t r = Component(row, i, fileDeep, out.IsDeep()), g = Component(row, i + 1, fileDeep, out.IsDeep()),
                       b = Component(row, i + 2, fileDeep, out.IsDeep()), a = Component(row, i + 3, fileDeep, out.IsDeep());
        if (out.IsDeep())
            out.Pixel16(x, y) = PF_Pixel16{a, r, g, b};
        else
            out.Pixel8(x, y) = PF_Pixel8{uint8_t(a), uint8_t(r), uint8_t(g), uint8_t(b)};
    }
}
} // namespace

struct yImageFile::Input
{
    std::unique_ptr<yPngReader> png;
};

yImageFile::yImageFile() : m_input(std::make_unique<Input>()) {}
yImageFile::~yImageFile() = default;

bool yImageFile::Open(const std::string& path, int64_t maxPixels, std::string& error)
{
    m_path = path;
    m_input->png.reset();
    m_pngRead = false;
    if (yPngReader::IsPng(path)) return OpenPng(maxPixels, error);
    error = "Cannot read the image " + path + ": this build reads PNG files only.";
    return false;
}

bool yImageFile::OpenPng(int64_t maxPixels, std::string& error)
{
    m_input->png = std::make_unique<yPngReader>();
    if (!m_input->png->Open(m_path, error)) return false;
    m_width = m_input->png->Width();
    m_height = m_input->png->Height();
    m_deep = m_input->png->Depth() == 16;
    m_movie = false;
    m_frames = 1;
    return CheckSize(maxPixels, error);
}

bool yImageFile::CheckSize(int64_t maxPixels, std::string& error) const
{
    if (int64_t(m_width) * m_height <= maxPixels) return true;
    error = "The image " + m_path + " is " + std::to_string(m_width) + " x " + std::to_string(m_height) +
            " pixels, more than the " + std::to_string(maxPixels) + " allowed (see --max-pixels).";
    return false;
}

bool yImageFile::ReadPng(int n, yWorld& out, std::string& error)
{
    // The rows are read once: a second read opens the file again.
    if (m_pngRead && !OpenPng(INT64_MAX, error)) return false;
    m_pngRead = true;
    yPngReader& png = *m_input->png;
    std::vector<uint8_t> row;
    const size_t rowBytes = size_t(m_width) * 4 * size_t(png.Depth() / 8);
    if (!TryResize(row, rowBytes)) throw yOutOfMemory("a row of the image " + m_path, rowBytes);
    for (int y = 0; y < m_height; ++y)
    {
        if (!png.ReadRow(row.data(), error)) return false;
        if (y % n == 0) ConvertRow(row.data(), png.Depth() == 16, n, out, y / n);
    }
    return true;
}

bool yImageFile::ReadFrame(int frame, bool deep, int downsample, yWorld& out, std::string& error)
{
    if (!m_input->png || frame != 0)
    {
        error = "The image " + m_path + " has no frame " + std::to_string(frame) + ".";
        return false;
    }
    const int n = std::max(1, downsample);
    const int width = (m_width + n - 1) / n, height = (m_height + n - 1) / n;
    if (out.Width() != width || out.Height() != height || out.IsDeep() != deep)
        out = yWorld(width, height, deep);
    return ReadPng(n, out, error);
}
} // namespace yHost
