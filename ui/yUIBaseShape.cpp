#include "ui/yUIBaseShape.h"

#include "draw/yDrawPort.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{
constexpr int64_t kLimit = yUIBaseShape::kCoordinateLimit;

int32_t Clamp(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, -kLimit, kLimit));
}

// Truncation toward zero that stays defined for NaN and huge values.
int32_t Trunc(float v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<float>(kLimit))
        return static_cast<int32_t>(kLimit);
    if (v <= -static_cast<float>(kLimit))
        return static_cast<int32_t>(-kLimit);
    return static_cast<int32_t>(v);
}

float ClampScale(float s)
{
    if (std::isnan(s))
        return 1.0f;
    return std::clamp(s, 0.0f, yUIBaseShape::kMaxScale);
}

// A local coordinate divided by the parent's scale; a zero scale leaves it alone.
int32_t Unscale(int64_t v, float scale)
{
    return scale > 0.0f ? Trunc(static_cast<float>(v) / scale) : Clamp(v);
}
} // namespace

yUIBaseShape::yUIBaseShape()
{
    SetName("yUIBaseShape");
}

void yUIBaseShape::SetPosition(const yPointL& position)
{
    const yPointL p(Clamp(position.x), Clamp(position.y));
    if (p == m_position)
        return;
    Invalidate(true);
    m_position = p;
    BroadcastCommand(m_geometryCommand);
    Invalidate(true);
}

void yUIBaseShape::SetScale(const yPointF& scale)
{
    if (scale == m_scale)
        return;
    Invalidate(true);
    m_scale = scale;
    UpdateGeometry();
}

void yUIBaseShape::SetSize(const yPointL& size)
{
    const yPointL s(std::clamp<int32_t>(size.x, 0, kCoordinateLimit),
                    std::clamp<int32_t>(size.y, 0, kCoordinateLimit));
    if (s == m_size)
        return;
    Invalidate(true);
    m_size = s;
    UpdateGeometry();
}

yPointL yUIBaseShape::GetPosition() const
{
    return m_position;
}

yPointF yUIBaseShape::GetScale() const
{
    return m_scale;
}

yPointL yUIBaseShape::GetSize() const
{
    if (m_sizeFromParent)
        for (const yUIBaseShape* p = GetParentShape(); p; p = p->GetParentShape())
            if (!p->m_sizeFromParent)
                return p->m_size;
    return m_size;
}

bool yUIBaseShape::CanDraw() const
{
    return !m_invalidates || GetDrawPort() != nullptr;
}

void yUIBaseShape::Invalidate(bool now)
{
    yDrawPort* port = GetDrawPort();
    if (now && m_invalidates && port && IsVisibleInHierarchy())
        port->Invalidate(GetHitRect());
}

void yUIBaseShape::Layout()
{
}

void yUIBaseShape::SetForeColor(const yColorT<yMath::U8>& color)
{
    m_foreColor = color;
}

void yUIBaseShape::SetBackColor(const yColorT<yMath::U8>& color)
{
    m_backColor = color;
}

void yUIBaseShape::SetDisabledColor(const yColorT<yMath::U8>& color)
{
    m_disabledColor = color;
}

yPointL yUIBaseShape::GetScreenPosition() const
{
    const yUIBaseShape* parent = GetParentShape();
    if (!m_relativeToParent || !parent)
        return m_position;
    yPointL local = m_position;
    if (m_positionScaledByParent)
    {
        const yPointF ps = parent->GetEffectiveScale();
        local = yPointL(Trunc(local.x * ps.x), Trunc(local.y * ps.y));
    }
    const yPointL corner = parent->GetTopLeft();
    return yPointL(Clamp(int64_t(local.x) + corner.x), Clamp(int64_t(local.y) + corner.y));
}

yRect yUIBaseShape::GetScreenRect() const
{
    const yRect r = GetAnchoredRect();
    const yPointL p = GetScreenPosition();
    return yRect(Clamp(int64_t(r.top) + p.y), Clamp(int64_t(r.left) + p.x), Clamp(int64_t(r.bottom) + p.y),
                 Clamp(int64_t(r.right) + p.x));
}

yRect yUIBaseShape::GetHitRect() const
{
    yRect r = GetScreenRect();
    if (m_useMargins)
        r = yRect(Clamp(int64_t(r.top) + m_margins.top), Clamp(int64_t(r.left) + m_margins.left),
                  Clamp(int64_t(r.bottom) + m_margins.bottom), Clamp(int64_t(r.right) + m_margins.right));
    return r;
}

yRect yUIBaseShape::GetClipRect() const
{
    const yRect r = GetHitRect();
    const yUIBaseShape* parent = GetParentShape();
    if (m_clipToParent && parent)
        return r.Intersection(parent->GetClipRect());
    return r;
}

