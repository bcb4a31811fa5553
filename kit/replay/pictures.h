#pragma once
// What a window shows, written as a PNG file.

#include <string>

#include "pz417/status.h"
#include "raster/bitmap.h"
#include "win/window.h"

namespace replay {

// A picture of a window kept earlier; an empty one was never shown.
pz417::Status SavePicture(const raster::Bitmap& picture, const std::string& path);

// The window's composed pixels (menu bar, client area, open dropdown), or its client area, as
// they are now: for the gallery and tests, which look at windows while the program runs.
inline pz417::Status SaveWindowPng(win::WindowId window, const std::string& path) {
  if (!win::IsWindow(window)) return pz417::Failure("no window " + std::to_string(window));
  return SavePicture(win::ComposeWindow(window), path);
}
inline pz417::Status SaveClientPng(win::WindowId window, const std::string& path) {
  if (!win::IsWindow(window)) return pz417::Failure("no window " + std::to_string(window));
  return SavePicture(win::ClientPixels(window), path);
}

}  // namespace replay
