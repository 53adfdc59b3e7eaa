// The whole panel, pixel by pixel, against a stored picture: an RGB histogram
// with a selection, the mouse over the view. Regenerate the picture with
// tests/panel/regenerate_golden.sh after a deliberate change of the look.
#include "tests/panel/zelPanelTestHelpers.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <string>
#include <vector>

TEST(PanelGolden, WholePanelMatchesTheStoredPicture)
{
    const std::string golden = std::string(TONESCOPE_PANEL_GOLDEN_DIR) + "/panel-rgb-selection.png";
    PanelHarness h;
    h.RenderPhotoLike(false, 20000);
    h.panel.ResetView();
    h.Draw();
    h.Down(h.ColumnX(90), 150);
    h.Drag(h.ColumnX(120), 150);
    h.Up(h.ColumnX(120), 150);
    h.Over(h.ColumnX(120), 150);
    h.Draw();
    // The region's pixels, rows top to bottom, three bytes a pixel.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.format = PNG_FORMAT_RGB;
    image.width = static_cast<png_uint_32>(h.region.GetOwnPort().GetWidth());
    image.height = static_cast<png_uint_32>(h.region.GetOwnPort().GetHeight());
    std::vector<uint8_t> drawn;
    for (int y = 0; y < static_cast<int>(image.height); ++y)
        for (int x = 0; x < static_cast<int>(image.width); ++x)
        {
            const yColor8 c = h.Pixel(x, y);
            drawn.insert(drawn.end(), {c.red, c.green, c.blue});
        }
    if (std::getenv("TONESCOPE_REGENERATE_GOLDEN"))
    {
        ASSERT_TRUE(png_image_write_to_file(&image, golden.c_str(), 0, drawn.data(), 0, nullptr));
        GTEST_SKIP() << "wrote " << golden;
    }
    png_image stored{};
    stored.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&stored, golden.c_str())) << "cannot read " << golden;
    stored.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(stored));
    ASSERT_TRUE(png_image_finish_read(&stored, nullptr, pixels.data(), 0, nullptr));
    ASSERT_EQ(stored.width, image.width);
    ASSERT_EQ(stored.height, image.height);
    long differing = 0, first = -1;
    for (size_t i = 0; i < drawn.size(); ++i)
        if (pixels[i] != drawn[i] && differing++ == 0)
            first = static_cast<long>(i / 3);
    EXPECT_EQ(differing, 0) << "first differing pixel at (" << first % image.width << ", "
                            << first / image.width << ")";
}
