#include "standalone/media/yPngReader.h"

#include "standalone/emulator/yOutOfMemory.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <vector>

namespace yStandalone
{
// What libpng may jump over is plain data: no destructor is skipped.
struct yPngReader::State
{
    std::FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    char message[256] = {};
    int passes = 1;
    int row = 0;
    std::vector<png_byte> image; // an interlaced file, read whole
    size_t rowBytes = 0;

    ~State()
    {
        png_destroy_read_struct(&png, &info, nullptr);
        if (file) std::fclose(file);
    }
    std::string Reason() const { return message[0] ? message : "unknown error"; }
};

namespace
{
constexpr double kDeflateMostPacked = 1032;

void OnError(png_structp png, png_const_charp message)
{
    char* text = static_cast<char*>(png_get_error_ptr(png));
    std::snprintf(text, 256, "%s", message ? message : "unknown error");
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// The header, and the conversion to RGBA of 8 or 16 bits set up; fileRowBytes
// receives the size of a row as the file packs it.
bool ReadHeader(png_structp png, png_infop info, std::FILE* file, int& passes, size_t& fileRowBytes)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    png_set_user_limits(png, yPngReader::kMaxSide, yPngReader::kMaxSide);
    png_read_info(png, info);
    fileRowBytes = png_get_rowbytes(png, info);
    const int type = png_get_color_type(png, info);
    const int bits = png_get_bit_depth(png, info);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY && bits < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    if (!(type & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_add_alpha(png, bits == 16 ? 0xFFFF : 0xFF, PNG_FILLER_AFTER);
    if (bits == 16) png_set_swap(png);
    passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool ReadOneRow(png_structp png, png_bytep row)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_row(png, row, nullptr);
    return true;
}

bool ReadWhole(png_structp png, png_bytep* rows)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    return true;
}
} // namespace

yPngReader::yPngReader() = default;
yPngReader::~yPngReader() = default;

bool yPngReader::IsPng(const std::string& path)
{
    png_byte signature[8] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    const bool png = std::fread(signature, 1, sizeof signature, file) == sizeof signature &&
                     png_sig_cmp(signature, 0, sizeof signature) == 0;
    std::fclose(file);
    return png;
}

bool yPngReader::Open(const std::string& path, std::string& error)
{
    m_path = path;
    m_state = std::make_unique<State>();
    State& s = *m_state;
    s.file = std::fopen(path.c_str(), "rb");
    if (!s.file)
    {
        error = "Cannot open the image " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, s.message, OnError, OnWarning);
    s.info = s.png ? png_create_info_struct(s.png) : nullptr;
    if (!s.info)
    {
        error = "There is not enough memory to read the image " + path + ".";
        return false;
    }
    size_t fileRowBytes = 0;
    if (!ReadHeader(s.png, s.info, s.file, s.passes, fileRowBytes))
    {
        // libpng's words for a size over its limit say only that the header is invalid.
        uint8_t size[8] = {};
        const auto side = [&](int at) { return uint32_t(size[at]) << 24 | size[at + 1] << 16 | size[at + 2] << 8 | size[at + 3]; };
        if (std::fseek(s.file, 16, SEEK_SET) == 0 && std::fread(size, 1, 8, s.file) == 8 &&
            (side(0) > uint32_t(kMaxSide) || side(4) > uint32_t(kMaxSide)))
            error = "The image " + path + " is " + std::to_string(side(0)) + " x " + std::to_string(side(4)) +
                    " pixels, more than the " + std::to_string(kMaxSide) + " a side this host reads.";
        else
            error = "The image " + path + " has a damaged header: " + s.Reason() + ".";
        return false;
    }
    m_width = int(png_get_image_width(s.png, s.info));
    m_height = int(png_get_image_height(s.png, s.info));
    struct stat file = {};
    m_fileBytes = ::fstat(fileno(s.file), &file) == 0 ? uint64_t(file.st_size) : UINT64_MAX;
    m_fileRowBytes = fileRowBytes;
    m_depth = png_get_bit_depth(s.png, s.info);
    s.rowBytes = png_get_rowbytes(s.png, s.info);
    return true;
}

bool yPngReader::Holds(std::string& error) const
{
    // Deflate packs at most 1032 bytes into one.
    if (double(m_fileRowBytes + 1) * m_height <= double(m_fileBytes) * kDeflateMostPacked) return true;
    error = "The image " + m_path + " is cut short: its header declares " + std::to_string(m_width) + " x " +
            std::to_string(m_height) + " pixels, more than its " + std::to_string(m_fileBytes) + " bytes can hold.";
    return false;
}

bool yPngReader::ReadRow(void* rgba, std::string& error)
{
    State& s = *m_state;
    bool read = s.row < m_height;
    if (read && s.passes == 1)
        read = ReadOneRow(s.png, static_cast<png_bytep>(rgba));
    else if (read)
    {
        if (s.row == 0)
        {
            const size_t bytes = s.rowBytes * size_t(m_height);
            if (!TryResize(s.image, bytes)) throw yOutOfMemory("the interlaced image " + m_path, bytes);
            std::vector<png_bytep> rows(static_cast<size_t>(m_height), nullptr);
            for (int y = 0; y < m_height; ++y)
                rows[size_t(y)] = s.image.data() + size_t(y) * s.rowBytes;
            read = ReadWhole(s.png, rows.data());
        }
        if (read) std::memcpy(rgba, s.image.data() + size_t(s.row) * s.rowBytes, s.rowBytes);
    }
    if (!read)
    {
        error = "The image " + m_path + " cannot be read: " + s.Reason() + ".";
        return false;
    }
    ++s.row;
    return true;
}
} // namespace yStandalone
