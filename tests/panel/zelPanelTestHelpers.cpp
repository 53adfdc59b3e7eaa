#include "tests/panel/zelPanelTestHelpers.h"

#include "platform/yPlatform.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

PanelHarness::PanelHarness() : context(layer.GetEventContext())
{
    region.SetName("Histogram Data");
    region.SetSize(yPointL(340, 300));
    region.AddChild(panel);
    region.SetOffscreen(true);
    region.CreateOffscreen();
    panel.AddListener(&log);
    layer.SetRoot(&region);
}

void PanelHarness::Route(const char* event, int x, int y, void (yEventLayer::*route)())
{
    layer.BeginHostEvent();
    context.SetEventName(event);
    context.mousePosition = yPointL(x, y);
    if (route == &yEventLayer::RouteMouseDown)
        layer.RecordClick();
    (layer.*route)();
}

yColor8 PanelHarness::Pixel(int x, int y)
{
    yDrawPort& port = region.GetOwnPort();
    port.SetDrawOffset(yPointL(0, 0));
    port.SetClipRect(yRect(0, 0, 5000, 5000));
    return port.GetPixel(x, y);
}

void PanelHarness::Render(const std::vector<std::array<uint32_t, 4>>& samples, bool deep)
{
    ASSERT_TRUE(panel.BeginHistogram(deep, static_cast<unsigned long>(samples.size())));
    for (const auto& s : samples)
        panel.AddSample(s[0], s[1], s[2], s[3]);
    panel.EndHistogram();
}

void PanelHarness::RenderPhotoLike(bool deep, int count)
{
    const uint32_t full = deep ? 32768 : 255;
    const double centres[4] = {0.35, 0.45, 0.6, 0.97};
    std::vector<std::array<uint32_t, 4>> samples;
    samples.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
    {
        std::array<uint32_t, 4> v;
        for (int k = 0; k < 4; ++k)
        {
            const double u = std::fmod(i * 0.6180339887 * (k + 1), 1.0);
            const double w = std::fmod(i * 0.7548776662 + k * 0.3, 1.0);
            const double spread = k == 3 ? 0.004 : 0.08 + 0.03 * k;
            double x = centres[k] + spread * std::sqrt(-2.0 * std::log(u + 1e-9)) * std::cos(6.2831853 * w);
            // Folded back at the ends, so no value piles up on 0 or full scale.
            x = x < 0 ? -x : x > 1 ? 2 - x : x;
            x = x < 0 ? 0 : x > 1 ? 1 : x;
            v[k] = static_cast<uint32_t>(x * full);
        }
        samples.push_back(v);
    }
    Render(samples, deep);
}
