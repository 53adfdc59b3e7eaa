#include "tests/ui/yUITestHelpers.h"
#include "ui/yUIBox.h"
#include "ui/yEventLayer.h"
#include "ui/yUIWindowRegion.h"

#include <gtest/gtest.h>

namespace
{
// Reads a pixel straight from the surface memory (rows bottom-up, blue first),
// whatever the port's clip.
yColor8 Pixel(yDrawPort& port, int x, int y)
{
    const auto* base = reinterpret_cast<const uint8_t*>(port.GetPixelBasePtr());
    const uint8_t* p = base + (port.GetHeight() - 1 - y) * port.GetRowBytes() + 4 * x;
    return yColor8(255, p[2], p[1], p[0]);
}

const yColor8 kWhite(255, 255, 255, 255);
const yColor8 kRed(255, 255, 0, 0);
const yColor8 kGrey(255, 200, 200, 200);
const yColor8 kBlue(255, 0, 0, 255);

// A 60 x 50 white window with a 40 x 30 region at (5, 5), outlined in red,
// holding a 5 x 5 blue patch at (10, 10) of its content.
struct Window : ::testing::Test
{
    ScriptedPlatform platform;
    yEventLayer layer;
    yDrawPort window;
    yUIWindowRegion region;
    yUIBox patch;

    void SetUp() override
    {
        window.SetSize(60, 50);
        ASSERT_EQ(window.Create(), 0);
        window.SetForeColor(kWhite);
        window.Fill(yRect(0, 0, 50, 60));
        layer.SetRoot(&region);
        region.SetOutlineColor(kRed);
        region.SetPosition(yPointL(5, 5));
        region.SetSize(yPointL(40, 30));
        patch.SetPosition(yPointL(10, 10));
        patch.SetSize(yPointL(5, 5));
        patch.SetBackColor(kBlue);
        region.AddChild(patch);
    }
};
} // namespace

TEST_F(Window, WithoutOffscreenChildrenDrawStraightIntoTheWindow)
{
    region.SetDestinationPort(&window);
    region.SetTransparent(true);
    region.ChooseDrawPort();
    EXPECT_EQ(patch.GetDrawPort(), &window);
    region.Draw();
    EXPECT_EQ(Pixel(window, 15, 15), kBlue);
    EXPECT_EQ(Pixel(window, 6, 6), kWhite) << "a transparent region draws no face";
    int owner = 0; // the owner's data reaches the whole tree
    region.SetOwnerData(&owner);
    EXPECT_EQ(patch.GetOwnerData(), &owner);
}

TEST_F(Window, OwnPortFollowsTheRegionsSize)
{
    region.SetOffscreen(true);
    region.CreateOffscreen();
    region.Draw();
    EXPECT_EQ(Pixel(region.GetOwnPort(), 0, 0), kRed);
    EXPECT_EQ(Pixel(window, 15, 15), kWhite) << "no destination: nothing copied";
    region.SetDestinationPort(&window);
    layer.RouteDraw(); // copied to the region's place: outside, outline, patch, outline, outside
    const struct
    {
        int x, y;
        yColor8 color;
    } copied[] = {{4, 4, kWhite}, {5, 5, kRed}, {15, 15, kBlue}, {44, 34, kRed}, {45, 35, kWhite}};
    for (const auto& e : copied)
        EXPECT_EQ(Pixel(window, e.x, e.y), e.color) << e.x;
    // The same size again keeps the surface and its pixels.
    region.SetSize(yPointL(40, 30));
    EXPECT_EQ(Pixel(region.GetOwnPort(), 12, 12), kBlue);
    region.SetSize(yPointL(70, 20));
    EXPECT_EQ(region.GetOwnPort().GetWidth(), 70);
    EXPECT_EQ(region.GetOwnPort().GetHeight(), 20);
    EXPECT_EQ(Pixel(region.GetOwnPort(), 12, 12), yColor8(255, 0, 0, 0)) << "a new surface";
    region.SetScaled(true);
    region.SetScale(yPointF(0.5f, 2.0f));
    EXPECT_EQ(region.GetOwnPort().GetWidth(), 35);
    EXPECT_EQ(region.GetOwnPort().GetHeight(), 40);
    region.SetPosition(yPointL(9, 8));
    EXPECT_EQ(region.GetCopyPosition(), yPointL(9, 8));
    EXPECT_EQ(region.GetOwnPort().GetOrigin(), yPointL(9, 8));
    // A region shrunk to nothing draws and copies without harm.
    region.SetSize(yPointL(0, -3));
    region.Draw();
}
