// Reading and writing whole panel pictures as PNG files, for the pictures a
// person looks at and for the golden image the tests compare against.
#pragma once

#include "draw/yDrawPort.h"

#include <cstdint>
#include <string>
#include <vector>

struct PanelImage
{
    long width = 0;
    long height = 0;
    std::vector<uint8_t> rgb; // rows top to bottom, three bytes a pixel
};

PanelImage CaptureImage(yDrawPort& port);
bool WritePng(const PanelImage& image, const std::string& path);
bool ReadPng(const std::string& path, PanelImage& image);
