// Parent, child and sibling links that make broadcasters a tree. Nodes do not
// own one another: the order of a node's children is the order of drawing,
// event routing and hit-testing.
#pragma once

#include "ui/yBroadcaster.h"

class yTreeNode : public yBroadcaster
{
public:
    yTreeNode() = default;
    // Unlinks the node from its parent and detaches its children, so that no
    // link to a destroyed node survives.
    ~yTreeNode() override;
    yTreeNode(const yTreeNode&) = delete;
    yTreeNode& operator=(const yTreeNode&) = delete;

    // Links child after the last child. A node already in a tree is taken out
    // of it first; adding the node itself or one of its ancestors does nothing.
    virtual void AddChild(yTreeNode& child);
    // Unlinks child (only when this is its parent); the others keep their order.
    virtual void RemoveChild(yTreeNode& child);
    // Called on a child right after it has been linked under a parent.
    virtual void OnAttached();
    // Called on a node after its place among its siblings changed.
    virtual void OnOrderChanged();

    yTreeNode* GetParent() const { return m_parent; }
    yTreeNode* GetFirstChild() const { return m_firstChild; }
    yTreeNode* GetNextSibling() const { return m_nextSibling; }
    yTreeNode* GetPreviousSibling() const { return m_previousSibling; }
    yTreeNode* GetRoot() const;
    // A node without siblings yields itself.
    yTreeNode* GetFirstSibling() const;
    yTreeNode* GetLastSibling() const;
    bool IsAncestorOf(const yTreeNode& node) const;

    void MakeThisLastSibling();
    // Hit-test rank: earlier siblings of the node plus, for every ancestor,
    // one for the level and that ancestor's earlier siblings. A later sibling
    // ranks above an earlier one and a child above its parent.
    unsigned long GetHierarchyDepth() const;

private:
    void Unlink();

    yTreeNode* m_parent = nullptr;
    yTreeNode* m_firstChild = nullptr;
    yTreeNode* m_nextSibling = nullptr;
    yTreeNode* m_previousSibling = nullptr;
};

// Depth-first walk of a subtree: a parent before its children, children in
// sibling order. The root itself is never returned.
class yTreeIterator
{
public:
    explicit yTreeIterator(yTreeNode* root) : m_root(root), m_current(root) {}

    // The next node, or null when the walk is over; the call after that
    // starts the walk again.
    yTreeNode* GetNext();

private:
    yTreeNode* m_root;
    yTreeNode* m_current;
};
