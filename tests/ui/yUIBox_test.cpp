#include "tests/ui/yUIControlTestHelpers.h"

#include "ui/yUIBoxContainer.h"
#include "ui/yUIColorSwatch.h"
#include "ui/yUITextBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

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

// Each row draws the box afresh and reads pixels relative to its corner.
TEST_F(BoxDrawing, StylesAndFills)
{
    const yColor8 kRing(255, 255, 0, 0), kOutline(255, 0, 0, 200);
    struct Pixel
    {
        int x, y;
        yColor8 color;
    };
    struct Row
    {
        short style, fill;
        bool disabled, ring, flag;
        std::vector<Pixel> pixels;
    } const rows[] = {
        // Raised: light top and left edges, the corners shared by the right and bottom ones.
        {yUIBox::kBoxRaised, yUIBox::kFillSolid, false, false, false,
         {{8, 0, kLight}, {0, 7, kLight}, {9, 0, kShadow}, {1, 7, kShadow}, {4, 4, kBack}, {10, 0, kWhite}}},
        {yUIBox::kBoxSunken, yUIBox::kFillSolid, false, false, false, {{0, 0, kShadow}, {9, 7, kLight}}},
        // Outline, then the bevel one pixel in.
        {yUIBox::kBoxOutlineRaised, yUIBox::kFillSolid, false, false, false,
         {{0, 0, kBlack}, {9, 7, kBlack}, {1, 1, kLight}, {7, 1, kLight}, {8, 1, kShadow}, {8, 6, kShadow},
          {4, 4, kBack}}},
        {yUIBox::kBoxOutlineSunken, yUIBox::kFillSolid, false, false, false, {{1, 1, kShadow}, {8, 6, kLight}}},
        {yUIBox::kBoxOutlineRaised, yUIBox::kFillSolid, false, true, false, {{0, 0, kRing}, {1, 1, kLight}}},
        // Disabled: a grey outline and no ring.
        {yUIBox::kBoxOutlineRaised, yUIBox::kFillSolid, true, true, false, {{0, 0, kFore}, {1, 1, kLight}}},
        {yUIBox::kBoxDoubleOutline, yUIBox::kFillSolid, false, false, false,
         {{0, 0, kShadow}, {1, 1, kWhite}, {8, 6, kWhite}, {2, 2, kBack}}},
        {yUIBox::kBoxDoubleOutline, yUIBox::kFillSolid, false, false, true, {{0, 0, kOutline}}},
        {yUIBox::kBoxDoubleOutline, yUIBox::kFillSolid, true, false, true, {{0, 0, kShadow}}},
        {yUIBox::kBoxNone, yUIBox::kFillCross, false, false, false, {{0, 0, kFore}, {0, 7, kFore}, {5, 1, kWhite}}},
        {yUIBox::kBoxNone, yUIBox::kFillCross, true, false, false, {{0, 0, kBack}}}, // the disabled colour
    };
    int row = 0;
    for (const Row& r : rows)
    {
        h.UsePort(40, 30);
        box.SetDisabled(r.disabled);
        box.SetHighlightRing(r.ring);
        box.SetBoxFlag(r.flag);
        box.SetOutlineColor(r.flag ? kOutline : kBlack);
        Draw(r.style, r.fill);
        for (const Pixel& p : r.pixels)
            EXPECT_EQ(At(p.x, p.y), p.color) << "row " << row << " at " << p.x << "," << p.y;
        ++row;
    }
    // Values outside the tables are ignored.
    box.SetBoxStyle(7);
    box.SetFillMode(-1);
    EXPECT_EQ(box.GetBoxStyle(), yUIBox::kBoxNone);
    EXPECT_EQ(box.GetFillMode(), yUIBox::kFillCross);
}

// A text shifted right by its offset (as the status line clears the logo)
// shows whole while it is inside its box, and nothing of it outside the box.
TEST(yUITextBox, ShiftedTextIsClippedByItsBoxNotByItsOwnRectangle)
{
    auto inkColumns = [](int boxWidth) {
        ControlHarness h;
        yUITextBox box;
        box.SetPosition(yPointL(10, 10));
        box.SetSize(yPointL(boxWidth, 17));
        box.SetText(yString("MMMMMMMM"));
        box.GetTextControl().SetTextOffset(yPointL(-30, 0));
        h.Add(box);
        h.UsePort(300, 40);
        h.Draw();
        int first = 300, last = -1;
        for (int x = 0; x < 300; ++x)
            for (int y = 12; y < 26; ++y)
                if (h.Pixel(x, y) == kBlack || h.Pixel(x, y) == kFore)
                    first = std::min(first, x), last = std::max(last, x);
        return std::make_pair(first, last);
    };
    const auto wide = inkColumns(200);
    EXPECT_GE(wide.first, 40);        // shifted past the first 30 columns
    EXPECT_GT(wide.second - wide.first, 60); // eight wide letters, not cut where they were unshifted
    const auto narrow = inkColumns(60);
    EXPECT_LT(narrow.second, 10 + 60); // the box holds it back
    EXPECT_GT(narrow.second, 60);
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

} // namespace
