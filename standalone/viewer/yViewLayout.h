// Where the viewer's parts sit in its window, and how window points map to
// the image's pixels and the panel's. The window draws by these numbers and
// tests find the parts of a screenshot by them.
#pragma once

namespace yStandalone
{
struct yBox
{
    int x = 0, y = 0, width = 0, height = 0;
    bool Contains(double px, double py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

struct yViewLayout
{
    static constexpr int kStatusHeight = 24;
    static constexpr int kMargin = 8;
    // The host's own controls above the panel.
    static constexpr int kControlsHeight = 230;
    static constexpr int kMinLayerWidth = 160;
    // The host's controls, one a row below the view's title bar.
    static constexpr int kControlsTop = 27;
    static constexpr int kControlRowPitch = 23;
    static constexpr int kControlRowHeight = 19;
    // The host's scope pane below the panel, at 100 %: its toggles' row, the
    // plot, then the axes and the statistics. All double at 200 %.
    static constexpr int kScopeBarHeight = 27;
    static constexpr int kScopePlotHeight = 160;
    static constexpr int kScopeHeight = 700;
    // A shot's strip under the layer view: play button and frame slider.
    static constexpr int kScrubHeight = 30;
    // Above it, the shot's timeline picture.
    static constexpr int kTimelineHeight = 110;

    yBox layer;    // the rendered image
    yBox controls; // the Effect Controls view: host controls, then the panel
    yBox panel;    // the module's panel at its zoom
    yBox scope;    // the host's scope pane below the panel
    yBox scopePlot; // the pane's histogram picture
    yBox status;
    yBox scrub;    // a shot's; empty for a still image
    yBox timeline; // a shot's
    int panelZoom = 1;
    // How far the Effect Controls view is scrolled up, and how far it can
    // be: a panel too tall for the window is scrolled to reach its foot.
    int scroll = 0, scrollRange = 0;

    // The window split for a panel of the given size at 1 or 2 times, the
    // controls view scrolled by scroll pixels (kept in range); a shot has
    // its strip under the layer view.
    static yViewLayout Compute(int windowWidth, int windowHeight, int panelWidth, int panelHeight, int zoom,
                               int scroll = 0, bool shot = false);

    // A window point in panel pixels (the zoom undone).
    void ToPanel(double wx, double wy, int& px, int& py) const;
    // The row of the host's control number k (from 0); a check box stands at its left.
    yBox ControlRow(int k) const;
};

// An image fitted into the layer view, then zoomed about its centre and panned.
struct yImageView
{
    double zoom = 1; // 1: the whole image fits
    double panX = 0, panY = 0; // window pixels

    // Window pixels per image pixel, and the image's top-left in the window.
    void Placement(const yBox& area, int imageWidth, int imageHeight, double& scale, double& left,
                   double& top) const;
    // A window point in image pixels (may lie outside the image).
    void ToImage(const yBox& area, int imageWidth, int imageHeight, double wx, double wy, double& ix,
                 double& iy) const;
    // Zooms by factor keeping the image point under (wx, wy) in place.
    void ZoomAbout(const yBox& area, int imageWidth, int imageHeight, double factor, double wx, double wy);
};
} // namespace yStandalone
