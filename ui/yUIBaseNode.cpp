#include "ui/yUIBaseNode.h"

#include "ui/yUIEventContext.h"

yUIBaseNode::yUIBaseNode()
{
    SetName("yUIBaseNode");
}

void yUIBaseNode::AddChild(yTreeNode& child)
{
    yTreeNode::AddChild(child);
    if (child.GetParent() != this)
        return; // refused
    if (auto* node = yNodeCast<yUIBaseNode>(&child))
    {
        node->SetEventContext(m_eventContext);
        if (node->m_inheritPort)
            node->SetDrawPort(m_drawPort);
    }
}

void yUIBaseNode::RemoveChild(yTreeNode& child)
{
    if (child.GetParent() != this)
        return;
    yTreeNode::RemoveChild(child);
    if (auto* node = yNodeCast<yUIBaseNode>(&child))
    {
        node->SetEventContext(nullptr);
        node->SetDrawPort(nullptr);
    }
}

void yUIBaseNode::SetDrawPort(yDrawPort* port)
{
    if (port != m_drawPort || !m_portSet)
    {
        m_drawPort = port;
        m_portSet = true;
    }
    ForEachChild([port](yUIBaseNode& child) {
        if (child.m_inheritPort)
            child.SetDrawPort(port);
    });
}

void yUIBaseNode::SetOwnerData(void* data)
{
    m_ownerData = data;
    ForEachChild([data](yUIBaseNode& child) {
        if (child.m_inheritOwnerData)
            child.SetOwnerData(data);
    });
}

yUIEventContext* yUIBaseNode::GetEventContext() const
{
    return m_eventContext;
}

yDrawPort* yUIBaseNode::GetDrawPort() const
{
    return m_drawPort;
}

void* yUIBaseNode::GetOwnerData() const
{
    return m_ownerData;
}

bool yUIBaseNode::HitTest()
{
    bool result = false;
    ForEachChild([&result](yUIBaseNode& child) { result = child.HitTest(); });
    return result;
}

void yUIBaseNode::ReservedA()
{
}

void yUIBaseNode::ReservedB()
{
}

void yUIBaseNode::ReservedC()
{
}

void yUIBaseNode::MouseOver()
{
}

void yUIBaseNode::MouseDown()
{
}

void yUIBaseNode::MouseDrag()
{
}

void yUIBaseNode::MouseUp()
{
}

void yUIBaseNode::KeyDown()
{
}

void yUIBaseNode::KeyRepeat()
{
}

void yUIBaseNode::KeyUp()
{
}

void yUIBaseNode::ModifiersChanged()
{
    ForEachChild([](yUIBaseNode& child) { child.ModifiersChanged(); });
}

void yUIBaseNode::Draw()
{
    ForEachChild([](yUIBaseNode& child) { child.Draw(); });
}

void yUIBaseNode::SetEventContext(yUIEventContext* context)
{
    auto update = [context](yUIBaseNode& node) {
        if (node.m_eventContext == context)
            return;
        // A node that leaves a panel must not stay its target or active control.
        if (node.m_eventContext)
            node.m_eventContext->Forget(&node);
        node.m_eventContext = context;
    };
    update(*this);
    yTreeIterator walk(this);
    while (yTreeNode* n = walk.GetNext())
        if (auto* node = yNodeCast<yUIBaseNode>(n))
            update(*node);
}
