#include "effect/color/zelColorModel.h"
#include "effect/plugin/zelTonescopePlugin.h"
#include "standalone/emulator/yHostPlatform.h"
#include "tests/host/yAETestHost.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace zelTonescope;
using yStandalone::yHostCall;
using yStandalone::yWorld;

namespace
{
constexpr PF_Fixed Fixed(double v) { return PF_Fixed(v * 65536.0); }

// One effect instance with its parameters, rendered through the host.
struct Render : ::testing::Test
{
    void SetUp() override
    {
        yStandalone::yHostPlatform::Instance().Reset();
        host.AttachProbe(&probe);
        ASSERT_EQ(host.Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
        ASSERT_EQ(host.Call(PF_Cmd_PARAMS_SETUP), PF_Err_NONE);
        std::string refused;
        ASSERT_TRUE(host.MakeArbitraryValues(refused)) << refused;
        ASSERT_EQ(host.Call(PF_Cmd_SEQUENCE_SETUP), PF_Err_NONE);
    }
    void TearDown() override
    {
        probe.ClearFailures();
        EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_SETDOWN), PF_Err_NONE);
        host.DisposeArbitraryValues();
        EXPECT_EQ(host.Call(PF_Cmd_GLOBAL_SETDOWN), PF_Err_NONE);
        EXPECT_EQ(host.LiveHandles(), 0u);
        EXPECT_EQ(host.BadHandleUses(), 0);
        EXPECT_EQ(host.OpenSuites(), 0);
    }
    PF_ParamDef& Param(int index) { return host.Param(size_t(index)).def; }
    PF_Err RenderInto(yWorld& input, yWorld& output)
    {
        host.SetInputLayer(input.World());
        return host.Call(PF_Cmd_RENDER, &output.World());
    }
    void Region(double cx, double cy, double width, double height)
    {
        Param(kParamSample).u.pd.value = kSampleRegion;
        Param(kParamPosition).u.td.x_value = Fixed(cx);
        Param(kParamPosition).u.td.y_value = Fixed(cy);
        Param(kParamWidth).u.fd.value = Fixed(width);
        Param(kParamHeight).u.fd.value = Fixed(height);
    }
    zelTonescopeUI& Panel() { return yAETest::LiveData<zelTonescopePlugin>(host)->GetPanel(); }
    uint32_t Sampled() { return Panel().GetAccumulator().GetTotal(); }

    yStandalone::yEffectHost host{&yAETest::Entry<zelTonescopePlugin>, yStandalone::kLinkedProfile};
    yStandalone::yHostProbe probe;
};

void Randomize(yWorld& w, uint32_t seed)
{
    std::mt19937 random(seed);
    for (int y = 0; y < w.Height(); ++y)
        for (int x = 0; x < w.Width(); ++x)
            if (w.IsDeep())
                w.Pixel16(x, y) = {A_u_short(random() % 32769), A_u_short(random() % 32769),
                                   A_u_short(random() % 32769), A_u_short(random() % 32769)};
            else
                w.Pixel8(x, y) = {A_u_char(random()), A_u_char(random()), A_u_char(random()), A_u_char(random())};
}

template <class PixelT> const PixelT& At(const yWorld& w, int x, int y)
{
    if constexpr (sizeof(PixelT) == sizeof(PF_Pixel)) return w.Pixel8(x, y);
    else return w.Pixel16(x, y);
}

template <class PixelT> std::string Show(const PixelT& p)
{
    return std::to_string(p.alpha) + "," + std::to_string(p.red) + "," + std::to_string(p.green) + "," +
           std::to_string(p.blue);
}

// What one output pixel must be, straight from its definition.
template <class PixelT>
PixelT Expected(PixelT p, short model, const zelPanelSettings& s, uint32_t full, const uint32_t highlight[3])
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

