#include "native_windows.h"

#include <SDL_events.h>
#include <SDL_keyboard.h>
#include <SDL_surface.h>

#include <algorithm>
#include <string>

#include "scaled_copy.h"
#include "win/scale.h"

namespace sdlhost {
namespace {

pz417::Status SdlFailure(const char* what) {
  return pz417::Failure(std::string(what) + ": " + SDL_GetError());
}

}  // namespace

NativeWindows::~NativeWindows() {
  for (auto& [window, native] : natives_) SDL_DestroyWindow(native.sdl);
}

pz417::Status NativeWindows::Create(win::WindowId window) {
  const win::Size content = win::ContentSize(window);
  const raster::Rect outer = win::GetWindowRect(window);
  const bool sizable = win::GetWindowStyle(window) == win::Style::Overlapped;
  const Uint32 flags = SDL_WINDOW_HIDDEN | (sizable ? SDL_WINDOW_RESIZABLE : 0);
  const win::Size size{std::max(content.width, 1), std::max(content.height, 1)};
  SDL_Window* sdl = SDL_CreateWindow(
      win::GetWindowTitle(window).c_str(), static_cast<int>(outer.left) * scale_,
      static_cast<int>(outer.top) * scale_, size.width * scale_, size.height * scale_, flags);
  if (sdl == nullptr) return SdlFailure("cannot make a window");
  natives_[window] = {sdl, size};
  return {};
}

void NativeWindows::Show(win::WindowId window, bool visible) {
  Native* native = Lookup(window);
  if (native == nullptr) return;
  if (!visible) {
    SDL_PumpEvents();  // so that a focus just given is known
    const bool hadKeyboard = SDL_GetKeyboardFocus() == native->sdl;
    SDL_HideWindow(native->sdl);
    if (hadKeyboard) GiveKeyboard(win::FocusedWindow());
    return;
  }
  SDL_ShowWindow(native->sdl);
  SDL_RaiseWindow(native->sdl);
}

// The window the window system activated when another was hidden gets the keyboard: without a
// window manager, none would.
void NativeWindows::GiveKeyboard(win::WindowId window) {
  Native* native = Lookup(window);
  if (native == nullptr) return;
  SDL_RaiseWindow(native->sdl);
  SDL_SetWindowInputFocus(native->sdl);
}

void NativeWindows::Destroy(win::WindowId window) {
  Native* native = Lookup(window);
  if (native == nullptr) return;
  SDL_DestroyWindow(native->sdl);
  natives_.erase(window);
}

pz417::Status NativeWindows::Present(win::WindowId window, const raster::Bitmap& pixels,
                                     std::span<const raster::Rect> damage) {
  Native* native = Lookup(window);
  if (native == nullptr || pixels.width() <= 0 || pixels.height() <= 0) return {};
  const win::Size size{pixels.width(), pixels.height()};
  if (!(size == native->content)) {
    native->content = size;
    native->surfaceLost = true;
    SDL_SetWindowSize(native->sdl, size.width * scale_, size.height * scale_);
  }
  SDL_Surface* surface = SDL_GetWindowSurface(native->sdl);
  if (surface == nullptr) return SdlFailure("no surface to draw the window into");
  if (native->surfaceLost || surface != native->surface) {
    // A new surface holds nothing of what was shown: all of it is copied.
    native->surface = surface;
    native->surfaceLost = false;
    CopyScaled(pixels, scale_, surface, {0, 0, size.width, size.height});
    SDL_UpdateWindowSurface(native->sdl);
    return {};
  }
  screenRects_.clear();
  for (const raster::Rect& box : damage) {
    const SDL_Rect screen = CopyScaled(pixels, scale_, surface, box);
    if (screen.w > 0) screenRects_.push_back(screen);
  }
  if (!screenRects_.empty()) {
    SDL_UpdateWindowSurfaceRects(native->sdl, screenRects_.data(),
                                 static_cast<int>(screenRects_.size()));
  }
  return {};
}

void NativeWindows::Refresh(win::WindowId window) {
  // Fails harmlessly while nothing was presented or the surface is being remade; the paint
  // that follows the loss presents afresh then.
  if (Native* native = Lookup(window)) SDL_UpdateWindowSurface(native->sdl);
}

SDL_Point NativeWindows::Origin(win::WindowId window) const {
  SDL_Point origin{0, 0};
  const auto found = natives_.find(window);
  if (found != natives_.end()) SDL_GetWindowPosition(found->second.sdl, &origin.x, &origin.y);
  return origin;
}

win::WindowId NativeWindows::Find(std::uint32_t sdlWindowId) const {
  for (const auto& [window, native] : natives_) {
    if (SDL_GetWindowID(native.sdl) == sdlWindowId) return window;
  }
  return 0;
}

bool NativeWindows::NoteContentSize(win::WindowId window, win::Size screenSize) {
  Native* native = Lookup(window);
  if (native == nullptr) return false;
  // SDL remakes the surface after any size change, its own or ours.
  native->surfaceLost = true;
  const win::Size size = ContentSize(screenSize);
  if (size == native->content) return false;
  native->content = size;
  return true;
}

win::Size NativeWindows::Unscaled(win::Size screenSize) const {
  return {win::Unscaled(screenSize.width, scale_), win::Unscaled(screenSize.height, scale_)};
}

win::Size NativeWindows::ContentSize(win::Size screenSize) const {
  return {win::ContentLength(screenSize.width, scale_),
          win::ContentLength(screenSize.height, scale_)};
}

NativeWindows::Native* NativeWindows::Lookup(win::WindowId window) {
  const auto found = natives_.find(window);
  return found == natives_.end() ? nullptr : &found->second;
}

}  // namespace sdlhost
