// PNG in on Windows, where libpng is not at hand: stb_image decodes the whole
// file when it is opened, with the same rules as the other reader: grey and
// palette widened to RGB, transparency to alpha, no alpha read as opaque,
// 16-bit samples kept.
#include "standalone/media/yPngReader.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_HDR
#define STBI_NO_LINEAR
#define STBI_FAILURE_USERMSG
#include <stb/stb_image.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace yStandalone
{
struct yPngReader::State
{
    void* pixels = nullptr; // 4 samples a pixel, rows top down
    int row = 0;
    ~State() { stbi_image_free(pixels); }
};

yPngReader::yPngReader() = default;
yPngReader::~yPngReader() = default;

bool yPngReader::IsPng(const std::string& path)
{
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    unsigned char head[8] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    const bool png = std::fread(head, 1, 8, file) == 8 && std::memcmp(head, kSignature, 8) == 0;
    std::fclose(file);
    return png;
}

bool yPngReader::Open(const std::string& path, std::string& error)
{
    m_state = std::make_unique<State>();
    m_path = path;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
    {
        error = "Cannot open the image " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_file(file, &width, &height, &channels) || width > kMaxSide || height > kMaxSide)
    {
        std::fclose(file);
        error = "The image " + path + " cannot be read: " +
                (width > kMaxSide || height > kMaxSide ? "it is too large" : stbi_failure_reason()) + ".";
        return false;
    }
    m_depth = stbi_is_16_bit_from_file(file) ? 16 : 8;
    m_state->pixels = m_depth == 16 ? static_cast<void*>(stbi_load_from_file_16(file, &width, &height, &channels, 4))
                                    : static_cast<void*>(stbi_load_from_file(file, &width, &height, &channels, 4));
    std::fclose(file);
    if (!m_state->pixels)
    {
        error = "The image " + path + " cannot be read: " + stbi_failure_reason() + ".";
        return false;
    }
    m_width = width;
    m_height = height;
    return true;
}

// stb_image has read the whole file already.
bool yPngReader::Holds(std::string&) const
{
    return true;
}

bool yPngReader::ReadRow(void* rgba, std::string& error)
{
    if (!m_state || !m_state->pixels || m_state->row >= m_height)
    {
        error = "Cannot read the image " + m_path + ": it has no more rows.";
        return false;
    }
    const size_t rowBytes = size_t(m_width) * 4 * size_t(m_depth / 8);
    std::memcpy(rgba, static_cast<const uint8_t*>(m_state->pixels) + size_t(m_state->row) * rowBytes, rowBytes);
    ++m_state->row;
    return true;
}
} // namespace yStandalone
