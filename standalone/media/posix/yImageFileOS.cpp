// The formats besides PNG on POSIX: movies through the movie library
// (FFmpeg's), the other image formats through the readers' library
// (OpenImageIO's), each opened on first need. Loading OpenImageIO brings some
// 260 libraries and takes half a second, so a movie never loads it, and a
// file whose first bytes name a still format is never probed as a movie.
#include "standalone/media/yImageFile.h"

#include "standalone/emulator/yModuleBeside.h"
#include "standalone/emulator/yOutOfMemory.h"
#include "standalone/media/yImageReader.h"
#include "standalone/media/yImageRows.h"
#include "standalone/media/yPngReader.h"

#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <vector>

namespace yStandalone
{
namespace
{
// A library beside the program and its open function, loaded once for the
// process; null with the reason when it cannot be.
class yReaderLibrary
{
  public:
    // needs: what the reason names as missing.
    yReaderLibrary(const char* fileName, const char* symbol, const char* needs)
        : fileName(fileName), symbol(symbol), needs(needs)
    {
    }

    yOpenImageReader Load(std::string& why)
    {
        std::call_once(once, [this] {
            // A program that links the readers in (a test, the fuzzer) has them already.
            open = reinterpret_cast<yOpenImageReader>(::dlsym(RTLD_DEFAULT, symbol));
            if (open) return;
            const std::string path = BesideProgram(fileName);
            void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!library)
            {
                failure = std::string("reading it needs ") + needs + " (" + path + "), which this installation lacks";
                return;
            }
            open = reinterpret_cast<yOpenImageReader>(::dlsym(library, symbol));
            if (!open) failure = "the readers in " + path + " are of another version";
        });
        why = failure;
        return open;
    }

  private:
    const char *fileName, *symbol, *needs;
    std::once_flag once;
    yOpenImageReader open = nullptr;
    std::string failure;
};

yReaderLibrary g_movies("tonescope-movies.so", kOpenMovieReaderSymbol, "the movie reader and FFmpeg");
yReaderLibrary g_images("tonescope-readers.so", kOpenImageReaderSymbol, "the image readers and OpenImageIO");

// Whether the file starts as a still image format does: OpenEXR, TIFF,
// JPEG, DPX, Cineon, BMP, GIF, Radiance, Photoshop, JPEG 2000, SGI.
bool LooksStill(const std::string& path)
{
    char head[8] = {};
    std::ifstream in(path, std::ios::binary);
    in.read(head, sizeof head);
    return StillFormatByMagic(head, size_t(in.gcount())) != nullptr;
}
// A movie reader set down, kept for the next open of the same file: a run
// opens a movie to tell it from a still, to count its frames and to read
// them, and each open starts a decoder and decodes the first frame.
class yParkedMovie
{
  public:
    // identity: the file's as the reader opened it.
    void Park(const std::string& path, const std::string& identity, std::unique_ptr<yImageReader> reader)
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_reader = identity.empty() ? nullptr : std::move(reader);
        m_path = path;
        m_identity = identity;
    }

    // The reader kept for path when the file is still the one it read.
    std::unique_ptr<yImageReader> Take(const std::string& path, const std::string& identity)
    {
        std::lock_guard<std::mutex> hold(m_lock);
        if (!m_reader || path != m_path || identity != m_identity) return nullptr;
        return std::move(m_reader);
    }

    // The file's size and time of writing; empty when they cannot be read.
    static std::string IdentityOf(const std::string& path)
    {
        std::error_code failed;
        const auto size = std::filesystem::file_size(path, failed);
        if (failed) return "";
        const auto written = std::filesystem::last_write_time(path, failed);
        if (failed) return "";
        return std::to_string(size) + ":" + std::to_string(written.time_since_epoch().count());
    }

  private:
    std::mutex m_lock;
    std::unique_ptr<yImageReader> m_reader;
    std::string m_path, m_identity;
};
yParkedMovie g_parked;

// Bytes of one sample as the reader gives it: floats for anything but 8 and 16 bits.
size_t SampleBytes(const yImageLayout& layout)
{
    return layout.samples == yImageLayout::kUint8 ? 1 : layout.samples == yImageLayout::kUint16 ? 2 : 4;
}
} // namespace

struct yImageFile::Other
{
    std::unique_ptr<yImageReader> reader;
    std::string identity; // the file's, as it was opened
};

yImageFile::yImageFile() : m_other(std::make_unique<Other>()) {}
yImageFile::~yImageFile()
{
    CloseOther();
}

void yImageFile::CloseOther()
{
    if (m_other->reader && m_other->reader->Layout().movie)
        g_parked.Park(m_path, m_other->identity, std::move(m_other->reader));
    m_other->reader.reset();
}

