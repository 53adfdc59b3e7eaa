// A POSIX extension of the host interface: the module reports the histogram,
// statistics and status line of an instance's last render, so that a host can
// write them to files. The host finds the function by its fixed name with
// dlsym and passes the instance's sequence data in its live form.
#pragma once

#include "host/sdk/AE_Effect.h"

#include <stdint.h>

extern "C"
{

#define ZT_HistogramReport_SYMBOL "zelTonescopeReport"
#define ZT_HistogramReport_VERSION 2u

    typedef struct ZT_ChannelReport
    {
        char name[32]; // the channel's long name, as "Hue"
        int32_t first; // first bin with a count, -1 when the channel is empty
        int32_t last;  // last bin with a count, -1 when empty
        int32_t peak_bin;
        uint32_t peak_count;
        int32_t shown; // 1 when the panel's toggle shows the channel
        // The panel's colour of a column holding only this channel at each
        // 8-bit value: red, green, blue.
        uint8_t bar_color[256][3];
    } ZT_ChannelReport;

    typedef struct ZT_HistogramReport
    {
        uint32_t version;     // ZT_HistogramReport_VERSION
        int32_t model;        // colour model number, 1 to 11
        char model_name[16];  // as the model popup shows it
        int32_t depth;        // 8 or 16; 0 before the first render
        uint32_t bin_count;   // 256 or 32769; 0 before the first render
        int32_t top, left, bottom, right; // the last render's sample rectangle
        uint32_t total;       // pixels sampled
        ZT_ChannelReport channels[4];
        char status_line[256]; // the panel's status text, UTF-8
    } ZT_HistogramReport;

    // Error codes of the report function.
#define ZT_HistogramReport_NO_DATA 1     // the handle holds no live instance
#define ZT_HistogramReport_BAD_ARGUMENT 2

    // Fills report; when counts is not null and count_capacity is at least
    // 4 x bin_count, also the counts: bin after bin, channels A to D.
    typedef int32_t (*ZT_HistogramReportFunc)(PF_Handle sequence_data, ZT_HistogramReport* report,
                                              uint32_t* counts, uint32_t count_capacity);
}
