#pragma once
// PNG files of bitmaps, for screenshots, golden images and the gallery.

#include <string>

#include "frosty/status.h"
#include "raster/bitmap.h"

namespace raster {

// A failure says why: "cannot write PATH: ..." or "cannot read PATH: ...".
frosty::Status WritePng(const Bitmap& bitmap, const std::string& path);
frosty::Result<Bitmap> ReadPng(const std::string& path);

}  // namespace raster
