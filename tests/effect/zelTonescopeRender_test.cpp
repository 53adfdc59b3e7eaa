#include "effect/color/zelColorModel.h"
#include "tests/host/yAEFakeHost.h"
#include "effect/plugin/zelTonescopePlugin.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

using namespace zelTonescope;

namespace
{
constexpr PF_Fixed Fixed(double v)
{
    return PF_Fixed(v * 65536.0);
}

// One effect instance with its parameters, rendered by the fake host.
struct Render : ::testing::Test
{
    void SetUp() override
    {
        for (int i = 0; i < kParamCount; ++i)
            paramList[i] = &paramDefs[i];
        paramDefs[kParamColorModel].u.pd.value = kModelRGB;
        paramDefs[kParamSample].u.pd.value = kSampleWholeImage;
        paramDefs[kParamPosition].u.td.x_value = Fixed(10);
        paramDefs[kParamPosition].u.td.y_value = Fixed(10);
        paramDefs[kParamWidth].u.fd.value = Fixed(100);
        paramDefs[kParamHeight].u.fd.value = Fixed(100);
        Run(PF_Cmd_SEQUENCE_SETUP, nullptr);
    }
    void TearDown() override { Run(PF_Cmd_SEQUENCE_SETDOWN, nullptr); }

    PF_Err Run(PF_Cmd command, PF_LayerDef* output)
    {
        plugin = std::make_unique<zelTonescopePlugin>();
        return host.Call(*plugin, command, paramList, output);
    }
    template <class PixelT> PF_Err RenderInto(FakeWorld<PixelT>& input, FakeWorld<PixelT>& output)
    {
        paramDefs[kParamInput].u.ld = input.world;
        return Run(PF_Cmd_RENDER, &output.world);
    }
    void Region(double cx, double cy, double width, double height)
    {
        paramDefs[kParamSample].u.pd.value = kSampleRegion;
        paramDefs[kParamPosition].u.td.x_value = Fixed(cx);
        paramDefs[kParamPosition].u.td.y_value = Fixed(cy);
        paramDefs[kParamWidth].u.fd.value = Fixed(width);
        paramDefs[kParamHeight].u.fd.value = Fixed(height);
    }
    zelTonescopeUI& Panel()
    {
        zelTonescopePlugin probe;
        probe.in_data = &host.in;
        return probe.GetDataPtr()->GetPanel();
    }
    uint32_t Sampled() { return Panel().GetAccumulator().GetTotal(); }
    std::string Message() const { return host.out.return_msg; }

