#include "standalone/viewer/yViewerShot.h"

#include <algorithm>
#include <cctype>

namespace yStandalone
{
namespace
{
// "Frame 3 of shot.%04d.exr cannot be shown: " and the reader's sentence.
bool CannotShow(const std::string& name, std::string& error)
{
    if (!error.empty()) error[0] = char(std::tolower(static_cast<unsigned char>(error[0])));
    error = name + " cannot be shown: " + error;
    return false;
}
} // namespace

bool yViewerShot::Open(const std::string& input, int64_t maxPixels, const std::string& depth,
                       std::string& error)
{
    Close();
    std::vector<yShotFrame> frames;
    if (!yShot::Find(input, yFrameRange{}, frames, error)) return false;
    // The first frame's reader is kept: a movie counts its frames on opening.
    auto file = std::make_unique<yImageFile>();
    if (!file->Open(frames.front().path, maxPixels, error)) return false;
    m_frames = std::move(frames);
    m_input = input;
    m_path = m_frames.front().path;
    m_file = std::move(file);
    m_maxPixels = maxPixels;
    m_width = m_file->Width();
    m_height = m_file->Height();
    m_fileDeep = m_file->IsDeep();
    m_deep = depth.empty() ? m_fileDeep : depth == "16";
    return true;
}

int yViewerShot::Clamp(int number) const
{
    return std::min(Last(), std::max(First(), number));
}

bool yViewerShot::Read(int number, yWorld& world, std::string& error)
{
    const yShotFrame& frame = m_frames[size_t(Clamp(number) - First())];
    const std::string name = "Frame " + std::to_string(frame.number) + " of " + m_input;
    if (m_path != frame.path)
    {
        m_path.clear();
        m_file = std::make_unique<yImageFile>();
        if (!m_file->Open(frame.path, m_maxPixels, error)) return CannotShow(name, error);
        m_path = frame.path;
    }
    if (m_file->Width() != m_width || m_file->Height() != m_height || m_file->IsDeep() != m_fileDeep)
    {
        error = name + " has another size or depth than the shot's first frame.";
        return false;
    }
    return m_file->ReadFrame(frame.subimage, m_deep, 1, world, error) || CannotShow(name, error);
}
} // namespace yStandalone
