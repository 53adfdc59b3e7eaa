#include "standalone/yPngFile.h"

#include "standalone/yFileOutput.h"
#include "standalone/yOutOfMemory.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace yHost
{
namespace
{
// Everything libpng may jump over is plain data: no destructor is skipped.
struct yPngState
{
    png_structp png = nullptr;
    png_infop info = nullptr;
    char message[256] = {};
};

void OnError(png_structp png, png_const_charp message)
{
    auto* state = static_cast<yPngState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", message ? message : "unknown error");
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

std::string Reason(const yPngState& state)
{
    return state.message[0] ? state.message : "unknown error";
}

// Reads the header and sets up the conversion to 8- or 16-bit RGBA.
bool ReadHeader(yPngState& state, std::FILE* file, png_uint_32& width, png_uint_32& height, int& depth)
{
    if (setjmp(png_jmpbuf(state.png))) return false;
    png_init_io(state.png, file);
    png_set_user_limits(state.png, yPngFile::kMaxSide, yPngFile::kMaxSide);
    png_read_info(state.png, state.info);
    const int type = png_get_color_type(state.png, state.info);
    const int bits = png_get_bit_depth(state.png, state.info);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(state.png);
    if (type == PNG_COLOR_TYPE_GRAY && bits < 8) png_set_expand_gray_1_2_4_to_8(state.png);
    if (png_get_valid(state.png, state.info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(state.png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(state.png);
    if (!(type & PNG_COLOR_MASK_ALPHA) && !png_get_valid(state.png, state.info, PNG_INFO_tRNS))
        png_set_add_alpha(state.png, bits == 16 ? 0xFFFF : 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(state.png);
    png_read_update_info(state.png, state.info);
    width = png_get_image_width(state.png, state.info);
    height = png_get_image_height(state.png, state.info);
    depth = png_get_bit_depth(state.png, state.info);
    return true;
}

bool ReadRows(yPngState& state, png_bytep* rows)
{
    if (setjmp(png_jmpbuf(state.png))) return false;
    png_read_image(state.png, rows);
    png_read_end(state.png, nullptr);
    return true;
}

bool WriteRows(yPngState& state, std::FILE* file, png_uint_32 width, png_uint_32 height, int depth,
               png_bytep* rows)
{
    if (setjmp(png_jmpbuf(state.png))) return false;
    png_init_io(state.png, file);
    png_set_IHDR(state.png, state.info, width, height, depth, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(state.png, state.info);
    png_write_image(state.png, rows);
    png_write_end(state.png, nullptr);
    return true;
}

class yFileCloser
{
  public:
    explicit yFileCloser(std::FILE* file) : m_file(file) {}
    ~yFileCloser()
    {
        if (m_file) std::fclose(m_file);
    }
    yFileCloser(const yFileCloser&) = delete;
    yFileCloser& operator=(const yFileCloser&) = delete;

  private:
    std::FILE* m_file;
};
} // namespace

bool yPngFile::Read(const std::string& path, yPngImage& out, std::string& error)
{
    out = yPngImage{};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
    {
        error = "Cannot open the image " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    yFileCloser closer(file);
    png_byte signature[8] = {};
    if (std::fread(signature, 1, sizeof signature, file) != sizeof signature ||
        png_sig_cmp(signature, 0, 8) != 0)
    {
        error = "The image " + path + " is not a PNG file.";
        return false;
    }
    std::rewind(file);

    yPngState state;
    state.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
    state.info = state.png ? png_create_info_struct(state.png) : nullptr;
    if (!state.info)
    {
        png_destroy_read_struct(&state.png, nullptr, nullptr);
        error = "Out of memory reading " + path + ".";
        return false;
    }
    png_uint_32 width = 0, height = 0;
    int depth = 0;
    bool read = ReadHeader(state, file, width, height, depth);
    if (read && (width == 0 || height == 0 || int64_t(width) * height > kMaxPixels))
    {
        png_destroy_read_struct(&state.png, &state.info, nullptr);
        error = "The image " + path + " is " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels, which this host does not take.";
        return false;
    }
    std::vector<png_byte> pixels;
    std::vector<png_bytep> rows;
    const size_t rowBytes = size_t(width) * 4 * size_t(depth / 8);
    bool room = !read || (TryResize(pixels, rowBytes * height) && TryResize(rows, height));
    if (read && room)
    {
        for (png_uint_32 y = 0; y < height; ++y)
            rows[y] = pixels.data() + y * rowBytes;
        read = ReadRows(state, rows.data());
    }
    png_destroy_read_struct(&state.png, &state.info, nullptr);
    if (read && !TryResize(out.rgba, size_t(width) * height * 4)) room = false;
    if (!room)
    {
        error = "There is not enough memory to read the " + std::to_string(width) + " x " +
                std::to_string(height) + " image " + path + ".";
        return false;
    }
    if (!read)
    {
        error = "The image " + path + " cannot be read: " + Reason(state) + ".";
        return false;
    }

    out.width = int(width);
    out.height = int(height);
    out.depth = depth;
    for (size_t i = 0; i < out.rgba.size(); ++i)
        out.rgba[i] = depth == 16 ? uint16_t((pixels[2 * i] << 8) | pixels[2 * i + 1]) : pixels[i];
    return true;
}

bool yPngFile::Write(const std::string& path, const yWorld& world, std::string& error)
{
    if (world.Width() <= 0 || world.Height() <= 0)
    {
        error = "Cannot write " + path + ": the image is empty.";
        return false;
    }
    const bool deep = world.IsDeep();
    const size_t sampleBytes = deep ? 2 : 1;
    const size_t rowBytes = size_t(world.Width()) * 4 * sampleBytes;
    std::vector<png_byte> pixels(rowBytes * size_t(world.Height()));
    std::vector<png_bytep> rows;
    for (int y = 0; y < world.Height(); ++y)
    {
        png_bytep row = pixels.data() + size_t(y) * rowBytes;
        rows.push_back(row);
        for (int x = 0; x < world.Width(); ++x)
        {
            png_bytep p = row + size_t(x) * 4 * sampleBytes;
            if (deep)
            {
                const PF_Pixel16& c = world.Pixel16(x, y);
                const uint16_t samples[4] = {HostToSample16(c.red), HostToSample16(c.green),
                                             HostToSample16(c.blue), HostToSample16(c.alpha)};
                for (int i = 0; i < 4; ++i)
                {
                    p[2 * i] = png_byte(samples[i] >> 8);
                    p[2 * i + 1] = png_byte(samples[i] & 0xFF);
                }
            }
            else
            {
                const PF_Pixel8& c = world.Pixel8(x, y);
                p[0] = c.red, p[1] = c.green, p[2] = c.blue, p[3] = c.alpha;
            }
        }
    }

    yFileOutput output(path);
    if (!output.Open(error)) return false;
    yPngState state;
    state.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
    state.info = state.png ? png_create_info_struct(state.png) : nullptr;
    const bool written = state.info && WriteRows(state, output.File(), png_uint_32(world.Width()),
                                                 png_uint_32(world.Height()), deep ? 16 : 8, rows.data());
    png_destroy_write_struct(&state.png, &state.info);
    if (!written)
    {
        error = "Cannot write " + path + ": " + Reason(state) + ".";
        return false;
    }
    return output.Commit(error);
}

yWorld ToWorld(const yPngImage& image, bool deep)
{
    yWorld world(image.width, image.height, deep);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
        {
            const uint16_t* s = &image.rgba[(size_t(y) * size_t(image.width) + size_t(x)) * 4];
            if (deep)
            {
                auto widen = [&](uint16_t v) { return SampleToHost16(image.depth == 16 ? v : v * 257u); };
                world.Pixel16(x, y) = {widen(s[3]), widen(s[0]), widen(s[1]), widen(s[2])};
            }
            else
            {
                auto narrow = [&](uint16_t v)
                { return A_u_char(image.depth == 16 ? (v * 255u + 32767u) / 65535u : v); };
                world.Pixel8(x, y) = {narrow(s[3]), narrow(s[0]), narrow(s[1]), narrow(s[2])};
            }
        }
    return world;
}
} // namespace yHost
