// Compares scenes drawn by our rasterizer with reference pictures of the same scenes (binary
// PPM files, as the GDI reference renderer under Wine writes them). A development aid: the
// tests never need the reference renderer.
//   raster_reference_compare REF_DIR SCENE.txt...
// Each SCENE.txt (the commands of scene.h, on a 601 x 540 white bitmap) is compared with
// REF_DIR/SCENE.ppm. Prints each scene that differs and a summary; exits 1 if any differs.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "scene.h"

namespace {

// Reads a binary PPM into a bitmap; false if it is not one.
bool ReadPpm(const std::string& path, raster::Bitmap* out) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int width = 0, height = 0, maxValue = 0;
  if (!(in >> magic >> width >> height >> maxValue) || magic != "P6" || maxValue != 255) {
    return false;
  }
  in.get();
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    return false;
  }
  *out = raster::Bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) +
                      (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x) * 3;
      out->setPixel(x, y, raster::Rgb(p[0], p[1], p[2]));
    }
  }
  return true;
}

std::string BaseName(const std::string& path) {
  const std::string file = path.substr(path.find_last_of('/') + 1);
  return file.substr(0, file.find_last_of('.'));
}

int DifferingPixels(const raster::Bitmap& a, const raster::Bitmap& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  }
  return n;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: raster_reference_compare REF_DIR SCENE.txt...\n");
    return 2;
  }
  int same = 0, compared = 0;
  for (int i = 2; i < argc; ++i) {
    const std::string name = BaseName(argv[i]);
    std::ifstream in(argv[i]);
    std::stringstream commands;
    commands << in.rdbuf();
    raster::Bitmap reference;
    if (!in || !ReadPpm(std::string(argv[1]) + "/" + name + ".ppm", &reference)) {
      std::printf("%s: no reference picture\n", name.c_str());
      continue;
    }
    const raster::Bitmap ours =
        raster_test::RenderScene({name, reference.width(), reference.height(), commands.str()});
    ++compared;
    if (ours == reference) {
      ++same;
    } else {
      std::printf("%s: %d pixels differ\n", name.c_str(), DifferingPixels(ours, reference));
    }
  }
  std::printf("%d of %d identical\n", same, compared);
  return same == compared && compared == argc - 2 ? 0 : 1;
}
