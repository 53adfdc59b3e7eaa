#include "fuzz/yFuzzFile.h"

#include "fuzz/yFuzzEffect.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace yFuzz
{
namespace
{
struct yScratch
{
    yScratch()
    {
        // TMPDIR lets a long run keep its scratch file in memory.
        const char* dir = std::getenv("TMPDIR");
        std::string name = std::string(dir && *dir ? dir : "/tmp") + "/tonescope-fuzz-XXXXXX";
        fd = mkstemp(name.data());
        Require(fd >= 0, "a scratch file can be made in the temporary directory");
        path = name;
    }
    ~yScratch()
    {
        close(fd);
        unlink(path.c_str());
    }
    int fd = -1;
    std::string path;
};
} // namespace

const std::string& ScratchFile(const uint8_t* data, size_t size)
{
    static yScratch scratch;
    Require(ftruncate(scratch.fd, 0) == 0, "the scratch file can be emptied");
    size_t done = 0;
    while (done < size)
    {
        const ssize_t n = pwrite(scratch.fd, data + done, size - done, off_t(done));
        Require(n > 0, "the scratch file takes the input");
        done += size_t(n);
    }
    return scratch.path;
}
} // namespace yFuzz
