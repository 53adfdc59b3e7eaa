// The desktop's file dialog, played by a fake zenity on PATH.
#include "standalone/media/yPngFile.h"
#include "standalone/viewer/yFileDialog.h"
#include "standalone/viewer/yViewerWorker.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
using yStandalone::yFileDialog;

class yFileDialogTest : public ::testing::Test
{
  protected:
    void SetUp() override { m_path = std::getenv("PATH") ? std::getenv("PATH") : ""; }
    void TearDown() override { ::setenv("PATH", m_path.c_str(), 1); }

    // PATH holds only the scratch folder, with a zenity running body when given.
    void FakeZenity(const std::string& body)
    {
        ::setenv("PATH", m_folder.File("").c_str(), 1);
        if (body.empty()) return;
        std::ofstream(m_folder.File("zenity")) << "#!/bin/sh\n" << body << "\n";
        ::chmod(m_folder.File("zenity").c_str(), 0755);
    }

    // Polls until the dialog ends; its state and the path chosen.
    static yFileDialog::State Wait(yFileDialog& dialog, std::string& path)
    {
        yFileDialog::State state = yFileDialog::Running;
        for (int k = 0; k < 500 && state == yFileDialog::Running; ++k, ::usleep(10000))
            state = dialog.Poll(path);
        return state;
    }

    yTest::yScratchFolder m_folder;
    std::string m_path;
};

TEST_F(yFileDialogTest, TheChosenFileOpensAndACancelOrNoDialogChangesNothing)
{
    yStandalone::yWorld image(3, 2, false);
    std::string error;
    ASSERT_TRUE(yStandalone::yPngFile::Write(m_folder.File("chosen.png"), image, error)) << error;
    const struct
    {
        std::string zenity; // its body; "" for none
        yFileDialog::State ends;
    } cases[] = {
        {"", yFileDialog::Idle},         // not installed: the path box is the way
        {"exit 1", yFileDialog::Closed}, // cancelled
        {"echo '" + m_folder.File("chosen.png") + "'", yFileDialog::Chosen},
    };
    for (const auto& c : cases)
    {
        FakeZenity(c.zenity);
        yFileDialog dialog;
        EXPECT_EQ(dialog.Available(), !c.zenity.empty()) << c.zenity;
        EXPECT_EQ(dialog.Start("Open"), !c.zenity.empty()) << c.zenity;
        std::string path;
        EXPECT_EQ(Wait(dialog, path), c.ends) << c.zenity;
        if (c.ends != yFileDialog::Chosen) continue;
        // Opened as the window opens it.
        ::setenv("PATH", m_path.c_str(), 1);
        yStandalone::yViewerWorker worker;
        yStandalone::yViewerSettings settings;
        settings.modulePath = yTest::ModulePath();
        ASSERT_TRUE(worker.Start(settings, error)) << error;
        yStandalone::yViewerJob open;
        open.kind = yStandalone::yViewerJob::Open;
        open.path = path;
        worker.Post(open);
        worker.WaitIdle();
        yStandalone::yViewerFrame frame;
        worker.TakeFrame(frame);
        EXPECT_EQ(frame.imageWidth, 3) << path;
    }
}
} // namespace
