// A render split into row bands over the host's threads gives the counts,
// statistics and output pixels of the same render on one thread: the module
// counts alone when the host withholds its iterate suite.
#include "effect/color/zelColorModel.h"
#include "effect/plugin/zelTonescopePlugin.h"
#include "standalone/emulator/yHostPlatform.h"
#include "standalone/emulator/yIteratePool.h"
#include "tests/host/yAETestHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

using namespace zelTonescope;
using yStandalone::yWorld;

namespace
{
constexpr PF_Fixed Fixed(double v) { return PF_Fixed(v * 65536.0); }

// What one render leaves: every bin's counts and the first statistic
// (the statistics come from the merged bins), and the output.
struct Result
{
    std::vector<uint32_t> counts;
    yWorld output;
};

// Both worlds come filled with one byte, so their padding compares too.
bool SameOutput(const yWorld& a, const yWorld& b)
{
    return std::memcmp(a.World().data, b.World().data, size_t(a.World().rowbytes) * size_t(a.Height())) == 0;
}

struct Bands : ::testing::Test
{
    void SetUp() override
    {
        yStandalone::yHostPlatform::Instance().Reset();
        ASSERT_EQ(host.Call(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
        ASSERT_EQ(host.Call(PF_Cmd_PARAMS_SETUP), PF_Err_NONE);
        ASSERT_EQ(host.Call(PF_Cmd_SEQUENCE_SETUP), PF_Err_NONE);
        // Channels B and D hidden and a selection shown, so that the output
        // takes both the masks and the highlight.
        zelPanelSettings s;
        s.channelOn[1] = false;
        s.channelOn[3] = false;
        s.selectionShown = true;
        s.selectionFirst = 90;
        s.selectionLast = 140;
        yAETest::LiveData<zelTonescopePlugin>(host)->GetPanel().ApplySettings(s);
        host.Param(kParamRenderOutput).def.u.bd.value = 1;
    }
    void TearDown() override
    {
        yStandalone::yIteratePool::Instance().SetThreadCount(0);
        EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_SETDOWN), PF_Err_NONE);
        EXPECT_EQ(host.Call(PF_Cmd_GLOBAL_SETDOWN), PF_Err_NONE);
        EXPECT_EQ(host.OpenSuites(), 0);
    }

    // A region that leaves a margin of the image on every side, so that the
    // bands also clear beside the rectangle.
    void Region(const yWorld& input)
    {
        host.Param(kParamSample).def.u.pd.value = kSampleRegion;
        host.Param(kParamPosition).def.u.td.x_value = Fixed(input.Width() / 2 + 1);
        host.Param(kParamPosition).def.u.td.y_value = Fixed(input.Height() / 2);
        host.Param(kParamWidth).def.u.fd.value = Fixed(input.Width() - 6);
        host.Param(kParamHeight).def.u.fd.value = Fixed(input.Height() - 4);
    }

    // threads 0: the iterate suite withheld, so the module counts alone.
    void RenderOn(yWorld& input, short model, int threads, Result& r)
    {
        yStandalone::yHostProbe watch;
        if (threads == 0) watch.WithholdSuite(kPFIterate8Suite);
        host.AttachProbe(&watch);
        yStandalone::yIteratePool::Instance().SetThreadCount(std::max(threads, 1));
        host.Param(kParamColorModel).def.u.pd.value = model;
        if (r.output.Width() != input.Width()) r.output = yWorld(input.Width(), input.Height(), input.IsDeep());
        std::memset(r.output.World().data, 0x5a, size_t(r.output.World().rowbytes) * size_t(r.output.Height()));
        host.SetInputLayer(input.World());
        EXPECT_EQ(host.Call(PF_Cmd_RENDER, &r.output.World()), PF_Err_NONE) << host.ReturnMessage();
        EXPECT_TRUE(threads == 0 || watch.SuitesAskedFor().count(kPFIterate8Suite)) << "no bands asked for";
        host.AttachProbe(nullptr);

        const zelHistogramAccumulator& acc = yAETest::LiveData<zelTonescopePlugin>(host)->GetPanel().GetAccumulator();
        r.counts = {acc.GetTotal(), uint32_t(acc.GetStats(0).first), acc.GetStats(0).peakBin};
        for (uint32_t i = 0; i < acc.GetBinCount(); ++i)
            r.counts.insert(r.counts.end(), acc.GetBins()[i].count, acc.GetBins()[i].count + 4);
    }

    void ExpectSameAtEveryThreadCount(yWorld& input, short model)
    {
        RenderOn(input, model, 0, alone);
        ASSERT_GT(alone.counts[0], 0u);
        for (int threads : {1, 2, 3, 7})
        {
            RenderOn(input, model, threads, banded);
            EXPECT_TRUE(banded.counts == alone.counts) << "model " << model << ", " << threads << " threads";
            EXPECT_TRUE(SameOutput(banded.output, alone.output)) << "model " << model << ", " << threads << " threads";
        }
    }

    yStandalone::yEffectHost host{&yAETest::Entry<zelTonescopePlugin>, yStandalone::kLinkedProfile};
    Result alone, banded;
};
} // namespace

// Every 8-bit colour once, with alpha cycling, in a 4096 x 4096 image.
TEST_F(Bands, EveryEightBitColourAtEveryThreadCount)
{
#ifdef TONESCOPE_SANITIZED
    const int side = 1024; // every 64th colour: the sanitizers are slow
#else
    const int side = 4096;
#endif
    yWorld input(side, side, false);
    const uint32_t step = (1u << 24) / uint32_t(side * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
        {
            const uint32_t c = (uint32_t(y) * uint32_t(side) + uint32_t(x)) * step;
            input.Pixel8(x, y) = {A_u_char(c * 7), A_u_char(c >> 16), A_u_char(c >> 8), A_u_char(c)};
        }
    Region(input);
    for (short model = 1; model <= kModelCount; ++model)
        ExpectSameAtEveryThreadCount(input, model);
}

TEST_F(Bands, SeededSixteenBitFramesAtEveryThreadCount)
{
    yWorld input(733, 611, true);
    std::mt19937 random(20261206u);
    for (int y = 0; y < input.Height(); ++y)
        for (int x = 0; x < input.Width(); ++x)
            input.Pixel16(x, y) = {A_u_short(random() % 32769), A_u_short(random() % 32769),
                                   A_u_short(random() % 32769), A_u_short(random() % 32769)};
    Region(input);
    for (short model = 1; model <= kModelCount; ++model)
        ExpectSameAtEveryThreadCount(input, model);
}
