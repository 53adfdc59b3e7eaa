// A node with a rectangle in panel coordinates: position of an anchor point,
// size, scale, the flags that tie them to the parent, margins and colours.
#pragma once

#include "ui/yUIBaseNode.h"

#include "base/yPointL.h"
#include "draw/yColor.h"
#include "draw/yPointF.h"
#include "draw/yRect.h"

class yUIBaseShape : public yUIBaseNode
{
public:
    // Coordinates and extents are kept within this many pixels either way, so
    // that no sum of positions and sizes can overflow.
    static constexpr int32_t kCoordinateLimit = 1 << 28;
    // Effective scale factors are limited to 0 through this.
    static constexpr float kMaxScale = 1000.0f;

    yUIBaseShape();

    // Slots of the shape: geometry, drawing state and colours.
    // A new position invalidates the old and the new place and broadcasts
    // the shape's change command.
    virtual void SetPosition(const yPointL& position);
    virtual void SetScale(const yPointF& scale);
    // Negative extents count as 0.
    virtual void SetSize(const yPointL& size);
    virtual yPointL GetPosition() const;
    virtual yPointF GetScale() const;
    // The unscaled size: the nearest sizing ancestor's when size from parent is set.
    virtual yPointL GetSize() const;
    // True when the shape does not invalidate or has a port.
    virtual bool CanDraw() const;
    // With now set, marks the shape's rectangle (with margins) dirty in its
    // port while it is visible in its hierarchy and invalidates.
    virtual void Invalidate(bool now);
    // Re-arranges children; empty here.
    virtual void Layout();
    virtual void SetForeColor(const yColorT<yMath::U8>& color);
    virtual void SetBackColor(const yColorT<yMath::U8>& color);
    virtual void SetDisabledColor(const yColorT<yMath::U8>& color);

    // Geometry in panel pixels.
    yPointL GetScreenPosition() const;
    yRect GetScreenRect() const;
    // The screen rectangle grown (or shrunk) by the margins when they are used.
    yRect GetHitRect() const;
    // The hit rectangle, cut to the parent's clip rectangle when clipping to it.
    yRect GetClipRect() const;
    // Moves the shape so that its anchor lands on a panel point, kept inside
    // the parent when asked to.
    void SetScreenPosition(const yPointL& point);
    yPointF GetEffectiveScale() const;
    yPointL GetScaledSize() const;
    long GetScaledWidth() const { return GetScaledSize().x; }
    long GetScaledHeight() const { return GetScaledSize().y; }
    bool IsVisibleInHierarchy() const;
    bool IsDisabledInHierarchy() const;
    yColorT<yMath::U8> GetEffectiveForeColor() const;
    yColorT<yMath::U8> GetEffectiveBackColor() const;
    yColorT<yMath::U8> GetEffectiveDisabledColor() const;
    // The shape's parent when it is a shape, else null.
    yUIBaseShape* GetParentShape() const;

    const yColorT<yMath::U8>& GetForeColor() const { return m_foreColor; }
    const yColorT<yMath::U8>& GetBackColor() const { return m_backColor; }
    const yColorT<yMath::U8>& GetDisabledColor() const { return m_disabledColor; }

    // Fractions of the scaled size that the position names (0, 0: top-left).
    void SetAnchor(float x, float y) { m_anchor = yPointF(x, y); }
    yPointF GetAnchor() const { return m_anchor; }
    // Added edge by edge to the screen rectangle when margins are used.
    void SetMargins(long top, long left, long bottom, long right);
    yRect GetMargins() const { return m_margins; }
    // Broadcast after every change of position, size or scale.
    void SetGeometryCommand(const yString& command) { m_geometryCommand = command; }
    const yString& GetGeometryCommand() const { return m_geometryCommand; }

    void SetVisible(bool on) { m_visible = on; }
    bool IsVisible() const { return m_visible; }
    void SetDisabled(bool on) { m_disabled = on; }
    bool IsDisabled() const { return m_disabled; }
    void SetScaled(bool on) { m_scaled = on; }
    bool IsScaled() const { return m_scaled; }
    void SetInvalidates(bool on) { m_invalidates = on; }
    bool GetInvalidates() const { return m_invalidates; }
    void SetInheritScaled(bool on) { m_inheritScaled = on; }
    void SetRelativeToParent(bool on) { m_relativeToParent = on; }
    bool IsRelativeToParent() const { return m_relativeToParent; }
    // The effective scale is the parent's times the own factors.
    void SetScaleFromParent(bool on) { m_scaleFromParent = on; }
    // Second mode: kept as a flag; the effective scale is the own factors.
    void SetStretchWithParent(bool on) { m_stretchWithParent = on; }
    void SetPositionScaledByParent(bool on) { m_positionScaledByParent = on; }
    void SetSizeFromParent(bool on) { m_sizeFromParent = on; }
    void SetInheritColors(bool on) { m_inheritColors = on; }
    void SetInheritVisibility(bool on) { m_inheritVisibility = on; }
    void SetInheritDisabled(bool on) { m_inheritDisabled = on; }
    void SetClipToParent(bool on) { m_clipToParent = on; }
    bool GetClipToParent() const { return m_clipToParent; }
    void SetKeepInsideParent(bool on) { m_keepInsideParent = on; }
    bool GetKeepInsideParent() const { return m_keepInsideParent; }
    void SetUseMargins(bool on) { m_useMargins = on; }
    bool GetUseMargins() const { return m_useMargins; }

protected:
    // After a size or scale change: Layout, then each child shape is
    // invalidated, laid out and updated in turn; then the change command.
    void UpdateGeometry();
    // The scaled rectangle around the anchor point (0, 0).
    yRect GetAnchoredRect() const;

private:
    bool IsScaleInForce() const;
    yPointL GetTopLeft() const;

    yPointL m_size;
    yPointL m_position;
    yPointF m_scale{1.0f, 1.0f};
    yPointF m_anchor{0.0f, 0.0f};
    bool m_scaled = false;
    bool m_visible = true;
    bool m_disabled = false;
    bool m_invalidates = true;
    bool m_inheritScaled = false;
    bool m_relativeToParent = true;
    bool m_scaleFromParent = false;
    bool m_stretchWithParent = false;
    bool m_positionScaledByParent = false;
    bool m_sizeFromParent = false;
    bool m_inheritColors = false;
    bool m_inheritVisibility = true;
    bool m_inheritDisabled = true;
    bool m_clipToParent = true;
    bool m_keepInsideParent = true;
    bool m_useMargins = false;
    yRect m_margins; // top, left, bottom, right
    yString m_geometryCommand;
    yColorT<yMath::U8> m_foreColor{255, 102, 102, 102};
    yColorT<yMath::U8> m_backColor{255, 221, 221, 221};
    yColorT<yMath::U8> m_disabledColor{255, 140, 140, 140};
};
