// The menu bar and the dropdown in the classic desktop look: grey faces, 3-D edges,
// underlined access letters, check marks, etched separators, embossed greyed items.

#include <array>
#include <string>

#include "menu_internal.h"

namespace win::detail {
namespace {

using namespace menucolor;

// The check mark, as the classic menus draw it.
constexpr std::array<const char*, 7> CheckMark = {
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};
constexpr int CheckMarkSide = 7;

raster::Rect Inset(const raster::Rect& box, int by) {
  return {box.left + by, box.top + by, box.right - by, box.bottom - by};
}

raster::Rect Offset(const raster::Rect& box, int by) {
  return {box.left + by, box.top + by, box.right + by, box.bottom + by};
}

// One pixel wide: top and left in one colour, bottom and right in the other.
void DrawEdge(raster::Bitmap& target, const raster::Rect& box, raster::Color topLeft,
              raster::Color bottomRight) {
  target.fillRect({box.left, box.top, box.right - 1, box.top + 1}, topLeft);
  target.fillRect({box.left, box.top, box.left + 1, box.bottom - 1}, topLeft);
  target.fillRect({box.left, box.bottom - 1, box.right, box.bottom}, bottomRight);
  target.fillRect({box.right - 1, box.top, box.right, box.bottom}, bottomRight);
}

int TextTop(std::int64_t rowTop, std::int64_t rowHeight) {
  const int cell = raster::GetFontMetrics(MenuFace, MenuTextSize).height;
  return static_cast<int>(rowTop + (rowHeight - cell) / 2);
}

int TextWidth(std::string_view text) {
  return raster::MeasureText(MenuFace, MenuTextSize, text).width;
}

// The label with its access letter underlined just below the baseline.
void DrawLabel(raster::Bitmap& target, std::int64_t x, std::int64_t y, const MenuText& text,
               raster::Color color) {
  raster::DrawText(target, MenuFace, MenuTextSize, x, y, text.label, color);
  if (text.access < 0) return;
  const auto access = static_cast<std::size_t>(text.access);
  const std::int64_t left = x + TextWidth(std::string_view(text.label).substr(0, access));
  const std::int64_t row = y + raster::GetFontMetrics(MenuFace, MenuTextSize).ascent + 1;
  target.fillRect({left, row, left + TextWidth(text.label.substr(access, 1)), row + 1}, color);
}

void DrawCheckMark(raster::Bitmap& target, std::int64_t x, std::int64_t y, raster::Color color) {
  for (int row = 0; row < CheckMarkSide; ++row) {
    for (int column = 0; column < CheckMarkSide; ++column) {
      if (CheckMark[static_cast<std::size_t>(row)][column] == '#') {
        target.setPixel(x + column, y + row, color);
      }
    }
  }
}

// Check mark, label and shortcut of one item, shifted by `offset` (for the embossed look).
void DrawItemFace(raster::Bitmap& target, const DropdownLayout& layout, const raster::Rect& box,
                  const MenuItemInfo& item, raster::Color color, int offset) {
  const raster::Rect at = Offset(box, offset);
  if (item.checked) {
    const std::int64_t checkLeft = at.left + (layout.textLeft - box.left - CheckMarkSide) / 2;
    DrawCheckMark(target, checkLeft, at.top + (at.height() - CheckMarkSide) / 2, color);
  }
  const MenuText text = ParseMenuText(item.text);
  const int top = TextTop(at.top, at.height());
  DrawLabel(target, layout.textLeft + offset, top, text, color);
  const std::int64_t shortcutLeft = layout.shortcutRight + offset - TextWidth(text.shortcut);
  raster::DrawText(target, MenuFace, MenuTextSize, shortcutLeft, top, text.shortcut, color);
}

void PaintItem(raster::Bitmap& target, const DropdownLayout& layout, const raster::Rect& box,
               const MenuItemInfo& item, bool selected) {
  if (selected) {
    target.fillRect(box, Selected);
    DrawItemFace(target, layout, box, item, item.grayed ? Shadow : SelectedText, 0);
  } else if (item.grayed) {
    DrawItemFace(target, layout, box, item, Highlight, 1);
    DrawItemFace(target, layout, box, item, Shadow, 0);
  } else {
    DrawItemFace(target, layout, box, item, Text, 0);
  }
}

void PaintSeparator(raster::Bitmap& target, const raster::Rect& box) {
  const std::int64_t row = box.top + box.height() / 2 - 1;
  target.fillRect({box.left, row, box.right, row + 1}, Shadow);
  target.fillRect({box.left, row + 1, box.right, row + 2}, Highlight);
}

}  // namespace

void PaintMenuBar(raster::Bitmap& target, const MenuRec& bar, int activeItem, BarLook look) {
  target.fillRect({0, 0, target.width(), MenuBarHeight}, Face);
  const std::vector<raster::Rect> rects = BarItemRects(bar);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const bool active = static_cast<int>(i) == activeItem;
    const int offset = active && look == BarLook::Pressed ? 1 : 0;
    if (active && look == BarLook::Pressed) DrawEdge(target, rects[i], Shadow, Highlight);
    if (active && look == BarLook::Raised) DrawEdge(target, rects[i], Highlight, Shadow);
    const MenuText text = ParseMenuText(bar.items[i].text);
    const std::int64_t left = rects[i].left + (rects[i].width() - TextWidth(text.label)) / 2;
    DrawLabel(target, left + offset, TextTop(0, MenuBarHeight) + offset, text, Text);
  }
}

void PaintDropdown(raster::Bitmap& target, const MenuRec& popup, const DropdownLayout& layout,
                   int selected) {
  target.fillRect(layout.frame, Face);
  DrawEdge(target, layout.frame, Face, DarkShadow);
  DrawEdge(target, Inset(layout.frame, 1), Highlight, Shadow);
  for (std::size_t i = 0; i < popup.items.size(); ++i) {
    const MenuItemInfo& item = popup.items[i];
    if (item.separator) {
      PaintSeparator(target, layout.items[i]);
    } else {
      PaintItem(target, layout, layout.items[i], item, static_cast<int>(i) == selected);
    }
  }
}

}  // namespace win::detail