    FakePlatform platform;
    FakeHost host;
    PF_ParamDef paramDefs[kParamCount] = {};
    PF_ParamDef* paramList[kParamCount] = {};
    std::unique_ptr<zelTonescopePlugin> plugin;
};

void Randomize(FakeWorld<PF_Pixel>& w, uint32_t seed)
{
    std::mt19937 random(seed);
    for (PF_Pixel& p : w.pixels)
        p = {A_u_char(random()), A_u_char(random()), A_u_char(random()), A_u_char(random())};
}

void Randomize(FakeWorld<PF_Pixel16>& w, uint32_t seed)
{
    std::mt19937 random(seed);
    for (PF_Pixel16& p : w.pixels)
        p = {A_u_short(random() % 32769), A_u_short(random() % 32769), A_u_short(random() % 32769),
             A_u_short(random() % 32769)};
}

bool Same(const PF_Pixel& a, const PF_Pixel& b)
{
    return a.alpha == b.alpha && a.red == b.red && a.green == b.green && a.blue == b.blue;
}
bool Same(const PF_Pixel16& a, const PF_Pixel16& b)
{
    return a.alpha == b.alpha && a.red == b.red && a.green == b.green && a.blue == b.blue;
}
template <class PixelT> std::string Show(const PixelT& p)
{
    return std::to_string(p.alpha) + "," + std::to_string(p.red) + "," + std::to_string(p.green) + "," +
           std::to_string(p.blue);
}

// What one output pixel must be, straight from its definition.
template <class PixelT>
PixelT Expected(PixelT p, short model, const zelPanelSettings& s, uint32_t full, uint32_t highlight[3])
{
    zelColorModel::Convert(p, model, kToModel);
    const uint32_t value[4] = {p.red, p.green, p.blue, p.alpha};
    bool selected = false;
    for (int k = 0; k < 4; ++k)
        selected = selected || (s.channelOn[k] && uint32_t(s.selectionFirst) <= value[k] &&
                                value[k] <= uint32_t(s.selectionLast));
    using V = decltype(p.red);
    if (s.selectionShown && selected) return PixelT{V(full), V(highlight[0]), V(highlight[1]), V(highlight[2])};
    return PixelT{V(s.channelOn[3] ? value[3] : full), V(s.channelOn[0] ? value[0] : 0),
                  V(s.channelOn[1] ? value[1] : 0), V(s.channelOn[2] ? value[2] : 0)};
}

template <class PixelT> void CheckOutputAgainstDefinition(Render& r, bool deep)
{
    const uint32_t full = deep ? 32768 : 255;
    for (short model = 1; model <= kModelCount; ++model)
    {
        FakeWorld<PixelT> input(37, 23, deep), output(37, 23, deep);
        Randomize(input, 100u + uint32_t(model));
        Randomize(output, 200u + uint32_t(model));

        // A different mix of shown channels and selection for each model.
        zelPanelSettings s;
        for (int k = 0; k < 4; ++k)
            s.channelOn[k] = ((model + k) % 3) != 0;
        s.selectionShown = model % 4 != 1;
        s.selectionFirst = int32_t(full / 3);
        s.selectionLast = int32_t(full / 2);
        s.highlight = yColor8(255, 255, 75, 1);
        r.Panel().ApplySettings(s);
        uint32_t highlight[3] = {255, 75, 1};
        if (deep)
            for (uint32_t& c : highlight)
                c = c * 128 + c / 2;

        r.paramDefs[kParamColorModel].u.pd.value = model;
        r.paramDefs[kParamRenderOutput].u.bd.value = 1;
        r.Region(20, 10, 21, 12); // columns 10..30, rows 4..15
        ASSERT_EQ(r.RenderInto(input, output), PF_Err_NONE) << r.Message();
        ASSERT_EQ(r.Sampled(), 21u * 12u);

        int wrong = 0;
        for (A_long y = 0; y < 23 && wrong < 5; ++y)
            for (A_long x = 0; x < 37 && wrong < 5; ++x)
            {
                const bool inside = x >= 10 && x < 31 && y >= 4 && y < 16;
                const PixelT want = inside ? Expected(input.At(x, y), model, s, full, highlight) : PixelT{0, 0, 0, 0};
                if (!Same(output.At(x, y), want))
                {
                    ++wrong;
                    ADD_FAILURE() << "model " << model << " at " << x << "," << y << ": in " << Show(input.At(x, y))
                                  << " out " << Show(output.At(x, y)) << " want " << Show(want);
                }
            }
    }
}
} // namespace

TEST_F(Render, WholeImageIgnoresPositionWidthAndHeight)
{
    FakeWorld<PF_Pixel> input(40, 30, false), output(40, 30, false);
    Region(1, 1, 2, 2);
    paramDefs[kParamSample].u.pd.value = kSampleWholeImage;
    EXPECT_EQ(RenderInto(input, output), PF_Err_NONE);
    EXPECT_EQ(Sampled(), 40u * 30u);
    const zelSampleRect r = plugin->m_rect;
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.bottom, 30);
    EXPECT_EQ(r.right, 40);
}

TEST_F(Render, RegionRectangle)
{
    struct Case
    {
        double cx, cy, width, height;
        A_u_long downsample; // 1/n of full resolution
        zelSampleRect want;
        const char* note;
    };
    const Case cases[] = {
        {5, 5, 0.4, 0.4, 1, {5, 5, 6, 6}, "less than a pixel still covers one"},
        {10, 10, 5, 5, 1, {8, 8, 13, 13}, "an odd size grows by one to stay whole"},
        {10, 10, 6, 4, 1, {8, 7, 12, 13}, "an even size needs no growing"},
        {0, 0, 10, 10, 1, {0, 0, 5, 5}, "partly outside is clipped"},
        {63, 63, 10, 10, 1, {58, 58, 64, 64}, "clipped at the far edges"},
        {-100, -100, 10, 10, 1, {0, 0, -95, -95}, "wholly outside is empty"},
        {30, 30, 100, 100, 2, {5, 5, 55, 55}, "half resolution samples half the size around the position"},
        {10, 10, -20, -20, 1, {20, 20, 1, 1}, "a negative size is empty"},
    };
    for (const Case& c : cases)
    {
        FakeWorld<PF_Pixel> input(64, 64, false), output(64, 64, false);
        host.in.downsample_x = {1, c.downsample};
        host.in.downsample_y = {1, c.downsample};
        Region(c.cx, c.cy, c.width, c.height);
        EXPECT_EQ(RenderInto(input, output), PF_Err_NONE) << c.note;
        const zelSampleRect r = plugin->m_rect;
        EXPECT_EQ(r.top, c.want.top) << c.note;
        EXPECT_EQ(r.left, c.want.left) << c.note;
        EXPECT_EQ(r.bottom, c.want.bottom) << c.note;
        EXPECT_EQ(r.right, c.want.right) << c.note;
        const int64_t count = c.want.PixelCount() > 0 && c.want.bottom > c.want.top ? c.want.PixelCount() : 0;
        EXPECT_EQ(Sampled(), uint32_t(count)) << c.note;
    }
}

