#pragma once
// The frame on the page behind each window of the window system: its content (menu bar over
// client area) on a canvas, each window pixel shown as scale x scale screen pixels; the title
// and the frame around it are the page's.

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "raster/bitmap.h"
#include "win/window.h"

namespace webhost {

class PageWindows {
 public:
  PageWindows() = default;
  PageWindows(const PageWindows&) = delete;
  PageWindows& operator=(const PageWindows&) = delete;
  ~PageWindows();

  // Made hidden, with the window's title, outer place and size.
  void Create(win::WindowId window);
  void Show(win::WindowId window, bool visible);
  void Destroy(win::WindowId window);
  // Puts the damaged boxes of the pixels on the window's canvas; all of them after a new size.
  void Present(win::WindowId window, const raster::Bitmap& pixels,
               std::span<const raster::Rect> damage);
  // Draws the window with the keyboard focus as the active one, when that changed.
  void ShowFocus(win::WindowId window);

  bool Has(win::WindowId window) const { return rgba_.contains(window); }

 private:
  // The canvas takes RGBA bytes: each window's picture is kept in that order, brought up to
  // date only within the damaged boxes.
  std::map<win::WindowId, std::vector<std::uint32_t>> rgba_;
  win::WindowId shownFocus_ = 0;
};

}  // namespace webhost
