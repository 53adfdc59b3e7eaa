#include "tests/standalone/yStandaloneTestHelpers.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace yTest
{
const std::string& ModulePath()
{
    static const std::string path = []
    {
        const char* named = std::getenv("TONESCOPE_MODULE");
        return std::string(named && *named ? named : TONESCOPE_MAIN_MODULE);
    }();
    return path;
}

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

size_t FindBytes(const std::vector<uint8_t>& haystack, const std::string& needle, size_t from)
{
    const std::string text(haystack.begin(), haystack.end());
    return text.find(needle, from);
}

yScratchFolder::yScratchFolder()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/tonescope-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder");
    m_path = pattern;
}

yScratchFolder::~yScratchFolder()
{
    const std::string command = "rm -rf '" + m_path + "'";
    if (std::system(command.c_str()) != 0) return;
}

std::string ReadText(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

yProcessResult RunTonescope(const std::vector<std::string>& arguments, const std::string& workFolder,
                            uint64_t memoryLimit)
{
    yScratchFolder folder;
    const std::string outPath = folder.File("stdout"), errPath = folder.File("stderr");
    std::vector<std::string> words{TONESCOPE_PROGRAM};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0)
    {
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
            ::_exit(127);
        if (!workFolder.empty() && ::chdir(workFolder.c_str()) != 0) ::_exit(127);
        const rlimit limit{memoryLimit, memoryLimit};
        if (memoryLimit != 0 && ::setrlimit(RLIMIT_DATA, &limit) != 0) ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    yProcessResult result;
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return result;
    if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
    result.out = ReadText(outPath);
    result.err = ReadText(errPath);
    return result;
}

} // namespace yTest
