#include "ui/yUISlider.h"

#include "ui/yUIEventContext.h"

#include <cmath>

namespace {

float Clamp(float v, float lo, float hi)
{
    if (v > hi)
        v = hi;
    if (v < lo)
        v = lo;
    return v;
}

} // namespace

yUISlider::yUISlider()
{
    SetName("Themed Slider");
    SetSize(yPointL(255, 30));
    SetHitTarget(false);
    SetLeaveNotification(true);

    m_thumb.SetName("Themed Slider Drag Control");
    m_thumb.SetSize(yPointL(12, 8));
    m_thumb.SetAnchor(0.5f, 0.0f);
    m_thumb.SetDragEnabled(true);
    m_thumb.SetLeaveNotification(true);
    // The thumb can be caught 3 pixels beside and 5 pixels below its picture.
    m_thumb.SetMargins(0, -3, 5, 3);
    m_thumb.SetUseMargins(true);
    m_thumb.SetKeepInsideParent(false);
    m_thumb.SetMouseDownCommand(kThumbDownCommand);
    m_thumb.SetMouseDragCommand(kThumbDragCommand);
    m_thumb.SetMouseUpCommand(kThumbUpCommand);
    m_thumb.SetMouseOverCommand(kThumbOverCommand);
    m_thumb.AddListener(this);
    AddChild(m_thumb);
    PlaceThumb();
}

void yUISlider::SetMouseUpCommand(const yString& command)
{
    m_upCommand = command;
}

void yUISlider::SetMouseDownCommand(const yString& command)
{
    m_downCommand = command;
}

void yUISlider::SetMouseOverCommand(const yString& command)
{
    m_overCommand = command;
}

void yUISlider::SetMouseDragCommand(const yString& command)
{
    m_dragCommand = command;
}

long yUISlider::GetLength() const
{
    return m_orientation == kHorizontal ? GetScaledWidth() : GetScaledHeight();
}

long yUISlider::PositionToCoordinate(float position) const
{
    const float length = static_cast<float>(GetLength());
    const float start = m_trackStart * length;
    const float end = m_trackEnd * length;
    return static_cast<long>(start + (end - start) * position);
}

float yUISlider::ScreenToPosition(const yPointL& point) const
{
    const yRect screen = GetScreenRect();
    const float length = static_cast<float>(GetLength());
    const float start = m_trackStart * length;
    const float end = m_trackEnd * length;
    if (end <= start)
        return 0.0f;
    const float c = static_cast<float>(m_orientation == kHorizontal ? point.x - screen.left : point.y - screen.top);
    return (Clamp(c, start, end) - start) / (end - start);
}

void yUISlider::PlaceThumb()
{
    const long c = PositionToCoordinate(m_position);
    m_thumb.SetPosition(m_orientation == kHorizontal ? yPointL(c, 0) : yPointL(0, c));
}

void yUISlider::Layout()
{
    PlaceThumb();
}

void yUISlider::SetNormalizedValue(const float& position)
{
    if (std::isnan(position))
        return;
    if (!m_locked)
        m_position = Clamp(position, 0.0f, 1.0f);
    PlaceThumb();
    Layout();
    if (!m_locked)
        BroadcastCommand(GetChangeCommand());
}

void yUISlider::SetValue(const float& value)
{
    if (m_locked || std::isnan(value))
        return;
    const float v = Clamp(value, m_minimum, m_maximum);
    float position;
    if (m_logarithmic)
    {
        position = std::pow(2.0f, -v);
    }
    else
    {
        const float above = v - m_minimum;
        position = above > 0.0f ? above / (m_maximum - m_minimum) : 0.0f;
    }
    SetNormalizedValue(position);
}

float yUISlider::GetValue() const
{
    float value;
    if (m_logarithmic)
    {
        if (m_position >= 1.0f)
            value = 0.0f;
        else if (m_position <= 0.0f)
            value = m_maximum;
        else
            value = std::log2(1.0f / m_position);
    }
    else
    {
        value = m_minimum + (m_maximum - m_minimum) * m_position;
    }
    return Clamp(value, m_minimum, m_maximum);
}

void yUISlider::SetSliderSize(long width, long height)
{
    const long limit = kCoordinateLimit;
    width = width < m_minWidth ? m_minWidth : (width > limit ? limit : width);
    height = height < m_minHeight ? m_minHeight : (height > limit ? limit : height);
    SetSize(yPointL(static_cast<int32_t>(width), static_cast<int32_t>(height)));
    PlaceThumb();
    Layout();
}

void yUISlider::SetMinimumSize(long width, long height)
{
    const long limit = kCoordinateLimit;
    m_minWidth = width < 0 ? 0 : (width > limit ? limit : width);
    m_minHeight = height < 0 ? 0 : (height > limit ? limit : height);
}

void yUISlider::SetTrack(float start, float end)
{
    m_trackStart = Clamp(std::isnan(start) ? 0.0f : start, 0.0f, 1.0f);
    m_trackEnd = Clamp(std::isnan(end) ? 1.0f : end, m_trackStart, 1.0f);
    PlaceThumb();
}

void yUISlider::SetOrientation(short orientation)
{
    m_orientation = orientation == kVertical ? kVertical : kHorizontal;
    PlaceThumb();
}

void yUISlider::Drag()
{
    yUIEventContext* context = GetEventContext();
    if (!context)
        return;
    const bool horizontal = m_orientation == kHorizontal;
    const long distance = horizontal ? context->mousePosition.x - context->downPositions[0].x
                                     : context->mousePosition.y - context->downPositions[0].y;
    const float travel = context->shift ? kFineTravel : m_trackEnd - m_trackStart;
    const yPointF scale = GetEffectiveScale();
    const float divisor = travel * static_cast<float>(horizontal ? GetSize().x : GetSize().y) * (horizontal ? scale.x : scale.y);
    if (!(divisor > 0.0f))
        return;
    SetNormalizedValue(m_dragStart + static_cast<float>(distance) / divisor);
}

void yUISlider::ReceiveCommand(const yString& command)
{
    if (command == kThumbDownCommand)
    {
        m_dragStart = m_position;
        BroadcastCommand(m_downCommand);
    }
    else if (command == kThumbOverCommand)
    {
        m_dragStart = m_position;
        BroadcastCommand(m_overCommand);
    }
    else if (command == kThumbDragCommand)
    {
        Drag();
        BroadcastCommand(m_dragCommand);
    }
    else if (command == kThumbUpCommand)
    {
        BroadcastCommand(m_upCommand);
    }
}

void yUISlider::MouseDown()
{
    yUIEventContext* context = GetEventContext();
    if (m_clickToJump && context && !IsDisabledInHierarchy())
        SetNormalizedValue(ScreenToPosition(context->mousePosition));
    m_dragStart = m_position;
    yUIBaseControl::MouseDown();
    BroadcastCommand(m_downCommand);
}

void yUISlider::MouseOver()
{
    yUIBaseControl::MouseOver();
    BroadcastCommand(m_overCommand);
}

void yUISlider::MouseDrag()
{
    yUIBaseControl::MouseDrag();
    BroadcastCommand(m_dragCommand);
}

void yUISlider::MouseUp()
{
    yUIBaseControl::MouseUp();
    BroadcastCommand(m_upCommand);
}
