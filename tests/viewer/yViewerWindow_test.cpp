// The viewer's window under Xvfb, started here: scripted runs checked on
// their screenshots, real pointer input through xdotool, bad files, closing.
#include "standalone/media/yPngFile.h"
#include "standalone/viewer/yScopePicture.h"
#include "standalone/viewer/yViewLayout.h"
#include "standalone/viewer/yViewerWorker.h"
#include "tests/panel/zelPanelTestHelpers.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
constexpr int kWidth = 1280, kHeight = 800; // the window's default size

// Where the panel's controls stand, read from the panel itself: channel
// toggles, the view-range slider's black thumb, the view's column of a bin.
struct PanelPlaces
{
    PanelHarness h;
    PanelPlaces()
    {
        h.Render({{60, 60, 60, 255}, {200, 200, 200, 255}});
        h.Draw();
    }
    static std::pair<int, int> Centre(const yUIBaseShape& control)
    {
        const yRect r = control.GetScreenRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    std::pair<int, int> Toggle(int channel) { return Centre(h.panel.GetChannelToggle(channel)); }
    std::pair<int, int> BlackThumb() { return Centre(h.panel.GetRangeSlider().GetBlack().GetThumb()); }
    int Column(uint32_t bin)
    {
        for (unsigned long c = 1; c <= zelTonescope::zelPanelLayout::kViewWidth; ++c)
            if (h.panel.GetHistogram().GetColumnValue(c) >= bin) return h.ColumnX(int(c));
        ADD_FAILURE() << "no column shows bin " << bin;
        return 0;
    }
    // The view's middle row.
    static int ViewY()
    {
        return int(zelTonescope::zelPanelLayout::kViewTop + zelTonescope::zelPanelLayout::kViewHeight / 2);
    }
};

std::string At(const std::pair<int, int>& p)
{
    return std::to_string(p.first) + " " + std::to_string(p.second);
}

class yViewerWindow : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        if (std::system("command -v Xvfb >/dev/null") != 0) return;
#ifdef TONESCOPE_SANITIZED
        // D-Bus and the X libraries under SDL keep blocks to the end that leak
        // checking would report; the viewer's memory errors are still caught.
        const char* options = std::getenv("ASAN_OPTIONS");
        ::setenv("ASAN_OPTIONS", (std::string(options ? options : "") + ":detect_leaks=0").c_str(), 1);
#endif
        // A display of this process's own; the server names it once it
        // takes connections, and ends at once when another holds it, so
        // that tests running side by side never share one.
        for (int number = 50 + ::getpid() % 400, tries = 0; tries < 20; ++number, ++tries)
        {
            int named[2];
            if (::pipe(named) != 0) return;
            s_xvfb = ::fork();
            if (s_xvfb == 0)
            {
                ::close(named[0]);
                ::execlp("Xvfb", "Xvfb", (":" + std::to_string(number)).c_str(), "-displayfd",
                         std::to_string(named[1]).c_str(), "-screen", "0", "1600x1000x24", "-nolisten", "tcp",
                         nullptr);
                ::_exit(127);
            }
            ::close(named[1]);
            std::string ready;
            char c = 0;
            pollfd wait{named[0], POLLIN, 0};
            while (::poll(&wait, 1, 30000) == 1 && ::read(named[0], &c, 1) == 1 && c != '\n')
                ready += c;
            ::close(named[0]);
            if (ready == std::to_string(number))
            {
                ::setenv("DISPLAY", (":" + ready).c_str(), 1);
                return;
            }
            TearDownTestSuite();
        }
    }
    static void TearDownTestSuite()
    {
        if (s_xvfb > 0 && ::kill(s_xvfb, SIGTERM) == 0) ::waitpid(s_xvfb, nullptr, 0);
        s_xvfb = 0;
    }
    void SetUp() override
    {
        if (s_xvfb <= 0) return Missing("Xvfb");
        // Two greys: 60 on the left half, 200 on the right.
        yStandalone::yWorld image(64, 48, false);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
            {
                const uint8_t v = x < 32 ? 60 : 200;
                image.Pixel8(x, y) = PF_Pixel8{255, v, v, v};
            }
        std::string error;
        ASSERT_TRUE(yStandalone::yPngFile::Write(File("in.png"), image, error)) << error;
    }

    std::string File(const std::string& name) const { return m_folder.File(name); }

    // The test and CI builds need the window's tests: there a missing tool fails.
    void Missing(const char* tool)
    {
#ifdef TONESCOPE_REQUIRE_VIEWER
        GTEST_FAIL() << tool << " is not installed, and this build must run the viewer's tests.";
#else
        GTEST_SKIP() << tool << " is not installed";
#endif
    }

    // Runs the viewer on in.png with the script; the screenshot is read into m_shot.
    yTest::yProcessResult View(const std::string& script, const std::vector<std::string>& more = {})
    {
        std::ofstream(File("script.txt")) << script;
        std::vector<std::string> args{"view",     File("in.png"),     "--module",     yTest::ModulePath(),
                                      "--script", File("script.txt"), "--screenshot", File("shot.png")};
        args.insert(args.end(), more.begin(), more.end());
        const yTest::yProcessResult result = yTest::RunTonescope(args);
        std::string error;
        if (result.status == 0)
        {
            EXPECT_TRUE(yStandalone::yPngFile::Read(File("shot.png"), m_shot, error)) << error;
        }
        return result;
    }

    // A screenshot pixel as 0xRRGGBB.
    uint32_t Pixel(const yStandalone::yPngImage& shot, int x, int y) const
    {
        const uint16_t* p = &shot.rgba[(size_t(y) * size_t(shot.width) + size_t(x)) * 4];
        return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    // The window pixel over image pixel (ix, iy), and over panel pixel (px, py).
    uint32_t ImagePixel(const yStandalone::yPngImage& shot, int ix, int iy) const
    {
        double scale = 1, left = 0, top = 0;
        yStandalone::yImageView().Placement(Layout().layer, 64, 48, scale, left, top);
        return Pixel(shot, int(left + (ix + 0.5) * scale), int(top + (iy + 0.5) * scale));
    }
    uint32_t PanelPixel(const yStandalone::yPngImage& shot, const std::pair<int, int>& at) const
    {
        return Pixel(shot, Layout().panel.x + at.first, Layout().panel.y + at.second);
    }
    // Pixels of the panel that differ between two screenshots.
    int PanelChanges(const yStandalone::yPngImage& a, const yStandalone::yPngImage& b) const
    {
        int changed = 0;
        for (int y = 0; y < Layout().panel.height; ++y)
            for (int x = 0; x < Layout().panel.width; ++x)
                changed += PanelPixel(a, {x, y}) != PanelPixel(b, {x, y});
        return changed;
    }
    static yStandalone::yViewLayout Layout() { return yStandalone::yViewLayout::Compute(kWidth, kHeight, 340, 300, 1); }

    yTest::yScratchFolder m_folder;
    yStandalone::yPngImage m_shot;
    PanelPlaces m_places;
    static pid_t s_xvfb;
};
pid_t yViewerWindow::s_xvfb = 0;

