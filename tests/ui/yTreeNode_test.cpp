#include "ui/yTreeNode.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// Counts the notifications the tree sends.
struct Node : yTreeNode
{
    int attached = 0;
    int orderChanged = 0;
    void OnAttached() override { ++attached; }
    void OnOrderChanged() override { ++orderChanged; }
};

std::vector<yTreeNode*> Children(const yTreeNode& parent)
{
    std::vector<yTreeNode*> out;
    for (yTreeNode* c = parent.GetFirstChild(); c; c = c->GetNextSibling())
        out.push_back(c);
    // The backward links must tell the same story.
    std::vector<yTreeNode*> back;
    if (!out.empty())
        for (yTreeNode* c = out.back(); c; c = c->GetPreviousSibling())
            back.insert(back.begin(), c);
    EXPECT_EQ(out, back);
    return out;
}
} // namespace

TEST(yTreeNode, AddLinksInOrderAndNotifiesOnce)
{
    Node root, a, b, c;
    root.AddChild(a);
    root.AddChild(b);
    root.AddChild(c);
    EXPECT_EQ(Children(root), (std::vector<yTreeNode*>{&a, &b, &c}));
    for (Node* n : {&a, &b, &c})
    {
        EXPECT_EQ(n->GetParent(), &root);
        EXPECT_EQ(n->attached, 1);
        EXPECT_EQ(n->orderChanged, 1);
        EXPECT_EQ(n->GetFirstSibling(), &a);
        EXPECT_EQ(n->GetLastSibling(), &c);
    }
    EXPECT_EQ(root.GetFirstSibling(), &root);
    EXPECT_EQ(root.GetLastSibling(), &root);
}

TEST(yTreeNode, AddingItselfOrAnAncestorChangesNothing)
{
    Node root, child, grandchild;
    root.AddChild(root);
    EXPECT_EQ(root.GetFirstChild(), nullptr);
    EXPECT_EQ(root.attached, 0);
    root.AddChild(child);
    child.AddChild(grandchild);
    grandchild.AddChild(root);
    EXPECT_EQ(root.GetParent(), nullptr);
    EXPECT_EQ(grandchild.GetFirstChild(), nullptr);
    EXPECT_EQ(grandchild.GetRoot(), &root);
}

TEST(yTreeNode, AddingANodeOfAnotherTreeMovesIt)
{
    Node first, second, child, other;
    first.AddChild(child);
    first.AddChild(other);
    second.AddChild(child);
    EXPECT_EQ(Children(first), (std::vector<yTreeNode*>{&other}));
    EXPECT_EQ(Children(second), (std::vector<yTreeNode*>{&child}));
    EXPECT_EQ(child.attached, 2);
}

TEST(yTreeNode, RemoveKeepsTheOthersInOrder)
{
    Node root, a, b, c;
    root.AddChild(a);
    root.AddChild(b);
    root.AddChild(c);
    root.RemoveChild(b);
    EXPECT_EQ(Children(root), (std::vector<yTreeNode*>{&a, &c}));
    EXPECT_EQ(b.GetParent(), nullptr);
    EXPECT_EQ(b.GetNextSibling(), nullptr);
    EXPECT_EQ(b.GetPreviousSibling(), nullptr);
    EXPECT_EQ(b.orderChanged, 2); // moved to the end on its way out
    root.RemoveChild(c);
    EXPECT_EQ(c.orderChanged, 1); // already last: no move
    root.RemoveChild(a);
    EXPECT_EQ(root.GetFirstChild(), nullptr);
    // Not a child of root: ignored.
    Node stranger;
    root.AddChild(a);
    root.RemoveChild(stranger);
    EXPECT_EQ(Children(root), (std::vector<yTreeNode*>{&a}));
}

TEST(yTreeNode, MakeThisLastSibling)
{
    Node root, a, b, c;
    root.AddChild(a);
    root.AddChild(b);
    root.AddChild(c);
    c.MakeThisLastSibling();
    EXPECT_EQ(c.orderChanged, 1);
    a.MakeThisLastSibling();
    EXPECT_EQ(Children(root), (std::vector<yTreeNode*>{&b, &c, &a}));
    EXPECT_EQ(root.GetFirstChild(), &b);
    EXPECT_EQ(a.orderChanged, 2);
    c.MakeThisLastSibling();
    EXPECT_EQ(Children(root), (std::vector<yTreeNode*>{&b, &a, &c}));
}

TEST(yTreeNode, HierarchyDepthRanksLaterSiblingsAndChildrenHigher)
{
    Node root, a, b, a1, a2, b1;
    EXPECT_EQ(root.GetHierarchyDepth(), 0u);
    root.AddChild(a);
    root.AddChild(b);
    a.AddChild(a1);
    a.AddChild(a2);
    b.AddChild(b1);
    EXPECT_EQ(a.GetHierarchyDepth(), 1u);
    EXPECT_EQ(b.GetHierarchyDepth(), 2u);
    EXPECT_EQ(a1.GetHierarchyDepth(), 2u);
    EXPECT_EQ(a2.GetHierarchyDepth(), 3u);
    EXPECT_EQ(b1.GetHierarchyDepth(), 3u);
    EXPECT_EQ(b1.GetRoot(), &root);
    b.MakeThisLastSibling(); // already last
    a.MakeThisLastSibling();
    EXPECT_EQ(a2.GetHierarchyDepth(), 4u);
    EXPECT_EQ(b1.GetHierarchyDepth(), 2u);
}

TEST(yTreeNode, DestroyedNodesLeaveNoLinks)
{
    Node root, a, c;
    root.AddChild(a);
    {
        Node b, bChild;
        root.AddChild(b);
        b.AddChild(bChild);
        root.AddChild(c);
        // bChild goes first (declared last), then b: root must forget b.
    }
    EXPECT_EQ(Children(root), (std::vector<yTreeNode*>{&a, &c}));
    {
        Node parent;
        parent.AddChild(a);
    }
    EXPECT_EQ(a.GetParent(), nullptr);
}

TEST(yTreeIterator, WalksDepthFirstThenRestarts)
{
    Node root, first, grandchild, second, outside;
    root.AddChild(first);
    first.AddChild(grandchild);
    root.AddChild(second);
    yTreeIterator it(&root);
    for (int round = 0; round < 2; ++round)
    {
        EXPECT_EQ(it.GetNext(), &first);
        EXPECT_EQ(it.GetNext(), &grandchild);
        EXPECT_EQ(it.GetNext(), &second);
        EXPECT_EQ(it.GetNext(), nullptr);
    }
    // A walk over a subtree stays inside it.
    yTreeIterator sub(&first);
    EXPECT_EQ(sub.GetNext(), &grandchild);
    EXPECT_EQ(sub.GetNext(), nullptr);
}

TEST(yTreeIterator, ChildlessRootEndsAtOnceEvenWithSiblings)
{
    Node parent, lonely, sibling;
    parent.AddChild(lonely);
    parent.AddChild(sibling);
    yTreeIterator it(&lonely);
    EXPECT_EQ(it.GetNext(), nullptr);
    yTreeIterator none(nullptr);
    EXPECT_EQ(none.GetNext(), nullptr);
}
