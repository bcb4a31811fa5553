#include "pictures.h"

#include "raster/png.h"

namespace replay {

pz417::Status SaveWindowPng(win::WindowId window, const std::string& path) {
  if (!win::IsWindow(window)) return pz417::Failure("no window " + std::to_string(window));
  return raster::WritePng(win::ComposeWindow(window), path);
}

pz417::Status SaveClientPng(win::WindowId window, const std::string& path) {
  if (!win::IsWindow(window)) return pz417::Failure("no window " + std::to_string(window));
  return raster::WritePng(win::ClientPixels(window), path);
}

}  // namespace replay
