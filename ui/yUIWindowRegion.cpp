#include "ui/yUIWindowRegion.h"

yUIWindowRegion::yUIWindowRegion()
{
    SetName("yUIWindowRegion");
    SetSize(yPointL(50, 50));
    SetDragEnabled(false);
    SetHitTarget(false);
    SetInheritPort(false);
    SetForeColor(yColor8(255, 0, 0, 0));
    SetBackColor(yColor8(255, 200, 200, 200));
    SetBoxStyle(kBoxOutline);
    SetFillMode(kFillSolid);
}

void yUIWindowRegion::SetOwnerData(void* data)
{
    m_destinationOwner = data;
    yUIBoxContainer::SetOwnerData(data);
}

void yUIWindowRegion::Draw()
{
    if (!CanDraw())
        return;
    if (m_transparent)
        yUIBaseControl::Draw();
    else
        yUIBoxContainer::Draw();
    if (!m_destination || !IsVisibleInHierarchy() || !GetDrawPort() || !GetInvalidates())
        return;
    // The destination's clip is taken in world coordinates; the port moves
    // it into its own.
    m_destination->SetClipRect(GetClipRect());
    if (m_offscreen)
    {
        const yPointL size = GetScaledSize();
        m_ownPort.CopyTo(*m_destination, yRect(m_copyPosition.y, m_copyPosition.x, m_copyPosition.y + size.y,
                                               m_copyPosition.x + size.x));
    }
}

void yUIWindowRegion::SetPosition(const yPointL& position)
{
    if (position == GetPosition())
        return;
    yUIBoxContainer::SetPosition(position);
    RecordPosition();
}

void yUIWindowRegion::SetScale(const yPointF& scale)
{
    if (scale == GetScale())
        return;
    yUIBoxContainer::SetScale(scale);
    ResizeOwnPort();
}

void yUIWindowRegion::SetSize(const yPointL& size)
{
    if (size == GetSize())
        return;
    yUIBoxContainer::SetSize(size);
    ResizeOwnPort();
}

void yUIWindowRegion::Layout()
{
    yUIBoxContainer::Layout();
    if (!m_offscreen)
        return;
    const yPointL size = GetScaledSize();
    if (size.x != m_ownPort.GetWidth() || size.y != m_ownPort.GetHeight())
        ResizeOwnPort();
    RecordPosition();
}

void yUIWindowRegion::CreateOffscreen()
{
    RecordPosition();
    const yPointL size = GetScaledSize();
    m_ownPort.SetSize(size.x, size.y);
    m_ownPort.Create();
    SetDrawPort(&m_ownPort);
}

void yUIWindowRegion::ChooseDrawPort()
{
    SetDrawPort(m_offscreen ? &m_ownPort : m_destination);
}

void yUIWindowRegion::RecordPosition()
{
    // The own port's top-left pixel shows the region's top-left corner.
    const yRect r = GetScreenRect();
    m_copyPosition = yPointL(r.left, r.top);
    m_ownPort.SetOrigin(m_copyPosition);
}

void yUIWindowRegion::ResizeOwnPort()
{
    const yPointL size = GetScaledSize();
    m_ownPort.SetSize(size.x, size.y);
}
