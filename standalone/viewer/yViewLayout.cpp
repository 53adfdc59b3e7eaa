#include "standalone/viewer/yViewLayout.h"

#include <algorithm>
#include <cmath>

namespace yStandalone
{
yViewLayout yViewLayout::Compute(int windowWidth, int windowHeight, int panelWidth, int panelHeight, int zoom,
                                 int scroll, bool shot)
{
    yViewLayout l;
    l.panelZoom = zoom == 2 ? 2 : 1;
    const int body = std::max(0, windowHeight - kStatusHeight);
    const int controlsWidth =
        std::min(std::max(0, windowWidth - kMinLayerWidth), panelWidth * l.panelZoom + 2 * kMargin);
    l.layer = {0, 0, std::max(0, windowWidth - controlsWidth), body};
    l.controls = {l.layer.width, 0, controlsWidth, body};
    const int scopeHeight = panelWidth > 0 ? kScopeHeight * l.panelZoom + kMargin : 0;
    l.scrollRange = std::max(0, kControlsHeight + panelHeight * l.panelZoom + kMargin + scopeHeight - body);
    l.scroll = std::min(std::max(0, scroll), l.scrollRange);
    l.panel = {l.controls.x + kMargin, kControlsHeight - l.scroll, panelWidth * l.panelZoom,
               panelHeight * l.panelZoom};
    if (panelWidth > 0)
    {
        l.scope = {l.panel.x, l.panel.y + l.panel.height + kMargin, l.panel.width, kScopeHeight * l.panelZoom};
        l.scopePlot = {l.scope.x, l.scope.y + kScopeBarHeight * l.panelZoom, l.scope.width,
                       kScopePlotHeight * l.panelZoom};
    }
    l.status = {0, body, windowWidth, windowHeight - body};
    if (shot)
    {
        l.layer.height = std::max(0, body - kScrubHeight - kTimelineHeight);
        l.timeline = {0, l.layer.height, l.layer.width, std::min(kTimelineHeight, body - l.layer.height)};
        l.scrub = {0, l.timeline.y + l.timeline.height, l.layer.width, body - l.timeline.y - l.timeline.height};
    }
    return l;
}

void yViewLayout::ToPanel(double wx, double wy, int& px, int& py) const
{
    px = int(std::floor((wx - panel.x) / panelZoom));
    py = int(std::floor((wy - panel.y) / panelZoom));
}

yBox yViewLayout::ControlRow(int k) const
{
    return {controls.x + kMargin, controls.y - scroll + kControlsTop + k * kControlRowPitch,
            controls.width - 2 * kMargin, kControlRowHeight};
}

void yImageView::Placement(const yBox& area, int imageWidth, int imageHeight, double& scale, double& left,
                           double& top) const
{
    const double fit = imageWidth > 0 && imageHeight > 0
                           ? std::min(double(area.width) / imageWidth, double(area.height) / imageHeight)
                           : 1.0;
    scale = fit * zoom;
    left = area.x + (area.width - imageWidth * scale) / 2 + panX;
    top = area.y + (area.height - imageHeight * scale) / 2 + panY;
}

void yImageView::ToImage(const yBox& area, int imageWidth, int imageHeight, double wx, double wy, double& ix,
                         double& iy) const
{
    double scale = 1, left = 0, top = 0;
    Placement(area, imageWidth, imageHeight, scale, left, top);
    ix = (wx - left) / scale;
    iy = (wy - top) / scale;
}

void yImageView::ZoomAbout(const yBox& area, int imageWidth, int imageHeight, double factor, double wx,
                           double wy)
{
    double ix = 0, iy = 0;
    ToImage(area, imageWidth, imageHeight, wx, wy, ix, iy);
    zoom = std::min(64.0, std::max(0.125, zoom * factor));
    double scale = 1, left = 0, top = 0;
    Placement(area, imageWidth, imageHeight, scale, left, top);
    // Move the image so that (ix, iy) lands under the pointer again.
    panX += wx - (left + ix * scale);
    panY += wy - (top + iy * scale);
}
} // namespace yStandalone
