// Writes the raster gallery: the figure scenes and text in both faces, enlarged, as PNGs.
//   raster_gallery OUT_DIR [--commands]   (--commands also writes each scene's command text)

#include <cstdio>
#include <fstream>
#include <string>

#include "raster/png.h"
#include "raster/text.h"
#include "scene.h"

namespace {

raster::Bitmap Enlarged(const raster::Bitmap& b, int zoom) {
  raster::Bitmap out(b.width() * zoom, b.height() * zoom);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) out.row(y)[x] = b.pixel(x / zoom, y / zoom);
  }
  return out;
}

// Sizes 6 to 24 in the scalable face, then the two bitmap faces (one size each): the menu face
// on the menu grey and the fixed-pitch face drawn opaque, with every Windows-1252 character.
raster::Bitmap TextSizes() {
  raster::Bitmap b(480, 305, raster::Rgb(255, 255, 255));
  int y = 4;
  for (int size = 6; size <= 24; size += 2) {
    const std::string label = std::to_string(size) + ": Add Scoop \x80 3.50 \xE9t\xE9 [Wedge]";
    raster::DrawText(b, raster::Face::Sans, size, 4, y, label, 0);
    y += raster::GetFontMetrics(raster::Face::Sans, size).height + 2;
  }
  b.fillRect({0, y + 4, b.width(), y + 4 + 21}, raster::Rgb(192, 192, 192));
  raster::DrawText(b, raster::Face::Menu, 0, 4, y + 8, "Menu: Animate  Ctrl+A \x80 3.50 \xE9t\xE9",
                   0);
  y += 33;
  for (int first = 0x20; first < 0x100; first += 0x30) {
    std::string line;
    for (int c = first; c < first + 0x30 && c < 0x100; ++c) line += static_cast<char>(c);
    raster::DrawTextOpaque(b, raster::Face::Fixed, 0, 4, y, line, 0xFFFFFF, raster::Rgb(0, 0, 128));
    y += raster::GetFontMetrics(raster::Face::Fixed, 0).height;
  }
  return b;
}

bool Save(const raster::Bitmap& b, const std::string& path) {
  const pz417::Status written = raster::WritePng(b, path);
  if (!written) std::fprintf(stderr, "raster_gallery: %s\n", written.error().c_str());
  return written.ok();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: raster_gallery OUT_DIR [--commands]\n");
    return 2;
  }
  const std::string dir = argv[1];
  const bool commands = argc > 2 && std::string(argv[2]) == "--commands";
  bool ok = true;
  for (const raster_test::Scene& scene : raster_test::FigureScenes()) {
    ok = Save(Enlarged(raster_test::RenderScene(scene), 3), dir + "/" + scene.name + ".png") && ok;
    if (commands) std::ofstream(dir + "/" + scene.name + ".txt") << scene.commands;
  }
  ok = Save(Enlarged(TextSizes(), 2), dir + "/text_sizes.png") && ok;
  return ok ? 0 : 1;
}