TEST_F(yViewerWindow, AScriptSolosAChannelMovesTheRangeAndHighlightsASelection)
{
    ASSERT_EQ(View("set \"Render Output\" on\n").status, 0);
    const yStandalone::yPngImage fresh = m_shot;
    EXPECT_EQ(ImagePixel(fresh, 10, 10), 0x3C3C3Cu);
    EXPECT_EQ(ImagePixel(fresh, 50, 10), 0xC8C8C8u);

    // Red alone, a selection about 200, then the black point a little up.
    const std::string red = At(m_places.Toggle(0)), view = " " + std::to_string(PanelPlaces::ViewY()) + "\n";
    const auto [blackX, blackY] = m_places.BlackThumb();
    const std::string script =
        "set \"Render Output\" on\ndown " + red + " ctrl\nup " + red + "\n" + "wait 2000\ndown " +
        std::to_string(m_places.Column(190)) + view + "drag " + std::to_string(m_places.Column(215)) + view +
        "up " + std::to_string(m_places.Column(215)) + view + "wait 2000\n" + "down " + At({blackX, blackY}) +
        "\ndrag " + At({blackX + 5, blackY}) + "\nup " + At({blackX + 5, blackY}) + "\n";
    const yTest::yProcessResult run = View(script);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(PanelPixel(m_shot, m_places.Toggle(1)), PanelPixel(fresh, m_places.Toggle(1))) << "B is off";
    EXPECT_EQ(ImagePixel(m_shot, 10, 10), 0x3C0000u) << "the red channel alone";
    const uint32_t selected = ImagePixel(m_shot, 50, 10);
    EXPECT_TRUE(selected != 0xC80000u && selected != 0xC8C8C8u) << std::hex << selected;
    // The status bar holds text: dark pixels on its light ground.
    const yStandalone::yBox status = Layout().status;
    int dark = 0;
    for (int x = status.x; x < status.x + 300; ++x)
        for (int y = status.y; y < status.y + status.height; ++y) dark += Pixel(m_shot, x, y) < 0x404040u;
    EXPECT_GT(dark, 50);
}

