// The drawing surface every widget draws into: an off-screen surface of its
// own, a picture loaded from the module's bitmap resources, or a thin wrapper
// around a device somebody else owns (another port's, or the host window's).
//
// Three coordinate spaces meet here. World coordinates are the panel's; port
// coordinates are world coordinates minus the origin, (0, 0) being the
// surface's top-left pixel; drawing coordinates are what the drawing calls
// take, the draw offset added to them gives port coordinates.
#pragma once

#include "base/yExport.h"
#include "base/yPointL.h"
#include "base/yString.h"
#include "draw/yColor.h"
#include "draw/yFont.h"
#include "draw/yRect.h"
#include "platform/ySurface.h"

#include "host/sdk/AE_EffectSuites.h"

#include <cstdint>
#include <memory>

struct PF_LayerDef;

class Y_EXPORT yDrawPort
{
public:
    // The part of the port that compositing and pixel reading may touch, in
    // port coordinates. Note the order: left, top, right, bottom.
    struct ClipRect
    {
        int32_t left = 0;
        int32_t top = 0;
        int32_t right = 5000;
        int32_t bottom = 5000;
    };

    // Return codes of Create and ResolveRects.
    static constexpr long kNoError = 0;
    static constexpr long kOutOfMemory = 4;
    static constexpr long kEmptyRect = 24;
    // Compositing modes: coverage-weighted blend; any other value copies.
    static constexpr short kModeBlend = 1;
    static constexpr short kModeCopy = 0;

    yDrawPort();
    // A copy is made the way operator= makes it: no surface is shared.
    yDrawPort(yDrawPort const& other);
    yDrawPort& operator=(yDrawPort const& other);
    ~yDrawPort();

    // --- life and surface ---------------------------------------------------

    // Stores the size; rebuilds the surface when the port has a device and
    // recreate on resize is set.
    void SetSize(long const& width, long const& height);
    // A memory device and a zero-filled bottom-up 32-bit surface of the size
    // set before. 0, or 4 when either cannot be made (a size of 0 included).
    long Create();
    long ReCreate();
    // Releases the own device and the surface; a foreign device is forgotten.
    void Destroy();
    // Draws into another port's device from now on. Width and height become
    // those of the surface selected into it, if any. Returns 0.
    long SetDrawPort(yPlatform::Device* device);
    // Draws into the host window's drawing context, as the host hands it
    // over (on POSIX a ZT_DrawSurface*). The size stays. Returns 0.
    long SetDrawPort(void* hostContext);
    // Ends a draw event on the host's context: a device whose pixels could
    // only be copied receives the copy now.
    void Present();
    // Loads bitmap resource `id` with its own memory device; the fourth byte
    // of its pixels is coverage. False when missing or malformed.
    bool LoadImageResource(long id);

    // --- colours ------------------------------------------------------------

    void SetForeColor(yColor8 const& color);
    void SetForeColor(unsigned char red, unsigned char green, unsigned char blue);
    void SetForeColor(PF_App_Color const& color);
    void SetForeColor(unsigned long const& grey);
    void SetBackColor(yColor8 const& color);
    void SetBackColor(unsigned char red, unsigned char green, unsigned char blue);
    void SetBackColor(PF_App_Color const& color);
    void SetBackColor(unsigned long const& grey);
    yColor8 GetForeColor() const { return m_foreColor; }
    // The stored back colour; a port without a surface reports its device's,
    // as a grey of its red component.
    yColor8 GetBackColor() const;

    // --- lines and shapes (drawing coordinates) -------------------------------

    void MoveTo(short x, short y);
    // Draws to (x, y), the end pixel excluded, and leaves the pen there.
    void LineTo(short x, short y);
    void Move(short dx, short dy);
    void Line(short x1, short y1, short x2, short y2);
    // A 1-pixel frame just inside the rectangle.
    void Outline(yRect r);
    void Outline();
    // The two diagonals of the rectangle.
    void X(yRect r);
    void OutlineX(yRect r);
    void Fill(yRect r);
    // Fills the device rectangle (0, 0)-(1000, 1000) in the fore colour.
    void Fill();
    void FillPattern(yPlatform::Brush const& brush);
    void FillPattern(yPlatform::Brush const& brush, yRect r);
    // Own surface: fills the world extent with the back colour. Window:
    // asks the window to repaint.
    void Erase();
    void Erase(yRect r);

    // --- text ---------------------------------------------------------------

    // Draws one line in the fore colour with a transparent background. The
    // pen is the reference point: the text starts at its x and the text box's
    // top lies (font size - 2) above it. The pen does not move.
    void DrawTextA(yString& text);
    long MeasureText(yString& text);
    void DrawNumber(float const& value); // "%.2f"
    void DrawNumber(int const& value);   // "%i"
    yFont const& GetFont() const { return m_font; }
    void SetFont(yFont const& font) { m_font = font; }

    // --- pixels -------------------------------------------------------------

