// Where the menu bar's items and the dropdown's items lie, in window content coordinates.

#include <algorithm>

#include "menu_internal.h"

namespace win::detail {
namespace {

constexpr int BarItemPadding = 6;  // each side of a bar item's text
constexpr int DropdownBorder = 3;  // two edges of the raised border, one pixel of gap
constexpr int CheckColumn = 17;    // left of the labels, where check marks go
constexpr int ShortcutGap = 16;    // at least between a label and its shortcut text
constexpr int RightMargin = 16;    // after the shortcut text
constexpr int ItemHeight = 18;
constexpr int SeparatorHeight = 9;

int TextWidth(const std::string& text) {
  return raster::MeasureText(MenuFace, MenuTextSize, text).width;
}

struct Columns {
  int label = 0;
  int shortcut = 0;
};

Columns WidestTexts(const MenuRec& popup) {
  Columns widest;
  for (const auto& item : popup.items) {
    if (item.separator) continue;
    const MenuText text = ParseMenuText(item.text);
    widest.label = std::max(widest.label, TextWidth(text.label));
    widest.shortcut = std::max(widest.shortcut, TextWidth(text.shortcut));
  }
  return widest;
}

}  // namespace

std::vector<raster::Rect> BarItemRects(const MenuRec& bar) {
  std::vector<raster::Rect> rects;
  std::int64_t left = 0;
  for (const auto& item : bar.items) {
    const int width = TextWidth(ParseMenuText(item.text).label) + 2 * BarItemPadding;
    const std::int64_t right = left + width;
    rects.push_back({left, 0, right, MenuBarHeight});
    left = right;
  }
  return rects;
}

DropdownLayout LayoutDropdown(const MenuRec& popup, const raster::Rect& barItem) {
  const Columns widest = WidestTexts(popup);
  const int shortcuts = widest.shortcut > 0 ? ShortcutGap + widest.shortcut : 0;
  const int width = 2 * DropdownBorder + CheckColumn + widest.label + shortcuts + RightMargin;
  DropdownLayout layout;
  layout.textLeft = static_cast<int>(barItem.left) + DropdownBorder + CheckColumn;
  layout.shortcutRight = static_cast<int>(barItem.left) + width - DropdownBorder - RightMargin;
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