TEST_F(Render, OutputOnFollowsThePixelDefinitionAt8Bits)
{
    CheckOutputAgainstDefinition<PF_Pixel>(*this, false);
}

TEST_F(Render, OutputOnFollowsThePixelDefinitionAt16Bits)
{
    CheckOutputAgainstDefinition<PF_Pixel16>(*this, true);
}

TEST_F(Render, OutputOffIsTheInputForEveryModelAndDepth)
{
    for (short model = 1; model <= kModelCount; ++model)
    {
        paramDefs[kParamColorModel].u.pd.value = model;
        FakeWorld<PF_Pixel> in8(19, 7, false), out8(19, 7, false);
        FakeWorld<PF_Pixel16> in16(19, 7, true), out16(19, 7, true);
        Randomize(in8, uint32_t(model));
        Randomize(in16, uint32_t(model));
        ASSERT_EQ(RenderInto(in8, out8), PF_Err_NONE);
        EXPECT_EQ(Sampled(), 19u * 7u);
        ASSERT_EQ(RenderInto(in16, out16), PF_Err_NONE);
        for (A_long y = 0; y < 7; ++y)
            for (A_long x = 0; x < 19; ++x)
            {
                ASSERT_TRUE(Same(out8.At(x, y), in8.At(x, y))) << "model " << model << " at " << x << "," << y;
                ASSERT_TRUE(Same(out16.At(x, y), in16.At(x, y))) << "model " << model << " at " << x << "," << y;
            }
    }
    EXPECT_TRUE(host.fills.empty()) << "nothing is cleared";
}

TEST_F(Render, WithoutDataTheInputIsCopiedAndTheUserTold)
{
    Run(PF_Cmd_SEQUENCE_SETDOWN, nullptr);
    host.newHandleFails = true;
    FakeWorld<PF_Pixel> input(8, 8, false), output(8, 8, false);
    Randomize(input, 5);
    paramDefs[kParamRenderOutput].u.bd.value = 1;
    EXPECT_EQ(RenderInto(input, output), PF_Err_NONE);
    EXPECT_NE(Message().find("DoRender: Could not get plug-in UI: GetDataPtr()"), std::string::npos) << Message();
    EXPECT_TRUE(Same(output.At(7, 7), input.At(7, 7)));
    host.newHandleFails = false;
    Run(PF_Cmd_SEQUENCE_SETUP, nullptr);
}

TEST_F(Render, HostErrorsAreReportedAndCancelIsQuiet)
{
    FakeWorld<PF_Pixel> input(8, 8, false), output(8, 8, false);
    Randomize(input, 9);
    paramDefs[kParamRenderOutput].u.bd.value = 1;

    host.fillResult = PF_Interrupt_CANCEL;
    EXPECT_EQ(RenderInto(input, output), PF_Interrupt_CANCEL);
    EXPECT_EQ(Message(), "");
    EXPECT_TRUE(host.copies.empty());

    host.fillResult = PF_Err_INTERNAL_STRUCT_DAMAGED;
    EXPECT_EQ(RenderInto(input, output), PF_Err_NONE) << "the copy's own result is returned";
    EXPECT_NE(Message().find("DoRender: Some error occurred"), std::string::npos) << Message();
    ASSERT_EQ(host.copies.size(), 1u);
    EXPECT_TRUE(Same(output.At(3, 3), input.At(3, 3)));
}

TEST_F(Render, UpdateParamsUIGreysTheRegionControlsForTheWholeImage)
{
    EXPECT_EQ(Run(PF_Cmd_UPDATE_PARAMS_UI, nullptr), PF_Err_NONE);
    ASSERT_EQ(host.paramUIUpdates.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ(host.paramUIUpdates[i].first, PF_ParamIndex(kParamPosition + i));
        EXPECT_EQ(host.paramUIUpdates[i].second.ui_flags, PF_PUI_DISABLED);
    }
    host.paramUIUpdates.clear();
    paramDefs[kParamSample].u.pd.value = kSampleRegion;
    paramDefs[kParamWidth].ui_flags = PF_PUI_DISABLED;
    Run(PF_Cmd_UPDATE_PARAMS_UI, nullptr);
    ASSERT_EQ(host.paramUIUpdates.size(), 3u);
    for (auto& update : host.paramUIUpdates)
        EXPECT_EQ(update.second.ui_flags, PF_PUI_NONE);
}
