#include "standalone/media/yFileOutput.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(yFileOutput, WritesEachKindOfTargetTheWayItNeedsAndOnlyOnCommit)
{
    yTest::yScratchFolder folder;
    const auto file = [&](const std::string& name) { return folder.File(name); };
    const mode_t umask = ::umask(027);
    for (const char* name : {"mode", "linked", "pointed"})
        yTest::WriteBytes(file(name), {'o'});
    ::chmod(file("mode").c_str(), 0604);
    ::link(file("linked").c_str(), file("other-name").c_str());
    ::symlink("pointed", file("link").c_str());
    ::symlink(file("created").c_str(), file("dangling").c_str());
    ::mkfifo(file("fifo").c_str(), 0600);
    // Opened for reading first, the FIFO takes the bytes without a reader thread.
    const int fifo = ::open(file("fifo").c_str(), O_RDONLY | O_NONBLOCK);

    const struct
    {
        const char* name;     // written
        const char* readBack; // where the bytes are found, "" for none
        mode_t mode;          // of the written name itself afterwards
    } cases[] = {
        {"mode", "mode", S_IFREG | 0604},
        {"new", "new", S_IFREG | 0640},
        {"linked", "other-name", S_IFREG | 0640},
        {"link", "pointed", S_IFLNK | 0777},
        {"dangling", "created", S_IFLNK | 0777},
        {"fifo", "", S_IFIFO | 0600},
    };
    yStandalone::yFileOutput outputs;
    std::string error;
    for (const auto& c : cases)
        ASSERT_TRUE(outputs.Add(file(c.name), std::string("new ") + c.name, error)) << error;
    EXPECT_EQ(yTest::ReadText(file("mode")) + yTest::ReadText(file("other-name")), "oo");
    ::symlink("loop", file("loop").c_str());
    EXPECT_FALSE(outputs.Add(file("loop"), "x", error)) << "a link to itself is refused";
    ASSERT_TRUE(outputs.Commit(error)) << error;
    ::umask(umask);

    for (const auto& c : cases)
    {
        struct stat info = {};
        EXPECT_EQ(::lstat(file(c.name).c_str(), &info) == 0 ? info.st_mode : 0, c.mode) << c.name;
        if (*c.readBack)
        {
            EXPECT_EQ(yTest::ReadText(file(c.readBack)), std::string("new ") + c.name);
        }
    }
    char bytes[16] = {};
    const ssize_t n = ::read(fifo, bytes, sizeof bytes);
    EXPECT_EQ(std::string(bytes, size_t(n > 0 ? n : 0)), "new fifo");
    ::close(fifo);
}

// A file its user may not write stays, though the folder would let a rename
// replace it; root, whom cp lets write it, is run as nobody for the check.
TEST(yFileOutput, LeavesAReadOnlyFileAlone)
{
    yTest::yScratchFolder folder;
    const std::string file = folder.File("read-only");
    ::chmod(folder.File("").c_str(), 0777);
    yTest::WriteBytes(file, {'r'});
    ::chmod(file.c_str(), 0444);
    const pid_t child = ::fork();
    if (child == 0)
    {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        std::string error;
        const bool refused = !yStandalone::yFileOutput::CheckWritable(file, error) &&
                             !yStandalone::yFileOutput::WriteFile(file, "new", error) &&
                             error.find("read-only") != std::string::npos;
        ::_exit(refused ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(yTest::ReadText(file), "r");
}

// A hard-linked file on a disk that fills up keeps its old content, as a
// plain file does: the file size limit stands for the full disk.
TEST(yFileOutput, AFailedWriteThroughAHardLinkKeepsTheOldContent)
{
    yTest::yScratchFolder folder;
    const std::string file = folder.File("linked");
    yTest::WriteBytes(file, std::vector<uint8_t>(100, 'o'));
    ::link(file.c_str(), folder.File("other-name").c_str());
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        ::_exit(yStandalone::yFileOutput::WriteFile(file, std::string(10000, 'n'), error) ? 1 : 0);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(yTest::ReadText(folder.File("other-name")), std::string(100, 'o'));
}
