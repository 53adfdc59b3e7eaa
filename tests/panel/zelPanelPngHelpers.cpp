#include "tests/panel/zelPanelPngHelpers.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace
{
struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
} // namespace

PanelImage CaptureImage(yDrawPort& port)
{
    PanelImage image;
    image.width = port.GetWidth();
    image.height = port.GetHeight();
    port.SetDrawOffset(yPointL(0, 0));
    port.SetClipRect(yRect(0, 0, static_cast<int32_t>(image.height), static_cast<int32_t>(image.width)));
    image.rgb.reserve(static_cast<size_t>(image.width * image.height * 3));
    for (long y = 0; y < image.height; ++y)
        for (long x = 0; x < image.width; ++x)
        {
            const yColor8 c = port.GetPixel(x, y);
            image.rgb.push_back(c.red);
            image.rgb.push_back(c.green);
            image.rgb.push_back(c.blue);
        }
    return image;
}

bool WritePng(const PanelImage& image, const std::string& path)
{
    File file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (long y = 0; y < image.height; ++y)
        png_write_row(png, image.rgb.data() + y * image.width * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool ReadPng(const std::string& path, PanelImage& image)
{
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png)))
    {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return false;
    }
    png_init_io(png, file.get());
    png_read_info(png, info);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_palette_to_rgb(png);
    png_set_gray_to_rgb(png);
    png_read_update_info(png, info);
    image.width = static_cast<long>(png_get_image_width(png, info));
    image.height = static_cast<long>(png_get_image_height(png, info));
    const bool rgb = png_get_channels(png, info) == 3 && png_get_bit_depth(png, info) == 8;
    if (rgb)
    {
        image.rgb.assign(static_cast<size_t>(image.width * image.height * 3), 0);
        for (long y = 0; y < image.height; ++y)
            png_read_row(png, image.rgb.data() + y * image.width * 3, nullptr);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return rgb;
}
