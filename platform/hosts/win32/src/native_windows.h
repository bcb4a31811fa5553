#pragma once
// The native window behind each window of the window system. Its client area is exactly the
// window's composed pixels (menu bar over client area); the frame around it is the platform's.

#include <map>
#include <span>

#include "raster/bitmap.h"
#include "win/native_host.h"
#include "win/window.h"
#include "windows_api.h"

namespace win32host {

class NativeWindows final : public win::NativeWindowSet {
 public:
  NativeWindows() = default;
  NativeWindows(const NativeWindows&) = delete;
  NativeWindows& operator=(const NativeWindows&) = delete;
  ~NativeWindows() override;

  // The window class every native window shares; false if the platform refuses it.
  static bool RegisterClass();

  pz417::Status Create(win::WindowId window) override;
  void Show(win::WindowId window, bool visible) override;
  void Destroy(win::WindowId window) override;
  // Keeps the damaged boxes of the pixels and asks the platform to paint those; a new size
  // takes all of the pixels, and the window takes their size first.
  pz417::Status Present(win::WindowId window, const raster::Bitmap& pixels,
                        std::span<const raster::Rect> damage) override;

  // 0 for a native window that is not one of ours.
  win::WindowId Find(HWND hwnd) const;

  void SetScale(int scale) override;
  int Scale() const override { return scale_; }

 private:
  struct Native {
    HWND hwnd = nullptr;
    raster::Bitmap shown;   // what the window shows: the last pixels presented
    bool ownPaint = false;  // the pending WM_PAINT is for pixels we presented
    bool sizing = false;    // a size change of our own is under way
  };

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(win::WindowId window, Native& native, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(win::WindowId window, Native& native);
  void Resized(win::WindowId window, Native& native, int width, int height);
  // `client` is the client area's size in screen pixels.
  void FitFrameTo(Native& native, win::Size client);
  win::Size Scaled(win::Size content) const;
  // A mouse message's position as a pixel of the window's content.
  int ContentX(LPARAM lParam) const;
  int ContentY(LPARAM lParam) const;
  Native* Lookup(win::WindowId window);

  std::map<win::WindowId, Native> natives_;
  int scale_ = 1;
};

}  // namespace win32host
