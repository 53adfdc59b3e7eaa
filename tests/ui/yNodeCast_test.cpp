#include "ui/yNodeCast.h"
#include "ui/yUIBox.h"

#include <gtest/gtest.h>

namespace
{
struct PlainNode : yTreeNode
{
};
struct MarkedShape : yUIBaseShape
{
};
} // namespace

// The remembered answer must be the answer for each class, not for the class
// asked about first: a mix of classes is cast twice over, in an order that
// puts a "no" right after a "yes" for the same target.
TEST(yNodeCast, AgreesWithDynamicCastForEveryClassAndEveryTime)
{
    PlainNode plain;
    yUIBaseNode node;
    MarkedShape shape;
    yUIBox box;
    yTreeNode* const nodes[] = {&box, &plain, &shape, &node, nullptr};
    for (int round = 0; round < 2; ++round)
        for (yTreeNode* n : nodes)
        {
            EXPECT_EQ(yNodeCast<yUIBaseNode>(n), dynamic_cast<yUIBaseNode*>(n)) << round;
            EXPECT_EQ(yNodeCast<yUIBaseShape>(n), dynamic_cast<yUIBaseShape*>(n)) << round;
            yUIBaseNode* asNode = dynamic_cast<yUIBaseNode*>(n);
            EXPECT_EQ(yNodeCast<yUIBaseShape>(asNode), dynamic_cast<yUIBaseShape*>(asNode)) << round;
        }
}
