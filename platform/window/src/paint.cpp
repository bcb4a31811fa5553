// Painting, drawing into client areas, and showing changed windows to the host.

#include <utility>
#include <vector>

#include "menu_internal.h"
#include "raster/text.h"
#include "system.h"

namespace win {
namespace {

using detail::Sys;
using detail::WindowRec;

// A fresh device context draws black text on an opaque white background.
constexpr raster::Color TextColor = 0x000000;
constexpr raster::Color TextBackground = 0xFFFFFF;

// The client bitmap to draw into, or null for a window that does not exist.
raster::Bitmap* ClientToDraw(WindowId window) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return nullptr;
  rec->changed = true;
  return &rec->client;
}

}  // namespace

namespace detail {

void FinishDrawing(WindowRec& rec) {
  if (rec.finishDrawing) rec.finishDrawing();
}

void MarkChanged(WindowId window) {
  if (WindowRec* rec = FindWindow(window)) rec->changed = true;
}

void PresentChangedWindows() {
  // Held-back drawing waits for whoever asks for the pixels when none are shown.
  Host& host = detail::CurrentHost();
  const bool shown = host.ShowsWindows();
  std::vector<WindowId> due;
  for (auto& [window, rec] : Sys().windows) {
    if (!rec.visible) continue;
    if (shown) FinishDrawing(rec);
    if (!rec.changed) continue;
    rec.changed = false;
    due.push_back(window);
  }
  if (!shown) return;
  for (const WindowId window : due) host.Present(window, ComposeWindow(window));
}

bool PaintWaits() {
  for (const auto& [window, rec] : Sys().windows) {
    if (rec.visible && rec.invalid) return true;
  }
  return false;
}

}  // namespace detail

void BeginPaint(WindowId window) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr || !rec->erase) return;
  rec->erase = false;
  rec->client.fillRect({0, 0, rec->client.width(), rec->client.height()}, rec->background);
  rec->changed = true;
}

void EndPaint(WindowId window) {
  if (WindowRec* rec = detail::FindWindow(window)) rec->invalid = false;
}

void InvalidateWindow(WindowId window, bool erase) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return;
  rec->invalid = true;
  rec->erase = rec->erase || erase;
}

void BitBlt(WindowId window, std::int64_t dx, std::int64_t dy, std::int64_t width,
            std::int64_t height, const raster::Bitmap& source, std::int64_t sx, std::int64_t sy) {
  if (raster::Bitmap* client = ClientToDraw(window)) {
    client->copyFrom(source, sx, sy, width, height, dx, dy);
  }
}

void ScrollClient(WindowId window, int dy) {
  if (raster::Bitmap* client = ClientToDraw(window)) client->scrollRows(dy);
}

void FillClientRect(WindowId window, const raster::Rect& box, raster::Color color) {
  if (raster::Bitmap* client = ClientToDraw(window)) client->fillRect(box, color);
}

void TextOut(WindowId window, std::int64_t x, std::int64_t y, std::string_view text,
             raster::Face face, int size) {
  if (raster::Bitmap* client = ClientToDraw(window)) {
    raster::DrawTextOpaque(*client, face, size, x, y, text, TextColor, TextBackground);
  }
}

void SetDrawingFinisher(WindowId window, std::function<void()> finish) {
  if (WindowRec* rec = detail::FindWindow(window)) rec->finishDrawing = std::move(finish);
}

const raster::Bitmap& ClientPixels(WindowId window) {
  static const raster::Bitmap none;
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return none;
  detail::FinishDrawing(*rec);
  return rec->client;
}

raster::Bitmap ComposeWindow(WindowId window) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return {};
  detail::FinishDrawing(*rec);
  const int barRows = rec->menu != 0 ? MenuBarHeight : 0;
  const raster::Bitmap& client = rec->client;
  raster::Bitmap content(client.width(), barRows + client.height(), rec->background);
  content.copyFrom(client, 0, 0, client.width(), client.height(), 0, barRows);
  if (barRows != 0) detail::PaintWindowMenus(content, window);
  return content;
}

}  // namespace win
