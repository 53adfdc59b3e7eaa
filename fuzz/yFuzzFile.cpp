#include "fuzz/yFuzzFile.h"

#include "fuzz/yFuzzEffect.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace yFuzz
{
namespace
{
struct yScratch
{
    yScratch()
    {
        char name[] = "/tmp/tonescope-fuzz-XXXXXX";
        fd = mkstemp(name);
        Require(fd >= 0, "a scratch file can be made in /tmp");
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
