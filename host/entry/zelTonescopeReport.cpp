// The report a POSIX host asks for after a render: what the instance's panel
// counted and shows, read from the live data object behind its sequence data.
#include "host/sdk/ZT_HistogramReport.h"
#include "effect/color/zelColorModel.h"
#include "host/bridge/yAEPluginWithData.h"
#include "effect/plugin/zelTonescopeData.h"
#include "effect/plugin/zelTonescopePlugin.h"

#include <cstdio>
#include <cstring>

namespace
{
using namespace zelTonescope;

void CopyText(char* dst, size_t size, const char* src)
{
    std::snprintf(dst, size, "%s", src ? src : "");
}

// The n-th name (from 1) of a "|"-separated choice list.
void ChoiceName(char* dst, size_t size, const char* choices, int n)
{
    dst[0] = '\0';
    for (int k = 1; *choices; ++k)
    {
        const char* end = std::strchr(choices, '|');
        const size_t length = end ? size_t(end - choices) : std::strlen(choices);
        if (k == n)
        {
            const size_t kept = length < size - 1 ? length : size - 1;
            std::memcpy(dst, choices, kept);
            dst[kept] = '\0';
            return;
        }
        if (!end) return;
        choices = end + 1;
    }
}

zelTonescopeData* LiveData(PF_Handle handle)
{
    if (!handle || !*handle) return nullptr;
    const auto* block = static_cast<const yAE::LiveBlock*>(*handle);
    if (block->tag != yAE::kLiveTag || !yAE::LiveObjects::Contains(block->object)) return nullptr;
    return static_cast<zelTonescopeData*>(block->object);
}
} // namespace

extern "C" __attribute__((visibility("default"))) int32_t zelTonescopeReport(PF_Handle sequence_data,
                                                                              ZT_HistogramReport* report,
                                                                              uint32_t* counts,
                                                                              uint32_t count_capacity)
{
    if (!report) return ZT_HistogramReport_BAD_ARGUMENT;
    zelTonescopeData* data = LiveData(sequence_data);
    if (!data) return ZT_HistogramReport_NO_DATA;

    std::memset(report, 0, sizeof *report);
    report->version = ZT_HistogramReport_VERSION;
    zelTonescopeUI& panel = data->GetPanel();
    const short model = panel.GetHistogram().GetColorModel();
    report->model = model;
    ChoiceName(report->model_name, sizeof report->model_name, kColorModelChoices, model);

    const zelSampleRect& rect = data->GetLastRect();
    report->top = rect.top;
    report->left = rect.left;
    report->bottom = rect.bottom;
    report->right = rect.right;

    const zelHistogramAccumulator& acc = panel.GetAccumulator();
    const bool valid = acc.HasBins() && acc.IsValid();
    report->bin_count = valid ? acc.GetBinCount() : 0;
    report->depth = !valid ? 0 : acc.GetBinCount() > 256 ? 16 : 8;
    report->total = valid ? acc.GetTotal() : 0;
    for (int k = 0; k < 4; ++k)
    {
        ZT_ChannelReport& channel = report->channels[k];
        CopyText(channel.name, sizeof channel.name, zelColorModel::Caption(model, k).name);
        const zelChannelStats& stats = acc.GetStats(k);
        const bool empty = !valid || stats.first < 0;
        channel.first = empty ? -1 : stats.first;
        channel.last = empty ? -1 : stats.last;
        channel.peak_bin = empty ? -1 : int32_t(stats.peakBin);
        channel.peak_count = empty ? 0 : stats.peakCount;
    }
    CopyText(report->status_line, sizeof report->status_line, panel.GetStatusLine().GetText());

    if (counts && valid && uint64_t(count_capacity) >= uint64_t(report->bin_count) * 4)
    {
        const zelHistogramBin* bins = acc.GetBins();
        for (uint32_t b = 0; b < report->bin_count; ++b)
            for (int k = 0; k < 4; ++k) counts[size_t(b) * 4 + k] = bins[b].count[k];
    }
    return 0;
}
