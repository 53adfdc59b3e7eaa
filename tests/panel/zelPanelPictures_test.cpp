// Writes pictures of the histogram view for a person to look at. Runs only
// when TONESCOPE_PANEL_PICTURES names a folder; the pictures are PNG files.
#include "tests/panel/zelPanelPngHelpers.h"
#include "tests/panel/zelPanelTestHelpers.h"

#include "panel/yUIHistogramMulti.h"
#include "platform/yPlatform.h"

#include "draw/yDrawPort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

namespace
{
const char* PictureFolder()
{
    return std::getenv("TONESCOPE_PANEL_PICTURES");
}

// Small details are easier to judge enlarged: a copy three times the size.
PanelImage Enlarged(const PanelImage& in, int factor)
{
    PanelImage out;
    out.width = in.width * factor;
    out.height = in.height * factor;
    out.rgb.resize(static_cast<size_t>(out.width * out.height * 3));
    for (long y = 0; y < out.height; ++y)
        for (long x = 0; x < out.width; ++x)
            for (int c = 0; c < 3; ++c)
                out.rgb[(y * out.width + x) * 3 + c] = in.rgb[((y / factor) * in.width + x / factor) * 3 + c];
    return out;
}

void WritePicture(yDrawPort& port, const std::string& name)
{
    const PanelImage image = CaptureImage(port);
    const std::string folder = std::string(PictureFolder()) + "/";
    ASSERT_TRUE(WritePng(image, folder + name + ".png"));
    ASSERT_TRUE(WritePng(Enlarged(image, 3), folder + name + "-x3.png"));
}

// A photo-like spread: a few broad humps per channel, shifted per channel.
void FillPhotoLike(zelTonescope::zelHistogramAccumulator& acc, bool deep)
{
    const uint32_t full = deep ? 32768 : 255;
    const double centres[4] = {0.35, 0.45, 0.6, 0.97};
    for (int i = 0; i < 200000; ++i)
    {
        uint32_t v[4];
        for (int k = 0; k < 4; ++k)
        {
            const double u = std::fmod(i * 0.6180339887 * (k + 1), 1.0);
            const double w = std::fmod(i * 0.7548776662 + k * 0.3, 1.0);
            const double spread = k == 3 ? 0.004 : 0.08 + 0.03 * k;
            double x = centres[k] + spread * std::sqrt(-2.0 * std::log(u + 1e-9)) * std::cos(6.2831853 * w);
            x = x < 0 ? 0 : x > 1 ? 1 : x;
            v[k] = static_cast<uint32_t>(x * full);
        }
        acc.AddSample(v[0], v[1], v[2], v[3]);
    }
}
} // namespace

TEST(PanelPictures, HistogramView)
{
    if (!PictureFolder())
        GTEST_SKIP() << "set TONESCOPE_PANEL_PICTURES to a folder to write the pictures";
    struct Case
    {
        const char* name;
        bool deep, inColor, selection;
        short model;
        bool shown[4];
    } cases[] = {
        {"view-rgb", false, true, false, 1, {true, true, true, false}},
        {"view-rgb-alpha", false, true, false, 1, {true, true, true, true}},
        {"view-hsv", false, true, false, 3, {true, true, true, false}},
        {"view-black-selection", false, false, true, 1, {true, true, true, false}},
        {"view-16bit", true, true, false, 1, {true, true, true, false}},
    };
    for (const Case& c : cases)
    {
        yDrawPort port;
        port.SetSize(260, 256);
        ASSERT_EQ(port.Create(), 0);
        yUIHistogramMulti view;
        view.SetSize(yPointL(260, 256));
        view.SetForeColor(yColor8(0xff, 0xc8, 0xc8, 0xc8));
        view.SetOutlineColor(yColor8(0xff, 0x40, 0x40, 0x40));
        view.SetDrawPort(&port);
        view.SetDeep(c.deep);
        auto& acc = view.GetAccumulator();
        acc.SetDivisor(200000 / (c.deep ? 100000.0f : 10000.0f));
        ASSERT_TRUE(acc.Prepare(c.deep ? 32768 : 255));
        FillPhotoLike(acc, c.deep);
        acc.ComputeStatistics();
        view.SetDisplayInColor(c.inColor);
        view.SetColorModel(c.model);
        for (int k = 0; k < 4; ++k)
            view.SetChannelShown(k, c.shown[k]);
        view.SetSelectionColor(yColor8(0xff, 0x4b, 0x9b, 0xff));
        view.SetSelectionShown(c.selection);
        view.SetSelection(90, 120);
        const double scale = view.GetAutoScale(c.shown[0], c.shown[1], c.shown[2], c.shown[3], 256);
        view.GetColumns().SetScale(static_cast<float>(scale));
        const unsigned long range[2] = {0, c.deep ? 32768ul : 255ul};
        ASSERT_TRUE(view.BuildColumns(260, range));
        view.Draw();
        WritePicture(port, c.name);
    }
}

// The whole panel in its window region, in the states a user meets first.
TEST(PanelPictures, WholePanel)
{
    if (!PictureFolder())
        GTEST_SKIP() << "set TONESCOPE_PANEL_PICTURES to a folder to write the pictures";
    {
        PanelHarness h;
        h.Draw();
        WritePicture(h.region.GetOwnPort(), "panel-fresh");
    }
    {
        PanelHarness h;
        h.RenderPhotoLike(false);
        h.panel.SetColorModel(1);
        h.panel.ResetView();
        h.Over(150, 150);
        h.Draw();
        WritePicture(h.region.GetOwnPort(), "panel-rgb");
        h.panel.GetRangeSlider().GetWhite().SetNormalizedValue(0.7f);
        h.panel.GetRangeSlider().GetBlack().SetNormalizedValue(0.2f);
        h.Hold(yPlatform::kModifierControl);
        h.Over(150, 279);
        h.Draw();
        WritePicture(h.region.GetOwnPort(), "panel-rgb-pan-bar");
    }
    {
        PanelHarness h;
        h.RenderPhotoLike(false);
        h.panel.SetColorModel(3);
        h.Hold(yPlatform::kModifierControl);
        h.Click(173, 12); // channel B's toggle
        h.Hold(0);
        h.panel.ResetView();
        h.Over(173, 12);
        h.Draw();
        WritePicture(h.region.GetOwnPort(), "panel-hsv-solo-b");
    }
    {
        PanelHarness h;
        h.RenderPhotoLike(false);
        h.panel.ResetView();
        h.Click(257, 12); // the colour switch
        h.Draw();
        h.Down(h.ColumnX(90), 150);
        h.Drag(h.ColumnX(120), 150);
        h.Up(h.ColumnX(120), 150);
        h.Draw();
        WritePicture(h.region.GetOwnPort(), "panel-black-selection");
    }
    {
        PanelHarness h;
        h.RenderPhotoLike(true, 400000);
        h.panel.AutoView();
        h.Over(h.ColumnX(30), 290);
        h.Draw();
        WritePicture(h.region.GetOwnPort(), "panel-16bit");
    }
}
