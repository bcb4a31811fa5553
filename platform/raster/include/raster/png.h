#pragma once
// PNG files of bitmaps, for screenshots, golden images and the gallery.

#include <string>

#include "pz417/status.h"
#include "raster/bitmap.h"

namespace raster {

// A failure says why: "cannot write PATH: ..." or "cannot read PATH: ...".
pz417::Status WritePng(const Bitmap& bitmap, const std::string& path);
pz417::Result<Bitmap> ReadPng(const std::string& path);

}  // namespace raster
