#include "raster/png.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace raster {
namespace {

constexpr int kBytesPerPixel = 3;

}  // namespace

pz417::Status WritePng(const Bitmap& bitmap, const std::string& path) {
  if (bitmap.width() <= 0 || bitmap.height() <= 0) {
    return pz417::Failure("cannot write " + path + ": the bitmap is empty");
  }
  std::vector<png_byte> rgb;
  rgb.reserve(bitmap.pixels().size() * kBytesPerPixel);
  for (Color c : bitmap.pixels()) {
    rgb.push_back(RedOf(c));
    rgb.push_back(GreenOf(c));
    rgb.push_back(BlueOf(c));
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.width());
  image.height = static_cast<png_uint_32>(bitmap.height());
  image.format = PNG_FORMAT_RGB;
  // The file is ours to open and close, so that a failed write is named by the system's reason
  // (a full disk, a size limit) rather than libpng's "Write Error".
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return pz417::Failure("cannot write " + path + ": " + std::strerror(errno));
  const bool encoded = png_image_write_to_stdio(&image, file, 0, rgb.data(), 0, nullptr) != 0;
  const int writeError = errno;
  const bool closed = std::fclose(file) == 0;
  if (encoded && closed) return {};
  const int reason = !closed || writeError == 0 ? errno : writeError;
  return pz417::Failure("cannot write " + path + ": " +
                        (reason != 0 ? std::strerror(reason) : image.message));
}

pz417::Result<Bitmap> ReadPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
    return pz417::Failure("cannot read " + path + ": " + image.message);
  }
  // Any colour type and depth comes out as 8-bit RGB; alpha is composed onto black.
  image.format = PNG_FORMAT_RGB;
  constexpr png_uint_32 kMaxSide = 1u << 15;
  if (image.width > kMaxSide || image.height > kMaxSide) {
    png_image_free(&image);
    return pz417::Failure("cannot read " + path + ": the image is too large");
  }
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
    return pz417::Failure("cannot read " + path + ": " + image.message);
  }
  Bitmap result(static_cast<int>(image.width), static_cast<int>(image.height));
  const png_byte* p = rgb.data();
  for (int y = 0; y < result.height(); ++y) {
    Color* out = result.row(y);
    for (int x = 0; x < result.width(); ++x, p += kBytesPerPixel) {
      out[x] = Rgb(p[0], p[1], p[2]);
    }
  }
  return result;
}

}  // namespace raster
