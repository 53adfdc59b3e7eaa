// Whole-image sampling of a 3840 x 2160 frame for every colour model at both
// depths, on seeded random pixels and on smooth ramps: the row kernel, the
// plain per-pixel definition, and a read-once yardstick that only sums the
// frame's bytes. After the run, each kernel's speed is printed as a ratio to
// the other two.
#include "effect/color/zelColorModel.h"
#include "effect/color/zelHistogramAccumulator.h"
#include "effect/color/zelSampleKernel.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace zelTonescope;

namespace
{
constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr int64_t kPixels = int64_t(kWidth) * kHeight;

const char* const kModelNames[] = {"RGB", "HLS", "HSV", "CMY", "CMYK", "XYZ", "xyY", "YUV", "YIQ", "Lab", "Luv"};

template <class P> std::vector<P> MakeFrame(bool ramp, int full)
{
    std::vector<P> frame(kPixels);
    std::mt19937 random(1234567u);
    std::uniform_int_distribution<int> component(0, full);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            P& p = frame[size_t(y) * kWidth + x];
            if (ramp)
            {
                p.alpha = static_cast<decltype(p.alpha)>(full);
                p.red = static_cast<decltype(p.red)>(int64_t(x) * full / (kWidth - 1));
                p.green = static_cast<decltype(p.green)>(int64_t(y) * full / (kHeight - 1));
                p.blue = static_cast<decltype(p.blue)>(int64_t(kWidth - 1 - x + y) * full / (kWidth + kHeight - 2));
            }
            else
            {
                p.alpha = static_cast<decltype(p.alpha)>(component(random));
                p.red = static_cast<decltype(p.red)>(component(random));
                p.green = static_cast<decltype(p.green)>(component(random));
                p.blue = static_cast<decltype(p.blue)>(component(random));
            }
        }
    return frame;
}

template <class P> std::vector<P> const& Frame(bool ramp)
{
    constexpr int full = sizeof(P) == 4 ? 255 : 32768;
    static const std::vector<P> random = MakeFrame<P>(false, full);
    static const std::vector<P> ramps = MakeFrame<P>(true, full);
    return ramp ? ramps : random;
}

template <class P> void Kernel(benchmark::State& state, short model, bool ramp)
{
    constexpr bool deep = sizeof(P) == 8;
    std::vector<P> const& frame = Frame<P>(ramp);
    zelSampleKernel kernel;
    zelHistogramAccumulator acc;
    kernel.SetModel(model, deep);
    for (auto _ : state)
    {
        acc.Prepare(deep ? zelHistogramAccumulator::kHighest16 : zelHistogramAccumulator::kHighest8);
        for (int y = 0; y < kHeight; ++y)
            kernel.AddRow(&frame[size_t(y) * kWidth], kWidth, acc);
        acc.ComputeStatistics();
        benchmark::DoNotOptimize(acc.GetStats(0));
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}

template <class P> void Reference(benchmark::State& state, short model, bool ramp)
{
    constexpr bool deep = sizeof(P) == 8;
    std::vector<P> const& frame = Frame<P>(ramp);
    zelHistogramAccumulator acc;
    for (auto _ : state)
    {
        acc.Prepare(deep ? zelHistogramAccumulator::kHighest16 : zelHistogramAccumulator::kHighest8);
        for (int64_t i = 0; i < kPixels; ++i)
        {
            P p = frame[i];
            zelColorModel::Convert(p, model, kToModel);
            acc.AddSample(p.red, p.green, p.blue, p.alpha);
        }
        acc.ComputeStatistics();
        benchmark::DoNotOptimize(acc.GetStats(0));
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}

// Reads every byte of the frame once, 64 bits at a time in four independent
// sums, which the compiler turns into vector loads and adds.
template <class P> void ReadOnce(benchmark::State& state, bool ramp)
{
    std::vector<P> const& frame = Frame<P>(ramp);
    const size_t words = frame.size() * sizeof(P) / 8;
    for (auto _ : state)
    {
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(frame.data());
        uint64_t sum[4] = {0, 0, 0, 0};
        for (size_t i = 0; i + 4 <= words; i += 4)
            for (int k = 0; k < 4; ++k)
            {
                uint64_t w;
                std::memcpy(&w, bytes + (i + k) * 8, 8);
                sum[k] += (w & 0x00FF00FF00FF00FFull) + ((w >> 8) & 0x00FF00FF00FF00FFull);
            }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}

// Remembers every repetition's pixels per second, and prints the ratio table:
// medians, with the spread of the kernel's own repetitions.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(std::vector<Run> const& runs) override
    {
        for (Run const& r : runs)
        {
            auto it = r.counters.find("items_per_second");
            if (r.run_type == Run::RT_Iteration && it != r.counters.end())
                m_rates[r.run_name.str()].push_back(it->second.value);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const
    {
        std::printf("\n%-18s %9s %13s %10s %10s %9s %9s\n", "kernel", "Mpix/s", "spread", "reference",
                    "read-once", "x ref", "x once");
        for (auto const& [name, rates] : m_rates)
        {
            if (name.rfind("Kernel/", 0) != 0)
                continue;
            const std::string rest = name.substr(7); // depth/pattern/model
            const double rate = Median(rates);
            const double refRate = Median("Reference/" + rest);
            const double onceRate = Median("ReadOnce/" + rest.substr(0, rest.rfind('/')));
            const auto [low, high] = std::minmax_element(rates.begin(), rates.end());
            std::printf("%-18s %9.1f %6.0f-%-6.0f %10.1f %10.1f %9.2f %9.3f\n", rest.c_str(), rate / 1e6, *low / 1e6,
                        *high / 1e6, refRate / 1e6, onceRate / 1e6, refRate > 0 ? rate / refRate : 0.0,
                        onceRate > 0 ? rate / onceRate : 0.0);
        }
    }

private:
    static double Median(std::vector<double> v)
    {
        if (v.empty())
            return 0.0;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }

    double Median(std::string const& name) const
    {
        auto it = m_rates.find(name);
        return it == m_rates.end() ? 0.0 : Median(it->second);
    }

    std::map<std::string, std::vector<double>> m_rates;
};

void Register()
{
    for (int depth : {8, 16})
        for (bool ramp : {false, true})
        {
            const std::string suffix = std::to_string(depth) + (ramp ? "/ramp" : "/random");
            if (depth == 8)
                benchmark::RegisterBenchmark(("ReadOnce/" + suffix).c_str(), ReadOnce<PF_Pixel>, ramp);
            else
                benchmark::RegisterBenchmark(("ReadOnce/" + suffix).c_str(), ReadOnce<PF_Pixel16>, ramp);
            for (short model = kModelRGB; model <= kModelCount; ++model)
            {
                const std::string name = suffix + "/" + kModelNames[model - 1];
                if (depth == 8)
                {
                    benchmark::RegisterBenchmark(("Kernel/" + name).c_str(), Kernel<PF_Pixel>, model, ramp);
                    benchmark::RegisterBenchmark(("Reference/" + name).c_str(), Reference<PF_Pixel>, model, ramp);
                }
                else
                {
                    benchmark::RegisterBenchmark(("Kernel/" + name).c_str(), Kernel<PF_Pixel16>, model, ramp);
                    benchmark::RegisterBenchmark(("Reference/" + name).c_str(), Reference<PF_Pixel16>, model, ramp);
                }
            }
        }
}
} // namespace

int main(int argc, char** argv)
{
    Register();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
