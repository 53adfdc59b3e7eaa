#include "tests/ui/yUIControlTestHelpers.h"

#include "ui/yUIBoxContainer.h"
#include "ui/yUIColorSwatch.h"
#include "ui/yUITextBox.h"

#include <gtest/gtest.h>

namespace {

const yColor8 kWhite(255, 255, 255, 255);
const yColor8 kBlack(255, 0, 0, 0);
const yColor8 kLight(255, 250, 250, 250);  // default highlight
const yColor8 kShadow(255, 128, 128, 128); // default shadow
const yColor8 kBack(255, 221, 221, 221);   // default back colour
const yColor8 kFore(255, 102, 102, 102);   // default fore colour

// A 10 x 8 box at (10, 10) on a white surface.
struct BoxDrawing : ::testing::Test
{
    ControlHarness h;
    yUIBox box;
    void SetUp() override
    {
        box.SetPosition(yPointL(10, 10));
        box.SetSize(yPointL(10, 8));
        h.Add(box);
        h.UsePort(40, 30);
    }
    // The pixel at (x, y) relative to the box.
    yColor8 At(int x, int y) { return h.Pixel(10 + x, 10 + y); }
    void Draw(short style, short fill = yUIBox::kFillSolid)
    {
        box.SetBoxStyle(style);
        box.SetFillMode(fill);
        h.Draw();
    }
};

TEST_F(BoxDrawing, RaisedAndSunkenBevels)
{
    Draw(yUIBox::kBoxRaised);
    EXPECT_EQ(At(0, 0), kLight);  // top-left corner
    EXPECT_EQ(At(8, 0), kLight);  // top edge
    EXPECT_EQ(At(0, 7), kLight);  // bottom-left corner belongs to the left edge
    EXPECT_EQ(At(9, 0), kShadow); // top-right corner belongs to the right edge
    EXPECT_EQ(At(9, 7), kShadow);
    EXPECT_EQ(At(1, 7), kShadow);
    EXPECT_EQ(At(4, 4), kBack);
    EXPECT_EQ(h.Pixel(20, 10), kWhite); // right and bottom are exclusive
    EXPECT_EQ(h.Pixel(10, 18), kWhite);

    Draw(yUIBox::kBoxSunken);
    EXPECT_EQ(At(0, 0), kShadow);
    EXPECT_EQ(At(9, 7), kLight);
}

TEST_F(BoxDrawing, OutlinesWithBevelsInside)
{
    Draw(yUIBox::kBoxOutline);
    for (int x = 0; x < 10; ++x)
    {
        EXPECT_EQ(At(x, 0), kBlack) << x;
        EXPECT_EQ(At(x, 7), kBlack) << x;
    }
    EXPECT_EQ(At(1, 1), kBack);

    Draw(yUIBox::kBoxOutlineRaised);
    EXPECT_EQ(At(0, 0), kBlack);
    EXPECT_EQ(At(9, 7), kBlack);
    EXPECT_EQ(At(1, 1), kLight);
    EXPECT_EQ(At(7, 1), kLight);
    EXPECT_EQ(At(8, 1), kShadow); // two pixels in from the outer right
    EXPECT_EQ(At(8, 6), kShadow); // and bottom
    EXPECT_EQ(At(4, 4), kBack);

    Draw(yUIBox::kBoxOutlineSunken);
    EXPECT_EQ(At(1, 1), kShadow);
    EXPECT_EQ(At(8, 6), kLight);
}

TEST_F(BoxDrawing, DisabledBoxDrawsAGreyOutlineAndNoRing)
{
    box.SetHighlightRing(true);
    Draw(yUIBox::kBoxOutlineRaised);
    EXPECT_EQ(At(0, 0), yColor8(255, 255, 0, 0)); // the ring over the outline
    box.SetDisabled(true);
    Draw(yUIBox::kBoxOutlineRaised);
    EXPECT_EQ(At(0, 0), kFore);
    EXPECT_EQ(At(1, 1), kLight);
}

TEST_F(BoxDrawing, DoubleOutlineIsGreyUnlessSwitched)
{
    Draw(yUIBox::kBoxDoubleOutline);
    EXPECT_EQ(At(0, 0), kShadow);
    EXPECT_EQ(At(1, 1), kWhite);
    EXPECT_EQ(At(8, 6), kWhite);
    EXPECT_EQ(At(2, 2), kBack);
    box.SetBoxFlag(true);
    box.SetOutlineColor(yColor8(255, 0, 0, 200));
    Draw(yUIBox::kBoxDoubleOutline);
    EXPECT_EQ(At(0, 0), yColor8(255, 0, 0, 200));
    box.SetDisabled(true);
    Draw(yUIBox::kBoxDoubleOutline);
    EXPECT_EQ(At(0, 0), kShadow);
}

TEST_F(BoxDrawing, FillModes)
{
    Draw(yUIBox::kBoxNone, yUIBox::kFillNone);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(h.Pixel(x, y), kWhite) << x << "," << y;

    Draw(yUIBox::kBoxNone, yUIBox::kFillCross);
    EXPECT_EQ(At(0, 0), kFore);
    EXPECT_EQ(At(0, 7), kFore);
    EXPECT_EQ(At(5, 1), kWhite);

    Draw(yUIBox::kBoxNone, yUIBox::kFillSolidCross);
    EXPECT_EQ(At(0, 0), kFore);
    EXPECT_EQ(At(5, 1), kBack);

    box.SetDisabled(true); // the cross takes the disabled colour
    Draw(yUIBox::kBoxNone, yUIBox::kFillCross);
    EXPECT_EQ(At(0, 0), kBack);

    // Values outside the tables are ignored.
    box.SetBoxStyle(7);
    box.SetFillMode(-1);
    EXPECT_EQ(box.GetBoxStyle(), yUIBox::kBoxNone);
    EXPECT_EQ(box.GetFillMode(), yUIBox::kFillCross);
}

TEST_F(BoxDrawing, HugeAndNegativeSizesStayDefined)
{
    box.SetSize(yPointL(-40, -1));
    Draw(yUIBox::kBoxOutline);
    EXPECT_EQ(At(0, 0), kWhite);
    box.SetSize(yPointL(2000000000, 2000000000));
    Draw(yUIBox::kBoxNone);
    EXPECT_EQ(h.Pixel(39, 29), kBack);
    EXPECT_EQ(h.Pixel(9, 9), kWhite);
}

TEST(yUIBoxContainer, ChildrenGoToTheContentWhichFollowsTheBox)
{
    yUIBoxContainer container;
    yUIBaseControl child;
    container.AddChild(child);
    EXPECT_EQ(child.GetParent(), &container.GetContent());
    EXPECT_EQ(container.GetContent().GetParent(), &container);
    container.SetSize(yPointL(60, 40));
    EXPECT_EQ(container.GetContent().GetScaledSize(), yPointL(60, 40));
    EXPECT_FALSE(container.GetContent().IsHitTarget());
}

TEST(yUITextBox, TextIsPlacedByItsAnchorInsideTheInset)
{
    yUITextBox box;
    box.SetSize(yPointL(80, 16));
    box.SetText("abc");
    yUIText& text = box.GetTextControl();
    EXPECT_EQ(text.GetPosition(), yPointL(2, 8)); // left inset, vertical centre
    text.SetAnchor(1.0f, 0.0f);
    box.Layout();
    EXPECT_EQ(text.GetPosition(), yPointL(78, 2));
    text.SetAnchor(0.5f, 0.5f);
    box.Layout();
    EXPECT_EQ(text.GetPosition(), yPointL(40, 8));
    box.SetAutoAlign(false);
    text.SetAnchor(0.0f, 0.0f);
    box.Layout();
    EXPECT_EQ(text.GetPosition(), yPointL(40, 8));
}

TEST(yUIText, SetTextCutsAnnouncesOnceAndFitsItsSize)
{
    CommandLog log;
    yUIText text;
    text.SetChangeCommand("Changed");
    text.AddListener(&log);
    text.SetMaxLength(4);
    text.SetText("abcdef");
    EXPECT_STREQ(text.GetText(), "abcd");
    text.SetText("abcd");
    EXPECT_EQ(log.heard.size(), 1u);
    EXPECT_EQ(text.GetSize().y, 12); // measured without a port
    EXPECT_GT(text.GetSize().x, 0);
}

TEST(yUIColorSwatch, DisabledColourIsPaled)
{
    struct Row
    {
        yColor8 in, out;
    } rows[] = {
        {yColor8(255, 0, 0), yColor8(255, 214, 150, 150)},     // pure red
        {yColor8(1, 2, 3), yColor8(255, 150, 150, 151)},       // (c + 1) * 65 >> 8: 0, 0, 1
        {yColor8(254, 128, 100), yColor8(255, 214, 182, 175)}, // 64, 32, 25
        {yColor8(0, 0, 0, 0), yColor8(255, 150, 150, 150)},    // alpha becomes opaque
    };
    for (const Row& r : rows)
        EXPECT_EQ(yUIColorSwatch::Pale(r.in), r.out);
}

TEST(yUIColorSwatch, DrawsItsColourWithADoubleOutline)
{
    ControlHarness h;
    yUIColorSwatch swatch;
    swatch.SetPosition(yPointL(5, 5));
    swatch.SetColor(yColor8(255, 255, 0, 0));
    h.Add(swatch);
    h.UsePort(30, 30);
    h.Draw();
    EXPECT_EQ(h.Pixel(5, 5), kShadow);
    EXPECT_EQ(h.Pixel(6, 6), kWhite);
    EXPECT_EQ(h.Pixel(11, 11), yColor8(255, 255, 0, 0));
    EXPECT_EQ(h.Pixel(18, 18), kWhite); // 13 x 13
    swatch.SetDisabled(true);
    h.Draw();
    EXPECT_EQ(h.Pixel(11, 11), yColor8(255, 214, 150, 150));
}

} // namespace
