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

// Counts converted pixels (words: D in the low byte, then A, B, C). Pixel i
// goes to counter set i % 4, so runs of equal values never wait on each other.
void Count8(const uint32_t* w, int n, uint32_t* counters)
{
    constexpr uint32_t span = 256;
    uint32_t* lane[kLanes8];
    for (int l = 0; l < kLanes8; ++l)
        lane[l] = counters + l * Acc::kChannels * span;
    int i = 0;
    for (; i + kLanes8 <= n; i += kLanes8)
        for (int l = 0; l < kLanes8; ++l)
        {
            const uint32_t v = w[i + l];
            ++lane[l][3 * span + (v & 255)];
            ++lane[l][(v >> 8) & 255];
            ++lane[l][span + ((v >> 16) & 255)];
            ++lane[l][2 * span + (v >> 24)];
        }
    for (; i < n; ++i)
    {
        const uint32_t v = w[i];
        ++lane[0][3 * span + (v & 255)];
        ++lane[0][(v >> 8) & 255];
        ++lane[0][span + ((v >> 16) & 255)];
        ++lane[0][2 * span + (v >> 24)];
    }
}

// Counts one plane of 16-bit values. Equal neighbours (flat alpha, a row of
// a vertical ramp) add up in a register, and a whole run costs one store.
void CountPlane(const int32_t* v, int n, uint32_t* counts)
{
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

bool zelSampleKernel::AddRow(const PF_Pixel* in, int32_t count, zelHistogramAccumulator& acc, PF_Pixel* out)
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
    uint32_t source[kChunk], converted[kChunk];
    for (int32_t i = 0; i < count; i += kChunk)
    {
        const int n = count - i < kChunk ? count - i : kChunk;
        std::memcpy(source, in + i, sizeof(uint32_t) * n);
        const uint32_t* result = source;
        if (convert)
        {
            convert(*m_tables, source, converted, n);
            result = converted;
        }
        if (counters)
            Count8(result, n, counters);
        if (out)
            std::memcpy(out + i, result, sizeof(uint32_t) * n);
    }
    if (counters)
        acc.AddToTotal(static_cast<uint32_t>(count));
    return true;
}

bool zelSampleKernel::AddRow(const PF_Pixel16* in, int32_t count, zelHistogramAccumulator& acc, PF_Pixel16* out)
{
    if (!m_ready || !m_deep)
        return false;
    if (count <= 0 || in == nullptr)
        return true;
    uint32_t* counters = nullptr;
    if (acc.HasBins())
    {
        counters = acc.KernelCounters(true);
        if (counters == nullptr)
            return false;
    }
    constexpr uint32_t span = 65536;
    Planes planes;
    for (int32_t i = 0; i < count; i += kChunk)
    {
        const int n = count - i < kChunk ? count - i : kChunk;
        Split(in + i, n, planes);
        ConvertPlanes16(*m_tables, m_model, planes, n);
        if (counters)
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
