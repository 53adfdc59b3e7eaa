// 32-bit pixel surfaces and the devices that draw into them.
//
// A surface holds 4 bytes per pixel in the memory order blue, green, red,
// alpha. Surfaces of our own and bitmaps loaded from the module's resources
// store their rows bottom-up (the first row in memory is the image's bottom
// row); a scratch surface may be made top-down. A device draws into one
// surface: a memory device into the surface selected into it, a window device
// into memory that the host owns. Every drawing call clips to the surface, so
// no coordinate, however far outside, touches memory outside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace yPlatform
{

// The platform's colour value: red, green, blue; alpha is no part of it.
struct Rgb
{
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    constexpr bool operator==(Rgb const& o) const { return red == o.red && green == o.green && blue == o.blue; }
    constexpr bool operator!=(Rgb const& o) const { return !(*this == o); }
};

// A solid brush and a 1-pixel solid pen. They are values: making one costs
// nothing and releasing one is forgetting it. A default-made one is "none",
// which draws nothing.
struct Brush
{
    Rgb color;
    bool valid = false;
    static constexpr Brush Solid(Rgb c) { return Brush{c, true}; }
};

struct Pen
{
    Rgb color;
    bool valid = false;
    static constexpr Pen Solid(Rgb c) { return Pen{c, true}; }
};

// A rectangle of device pixels; right and bottom are exclusive.
struct Box
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct Point
{
    int32_t x = 0;
    int32_t y = 0;
};

class Surface
{
public:
    // Largest width or height a surface may have.
    static constexpr int32_t kMaxSide = 16384;

    // A zero-filled surface, or null when a side is not in 1..kMaxSide or
    // memory runs out.
    static std::unique_ptr<Surface> Create(int32_t width, int32_t height, bool bottomUp = true);
    // Memory that somebody else owns, in the same layout; null when the
    // description is not usable (no memory, a side out of range, a stride
    // shorter than a row).
    static std::unique_ptr<Surface> Wrap(uint8_t* bits, int32_t width, int32_t height, int32_t stride,
                                         bool bottomUp);
    // A stored device-independent bitmap: a 40-byte information header
    // (bottom-up, uncompressed, 24 or 32 bits per pixel) and its rows. 24-bit
    // pictures are widened with a fourth byte of 255. Null when malformed.
    static std::unique_ptr<Surface> FromDib(const uint8_t* data, size_t size);
    // Bitmap resource `number` of the module; null when missing or malformed.
    static std::unique_ptr<Surface> LoadBitmapResource(uint32_t number);

    ~Surface();
    Surface(Surface const&) = delete;
    Surface& operator=(Surface const&) = delete;

    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    int32_t Stride() const { return m_stride; }
    bool BottomUp() const { return m_bottomUp; }
    // Bits per pixel of the stored picture this surface came from (32 otherwise).
    uint16_t StoredBitsPerPixel() const { return m_storedBits; }
    // The first row in memory.
    uint8_t* Bits() const { return m_bits; }
    // The row at y counted from the top, or null outside.
    uint8_t* Row(int32_t y) const;
    // The 4 bytes of the pixel at (x, y) counted from the top-left, or null outside.
    uint8_t* PixelAt(int32_t x, int32_t y) const;
    bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

private:
    Surface() = default;
    uint8_t* m_bits = nullptr;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_stride = 0;
    bool m_bottomUp = true;
    bool m_ownsBits = false;
    uint16_t m_storedBits = 32;
};

class Device
{
public:
    // A memory device with nothing selected yet: drawing into it does nothing.
    static std::unique_ptr<Device> CreateMemory();
    // A window's device over memory that the host owns; null when the
    // description is not usable.
    static std::unique_ptr<Device> WrapWindow(uint8_t* bits, int32_t width, int32_t height, int32_t stride,
                                              bool bottomUp);
    // A window's device over the drawing context a host hands to the module
    // (on POSIX a ZT_DrawSurface, on Windows a memory device context with a
    // 32-bit DIB section selected). The context is read again before every
    // operation, so a host may change its pixels or size between events; a
    // context that describes no usable memory draws nothing. Null for null.
    static std::unique_ptr<Device> WrapHostContext(const void* context);
    // The host context this device wraps, or null.
    const void* HostContext() const { return m_host; }
    ~Device();
    Device(Device const&) = delete;
    Device& operator=(Device const&) = delete;

    // Selects a surface into a memory device (not owned); returns the previous one.
    Surface* Select(Surface* surface);
    // The surface selected into a memory device; null for a window's device.
    Surface* SelectedSurface() const { return m_isWindow ? nullptr : m_target; }
    // What the device draws into, for either kind; null when nothing.
    Surface* Target() const;
    bool IsWindow() const { return m_isWindow; }
    // The window's client area (0, 0, width, height); empty for a memory device.
    Box ClientBox() const;
    // Asks the window to repaint an area (all of it when null). There is no
    // window system underneath, so this only counts the requests.
    void RequestRepaint(Box const* area);
    // At the end of a draw event: the host's device receives what was drawn.
    void Present();
    int RepaintRequests() const { return m_repaints; }

    // Lines, fills, pixels and text stay inside this box (right and bottom
    // excluded) as well as the surface, as a device clip region would keep
    // them; ClearClip lifts it.
    void SetClip(Box const& box) { m_clip = box; }
    void ClearClip();
    Box Clip() const { return m_clip; }

    Pen SelectPen(Pen pen);
    Brush SelectBrush(Brush brush);
    Pen CurrentPen() const { return m_pen; }
    Brush CurrentBrush() const { return m_brush; }
    Rgb SetBackColor(Rgb color);
    Rgb BackColor() const { return m_back; }
    Rgb SetTextColor(Rgb color);
    // Transparent text leaves the pixels between the glyphs alone; opaque
    // text first fills its box with the back colour. Returns the previous mode.
    bool SetTransparentText(bool transparent);

    // Pen position; MoveTo returns the previous one.
    Point MoveTo(int32_t x, int32_t y);
    Point PenPosition() const { return m_penAt; }
    // A 1-pixel line in the current pen from the pen position to (x, y), the
    // end pixel excluded; the pen then stands at (x, y).
    void LineTo(int32_t x, int32_t y);
    // Fills box (right and bottom excluded) with a brush; "none" fills nothing.
    void FillBox(Box const& box, Brush const& brush);
    void SetPixel(int32_t x, int32_t y, Rgb color);
    // False outside the surface or without one.
    bool GetPixel(int32_t x, int32_t y, Rgb& color) const;

    // The font of the next text calls: a face name ("Arial", "Verdana"; any
    // other name is the default face, "Arial"), the cell height in pixels
    // (ascent plus descent; 0 or less means 12), a weight (700 and above is
    // bold), italic and underline. Without a call text uses "Arial" at 12.
    void SelectFont(const char* face, int32_t cellHeight, int32_t weight, bool italic, bool underline);
    // The box one line of text needs, from (0, 0): its width is the sum of the
    // glyph advances, its height the font's cell height.
    Box MeasureText(const char* text, size_t length);
    // Draws one line in the text colour, starting at the box's left and with
    // the cell's top at the box's top; clipped to the box and the surface.
    void DrawText(const char* text, size_t length, Box const& box);

    // Copies a width x height block from src at (sx, sy) to dst at (dx, dy),
    // cut to both surfaces. False when either device has no surface.
    static bool Copy(Device& dst, int32_t dx, int32_t dy, int32_t width, int32_t height, Device const& src,
                     int32_t sx, int32_t sy);

private:
    Device();
    void Plot(int32_t x, int32_t y, uint8_t b, uint8_t g, uint8_t r);
    // The box drawing may touch: the clip within the target's bounds.
    Box Drawable() const;
    // Re-reads a host context; the target then describes its current memory.
    void Sync() const;

    mutable Surface* m_target = nullptr;
    mutable std::unique_ptr<Surface> m_window; // the wrapped host memory of a window's device
    bool m_isWindow = false;
    const void* m_host = nullptr;
    Pen m_pen = Pen::Solid(Rgb{0, 0, 0});
    Brush m_brush = Brush::Solid(Rgb{255, 255, 255});
    Rgb m_back{255, 255, 255};
    Rgb m_text{0, 0, 0};
    bool m_transparent = false;
    Point m_penAt;
    Box m_clip{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    int m_repaints = 0;
    struct FontState;
    std::unique_ptr<FontState> m_font;
};
} // namespace yPlatform
