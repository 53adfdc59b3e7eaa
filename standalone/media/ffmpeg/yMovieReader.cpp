#include "standalone/media/ffmpeg/yMovieReader.h"

extern "C"
{
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

namespace yStandalone
{
namespace
{
// Larger frames than any image this host takes by default.
constexpr int64_t kMostPixels = int64_t(1) << 26;

std::string AvError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

struct yFormatCloser
{
    void operator()(AVFormatContext* f) const { avformat_close_input(&f); }
};
struct yCodecFreer
{
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct yFrameFreer
{
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct yPacketFreer
{
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct yScaleFreer
{
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};
using yFormat = std::unique_ptr<AVFormatContext, yFormatCloser>;

// Demuxers of still pictures: those files are images, for the other readers.
bool IsStill(const AVInputFormat* format)
{
    const std::string name = format->name;
    return name == "image2" || name == "gif" || name == "apng" ||
           (name.size() > 5 && name.compare(name.size() - 5, 5, "_pipe") == 0);
}

bool OpenFormat(const std::string& path, yFormat& format, std::string& why)
{
    AVFormatContext* opened = nullptr;
    const int failed = avformat_open_input(&opened, path.c_str(), nullptr, nullptr);
    format.reset(opened);
    if (failed < 0) why = AvError(failed);
    return failed >= 0;
}

// A packet of the video stream as the scan of the file met it.
struct yPacketTime
{
    int64_t pts, dts;
    bool key;
};

// What a scan of a movie found, kept for the process: a run opens the same
// movie several times (to find the shot, for its set-up, for the timeline),
// and a scan reads the whole file. A file changed since is scanned again.
struct yScanKey
{
    std::string path;
    uintmax_t size = 0;
    int64_t written = 0;
    int stream = 0;
    bool operator==(const yScanKey& o) const
    {
        return path == o.path && size == o.size && written == o.written && stream == o.stream;
    }
};
struct yScan
{
    int frames = 0;
    bool sequential = false;
    std::vector<int64_t> times;
    std::vector<yPacketTime> keys;
};
constexpr size_t kKeptScans = 8;
std::mutex g_scansLock;
std::vector<std::pair<yScanKey, yScan>> g_scans;

class yMovieReader : public yImageReader
{
  public:
    yMovieReader(std::string path, yFormat format) : m_path(std::move(path)), m_format(std::move(format)) {}

    // Finds the video stream, its decoder and its frames; false with why
    // empty when the file holds no moving pictures.
    bool Open(std::string& why)
    {
        const int found = avformat_find_stream_info(m_format.get(), nullptr);
        if (found < 0) return Fail(why, "its streams cannot be read: " + AvError(found));
        const AVCodec* decoder = nullptr;
        m_stream = av_find_best_stream(m_format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
        if (m_stream < 0) return false;
        const AVStream* stream = m_format->streams[m_stream];
        if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) return false;
        if (!decoder) return Fail(why, "no decoder here reads its video");
        m_codec.reset(avcodec_alloc_context3(decoder));
        m_frame.reset(av_frame_alloc());
        m_packet.reset(av_packet_alloc());
        if (!m_codec || !m_frame || !m_packet) return Fail(why, "memory ran out");
        avcodec_parameters_to_context(m_codec.get(), stream->codecpar);
        // A worker is one thread; --jobs spreads the frames over the cores.
        m_codec->thread_count = 1;
        const int opened = avcodec_open2(m_codec.get(), decoder, nullptr);
        if (opened < 0) return Fail(why, "its video cannot be decoded: " + AvError(opened));
        if (!Scan(why)) return false;
        if (m_times.empty()) return Fail(why, "it holds no frame that can be read");
        m_layout.movie = true;
        m_layout.frames = m_frames;
        return Seek(0, why);
    }

    const yImageLayout& Layout() const override { return m_layout; }

    bool Seek(int frame, std::string& why) override
    {
        if (frame == m_at) return true;
        m_at = -1;
        if (frame < 0 || frame >= m_frames) return Fail(why, "it has no frame " + std::to_string(frame));
        if (size_t(frame) >= m_times.size())
            return Fail(why, "the file ends before it");
        const int64_t target = m_times[size_t(frame)];
        // Decoding on is cheaper than seeking while the frame is near.
        const bool onward = m_last != AV_NOPTS_VALUE && m_last < target && KeyOf(target) <= KeyOf(m_last) + 1;
        if (!onward && !GoTo(KeyOf(target), why)) return false;
        int found = Decode(target, why);
        if (found < 0 && onward)
        {
            if (!GoTo(KeyOf(target), why)) return false;
            found = Decode(target, why);
        }
        if (found < 0)
        {
            // The demuxer may seek past the keyframe: from the start, once.
            if (!GoTo(-1, why)) return false;
            found = Decode(target, why);
        }
        if (found <= 0)
        {
            m_last = AV_NOPTS_VALUE;
            if (found < 0) why = "frame " + std::to_string(frame) + " is not where its time says";
            return false;
        }
        if (!Convert(why)) return false;
        m_at = frame;
        return true;
    }

    bool ReadRow(int y, void* row, std::string& why) override
    {
        if (m_at < 0 || y < 0 || y >= m_layout.height) return Fail(why, "it has no row " + std::to_string(y));
        std::copy_n(m_pixels.data() + size_t(y) * m_stride, m_rowBytes, static_cast<uint8_t*>(row));
        return true;
    }

  private:
    static bool Fail(std::string& why, std::string text)
    {
        why = std::move(text);
        return false;
    }

    static int Broken(std::string& why, std::string text)
    {
        why = std::move(text);
        return 0;
    }

    // The frames' times and keyframes, from the scan kept for this file when
    // an earlier reader made one, else from a scan of the file now.
    bool Scan(std::string& why)
    {
        for (unsigned s = 0; s < m_format->nb_streams; ++s)
            if (int(s) != m_stream) m_format->streams[s]->discard = AVDISCARD_ALL;
        std::error_code failed;
        const auto size = std::filesystem::file_size(m_path, failed);
        const auto written = std::filesystem::last_write_time(m_path, failed);
        const yScanKey key{m_path, failed ? 0 : uintmax_t(size),
                           failed ? 0 : int64_t(written.time_since_epoch().count()), m_stream};
        std::lock_guard<std::mutex> hold(g_scansLock);
        for (const auto& [kept, scan] : g_scans)
            if (!failed && kept == key)
            {
                m_frames = scan.frames;
                m_sequential = scan.sequential;
                m_times = scan.times;
                m_keys = scan.keys;
                return true;
            }
        if (!ScanFile(why)) return false;
        if (failed) return true;
        if (g_scans.size() >= kKeptScans) g_scans.erase(g_scans.begin());
        g_scans.push_back({key, {m_frames, m_sequential, m_times, m_keys}});
        return true;
    }

    // Reads the packets of the video stream once, without decoding, for the
    // frames' times in presentation order and the keyframes in decode order.
    bool ScanFile(std::string& why)
    {
        std::vector<yPacketTime> packets;
        bool timed = true;
        int read;
        while ((read = av_read_frame(m_format.get(), m_packet.get())) >= 0)
        {
            const AVPacket& p = *m_packet;
            if (p.stream_index == m_stream)
            {
                packets.push_back({p.pts, p.dts, (p.flags & AV_PKT_FLAG_KEY) != 0});
                timed = timed && p.pts != AV_NOPTS_VALUE;
            }
            av_packet_unref(m_packet.get());
        }
        const int64_t claimed = m_format->streams[m_stream]->nb_frames;
        if (packets.empty() || claimed > INT_MAX || packets.size() > size_t(INT_MAX))
            return Fail(why, packets.empty() ? "it holds no frame that can be read" : "it has too many frames");
        m_frames = int(std::max<int64_t>(claimed, int64_t(packets.size())));
        if (!timed)
        {
            // Without times the frames are counted as the decoder gives them.
            m_sequential = true;
            for (size_t k = 0; k < packets.size(); ++k)
                m_times.push_back(int64_t(k));
            m_keys.push_back({INT64_MIN, INT64_MIN, true});
            return true;
        }
        for (const yPacketTime& p : packets)
        {
            m_times.push_back(p.pts);
            if (p.key) m_keys.push_back(p);
        }
        std::sort(m_times.begin(), m_times.end());
        if (m_keys.empty() || m_keys.front().pts > m_times.front()) m_keys.insert(m_keys.begin(), {INT64_MIN, INT64_MIN, true});
        return true;
    }

    // The last keyframe in decode order shown at or before time t.
    int KeyOf(int64_t t) const
    {
        for (size_t k = m_keys.size(); k-- > 0;)
            if (m_keys[k].pts <= t) return int(k);
        return 0;
    }

    // Puts the demuxer at keyframe k, or at the start of the file for -1 and
    // for a keyframe without a time.
    bool GoTo(int key, std::string& why)
    {
        avcodec_flush_buffers(m_codec.get());
        m_last = AV_NOPTS_VALUE;
        m_shown = 0;
        m_draining = false;
        if (key >= 0 && m_keys[size_t(key)].dts != INT64_MIN &&
            av_seek_frame(m_format.get(), m_stream, m_keys[size_t(key)].dts, AVSEEK_FLAG_BACKWARD) >= 0)
            return true;
        // A fresh demuxer is at the start whatever the container.
        yFormat again;
        if (!OpenFormat(m_path, again, why)) return false;
        for (unsigned s = 0; s < again->nb_streams; ++s)
            if (int(s) != m_stream) again->streams[s]->discard = AVDISCARD_ALL;
        m_format = std::move(again);
        return true;
    }

    // Decodes on to the frame shown at time target: 1 when it is in m_frame,
    // -1 when the decoder went past it, 0 with why when it cannot be decoded.
    int Decode(int64_t target, std::string& why)
    {
        for (;;)
        {
            const int got = avcodec_receive_frame(m_codec.get(), m_frame.get());
            if (got == 0)
            {
                const int64_t t = m_sequential ? m_shown++
                                  : m_frame->pts != AV_NOPTS_VALUE ? m_frame->pts
                                                                   : m_frame->best_effort_timestamp;
                m_last = t;
                if (t == target) return 1;
                if (t > target) return -1;
                continue;
            }
            if (got == AVERROR_EOF) return Broken(why, "the file ends before it");
            if (got != AVERROR(EAGAIN)) return Broken(why, "it cannot be decoded: " + AvError(got));
            if (m_draining) return Broken(why, "the file ends before it");
            const int read = av_read_frame(m_format.get(), m_packet.get());
            if (read < 0)
            {
                m_draining = true;
                avcodec_send_packet(m_codec.get(), nullptr);
                continue;
            }
            if (m_packet->stream_index == m_stream)
            {
                const int sent = avcodec_send_packet(m_codec.get(), m_packet.get());
                if (sent < 0 && sent != AVERROR_INVALIDDATA)
                {
                    av_packet_unref(m_packet.get());
                    return Broken(why, "it cannot be decoded: " + AvError(sent));
                }
            }
            av_packet_unref(m_packet.get());
        }
    }

    // The decoded frame into packed RGB or RGBA rows of 8 or 16 bits.
    bool Convert(std::string& why)
    {
        const AVFrame& f = *m_frame;
        const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(AVPixelFormat(f.format));
        if (!desc || f.width <= 0 || f.height <= 0 || int64_t(f.width) * f.height > kMostPixels)
            return Fail(why, "its frames have no pixels this host takes");
        const bool deep = desc->comp[0].depth > 8, alpha = (desc->flags & AV_PIX_FMT_FLAG_ALPHA) != 0;
        const AVPixelFormat into = deep ? (alpha ? AV_PIX_FMT_RGBA64 : AV_PIX_FMT_RGB48)
                                        : (alpha ? AV_PIX_FMT_RGBA : AV_PIX_FMT_RGB24);
        // As ffmpeg's own scale filter converts: bicubic, the frame's range.
        m_scale.reset(sws_getCachedContext(m_scale.release(), f.width, f.height, AVPixelFormat(f.format), f.width,
                                           f.height, into, SWS_BICUBIC, nullptr, nullptr, nullptr));
        if (!m_scale) return Fail(why, "its pixels cannot be converted");
        if (f.color_range != AVCOL_RANGE_UNSPECIFIED)
        {
            int* inTable;
            int* outTable;
            int inFull, outFull, brightness, contrast, saturation;
            if (sws_getColorspaceDetails(m_scale.get(), &inTable, &inFull, &outTable, &outFull, &brightness,
                                         &contrast, &saturation) >= 0)
                sws_setColorspaceDetails(m_scale.get(), inTable, f.color_range == AVCOL_RANGE_JPEG, outTable,
                                         outFull, brightness, contrast, saturation);
        }
        m_layout.width = f.width;
        m_layout.height = f.height;
        m_layout.channels = alpha ? 4 : 3;
        m_layout.samples = deep ? yImageLayout::kUint16 : yImageLayout::kUint8;
        m_layout.map = yChannelMap{0, 1, 2, alpha ? 3 : -1};
        m_rowBytes = size_t(f.width) * size_t(m_layout.channels) * (deep ? 2 : 1);
        m_stride = (m_rowBytes + 63) / 64 * 64;
        m_pixels.resize(m_stride * size_t(f.height) + 64);
        uint8_t* planes[4] = {m_pixels.data(), nullptr, nullptr, nullptr};
        const int strides[4] = {int(m_stride), 0, 0, 0};
        if (sws_scale(m_scale.get(), f.data, f.linesize, 0, f.height, planes, strides) != f.height)
            return Fail(why, "its pixels cannot be converted");
        return true;
    }

    const std::string m_path;
    yFormat m_format;
    std::unique_ptr<AVCodecContext, yCodecFreer> m_codec;
    std::unique_ptr<AVFrame, yFrameFreer> m_frame;
    std::unique_ptr<AVPacket, yPacketFreer> m_packet;
    std::unique_ptr<SwsContext, yScaleFreer> m_scale;
    int m_stream = -1;
    int m_frames = 0;                 // as many as the container claims, or as are there
    std::vector<int64_t> m_times;     // the readable frames' times, shown order
    std::vector<yPacketTime> m_keys;  // decode order
    bool m_sequential = false;        // no times: frames are counted
    int64_t m_last = AV_NOPTS_VALUE;  // the time of the frame the decoder gave last
    int64_t m_shown = 0;              // frames given since the start, when counted
    bool m_draining = false;
    int m_at = -1;                    // the frame in m_pixels
    std::vector<uint8_t> m_pixels;
    size_t m_rowBytes = 0, m_stride = 0;
    yImageLayout m_layout;
};
} // namespace

std::unique_ptr<yImageReader> OpenMovie(const std::string& path, std::string& why)
{
    // FFmpeg's own warnings would break our one sentence.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
    why.clear();
    yFormat format;
    std::string ignored;
    if (!OpenFormat(path, format, ignored) || IsStill(format->iformat)) return nullptr;
    auto movie = std::make_unique<yMovieReader>(path, std::move(format));
    if (movie->Open(why)) return movie;
    return nullptr;
}
} // namespace yStandalone

extern "C" __attribute__((visibility("default"))) yStandalone::yImageReader* tonescopeOpenMovieReader(
    const char* path, const char*, std::string& why)
{
    return yStandalone::OpenMovie(path, why).release();
}
