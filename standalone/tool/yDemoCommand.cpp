#include "standalone/tool/yDemoCommand.h"

#include "standalone/tool/yRenderCommand.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace yStandalone
{
namespace
{
constexpr int kWidth = 256;
constexpr int kHeight = 192;

A_u_char Byte(double v)
{
    return A_u_char(std::lround(std::fmin(1.0, std::fmax(0.0, v)) * 255));
}

// A colour of hue h (0 to 1 around the circle), saturation s and value v.
PF_Pixel8 FromHsv(double h, double s, double v, A_u_char alpha = 255)
{
    const double r = std::fabs(h * 6 - 3) - 1, g = 2 - std::fabs(h * 6 - 2), b = 2 - std::fabs(h * 6 - 4);
    auto mix = [&](double c) { return Byte(v * (1 - s + s * std::fmin(1.0, std::fmax(0.0, c)))); };
    return PF_Pixel8{alpha, mix(r), mix(g), mix(b)};
}

// Small deterministic grain, so that smooth areas spread over neighbouring
// bins as a photograph's do instead of piling into a few.
double Grain(int x, int y)
{
    uint32_t n = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u;
    n = (n ^ (n >> 13)) * 1274126177u;
    return (double((n ^ (n >> 16)) & 0xFFFF) / 65535.0 - 0.5) * 0.06;
}
} // namespace

yWorld DemoImage()
{
    yWorld image(kWidth, kHeight, false);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            const double u = x / double(kWidth), g = Grain(x, y);
            PF_Pixel8& p = image.Pixel8(x, y);
            if (y < 64)
            {
                // Colour ramps: every hue across, saturation fading downwards.
                p = FromHsv(u, 0.85 - y / 64.0 * 0.6, 0.9 + g);
            }
            else if (y < 96)
            {
                // A grey ramp.
                const A_u_char grey = Byte(0.08 + u * 0.84 + g);
                p = PF_Pixel8{255, grey, grey, grey};
            }
            else if (y < 160)
            {
                // A landscape of sorts: sky over warm ground, with soft light.
                const double v = (y - 96) / 64.0;
                const double light = 0.5 + 0.5 * std::sin(u * 3.1 + v * 1.7);
                p = v < 0.45 ? FromHsv(0.58 + 0.04 * u, 0.55 - 0.5 * v, 0.75 + 0.2 * light + g)
                             : FromHsv(0.08 + 0.1 * light, 0.6, 0.3 + 0.45 * light * (1.2 - v) + g);
            }
            else
            {
                // A warm colour fading out; the right quarter is wholly transparent.
                const A_u_char alpha = x >= 192 ? 0 : A_u_char(255 - x * 255 / 192);
                p = FromHsv(0.07, 0.8, 0.9 + g, alpha);
            }
        }
    return image;
}

int RunDemoCommand(const std::string& modulePath, const std::string& folder, std::ostream& out,
                   std::ostream& err)
{
    std::error_code failure;
    std::filesystem::create_directory(folder, failure);
    if (failure)
    {
        err << "Cannot make the folder \"" << folder << "\": " << failure.message() << ".\n";
        return 1;
    }
    yRenderOptions options;
    options.module = modulePath;
    options.model = "RGB";
    options.renderOutput = true;
    // One click on the auto-view button, as a user would make first: it fits
    // the scale to the highest peak.
    options.eventText = "down 283 11\nup 283 11\n";
    options.output = folder + "/output.png";
    options.panel = folder + "/panel.png";
    options.histogram = folder + "/histogram.csv";
    options.stats = folder + "/stats.json";
    const yWorld image = DemoImage();
    yHistogramStats stats;
    const int status = RunRenderCommand(options, err, &image, &stats);
    if (status != 0) return status;

    out << "zel Tonescope demo: rendered the built-in " << image.Width() << " x " << image.Height()
        << " test image in " << stats.model << " at " << stats.depth << " bits (" << stats.bins << " bins, "
        << stats.total << " pixels sampled).\n";
    for (const yChannelStats& c : stats.channels)
        out << "  " << c.name << ": bins " << c.first << " to " << c.last << ", peak " << c.peakCount << " at "
            << c.peakBin << "\n";
    out << "  status line: " << stats.statusLine << "\n";
    out << "Wrote " << options.output << ", " << options.panel << ", " << options.histogram << " and "
        << options.stats << ".\n";
    return 0;
}
} // namespace yStandalone
