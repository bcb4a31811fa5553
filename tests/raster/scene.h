#pragma once
// Test scenes written as drawing commands, one a line:
//   pen W R G B | nullpen | brush R G B | nullbrush | rect L T R B | ellipse L T R B |
//   polygon X Y X Y ... | line X1 Y1 X2 Y2
// The same text can be fed to other renderers, so a scene's pixels can be checked elsewhere.

#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace raster_test {

struct Scene {
  std::string name;
  int width;
  int height;
  std::string commands;
};

// Draws the commands on a white bitmap; an unknown command fails the calling test.
raster::Bitmap RenderScene(const Scene& scene);

// The figures the golden images and the gallery show.
std::vector<Scene> FigureScenes();

}  // namespace raster_test
