#pragma once
// Menus inside the window system: item texts, the geometry of the bar and the dropdown, their
// drawing, and the tracking that mouse and keyboard drive.

#include <string>
#include <string_view>
#include <vector>

#include "raster/bitmap.h"
#include "raster/text.h"
#include "system.h"

namespace win::detail {

// The classic 8-point menu face: a 13-pixel cell, one size.
constexpr raster::Face MenuFace = raster::Face::Menu;
constexpr int MenuTextSize = 0;
int MenuTextWidth(std::string_view text);

namespace menucolor {
constexpr raster::Color Face = 0xC0C0C0, Shadow = 0x808080, Highlight = 0xFFFFFF, Text = 0x000000,
                        DarkShadow = 0x000000, Selected = 0x000080, SelectedText = 0xFFFFFF;
}

// An item's text split at the tab, with the "&" markers taken out.
struct MenuText {
  std::string label;
  std::string shortcut;
  int access = -1;  // index in label of the underlined letter; -1: none
};
MenuText ParseMenuText(std::string_view text);
// The access letter in upper case; 0 when the text marks none.
char AccessLetter(std::string_view text);
bool Choosable(const MenuItemInfo& item);
// Reports the menus of every window that shows this menu (on its bar or in its open dropdown)
// as changed.
void MenuChanged(MenuId menu);

// ---- geometry, in window content coordinates -------------------------------------------------
std::vector<raster::Rect> BarItemRects(const MenuRec& bar);
struct DropdownLayout {
  raster::Rect frame;
  std::vector<raster::Rect> items;
  int textLeft = 0;      // where labels start
  int shortcutLeft = 0;  // the shared tab column where shortcut texts start
};
DropdownLayout LayoutDropdown(const MenuRec& popup, const raster::Rect& barItem);

// ---- drawing ---------------------------------------------------------------------------------
enum class BarLook { Plain, Raised, Pressed };
void PaintMenuBar(raster::Bitmap& target, const MenuRec& bar, int activeItem, BarLook look);
void PaintDropdown(raster::Bitmap& target, const MenuRec& popup, const DropdownLayout& layout,
                   int selected);

// ---- tracking --------------------------------------------------------------------------------
// The popup shown in the open dropdown; 0 when none is open.
MenuId OpenPopup();
// Where the window's open dropdown lies; empty when none is open.
raster::Rect OpenDropdownFrame(WindowId window);
// Reports the window's menu bar and open dropdown as changed: before and after any change to
// how they look, so both the old and the new look reach the screen.
void DamageMenus(WindowId window);
// Draws the window's menu bar, and its dropdown if open, over its content.
void PaintWindowMenus(raster::Bitmap& content, WindowId window);
void CloseMenu();
// Returns true when the menu took the press or key, so the window never sees it.
bool MenuTakesPress(WindowId window, int contentX, int contentY);
bool MenuTakesKey(const Message& key);
// Moves and releases (raw MouseMove and LButtonUp input), which only the menus look at.
void MenuTakesMouse(const Message& mouse);
// A menu bar is selected or its dropdown open: the classic desktop tracks it in a loop of its
// own, and the program's loop does not run meanwhile.
bool MenuIsTracked();
// The keyboard side of the default window procedure.
void MenuSysKeyDown(int virtualKey);
void MenuSysKeyUp(WindowId window, int virtualKey);
void MenuSysChar(WindowId window, int character);

}  // namespace win::detail