    // Opaque black outside the clip rectangle (bounds inclusive) or the
    // surface. Alpha is the fourth byte for resource pictures, else 255.
    yColor8 GetPixel(long const& x, long const& y) const;
    void SetPixel(long const& x, long const& y, yColor8 const& color);
    // The surface's bottom row (memory order blue, green, red, alpha), or null.
    yColor8* GetPixelBasePtr() const;
    long GetRowBytes() const;

    // --- geometry and copying -----------------------------------------------

    yRect GetWorldExtentRect() const;
    // Cuts the larger of a and b to the size of the smaller, from its top and
    // left, using the sizes on entry. 24 (nothing changed) when either holds
    // no pixel, else 0.
    static long ResolveRects(yRect& a, yRect& b);
    // The same; whenever a is cut, c is cut to the same size from its top/left.
    static long ResolveRects(yRect& a, yRect& b, yRect& c);
    // 1:1 block copy from src (port coordinates) to dstRect (world
    // coordinates of dst).
    void CopyTo(yRect src, yDrawPort& dst, yRect dstRect);
    void CopyTo(yDrawPort& dst, yRect dstRect);
    void CopyTo(yDrawPort& dst);
    // Blends srcRect of this port into dstRect of dst (both in world
    // coordinates of their ports) with an opacity (0 to 1) and a mode.
    void CompositeTo(yDrawPort* dst, yRect dstRect, yRect srcRect, float const& opacity, short const& mode);
    // Writes the port, every step-th pixel, into an 8-bit host image with the
    // top-left pixel at `at`; the unnamed arguments are not used.
    void CompositeTo(PF_LayerDef* world, yPointL const& at, float const&, short const&, yDrawPort*, short step);

    // --- drawing state ------------------------------------------------------

    void BeginDrawing();
    void EndDrawing();
    bool IsDrawing() const { return m_drawing; }
    // World coordinates in; stored in port coordinates. Lines, fills, pixels
    // and text drawn through the port stay inside it (right and bottom
    // excluded), and so do compositing and pixel reading.
    void SetClipRect(yRect const& r);
    ClipRect GetClipRect() const { return m_clip; }
    // World coordinates in: drawing coordinate (0, 0) falls on this point.
    void SetDrawOffset(yPointL const& worldPoint);
    yPointL GetDrawOffset() const { return m_drawOffset; }
    void SetOrigin(yPointL const& origin) { m_origin = origin; }
    yPointL GetOrigin() const { return m_origin; }
    long GetWidth() const { return m_width; }
    long GetHeight() const { return m_height; }
    unsigned short GetDepth() const { return m_depth; }
    bool HasAlpha() const { return m_hasAlpha; }
    bool OwnsSurface() const { return m_ownsSurface; }
    void SetRecreateOnResize(bool on) { m_recreateOnResize = on; }
    // Where drawing goes (null without a device); pass it to another port's
    // SetDrawPort to draw into this port's surface.
    yPlatform::Device* GetDevice() const { return m_device; }
    // The host context the port draws into (SetDrawPort(void*)), or null.
    const void* GetHostContext() const;

    // Hooks of the port's interface that have nothing to do on this platform.
    void Setup() {}
    void Store() {}
    void Restore() {}
    void CapturePort() {}
    void* GetWindowFromPort() { return nullptr; }
    void Lock() {}
    void Unlock() {}
    void SetClip() {}
    void Invalidate(yRect const&) {}
    void Validate(yRect const&) {}
    void SetUpdateRgn(void*) {}
    bool IsRectInUpdateRgn(yRect const&) { return false; }

private:
    // Selects the port's pen and brush into a device it has just got, when a
    // drawing pass is on.
    void AdoptDevice(yPlatform::Device* device);
    void SelectFont();
    yPlatform::Box ToDevice(yRect const& r) const;
    void Plot(int32_t x, int32_t y, yPlatform::Rgb color);
    // Gives the device the port's clip; false without a device.
    bool ApplyClip() const;
    // Step 2 of compositing: cuts dstRect to the visible part of dst and moves
    // srcRect along; both come back in port coordinates. False when either is
    // inverted.
    bool CutForComposite(yDrawPort const& dst, yRect& dstRect, yRect& srcRect) const;

    std::unique_ptr<yPlatform::Surface> m_surface;
    yPlatform::Brush m_fillBrush;
    yPlatform::Pen m_linePen;
    yPlatform::Brush m_replacedBrush;
    yPlatform::Pen m_replacedPen;
    yPlatform::Device* m_device = nullptr;
    std::unique_ptr<yPlatform::Device> m_ownDevice;  // the memory device of an own surface or picture
    std::unique_ptr<yPlatform::Device> m_hostDevice; // the wrapper of a host window's context
    unsigned short m_depth = 32;
    int32_t m_width = 0;
    int32_t m_height = 0;
    yPointL m_drawOffset;
    yPointL m_origin;
    ClipRect m_clip;
    yColor8 m_foreColor{255, 0, 0, 0};
    yColor8 m_backColor{255, 255, 255, 255};
    bool m_ownsSurface = false;
    bool m_recreateOnResize = true;
    bool m_drawing = false;
    bool m_hasAlpha = false;
    yFont m_font;
};
