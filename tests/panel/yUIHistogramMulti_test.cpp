#include "panel/yUIHistogramMulti.h"

#include "draw/yDrawPort.h"

#include <gtest/gtest.h>

namespace
{
const yColor8 kBack(255, 0xdb, 0xdc, 0xdf); // read back opaque
const yColor8 kBlack(255, 0, 0, 0);
const int kBottom = 254; // the lowest row of the inner area of a 256-high view

// A 256 x 256 view at the panel's origin drawing into its own port; column x
// shows bin x.
class HistogramViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        port.SetSize(256, 256);
        ASSERT_EQ(port.Create(), 0);
        view.SetSize(yPointL(256, 256));
        view.SetDrawPort(&port);
        acc().SetDivisor(1.0f);
        ASSERT_TRUE(acc().Prepare(255));
    }

    zelTonescope::zelHistogramAccumulator& acc() { return view.GetAccumulator(); }

    void Add(uint32_t bin, int a, int b, int c, int d)
    {
        const uint32_t out = 1000; // past every bin: not counted
        const int counts[4] = {a, b, c, d};
        for (int k = 0; k < 4; ++k)
            for (int i = 0; i < counts[k]; ++i)
                acc().AddSample(k ? out : bin, k == 1 ? bin : out, k == 2 ? bin : out, k == 3 ? bin : out);
    }

    void Draw(unsigned long from = 0, unsigned long to = 256)
    {
        acc().ComputeStatistics();
        const unsigned long range[2] = {from, to};
        ASSERT_TRUE(view.BuildColumns(256, range));
        view.Draw();
        port.SetDrawOffset(yPointL(0, 0));
        port.SetClipRect(yRect(0, 0, 256, 256));
    }

    yColor8 At(int x, int y) { return port.GetPixel(x, y); }

    // Rows from..to (both inclusive, from >= to) of column x all in colour c.
    void ExpectRun(int x, int from, int to, yColor8 c)
    {
        for (int y = from; y >= to; --y)
            ASSERT_EQ(At(x, y), c) << "x " << x << " y " << y;
    }

    yDrawPort port;
    yUIHistogramMulti view;
};
} // namespace

TEST_F(HistogramViewTest, WithoutStatisticsOrShownChannelsDrawsTheCross)
{
    view.Draw(); // nothing rendered yet
    port.SetDrawOffset(yPointL(0, 0));
    const yColor8 fore(255, 0x64, 0x64, 0x64);
    EXPECT_EQ(At(40, 40), fore);
    EXPECT_EQ(At(40, 215), fore);
    EXPECT_EQ(At(40, 100), kBack);

    Add(40, 100, 0, 0, 0);
    for (int k = 0; k < 4; ++k)
        view.SetChannelShown(k, false);
    Draw();
    EXPECT_EQ(At(40, 40), fore);
    EXPECT_EQ(At(40, kBottom), kBack);
}

TEST_F(HistogramViewTest, ColumnsDrawTheirStrokesAndTheFrameOnTop)
{
    const yColor8 shade(255, 255 - 0xdb, 255 - 0xdc, 255 - 0xdf), highlight(255, 0x4b, 0x9b, 0xff);
    view.SetSelectionColor(highlight);
    view.SetSelection(70, 71);
    view.SetSelectionShown(true);
    Add(100, 40, 40, 40, 0); // equal: one grey bar
    Add(130, 1, 5, 9, 0);    // the tallest channel's part keeps its place
    Add(60, 0, 0, 0, 30);    // D: a shade with a black top
    Add(10, 0, 400, 0, 0);   // clipped at the top of the view
    Add(70, 10, 25, 5, 0);   // selected: one bar of the tallest channel
    Add(72, 10, 25, 5, 0);   // not selected
    struct Run { int x, from, to; yColor8 color; };
    const std::vector<Run> colour = {
        {100, kBottom, kBottom - 39, yColor8(255, 100, 100, 100)},
        {100, kBottom - 40, kBottom - 40, kBack},
        {130, kBottom - 5, kBottom - 8, yColor8(255, 0, 0, 130)},
        {60, kBottom, kBottom - 29, shade},
        {60, kBottom - 30, kBottom - 30, kBlack},
        {60, kBottom - 31, kBottom - 31, kBack},
        {10, kBottom, 1, yColor8(255, 0, 10, 0)},
        {10, 0, 0, kBlack}, // the frame
        {100, 255, 255, kBlack},
        {70, kBottom, kBottom - 24, highlight},
        {70, kBottom - 25, kBottom - 25, kBack},
        {72, kBottom, kBottom, yColor8(255, 72, 72, 72)},
    };
    // Black bars, B hidden: A is the tallest.
    const std::vector<Run> black = {
        {72, kBottom, kBottom - 9, kBlack}, {72, kBottom - 10, kBottom - 10, kBack},
        {71, kBottom, kBottom, kBack},      {70, kBottom, kBottom - 9, highlight},
    };
    view.SetDisplayInColor(true);
    Draw();
    for (const Run& r : colour)
        ExpectRun(r.x, r.from, r.to, r.color);
    view.SetDisplayInColor(false);
    view.SetChannelShown(1, false);
    Draw();
    for (const Run& r : black)
        ExpectRun(r.x, r.from, r.to, r.color);
}

TEST_F(HistogramViewTest, DeepColumnsAreGreyByTheirBinOver128UpTo255)
{
    ASSERT_TRUE(acc().Prepare(32768));
    view.SetDeep(true);
    view.SetDisplayInColor(true);
    const struct { uint32_t bin; yMath::U8 grey; } rows[] = {{12800, 100}, {32768, 255}};
    for (const auto& r : rows)
    {
        Add(r.bin, 40, 40, 40, 0);
        Draw(r.bin - 100, r.bin + 156); // column 100 shows the bin
        EXPECT_EQ(At(100, kBottom), yColor8(255, r.grey, r.grey, r.grey)) << r.bin;
    }
}

