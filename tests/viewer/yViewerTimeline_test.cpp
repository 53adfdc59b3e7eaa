#include "standalone/media/yPngFile.h"
#include "standalone/session/yRenderSession.h"
#include "standalone/viewer/yViewerTimeline.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{
TEST(yViewerTimeline, EveryFrameFillsItsColumnInTheBackground)
{
    // Three flat greys, brighter frame by frame.
    yTest::yScratchFolder folder;
    std::string error;
    for (int n = 0; n < 3; ++n)
    {
        yStandalone::yWorld w(8, 8, false);
        const PF_Pixel8 grey = {255, uint8_t(60 + 80 * n), uint8_t(60 + 80 * n), uint8_t(60 + 80 * n)};
        yStandalone::FillWorld(&grey, nullptr, &w.World());
        ASSERT_TRUE(yStandalone::yPngFile::Write(folder.File("t." + std::to_string(n) + ".png"), w, error));
    }
    auto session = std::make_unique<yStandalone::yRenderSession>();
    ASSERT_TRUE(session->Open(yTest::ModulePath(), error)) << error;
    yStandalone::yViewerTimeline timeline;
    timeline.Start(std::move(session), folder.File("t.%d.png"), 1 << 20, "");
    yStandalone::yTimelinePicture p;
    for (int wait = 0; wait < 200 && p.done < 3; ++wait, ::usleep(50000)) timeline.Take(p);
    ASSERT_EQ(p.done * 10 + p.frames, 33);
    int lit[3] = {-1, -1, -1}; // the first coloured row down each frame's column
    for (int k = 0; k < 3; ++k)
        for (int y = 0; y < p.height && lit[k] < 0; ++y)
        {
            const uint8_t* c = &p.rgba[(size_t(y) * size_t(p.width) + size_t(p.plotLeft + k * p.columnWidth)) * 4];
            if (c[0] != c[1] || c[1] != c[2]) lit[k] = y;
        }
    EXPECT_GT(lit[0], lit[1]) << "a brighter frame lights a higher row";
    EXPECT_GT(lit[1], lit[2]);
    EXPECT_GE(lit[2], 0);
}
} // namespace
