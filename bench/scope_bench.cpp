// Toggling the scope pane's log scale: the time from the toggle to the
// pane's picture drawn again, at the pane's size at 100 % and 200 %, from
// the 32769 bins of a 16-bit histogram with three channels shown.
#include "standalone/viewer/yScopePicture.h"
#include "standalone/viewer/yViewLayout.h"

#include <benchmark/benchmark.h>

#include <random>

namespace
{
void ToggleLog(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    const yStandalone::yViewLayout layout = yStandalone::yViewLayout::Compute(1280, 800, 340, 300, zoom);
    std::vector<yStandalone::yBinCounts> bins(32769);
    std::mt19937 random(11u);
    for (auto& bin : bins)
        for (auto& count : bin)
            count = random() % 4000;
    std::array<yStandalone::yChannelStats, 4> channels;
    for (int k = 0; k < 4; ++k)
    {
        channels[size_t(k)].shown = k < 3;
        channels[size_t(k)].summary.samples = 1;
        channels[size_t(k)].summary.mean = 16384;
        for (auto& rgb : channels[size_t(k)].barColor)
            rgb = {200, 120, 60};
    }
    yStandalone::yScopeMode mode;
    std::vector<uint8_t> rgba;
    for (auto _ : state)
    {
        mode.log = !mode.log;
        yStandalone::yScopePicture::Draw(bins, channels, mode, layout.scopePlot.width,
                                         layout.scopePlot.height, rgba);
        benchmark::DoNotOptimize(rgba.data());
    }
    state.SetLabel(std::to_string(layout.scopePlot.width) + " x " + std::to_string(layout.scopePlot.height));
}
BENCHMARK(ToggleLog)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
