#include "standalone/yImageFile.h"

#include "standalone/yOutOfMemory.h"
#include "standalone/yPngFile.h"
#include "standalone/yPngReader.h"

#include <OpenImageIO/imageio.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace yHost
{
namespace
{
// OpenImageIO's messages may run over several lines; the first says it.
std::string FirstLine(std::string text)
{
    text = text.substr(0, text.find('\n'));
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.pop_back();
    return text.empty() ? "it is damaged" : text;
}

// Where a pixel's red, green, blue and alpha are among the file's channels;
// alpha -1 when the file has none.
struct ChannelMap
{
    int red = 0, green = 0, blue = 0, alpha = -1;
};

ChannelMap MapChannels(const OIIO::ImageSpec& spec)
{
    ChannelMap map;
    const int n = spec.nchannels;
    if (spec.alpha_channel >= 0 && spec.alpha_channel < n)
        map.alpha = spec.alpha_channel;
    else if (n == 2)
        map.alpha = 1;
    else if (n >= 4)
        map.alpha = 3;
    const bool grey = n - (map.alpha >= 0 ? 1 : 0) < 3;
    if (!grey)
    {
        map.green = 1;
        map.blue = 2;
    }
    return map;
}

// A sample of the file's type into a host component of the world's depth.
struct Convert
{
    bool deep;
    uint16_t operator()(uint8_t v) const { return deep ? SampleToHost16(uint32_t(v) * 257u) : v; }
    uint16_t operator()(uint16_t v) const
    {
        return deep ? SampleToHost16(v) : uint16_t((uint32_t(v) * 255u + 32767u) / 65535u);
    }
    uint16_t operator()(float v) const
    {
        const float c = std::isnan(v) ? 0.0f : std::min(std::max(v, 0.0f), 1.0f);
        return uint16_t(std::lround(c * (deep ? 32768.0f : 255.0f)));
    }
};

// One row into the world's row y: the world's depth and the file's sample
// type are fixed per call, so the loop is free of their branches.
template <class PixelT, class SampleT>
void ConvertRowTo(PixelT* to, int width, const SampleT* row, int nchannels, const ChannelMap& map, int step,
                  const Convert& convert, uint16_t opaque)
{
    using Component = decltype(PixelT{}.red);
    const size_t stride = size_t(step) * size_t(nchannels);
    for (int x = 0; x < width; ++x, row += stride)
    {
        const uint16_t a = map.alpha >= 0 ? convert(row[map.alpha]) : opaque;
        to[x] = PixelT{Component(a), Component(convert(row[map.red])), Component(convert(row[map.green])),
                       Component(convert(row[map.blue]))};
    }
}

template <class SampleT>
void ConvertRow(const SampleT* row, int nchannels, const ChannelMap& map, int step, yWorld& out, int y)
{
    const Convert convert{out.IsDeep()};
    if (out.IsDeep())
        ConvertRowTo(&out.Pixel16(0, y), out.Width(), row, nchannels, map, step, convert, 32768);
    else
        ConvertRowTo(&out.Pixel8(0, y), out.Width(), row, nchannels, map, step, convert, 255);
}
} // namespace

// PNG files go through libpng directly, whose messages OpenImageIO would let
// through to the terminal; everything else through OpenImageIO.
struct yImageFile::Input
{
    std::unique_ptr<OIIO::ImageInput> file;
    std::unique_ptr<yPngReader> png;
};

yImageFile::yImageFile() : m_input(std::make_unique<Input>())
{
    // OpenEXR decodes on a pool of its own unless told otherwise; a worker
    // is one thread, and --jobs spreads the frames over the cores.
    static const bool oneThread = OIIO::attribute("exr_threads", -1);
    (void)oneThread;
}
yImageFile::~yImageFile() = default;

bool yImageFile::Open(const std::string& path, int64_t maxPixels, std::string& error)
{
    m_path = path;
    m_input->png.reset();
    m_input->file.reset();
    m_pngRead = false;
    if (yPngReader::IsPng(path)) return OpenPng(maxPixels, error);
    // Samples as the file stores them: no premultiplying by alpha.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    m_input->file = OIIO::ImageInput::open(path, &config);
    if (!m_input->file)
    {
        error = "Cannot read the image " + path + ": " + FirstLine(OIIO::geterror()) + ".";
        return false;
    }
    m_input->file->threads(1);
    const OIIO::ImageSpec& spec = m_input->file->spec();
    m_width = spec.width;
    m_height = spec.height;
    m_deep = spec.format != OIIO::TypeDesc::UINT8;
    m_movie = spec.get_int_attribute("oiio:Movie", 0) != 0;
    m_frames = m_movie ? std::max(1, spec.get_int_attribute("oiio:subimages", 1)) : 1;
    if (m_width <= 0 || m_height <= 0 || spec.depth > 1 || spec.nchannels < 1)
        error = "The image " + path + " has no pixels this host can take.";
    else if (CheckSize(maxPixels, error))
        return true;
    m_input->file.reset();
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
    const ChannelMap rgba{0, 1, 2, 3};
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

bool yImageFile::ReadFrame(int frame, bool deep, int downsample, yWorld& out, std::string& error)
{
    if (m_input->png && frame == 0)
    {
        const int n = std::max(1, downsample);
        const int width = (m_width + n - 1) / n, height = (m_height + n - 1) / n;
        if (out.Width() != width || out.Height() != height || out.IsDeep() != deep)
            out = yWorld(width, height, deep);
        return ReadPng(n, out, error);
    }
    OIIO::ImageInput* file = m_input->file.get();
    if (!file || frame < 0 || frame >= m_frames || !file->seek_subimage(frame, 0))
    {
        error = "The image " + m_path + " has no frame " + std::to_string(frame) + ".";
        return false;
    }
    const OIIO::ImageSpec& spec = file->spec();
    if (spec.width != m_width || spec.height != m_height)
    {
        error = "Frame " + std::to_string(frame) + " of " + m_path + " has another size than the first.";
        return false;
    }
    const int n = std::max(1, downsample);
    const int width = (m_width + n - 1) / n, height = (m_height + n - 1) / n;
    if (out.Width() != width || out.Height() != height || out.IsDeep() != deep)
        out = yWorld(width, height, deep);

    // Rows are read one at a time in the file's own sample type, or as
    // floats for anything but 8 and 16 bits.
    const OIIO::TypeDesc type = spec.format == OIIO::TypeDesc::UINT8 || spec.format == OIIO::TypeDesc::UINT16
                                    ? OIIO::TypeDesc(spec.format)
                                    : OIIO::TypeDesc(OIIO::TypeDesc::FLOAT);
    std::vector<uint8_t> row;
    const size_t rowBytes = size_t(m_width) * size_t(spec.nchannels) * type.size();
    if (!TryResize(row, rowBytes)) throw yOutOfMemory("a row of the image " + m_path, rowBytes);
    const ChannelMap map = MapChannels(spec);
    for (int y = 0; y < height; ++y)
    {
        if (!file->read_scanline(spec.y + y * n, spec.z, type, row.data()))
        {
            error = "The image " + m_path + " cannot be read: " + FirstLine(file->geterror()) + ".";
            return false;
        }
        if (type == OIIO::TypeDesc::UINT8)
            ConvertRow(row.data(), spec.nchannels, map, n, out, y);
        else if (type == OIIO::TypeDesc::UINT16)
            ConvertRow(reinterpret_cast<const uint16_t*>(row.data()), spec.nchannels, map, n, out, y);
        else
            ConvertRow(reinterpret_cast<const float*>(row.data()), spec.nchannels, map, n, out, y);
    }
    return true;
}
} // namespace yHost
