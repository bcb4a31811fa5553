// Where the menu bar's items and the dropdown's items lie, in window content coordinates.

#include <algorithm>

#include "menu_internal.h"

namespace win::detail {
namespace {

// Measured on the classic desktop with its 8-point menu face.
constexpr int BarItemPadding = 6;  // each side of a bar item's text
constexpr int DropdownBorder = 3;  // two edges of the raised border, one pixel of gap
constexpr int CheckColumn = 17;    // left of the labels, where check marks go
constexpr int ShortcutGap = 3;     // each side of the shortcut column, after the widest label
constexpr int RightMargin = 15;    // after the widest text
constexpr int ItemHeight = 17;
constexpr int SeparatorHeight = 9;

struct Columns {
  int label = 0;
  int shortcut = 0;
};

Columns WidestTexts(const MenuRec& popup) {
  Columns widest;
  for (const auto& item : popup.items) {
    if (item.separator) continue;
    const MenuText text = ParseMenuText(item.text);
    widest.label = std::max(widest.label, MenuTextWidth(text.label));
    widest.shortcut = std::max(widest.shortcut, MenuTextWidth(text.shortcut));
  }
  return widest;
}

}  // namespace

int MenuTextWidth(std::string_view text) {
  return raster::MeasureText(MenuFace, MenuTextSize, text).width;
}

std::vector<raster::Rect> BarItemRects(const MenuRec& bar) {
  std::vector<raster::Rect> rects;
  std::int64_t left = 0;
  for (const auto& item : bar.items) {
    const int width = MenuTextWidth(ParseMenuText(item.text).label) + 2 * BarItemPadding;
    const std::int64_t right = left + width;
    rects.push_back({left, 0, right, MenuBarHeight});
    left = right;
  }
  return rects;
}

DropdownLayout LayoutDropdown(const MenuRec& popup, const raster::Rect& barItem) {
  const Columns widest = WidestTexts(popup);
  // Shortcut texts start at one column after the widest label, whichever item that is.
  const int shortcuts = widest.shortcut > 0 ? ShortcutGap + widest.shortcut + ShortcutGap : 0;
  const int width = 2 * DropdownBorder + CheckColumn + widest.label + shortcuts + RightMargin;
  DropdownLayout layout;
  layout.textLeft = static_cast<int>(barItem.left) + DropdownBorder + CheckColumn;
  layout.shortcutLeft = layout.textLeft + widest.label + ShortcutGap;
  std::int64_t top = MenuBarHeight + DropdownBorder;
  for (const auto& item : popup.items) {
    const int height = item.separator ? SeparatorHeight : ItemHeight;
    layout.items.push_back(
        {barItem.left + DropdownBorder, top, barItem.left + width - DropdownBorder, top + height});
    top += height;
  }
  layout.frame = {barItem.left, MenuBarHeight, barItem.left + width, top + DropdownBorder};
  return layout;
}

}  // namespace win::detail
