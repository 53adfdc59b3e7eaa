// The readers' library: every format OpenImageIO reads, behind the
// yImageReader interface. The program opens it when a file needs it.
#include "standalone/media/yImageReader.h"

#include <OpenImageIO/imageio.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
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

// A channel's layer is its name up to the last dot: "spec" of "spec.R", ""
// of "R".
std::string LayerOf(const std::string& channel)
{
    const size_t dot = channel.rfind('.');
    return dot == std::string::npos ? std::string() : channel.substr(0, dot);
}

int ChannelOf(const OIIO::ImageSpec& spec, const std::string& layer, const char* name)
{
    const std::string full = layer.empty() ? name : layer + "." + name;
    for (int c = 0; c < spec.nchannels; ++c)
        if (spec.channel_name(c) == full) return c;
    return -1;
}

// Red, green and blue are R, G and B, or all three Y; alpha is A, and a
// layer without A is opaque.
bool MapLayer(const OIIO::ImageSpec& spec, const std::string& layer, yChannelMap& map)
{
    map = {ChannelOf(spec, layer, "R"), ChannelOf(spec, layer, "G"), ChannelOf(spec, layer, "B"),
           ChannelOf(spec, layer, "A")};
    if (map.red >= 0 && map.green >= 0 && map.blue >= 0) return true;
    const int grey = ChannelOf(spec, layer, "Y");
    map.red = map.green = map.blue = grey;
    return grey >= 0;
}

// The layers as a reader names them: "diffuse, spec", the unnamed one as "(unnamed)".
std::string LayerNames(const OIIO::ImageSpec& spec)
{
    std::vector<std::string> layers;
    for (int c = 0; c < spec.nchannels; ++c)
        if (std::find(layers.begin(), layers.end(), LayerOf(spec.channel_name(c))) == layers.end())
            layers.push_back(LayerOf(spec.channel_name(c)));
    std::string names;
    for (const std::string& layer : layers)
        names += (names.empty() ? "" : ", ") + (layer.empty() ? std::string("(unnamed)") : layer);
    return names;
}

// The layer asked for; else the unnamed one, else the first with colour.
bool MapChannels(const OIIO::ImageSpec& spec, const std::string& wanted, yChannelMap& map, std::string& why)
{
    if (!wanted.empty())
    {
        if (MapLayer(spec, wanted, map)) return true;
        why = "it has no layer \"" + wanted + "\" with R, G and B or Y channels (its layers: " +
              LayerNames(spec) + ")";
        return false;
    }
    if (MapLayer(spec, "", map)) return true;
    for (int c = 0; c < spec.nchannels; ++c)
        if (MapLayer(spec, LayerOf(spec.channel_name(c)), map)) return true;
    std::string names;
    for (int c = 0; c < spec.nchannels; ++c)
        names += (c ? ", " : "") + std::string(spec.channel_name(c));
    why = "it has no R, G and B or Y channels (its channels: " + names + ")";
    return false;
}

// The bytes OpenEXR reads for an attribute's value at bytes[at], which are
// not always the size the attribute declares: a value of a fixed type is
// read at its type's size, a channel list up to its empty name, a preview as
// its width and height say. What follows is read from there on, so the
// check must step as OpenEXR does. 0 when the value runs past the bytes.
uint64_t ExrValueLength(const std::string& type, uint32_t declared, const std::vector<char>& bytes, size_t at)
{
    static const std::pair<const char*, uint32_t> kFixed[] = {
        {"box2i", 16}, {"box2f", 16},  {"chromaticities", 32}, {"compression", 1}, {"double", 8},
        {"envmap", 1}, {"float", 4},   {"int", 4},             {"keycode", 28},    {"lineOrder", 1},
        {"m33f", 36},  {"m33d", 72},   {"m44f", 64},           {"m44d", 128},      {"rational", 8},
        {"tiledesc", 9}, {"timecode", 8}, {"v2i", 8}, {"v2f", 8}, {"v2d", 16}, {"v3i", 12}, {"v3f", 12},
        {"v3d", 24},   {"deepImageState", 1},
    };
    for (const auto& [name, length] : kFixed)
        if (type == name) return length;
    const auto word = [&](size_t from) -> uint64_t
    {
        return from + 4 > bytes.size() ? 0
                                       : uint32_t(uint8_t(bytes[from])) | uint32_t(uint8_t(bytes[from + 1])) << 8 |
                                             uint32_t(uint8_t(bytes[from + 2])) << 16 |
                                             uint32_t(uint8_t(bytes[from + 3])) << 24;
    };
    if (type == "preview")
    {
        const uint64_t pixels = word(at) * word(at + 4); // each word below 2^32
        return pixels > (UINT64_MAX - 8) / 4 ? UINT64_MAX : 8 + pixels * 4;
    }
    if (type != "chlist") return declared;
    // Names of at most 255 bytes, each with 16 bytes of layout, then an empty name.
    for (size_t from = at; from < bytes.size();)
    {
        const auto end = std::find(bytes.begin() + long(from), bytes.begin() + long(std::min(bytes.size(), from + 256)),
                                   '\0');
        if (end == bytes.end() || size_t(end - bytes.begin()) == std::min(bytes.size(), from + 256)) return 0;
        if (size_t(end - bytes.begin()) == from) return from + 1 - at;
        from = size_t(end - bytes.begin()) + 1 + 16;
    }
    return 0;
}

