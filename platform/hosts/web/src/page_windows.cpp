#include "page_windows.h"

#include <bit>

#include "page.h"

namespace webhost {
namespace {

// 0x00RRGGBB as the bytes R, G, B, A = 255 of a little-endian word.
std::uint32_t Rgba(raster::Color color) {
  static_assert(std::endian::native == std::endian::little);
  return 0xFF000000u | (color & 0x0000FF00u) | ((color >> 16) & 0xFFu) | ((color & 0xFFu) << 16);
}

void Convert(const raster::Bitmap& pixels, const raster::Rect& box, std::uint32_t* rgba) {
  for (auto y = box.top; y < box.bottom; ++y) {
    const raster::Color* from = pixels.row(static_cast<int>(y));
    std::uint32_t* to = rgba + y * pixels.width();
    for (auto x = box.left; x < box.right; ++x) to[x] = Rgba(from[x]);
  }
}

}  // namespace

PageWindows::~PageWindows() {
  for (const auto& [window, rgba] : rgba_) pz417_page_destroy_window(window);
}

pz417::Status PageWindows::Create(win::WindowId window) {
  const raster::Rect outer = win::GetWindowRect(window);
  const win::Size content = win::ContentSize(window);
  const bool sizable = win::GetWindowStyle(window) == win::Style::Overlapped;
  pz417_page_create_window(window, win::GetWindowTitle(window).c_str(),
                           static_cast<int>(outer.left), static_cast<int>(outer.top),
                           content.width, content.height, sizable ? 1 : 0);
  rgba_[window];
  return {};
}

void PageWindows::Show(win::WindowId window, bool visible) {
  if (Has(window)) pz417_page_show_window(window, visible ? 1 : 0);
}

void PageWindows::Destroy(win::WindowId window) {
  if (rgba_.erase(window) == 0) return;
  pz417_page_destroy_window(window);
  if (shownFocus_ == window) shownFocus_ = 0;
}

pz417::Status PageWindows::Present(win::WindowId window, const raster::Bitmap& pixels,
                                   std::span<const raster::Rect> damage) {
  const auto found = rgba_.find(window);
  if (found == rgba_.end() || pixels.width() <= 0 || pixels.height() <= 0) return {};
  Canvas& canvas = found->second;
  std::vector<std::uint32_t>& rgba = canvas.rgba;
  const int width = pixels.width();
  const int height = pixels.height();
  if (canvas.width != width || canvas.height != height) {
    // A new size: the canvas is remade and takes all of it.
    canvas.width = width;
    canvas.height = height;
    rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    Convert(pixels, {0, 0, width, height}, rgba.data());
    pz417_page_present(window, width, height, reinterpret_cast<const std::uint8_t*>(rgba.data()), 0,
                       0, width, height);
    return {};
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(rgba.data());
  for (const raster::Rect& box : damage) {
    const raster::Rect part = raster::ClipToBitmap(box, width, height);
    if (part.empty()) continue;
    Convert(pixels, part, rgba.data());
    pz417_page_present(window, width, height, bytes, static_cast<int>(part.left),
                       static_cast<int>(part.top), static_cast<int>(part.width()),
                       static_cast<int>(part.height()));
  }
  return {};
}

void PageWindows::SetScale(int scale) {
  scale_ = scale;
  pz417_page_set_scale(scale);
}

void PageWindows::ShowFocus(win::WindowId window) {
  if (window == shownFocus_) return;
  shownFocus_ = window;
  pz417_page_set_focus(window);
}

}  // namespace webhost
