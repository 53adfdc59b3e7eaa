#include "draw/yDrawingScope.h"

#include <gtest/gtest.h>

TEST(yDrawingScope, LeavesThePassAsItsCloseSays)
{
    using S = yDrawingScope;
    struct Row
    {
        S::Close close;
        bool outerPass, endInside, leaveEarly, after;
    } const rows[] = {
        {S::kEndOwnPass, false, false, false, false}, // its own pass ends
        {S::kEndOwnPass, false, false, true, false},  // also on an early return
        {S::kEndOwnPass, true, false, false, true},   // a caller's pass goes on
        {S::kEndOwnPass, true, true, false, false},   // and stays ended when ended inside
        {S::kRestorePass, false, false, true, false}, // its own pass ends
        {S::kRestorePass, true, true, false, true},   // a caller's pass ended inside is begun again
        {S::kEndPass, true, false, true, false},      // whoever began it
    };
    int row = 0;
    for (const Row& r : rows)
    {
        yDrawPort port;
        if (r.outerPass)
            port.BeginDrawing();
        [&] {
            S scope(port, r.close);
            EXPECT_TRUE(port.IsDrawing()) << "row " << row;
            if (r.leaveEarly)
                return;
            if (r.endInside)
                port.EndDrawing();
        }();
        EXPECT_EQ(port.IsDrawing(), r.after) << "row " << row;
        ++row;
    }
}
