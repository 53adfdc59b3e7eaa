// The readers' library: movies through FFmpeg's libraries, every other
// format OpenImageIO reads, behind the yImageReader interface. The program
// opens it when a file needs it.
#include "standalone/media/ffmpeg/yMovieReader.h"
#include "standalone/media/yImageReader.h"

#include <OpenImageIO/imageio.h>

#include <algorithm>
#include <memory>

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

class yOiioReader : public yImageReader
{
  public:
    explicit yOiioReader(std::unique_ptr<OIIO::ImageInput> file) : m_file(std::move(file)) { Describe(); }
    const yImageLayout& Layout() const override { return m_layout; }

    bool Seek(int frame, std::string& why) override
    {
        if (!m_file->seek_subimage(frame, 0))
        {
            why = "it has no frame " + std::to_string(frame);
            return false;
        }
        const int frames = m_layout.frames;
        const bool movie = m_layout.movie;
        Describe();
        m_layout.frames = frames;
        m_layout.movie = movie;
        return true;
    }

    bool ReadRow(int y, void* row, std::string& why) override
    {
        const OIIO::ImageSpec& spec = m_file->spec();
        const OIIO::TypeDesc type = m_layout.samples == yImageLayout::kUint8    ? OIIO::TypeDesc::UINT8
                                    : m_layout.samples == yImageLayout::kUint16 ? OIIO::TypeDesc::UINT16
                                                                                : OIIO::TypeDesc::FLOAT;
        if (m_file->read_scanline(spec.y + y, spec.z, type, row)) return true;
        why = FirstLine(m_file->geterror());
        return false;
    }

  private:
    void Describe()
    {
        const OIIO::ImageSpec& spec = m_file->spec();
        m_layout.width = spec.width;
        m_layout.height = spec.height;
        m_layout.channels = spec.nchannels;
        m_layout.samples = spec.format == OIIO::TypeDesc::UINT8    ? yImageLayout::kUint8
                           : spec.format == OIIO::TypeDesc::UINT16 ? yImageLayout::kUint16
                                                                   : yImageLayout::kFloat;
        m_layout.map = MapChannels(spec);
        m_layout.movie = spec.get_int_attribute("oiio:Movie", 0) != 0;
        m_layout.frames = m_layout.movie ? std::max(1, spec.get_int_attribute("oiio:subimages", 1)) : 1;
        m_layout.flat = spec.depth <= 1;
    }

    std::unique_ptr<OIIO::ImageInput> m_file;
    yImageLayout m_layout;
};
} // namespace
} // namespace yStandalone

extern "C" __attribute__((visibility("default"))) yStandalone::yImageReader* tonescopeOpenImageReader(
    const char* path, std::string& why)
{
    // OpenEXR decodes on a pool of its own unless told otherwise; a worker
    // is one thread, and --jobs spreads the frames over the cores.
    static const bool oneThread = OIIO::attribute("exr_threads", -1);
    (void)oneThread;
    if (auto movie = yStandalone::OpenMovie(path, why)) return movie.release();
    if (!why.empty()) return nullptr;
    // Samples as the file stores them: no premultiplying by alpha.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    auto file = OIIO::ImageInput::open(path, &config);
    if (!file)
    {
        why = yStandalone::FirstLine(OIIO::geterror());
        return nullptr;
    }
    file->threads(1);
    return new yStandalone::yOiioReader(std::move(file));
}
