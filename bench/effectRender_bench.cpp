// A whole render of a 3840 x 2160 frame through the plug-in object and its
// data object, at both depths, with "Render Output" off and on, beside the row
// kernel alone over the same frame. The host is the in-process fake of the
// tests: its copy and fill are plain row loops, as a host's would be.
#include "effect/color/zelColorModel.h"
#include "effect/color/zelHistogramAccumulator.h"
#include "effect/color/zelSampleKernel.h"
#include "tests/host/yAEFakeHost.h"
#include "effect/plugin/zelTonescopePlugin.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace zelTonescope;

namespace
{
constexpr A_long kWidth = 3840;
constexpr A_long kHeight = 2160;

template <class PixelT> FakeWorld<PixelT>& Input()
{
    constexpr bool deep = sizeof(PixelT) == 8;
    static FakeWorld<PixelT> world = [] {
        FakeWorld<PixelT> w(kWidth, kHeight, deep);
        std::mt19937 random(1234567u);
        const uint32_t span = deep ? 32769u : 256u;
        for (PixelT& p : w.pixels)
        {
            using V = decltype(p.red);
            p = {V(random() % span), V(random() % span), V(random() % span), V(random() % span)};
        }
        return w;
    }();
    return world;
}

template <class PixelT> void KernelAlone(benchmark::State& state)
{
    constexpr bool deep = sizeof(PixelT) == 8;
    const short model = short(state.range(0));
    FakeWorld<PixelT>& input = Input<PixelT>();
    zelSampleKernel kernel;
    zelHistogramAccumulator acc;
    for (auto _ : state)
    {
        acc.Prepare(deep ? zelHistogramAccumulator::kHighest16 : zelHistogramAccumulator::kHighest8);
        kernel.SetModel(model, deep);
        for (A_long y = 0; y < kHeight; ++y)
            kernel.AddRow(&input.At(0, y), kWidth, acc);
        acc.ComputeStatistics();
        benchmark::DoNotOptimize(acc.GetTotal());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}

template <class PixelT> void Bridge(benchmark::State& state)
{
    constexpr bool deep = sizeof(PixelT) == 8;
    const short model = short(state.range(0));
    const bool renderOutput = state.range(1) != 0;
    FakePlatform platform;
    FakeHost host;
    PF_ParamDef defs[kParamCount] = {};
    PF_ParamDef* params[kParamCount] = {};
    for (int i = 0; i < kParamCount; ++i)
        params[i] = &defs[i];
    defs[kParamInput].u.ld = Input<PixelT>().world;
    defs[kParamColorModel].u.pd.value = model;
    defs[kParamSample].u.pd.value = kSampleWholeImage;
    defs[kParamRenderOutput].u.bd.value = renderOutput ? 1 : 0;
    FakeWorld<PixelT> output(kWidth, kHeight, deep);
    {
        zelTonescopePlugin setup;
        host.Call(setup, PF_Cmd_SEQUENCE_SETUP);
    }
    for (auto _ : state)
    {
        zelTonescopePlugin plugin;
        plugin.SetPluginName(kPluginName);
        if (host.Call(plugin, PF_Cmd_RENDER, params, &output.world) != PF_Err_NONE)
            state.SkipWithError("the render failed");
        host.calls.clear();
        host.copies.clear();
        host.fills.clear();
    }
    zelTonescopePlugin setdown;
    host.Call(setdown, PF_Cmd_SEQUENCE_SETDOWN);
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}

void Models(benchmark::internal::Benchmark* b)
{
    for (int model : {kModelRGB, kModelHSV, kModelLab})
        b->Args({model});
}

void ModelsAndOutput(benchmark::internal::Benchmark* b)
{
    for (int model : {kModelRGB, kModelHSV, kModelLab})
        for (int on : {0, 1})
            b->Args({model, on});
}
} // namespace

BENCHMARK_TEMPLATE(KernelAlone, PF_Pixel)->Apply(Models)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(Bridge, PF_Pixel)->Apply(ModelsAndOutput)->ArgNames({"model", "output"})->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(KernelAlone, PF_Pixel16)->Apply(Models)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(Bridge, PF_Pixel16)->Apply(ModelsAndOutput)->ArgNames({"model", "output"})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
