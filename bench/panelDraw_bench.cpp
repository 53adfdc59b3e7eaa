// The panel's two costs per host event: one full draw of the panel (columns
// resampled from a 16-bit histogram of a 3840 x 2160 frame, every control,
// the copy of the region's surface) and one event's hit test and routing.
// Goals: a draw under 1 ms, an event under 50 microseconds.
#include "panel/zelTonescopeUI.h"
#include "ui/yEventLayer.h"
#include "ui/yUIWindowRegion.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

using zelTonescope::zelTonescopeUI;

namespace
{
constexpr int64_t kPixels = int64_t(3840) * 2160;

// The panel as the effect's data object holds it, with a rendered histogram.
struct Panel
{
    Panel()
    {
        region.SetSize(yPointL(340, 300));
        region.AddChild(panel);
        region.SetOffscreen(true);
        region.CreateOffscreen();
        layer.SetRoot(&region);

        panel.BeginHistogram(true, static_cast<unsigned long>(kPixels));
        std::mt19937 random(20261205u);
        std::normal_distribution<double> spread(0.0, 0.12);
        auto level = [&](double centre) {
            const double x = centre + spread(random);
            return static_cast<uint32_t>((x < 0 ? 0 : x > 1 ? 1 : x) * 32768);
        };
        for (int64_t i = 0; i < kPixels; ++i)
            panel.AddSample(level(0.35), level(0.45), level(0.6), 32768);
        panel.EndHistogram();
        panel.SetColorModel(1);
        panel.ResetView();
    }

    void Event(const char* name, int x, int y)
    {
        yUIEventContext& c = layer.GetEventContext();
        layer.BeginHostEvent();
        c.SetEventName(name);
        c.mousePosition = yPointL(x, y);
        layer.RouteMouseOver();
    }

    yEventLayer layer;
    yUIWindowRegion region;
    zelTonescopeUI panel;
};

Panel& SharedPanel()
{
    static Panel panel;
    return panel;
}

void BM_PanelDraw16Bit(benchmark::State& state)
{
    Panel& p = SharedPanel();
    p.Event(kEventMouseOver, 170, 150); // the status line shows the statistics
    for (auto _ : state)
    {
        p.layer.RouteDraw();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PanelDraw16Bit)->Unit(benchmark::kMicrosecond);

void BM_PanelMouseOverEvent(benchmark::State& state)
{
    Panel& p = SharedPanel();
    // Alternating between the view and a toggle, so the target changes each time.
    int i = 0;
    for (auto _ : state)
    {
        if (++i & 1)
            p.Event(kEventMouseOver, 170, 150);
        else
            p.Event(kEventMouseOver, 157, 12);
        benchmark::DoNotOptimize(p.layer.GetEventContext().target);
    }
}
BENCHMARK(BM_PanelMouseOverEvent)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
