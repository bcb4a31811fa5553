#pragma once
// For hosts that show each window of the window system as a real window of their own platform:
// the window system's calls about windows go to the host's set of native windows. A new host
// implements NativeWindowSet and, beside it, only its clock, input and screen.

#include <algorithm>
#include <span>

#include "pz417/status.h"
#include "raster/bitmap.h"
#include "win/host.h"
#include "win/scale.h"
#include "win/window.h"

namespace win {

class NativeWindowSet {
 public:
  virtual ~NativeWindowSet() = default;
  // Made hidden, with the window's title, outer place and content size, scaled; a failure says
  // why the platform would not make it.
  virtual pz417::Status Create(WindowId window) = 0;
  // Showing also raises and activates the window, as on the classic desktop.
  virtual void Show(WindowId window, bool visible) = 0;
  virtual void Destroy(WindowId window) = 0;
  // Puts the damaged boxes of the window's composed pixels on screen (see Host::Present).
  virtual pz417::Status Present(WindowId window, const raster::Bitmap& pixels,
                                std::span<const raster::Rect> damage) = 0;
  // Screen pixels per window pixel each way, 1 to MaxScale; set before any window is made.
  virtual void SetScale(int scale) = 0;
  virtual int Scale() const = 0;
};

class NativeWindowsHost : public Host {
 public:
  // `windows` must outlive the host.
  explicit NativeWindowsHost(NativeWindowSet& windows) : windows_(windows) {}

  pz417::Status WindowCreated(WindowId window) override { return windows_.Create(window); }
  void WindowShown(WindowId window, bool visible) override { windows_.Show(window, visible); }
  void WindowDestroyed(WindowId window) override { windows_.Destroy(window); }
  void Present(WindowId window, const raster::Bitmap& pixels,
               std::span<const raster::Rect> damage) override {
    Report(windows_.Present(window, pixels, damage));
  }
  void SetScale(int scale) override { windows_.SetScale(std::clamp(scale, 1, MaxScale)); }
  int Scale() override { return windows_.Scale(); }

 private:
  NativeWindowSet& windows_;
};

}  // namespace win
