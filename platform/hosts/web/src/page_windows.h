#pragma once
// The frame on the page behind each window of the window system: its content (menu bar over
// client area) on a canvas, each window pixel shown as scale x scale screen pixels; the title
// and the frame around it are the page's.

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "pz417/status.h"
#include "raster/bitmap.h"
#include "win/native_host.h"
#include "win/window.h"

namespace webhost {

class PageWindows final : public win::NativeWindowSet {
 public:
  PageWindows() = default;
  PageWindows(const PageWindows&) = delete;
  PageWindows& operator=(const PageWindows&) = delete;
  ~PageWindows() override;

  // Made hidden, with the window's title, outer place and size.
  pz417::Status Create(win::WindowId window) override;
  // Showing also brings the frame to the front.
  void Show(win::WindowId window, bool visible) override;
  void Destroy(win::WindowId window) override;
  // Puts the damaged boxes of the pixels on the window's canvas; all of them after a new size.
  pz417::Status Present(win::WindowId window, const raster::Bitmap& pixels,
                        std::span<const raster::Rect> damage) override;
  // Every frame shows window pixels at this scale; the page took it before any window.
  void SetScale(int scale) override;
  int Scale() const override { return scale_; }

  // Draws the window with the keyboard focus as the active one, when that changed.
  void ShowFocus(win::WindowId window);

 private:
  bool Has(win::WindowId window) const { return rgba_.contains(window); }

  // The canvas takes RGBA bytes: each window's picture is kept in that order, brought up to
  // date only within the damaged boxes.
  // What each window's canvas shows, as the page's RGBA.
  struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgba;
  };
  std::map<win::WindowId, Canvas> rgba_;
  win::WindowId shownFocus_ = 0;
  int scale_ = 1;
};

}  // namespace webhost
