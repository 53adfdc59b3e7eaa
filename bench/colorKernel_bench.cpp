// Whole-image sampling of a 3840 x 2160 frame for every colour model at both
// depths, on seeded random pixels and on smooth ramps: the row kernel on one
// thread and in row bands over every thread of the host's iteration pool,
// the plain per-pixel definition, and yardsticks measured in the same run: a
// read-once loop that only sums the frame's bytes, the plain per-pixel
// four-channel counting loop, the same loop over 8 sub-histograms (8 bits),
// and OpenCV's calcHist (with cvtColor for HSV and Lab) when it is there.
// After the run, each kernel's speed is printed as ratios to them, with the
// processor's name. Every rate is per wall-clock second.
#include "effect/color/zelColorModel.h"
#include "effect/color/zelHistogramAccumulator.h"
#include "effect/color/zelSampleKernel.h"
#include "effect/plugin/zelRowBands.h"
#include "standalone/emulator/yIteratePool.h"

#include <benchmark/benchmark.h>
#ifdef TONESCOPE_BENCH_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

#include <fstream>

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

// A small deep region (side x side of the random frame, HSV), as a region or
// a small layer is rendered: its samples straight into the bins, as a
// render's first ones go, against the deep counters from the first sample
// on (asking for them first keeps them in use).
void SmallDeepRegion(benchmark::State& state, bool counters)
{
    const int side = static_cast<int>(state.range(0));
    std::vector<PF_Pixel16> const& frame = Frame<PF_Pixel16>(false);
    zelSampleKernel kernel;
    zelHistogramAccumulator acc;
    kernel.SetModel(kModelHSV, true);
    for (auto _ : state)
    {
        acc.Prepare(zelHistogramAccumulator::kHighest16);
        if (counters)
            acc.KernelCounters(true);
        for (int y = 0; y < side; ++y)
            kernel.AddRow(&frame[size_t(y) * kWidth], side, acc);
        acc.ComputeStatistics();
        benchmark::DoNotOptimize(acc.GetStats(0));
    }
}

// All threads: the frame's rows in bands over the host's iteration pool,
// each band into its own accumulator, merged before the statistics, as the
// render does.
template <class P> struct BandJob
{
    const zelSampleKernel* kernel;
    const P* frame;
    zelRowBands* bands;
    uint32_t highest;
};

template <class P> PF_Err CountBand(void* refcon, A_long, A_long band, A_long threads)
{
    const auto& job = *static_cast<const BandJob<P>*>(refcon);
    const int bands = zelRowBands::Count(kHeight, kWidth, threads);
    if (band >= bands) return PF_Err_NONE;
    zelHistogramAccumulator* acc = job.bands->Prepare(band, job.highest);
    if (!acc) return PF_Err_OUT_OF_MEMORY;
    int32_t first = 0, end = 0;
    zelRowBands::Rows(band, bands, 0, kHeight, first, end);
    for (int32_t y = first; y < end; ++y)
        job.kernel->AddRow(&job.frame[size_t(y) * kWidth], kWidth, *acc);
    return PF_Err_NONE;
}

