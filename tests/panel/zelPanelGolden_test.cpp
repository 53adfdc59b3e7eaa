// The whole panel, pixel by pixel, against a stored picture: an RGB histogram
// with a selection, the mouse over the view. Regenerate the picture with
// tests/panel/regenerate_golden.sh after a deliberate change of the look.
#include "tests/panel/zelPanelPngHelpers.h"
#include "tests/panel/zelPanelTestHelpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace
{
const std::string kGolden = std::string(TONESCOPE_PANEL_GOLDEN_DIR) + "/panel-rgb-selection.png";

PanelImage DrawGoldenState()
{
    PanelHarness h;
    h.RenderPhotoLike(false, 20000);
    h.panel.SetColorModel(1);
    h.panel.ResetView();
    h.Draw();
    h.Down(h.ColumnX(90), 150);
    h.Drag(h.ColumnX(120), 150);
    h.Up(h.ColumnX(120), 150);
    h.Over(h.ColumnX(120), 150);
    h.Draw();
    return CaptureImage(h.region.GetOwnPort());
}
} // namespace

TEST(PanelGolden, WholePanelMatchesTheStoredPicture)
{
    const PanelImage drawn = DrawGoldenState();
    if (std::getenv("TONESCOPE_REGENERATE_GOLDEN"))
    {
        ASSERT_TRUE(WritePng(drawn, kGolden));
        GTEST_SKIP() << "wrote " << kGolden;
    }
    PanelImage stored;
    ASSERT_TRUE(ReadPng(kGolden, stored)) << "cannot read " << kGolden;
    ASSERT_EQ(stored.width, drawn.width);
    ASSERT_EQ(stored.height, drawn.height);
    long differing = 0;
    long firstX = -1, firstY = -1;
    for (long i = 0; i < drawn.width * drawn.height; ++i)
        for (int c = 0; c < 3; ++c)
            if (stored.rgb[i * 3 + c] != drawn.rgb[i * 3 + c])
            {
                if (differing++ == 0)
                {
                    firstX = i % drawn.width;
                    firstY = i / drawn.width;
                }
                break;
            }
    EXPECT_EQ(differing, 0) << "first differing pixel at (" << firstX << ", " << firstY << ")";
}