// Every pixel of the output: inside the sampled rectangle what the
// definition gives, outside transparent black.
template <class PixelT>
int CountWrong(const yWorld& input, const yWorld& output, const zelSampleRect& r, short model,
               const zelPanelSettings& s, const uint32_t highlight[3])
{
    const uint32_t full = input.IsDeep() ? 32768 : 255;
    int wrong = 0;
    for (int y = 0; y < input.Height() && wrong < 5; ++y)
        for (int x = 0; x < input.Width() && wrong < 5; ++x)
        {
            const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            const PixelT want = inside ? Expected(At<PixelT>(input, x, y), model, s, full, highlight) : PixelT{};
            if (Show(At<PixelT>(output, x, y)) == Show(want)) continue;
            ++wrong;
            ADD_FAILURE() << "model " << model << " at " << x << "," << y << ": in " << Show(At<PixelT>(input, x, y))
                          << " out " << Show(At<PixelT>(output, x, y)) << " want " << Show(want);
        }
    return wrong;
}

template <class PixelT> void CheckOutputAgainstDefinition(Render& r, bool deep)
{
    for (short model = 1; model <= kModelCount; ++model)
    {
        yWorld input(37, 23, deep), output(37, 23, deep);
        Randomize(input, 100u + uint32_t(model));
        Randomize(output, 200u + uint32_t(model));

        // A different mix of shown channels and selection for each model.
        const uint32_t full = deep ? 32768 : 255;
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

        r.Param(kParamColorModel).u.pd.value = model;
        r.Param(kParamRenderOutput).u.bd.value = 1;
        r.Region(20, 10, 21, 12); // columns 10..30, rows 4..15
        ASSERT_EQ(r.RenderInto(input, output), PF_Err_NONE) << r.host.ReturnMessage();
        ASSERT_EQ(r.Sampled(), 21u * 12u);
        CountWrong<PixelT>(input, output, {4, 10, 16, 31}, model, s, highlight);
    }
}
} // namespace

// The sampled rectangle, seen in the output: with every channel shown and
// no selection, RGB output is the input inside it and cleared outside.
TEST_F(Render, SampledRectangle)
{
    // downsample: 1/n of full resolution; want: top, left, bottom, right
    struct Case { double cx, cy, width, height; A_long downsample; zelSampleRect want; const char* note; };
    const Case cases[] = {
        {5, 5, 0.4, 0.4, 1, {5, 5, 6, 6}, "less than a pixel still covers one"},
        {10, 10, 5, 5, 1, {8, 8, 13, 13}, "an odd size grows by one to stay whole"},
        {10, 10, 6, 4, 1, {8, 7, 12, 13}, "an even size needs no growing"},
        {0, 0, 10, 10, 1, {0, 0, 5, 5}, "partly outside is clipped"},
        {63, 63, 10, 10, 1, {58, 58, 64, 64}, "clipped at the far edges"},
        {-100, -100, 10, 10, 1, {0, 0, 0, 0}, "wholly outside is empty"},
        {30, 30, 100, 100, 2, {5, 5, 55, 55}, "half resolution samples half the size around the position"},
        {10, 10, -20, -20, 1, {0, 0, 0, 0}, "a negative size is empty"},
        {1, 1, 2, 2, 0, {0, 0, 64, 64}, "the whole image ignores position and size"},
    };
    zelPanelSettings s;
    s.channelOn[3] = true;
    s.selectionShown = false;
    Panel().ApplySettings(s);
    const uint32_t none[3] = {};
    for (const Case& c : cases)
    {
        yWorld input(64, 64, false), output(64, 64, false);
        Randomize(input, 7);
        Region(c.cx, c.cy, c.width, c.height);
        if (c.downsample == 0) Param(kParamSample).u.pd.value = kSampleWholeImage;
        host.SetDownsample({1, A_u_long(std::max<A_long>(c.downsample, 1))},
                           {1, A_u_long(std::max<A_long>(c.downsample, 1))});
        Param(kParamRenderOutput).u.bd.value = 1;
        EXPECT_EQ(RenderInto(input, output), PF_Err_NONE) << c.note;
        EXPECT_EQ(CountWrong<PF_Pixel>(input, output, c.want, kModelRGB, s, none), 0) << c.note;
        EXPECT_EQ(Sampled(), uint32_t(std::max<int64_t>(c.want.PixelCount(), 0))) << c.note;
    }
}

