#include "effect/color/zelSampleKernel.h"

#include "effect/color/zelColorFormulas.h"
#include "effect/color/zelColorModel.h"
#include "effect/color/zelSampleKernelTables.h"

#include <cstring>
#include <new>

namespace zelTonescope
{
namespace
{
using namespace zelColorFormulas;
using namespace zelSampleKernelDetail;
typedef zelSampleKernel::Tables Tables;
typedef zelHistogramAccumulator Acc;

constexpr int kLanes8 = Acc::kLanes;

// Counts converted pixels (words: D in the low byte, then A, B, C). A run
// of equal pixels (common in flat areas and ramps) is added at once; runs go
// to the counter sets in turn, so that equal values in neighbouring runs (a
// flat alpha under changing colours) never wait on each other's stores.
void Count8(const void* pixels, int n, uint32_t* counters)
{
    constexpr uint32_t span = 256;
    constexpr uint32_t laneSize = Acc::kChannels * span;
    const unsigned char* bytes = static_cast<const unsigned char*>(pixels);
    auto word = [bytes](int i) {
        uint32_t v;
        std::memcpy(&v, bytes + 4 * i, 4);
        return v;
    };
    uint32_t previous = word(0), run = 0, lane = 0;
    auto add = [counters](uint32_t lane, uint32_t v, uint32_t run) {
        uint32_t* c = counters + lane * laneSize;
        c[3 * span + (v & 255)] += run;
        c[(v >> 8) & 255] += run;
        c[span + ((v >> 16) & 255)] += run;
        c[2 * span + (v >> 24)] += run;
    };
    for (int i = 0; i < n; ++i)
    {
        const uint32_t v = word(i);
        if (v == previous)
        {
            ++run;
            continue;
        }
        add(lane, previous, run);
        lane = (lane + 1) & (kLanes8 - 1);
        previous = v;
        run = 1;
    }
    add(lane, previous, run);
}

// Counts one plane of 16-bit values. Where at least a quarter of the values
// repeat their neighbour (flat alpha, a row of a vertical ramp), equal
// neighbours add up in a register and a whole run costs one store;
// elsewhere each value is counted as it comes.
void CountPlane(const int32_t* v, int n, uint32_t* counts)
{
    int equal = 0;
    for (int i = 1; i < n; ++i)
        equal += uint16_t(v[i]) == uint16_t(v[i - 1]);
    if (equal * 4 < n)
    {
        for (int i = 0; i < n; ++i)
            ++counts[static_cast<uint16_t>(v[i])];
        return;
    }
    uint32_t previous = static_cast<uint16_t>(v[0]), run = 0;
    for (int i = 0; i < n; ++i)
    {
        const uint32_t value = static_cast<uint16_t>(v[i]);
        if (value == previous)
        {
            ++run;
            continue;
        }
        counts[previous] += run;
        previous = value;
        run = 1;
    }
    counts[previous] += run;
}

// RGB needs no conversion: count the pixels where they lie, each channel
// with its own run of equal values.
void CountPixels16(const PF_Pixel16* p, int n, uint32_t* counts)
{
    constexpr uint32_t span = 65536;
    uint32_t value[4] = {p[0].red, p[0].green, p[0].blue, p[0].alpha};
    uint32_t run[4] = {0, 0, 0, 0};
    for (int i = 0; i < n; ++i)
    {
        const uint32_t v[4] = {p[i].red, p[i].green, p[i].blue, p[i].alpha};
        for (int k = 0; k < 4; ++k)
        {
            if (v[k] == value[k])
            {
                ++run[k];
                continue;
            }
            counts[k * span + value[k]] += run[k];
            value[k] = v[k];
            run[k] = 1;
        }
    }
    for (int k = 0; k < 4; ++k)
        counts[k * span + value[k]] += run[k];
}

void AddPlanes(const Planes& p, int n, Acc& acc)
{
    for (int i = 0; i < n; ++i)
        acc.AddSample(uint16_t(p.r[i]), uint16_t(p.g[i]), uint16_t(p.b[i]), uint16_t(p.a[i]));
}

void Split(const PF_Pixel16* in, int n, Planes& p)
{
    for (int i = 0; i < n; ++i)
    {
        p.a[i] = in[i].alpha;
        p.r[i] = in[i].red;
        p.g[i] = in[i].green;
        p.b[i] = in[i].blue;
    }
}

// Components are stored as 16 bits: sums past the range wrap round.
void Join(Planes const& p, int n, PF_Pixel16* out)
{
    for (int i = 0; i < n; ++i)
    {
        out[i].alpha = static_cast<A_u_short>(p.a[i]);
        out[i].red = static_cast<A_u_short>(p.r[i]);
        out[i].green = static_cast<A_u_short>(p.g[i]);
        out[i].blue = static_cast<A_u_short>(p.b[i]);
    }
}
} // namespace

namespace zelSampleKernelDetail
{
void Prepare16(Tables& t, short model)
{
    if (model != kModelLab && model != kModelLuv)
        return;
    const size_t n = kFull16 + 1;
    t.lum16.resize(n);
    t.lightness16.resize(n);
    for (size_t v = 0; v < n; ++v)
    {
        t.lum16[v] = Lightness(v / 32768.0);
        t.lightness16[v] = static_cast<uint16_t>(StoreUnit(t.lum16[v] / 100.0, kFull16));
    }
    if (model != kModelLab)
        return;
    t.curveX16.resize(n);
    t.curveY16.resize(n);
    t.curveZ16.resize(n);
    for (size_t v = 0; v < n; ++v)
    {
        t.curveX16[v] = LabCurve(v / 32768.0 / kWhiteX);
        t.curveY16[v] = LabCurve(v / 32768.0);
        t.curveZ16[v] = LabCurve(v / 32768.0 / kWhiteZ);
    }
}
} // namespace zelSampleKernelDetail

zelSampleKernel::zelSampleKernel() = default;
zelSampleKernel::~zelSampleKernel() = default;

bool zelSampleKernel::SetModel(short model, bool deep)
{
    if (model < kModelRGB || model > kModelCount)
        model = kModelRGB;
    if (m_ready && model == m_model && deep == m_deep)
        return true;
    m_ready = false;
    try
    {
        m_tables.reset(new Tables());
        if (deep)
            Prepare16(*m_tables, model);
        else
            m_tables->convert8 = Prepare8(*m_tables, model);
    }
    catch (std::bad_alloc const&)
    {
        m_tables.reset();
        return false;
    }
    m_model = model;
    m_deep = deep;
    m_ready = true;
    return true;
}

bool zelSampleKernel::AddRow(const PF_Pixel* in, int32_t count, zelHistogramAccumulator& acc, PF_Pixel* out) const
{
    if (!m_ready || m_deep)
        return false;
    if (count <= 0 || in == nullptr)
        return true;
    uint32_t* counters = nullptr;
    if (acc.HasBins())
    {
        counters = acc.KernelCounters(false);
        if (counters == nullptr)
            return false;
    }
    const Convert8 convert = m_tables->convert8;
    if (convert == nullptr)
    {
        // RGB: nothing to convert, so count the pixels where they lie.
        if (counters)
        {
            Count8(in, count, counters);
            acc.AddToTotal(static_cast<uint32_t>(count));
        }
        if (out && out != in)
            std::memmove(out, in, sizeof(PF_Pixel) * count);
        return true;
    }
    uint32_t source[kChunk], converted[kChunk];
    for (int32_t i = 0; i < count; i += kChunk)
    {
        const int n = count - i < kChunk ? count - i : kChunk;
        std::memcpy(source, in + i, sizeof(uint32_t) * n);
        convert(*m_tables, source, converted, n);
        if (counters)
            Count8(converted, n, counters);
        if (out)
            std::memcpy(out + i, converted, sizeof(uint32_t) * n);
    }
    if (counters)
        acc.AddToTotal(static_cast<uint32_t>(count));
    return true;
}

bool zelSampleKernel::AddRow(const PF_Pixel16* in, int32_t count, zelHistogramAccumulator& acc, PF_Pixel16* out) const
{
    if (!m_ready || !m_deep)
        return false;
    if (count <= 0 || in == nullptr)
        return true;
    const bool direct = acc.HasBins() && acc.CountsDeepDirectly(count);
    uint32_t* counters = nullptr;
    if (acc.HasBins() && !direct)
    {
        counters = acc.KernelCounters(true);
        if (counters == nullptr)
            return false;
    }
    constexpr uint32_t span = 65536;
    if (m_model == kModelRGB)
    {
        // Nothing to convert, so count the pixels where they lie.
        for (int32_t i = 0; direct && i < count; ++i)
            acc.AddSample(in[i].red, in[i].green, in[i].blue, in[i].alpha);
        if (counters)
        {
            CountPixels16(in, count, counters);
            acc.AddToTotal(static_cast<uint32_t>(count));
        }
        if (out && out != in)
            std::memmove(out, in, sizeof(PF_Pixel16) * count);
        return true;
    }
    Planes planes;
    for (int32_t i = 0; i < count; i += kChunk)
    {
        const int n = count - i < kChunk ? count - i : kChunk;
        Split(in + i, n, planes);
        ConvertPlanes16(*m_tables, m_model, planes, n);
        if (direct)
            AddPlanes(planes, n, acc);
        else if (counters)
        {
            CountPlane(planes.r, n, counters);
            CountPlane(planes.g, n, counters + span);
            CountPlane(planes.b, n, counters + 2 * span);
            CountPlane(planes.a, n, counters + 3 * span);
        }
        if (out)
            Join(planes, n, out + i);
    }
    if (counters)
        acc.AddToTotal(static_cast<uint32_t>(count));
    return true;
}
} // namespace zelTonescope
