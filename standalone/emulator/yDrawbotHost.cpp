#include "standalone/emulator/yDrawbotHost.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace yStandalone
{
namespace
{
constexpr int32_t kMaxSide = 16384;

int BytesPerPixel(DRAWBOT_PixelLayout layout)
{
    switch (layout)
    {
    case kDRAWBOT_PixelLayout_24RGB:
    case kDRAWBOT_PixelLayout_24BGR:
        return 3;
    case kDRAWBOT_PixelLayout_32RGB:
    case kDRAWBOT_PixelLayout_32BGR:
    case kDRAWBOT_PixelLayout_32ARGB_Straight:
    case kDRAWBOT_PixelLayout_32ARGB_Premul:
    case kDRAWBOT_PixelLayout_32BGRA_Straight:
    case kDRAWBOT_PixelLayout_32BGRA_Premul:
        return 4;
    default:
        return 0;
    }
}

struct Bgra
{
    uint8_t b, g, r, a;
    bool premultiplied;
};

// One pixel of an image in blue, green, red and coverage.
Bgra Read(const uint8_t* p, DRAWBOT_PixelLayout layout)
{
    switch (layout)
    {
    case kDRAWBOT_PixelLayout_24RGB:
        return {p[2], p[1], p[0], 255, false};
    case kDRAWBOT_PixelLayout_24BGR:
        return {p[0], p[1], p[2], 255, false};
    case kDRAWBOT_PixelLayout_32RGB:
        return {p[3], p[2], p[1], 255, false};
    case kDRAWBOT_PixelLayout_32BGR:
        return {p[0], p[1], p[2], 255, false};
    case kDRAWBOT_PixelLayout_32ARGB_Straight:
    case kDRAWBOT_PixelLayout_32ARGB_Premul:
        return {p[3], p[2], p[1], p[0], layout == kDRAWBOT_PixelLayout_32ARGB_Premul};
    default:
        return {p[0], p[1], p[2], p[3], layout == kDRAWBOT_PixelLayout_32BGRA_Premul};
    }
}

uint8_t Mix(int source, int destination, int cover, bool premultiplied, int scale)
{
    // Straight: source x cover + destination x (1 - cover); premultiplied
    // colour already carries its cover and is only scaled by the alpha.
    const int front = premultiplied ? (source * scale + 127) / 255 : (source * cover + 127) / 255;
    return uint8_t(std::min(255, front + (destination * (255 - cover) + 127) / 255));
}
} // namespace

DRAWBOT_ImageRef yDrawbotHost::NewImage(int32_t width, int32_t height, int32_t rowBytes,
                                        DRAWBOT_PixelLayout layout, const void* data)
{
    const int bytes = BytesPerPixel(layout);
    if (!data || bytes == 0 || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide ||
        rowBytes < width * bytes)
        return nullptr;
    auto image = std::unique_ptr<yImage>(new (std::nothrow) yImage);
    if (!image) return nullptr;
    image->width = width;
    image->height = height;
    image->layout = layout;
    const size_t packed = size_t(width) * size_t(bytes);
    try
    {
        image->pixels.resize(packed * size_t(height));
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
    for (int32_t y = 0; y < height; ++y)
        std::memcpy(image->pixels.data() + size_t(y) * packed,
                    static_cast<const uint8_t*>(data) + size_t(y) * size_t(rowBytes), packed);
    m_images.push_back(std::move(image));
    return reinterpret_cast<DRAWBOT_ImageRef>(m_images.back().get());
}

yDrawbotHost::yImage* yDrawbotHost::Find(const void* ref)
{
    for (auto& image : m_images)
        if (image.get() == ref) return image.get();
    return nullptr;
}

bool yDrawbotHost::Release(DRAWBOT_ObjectRef object)
{
    for (auto it = m_images.begin(); it != m_images.end(); ++it)
        if (it->get() == static_cast<const void*>(object))
        {
            m_images.erase(it);
            return true;
        }
    return false;
}

void yDrawbotHost::Push()
{
    m_saved.push_back(m_clips.size());
}

bool yDrawbotHost::Pop()
{
    if (m_saved.empty()) return false;
    m_clips.resize(m_saved.back());
    m_saved.pop_back();
    return true;
}

void yDrawbotHost::Clip(const DRAWBOT_Rect32& rect)
{
    const int64_t right = int64_t(rect.left) + std::max(rect.width, 0);
    const int64_t bottom = int64_t(rect.top) + std::max(rect.height, 0);
    yBox box{rect.left, rect.top, int32_t(std::min<int64_t>(right, INT32_MAX)),
             int32_t(std::min<int64_t>(bottom, INT32_MAX))};
    if (!m_clips.empty())
    {
        const yBox& outer = m_clips.back();
        box = {std::max(box.left, outer.left), std::max(box.top, outer.top), std::min(box.right, outer.right),
               std::min(box.bottom, outer.bottom)};
    }
    m_clips.push_back(box);
}

bool yDrawbotHost::DrawImage(DRAWBOT_ImageRef ref, const DRAWBOT_PointF32& origin, float alpha)
{
    const yImage* image = Find(ref);
    if (!image || !m_target || !m_target->pixels || !std::isfinite(origin.x) || !std::isfinite(origin.y) ||
        !std::isfinite(alpha))
        return false;
    const int scale = int(std::lround(std::clamp(alpha, 0.0f, 1.0f) * 255.0f));
    const double ox = std::floor(origin.x), oy = std::floor(origin.y);
    yBox area{0, 0, m_target->width, m_target->height};
    if (!m_clips.empty())
    {
        const yBox& clip = m_clips.back();
        area = {std::max(area.left, clip.left), std::max(area.top, clip.top),
                std::min(area.right, clip.right), std::min(area.bottom, clip.bottom)};
    }
    // The image's pixels that land inside the area.
    const double x0 = std::max<double>(area.left, ox), y0 = std::max<double>(area.top, oy);
    const double x1 = std::min<double>(area.right, ox + image->width);
    const double y1 = std::min<double>(area.bottom, oy + image->height);
    ++m_drawn;
    if (x1 <= x0 || y1 <= y0) return true;
    const int bytes = BytesPerPixel(image->layout);
    for (int32_t y = int32_t(y0); y < int32_t(y1); ++y)
    {
        const int32_t sy = int32_t(y - oy);
        // The window is stored bottom-up.
        uint8_t* row = m_target->pixels + size_t(m_target->height - 1 - y) * size_t(m_target->row_bytes);
        const uint8_t* source = image->pixels.data() + size_t(sy) * size_t(image->width) * size_t(bytes);
        for (int32_t x = int32_t(x0); x < int32_t(x1); ++x)
        {
            const Bgra s = Read(source + size_t(x - ox) * size_t(bytes), image->layout);
            uint8_t* d = row + size_t(x) * 4;
            const int cover = (s.a * scale + 127) / 255;
            if (cover == 255 && !s.premultiplied)
            {
                d[0] = s.b, d[1] = s.g, d[2] = s.r;
            }
            else
            {
                d[0] = Mix(s.b, d[0], cover, s.premultiplied, scale);
                d[1] = Mix(s.g, d[1], cover, s.premultiplied, scale);
                d[2] = Mix(s.r, d[2], cover, s.premultiplied, scale);
            }
            d[3] = 255; // the window is opaque
        }
    }
    return true;
}
} // namespace yStandalone