void yUIBaseShape::SetScreenPosition(const yPointL& point)
{
    const yUIBaseShape* parent = GetParentShape();
    int64_t x = point.x;
    int64_t y = point.y;
    const yPointF ps = parent ? parent->GetEffectiveScale() : yPointF(1.0f, 1.0f);
    if (m_relativeToParent && parent)
    {
        const yPointL origin = parent->GetScreenPosition();
        x -= origin.x;
        y -= origin.y;
        if (m_positionScaledByParent)
        {
            x = Unscale(x, ps.x);
            y = Unscale(y, ps.y);
        }
    }
    if (m_keepInsideParent && parent)
    {
        const yRect me = GetAnchoredRect();
        const yRect outer = parent->GetAnchoredRect();
        int64_t loX = int64_t(outer.left) - me.left, hiX = int64_t(outer.right) - me.right;
        int64_t loY = int64_t(outer.top) - me.top, hiY = int64_t(outer.bottom) - me.bottom;
        if (m_positionScaledByParent)
        {
            loX = Unscale(loX, ps.x);
            hiX = Unscale(hiX, ps.x);
            loY = Unscale(loY, ps.y);
            hiY = Unscale(hiY, ps.y);
        }
        // A shape as wide as its parent or wider sits at the lower end.
        const yPointL mine = GetScaledSize();
        const yPointL theirs = parent->GetScaledSize();
        x = mine.x < theirs.x ? std::max(loX, std::min(x, hiX)) : loX;
        y = mine.y < theirs.y ? std::max(loY, std::min(y, hiY)) : loY;
    }
    SetPosition(yPointL(Clamp(x), Clamp(y)));
}

yPointF yUIBaseShape::GetEffectiveScale() const
{
    if (!IsScaleInForce())
        return yPointF(1.0f, 1.0f);
    yPointF s = m_scale;
    const yUIBaseShape* parent = GetParentShape();
    if (m_scaleFromParent && parent)
    {
        const yPointF ps = parent->GetEffectiveScale();
        s = yPointF(ps.x * s.x, ps.y * s.y);
    }
    return yPointF(ClampScale(s.x), ClampScale(s.y));
}

yPointL yUIBaseShape::GetScaledSize() const
{
    const yPointL size = GetSize();
    const yPointF s = GetEffectiveScale();
    return yPointL(Trunc(static_cast<float>(size.x) * s.x), Trunc(static_cast<float>(size.y) * s.y));
}

bool yUIBaseShape::IsVisibleInHierarchy() const
{
    const yUIBaseShape* parent = GetParentShape();
    return m_visible && (!m_inheritVisibility || !parent || parent->IsVisibleInHierarchy());
}

bool yUIBaseShape::IsDisabledInHierarchy() const
{
    const yUIBaseShape* parent = GetParentShape();
    return m_disabled || (m_inheritDisabled && parent && parent->IsDisabledInHierarchy());
}

yColorT<yMath::U8> yUIBaseShape::GetEffectiveForeColor() const
{
    const yUIBaseShape* parent = GetParentShape();
    return m_inheritColors && parent ? parent->GetEffectiveForeColor() : m_foreColor;
}

yColorT<yMath::U8> yUIBaseShape::GetEffectiveBackColor() const
{
    const yUIBaseShape* parent = GetParentShape();
    return m_inheritColors && parent ? parent->GetEffectiveBackColor() : m_backColor;
}

yColorT<yMath::U8> yUIBaseShape::GetEffectiveDisabledColor() const
{
    const yUIBaseShape* parent = GetParentShape();
    return m_inheritColors && parent ? parent->GetEffectiveDisabledColor() : m_disabledColor;
}

yUIBaseShape* yUIBaseShape::GetParentShape() const
{
    return yNodeCast<yUIBaseShape>(GetParent());
}

void yUIBaseShape::SetMargins(long top, long left, long bottom, long right)
{
    m_margins = yRect(Clamp(top), Clamp(left), Clamp(bottom), Clamp(right));
}

void yUIBaseShape::UpdateGeometry()
{
    Layout();
    ForEachChild([](yUIBaseNode& node) {
        if (auto* child = yNodeCast<yUIBaseShape>(&node))
        {
            child->Invalidate(true);
            child->Layout();
            child->UpdateGeometry();
        }
    });
    BroadcastCommand(m_geometryCommand);
    Invalidate(true);
}

yRect yUIBaseShape::GetAnchoredRect() const
{
    const yPointL s = GetScaledSize();
    const float w = static_cast<float>(s.x);
    const float h = static_cast<float>(s.y);
    return yRect(Trunc(-h * m_anchor.y), Trunc(-w * m_anchor.x), Trunc((1.0f - m_anchor.y) * h),
                 Trunc((1.0f - m_anchor.x) * w));
}

bool yUIBaseShape::IsScaleInForce() const
{
    if (!m_scaled)
        return false;
    const yUIBaseShape* parent = GetParentShape();
    return !m_inheritScaled || !parent || parent->IsScaleInForce();
}

yPointL yUIBaseShape::GetTopLeft() const
{
    const yRect r = GetScreenRect();
    return yPointL(r.left, r.top);
}
