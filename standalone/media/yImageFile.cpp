#include "standalone/media/yImageFile.h"

#include "standalone/media/yImageRows.h"
#include "standalone/emulator/yOutOfMemory.h"
#include "standalone/media/yPngReader.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <vector>

namespace yStandalone
{
namespace
{
// What a path that is not a regular file is, or empty when it is one or is
// not there at all.
std::string NotAFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code failed;
    const fs::file_status status = fs::status(path, failed);
    if (failed || fs::is_regular_file(status)) return "";
    if (fs::is_directory(status)) return "a folder";
    if (fs::is_fifo(status)) return "a pipe";
    if (fs::is_character_file(status) || fs::is_block_file(status)) return "a device";
    return "not a regular file";
}
} // namespace

bool yImageFile::Open(const std::string& path, int64_t maxPixels, std::string& error, const std::string& layer)
{
    // The reader set down first, under the name it was opened by.
    CloseOther();
    m_path = path;
    m_layers.clear();
    m_png.reset();
    m_pngRead = false;
    // A device or a pipe would keep a format's probe waiting for ever.
    const std::string kind = NotAFile(path);
    if (!kind.empty())
    {
        error = "The image " + path + " is " + kind + ", not a file that holds an image.";
        return false;
    }
    if (yPngReader::IsPng(path)) return OpenPng(maxPixels, error);
    return OpenOther(maxPixels, layer, error);
}

bool yImageFile::OpenPng(int64_t maxPixels, std::string& error)
{
    m_png = std::make_unique<yPngReader>();
    if (!m_png->Open(m_path, error)) return false;
    m_width = m_png->Width();
    m_height = m_png->Height();
    m_deep = m_png->Depth() == 16;
    m_movie = false;
    m_frames = 1;
    return CheckSize(maxPixels, error) && m_png->Holds(error);
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
    yPngReader& png = *m_png;
    std::vector<uint8_t> row;
    const size_t rowBytes = size_t(m_width) * 4 * size_t(png.Depth() / 8);
    if (!TryResize(row, rowBytes)) throw yOutOfMemory("a row of the image " + m_path, rowBytes);
    const yChannelMap rgba{0, 1, 2, 3};
    for (int y = 0; y < m_height; ++y)
    {
        if (!png.ReadRow(row.data(), error)) return false;
        if (y % n != 0) continue;
        if (png.Depth() == 16)
            ConvertRow(reinterpret_cast<const uint16_t*>(row.data()), 4, rgba, n, out, y / n);
        else
            ConvertRow(row.data(), 4, rgba, n, out, y / n);
    }
    return true;
}

int yImageFile::Fit(int fileWidth, int fileHeight, yWorld& out, int downsample, bool deep)
{
    const int n = std::max(1, downsample);
    const int width = (fileWidth + n - 1) / n, height = (fileHeight + n - 1) / n;
    if (out.Width() != width || out.Height() != height || out.IsDeep() != deep)
        out = yWorld(width, height, deep);
    return n;
}

void yImageFile::Convert(const yDecodedFrame& frame, bool deep, int downsample, yWorld& out, yClampCounts& clamped)
{
    clamped = yClampCounts();
    const yImageLayout& layout = frame.layout;
    const int n = Fit(layout.width, layout.height, out, downsample, deep);
    const size_t rowBytes = frame.rows.size() / size_t(std::max(1, layout.height));
    for (int y = 0; y < out.Height(); ++y)
    {
        const uint8_t* row = frame.rows.data() + size_t(y) * size_t(n) * rowBytes;
        if (layout.samples == yImageLayout::kUint8)
            ConvertRow(row, layout.channels, layout.map, n, out, y);
        else if (layout.samples == yImageLayout::kUint16)
            ConvertRow(reinterpret_cast<const uint16_t*>(row), layout.channels, layout.map, n, out, y);
        else
            ConvertRow(reinterpret_cast<const float*>(row), layout.channels, layout.map, n, out, y, &clamped);
    }
}

bool yImageFile::NoFrame(int frame, std::string& error) const
{
    error = "The image " + m_path + " has no frame " + std::to_string(frame) + ".";
    return false;
}

bool yImageFile::ReadFrame(int frame, bool deep, int downsample, yWorld& out, std::string& error)
{
    m_clamped = yClampCounts();
    if (m_png && frame == 0)
    {
        const int n = Fit(out, downsample, deep);
        return ReadPng(n, out, error);
    }
    return ReadOtherFrame(frame, deep, downsample, out, error);
}
} // namespace yStandalone
