// Painting, drawing into client areas, and showing what changed in windows to the host.

#include <utility>
#include <vector>

#include "menu_internal.h"
#include "raster/copy_changed.h"
#include "raster/text.h"
#include "system.h"

namespace win {
namespace {

using detail::Sys;
using detail::WindowRec;

// A fresh device context draws black text on an opaque white background.
constexpr raster::Color TextColor = 0x000000;
constexpr raster::Color TextBackground = 0xFFFFFF;

raster::Rect WholeClient(const WindowRec& rec) {
  return {0, 0, rec.client.width(), rec.client.height()};
}

Size ContentSize(const WindowRec& rec) {
  return {rec.client.width(), MenuBarRows(rec) + rec.client.height()};
}

// A box of the client area, as content coordinates, reported as changed.
void DamageClient(WindowRec& rec, const raster::Rect& box) {
  const raster::Rect inside = Intersection(box, WholeClient(rec));
  const int bar = MenuBarRows(rec);
  rec.damage.Add({inside.left, inside.top + bar, inside.right, inside.bottom + bar});
}

bool TouchesMenus(const WindowRec& rec, WindowId window, const raster::Rect& box) {
  const raster::Rect bar{0, 0, rec.client.width(), MenuBarRows(rec)};
  return !Intersection(box, bar).empty() ||
         !Intersection(box, detail::OpenDropdownFrame(window)).empty();
}

// Brings `content` up to date within the damaged boxes: the client's pixels, then the menus
// over them if any box reaches them (they paint the same pixels wherever nothing changed).
void ComposeWithin(const WindowRec& rec, WindowId window, raster::Bitmap& content,
                   std::span<const raster::Rect> damage) {
  const int bar = MenuBarRows(rec);
  const raster::Rect client{0, bar, rec.client.width(), bar + rec.client.height()};
  bool menusTouched = false;
  for (const raster::Rect& box : damage) {
    const raster::Rect part = Intersection(box, client);
    content.copyFrom(rec.client, part.left, part.top - bar, part.width(), part.height(), part.left,
                     part.top);
    menusTouched = menusTouched || TouchesMenus(rec, window, box);
  }
  if (bar != 0 && menusTouched) detail::PaintWindowMenus(content, window);
}

// Composes what changed into the window's kept picture and hands both to the host. The damage
// is taken first: the host may resize the window, and the program may draw, while it presents.
void PresentDamage(WindowId window, Host& host) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return;
  DamageList damage = rec->damage;
  rec->damage.Clear();
  const Size size = ContentSize(*rec);
  if (rec->composed.width() != size.width || rec->composed.height() != size.height) {
    rec->composed.resize(size.width, size.height, rec->background);
    damage.DamageAll(size.width, size.height);
  }
  ComposeWithin(*rec, window, rec->composed, damage.rects());
  host.Present(window, rec->composed, damage.rects());
}

}  // namespace

namespace detail {

void FinishDrawing(WindowRec& rec) {
  if (rec.finishDrawing) rec.finishDrawing();
}

void DamageContent(WindowId window, const raster::Rect& box) {
  if (WindowRec* rec = FindWindow(window)) rec->damage.Add(box);
}

void DamageWholeWindow(WindowId window) {
  WindowRec* rec = FindWindow(window);
  if (rec == nullptr) return;
  const Size size = ContentSize(*rec);
  rec->damage.DamageAll(size.width, size.height);
}

void PresentChangedWindows() {
  // Held-back drawing waits for whoever asks for the pixels when none are shown.
  Host& host = detail::CurrentHost();
  const bool shown = host.ShowsWindows();
  std::vector<WindowId> due;
  for (auto& [window, rec] : Sys().windows) {
    if (!rec.visible) continue;
    if (shown) FinishDrawing(rec);
    if (!rec.damage.empty()) due.push_back(window);
  }
  for (const WindowId window : due) {
    if (shown) {
      PresentDamage(window, host);
    } else if (WindowRec* rec = detail::FindWindow(window)) {
      rec->damage.Clear();
    }
  }
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
  rec->client.fillRect(WholeClient(*rec), rec->background);
  DamageClient(*rec, WholeClient(*rec));
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

// Programs redraw their whole picture and copy all of it: only the rows' runs that differ
// from what the window holds are copied and reported.
void BitBlt(WindowId window, std::int64_t dx, std::int64_t dy, std::int64_t width,
            std::int64_t height, const raster::Bitmap& source, std::int64_t sx, std::int64_t sy) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return;
  raster::CopyChanged(rec->client, source, sx, sy, width, height, dx, dy,
                      [rec](const raster::Rect& run) { DamageClient(*rec, run); });
}

void ScrollClient(WindowId window, int dy) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return;
  rec->client.scrollRows(dy);
  DamageClient(*rec, WholeClient(*rec));
}

void FillClientRect(WindowId window, const raster::Rect& box, raster::Color color) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return;
  rec->client.fillRect(box, color);
  DamageClient(*rec, box);
}

// Glyphs may reach outside their text's extent, so the whole client area is reported; the
// console scrolls all of it before each line anyway.
void TextOut(WindowId window, std::int64_t x, std::int64_t y, std::string_view text,
             raster::Face face, int size) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return;
  raster::DrawTextOpaque(rec->client, face, size, x, y, text, TextColor, TextBackground);
  DamageClient(*rec, WholeClient(*rec));
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

Size ContentSize(WindowId window) {
  const WindowRec* rec = detail::FindWindow(window);
  return rec == nullptr ? Size{} : ContentSize(*rec);
}

raster::Bitmap ComposeWindow(WindowId window) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return {};
  detail::FinishDrawing(*rec);
  const Size size = ContentSize(*rec);
  raster::Bitmap content(size.width, size.height, rec->background);
  const raster::Rect whole{0, 0, size.width, size.height};
  ComposeWithin(*rec, window, content, {&whole, 1});
  return content;
}

}  // namespace win