bool yImageFile::OpenOther(int64_t maxPixels, const std::string& layer, std::string& error)
{
    std::string why;
    m_other->identity = yParkedMovie::IdentityOf(m_path);
    m_other->reader = g_parked.Take(m_path, m_other->identity);
    if (!m_other->reader && !LooksStill(m_path))
    {
        // Not a movie leaves why empty; a movie the reader cannot take does
        // not. Without the movie library the image readers still have a go.
        if (const yOpenImageReader movies = g_movies.Load(why))
            m_other->reader.reset(movies(m_path.c_str(), layer.c_str(), why));
        else
            why.clear();
    }
    if (!m_other->reader && why.empty())
        if (const yOpenImageReader images = g_images.Load(why))
            m_other->reader.reset(images(m_path.c_str(), layer.c_str(), why));
    if (!m_other->reader)
    {
        error = "Cannot read the image " + m_path + ": " + why + ".";
        return false;
    }
    const yImageLayout& layout = m_other->reader->Layout();
    m_width = layout.width;
    m_height = layout.height;
    m_deep = layout.samples != yImageLayout::kUint8;
    m_movie = layout.movie;
    m_frames = layout.frames;
    m_layers = layout.layers;
    if (m_width <= 0 || m_height <= 0 || !layout.flat || layout.channels < 1)
        error = "The image " + m_path + " has no pixels this host can take.";
    else if (CheckSize(maxPixels, error))
        return true;
    m_other->reader.reset();
    return false;
}

yImageReader* yImageFile::SeekOther(int frame, std::string& error)
{
    yImageReader* reader = m_other->reader.get();
    std::string why;
    if (!reader || frame < 0 || frame >= m_frames)
    {
        NoFrame(frame, error);
        return nullptr;
    }
    if (!reader->Seek(frame, why))
    {
        error = "Frame " + std::to_string(frame) + " of " + m_path + " cannot be read: " + why + ".";
        return nullptr;
    }
    const yImageLayout& layout = reader->Layout();
    if (layout.width == m_width && layout.height == m_height) return reader;
    error = "Frame " + std::to_string(frame) + " of " + m_path + " has another size than the first.";
    return nullptr;
}

bool yImageFile::DecodeFrame(int frame, yDecodedFrame& out, std::string& error)
{
    yImageReader* reader = m_movie ? SeekOther(frame, error) : nullptr;
    if (!reader) return m_movie ? false : NoFrame(frame, error);
    out.layout = reader->Layout();
    const yImageLayout& layout = out.layout;
    const size_t sampleBytes = SampleBytes(layout);
    const size_t rowBytes = size_t(m_width) * size_t(layout.channels) * sampleBytes;
    if (!TryResize(out.rows, rowBytes * size_t(m_height)))
        throw yOutOfMemory("a frame of the movie " + m_path, rowBytes * size_t(m_height));
    std::string why;
    for (int y = 0; y < m_height; ++y)
        if (!reader->ReadRow(y, out.rows.data() + size_t(y) * rowBytes, why))
        {
            error = "The image " + m_path + " is damaged or cut short at row " + std::to_string(y) + ": " + why + ".";
            return false;
        }
    return true;
}

bool yImageFile::ReadOtherFrame(int frame, bool deep, int downsample, yWorld& out, std::string& error)
{
    yImageReader* reader = SeekOther(frame, error);
    if (!reader) return false;
    const yImageLayout& layout = reader->Layout();
    std::string why;
    const int n = Fit(out, downsample, deep);

    // Rows are read one at a time in the file's own sample type, or as
    // floats for anything but 8 and 16 bits.
    const size_t sampleBytes = SampleBytes(layout);
    std::vector<uint8_t> row;
    const size_t rowBytes = size_t(m_width) * size_t(layout.channels) * sampleBytes;
    if (!TryResize(row, rowBytes)) throw yOutOfMemory("a row of the image " + m_path, rowBytes);
    for (int y = 0; y < out.Height(); ++y)
    {
        if (!reader->ReadRow(y * n, row.data(), why))
        {
            error = "The image " + m_path + " is damaged or cut short at row " + std::to_string(y * n) + ": " + why + ".";
            return false;
        }
        if (layout.samples == yImageLayout::kUint8)
            ConvertRow(row.data(), layout.channels, layout.map, n, out, y);
        else if (layout.samples == yImageLayout::kUint16)
            ConvertRow(reinterpret_cast<const uint16_t*>(row.data()), layout.channels, layout.map, n, out, y);
        else
            ConvertRow(reinterpret_cast<const float*>(row.data()), layout.channels, layout.map, n, out, y,
                       &m_clamped);
    }
    return true;
}
} // namespace yStandalone
