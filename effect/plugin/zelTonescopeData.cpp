#include "effect/plugin/zelTonescopeData.h"

#include "effect/plugin/zelTonescopePlugin.h"

#include <cmath>

namespace zelTonescope
{
namespace
{
// A damaged record may hold a NaN, which no clamp catches.
float Position(float p)
{
    return std::isnan(p) ? 0.0f : p;
}

yColor8 Color(const uint8_t argb[4])
{
    return yColor8(argb[0], argb[1], argb[2], argb[3]);
}
} // namespace

zelTonescopeData::zelTonescopeData()
{
    yBroadcaster::SetName("zelTonescopeData");
    SetCustomParamIndex(kParamHistogram);
    yUIWindowRegion& root = GetRootRegion();
    root.SetName("Histogram Data");
    root.SetSize(yPointL(kRootWidth, kRootHeight));
    root.AddChild(m_panel);
    m_panel.AddListener(this);
}

void zelTonescopeData::Flatten(uint8_t* record) const
{
    const zelPanelSettings s = m_panel.GetSettings();
    zelTonescopeDataFlat flat;
    for (int k = 0; k < 4; ++k)
        flat.channelOn[k] = s.channelOn[k] ? 1 : 0;
    flat.viewStart = s.viewStart;
    flat.viewEnd = s.viewEnd;
    flat.scale = s.scale;
    flat.selectionShown = s.selectionShown ? 1 : 0;
    flat.highlight[0] = s.highlight.alpha;
    flat.highlight[1] = s.highlight.red;
    flat.highlight[2] = s.highlight.green;
    flat.highlight[3] = s.highlight.blue;
    flat.selectionFirst = s.selectionFirst;
    flat.selectionLast = s.selectionLast;
    flat.Write(record);
}

void zelTonescopeData::Unflatten(const uint8_t* record)
{
    const zelTonescopeDataFlat flat = zelTonescopeDataFlat::Read(record);
    zelPanelSettings s;
    for (int k = 0; k < 4; ++k)
        s.channelOn[k] = flat.channelOn[k] != 0;
    s.viewStart = Position(flat.viewStart);
    s.viewEnd = Position(flat.viewEnd);
    s.scale = Position(flat.scale);
    s.selectionShown = flat.selectionShown != 0;
    s.highlight = Color(flat.highlight);
    s.swatch = s.highlight;
    s.selectionFirst = flat.selectionFirst;
    s.selectionLast = flat.selectionLast;
    m_panel.ApplySettings(s);
}

void zelTonescopeData::CopyFrom(const zelTonescopeData& source)
{
    m_panel.ApplySettings(source.m_panel.GetSettings());
}

void zelTonescopeData::LayoutUI()
{
    yAE::PluginDataCustomUI::LayoutUI();
    m_panel.Layout();
}
} // namespace zelTonescope
