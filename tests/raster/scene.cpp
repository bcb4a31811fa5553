#include "scene.h"

#include <gtest/gtest.h>

#include <sstream>

#include "raster/gdi.h"

namespace raster_test {
namespace {

raster::Color RgbAt(const std::vector<std::int64_t>& v, std::size_t i) {
  return raster::Rgb(static_cast<std::uint8_t>(v.at(i)), static_cast<std::uint8_t>(v.at(i + 1)),
                     static_cast<std::uint8_t>(v.at(i + 2)));
}

raster::Rect BoxAt(const std::vector<std::int64_t>& v) {
  return raster::Rect{v.at(0), v.at(1), v.at(2), v.at(3)};
}

std::string EllipseSizes() {
  std::ostringstream s;
  s << "pen 1 0 0 0\nbrush 255 200 0\n";
  int x = 4, y = 4;
  for (int side = 3; side <= 24; ++side) {
    if (x + side > 300) {
      x = 4;
      y += 28;
    }
    s << "ellipse " << x << ' ' << y << ' ' << x + side << ' ' << y + side << '\n';
    x += side + 4;
  }
  s << "brush 120 200 255\n";
  for (int i = 0; i < 8; ++i) {
    s << "ellipse " << 4 + i * 36 << ' ' << 90 << ' ' << 4 + i * 36 + 8 + i * 3 << ' '
      << 90 + 30 - i * 3 << '\n';
  }
  // The kit's circles: radius 57, 15 and 8 in odd square boxes.
  s << "brush 255 120 160\nellipse 10 130 125 245\nellipse 140 130 171 161\n"
       "ellipse 180 130 197 147\nnullpen\nellipse 140 180 171 211\nellipse 180 180 197 197\n";
  return s.str();
}

std::string WideOutlines() {
  std::ostringstream s;
  s << "nullbrush\n";
  for (int w = 2; w <= 8; ++w) {
    const int x = 8 + (w - 2) * 56;
    s << "pen " << w << " 30 30 160\nrect " << x << " 10 " << x + 40 << " 40\n";
    s << "pen " << w << " 160 30 30\nellipse " << x << " 56 " << x + 41 << " 97\n";
    s << "pen " << w << " 20 120 20\npolygon " << x + 20 << " 112 " << x << " 160 " << x + 42
      << " 150\n";
    s << "pen " << w << " 0 0 0\nline " << x << " 180 " << x + 40 << " 200\n";
    s << "line " << x + 5 << " 215 " << x + 5 << " 250\nline " << x + 15 << " 250 " << x + 38
      << " 215\n";
  }
  return s.str();
}

std::string LineOctants() {
  // Lines from the centre to every point of a ring, one pixel step apart along its edge.
  std::ostringstream s;
  s << "pen 1 0 0 0\n";
  for (int i = -40; i < 40; i += 5) {
    s << "line 100 100 " << 100 + i << " 20\nline 100 100 " << 180 << ' ' << 100 + i << '\n';
    s << "line 100 100 " << 100 - i << " 180\nline 100 100 " << 20 << ' ' << 100 - i << '\n';
  }
  s << "pen 1 200 0 0\nline 0 199 199 0\nline 0 0 199 199\n";
  return s.str();
}

}  // namespace

raster::Bitmap RenderScene(const Scene& scene) {
  raster::Bitmap b(scene.width, scene.height, raster::Rgb(255, 255, 255));
  raster::OptionalPen pen = raster::Pen{1, 0};
  raster::OptionalBrush brush = raster::Rgb(255, 255, 255);
  std::istringstream lines(scene.commands);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream in(line);
    std::string command;
    in >> command;
    std::vector<std::int64_t> v;
    for (std::int64_t n = 0; in >> n;) v.push_back(n);
    if (command == "pen") {
      pen = raster::Pen{static_cast<int>(v.at(0)), RgbAt(v, 1)};
    } else if (command == "nullpen") {
      pen.reset();
    } else if (command == "brush") {
      brush = RgbAt(v, 0);
    } else if (command == "nullbrush") {
      brush.reset();
    } else if (command == "rect") {
      raster::DrawRectangle(b, BoxAt(v), pen, brush);
    } else if (command == "ellipse") {
      raster::DrawEllipse(b, BoxAt(v), pen, brush);
    } else if (command == "polygon") {
      std::vector<raster::Point> points;
      for (std::size_t i = 0; i + 1 < v.size(); i += 2) points.push_back({v[i], v[i + 1]});
      raster::DrawPolygon(b, points, pen, brush);
    } else if (command == "line" && pen) {
      raster::DrawLine(b, {v.at(0), v.at(1)}, {v.at(2), v.at(3)}, *pen);
    } else if (command != "line") {
      ADD_FAILURE() << scene.name << ": unknown command: " << line;
    }
  }
  return b;
}

std::vector<Scene> FigureScenes() {
  return {Scene{"ellipses", 300, 250, EllipseSizes()},
          Scene{"wide_outlines", 400, 260, WideOutlines()},
          Scene{"line_octants", 200, 200, LineOctants()}};
}

}  // namespace raster_test
