#include "standalone/yPngEncode.h"

#include "standalone/yPngFile.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <exception>
#include <vector>

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

// Collects the encoded file in memory. An allocation that fails is turned
// into a libpng error once the exception is done with.
void AppendBytes(png_structp png, png_bytep data, size_t size)
{
    bool appended = true;
    try
    {
        static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), size);
    }
    catch (const std::exception&)
    {
        appended = false;
    }
    if (!appended) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

// One row of the world as RGBA samples, 16-bit ones big-endian as a PNG file holds them.
void PackRow(const yWorld& world, int y, png_bytep row)
{
    for (int x = 0; x < world.Width(); ++x)
        if (world.IsDeep())
        {
            const PF_Pixel16& c = world.Pixel16(x, y);
            const uint16_t samples[4] = {HostToSample16(c.red), HostToSample16(c.green),
                                         HostToSample16(c.blue), HostToSample16(c.alpha)};
            for (int i = 0; i < 4; ++i)
            {
                row[8 * x + 2 * i] = png_byte(samples[i] >> 8);
                row[8 * x + 2 * i + 1] = png_byte(samples[i] & 0xFF);
            }
        }
        else
        {
            const PF_Pixel8& c = world.Pixel8(x, y);
            png_bytep p = row + 4 * x;
            p[0] = c.red, p[1] = c.green, p[2] = c.blue, p[3] = c.alpha;
        }
}

// Encodes row after row, so that no second copy of the image is made.
bool WriteRows(yPngState& state, std::string& bytes, const yWorld& world, png_bytep row)
{
    if (setjmp(png_jmpbuf(state.png))) return false;
    png_set_write_fn(state.png, &bytes, AppendBytes, FlushNothing);
    png_set_IHDR(state.png, state.info, png_uint_32(world.Width()), png_uint_32(world.Height()),
                 world.IsDeep() ? 16 : 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(state.png, state.info);
    for (int y = 0; y < world.Height(); ++y)
    {
        PackRow(world, y, row);
        png_write_row(state.png, row);
    }
    png_write_end(state.png, nullptr);
    return true;
}
} // namespace

bool EncodePng(const yWorld& world, std::string& bytes, std::string& reason)
{
    std::vector<png_byte> row(size_t(world.Width()) * (world.IsDeep() ? 8 : 4));
    yPngState state;
    state.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
    state.info = state.png ? png_create_info_struct(state.png) : nullptr;
    const bool written = state.info && WriteRows(state, bytes, world, row.data());
    png_destroy_write_struct(&state.png, &state.info);
    if (!written) reason = Reason(state);
    return written;
}
} // namespace yHost
