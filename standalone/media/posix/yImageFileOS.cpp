// The formats besides PNG on POSIX: whatever OpenImageIO reads, movies too.
#include "standalone/media/yImageFile.h"

#include "standalone/media/yImageRows.h"
#include "standalone/emulator/yOutOfMemory.h"
#include "standalone/media/yPngReader.h"

#include <OpenImageIO/imageio.h>

#include <algorithm>
#include <vector>

namespace yStandalone
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

yChannelMap MapChannels(const OIIO::ImageSpec& spec)
{
    yChannelMap map;
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
} // namespace

// PNG files go through libpng directly, whose messages OpenImageIO would let
// through to the terminal; everything else through OpenImageIO.
struct yImageFile::Other
{
    std::unique_ptr<OIIO::ImageInput> file;
};

yImageFile::yImageFile() : m_other(std::make_unique<Other>())
{
    // OpenEXR decodes on a pool of its own unless told otherwise; a worker
    // is one thread, and --jobs spreads the frames over the cores.
    static const bool oneThread = OIIO::attribute("exr_threads", -1);
    (void)oneThread;
}
yImageFile::~yImageFile() = default;

void yImageFile::CloseOther()
{
    m_other->file.reset();
}

bool yImageFile::OpenOther(int64_t maxPixels, std::string& error)
{
    // Samples as the file stores them: no premultiplying by alpha.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    m_other->file = OIIO::ImageInput::open(m_path, &config);
    if (!m_other->file)
    {
        error = "Cannot read the image " + m_path + ": " + FirstLine(OIIO::geterror()) + ".";
        return false;
    }
    m_other->file->threads(1);
    const OIIO::ImageSpec& spec = m_other->file->spec();
    m_width = spec.width;
    m_height = spec.height;
    m_deep = spec.format != OIIO::TypeDesc::UINT8;
    m_movie = spec.get_int_attribute("oiio:Movie", 0) != 0;
    m_frames = m_movie ? std::max(1, spec.get_int_attribute("oiio:subimages", 1)) : 1;
    if (m_width <= 0 || m_height <= 0 || spec.depth > 1 || spec.nchannels < 1)
        error = "The image " + m_path + " has no pixels this host can take.";
    else if (CheckSize(maxPixels, error))
        return true;
    m_other->file.reset();
    return false;
}

bool yImageFile::ReadOtherFrame(int frame, bool deep, int downsample, yWorld& out, std::string& error)
{
    OIIO::ImageInput* file = m_other->file.get();
    if (!file || frame < 0 || frame >= m_frames || !file->seek_subimage(frame, 0)) return NoFrame(frame, error);
    const OIIO::ImageSpec& spec = file->spec();
    if (spec.width != m_width || spec.height != m_height)
    {
        error = "Frame " + std::to_string(frame) + " of " + m_path + " has another size than the first.";
        return false;
    }
    const int n = Fit(out, downsample, deep);

    // Rows are read one at a time in the file's own sample type, or as
    // floats for anything but 8 and 16 bits.
    const OIIO::TypeDesc type = spec.format == OIIO::TypeDesc::UINT8 || spec.format == OIIO::TypeDesc::UINT16
                                    ? OIIO::TypeDesc(spec.format)
                                    : OIIO::TypeDesc(OIIO::TypeDesc::FLOAT);
    std::vector<uint8_t> row;
    const size_t rowBytes = size_t(m_width) * size_t(spec.nchannels) * type.size();
    if (!TryResize(row, rowBytes)) throw yOutOfMemory("a row of the image " + m_path, rowBytes);
    const yChannelMap map = MapChannels(spec);
    for (int y = 0; y < out.Height(); ++y)
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
} // namespace yStandalone
