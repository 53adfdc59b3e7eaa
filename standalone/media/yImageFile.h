// Images in: PNG through yPngReader; on Linux also JPEG, TIFF, OpenEXR, DPX,
// Cineon, WebP and the rest OpenImageIO reads, and movie files, whose frames
// are its subimages.
// Samples enter the host's worlds by fixed rules, so that a file gives the
// same world on every machine:
// - 8-bit samples as they are, or widened to 16 bits as v * 257 first;
// - 16-bit samples v as (v * 32768 + 32767) / 65535, or at 8 bits as
//   (v * 255 + 32767) / 65535;
// - float samples as round(clamp(v, 0, 1) * 32768), or at 8 bits
//   round(clamp(v, 0, 1) * 255); NaN as 0.
// Grey and grey-alpha files give equal red, green and blue; a file without
// alpha is opaque.
#pragma once

#include "standalone/emulator/yWorld.h"
#include "standalone/media/yImageReader.h"
#include "standalone/media/yStatistics.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace yStandalone
{
class yPngReader;

class yImageFile
{
  public:
    // The largest image read unless the caller allows more.
    static constexpr int64_t kDefaultMaxPixels = int64_t(1) << 26;

    yImageFile();
    ~yImageFile();
    yImageFile(const yImageFile&) = delete;
    yImageFile& operator=(const yImageFile&) = delete;

    // Opens the file and reads its header; an image of more than maxPixels
    // pixels is refused before anything large is allocated. Every method
    // returning bool leaves one sentence in error when it fails. A layered
    // file gives the named layer, by default its unnamed one, else the first
    // with colour.
    bool Open(const std::string& path, int64_t maxPixels, std::string& error, const std::string& layer = "");
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // More than 8 bits a sample: the file's own depth is 16.
    bool IsDeep() const { return m_deep; }
    // Whether the file is a movie; its frames are its subimages.
    bool IsMovie() const { return m_movie; }
    // 1 for a still image; a movie's frame count.
    int Frames() const { return m_frames; }
    // The file's layers, as "(unnamed), spec"; empty for a file without names.
    const std::string& Layers() const { return m_layers; }

    // One frame (from 0) as a world of the given depth, every n-th pixel of
    // every n-th row; out is reused when it has the size already.
    bool ReadFrame(int frame, bool deep, int downsample, yWorld& out, std::string& error);
    // The float samples of the last frame read that were clamped.
    const yClampCounts& Clamped() const { return m_clamped; }

    // A movie's frame as the file holds its samples, so that one thread can
    // decode while others turn frames into worlds.
    struct yDecodedFrame
    {
        yImageLayout layout;
        std::vector<uint8_t> rows; // reused from frame to frame
    };
    bool DecodeFrame(int frame, yDecodedFrame& out, std::string& error);
    // A decoded frame into a world, as ReadFrame reads one.
    static void Convert(const yDecodedFrame& frame, bool deep, int downsample, yWorld& out,
                        yClampCounts& clamped);

  private:
    bool OpenPng(int64_t maxPixels, std::string& error);
    bool CheckSize(int64_t maxPixels, std::string& error) const;
    bool ReadPng(int n, yWorld& out, std::string& error);
    // Gives out the size of a frame read every n-th pixel; returns n.
    int Fit(yWorld& out, int downsample, bool deep) const { return Fit(m_width, m_height, out, downsample, deep); }
    static int Fit(int width, int height, yWorld& out, int downsample, bool deep);
    // The reader at the frame, of the first frame's size; null with a sentence.
    yImageReader* SeekOther(int frame, std::string& error);
    bool NoFrame(int frame, std::string& error) const;

    // The other formats differ by system (posix/ or windows/yImageFileOS.cpp):
    // OpenImageIO's on Linux, none on Windows.
    struct Other;
    void CloseOther();
    bool OpenOther(int64_t maxPixels, const std::string& layer, std::string& error);
    bool ReadOtherFrame(int frame, bool deep, int downsample, yWorld& out, std::string& error);

    std::unique_ptr<yPngReader> m_png;
    std::unique_ptr<Other> m_other;
    std::string m_path, m_layers;
    int m_width = 0, m_height = 0, m_frames = 0;
    bool m_deep = false;
    bool m_movie = false;
    bool m_pngRead = false; // the rows of a PNG file were read
    yClampCounts m_clamped;
};

} // namespace yStandalone
