// Images in on Windows: PNG only; the other formats and movies need
// OpenImageIO, which the Linux build has.
#include "standalone/media/yImageFile.h"

#include "standalone/media/yPngReader.h"

namespace yStandalone
{
struct yImageFile::Other
{
};

yImageFile::yImageFile() : m_other(std::make_unique<Other>()) {}
yImageFile::~yImageFile() = default;

void yImageFile::CloseOther() {}

bool yImageFile::OpenOther(int64_t maxPixels, const std::string& layer, std::string& error)
{
    error = "Cannot read the image " + m_path + ": this build reads PNG files only.";
    return false;
}

bool yImageFile::ReadOtherFrame(int frame, bool deep, int downsample, yWorld& out, std::string& error)
{
    return NoFrame(frame, error);
}

bool yImageFile::DecodeFrame(int frame, yDecodedFrame& out, std::string& error)
{
    return NoFrame(frame, error);
}
} // namespace yStandalone
