#pragma once
// The SDL window behind each window of the window system. Its content is the window's
// composed pixels (menu bar over client area); the frame around it is the desktop's.

#include <SDL_video.h>

#include <cstdint>
#include <map>

#include "raster/bitmap.h"
#include "win/window.h"

namespace sdlhost {

class NativeWindows {
 public:
  NativeWindows() = default;
  NativeWindows(const NativeWindows&) = delete;
  NativeWindows& operator=(const NativeWindows&) = delete;
  ~NativeWindows();

  // Made hidden, with the window's title, outer place and content size.
  void Create(win::WindowId window);
  // Showing also raises the window, as showing activates it on the classic desktop.
  void Show(win::WindowId window, bool visible);
  void Destroy(win::WindowId window);
  // Copies the pixels into the window's surface and puts them on screen; the window takes
  // their size first if it differs.
  void Present(win::WindowId window, const raster::Bitmap& pixels);
  // Puts what was last presented on screen again, after the screen lost it.
  void Refresh(win::WindowId window);

  // 0 for an SDL window that is not one of ours.
  win::WindowId Find(std::uint32_t sdlWindowId) const;
  // Records a content size SDL reported; false when it is the size the window already had,
  // as after a resize of our own.
  bool NoteContentSize(win::WindowId window, win::Size size);

 private:
  struct Native {
    SDL_Window* sdl = nullptr;
    win::Size content;
  };
  Native* Lookup(win::WindowId window);

  std::map<win::WindowId, Native> natives_;
};

}  // namespace sdlhost
