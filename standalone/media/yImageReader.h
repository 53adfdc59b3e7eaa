// A reader of the image formats besides PNG, and of movies: the interface of
// the readers' library, which the program opens with dlopen only when a file
// needs it (yReaderLibrary), so that a run on PNG files, info and the demo do
// not load the image library and the hundreds it brings along.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

namespace yStandalone
{
// Where a pixel's red, green, blue and alpha are among the file's channels;
// alpha -1 when the file has none.
struct yChannelMap
{
    int red = 0, green = 0, blue = 0, alpha = -1;
};

// How the frame the reader is at lies: its size, channels and samples.
struct yImageLayout
{
    enum Samples
    {
        kUint8,
        kUint16,
        kFloat // whatever else the file stores, read as floats
    };
    int width = 0, height = 0;
    int channels = 0;
    Samples samples = kUint8;
    yChannelMap map;   // where red, green, blue and alpha are
    int frames = 1;    // a movie's frames; 1 for a still image
    bool movie = false;
    bool flat = true;  // one plane of pixels (not a volume)
    std::string layers; // the file's layers by name, as "(unnamed), spec"; empty when it has none
};

class yImageReader
{
  public:
    virtual ~yImageReader() = default;
    // The layout of the frame the reader is at.
    virtual const yImageLayout& Layout() const = 0;
    // Goes to a frame (from 0); false with one clause saying why not.
    virtual bool Seek(int frame, std::string& why) = 0;
    // Row y of the frame into row, Layout().channels samples a pixel of
    // Layout().samples; false with one clause saying why not.
    virtual bool ReadRow(int y, void* row, std::string& why) = 0;
};

// What the readers' library exports under kOpenImageReaderSymbol: opens a
// file and reads its header, at the first frame, taking the named layer (null
// or empty: the file's own choice); null with one clause saying why not.
using yOpenImageReader = yImageReader* (*)(const char* path, const char* layer, std::string& why);
inline constexpr const char* kOpenImageReaderSymbol = "tonescopeOpenImageReader";
// What the movie library exports: the same, but null with why empty when the
// file is not a movie (a still image, for the image readers).
inline constexpr const char* kOpenMovieReaderSymbol = "tonescopeOpenMovieReader";

// The still format a file's first bytes (up to 8) name, as OpenImageIO calls
// its reader: OpenEXR, TIFF, JPEG, DPX, Cineon, BMP, GIF, Radiance,
// Photoshop, JPEG 2000, SGI. Null when they name none of them.
inline const char* StillFormatByMagic(const char* head, size_t size)
{
    static const struct
    {
        const char* magic;
        size_t size;
        const char* format;
    } kMagic[] = {
        {"\x76\x2f\x31\x01", 4, "openexr"}, {"II*\0", 4, "tiff"}, {"MM\0*", 4, "tiff"},
        {"II+\0", 4, "tiff"},                {"MM\0+", 4, "tiff"}, {"\xff\xd8\xff", 3, "jpeg"},
        {"SDPX", 4, "dpx"},                   {"XPDS", 4, "dpx"},    {"\x80\x2a\x5f\xd7", 4, "cineon"},
        {"BM", 2, "bmp"},                     {"GIF8", 4, "gif"},    {"#?", 2, "hdr"},
        {"8BPS", 4, "psd"},                   {"\0\0\0\x0cjP  ", 8, "jpeg2000"},
        {"\xff\x4f\xff\x51", 4, "jpeg2000"}, {"\x01\xda", 2, "sgi"},
    };
    for (const auto& m : kMagic)
        if (size >= m.size && std::memcmp(head, m.magic, m.size) == 0) return m.format;
    return nullptr;
}
} // namespace yStandalone
