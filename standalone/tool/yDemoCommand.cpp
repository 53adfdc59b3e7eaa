#include "yDemoCommand.h"

#include "yRenderCommand.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <ostream>
#include <sys/stat.h>

namespace yHost
{
namespace
{
constexpr int kWidth = 256;
constexpr int kBand = 32;

// A fully saturated hue, 0 to 1 around the circle.
PF_Pixel8 Hue(double h)
{
    const double r = std::fabs(h * 6 - 3) - 1, g = 2 - std::fabs(h * 6 - 2), b = 2 - std::fabs(h * 6 - 4);
    auto c = [](double v) { return A_u_char(std::lround(std::fmin(1.0, std::fmax(0.0, v)) * 255)); };
    return PF_Pixel8{255, c(r), c(g), c(b)};
}
} // namespace

yWorld DemoImage()
{
    yWorld image(kWidth, kBand * 6, false);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            const A_u_char v = A_u_char(x);
            PF_Pixel8& p = image.Pixel8(x, y);
            switch (y / kBand)
            {
            case 0: p = PF_Pixel8{255, v, 0, 0}; break;
            case 1: p = PF_Pixel8{255, 0, v, 0}; break;
            case 2: p = PF_Pixel8{255, 0, 0, v}; break;
            case 3: p = Hue(x / double(kWidth)); break;
            case 4:
            {
                // Eight grey steps.
                const A_u_char grey = A_u_char((x / 32) * 255 / 7);
                p = PF_Pixel8{255, grey, grey, grey};
                break;
            }
            default:
            {
                // A warm colour fading out; the right quarter is wholly transparent.
                const A_u_char alpha = x >= 192 ? 0 : A_u_char(255 - x * 255 / 192);
                p = PF_Pixel8{alpha, 230, 140, 40};
                break;
            }
            }
        }
    return image;
}

int RunDemoCommand(const std::string& modulePath, const std::string& folder, std::ostream& out,
                   std::ostream& err)
{
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST)
    {
        err << "Cannot make the folder \"" << folder << "\": " << std::strerror(errno) << ".\n";
        return 1;
    }
    yRenderOptions options;
    options.module = modulePath;
    options.model = "RGB";
    options.renderOutput = true;
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
} // namespace yHost
