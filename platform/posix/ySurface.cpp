#include "platform/ySurface.h"
#include "host/sdk/ZT_ByteOrder.h"

#include "platform/posix/yHostContext.h"
#include "platform/posix/yTextEngine.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace yPlatform
{
namespace
{
using ZT_ByteOrder::LoadU16;
using ZT_ByteOrder::LoadU32;

constexpr size_t kDibHeaderSize = 40;

// Cuts [a, a + n) to [0, limit), moving `other` (the start on the other
// side of a copy) by what is cut at the front; false when nothing is left.
bool CutSpan(int32_t& a, int32_t& n, int32_t& other, int32_t limit)
{
    int64_t a64 = a, n64 = n, other64 = other;
    if (n64 <= 0)
        return false;
    if (a64 < 0)
    {
        n64 += a64;
        other64 -= a64;
        a64 = 0;
    }
    n64 = std::min<int64_t>(n64, limit - a64);
    // A start beyond any surface leaves nothing to copy on that side either.
    if (n64 <= 0 || other64 > Surface::kMaxSide)
        return false;
    a = int32_t(a64);
    n = int32_t(n64);
    other = int32_t(other64);
    return true;
}
} // namespace

Surface::~Surface()
{
    if (m_ownsBits)
        std::free(m_bits);
}

std::unique_ptr<Surface> Surface::Create(int32_t width, int32_t height, bool bottomUp)
{
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        return nullptr;
    const size_t bytes = size_t(width) * size_t(height) * 4;
    auto* bits = static_cast<uint8_t*>(std::calloc(bytes, 1));
    if (!bits)
        return nullptr;
    std::unique_ptr<Surface> s(new (std::nothrow) Surface);
    if (!s)
    {
        std::free(bits);
        return nullptr;
    }
    s->m_bits = bits;
    s->m_width = width;
    s->m_height = height;
    s->m_stride = width * 4;
    s->m_bottomUp = bottomUp;
    s->m_ownsBits = true;
    return s;
}

std::unique_ptr<Surface> Surface::Wrap(uint8_t* bits, int32_t width, int32_t height, int32_t stride,
                                       bool bottomUp)
{
    if (!bits || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide || stride < width * 4)
        return nullptr;
    std::unique_ptr<Surface> s(new (std::nothrow) Surface);
    if (!s)
        return nullptr;
    s->m_bits = bits;
    s->m_width = width;
    s->m_height = height;
    s->m_stride = stride;
    s->m_bottomUp = bottomUp;
    return s;
}

std::unique_ptr<Surface> Surface::FromDib(const uint8_t* data, size_t size)
{
    if (!data || size < kDibHeaderSize || LoadU32(data) != kDibHeaderSize)
        return nullptr;
    const int32_t width = int32_t(LoadU32(data + 4));
    const int32_t height = int32_t(LoadU32(data + 8));
    const uint16_t planes = LoadU16(data + 12), bits = LoadU16(data + 14);
    const uint32_t compression = LoadU32(data + 16);
    if (planes != 1 || (bits != 24 && bits != 32) || compression != 0 || height <= 0)
        return nullptr;
    const size_t bytesPerPixel = bits / 8;
    const size_t rowBytes = (size_t(width) * bytesPerPixel + 3) & ~size_t(3);
    auto s = Create(width, height, true);
    if (!s || (size - kDibHeaderSize) / rowBytes < size_t(height))
        return nullptr;
    s->m_storedBits = bits;
    const uint8_t* src = data + kDibHeaderSize;
    for (int32_t row = 0; row < height; ++row)
    {
        // Both sides are bottom-up, so memory rows correspond one to one.
        const uint8_t* in = src + size_t(row) * rowBytes;
        uint8_t* out = s->m_bits + size_t(row) * size_t(s->m_stride);
        if (bits == 32)
            std::memcpy(out, in, size_t(width) * 4);
        else
            for (int32_t x = 0; x < width; ++x, in += 3, out += 4)
            {
                out[0] = in[0];
                out[1] = in[1];
                out[2] = in[2];
                out[3] = 255;
            }
    }
    return s;
}

uint8_t* Surface::Row(int32_t y) const
{
    if (y < 0 || y >= m_height)
        return nullptr;
    const int32_t memoryRow = m_bottomUp ? m_height - 1 - y : y;
    return m_bits + size_t(memoryRow) * size_t(m_stride);
}

uint8_t* Surface::PixelAt(int32_t x, int32_t y) const
{
    if (!Contains(x, y))
        return nullptr;
    return Row(y) + size_t(x) * 4;
}

Device::Device() = default;
Device::~Device() = default;

std::unique_ptr<Device> Device::CreateMemory()
{
    return std::unique_ptr<Device>(new (std::nothrow) Device);
}

std::unique_ptr<Device> Device::WrapWindow(uint8_t* bits, int32_t width, int32_t height, int32_t stride,
                                           bool bottomUp)
{
    auto surface = Surface::Wrap(bits, width, height, stride, bottomUp);
    if (!surface)
        return nullptr;
    std::unique_ptr<Device> d(new (std::nothrow) Device);
    if (!d)
        return nullptr;
    d->m_window = std::move(surface);
    d->m_target = d->m_window.get();
    d->m_isWindow = true;
    return d;
}

std::unique_ptr<Device> Device::WrapHostContext(const void* context)
{
    if (!context)
        return nullptr;
    std::unique_ptr<Device> d(new (std::nothrow) Device);
    if (!d)
        return nullptr;
    d->m_isWindow = true;
    d->m_host = context;
    d->Sync();
    return d;
}

void Device::Sync() const
{
    if (!m_host)
        return;
    HostMemory memory;
    const bool usable = ReadHostContext(m_host, memory);
    if (m_window && usable && m_window->Bits() == memory.bits && m_window->Width() == memory.width &&
        m_window->Height() == memory.height && m_window->Stride() == memory.stride &&
        m_window->BottomUp() == memory.bottomUp)
        return;
    m_window.reset();
    if (usable)
        m_window = Surface::Wrap(memory.bits, memory.width, memory.height, memory.stride, memory.bottomUp);
    m_target = m_window.get();
}

Surface* Device::Target() const
{
    Sync();
    return m_target;
}

Surface* Device::Select(Surface* surface)
{
    if (m_isWindow)
        return nullptr;
    Surface* previous = m_target;
    m_target = surface;
    return previous;
}

Box Device::ClientBox() const
{
    Sync();
    if (!m_window)
        return {};
    return Box{0, 0, m_window->Width(), m_window->Height()};
}

void Device::Present()
{
    if (m_host)
        PresentHostContext(m_host);
}

void Device::RequestRepaint(Box const*)
{
    if (m_isWindow)
        ++m_repaints;
}

Pen Device::SelectPen(Pen pen)
{
    return std::exchange(m_pen, pen);
}

Brush Device::SelectBrush(Brush brush)
{
    return std::exchange(m_brush, brush);
}

Rgb Device::SetBackColor(Rgb color)
{
    return std::exchange(m_back, color);
}

Rgb Device::SetTextColor(Rgb color)
{
    return std::exchange(m_text, color);
}

bool Device::SetTransparentText(bool transparent)
{
    return std::exchange(m_transparent, transparent);
}

Point Device::MoveTo(int32_t x, int32_t y)
{
    const Point previous = m_penAt;
    m_penAt = Point{x, y};
    return previous;
}

void Device::ClearClip()
{
    m_clip = Box{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
}

Box Device::Drawable() const
{
    if (!m_target) return Box{};
    return Box{std::max(m_clip.left, 0), std::max(m_clip.top, 0), std::min(m_clip.right, m_target->Width()),
               std::min(m_clip.bottom, m_target->Height())};
}

void Device::Plot(int32_t x, int32_t y, uint8_t b, uint8_t g, uint8_t r)
{
    if (x < m_clip.left || y < m_clip.top || x >= m_clip.right || y >= m_clip.bottom) return;
    if (uint8_t* p = m_target ? m_target->PixelAt(x, y) : nullptr)
    {
        p[0] = b;
        p[1] = g;
        p[2] = r;
        p[3] = 255;
    }
}

namespace
{
// round(i * minor / steps), halves rounded up, exactly: floor((2 i minor +
// steps) / (2 steps)), for 0 <= i < steps and |minor| <= steps < 2^33, so
// the product needs more than 64 bits.
int64_t RoundedStep(int64_t i, int64_t minor, int64_t steps)
{
#if defined(__SIZEOF_INT128__)
    const __int128 num = __int128(2) * i * minor + steps;
    __int128 q = num / (2 * steps);
    if (num % (2 * steps) < 0)
        --q;
    return int64_t(q);
#else
    // 32-bit targets: the 128-bit product and quotient by hand.
    struct U128
    {
        uint64_t hi, lo;
    };
    const auto multiply = [](uint64_t a, uint64_t b) {
        const uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32, b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
        const uint64_t low = a0 * b0, mid1 = a1 * b0, mid2 = a0 * b1;
        const uint64_t carry = ((low >> 32) + (mid1 & 0xFFFFFFFFu) + (mid2 & 0xFFFFFFFFu)) >> 32;
        return U128{a1 * b1 + (mid1 >> 32) + (mid2 >> 32) + carry, a * b};
    };
    const auto add = [](U128 x, uint64_t y) { return U128{x.hi + (x.lo + y < x.lo ? 1u : 0u), x.lo + y}; };
    const auto subtract = [](U128 x, uint64_t y) { return U128{x.hi - (x.lo < y ? 1u : 0u), x.lo - y}; };
    // x / d for d below 2^62, bit by bit.
    const auto divide = [](U128 x, uint64_t d) {
        uint64_t rest = 0, q = 0;
        for (int bit = 127; bit >= 0; --bit)
        {
            rest = (rest << 1) | ((bit >= 64 ? x.hi >> (bit - 64) : x.lo >> bit) & 1u);
            q <<= 1;
            if (rest >= d)
                rest -= d, q |= 1u;
        }
        return q;
    };
    const uint64_t d = uint64_t(2 * steps);
    const U128 m = multiply(uint64_t(2 * i), uint64_t(minor < 0 ? -minor : minor));
    if (minor >= 0)
        return int64_t(divide(add(m, uint64_t(steps)), d));
    // steps - m: not negative only when m <= steps, and then below d.
    if (m.hi == 0 && m.lo <= uint64_t(steps))
        return 0;
    return -int64_t(divide(add(subtract(m, uint64_t(steps)), d - 1), d));
#endif
}
} // namespace

void Device::LineTo(int32_t x, int32_t y)
{
    const Point from = m_penAt;
    m_penAt = Point{x, y};
    Sync();
    if (!m_target || !m_pen.valid)
        return;
    const Rgb c = m_pen.color;
    if (from.y == y || from.x == x)
    {
        // Straight lines are a fill of one row or column, end pixel excluded.
        Box b;
        if (from.y == y)
            b = from.x <= x ? Box{from.x, y, x, y + 1} : Box{x + 1, y, from.x + 1, y + 1};
        else
            b = from.y <= y ? Box{x, from.y, x + 1, y} : Box{x, y + 1, x + 1, from.y + 1};
        FillBox(b, Brush::Solid(c));
        return;
    }
    // A diagonal puts one pixel on each step along its longer axis, the other
    // coordinate rounded from the exact slope (what Bresenham's walk gives).
    // Only the steps whose major coordinate lies on the surface are walked, so
    // a line of any length costs at most one surface side.
    const int64_t dx = int64_t(x) - from.x, dy = int64_t(y) - from.y;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const int64_t major0 = xMajor ? from.x : from.y, minor0 = xMajor ? from.y : from.x;
    const int64_t dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    const int64_t steps = dMajor < 0 ? -dMajor : dMajor, dir = dMajor < 0 ? -1 : 1;
    const int64_t limit = xMajor ? m_target->Width() : m_target->Height();
    // Steps i with 0 <= major0 + dir * i < limit, within [0, steps).
    int64_t first = dir > 0 ? -major0 : major0 - (limit - 1);
    int64_t last = dir > 0 ? limit - 1 - major0 : major0; // inclusive
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, steps - 1);
    for (int64_t i = first; i <= last; ++i)
    {
        const int64_t major = major0 + dir * i, minor = minor0 + RoundedStep(i, dMinor, steps);
        const int64_t px = xMajor ? major : minor, py = xMajor ? minor : major;
        if (px >= 0 && py >= 0 && px < m_target->Width() && py < m_target->Height())
            Plot(int32_t(px), int32_t(py), c.blue, c.green, c.red);
    }
}

void Device::FillBox(Box const& box, Brush const& brush)
{
    Sync();
    if (!m_target || !brush.valid)
        return;
    const Box drawable = Drawable();
    const int32_t left = std::max(box.left, drawable.left), top = std::max(box.top, drawable.top);
    const int32_t right = std::min(box.right, drawable.right);
    const int32_t bottom = std::min(box.bottom, drawable.bottom);
    if (left >= right || top >= bottom)
        return;
    const Rgb c = brush.color;
    uint8_t* first = m_target->Row(top) + size_t(left) * 4;
    for (uint8_t* p = first; p < first + size_t(right - left) * 4; p += 4)
    {
        p[0] = c.blue;
        p[1] = c.green;
        p[2] = c.red;
        p[3] = 255;
    }
    // The other rows copy the first: one bulk copy a row instead of a store a byte.
    for (int32_t y = top + 1; y < bottom; ++y)
        std::memcpy(m_target->Row(y) + size_t(left) * 4, first, size_t(right - left) * 4);
}

void Device::SetPixel(int32_t x, int32_t y, Rgb color)
{
    Sync();
    Plot(x, y, color.blue, color.green, color.red);
}

bool Device::GetPixel(int32_t x, int32_t y, Rgb& color) const
{
    Sync();
    const uint8_t* p = m_target ? m_target->PixelAt(x, y) : nullptr;
    if (!p)
        return false;
    color = Rgb{p[2], p[1], p[0]};
    return true;
}

bool Device::Copy(Device& dst, int32_t dx, int32_t dy, int32_t width, int32_t height, Device const& src,
                  int32_t sx, int32_t sy)
{
    Surface* to = dst.Target();
    const Surface* from = src.Target();
    if (!to || !from)
        return false;
    // Cut the block to the source, then to the destination, moving the other
    // side's start by the same amount.
    if (!CutSpan(sx, width, dx, from->Width()) || !CutSpan(sy, height, dy, from->Height()) ||
        !CutSpan(dx, width, sx, to->Width()) || !CutSpan(dy, height, sy, to->Height()))
        return true;
    const size_t rowBytes = size_t(width) * 4;
    if (to == from)
    {
        // Same memory: go through a copy so that overlapping blocks come out right.
        std::vector<uint8_t> block(rowBytes * size_t(height));
        for (int32_t r = 0; r < height; ++r)
            std::memcpy(block.data() + size_t(r) * rowBytes, from->PixelAt(sx, sy + r), rowBytes);
        for (int32_t r = 0; r < height; ++r)
            std::memcpy(to->PixelAt(dx, dy + r), block.data() + size_t(r) * rowBytes, rowBytes);
        return true;
    }
    for (int32_t r = 0; r < height; ++r)
        std::memcpy(to->PixelAt(dx, dy + r), from->PixelAt(sx, sy + r), rowBytes);
    return true;
}
} // namespace yPlatform
