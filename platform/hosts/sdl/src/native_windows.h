#pragma once
// The SDL window behind each window of the window system. Its content is the window's
// composed pixels (menu bar over client area), each shown as scale x scale screen pixels; the
// frame around it is the desktop's.

#include <SDL_video.h>

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "raster/bitmap.h"
#include "win/native_host.h"
#include "win/window.h"

namespace sdlhost {

class NativeWindows final : public win::NativeWindowSet {
 public:
  NativeWindows() = default;
  NativeWindows(const NativeWindows&) = delete;
  NativeWindows& operator=(const NativeWindows&) = delete;
  ~NativeWindows() override;

  void SetScale(int scale) override { scale_ = scale; }
  int Scale() const override { return scale_; }
  pz417::Status Create(win::WindowId window) override;
  void Show(win::WindowId window, bool visible) override;
  void Destroy(win::WindowId window) override;
  // Copies the damaged boxes of the pixels into the window's surface and puts those on screen;
  // all of them after the window took a new size or its surface was remade.
  pz417::Status Present(win::WindowId window, const raster::Bitmap& pixels,
                        std::span<const raster::Rect> damage) override;
  // Puts what was last presented on screen again, after the screen lost it.
  void Refresh(win::WindowId window);

  // Where the window's content starts on the screen, in screen pixels.
  SDL_Point Origin(win::WindowId window) const;
  // 0 for an SDL window that is not one of ours.
  win::WindowId Find(std::uint32_t sdlWindowId) const;
  // Records a size SDL reported, in screen pixels, as the content size it shows (the surface
  // is remade then, so the next present copies all); false when that is the size the window
  // already had, as after a resize of our own.
  bool NoteContentSize(win::WindowId window, win::Size screenSize);
  // The whole window pixels a screen size holds (the desktop's).
  win::Size Unscaled(win::Size screenSize) const;
  // The content a window of that screen size shows, in window pixels, the last ones in part.
  win::Size ContentSize(win::Size screenSize) const;

 private:
  struct Native {
    SDL_Window* sdl = nullptr;
    win::Size content;               // in window pixels
    SDL_Surface* surface = nullptr;  // the surface last presented into
    bool surfaceLost = true;         // the surface may hold nothing of what was presented
  };
  Native* Lookup(win::WindowId window);
  void GiveKeyboard(win::WindowId window);

  std::map<win::WindowId, Native> natives_;
  int scale_ = 1;
  std::vector<SDL_Rect> screenRects_;  // kept between presents, so presenting allocates nothing
};

}  // namespace sdlhost
