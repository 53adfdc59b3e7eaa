#include "standalone/media/yPngFile.h"

#include "standalone/media/yFileOutput.h"
#include "standalone/emulator/yOutOfMemory.h"
#include "standalone/media/yPngEncode.h"
#include "standalone/media/yPngReader.h"

#include <vector>

namespace yStandalone
{
bool yPngFile::Read(const std::string& path, yPngImage& out, std::string& error)
{
    out = yPngImage{};
    yPngReader reader;
    if (!reader.Open(path, error) || !reader.Holds(error)) return false;
    const size_t samples = size_t(reader.Width()) * 4;
    if (int64_t(reader.Width()) * reader.Height() > kMaxPixels ||
        !TryResize(out.rgba, samples * size_t(reader.Height())))
    {
        error = "The image " + path + " is " + std::to_string(reader.Width()) + " x " +
                std::to_string(reader.Height()) + " pixels, more than this host takes at once.";
        return false;
    }
    std::vector<uint8_t> row(samples * 2);
    for (int y = 0; y < reader.Height(); ++y)
    {
        if (!reader.ReadRow(row.data(), error))
        {
            out = yPngImage{};
            return false;
        }
        uint16_t* to = out.rgba.data() + size_t(y) * samples;
        for (size_t i = 0; i < samples; ++i)
            to[i] = reader.Depth() == 16 ? uint16_t(row[2 * i] | (row[2 * i + 1] << 8)) : row[i];
    }
    out.width = reader.Width();
    out.height = reader.Height();
    out.depth = reader.Depth();
    return true;
}

void PackPngRow(const yWorld& world, int y, uint8_t* row)
{
    for (int x = 0; x < world.Width(); ++x)
        if (world.IsDeep())
        {
            const PF_Pixel16& c = world.Pixel16(x, y);
            const uint16_t samples[4] = {HostToSample16(c.red), HostToSample16(c.green),
                                         HostToSample16(c.blue), HostToSample16(c.alpha)};
            for (int i = 0; i < 4; ++i)
            {
                row[8 * x + 2 * i] = uint8_t(samples[i] >> 8);
                row[8 * x + 2 * i + 1] = uint8_t(samples[i] & 0xFF);
            }
        }
        else
        {
            const PF_Pixel8& c = world.Pixel8(x, y);
            uint8_t* p = row + 4 * x;
            p[0] = c.red, p[1] = c.green, p[2] = c.blue, p[3] = c.alpha;
        }
}

bool yPngFile::Write(const std::string& path, const yWorld& world, std::string& error)
{
    yFileOutput output;
    return Write(output, path, world, error) && output.Commit(error);
}

bool yPngFile::Write(yFileOutput& outputs, const std::string& path, const yWorld& world, std::string& error)
{
    if (world.Width() <= 0 || world.Height() <= 0)
    {
        error = "Cannot write " + path + ": the image is empty.";
        return false;
    }
    std::string bytes, reason;
    if (!EncodePng(world, bytes, reason))
    {
        error = "Cannot write " + path + ": " + reason + ".";
        return false;
    }
    return outputs.Add(path, std::move(bytes), error);
}
} // namespace yStandalone