TEST_F(yViewerWindow, UnreadableFilesShowAMessageAndChangeNothing)
{
    const std::string redOff =
        "set \"Render Output\" on\ndown " + At(m_places.Toggle(0)) + "\nup " + At(m_places.Toggle(0)) + "\n";
    ASSERT_EQ(View(redOff).status, 0);
    const yStandalone::yPngImage before = m_shot;
    yTest::WriteBytes(File("bad.png"), {0x89, 'P', 'N', 'G'});
    yTest::WriteBytes(File("bad.ztp"), {'Z', 'T', 'P', 'J', 1});
    for (const std::string& bad : {"drop " + File("bad.png"), "load-project " + File("bad.ztp")})
    {
        const yTest::yProcessResult run = View(redOff + bad + "\n");
        ASSERT_EQ(run.status, 0) << bad;
        EXPECT_NE(run.err.find("bad."), std::string::npos) << run.err;
        EXPECT_EQ(ImagePixel(m_shot, 50, 10), ImagePixel(before, 50, 10)) << bad;
        EXPECT_EQ(PanelPixel(m_shot, m_places.Toggle(0)), PanelPixel(before, m_places.Toggle(0))) << bad;
    }
}

TEST_F(yViewerWindow, SavingAProjectLeavesThePanelAsItWasAndLoadingItBringsItBack)
{
    const std::string luv = "set \"Color Model\" Luv\nset \"Render Output\" on\n";
    ASSERT_EQ(View(luv).status, 0);
    const yStandalone::yPngImage before = m_shot;
    const yTest::yProcessResult run = View(luv + "save-project " + File("p.ztp") + "\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(yTest::ReadBytes(File("p.ztp")).empty());
    EXPECT_EQ(PanelChanges(m_shot, before), 0);

    // Loaded into a fresh window it brings the colour model and the rest back.
    ASSERT_EQ(View("load-project " + File("p.ztp") + "\n").status, 0);
    EXPECT_EQ(PanelChanges(m_shot, before), 0);
    EXPECT_EQ(ImagePixel(m_shot, 10, 10), ImagePixel(before, 10, 10)) << "Render Output is on";
}

TEST_F(yViewerWindow, At200PercentTheControlsScrollToTheRangeSlider)
{
    ASSERT_EQ(View("draw\n").status, 0);
    const yStandalone::yPngImage whole = m_shot;
    // Scrolled until the panel's foot meets the status bar.
    const auto unscrolled = yStandalone::yViewLayout::Compute(kWidth, kHeight, 340, 300, 2);
    const int foot = unscrolled.panel.y + unscrolled.panel.height - unscrolled.status.y;
    ASSERT_EQ(View("panel-zoom 2\nscroll-controls " + std::to_string(foot) + "\n").status, 0);
    const auto zoomed = yStandalone::yViewLayout::Compute(kWidth, kHeight, 340, 300, 2, foot);
    const yRect range = m_places.h.panel.GetRangeSlider().GetScreenRect();
    ASSERT_LE(zoomed.panel.y + 2 * range.bottom, zoomed.status.y) << "the slider lies inside the window";
    int changed = 0;
    for (int y = range.top; y < range.bottom; ++y)
        for (int x = range.left; x < range.right; ++x)
            changed +=
                Pixel(m_shot, zoomed.panel.x + 2 * x, zoomed.panel.y + 2 * y) != PanelPixel(whole, {x, y});
    EXPECT_EQ(changed, 0);
}

TEST_F(yViewerWindow, TheScopePaneOnALogScaleLiftsAFewPixelsThatLinearLeavesFlat)
{
    // Grey 60 but for four pixels of 200.
    yStandalone::yWorld image(64, 48, false);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
        {
            const uint8_t v = y == 0 && x < 4 ? 200 : 60;
            image.Pixel8(x, y) = PF_Pixel8{255, v, v, v};
        }
    std::string error;
    ASSERT_TRUE(yStandalone::yPngFile::Write(File("in.png"), image, error)) << error;
    ASSERT_EQ(View("scope linear\n").status, 0);
    const yStandalone::yPngImage linear = m_shot;
    ASSERT_EQ(View("scope log\n").status, 0);
    const yStandalone::yBox plot = Layout().scopePlot;
    const int few = plot.x + yStandalone::yScopePicture::Column(200, 256, plot.width);
    const int none = plot.x + yStandalone::yScopePicture::Column(120, 256, plot.width);
    const int y = plot.y + plot.height - 16;
    EXPECT_NE(Pixel(m_shot, few, y), Pixel(linear, few, y));
    EXPECT_EQ(Pixel(m_shot, none, y), Pixel(linear, none, y));
}

// Waits up to ten seconds for a file to appear.
bool Appears(const std::string& path)
{
    for (int wait = 0; wait < 200; ++wait, ::usleep(50000))
        if (::access(path.c_str(), F_OK) == 0) return true;
    return false;
}

// The row of the host's control of that name, as the window lists them.
int ControlRow(const std::string& name)
{
    yStandalone::yViewerWorker worker;
    yStandalone::yViewerSettings settings;
    settings.modulePath = yTest::ModulePath();
    std::string error;
    yStandalone::yViewerFrame frame;
    EXPECT_TRUE(worker.Start(settings, error) && worker.TakeFrame(frame)) << error;
    for (size_t k = 0; k < frame.params.size(); ++k)
        if (frame.params[k].name == name) return int(k);
    ADD_FAILURE() << "no control " << name;
    return 0;
}

TEST_F(yViewerWindow, RealPointerInputTurnsAChannelOffAndClosingEndsTheProcess)
{
    if (std::system("command -v xdotool >/dev/null") != 0) return Missing("xdotool");
    // The viewer is ended on every way out of the test.
    struct Child
    {
        pid_t pid;
        ~Child()
        {
            if (pid > 0 && ::kill(pid, SIGKILL) == 0) ::waitpid(pid, nullptr, 0);
        }
    } child{::fork()};
    const pid_t viewer = child.pid;
    if (viewer == 0)
    {
        ::execl(TONESCOPE_PROGRAM, TONESCOPE_PROGRAM, "view", File("in.png").c_str(), "--module",
                yTest::ModulePath().c_str(), "--screenshot", File("live.png").c_str(), nullptr);
        ::_exit(127);
    }
    // A search meeting a window that goes away fails: it is tried again.
    ASSERT_EQ(std::system(("for try in $(seq 100); do xdotool search --onlyvisible --name 'tonescope view' >" +
                           File("id") + " 2>/dev/null && break; sleep 0.2; done; test -s " + File("id"))
                              .c_str()),
              0);
    const std::string xdo = "xdotool windowfocus --sync $(cat " + File("id") + ") ";
    // F12 shoots once the input before it is handled and drawn: each click
    // waits for that frame, so no click lands while another is held.
    const auto shoot = [&](const std::string& input, yStandalone::yPngImage& shot)
    {
        ::unlink(File("live.png").c_str());
        std::string error;
        return std::system((xdo + input + " key F12").c_str()) == 0 && Appears(File("live.png")) &&
               yStandalone::yPngFile::Read(File("live.png"), shot, error);
    };
    yStandalone::yPngImage before, after;
    const auto click = [&](int x, int y)
    {
        return shoot("mousemove --window $(cat " + File("id") + ") " + std::to_string(x) + " " +
                         std::to_string(y) + " click 1",
                     after);
    };
    ASSERT_TRUE(shoot("", before)) << "no first frame within ten seconds";
    const yStandalone::yBox renderOutput = Layout().ControlRow(ControlRow("Render Output"));
    ASSERT_TRUE(click(renderOutput.x + renderOutput.height / 2, renderOutput.y + renderOutput.height / 2))
        << "no frame within ten seconds of the click on Render Output";
    const auto [toggleX, toggleY] = m_places.Toggle(0);
    ASSERT_TRUE(click(Layout().panel.x + toggleX, Layout().panel.y + toggleY))
        << "no frame within ten seconds of the click on toggle A";
    EXPECT_NE(PanelPixel(after, m_places.Toggle(0)), PanelPixel(before, m_places.Toggle(0)));
    EXPECT_EQ(ImagePixel(before, 10, 10), 0x3C3C3Cu);
    EXPECT_EQ(ImagePixel(after, 10, 10), 0x003C3Cu) << "red is off";
    // Key 1 toggles red, but not with the pointer on the panel, where keys are the panel's.
    const std::string window = "mousemove --window $(cat " + File("id") + ") ";
    for (const auto& [input, pixel] : {std::pair{std::string("key 1"), 0x003C3Cu},
                                       std::pair{window + "300 300 key 1", 0x3C3C3Cu}})
    {
        ASSERT_TRUE(shoot(input, after)) << input;
        EXPECT_EQ(ImagePixel(after, 10, 10), pixel) << input;
    }

    // Closing while the worker renders (a click in the layer view) ends it in order.
    std::system((xdo + "mousemove --window $(cat " + File("id") + ") 300 300 click 1").c_str());
    ::usleep(200000);
    ::kill(viewer, SIGTERM);
    int status = -1;
    pid_t ended = 0;
    for (int wait = 0; wait < 200 && (ended = ::waitpid(viewer, &status, WNOHANG)) == 0; ++wait) ::usleep(50000);
    if (ended == viewer) child.pid = 0;
    EXPECT_TRUE(ended == viewer && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// Frame n of the shot in the tests below: a flat colour of its own.
uint32_t ShotColour(int n)
{
    return uint32_t(n * 40) << 16 | uint32_t(250 - n * 40) << 8 | 90u;
}

TEST_F(yViewerWindow, AShotShowsTheFrameAskedAndABadFrameLeavesTheShownOne)
{
    if (s_xvfb <= 0) return;
    // Frames 1 to 4 as PNG files, 5 broken; the movie holds 1 to 4 from its frame 0.
    for (int n = 1; n <= 4; ++n)
    {
        yStandalone::yWorld w(32, 24, false);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 32; ++x)
                w.Pixel8(x, y) = PF_Pixel8{255, uint8_t(ShotColour(n) >> 16), uint8_t(ShotColour(n) >> 8), 90};
        std::string error;
        ASSERT_TRUE(yStandalone::yPngFile::Write(File("f." + std::to_string(n) + ".png"), w, error)) << error;
    }
    const bool movie = std::system(("ffmpeg -loglevel error -start_number 1 -i " + File("f.%d.png") +
                                    " -c:v ffv1 " + File("m.mkv"))
                                       .c_str()) == 0;
    yTest::WriteBytes(File("f.5.png"), {0x89, 'P', 'N', 'G'});
    const struct
    {
        std::string input, script;
        int shown;          // the frame whose colour the layer view shows
        const char* error;  // in the message, when one is due
    } cases[] = {
        {File("f.%d.png"), "draw\n", 1, ""},               // the shot opens on its first frame
        {File("f.%d.png"), "frame 3\n", 3, ""},
        {File("f.%d.png"), "frame 3\nframe 5\n", 3, "Frame 5 of"}, // unreadable: frame 3 stays
        {File("m.mkv"), "frame 2\n", 3, ""},               // a movie counts from 0
        {File("f.%d.png"), "play\ndraw\ndraw\npause\ndraw\n", 3, ""}, // a frame a line while playing
    };
    yStandalone::yPngImage first;
    const yStandalone::yViewLayout layout = Layout(); // its middle lies in the image, strips or not
    for (const auto& c : cases)
    {
        if (c.input == File("m.mkv") && !movie) continue;
        std::ofstream(File("script.txt")) << c.script;
        const yTest::yProcessResult run =
            yTest::RunTonescope({"view", c.input, "--module", yTest::ModulePath(), "--script", File("script.txt"),
                                 "--screenshot", File("shot.png")});
        ASSERT_EQ(run.status, 0) << c.script << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << c.script << run.err;
        std::string error;
        ASSERT_TRUE(yStandalone::yPngFile::Read(File("shot.png"), m_shot, error)) << error;
        EXPECT_EQ(Pixel(m_shot, layout.layer.x + layout.layer.width / 2, layout.layer.y + layout.layer.height / 2),
                  ShotColour(c.shown))
            << c.script;
        if (first.width == 0) first = m_shot;
        int changed = 0; // the status bar's number after "Frame "
        for (int x = layout.status.x + 40; x < layout.status.x + 52; ++x)
            for (int y = layout.status.y; y < layout.status.y + layout.status.height; ++y)
                changed += Pixel(m_shot, x, y) != Pixel(first, x, y);
        EXPECT_EQ(changed > 0, c.shown != 1) << c.script;
    }
}
} // namespace
