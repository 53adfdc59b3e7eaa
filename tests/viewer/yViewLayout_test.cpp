#include "standalone/viewer/yViewLayout.h"

#include <gtest/gtest.h>

namespace
{
using yStandalone::yBox;

TEST(yViewLayout, PartsTileTheWindowAndPanelPointsComeBackUnzoomed)
{
    const struct
    {
        int width, height, zoom;
        bool shot; // the strip under the layer view
    } cases[] = {{1280, 800, 1, false}, {1920, 1200, 2, true}, {700, 500, 2, false}, {200, 100, 1, true}};
    for (const auto& c : cases)
    {
        const auto l = yStandalone::yViewLayout::Compute(c.width, c.height, 340, 300, c.zoom, 0, c.shot);
        EXPECT_EQ(l.layer.width + l.controls.width, c.width);
        EXPECT_EQ(l.layer.height + l.timeline.height + l.scrub.height + l.status.height, c.height);
        EXPECT_EQ(l.scrub.y * l.scrub.width, c.shot ? (l.timeline.y + l.timeline.height) * l.layer.width : 0);
        EXPECT_EQ(l.timeline.y, c.shot ? l.layer.height : 0);
        EXPECT_EQ(l.controls.x, l.layer.width);
        EXPECT_GE(l.layer.width, std::min(c.width, int(yStandalone::yViewLayout::kMinLayerWidth)));
        // The last pixel of the zoomed panel is the panel's last pixel.
        int px = 0, py = 0;
        l.ToPanel(l.panel.x + l.panel.width - 1, l.panel.y + l.panel.height - 1, px, py);
        EXPECT_EQ(px * 1000 + py, 339 * 1000 + 299) << c.width;
        l.ToPanel(l.panel.x - 1, l.panel.y, px, py);
        EXPECT_EQ(px, -1);
        // Scrolled to the end, the scope pane's foot meets the status bar.
        const auto end = yStandalone::yViewLayout::Compute(c.width, c.height, 340, 300, c.zoom, 100000);
        EXPECT_EQ(end.scope.y + end.scope.height + yStandalone::yViewLayout::kMargin, end.status.y) << c.width;
    }
}

TEST(yImageView, FitsCentresAndZoomsAboutThePointer)
{
    const yBox area{10, 20, 400, 300};
    const struct
    {
        int w, h;
        double zoom;
        double wx, wy; // a window point
        double ix, iy; // the image point under it
    } cases[] = {
        {200, 100, 1, 10, 70, 0, 0},     // wide: fills the width, centred in height
        {100, 300, 1, 160, 20, 0, 0},    // tall: fills the height, centred in width
        {200, 100, 2, 210, 170, 100, 50}, // zoomed about the centre
    };
    for (const auto& c : cases)
    {
        yStandalone::yImageView view;
        view.zoom = c.zoom;
        double ix = 0, iy = 0;
        view.ToImage(area, c.w, c.h, c.wx, c.wy, ix, iy);
        EXPECT_NEAR(ix, c.ix, 1e-9);
        EXPECT_NEAR(iy, c.iy, 1e-9);
        view.ZoomAbout(area, c.w, c.h, 3, 50, 60);
        double ax = 0, ay = 0;
        view.ToImage(area, c.w, c.h, 50, 60, ax, ay);
        yStandalone::yImageView before;
        before.zoom = c.zoom;
        double bx = 0, by = 0;
        before.ToImage(area, c.w, c.h, 50, 60, bx, by);
        EXPECT_NEAR(ax, bx, 1e-9) << "the point under the pointer stays";
        EXPECT_NEAR(ay, by, 1e-9);
    }
}
} // namespace
