#include "ui/yTreeNode.h"

yTreeNode::~yTreeNode()
{
    Unlink();
    yTreeNode* child = m_firstChild;
    while (child)
    {
        yTreeNode* next = child->m_nextSibling;
        child->m_parent = nullptr;
        child->m_nextSibling = nullptr;
        child->m_previousSibling = nullptr;
        child = next;
    }
    m_firstChild = nullptr;
}

void yTreeNode::AddChild(yTreeNode& child)
{
    if (&child == this || child.IsAncestorOf(*this))
        return;
    if (child.m_parent)
        child.m_parent->RemoveChild(child);
    else
        child.Unlink(); // loose siblings without a parent
    if (!m_firstChild)
    {
        m_firstChild = &child;
    }
    else
    {
        yTreeNode* last = m_firstChild->GetLastSibling();
        last->m_nextSibling = &child;
        child.m_previousSibling = last;
    }
    child.m_parent = this;
    child.OnAttached();
    child.OnOrderChanged();
}

void yTreeNode::RemoveChild(yTreeNode& child)
{
    if (child.m_parent != this)
        return;
    // Moved to the end first, so that cutting it off touches one link only.
    child.MakeThisLastSibling();
    if (child.m_previousSibling)
        child.m_previousSibling->m_nextSibling = nullptr;
    else
        m_firstChild = nullptr;
    child.m_parent = nullptr;
    child.m_previousSibling = nullptr;
    child.m_nextSibling = nullptr;
}

void yTreeNode::OnAttached()
{
}

void yTreeNode::OnOrderChanged()
{
}

yTreeNode* yTreeNode::GetRoot() const
{
    const yTreeNode* node = this;
    while (node->m_parent)
        node = node->m_parent;
    return const_cast<yTreeNode*>(node);
}

yTreeNode* yTreeNode::GetFirstSibling() const
{
    const yTreeNode* node = this;
    while (node->m_previousSibling)
        node = node->m_previousSibling;
    return const_cast<yTreeNode*>(node);
}

yTreeNode* yTreeNode::GetLastSibling() const
{
    const yTreeNode* node = this;
    while (node->m_nextSibling)
        node = node->m_nextSibling;
    return const_cast<yTreeNode*>(node);
}

bool yTreeNode::IsAncestorOf(const yTreeNode& node) const
{
    for (const yTreeNode* p = node.m_parent; p; p = p->m_parent)
        if (p == this)
            return true;
    return false;
}

void yTreeNode::MakeThisLastSibling()
{
    yTreeNode* last = GetLastSibling();
    if (last == this)
        return;
    if (m_previousSibling)
        m_previousSibling->m_nextSibling = m_nextSibling;
    else if (m_parent)
        m_parent->m_firstChild = m_nextSibling;
    m_nextSibling->m_previousSibling = m_previousSibling;
    last->m_nextSibling = this;
    m_previousSibling = last;
    m_nextSibling = nullptr;
    OnOrderChanged();
}

unsigned long yTreeNode::GetHierarchyDepth() const
{
    auto earlierSiblings = [](const yTreeNode* node) {
        unsigned long count = 0;
        for (const yTreeNode* s = node->m_previousSibling; s; s = s->m_previousSibling)
            ++count;
        return count;
    };
    unsigned long depth = earlierSiblings(this);
    for (const yTreeNode* p = m_parent; p; p = p->m_parent)
        depth += 1 + earlierSiblings(p);
    return depth;
}

void yTreeNode::Unlink()
{
    if (m_parent && m_parent->m_firstChild == this)
        m_parent->m_firstChild = m_nextSibling;
    if (m_previousSibling)
        m_previousSibling->m_nextSibling = m_nextSibling;
    if (m_nextSibling)
        m_nextSibling->m_previousSibling = m_previousSibling;
    m_parent = nullptr;
    m_previousSibling = nullptr;
    m_nextSibling = nullptr;
}

yTreeNode* yTreeIterator::GetNext()
{
    yTreeNode* next = nullptr;
    if (m_current)
    {
        if (m_current->GetFirstChild())
        {
            next = m_current->GetFirstChild();
        }
        else if (m_current != m_root && m_current->GetNextSibling())
        {
            next = m_current->GetNextSibling();
        }
        else
        {
            // Climb until an ancestor below the root has a next sibling.
            for (yTreeNode* n = m_current; n != m_root && n->GetParent();)
            {
                n = n->GetParent();
                if (n == m_root)
                    break;
                if (n->GetNextSibling())
                {
                    next = n->GetNextSibling();
                    break;
                }
            }
        }
    }
    m_current = next ? next : m_root;
    return next;
}