// Whether every attribute in an OpenEXR file's headers fits in the file:
// OpenEXR allocates and clears what a header claims before reading it.
bool ExrHeadersFit(const std::string& path, std::string& why)
{
    std::error_code failed;
    const uint64_t total = std::filesystem::file_size(path, failed);
    // The headers are read as far as their first megabytes.
    std::vector<char> bytes(failed ? 0 : size_t(std::min<uint64_t>(total, uint64_t(1) << 24)));
    std::ifstream(path, std::ios::binary).read(bytes.data(), long(bytes.size()));
    if (bytes.size() < 8 || std::memcmp(bytes.data(), "\x76\x2f\x31\x01", 4) != 0) return true;
    const bool parts = (uint8_t(bytes[5]) & 0x10) != 0;
    size_t at = 8;
    const auto text = [&](std::string& out)
    {
        if (at >= bytes.size()) return false;
        const auto end = std::find(bytes.begin() + long(at), bytes.end(), '\0');
        if (end == bytes.end()) return false;
        out.assign(bytes.begin() + long(at), end);
        at = size_t(end - bytes.begin()) + 1;
        return true;
    };
    for (std::string name, type; text(name);)
    {
        if (name.empty())
        {
            // A multi-part file's headers end with an empty one.
            if (!parts || (at < bytes.size() && bytes[at] == '\0')) return true;
            continue;
        }
        if (!text(type) || at + 4 > bytes.size()) break;
        const uint32_t size = uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
                              uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
        at += 4;
        const uint64_t length = ExrValueLength(type, size, bytes, at);
        if (std::max<uint64_t>(size, length) > total - at)
        {
            why = "it is damaged: its attribute \"" + name.substr(0, 40) + "\" claims " +
                  std::to_string(std::max<uint64_t>(size, length)) + " bytes, more than the file holds";
            return false;
        }
        if (length == 0 && size > 0) break;
        at += size_t(length);
    }
    if (bytes.size() < total) return true;
    why = "it is cut short inside its header";
    return false;
}

// Whether OpenImageIO's RLA reader, trying a file without a name to go by,
// would stop the process: it aborts on a channel type it does not know
// instead of refusing the file. The header's fields are big-endian.
bool RlaWouldAbort(const std::vector<char>& head, std::string& why)
{
    constexpr size_t kHeaderBytes = 740;
    if (head.size() < kHeaderBytes) return false;
    const auto field = [&](size_t at) { return int16_t(uint8_t(head[at]) << 8 | uint8_t(head[at + 1])); };
    const int16_t revision = field(26);
    if (revision != 0 && revision != int16_t(0xFFFE)) return false; // refused as no RLA file
    for (const size_t at : {18, 660, 664}) // colour, matte and auxiliary channel types
    {
        const int16_t type = field(at);
        if (type == 0 || type == 1 || type == 2 || type == 4) continue;
        why = "it is damaged: read as an RLA file, it gives channels of type " + std::to_string(type);
        return true;
    }
    return false;
}

class yOiioReader : public yImageReader
{
  public:
    yOiioReader(std::unique_ptr<OIIO::ImageInput> file, std::string path, std::string layer)
        : m_file(std::move(file)), m_path(std::move(path)), m_layer(std::move(layer))
    {
    }
    // Whether the file has pixels to take; false with why when not.
    bool Describe(std::string& why)
    {
        const OIIO::ImageSpec& spec = m_file->spec();
        m_layout.width = spec.width;
        m_layout.height = spec.height;
        m_layout.channels = spec.nchannels;
        m_layout.samples = spec.format == OIIO::TypeDesc::UINT8    ? yImageLayout::kUint8
                           : spec.format == OIIO::TypeDesc::UINT16 ? yImageLayout::kUint16
                                                                   : yImageLayout::kFloat;
        m_layout.flat = spec.depth <= 1;
        m_layout.layers = LayerNames(spec);
        return MapChannels(spec, m_layer, m_layout.map, why) && Holds(spec, why);
    }

    const yImageLayout& Layout() const override { return m_layout; }

    bool Seek(int frame, std::string& why) override
    {
        m_bandTop = -1;
        if (!m_file->seek_subimage(frame, 0))
        {
            why = "it has no frame " + std::to_string(frame);
            return false;
        }
        return Describe(why);
    }

