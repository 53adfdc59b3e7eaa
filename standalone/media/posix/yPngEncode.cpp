#include "standalone/media/yPngEncode.h"

#include "standalone/media/yPngFile.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <exception>
#include <vector>

namespace yStandalone
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
        PackPngRow(world, y, row);
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
} // namespace yStandalone
