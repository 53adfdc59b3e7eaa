#include "tests/ui/yUIControlTestHelpers.h"

#include "ui/yUIMiniLogo.h"
#include "ui/yUIThemedButton.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

const yColor8 kWhite(255, 255, 255, 255);
const yColor8 kBlack(255, 0, 0, 0);
// The picture's quarters from its top: normal, over, down, disabled.
const yColor8 kQuarters[4] = {yColor8(255, 200, 0, 0), yColor8(255, 0, 200, 0), yColor8(255, 0, 0, 200),
                              yColor8(255, 90, 90, 90)};

// A 4 x 8 picture strip with full coverage, one colour per quarter.
struct Strip
{
    yDrawPort port;
    Strip()
    {
        port.SetSize(4, 8);
        port.Create();
        uint8_t* base = reinterpret_cast<uint8_t*>(port.GetPixelBasePtr());
        for (int y = 0; y < 8; ++y)
        {
            uint8_t* row = base + (7 - y) * port.GetRowBytes(); // rows are stored bottom-up
            const yColor8& c = kQuarters[y / 2];
            const uint8_t bgra[4] = {c.blue, c.green, c.red, 255};
            for (int i = 0; i < 16; ++i)
                row[i] = bgra[i % 4];
        }
    }
};

// A 4 x 2 control at (10, 10) drawn from the strip.
struct ThemedButton : ::testing::Test
{
    ControlHarness h;
    Strip strip;
    yUIThemedButton control;
    void SetUp() override
    {
        control.SetPosition(yPointL(10, 10));
        control.SetSize(yPointL(4, 2));
        control.SetImage(&strip.port);
        h.Add(control);
        h.UsePort(30, 30);
    }
    yColor8 Shown()
    {
        h.Draw();
        return h.Pixel(11, 11);
    }
};

TEST_F(ThemedButton, BandsFollowTheEventAndReadFromThePictureBottom)
{
    control.SetBand(5, yRect(1, 1, 2, 2)); // no such band: the picture's quarters stay
    EXPECT_EQ(control.GetBand(yUIThemedControl::kBandNormal), yRect(6, 0, 8, 4));
    EXPECT_EQ(control.GetBand(yUIThemedControl::kBandDisabled), yRect(0, 0, 2, 4));
    EXPECT_EQ(control.GetBand(0), yRect()); // no such bands
    EXPECT_EQ(control.GetBand(5), yRect());
    EXPECT_EQ(Shown(), kQuarters[0]);
    h.Over(11, 11);
    EXPECT_EQ(Shown(), kQuarters[1]);
    h.Down(11, 11);
    EXPECT_EQ(Shown(), kQuarters[2]);
    h.Drag(12, 11); // not drag enabled: the down look
    EXPECT_EQ(Shown(), kQuarters[2]);
    control.SetDragEnabled(true);
    control.SetDragWithoutMoving(true);
    EXPECT_EQ(Shown(), kQuarters[2]);
    h.Up(12, 11);
    EXPECT_EQ(Shown(), kQuarters[0]);
    control.SetDisabled(true);
    EXPECT_EQ(Shown(), kQuarters[3]);
    h.Over(11, 11);
    EXPECT_EQ(Shown(), kQuarters[3]);
    // A hidden control asked to draw itself leaves the port as it was.
    control.SetDisabled(false);
    control.SetVisible(false);
    control.Draw();
    EXPECT_EQ(h.Pixel(11, 11), kQuarters[3]);
}

TEST(yUIThemedControl, WithoutAPictureDrawsAnOutlinedCross)
{
    ControlHarness h;
    yUIMiniLogo logo;
    EXPECT_FALSE(logo.LoadImageResource(99999));
    EXPECT_EQ(logo.GetImage(), nullptr);
    logo.SetPosition(yPointL(10, 10));
    logo.SetSize(yPointL(10, 8));
    h.Add(logo);
    h.UsePort(30, 30);
    h.Draw();
    EXPECT_EQ(h.Pixel(19, 10), kBlack); // the outline
    EXPECT_EQ(h.Pixel(10, 17), kBlack);
    EXPECT_EQ(h.Pixel(11, 11), kBlack); // the diagonals
    EXPECT_EQ(h.Pixel(18, 11), kBlack);
    EXPECT_EQ(h.Pixel(15, 11), kWhite);

    // A picture switched off counts as none; an empty control draws nothing.
    Strip strip;
    logo.SetImage(&strip.port);
    logo.SetNoImage(true);
    EXPECT_EQ(logo.GetImage(), nullptr);
    logo.SetSize(yPointL(0, -4));
    h.UsePort(30, 30);
    h.Draw();
    EXPECT_EQ(h.Pixel(10, 10), kWhite);
}

} // namespace