    bool ReadRow(int y, void* row, std::string& why) override
    {
        const OIIO::ImageSpec& spec = m_file->spec();
        const OIIO::TypeDesc type = m_layout.samples == yImageLayout::kUint8    ? OIIO::TypeDesc::UINT8
                                    : m_layout.samples == yImageLayout::kUint16 ? OIIO::TypeDesc::UINT16
                                                                                : OIIO::TypeDesc::FLOAT;
        if (spec.tile_width <= 0)
        {
            if (m_file->read_scanline(spec.y + y, spec.z, type, row)) return true;
            why = FirstLine(m_file->geterror());
            return false;
        }
        // A tiled file is read a band of tiles across at a time, from its
        // largest level.
        const size_t rowBytes = size_t(spec.width) * size_t(spec.nchannels) * type.size();
        const int top = y / spec.tile_height * spec.tile_height;
        if (top != m_bandTop)
        {
            m_bandTop = -1;
            const int rows = std::min(spec.tile_height, spec.height - top);
            try
            {
                m_band.resize(rowBytes * size_t(rows));
            }
            catch (const std::bad_alloc&)
            {
                why = "there is not enough memory for a band of its tiles";
                return false;
            }
            if (!m_file->read_tiles(m_file->current_subimage(), 0, spec.x, spec.x + spec.width, spec.y + top,
                                    spec.y + top + rows, spec.z, spec.z + 1, 0, spec.nchannels, type,
                                    m_band.data()))
            {
                why = FirstLine(m_file->geterror());
                return false;
            }
            m_bandTop = top;
        }
        std::copy_n(m_band.data() + size_t(y - top) * rowBytes, rowBytes, static_cast<uint8_t*>(row));
        return true;
    }

  private:
    // Whether a TIFF file is large enough for the pixels its header declares,
    // so that a few bytes claiming a huge image are refused before the image
    // is allocated. No codec of TIFF packs more than 4096 bytes into one.
    bool Holds(const OIIO::ImageSpec& spec, std::string& why) const
    {
        if (std::string(m_file->format_name()) != "tiff") return true;
        std::error_code failed;
        const double bytes = double(std::filesystem::file_size(m_path, failed));
        const bool packed = spec.get_string_attribute("compression", "none") != "none";
        if (failed || double(spec.image_bytes()) <= bytes * (packed ? 4096 : 1)) return true;
        why = "it is cut short: its header declares " + std::to_string(spec.width) + " x " +
              std::to_string(spec.height) + " pixels, more than its " + std::to_string(uint64_t(bytes)) +
              " bytes can hold";
        return false;
    }

    std::unique_ptr<OIIO::ImageInput> m_file;
    const std::string m_path, m_layer;
    yImageLayout m_layout;
    std::vector<uint8_t> m_band; // the rows of a band of tiles
    int m_bandTop = -1;          // its first row
};
} // namespace
} // namespace yStandalone

extern "C" __attribute__((visibility("default"))) yStandalone::yImageReader* tonescopeOpenImageReader(
    const char* path, const char* layer, std::string& why)
{
    // OpenEXR decodes on a pool of its own unless told otherwise; a worker
    // is one thread, and --jobs spreads the frames over the cores.
    static const bool oneThread = OIIO::attribute("exr_threads", -1);
    (void)oneThread;
    if (!yStandalone::ExrHeadersFit(path, why)) return nullptr;
    // Samples as the file stores them: no premultiplying by alpha.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    std::vector<char> head(740);
    std::ifstream in(path, std::ios::binary);
    in.read(head.data(), long(head.size()));
    head.resize(size_t(in.gcount()));
    // A file whose first bytes name its format is opened by that reader
    // alone, never by OpenImageIO trying each of its readers in turn.
    const char* format = yStandalone::StillFormatByMagic(head.data(), head.size());
    if (!format && yStandalone::RlaWouldAbort(head, why)) return nullptr;
    std::unique_ptr<OIIO::ImageInput> file;
    std::string failure; // the named reader's own words
    OIIO::ImageSpec spec;
    if (!format)
        file = OIIO::ImageInput::open(path, &config);
    else if ((file = OIIO::ImageInput::create(format)) && !file->open(path, spec, config))
    {
        failure = file->geterror();
        file.reset();
    }
    if (!file)
    {
        const std::string error = failure.empty() ? OIIO::geterror() : failure;
        // OpenImageIO's words for this name the file again and guess at why.
        why = error.find("could not find a format reader") != std::string::npos
                  ? "it is in no format this host reads"
                  : yStandalone::FirstLine(error);
        return nullptr;
    }
    file->threads(1);
    auto reader = std::make_unique<yStandalone::yOiioReader>(std::move(file), path, layer ? layer : "");
    return reader->Describe(why) ? reader.release() : nullptr;
}
