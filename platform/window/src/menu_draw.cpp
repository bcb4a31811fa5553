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

// The text cell centred in the row; an odd spare pixel goes above it.
int TextTop(std::int64_t rowTop, std::int64_t rowHeight) {
  const int cell = raster::GetFontMetrics(MenuFace, MenuTextSize).height;
  return static_cast<int>(rowTop + (rowHeight - cell + 1) / 2);
}

// The label with its access letter underlined just below the baseline, one pixel short of the
// letter's advance, as the classic menus underline.
void DrawLabel(raster::Bitmap& target, std::int64_t x, std::int64_t y, const MenuText& text,
               raster::Color color) {
  raster::DrawText(target, MenuFace, MenuTextSize, x, y, text.label, color);
  if (text.access < 0) return;
  const std::string_view label = text.label;
  const auto access = static_cast<std::size_t>(text.access);
  const std::int64_t left = x + MenuTextWidth(label.substr(0, access));
  const std::int64_t row = y + raster::GetFontMetrics(MenuFace, MenuTextSize).ascent + 1;
  target.fillRect({left, row, left + MenuTextWidth(label.substr(access, 1)) - 1, row + 1}, color);
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
  raster::DrawText(target, MenuFace, MenuTextSize, layout.shortcutLeft + offset, top, text.shortcut,
                   color);
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

// An etched line four rows down the slot, one pixel in from each side of the item.
void PaintSeparator(raster::Bitmap& target, const raster::Rect& box) {
  const std::int64_t row = box.top + 4;
  target.fillRect({box.left + 1, row, box.right - 1, row + 1}, Shadow);
  target.fillRect({box.left + 1, row + 1, box.right - 1, row + 2}, Highlight);
}

}  // namespace

void PaintMenuBar(raster::Bitmap& target, const MenuRec& bar, int activeItem, BarLook look) {
  target.fillRect({0, 0, target.width(), MenuBarHeight}, Face);
  const std::vector<raster::Rect> rects = BarItemRects(bar);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    // The edge of an active item leaves the bar's top row out; its text stays where it is.
    const raster::Rect box = {rects[i].left, rects[i].top + 1, rects[i].right, rects[i].bottom};
    const bool active = static_cast<int>(i) == activeItem;
    if (active && look == BarLook::Pressed) DrawEdge(target, box, Shadow, Highlight);
    if (active && look == BarLook::Raised) DrawEdge(target, box, Highlight, Shadow);
    const MenuText text = ParseMenuText(bar.items[i].text);
    const std::int64_t left = box.left + (box.width() - MenuTextWidth(text.label)) / 2;
    DrawLabel(target, left, TextTop(box.top, box.height()), text, Text);
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