TEST_F(Render, OutputOnFollowsThePixelDefinitionAtBothDepths)
{
    CheckOutputAgainstDefinition<PF_Pixel>(*this, false);
    CheckOutputAgainstDefinition<PF_Pixel16>(*this, true);
}

TEST_F(Render, OutputOffIsTheInputForEveryModelAndDepth)
{
    for (short model = 1; model <= kModelCount; ++model)
        for (bool deep : {false, true})
        {
            Param(kParamColorModel).u.pd.value = model;
            yWorld in(19, 7, deep), out(19, 7, deep);
            Randomize(in, uint32_t(model));
            ASSERT_EQ(RenderInto(in, out), PF_Err_NONE);
            EXPECT_EQ(Sampled(), 19u * 7u);
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 19; ++x)
                    ASSERT_EQ(deep ? Show(out.Pixel16(x, y)) : Show(out.Pixel8(x, y)),
                              deep ? Show(in.Pixel16(x, y)) : Show(in.Pixel8(x, y)))
                        << "model " << model << " at " << x << "," << y;
        }
    EXPECT_EQ(probe.CallCount(yHostCall::Fill) + probe.CallCount(yHostCall::Fill16), 0) << "nothing is cleared";
}

// Without its data, a failed clear or a cancel the input still shows (or
// nothing, when cancelled); errors are told, a cancel is quiet.
TEST_F(Render, FailuresFallBackToTheInput)
{
    // message: part of the message; empty: none
    struct Case { bool noData; PF_Err fillErr; PF_Err result; const char* message; bool copied; };
    const Case cases[] = {
        {true, PF_Err_NONE, PF_Err_NONE, "DoRender: Could not get plug-in UI: GetDataPtr()", true},
        {false, PF_Interrupt_CANCEL, PF_Interrupt_CANCEL, "", false},
        {false, PF_Err_INTERNAL_STRUCT_DAMAGED, PF_Err_NONE, "DoRender: Some error occurred", true},
    };
    for (const Case& c : cases)
    {
        if (c.noData)
        {
            host.Call(PF_Cmd_SEQUENCE_SETDOWN);
            probe.FailCall(yHostCall::NewHandle, PF_Err_OUT_OF_MEMORY);
        }
        if (c.fillErr) probe.FailCall(yHostCall::Fill, c.fillErr);
        probe.ClearCallLog();
        // An output narrower than the sampled image is cleared through the host.
        yWorld input(8, 8, false), output(4, 8, false);
        Randomize(input, 5);
        Param(kParamRenderOutput).u.bd.value = 1;
        EXPECT_EQ(RenderInto(input, output), c.result) << c.message;
        const std::string message = host.ReturnMessage();
        EXPECT_TRUE(*c.message ? message.find(c.message) != std::string::npos : message.empty()) << message;
        EXPECT_EQ(probe.CallCount(yHostCall::CopyWorld), c.copied ? 1 : 0) << c.message;
        EXPECT_EQ(Show(output.Pixel8(3, 7)) == Show(input.Pixel8(3, 7)), c.copied) << c.message;
        probe.ClearFailures();
        if (c.noData) host.Call(PF_Cmd_SEQUENCE_SETUP);
    }
}

TEST_F(Render, UpdateParamsUIGreysTheRegionControlsForTheWholeImage)
{
    for (short sample : {kSampleWholeImage, kSampleRegion})
    {
        Param(kParamSample).u.pd.value = sample;
        const size_t before = host.ParamUIUpdates().size();
        EXPECT_EQ(host.Call(PF_Cmd_UPDATE_PARAMS_UI), PF_Err_NONE);
        ASSERT_EQ(host.ParamUIUpdates().size(), before + 3);
        for (size_t i = 0; i < 3; ++i)
        {
            const yStandalone::yParamUIUpdate& update = host.ParamUIUpdates()[before + i];
            EXPECT_EQ(update.index, PF_ParamIndex(kParamPosition + i));
            EXPECT_EQ(update.def.ui_flags, sample == kSampleRegion ? PF_PUI_NONE : PF_PUI_DISABLED);
        }
    }
}
