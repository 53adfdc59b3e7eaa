// Writes a contact sheet of the generated artwork: every bitmap of a manifest
// over the light-grey panel, at 100 % and enlarged four times, as a PNG.
// Usage: artsheet MANIFEST OUTPUT.png
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace
{
struct Image
{
    int number = 0, w = 0, h = 0, bits = 0;
    std::vector<uint8_t> rgba; // top-down, straight colour and coverage
};

uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }

bool ReadDib(std::string const& path, Image& img)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (d.size() < 40 || U32(d.data()) != 40)
        return false;
    img.w = int(U32(&d[4]));
    img.h = int(U32(&d[8]));
    img.bits = d[14] | (d[15] << 8);
    const int bpp = img.bits / 8;
    const size_t row = (size_t(img.w) * bpp + 3) & ~size_t(3);
    if ((bpp != 3 && bpp != 4) || img.w <= 0 || img.h <= 0 || d.size() < 40 + row * img.h)
        return false;
    img.rgba.resize(size_t(img.w) * img.h * 4);
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x)
        {
            const uint8_t* p = &d[40 + size_t(img.h - 1 - y) * row + size_t(x) * bpp];
            uint8_t* q = &img.rgba[(size_t(y) * img.w + x) * 4];
            q[0] = p[2], q[1] = p[1], q[2] = p[0], q[3] = bpp == 4 ? p[3] : 255;
        }
    return true;
}
bool WritePng(const char* path, int width, int height, std::vector<uint8_t> const& rgb)
{
    std::FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        std::fclose(out);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, &rgb[size_t(y) * width * 3]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(out) == 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::cerr << "usage: artsheet MANIFEST OUTPUT.png\n";
        return 2;
    }
    std::ifstream manifest(argv[1]);
    std::vector<Image> images;
    std::string line;
    while (std::getline(manifest, line))
    {
        std::istringstream f(line);
        std::string type, file;
        Image img;
        int language = 0;
        if (!(f >> type >> img.number >> language >> file) || !ReadDib(file, img))
        {
            std::cerr << "artsheet: cannot read the bitmap of \"" << line << "\".\n";
            return 1;
        }
        images.push_back(std::move(img));
    }
    // A flow of blocks on the panel grey, each picture at 100 % beside an
    // enlargement (4x for the small strips, 2x for the large pictures).
    constexpr int kGap = 10, kMaxWidth = 1200;
    struct Place
    {
        int x, y, zoom;
    };
    std::vector<Place> places;
    int x = kGap, y = kGap, rowH = 0, width = 0;
    for (const Image& i : images)
    {
        const int zoom = i.w > 64 ? 2 : 4;
        const int blockW = i.w + kGap / 2 + i.w * zoom;
        if (x + blockW + kGap > kMaxWidth && x > kGap)
        {
            x = kGap;
            y += rowH + kGap;
            rowH = 0;
        }
        places.push_back({x, y, zoom});
        x += blockW + 2 * kGap;
        width = std::max(width, x);
        rowH = std::max(rowH, i.h * zoom);
    }
    const int height = y + rowH + kGap;
    std::vector<uint8_t> sheet(size_t(width) * height * 3, 0xEE);
    for (size_t n = 0; n < images.size(); ++n)
    {
        const Image& img = images[n];
        const Place& at = places[n];
        auto put = [&](int x0, int zoom) {
            for (int py = 0; py < img.h * zoom; ++py)
                for (int px = 0; px < img.w * zoom; ++px)
                {
                    const uint8_t* s = &img.rgba[(size_t(py / zoom) * img.w + px / zoom) * 4];
                    uint8_t* d = &sheet[(size_t(at.y + py) * width + x0 + px) * 3];
                    for (int c = 0; c < 3; ++c)
                        d[c] = uint8_t((s[c] * s[3] + d[c] * (255 - s[3]) + 127) / 255);
                }
        };
        put(at.x, 1);
        put(at.x + img.w + kGap / 2, at.zoom);
    }
    if (!WritePng(argv[2], width, height, sheet))
    {
        std::cerr << "artsheet: cannot write " << argv[2] << ".\n";
        return 1;
    }
    for (const Image& i : images)
        std::cout << i.number << ": " << i.w << " x " << i.h << ", " << i.bits << " bits\n";
    return 0;
}
