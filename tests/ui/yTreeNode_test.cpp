#include "ui/yTreeNode.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using Nodes = std::vector<yTreeNode*>;

// Counts the notifications the tree sends.
struct Node : yTreeNode
{
    int attached = 0;
    int orderChanged = 0;
    void OnAttached() override { ++attached; }
    void OnOrderChanged() override { ++orderChanged; }
};

Nodes Children(const yTreeNode& parent)
{
    Nodes out;
    for (yTreeNode* c = parent.GetFirstChild(); c; c = c->GetNextSibling())
        out.push_back(c);
    // The backward links must tell the same story.
    Nodes back;
    if (!out.empty())
        for (yTreeNode* c = out.back(); c; c = c->GetPreviousSibling())
            back.insert(back.begin(), c);
    EXPECT_EQ(out, back);
    return out;
}
} // namespace

TEST(yTreeNode, AddingItselfOrAnAncestorChangesNothing)
{
    Node root, child, grandchild;
    root.AddChild(root);
    EXPECT_EQ(root.GetFirstChild(), nullptr);
    root.AddChild(child);
    child.AddChild(grandchild);
    grandchild.AddChild(root);
    EXPECT_EQ(root.GetParent(), nullptr);
    EXPECT_EQ(grandchild.GetFirstChild(), nullptr);
    EXPECT_EQ(grandchild.GetRoot(), &root);
}

TEST(yTreeNode, AddRemoveAndMakeLastKeepTheOthersInOrder)
{
    Node root, a, b, c, stranger, other;
    for (Node* n : {&a, &b, &c})
        root.AddChild(*n);
    EXPECT_EQ(Children(root), (Nodes{&a, &b, &c}));
    EXPECT_EQ((std::vector<int>{b.attached, b.orderChanged}), (std::vector<int>{1, 1}));
    EXPECT_EQ(b.GetFirstSibling(), &a);
    EXPECT_EQ(b.GetLastSibling(), &c);
    c.MakeThisLastSibling(); // already last: no move
    EXPECT_EQ(c.orderChanged, 1);
    a.MakeThisLastSibling();
    EXPECT_EQ(Children(root), (Nodes{&b, &c, &a}));
    EXPECT_EQ(a.orderChanged, 2);
    root.RemoveChild(c);
    EXPECT_EQ(Children(root), (Nodes{&b, &a}));
    EXPECT_EQ(c.GetParent(), nullptr);
    EXPECT_EQ(c.GetNextSibling(), nullptr);
    EXPECT_EQ(c.GetPreviousSibling(), nullptr);
    EXPECT_EQ(c.orderChanged, 2); // moved to the end on its way out
    root.RemoveChild(a);
    EXPECT_EQ(a.orderChanged, 2); // already last
    root.RemoveChild(stranger); // not a child: ignored
    EXPECT_EQ(Children(root), (Nodes{&b}));
    other.AddChild(b); // a node of another tree moves
    EXPECT_EQ(root.GetFirstChild(), nullptr);
    EXPECT_EQ(Children(other), (Nodes{&b}));
    EXPECT_EQ(b.attached, 2);
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
    EXPECT_EQ(Children(root), (Nodes{&a, &c}));
    {
        Node parent;
        parent.AddChild(a);
    }
    EXPECT_EQ(a.GetParent(), nullptr);
}

TEST(yTreeIterator, WalksASubtreeDepthFirstThenRestarts)
{
    Node root, first, grandchild, second, lonely;
    root.AddChild(first);
    first.AddChild(grandchild);
    root.AddChild(second);
    root.AddChild(lonely);
    yTreeIterator it(&root);
    for (int round = 0; round < 2; ++round)
    {
        Nodes seen;
        while (yTreeNode* n = it.GetNext())
            seen.push_back(n);
        EXPECT_EQ(seen, (Nodes{&first, &grandchild, &second, &lonely}));
    }
    yTreeIterator sub(&first); // stays inside the subtree
    EXPECT_EQ(sub.GetNext(), &grandchild);
    EXPECT_EQ(sub.GetNext(), nullptr);
    yTreeIterator childless(&second), none(nullptr); // second has a next sibling
    EXPECT_EQ(childless.GetNext(), nullptr);
    EXPECT_EQ(none.GetNext(), nullptr);
}
