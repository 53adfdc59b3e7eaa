#include "platform/yPlatform.h"

#include "host/sdk/ZT_HostPlatform.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
uint32_t ProcessDoubleClick() { return 321; }
} // namespace

// What the hosting process exports; found by name at run time.
extern "C" __attribute__((visibility("default"))) const ZT_HostPlatform zelTonescopeHostPlatform = {
    ZT_HostPlatform_VERSION, nullptr, &ProcessDoubleClick, nullptr, nullptr, nullptr};

namespace
{
struct FakeHost
{
    static inline uint32_t tick = 0;
    static inline int32_t button = 0;
    static inline uint32_t modifiers = 0;
    static inline int32_t accept = 0;
    static inline uint8_t answer[3] = {};
    static inline uint8_t offered[3] = {};

    static uint32_t Tick() { return tick; }
    static uint32_t Interval() { return 250; }
    static int32_t Button() { return button; }
    static uint32_t Modifiers() { return modifiers; }
    static int32_t Choose(uint8_t rgb[3])
    {
        for (int i = 0; i < 3; ++i)
            offered[i] = rgb[i], rgb[i] = answer[i];
        return accept;
    }
};

const ZT_HostPlatform kFake = {ZT_HostPlatform_VERSION, &FakeHost::Tick,      &FakeHost::Interval,
                               &FakeHost::Button,       &FakeHost::Modifiers, &FakeHost::Choose};
const ZT_HostPlatform kEmpty = {ZT_HostPlatform_VERSION, nullptr, nullptr, nullptr, nullptr, nullptr};

class HostTable : public ::testing::Test
{
protected:
    void TearDown() override { yPlatform::SetHostPlatform(nullptr); }
};
} // namespace

TEST_F(HostTable, InstalledTableAnswersEveryQuestion)
{
    yPlatform::SetHostPlatform(&kFake);
    FakeHost::tick = 0xFFFFFFF0u, FakeHost::button = 7; // the clock wraps; it is passed through untouched
    FakeHost::modifiers = ZT_Modifier_CONTROL | ZT_Modifier_ALT | 0x100;
    EXPECT_TRUE(yPlatform::TickCount() == 0xFFFFFFF0u && yPlatform::DoubleClickInterval() == 250u);
    EXPECT_TRUE(yPlatform::LeftButtonDown());
    EXPECT_EQ(yPlatform::Modifiers(), yPlatform::kModifierControl | yPlatform::kModifierAlt);
    FakeHost::modifiers = ZT_Modifier_SHIFT;
    EXPECT_EQ(yPlatform::Modifiers(), yPlatform::kModifierShift);
    EXPECT_FALSE((FakeHost::button = 0) || yPlatform::LeftButtonDown());

    uint8_t rgb[3] = {10, 20, 30};
    FakeHost::answer[0] = 200, FakeHost::accept = 0; // cancelled: the colour stays
    EXPECT_FALSE(yPlatform::ChooseColor(rgb));
    EXPECT_TRUE(FakeHost::offered[1] == 20 && rgb[0] == 10); // the chooser starts from the current colour
    FakeHost::accept = 1;
    EXPECT_TRUE(yPlatform::ChooseColor(rgb) && rgb[0] == 200 && !yPlatform::ChooseColor(nullptr));
}

TEST_F(HostTable, MissingEntriesFallBackToTheProcessTableOrHeadlessDefaults)
{
    yPlatform::SetHostPlatform(&kEmpty);
    EXPECT_TRUE(!yPlatform::LeftButtonDown() && yPlatform::Modifiers() == 0u && yPlatform::DoubleClickInterval() == 500u);
    uint8_t rgb[3] = {1, 2, 3};
    EXPECT_TRUE(!yPlatform::ChooseColor(rgb) && rgb[2] == 3);
    const uint32_t t0 = yPlatform::TickCount(); // the headless clock is monotonic milliseconds
    const uint32_t elapsed = (usleep(20000), yPlatform::TickCount() - t0);
    EXPECT_TRUE(elapsed >= 19u && elapsed < 2000u) << elapsed;

    yPlatform::SetHostPlatform(&kFake);
    yPlatform::SetHostPlatform(nullptr); // clearing goes back to what the process exports
    EXPECT_TRUE(yPlatform::DoubleClickInterval() == 321u && !yPlatform::LeftButtonDown()); // the rest left out
}

TEST(PlatformPaths, FoldersFollowHome)
{
    for (std::string const& folder : {yPlatform::DesktopPath(), yPlatform::SystemFolder()})
        EXPECT_TRUE(!folder.empty() && folder.back() == yPlatform::kPathSeparator) << folder;
    char const* saved = std::getenv("HOME");
    const std::string oldHome = saved ? saved : "";
    char dir[] = "/tmp/yplatformXXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    setenv("HOME", dir, 1);
    EXPECT_EQ(yPlatform::DesktopPath(), std::string(dir) + "/");
    const std::string desktop = std::string(dir) + "/Desktop";
    ASSERT_EQ(mkdir(desktop.c_str(), 0700), 0);
    EXPECT_EQ(yPlatform::DesktopPath(), desktop + "/");
    unsetenv("HOME");
    EXPECT_EQ(yPlatform::DesktopPath(), "/");
    rmdir(desktop.c_str()), rmdir(dir);
    if (saved)
        setenv("HOME", oldHome.c_str(), 1);

    char exe[PATH_MAX]; // the module is this program
    ASSERT_NE(realpath("/proc/self/exe", exe), nullptr);
    EXPECT_EQ(yPlatform::ModulePath(), exe);
}
