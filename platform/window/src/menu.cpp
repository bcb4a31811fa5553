// Menus as data: the bar and popups, their items, check marks, and which window has which.

#include <cctype>
#include <string>
#include <utility>

#include "menu_internal.h"
#include "system.h"

namespace win {
namespace {

using detail::MenuRec;
using detail::Sys;

MenuId AddMenu(bool bar) {
  if (!detail::SystemLives()) return 0;
  Sys().menus.push_back({bar, {}});
  return static_cast<MenuId>(Sys().menus.size());
}

// The first item with this command id, in the menu or its popups, and the menu holding it.
std::pair<MenuId, MenuItemInfo*> FindItem(MenuId menu, int id) {
  MenuRec* rec = detail::FindMenu(menu);
  if (rec == nullptr) return {0, nullptr};
  for (auto& item : rec->items) {
    if (item.popup != 0) {
      const auto found = FindItem(item.popup, id);
      if (found.second != nullptr) return found;
    } else if (!item.separator && item.id == id) {
      return {menu, &item};
    }
  }
  return {0, nullptr};
}

bool IsPopupMenu(MenuId menu) {
  const MenuRec* rec = detail::FindMenu(menu);
  return rec != nullptr && !rec->bar;
}

}  // namespace

namespace detail {

MenuText ParseMenuText(std::string_view text) {
  MenuText out;
  const auto tab = text.find('\t');
  const std::string_view label = text.substr(0, tab);
  if (tab != std::string_view::npos) out.shortcut = std::string(text.substr(tab + 1));
  for (std::size_t i = 0; i < label.size(); ++i) {
    // "&&" stands for a plain "&".
    if (label[i] == '&' && i + 1 < label.size()) {
      ++i;
      if (label[i] != '&' && out.access < 0) out.access = static_cast<int>(out.label.size());
    }
    out.label += label[i];
  }
  return out;
}

char AccessLetter(std::string_view text) {
  const MenuText parsed = ParseMenuText(text);
  if (parsed.access < 0) return 0;
  const auto letter =
      static_cast<unsigned char>(parsed.label[static_cast<std::size_t>(parsed.access)]);
  return static_cast<char>(std::toupper(letter));
}

bool Choosable(const MenuItemInfo& item) {
  return !item.separator && !item.grayed;
}

void MenuChanged(MenuId menu) {
  for (auto& [window, rec] : Sys().windows) {
    const bool shownInDropdown = Sys().tracking.window == window && OpenPopup() == menu;
    if (rec.menu == menu || shownInDropdown) DamageMenus(window);
  }
}

}  // namespace detail

MenuId CreateMenu() {
  return AddMenu(true);
}

MenuId CreatePopupMenu() {
  return AddMenu(false);
}

pz417::Status AppendMenu(MenuId menu, unsigned flags, int idOrPopup, std::string_view text) {
  MenuRec* rec = detail::FindMenu(menu);
  if (rec == nullptr) return pz417::Failure("AppendMenu: no menu " + std::to_string(menu));
  MenuItemInfo item;
  item.separator = (flags & mf::Separator) != 0;
  if (!item.separator) {
    item.text = std::string(text);
    item.grayed = (flags & mf::Grayed) != 0;
    item.checked = (flags & mf::Checked) != 0;
    if ((flags & mf::Popup) != 0) {
      item.popup = idOrPopup;
    } else {
      item.id = idOrPopup;
    }
  }
  // Popups hang on the bar only: dropdowns do not cascade.
  if (item.popup != 0 && (!rec->bar || !IsPopupMenu(item.popup))) {
    return pz417::Failure(
        "AppendMenu: a popup must be made with CreatePopupMenu and hung on a bar");
  }
  rec->items.push_back(std::move(item));
  detail::MenuChanged(menu);
  return {};
}

pz417::Status SetMenu(WindowId window, MenuId menu) {
  detail::WindowRec* rec = detail::FindWindow(window);
  const MenuRec* bar = detail::FindMenu(menu);
  if (rec == nullptr || (menu != 0 && (bar == nullptr || !bar->bar))) {
    return pz417::Failure("SetMenu: no such window, or the menu is not a menu bar");
  }
  if (Sys().tracking.window == window) detail::CloseMenu();
  rec->menu = menu;
  detail::FitClientToFrame(window);
  detail::DamageWholeWindow(window);
  return {};
}

void DrawMenuBar(WindowId window) {
  detail::DamageMenus(window);
}

int CheckMenuItem(MenuId menu, int id, unsigned check) {
  const auto [owner, item] = FindItem(menu, id);
  if (item == nullptr) return -1;
  const int previous =
      item->checked ? static_cast<int>(mf::Checked) : static_cast<int>(mf::Unchecked);
  item->checked = (check & mf::Checked) != 0;
  detail::MenuChanged(owner);
  return previous;
}

int GetMenuItemCount(MenuId menu) {
  const MenuRec* rec = detail::FindMenu(menu);
  return rec == nullptr ? -1 : static_cast<int>(rec->items.size());
}

MenuItemInfo GetMenuItem(MenuId menu, int position) {
  const MenuRec* rec = detail::FindMenu(menu);
  if (rec == nullptr || position < 0 || static_cast<std::size_t>(position) >= rec->items.size()) {
    return {};
  }
  return rec->items[static_cast<std::size_t>(position)];
}

MenuId GetMenu(WindowId window) {
  const detail::WindowRec* rec = detail::FindWindow(window);
  return rec == nullptr ? 0 : rec->menu;
}

int MenuBarRows(WindowId window) {
  const detail::WindowRec* rec = detail::FindWindow(window);
  return rec == nullptr ? 0 : detail::MenuBarRows(*rec);
}

}  // namespace win
