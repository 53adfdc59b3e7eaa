// A whole render of a 3840 x 2160 frame through the plug-in object and its
// data object, at both depths, with "Render Output" off and on, on one thread
// and on every thread of the host's iteration pool (wall-clock time), beside
// the row kernel alone over the same frame. The host is the replacement host's library
// driving the plug-in class linked in, as the module's main would.
#include "effect/color/zelColorModel.h"
#include "effect/color/zelHistogramAccumulator.h"
#include "effect/color/zelSampleKernel.h"
#include "effect/plugin/zelTonescopePlugin.h"
#include "standalone/emulator/yEffectHost.h"
#include "standalone/emulator/yIteratePool.h"
#include "standalone/emulator/yWorld.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace zelTonescope;

namespace
{
constexpr A_long kWidth = 3840;
constexpr A_long kHeight = 2160;

PF_Err Entry(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
             void* extra)
{
    zelTonescopePlugin plugin;
    plugin.SetPluginName(kPluginName);
    plugin.Main(cmd, in_data, out_data, params, output, extra);
    return plugin.err;
}

template <class PixelT> PixelT* Row(yStandalone::yWorld& w, A_long y)
{
    return reinterpret_cast<PixelT*>(reinterpret_cast<char*>(w.World().data) + y * w.World().rowbytes);
}

template <class PixelT> yStandalone::yWorld& Input()
{
    constexpr bool deep = sizeof(PixelT) == 8;
    static yStandalone::yWorld world = [] {
        yStandalone::yWorld w(kWidth, kHeight, deep);
        std::mt19937 random(1234567u);
        const uint32_t span = deep ? 32769u : 256u;
        for (A_long y = 0; y < kHeight; ++y)
            for (A_long x = 0; x < kWidth; ++x)
            {
                using V = decltype(PixelT::red);
                Row<PixelT>(w, y)[x] = {V(random() % span), V(random() % span), V(random() % span),
                                        V(random() % span)};
            }
        return w;
    }();
    return world;
}

template <class PixelT> void KernelAlone(benchmark::State& state)
{
    constexpr bool deep = sizeof(PixelT) == 8;
    const short model = short(state.range(0));
    yStandalone::yWorld& input = Input<PixelT>();
    zelSampleKernel kernel;
    zelHistogramAccumulator acc;
    for (auto _ : state)
    {
        acc.Prepare(deep ? zelHistogramAccumulator::kHighest16 : zelHistogramAccumulator::kHighest8);
        kernel.SetModel(model, deep);
        for (A_long y = 0; y < kHeight; ++y)
            kernel.AddRow(Row<PixelT>(input, y), kWidth, acc);
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
    yStandalone::yIteratePool::Instance().SetThreadCount(int(state.range(2)));
    yStandalone::yEffectHost host(&Entry, yStandalone::kLinkedProfile);
    host.Call(PF_Cmd_GLOBAL_SETUP);
    host.Call(PF_Cmd_PARAMS_SETUP);
    host.SetInputLayer(Input<PixelT>().World());
    host.Param(kParamColorModel).def.u.pd.value = model;
    host.Param(kParamSample).def.u.pd.value = kSampleWholeImage;
    host.Param(kParamRenderOutput).def.u.bd.value = renderOutput ? 1 : 0;
    yStandalone::yWorld output(kWidth, kHeight, deep);
    host.Call(PF_Cmd_SEQUENCE_SETUP);
    for (auto _ : state)
        if (host.Call(PF_Cmd_RENDER, &output.World()) != PF_Err_NONE) state.SkipWithError("the render failed");
    host.Call(PF_Cmd_SEQUENCE_SETDOWN);
    host.Call(PF_Cmd_GLOBAL_SETDOWN);
    yStandalone::yIteratePool::Instance().SetThreadCount(0);
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}

void Models(benchmark::internal::Benchmark* b)
{
    for (int model : {kModelRGB, kModelHSV, kModelLab})
        b->Args({model});
}

// threads 0: one per core.
void ModelsOutputAndThreads(benchmark::internal::Benchmark* b)
{
    for (int model : {kModelRGB, kModelHSV, kModelLab})
        for (int on : {0, 1})
            for (int threads : {1, 0})
                b->Args({model, on, threads});
}
} // namespace

BENCHMARK_TEMPLATE(KernelAlone, PF_Pixel)->Apply(Models)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(Bridge, PF_Pixel)->Apply(ModelsOutputAndThreads)
    ->ArgNames({"model", "output", "threads"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(KernelAlone, PF_Pixel16)->Apply(Models)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(Bridge, PF_Pixel16)->Apply(ModelsOutputAndThreads)
    ->ArgNames({"model", "output", "threads"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
