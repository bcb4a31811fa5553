#pragma once
// PNG files of bitmaps, for screenshots, golden images and the gallery.

#include <string>

#include "raster/bitmap.h"

namespace raster {

// Both return false and say why in *error when the file cannot be written or read.
bool WritePng(const Bitmap& bitmap, const std::string& path, std::string* error);
bool ReadPng(const std::string& path, Bitmap* bitmap, std::string* error);

}  // namespace raster
