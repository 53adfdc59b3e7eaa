// The host's readers of files a user may be handed: images, event scripts,
// project files, module files and the property list inside them. The first
// byte picks the reader, the rest is the file. A reader either fails with a
// sentence or returns what it promises.
#include "fuzz/yFuzzEffect.h"
#include "fuzz/yFuzzFile.h"
#include "effect/plugin/zelTonescopeDataFlat.h"
#include "standalone/session/yEventScript.h"
#include "standalone/media/yImageFile.h"
#include "standalone/emulator/yModuleFile.h"
#include "standalone/media/yPngFile.h"
#include "standalone/media/yProjectFile.h"
#include "standalone/emulator/yPropertyList.h"

#include <string>
#include <vector>

using yFuzz::Require;

namespace
{
constexpr size_t kMaxMessage = 1000;

enum Reader
{
    kImage,
    kEventScript,
    kProjectFile,
    kModuleFile,
    kPropertyList,
    kReaderCount
};

// Any file through the image reader, whole and shrunk, into both depths: PNG
// through ours, the rest through the readers' library (OpenEXR, TIFF and the
// other formats, movies through FFmpeg, whose last frame is read too).
void ReadImage(const std::string& path, int downsample)
{
    yStandalone::yPngImage image;
    std::string error;
    if (!yStandalone::yPngFile::Read(path, image, error))
        Require(!error.empty(), "a refused image says why");
    else
        Require(image.rgba.size() == size_t(image.width) * size_t(image.height) * 4 &&
                    (image.depth == 8 || image.depth == 16),
                "every pixel of an image read has four samples of 8 or 16 bits");
    yStandalone::yImageFile file;
    if (!file.Open(path, int64_t(1) << 20, error))
    {
        Require(!error.empty(), "a refused image says why");
        return;
    }
    for (bool deep : {false, true})
        for (int frame : {0, file.Frames() - 1})
        {
            yStandalone::yWorld world;
            if (!file.ReadFrame(frame, deep, downsample, world, error))
            {
                Require(!error.empty(), "an image that cannot be read says why");
                return;
            }
            Require(world.Width() == (file.Width() + downsample - 1) / downsample &&
                        world.Height() == (file.Height() + downsample - 1) / downsample &&
                        world.IsDeep() == deep,
                    "the world has the image's size at 1/n and the depth asked for");
        }
}

void ReadEventScript(const uint8_t* data, size_t size)
{
    std::vector<yStandalone::yScriptEvent> events;
    std::string error;
    if (yStandalone::yEventScript::Parse(std::string(reinterpret_cast<const char*>(data), size), events, error)) return;
    Require(!error.empty(), "a refused event script says why");
    // The sentence may quote the script, but never raw bytes or a whole line of any length.
    Require(error.size() <= kMaxMessage, "a refused event script says why in a bounded sentence");
    for (char c : error)
        Require(c >= ' ' && c <= '~', "a refused event script's sentence is printable text");
}

void ReadProjectFile(const std::string& path, size_t expected)
{
    std::vector<uint8_t> record;
    std::string error;
    if (yStandalone::yProjectFile::Read(path, expected, record, error))
        Require(record.size() == expected, "a record read has the size asked for");
    else Require(!error.empty(), "a refused project file says why");
}

void ReadModuleFile(const std::string& path)
{
    yStandalone::yModuleFile module;
    std::string error;
    if (module.Open(path, error))
    {
        const yStandalone::yResourceView pipl = module.Find(yStandalone::kPropertyListType, yStandalone::kPropertyListNumber);
        // The resource found is read whole, so it must lie inside the section.
        yStandalone::yPropertyList list;
        if (pipl.bytes) yStandalone::yPropertyList::Parse(pipl.bytes, pipl.size, list, error);
    }
    else Require(!error.empty(), "a refused module file says why");
    yStandalone::yPropertyList list;
    if (!yStandalone::yPropertyList::Read(path, list, error)) Require(!error.empty(), "a refused property list says why");
}

void ParsePropertyList(const uint8_t* data, size_t size)
{
    yStandalone::yPropertyList list;
    std::string error;
    if (yStandalone::yPropertyList::Parse(data, size, list, error))
        Require(list.kind == yStandalone::kEffectKind && !list.name.empty() &&
                    !(list.entryPoint32.empty() && list.entryPoint64.empty()),
                "a property list accepted names an effect and its entry point");
    else Require(!error.empty(), "a refused property list says why");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int reader = data[0] % kReaderCount;
    const uint8_t* file = data + 1;
    const size_t fileSize = size - 1;
    switch (reader)
    {
    case kImage: ReadImage(yFuzz::ScratchFile(file, fileSize), 1 + (data[0] >> 5)); break;
    case kEventScript: ReadEventScript(file, fileSize); break;
    case kProjectFile: ReadProjectFile(yFuzz::ScratchFile(file, fileSize), data[0] & 0x80 ? zelTonescope::zelTonescopeDataFlat::kSize : 0); break;
    case kModuleFile: ReadModuleFile(yFuzz::ScratchFile(file, fileSize)); break;
    case kPropertyList: ParsePropertyList(file, fileSize); break;
    }
    return 0;
}
