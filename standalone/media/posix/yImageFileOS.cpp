// The formats besides PNG on POSIX: whatever the readers' library reads
// (OpenImageIO's formats, movies too), opened on first need.
#include "standalone/media/yImageFile.h"

#include "standalone/emulator/yModuleBeside.h"
#include "standalone/emulator/yOutOfMemory.h"
#include "standalone/media/yImageReader.h"
#include "standalone/media/yImageRows.h"
#include "standalone/media/yPngReader.h"

#include <dlfcn.h>

#include <mutex>
#include <vector>

namespace yStandalone
{
namespace
{
constexpr const char* kReadersFileName = "tonescope-readers.so";

// The readers' library's open function, loaded once for the process; null
// with the reason when it cannot be.
yOpenImageReader Readers(std::string& why)
{
    static std::once_flag once;
    static yOpenImageReader open = nullptr;
    static std::string failure;
    std::call_once(once, [] {
        // A program that links the readers in (a test, the fuzzer) has them already.
        open = reinterpret_cast<yOpenImageReader>(::dlsym(RTLD_DEFAULT, kOpenImageReaderSymbol));
        if (open) return;
        const std::string path = BesideProgram(kReadersFileName);
        void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!library)
        {
            failure = "reading it needs the image readers (" + path +
                      ") and OpenImageIO, which this installation lacks";
            return;
        }
        open = reinterpret_cast<yOpenImageReader>(::dlsym(library, kOpenImageReaderSymbol));
        if (!open) failure = "the image readers (" + path + ") are of another version";
    });
    why = failure;
    return open;
}
} // namespace

struct yImageFile::Other
{
    std::unique_ptr<yImageReader> reader;
};

yImageFile::yImageFile() : m_other(std::make_unique<Other>()) {}
yImageFile::~yImageFile() = default;

void yImageFile::CloseOther()
{
    m_other->reader.reset();
}

bool yImageFile::OpenOther(int64_t maxPixels, const std::string& layer, std::string& error)
{
    std::string why;
    const yOpenImageReader open = Readers(why);
    if (open) m_other->reader.reset(open(m_path.c_str(), layer.c_str(), why));
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

bool yImageFile::ReadOtherFrame(int frame, bool deep, int downsample, yWorld& out, std::string& error)
{
    yImageReader* reader = m_other->reader.get();
    std::string why;
    if (!reader || frame < 0 || frame >= m_frames) return NoFrame(frame, error);
    if (!reader->Seek(frame, why))
    {
        error = "Frame " + std::to_string(frame) + " of " + m_path + " cannot be read: " + why + ".";
        return false;
    }
    const yImageLayout& layout = reader->Layout();
    if (layout.width != m_width || layout.height != m_height)
    {
        error = "Frame " + std::to_string(frame) + " of " + m_path + " has another size than the first.";
        return false;
    }
    const int n = Fit(out, downsample, deep);

    // Rows are read one at a time in the file's own sample type, or as
    // floats for anything but 8 and 16 bits.
    const size_t sampleBytes = layout.samples == yImageLayout::kUint8 ? 1 : layout.samples == yImageLayout::kUint16 ? 2 : 4;
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
