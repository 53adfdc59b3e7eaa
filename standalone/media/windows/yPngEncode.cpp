// PNG out on Windows, where libpng is not at hand: RGBA at the world's depth,
// every row unfiltered, deflated by zlib in one stream.
#include "standalone/media/yPngEncode.h"
#include "host/sdk/ZT_ByteOrder.h"

#include "standalone/media/yPngFile.h"

#include <zlib.h>

namespace yStandalone
{
namespace
{
void PutChunk(std::string& out, const char type[4], const std::string& data)
{
    ZT_ByteOrder::AppendBigEndian(out, uint32_t(data.size()));
    const size_t start = out.size();
    out.append(type, 4);
    out += data;
    const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
    ZT_ByteOrder::AppendBigEndian(out, uint32_t(crc32(0, bytes, uInt(out.size() - start))));
}

// Every row behind filter byte 0.
std::string RawRows(const yWorld& world)
{
    const size_t rowBytes = 1 + size_t(world.Width()) * (world.IsDeep() ? 8 : 4);
    std::string raw(rowBytes * size_t(world.Height()), '\0');
    for (int y = 0; y < world.Height(); ++y)
        PackPngRow(world, y, reinterpret_cast<uint8_t*>(&raw[size_t(y) * rowBytes + 1]));
    return raw;
}

bool Deflate(const std::string& raw, std::string& out)
{
    uLongf size = compressBound(uLong(raw.size()));
    out.assign(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(&out[0]), &size, reinterpret_cast<const Bytef*>(raw.data()),
                  uLong(raw.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    out.resize(size);
    return true;
}
} // namespace

bool EncodePng(const yWorld& world, std::string& bytes, std::string& reason)
{
    std::string header;
    ZT_ByteOrder::AppendBigEndian(header, uint32_t(world.Width()));
    ZT_ByteOrder::AppendBigEndian(header, uint32_t(world.Height()));
    // Depth, colour type RGBA, deflate, adaptive filters, no interlace.
    header += std::string{char(world.IsDeep() ? 16 : 8), 6, 0, 0, 0};
    std::string compressed;
    if (!Deflate(RawRows(world), compressed))
    {
        reason = "out of memory";
        return false;
    }
    bytes.append("\x89PNG\r\n\x1a\n", 8);
    PutChunk(bytes, "IHDR", header);
    PutChunk(bytes, "IDAT", compressed);
    PutChunk(bytes, "IEND", std::string());
    return true;
}
} // namespace yStandalone