template <class P> void Threads(benchmark::State& state, short model, bool ramp)
{
    constexpr bool deep = sizeof(P) == 8;
    const uint32_t highest = deep ? zelHistogramAccumulator::kHighest16 : zelHistogramAccumulator::kHighest8;
    zelSampleKernel kernel;
    zelHistogramAccumulator acc;
    zelRowBands bands;
    kernel.SetModel(model, deep);
    BandJob<P> job{&kernel, Frame<P>(ramp).data(), &bands, highest};
    for (auto _ : state)
    {
        acc.Prepare(highest);
        yStandalone::yIteratePool::Instance().Run(PF_Iterations_ONCE_PER_PROCESSOR, &job, CountBand<P>);
        const int threads = yStandalone::yIteratePool::Instance().ThreadCount();
        bands.MergeInto(acc, zelRowBands::Count(kHeight, kWidth, threads));
        acc.ComputeStatistics();
        benchmark::DoNotOptimize(acc.GetStats(0));
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}

// The plain per-pixel four-channel counting loop; with sub > 1, pixel i goes
// to sub-histogram i % sub, so that equal neighbours do not wait on each
// other's stores. The sub-histograms are summed at the end.
template <class P, int sub> void Plain(benchmark::State& state, bool ramp)
{
    constexpr size_t span = sizeof(P) == 8 ? 65536 : 256;
    std::vector<P> const& frame = Frame<P>(ramp);
    std::vector<uint32_t> counts(static_cast<size_t>(sub) * 4 * span);
    std::vector<uint32_t> sum(4 * span);
    for (auto _ : state)
    {
        std::fill(counts.begin(), counts.end(), 0u);
        uint32_t* c = counts.data();
        for (int64_t i = 0; i + sub <= kPixels; i += sub)
            for (int k = 0; k < sub; ++k)
            {
                const P& p = frame[i + k];
                uint32_t* h = c + size_t(k) * 4 * span;
                ++h[p.red];
                ++h[span + p.green];
                ++h[2 * span + p.blue];
                ++h[3 * span + p.alpha];
            }
        for (size_t j = 0; j < 4 * span; ++j)
        {
            uint32_t total = 0;
            for (int k = 0; k < sub; ++k)
                total += c[size_t(k) * 4 * span + j];
            sum[j] = total;
        }
        benchmark::DoNotOptimize(sum.data());
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}

#ifdef TONESCOPE_BENCH_OPENCV
// OpenCV's calcHist on the four channels of the frame (as RGBA), after a
// cvtColor into HSV or Lab when one is given (8 bits only; those
// conversions take no 16-bit input). Our pixels lie alpha first, so OpenCV
// converts alpha, red and green as if they were red, green and blue: the
// same work on other numbers.
template <class P> void OpenCV(benchmark::State& state, int conversion, bool ramp)
{
    constexpr bool deep = sizeof(P) == 8;
    std::vector<P> const& frame = Frame<P>(ramp);
    const cv::Mat image(kHeight, kWidth, deep ? CV_16UC4 : CV_8UC4, const_cast<P*>(frame.data()));
    const int bins = deep ? 32769 : 256;
    const float range[] = {0.0f, float(bins)};
    const float* ranges[] = {range};
    cv::Mat converted, hist;
    for (auto _ : state)
    {
        const cv::Mat* source = &image;
        if (conversion >= 0)
        {
            cv::cvtColor(image, converted, conversion);
            source = &converted;
        }
        for (int k = 0; k < 4; ++k)
        {
            // The converted image has three channels; alpha comes from the frame.
            const cv::Mat& from = k < source->channels() ? *source : image;
            cv::calcHist(&from, 1, &k, cv::Mat(), hist, 1, &bins, ranges);
            benchmark::DoNotOptimize(hist.data);
        }
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}
#endif

std::string ProcessorName()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line))
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    return "an unknown processor";
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
// medians, with the spread of the kernel's own repetitions. One-thread rates
// are per CPU second of the benchmark's thread, which leaves out the time
// other processes take on a shared machine; the threaded rates, and their
// ratio to one thread, are per wall-clock second.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(std::vector<Run> const& runs) override
    {
        for (Run const& r : runs)
        {
            if (r.run_type != Run::RT_Iteration || r.iterations == 0)
                continue;
            const std::string& name = r.run_name.function_name; // without "/real_time"
            const double pixels = double(r.iterations) * double(kPixels);
            m_wall[name].push_back(pixels / r.real_accumulated_time);
            m_rates[name].push_back(name.rfind("Threads/", 0) == 0 ? pixels / r.real_accumulated_time
                                                                   : pixels / r.cpu_accumulated_time);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const
    {
        std::printf("\n%s, %d threads; medians of the repetitions in Mpix/s, one thread per CPU second, all "
                    "threads per wall-clock second\n",
                    ProcessorName().c_str(), yStandalone::yIteratePool::Instance().ThreadCount());
        std::printf("%-18s %8s %12s %8s %8s %7s %7s %7s %7s %7s\n", "kernel", "1 thread", "spread", "all",
                    "x 1 thr", "x once", "x plain", "x sub8", "x cv", "all x cv");
        for (auto const& [name, rates] : m_rates)
        {
            if (name.rfind("Kernel/", 0) != 0)
                continue;
            const std::string rest = name.substr(7); // depth/pattern/model
            const std::string frame = rest.substr(0, rest.rfind('/'));
            const double rate = Median(rates);
            const double all = Median("Threads/" + rest);
            const double scaling = Ratio(Median(m_wall, "Threads/" + rest), Median(m_wall, name));
            const auto [low, high] = std::minmax_element(rates.begin(), rates.end());
            const double cv = Median("OpenCV/" + rest);
            std::printf("%-18s %8.1f %5.0f-%-6.0f %8.1f %8.2f %7.3f %7.2f %7s %7s %7s\n", rest.c_str(), rate / 1e6,
                        *low / 1e6, *high / 1e6, all / 1e6, scaling, Ratio(rate, Median("ReadOnce/" + frame)),
                        Ratio(rate, Median("Plain/" + frame)), Show(Ratio(rate, Median("Sub8/" + frame))).c_str(),
                        Show(Ratio(rate, cv)).c_str(), Show(Ratio(all, cv)).c_str());
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

    static double Median(std::map<std::string, std::vector<double>> const& rates, std::string const& name)
    {
        auto it = rates.find(name);
        return it == rates.end() ? 0.0 : Median(it->second);
    }
    double Median(std::string const& name) const { return Median(m_rates, name); }

    static double Ratio(double a, double b) { return a > 0 && b > 0 ? a / b : 0.0; }
    static std::string Show(double ratio)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%.2f", ratio);
        return ratio > 0 ? text : "-";
    }

    std::map<std::string, std::vector<double>> m_rates; // CPU time, wall-clock for the threaded rows
    std::map<std::string, std::vector<double>> m_wall;
};

void Register()
{
    std::vector<benchmark::internal::Benchmark*> all;
    auto add = [&all](benchmark::internal::Benchmark* b) { all.push_back(b); };
    for (int depth : {8, 16})
        for (bool ramp : {false, true})
        {
            const std::string frame = std::to_string(depth) + (ramp ? "/ramp" : "/random");
            const bool deep = depth == 16;
            add(deep ? benchmark::RegisterBenchmark(("ReadOnce/" + frame).c_str(), ReadOnce<PF_Pixel16>, ramp)
                     : benchmark::RegisterBenchmark(("ReadOnce/" + frame).c_str(), ReadOnce<PF_Pixel>, ramp));
            add(deep ? benchmark::RegisterBenchmark(("Plain/" + frame).c_str(), Plain<PF_Pixel16, 1>, ramp)
                     : benchmark::RegisterBenchmark(("Plain/" + frame).c_str(), Plain<PF_Pixel, 1>, ramp));
            if (!deep)
                add(benchmark::RegisterBenchmark(("Sub8/" + frame).c_str(), Plain<PF_Pixel, 8>, ramp));
#ifdef TONESCOPE_BENCH_OPENCV
            if (deep)
                add(benchmark::RegisterBenchmark(("OpenCV/" + frame + "/RGB").c_str(), OpenCV<PF_Pixel16>, -1, ramp));
            else
            {
                add(benchmark::RegisterBenchmark(("OpenCV/" + frame + "/RGB").c_str(), OpenCV<PF_Pixel>, -1, ramp));
                add(benchmark::RegisterBenchmark(("OpenCV/" + frame + "/HSV").c_str(), OpenCV<PF_Pixel>,
                                                 int(cv::COLOR_RGB2HSV_FULL), ramp));
                add(benchmark::RegisterBenchmark(("OpenCV/" + frame + "/Lab").c_str(), OpenCV<PF_Pixel>,
                                                 int(cv::COLOR_RGB2Lab), ramp));
            }
#endif
            for (short model = kModelRGB; model <= kModelCount; ++model)
            {
                const std::string name = frame + "/" + kModelNames[model - 1];
                if (deep)
                {
                    add(benchmark::RegisterBenchmark(("Kernel/" + name).c_str(), Kernel<PF_Pixel16>, model, ramp));
                    add(benchmark::RegisterBenchmark(("Threads/" + name).c_str(), Threads<PF_Pixel16>, model, ramp));
                    add(benchmark::RegisterBenchmark(("Reference/" + name).c_str(), Reference<PF_Pixel16>, model,
                                                     ramp));
                }
                else
                {
                    add(benchmark::RegisterBenchmark(("Kernel/" + name).c_str(), Kernel<PF_Pixel>, model, ramp));
                    add(benchmark::RegisterBenchmark(("Threads/" + name).c_str(), Threads<PF_Pixel>, model, ramp));
                    add(benchmark::RegisterBenchmark(("Reference/" + name).c_str(), Reference<PF_Pixel>, model,
                                                     ramp));
                }
            }
        }
    for (bool counters : {false, true})
        add(benchmark::RegisterBenchmark(counters ? "SmallDeep/counters" : "SmallDeep/direct", SmallDeepRegion,
                                         counters)
                ->Arg(16)
                ->Arg(64)
                ->Arg(128));
    // The threaded rows are worth comparing only in wall-clock time.
    for (benchmark::internal::Benchmark* b : all)
        b->UseRealTime();
}
} // namespace

int main(int argc, char** argv)
{
#ifdef TONESCOPE_BENCH_OPENCV
    cv::setNumThreads(1); // the peer of the one-thread kernel
#endif
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
