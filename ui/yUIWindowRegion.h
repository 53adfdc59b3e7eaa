// The root of a panel's widget tree: a box container that lets its subtree
// draw into an off-screen port of its own and then copies the finished
// picture to the destination port (the host window's) in one piece, so the
// panel does not flicker while its widgets redraw one after the other.
#pragma once

#include "ui/yUIBoxContainer.h"

#include "draw/yDrawPort.h"

class yUIWindowRegion : public yUIBoxContainer
{
public:
    yUIWindowRegion();

    // Also remembers the pointer as the destination side's owner.
    void SetOwnerData(void* data) override;
    // The box face (unless transparent) and the children, then, with a
    // destination, the clip and (off-screen) the copy onto the destination.
    void Draw() override;
    // Records the new place as where the picture goes on the destination.
    void SetPosition(const yPointL& position) override;
    // Both resize the own port to the new scaled size.
    void SetScale(const yPointF& scale) override;
    void SetSize(const yPointL& size) override;
    // Off-screen: follows a size change the port missed and records the place.
    void Layout() override;

    // Records the screen position, sizes the own port to the region and
    // creates its surface, then gives the own port to the whole tree.
    void CreateOffscreen();
    // Gives the tree the own port when off-screen, else the destination port.
    void ChooseDrawPort();

    void SetOffscreen(bool on) { m_offscreen = on; }
    bool IsOffscreen() const { return m_offscreen; }
    // The host window's port; not owned.
    void SetDestinationPort(yDrawPort* port) { m_destination = port; }
    yDrawPort* GetDestinationPort() const { return m_destination; }
    void* GetDestinationOwner() const { return m_destinationOwner; }
    yDrawPort& GetOwnPort() { return m_ownPort; }
    void SetTransparent(bool on) { m_transparent = on; }
    bool IsTransparent() const { return m_transparent; }
    // Where the own port's picture goes on the destination.
    yPointL GetCopyPosition() const { return m_copyPosition; }

private:
    void RecordPosition();
    void ResizeOwnPort();

    bool m_offscreen = false;
    yDrawPort* m_destination = nullptr;
    void* m_destinationOwner = nullptr;
    yDrawPort m_ownPort;
    bool m_transparent = false;
    yPointL m_copyPosition;
};
