// A tree node that knows the drawing port it draws into and the event context
// of its panel. It declares every operation of the widgets, so that routing
// and drawing can walk the tree without knowing what each node is.
#pragma once

#include "ui/yNodeCast.h"
#include "ui/yTreeNode.h"

class yDrawPort;
struct yUIEventContext;

class yUIBaseNode : public yTreeNode
{
public:
    yUIBaseNode();

    // Gives the child (and its subtree) this node's event context and, when
    // the child inherits the port, this node's port.
    void AddChild(yTreeNode& child) override;
    // Clears the child's subtree's event context and the child's port.
    void RemoveChild(yTreeNode& child) override;

    // Stores the port and passes it to every child that inherits the port.
    virtual void SetDrawPort(yDrawPort* port);
    // Stores the pointer and passes it to every child that inherits owner data.
    virtual void SetOwnerData(void* data);
    virtual yUIEventContext* GetEventContext() const;
    virtual yDrawPort* GetDrawPort() const;
    virtual void* GetOwnerData() const;
    // Runs the hit test on every child; the last child's result (false without children).
    virtual bool HitTest();
    // Kept empty; nothing overrides them.
    virtual void ReservedA();
    virtual void ReservedB();
    virtual void ReservedC();
    virtual void MouseOver();
    virtual void MouseDown();
    virtual void MouseDrag();
    virtual void MouseUp();
    virtual void KeyDown();
    virtual void KeyRepeat();
    virtual void KeyUp();
    // Passed on to every child.
    virtual void ModifiersChanged();
    // Draws every child.
    virtual void Draw();

    // Gives this node and its whole subtree the context (nodes that already
    // have it are left alone). The event layer calls it on its root.
    void SetEventContext(yUIEventContext* context);

    void SetInheritPort(bool inherit) { m_inheritPort = inherit; }
    bool GetInheritPort() const { return m_inheritPort; }
    void SetInheritOwnerData(bool inherit) { m_inheritOwnerData = inherit; }
    bool GetInheritOwnerData() const { return m_inheritOwnerData; }

protected:
    // Calls f on every child that is a UI node, in sibling order.
    template <class F> void ForEachChild(F f)
    {
        for (yTreeNode* c = GetFirstChild(); c;)
        {
            yTreeNode* next = c->GetNextSibling(); // f may unlink c
            if (auto* node = yNodeCast<yUIBaseNode>(c))
                f(*node);
            c = next;
        }
    }

private:
    bool m_inheritPort = true;
    bool m_inheritOwnerData = true;
    void* m_ownerData = nullptr;
    yUIEventContext* m_eventContext = nullptr;
    yDrawPort* m_drawPort = nullptr;
    bool m_portSet = false;
};
