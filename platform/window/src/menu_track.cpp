// The menu bar driven by mouse and keyboard, as the classic desktop tracks it: which bar item is
// active, whether its dropdown is open, the highlighted item, and the Command a choice posts.
// A choice by mouse is made when the button comes up on an item, so press, drag and release
// chooses as a click does.

#include <cctype>

#include "menu_internal.h"

namespace win {
namespace detail {
namespace {

MenuTracking& Tracking() {
  return Sys().tracking;
}

const MenuRec* BarOf(WindowId window) {
  const WindowRec* rec = FindWindow(window);
  return rec == nullptr ? nullptr : FindMenu(rec->menu);
}

bool InRange(int index, std::size_t size) {
  return index >= 0 && static_cast<std::size_t>(index) < size;
}

void Activate(WindowId window, int barItem, bool dropped, int selected) {
  DamageMenus(Tracking().window);
  Tracking() = {window, barItem, dropped, selected};
  DamageMenus(window);
}

void Choose(WindowId window, const MenuItemInfo& item) {
  const int id = item.id;
  CloseMenu();
  PostMessage(window, Msg::Command, static_cast<std::uintptr_t>(id), 0);
}

int HitItem(const std::vector<raster::Rect>& rects, int x, int y) {
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const raster::Rect& r = rects[i];
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return static_cast<int>(i);
  }
  return -1;
}

// The next item from `from` in direction `step` that is not a separator, wrapping around;
// from -1 Down gives the first and Up the last.
int NextSelectable(const MenuRec& popup, int from, int step) {
  const int count = static_cast<int>(popup.items.size());
  int at = from < 0 ? (step > 0 ? -1 : 0) : from;
  for (int tried = 0; tried < count; ++tried) {
    at = (at + step + count) % count;
    if (!popup.items[static_cast<std::size_t>(at)].separator) return at;
  }
  return -1;
}

DropdownLayout CurrentLayout() {
  const MenuRec& bar = *BarOf(Tracking().window);
  const raster::Rect barItem = BarItemRects(bar)[static_cast<std::size_t>(Tracking().barItem)];
  return LayoutDropdown(*FindMenu(OpenPopup()), barItem);
}

// A bar item with a popup opens it; one without chooses its command at once.
void OpenBarItem(WindowId window, int item, bool fromKeyboard) {
  const MenuRec& bar = *BarOf(window);
  const MenuItemInfo& entry = bar.items[static_cast<std::size_t>(item)];
  if (!Choosable(entry)) return;
  if (entry.popup == 0) {
    Choose(window, entry);
    return;
  }
  const int selected = fromKeyboard ? NextSelectable(*FindMenu(entry.popup), -1, 1) : -1;
  Activate(window, item, true, selected);
}

// The bar item whose access letter this is; -1 if none.
int BarItemWithLetter(const MenuRec& bar, char letter) {
  for (std::size_t i = 0; i < bar.items.size(); ++i) {
    if (letter != 0 && AccessLetter(bar.items[i].text) == letter) return static_cast<int>(i);
  }
  return -1;
}

// Letters and digits by their key, other keys by the character they yield. A key that yields a
// control character is pressed with Ctrl, and picks no item: the menu takes no shortcuts.
char KeyLetter(int virtualKey, std::intptr_t character) {
  if (character >= 0 && character < ' ') return 0;
  const bool letterKey =
      (virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9');
  if (letterKey) return static_cast<char>(virtualKey);
  if (character > ' ' && character < 128) {
    return static_cast<char>(std::toupper(static_cast<int>(character)));
  }
  return 0;
}

void MoveAlongBar(int step) {
  const int count = static_cast<int>(BarOf(Tracking().window)->items.size());
  const int item = (Tracking().barItem + step + count) % count;
  if (Tracking().dropped) {
    OpenBarItem(Tracking().window, item, true);
  } else {
    Activate(Tracking().window, item, false, -1);
  }
}

// The dropdown item under a content point; -1 off the open dropdown.
int DropdownItemAt(WindowId window, int x, int y) {
  if (window != Tracking().window) return -1;
  return HitItem(CurrentLayout().items, x, y);
}

bool OnOpenBarItem(WindowId window, int x, int y) {
  if (window != Tracking().window) return false;
  return HitItem(BarItemRects(*BarOf(window)), x, y) == Tracking().barItem;
}

// Greyed items highlight too; separators never do.
void Highlight(int item) {
  const MenuRec& popup = *FindMenu(OpenPopup());
  const bool selectable =
      InRange(item, popup.items.size()) && !popup.items[static_cast<std::size_t>(item)].separator;
  const int selected = selectable ? item : -1;
  if (selected == Tracking().selected) return;
  Tracking().selected = selected;
  DamageMenus(Tracking().window);
}

// A press on an item only highlights it; pressing the open bar item again closes the menu when
// the button comes up there; a press anywhere else closes it and is eaten.
void PressWhileDropped(WindowId window, int x, int y) {
  const int item = DropdownItemAt(window, x, y);
  Tracking().closeOnRelease = item < 0 && OnOpenBarItem(window, x, y);
  if (item >= 0) {
    Highlight(item);
  } else if (!Tracking().closeOnRelease) {
    CloseMenu();
  }
}

void ReleaseWhileDropped(WindowId window, int x, int y) {
  const int item = DropdownItemAt(window, x, y);
  if (item >= 0) {
    const MenuItemInfo& entry = FindMenu(OpenPopup())->items[static_cast<std::size_t>(item)];
    // Separators and greyed items keep the menu open.
    if (Choosable(entry)) Choose(window, entry);
  } else if (Tracking().closeOnRelease || !OnOpenBarItem(window, x, y)) {
    CloseMenu();
  }
}

void ChooseSelected() {
  const MenuRec& popup = *FindMenu(OpenPopup());
  if (!InRange(Tracking().selected, popup.items.size())) {
    CloseMenu();
    return;
  }
  const MenuItemInfo& item = popup.items[static_cast<std::size_t>(Tracking().selected)];
  if (Choosable(item)) Choose(Tracking().window, item);
}

void ChooseByLetter(char letter) {
  for (const auto& item : FindMenu(OpenPopup())->items) {
    if (letter != 0 && Choosable(item) && AccessLetter(item.text) == letter) {
      Choose(Tracking().window, item);
      return;
    }
  }
}

void DropdownKey(int virtualKey, char letter) {
  switch (virtualKey) {
    case vk::Escape:  // back to the bar, its item still selected
      Activate(Tracking().window, Tracking().barItem, false, -1);
      break;
    case vk::Menu:
    case vk::F10:
      CloseMenu();
      break;
    case vk::Up:
    case vk::Down:
      Tracking().selected = NextSelectable(*FindMenu(OpenPopup()), Tracking().selected,
                                           virtualKey == vk::Down ? 1 : -1);
      DamageMenus(Tracking().window);
      break;
    case vk::Left:
    case vk::Right:
      MoveAlongBar(virtualKey == vk::Right ? 1 : -1);
      break;
    case vk::Return:
      ChooseSelected();
      break;
    default:
      ChooseByLetter(letter);
  }
}

bool IsMenuKey(int virtualKey) {
  return virtualKey == vk::Menu || virtualKey == vk::F10;
}

// The bar is highlighted from the keyboard, no dropdown open yet.
void BarKey(int virtualKey, char letter) {
  const WindowId window = Tracking().window;
  switch (virtualKey) {
    case vk::Escape:
    case vk::Menu:
    case vk::F10:
      CloseMenu();
      break;
    case vk::Return:
    case vk::Up:
    case vk::Down:
      OpenBarItem(window, Tracking().barItem, true);
      break;
    case vk::Left:
    case vk::Right:
      MoveAlongBar(virtualKey == vk::Right ? 1 : -1);
      break;
    default: {
      const int item = BarItemWithLetter(*BarOf(window), letter);
      if (item >= 0) OpenBarItem(window, item, true);
    }
  }
}

}  // namespace

MenuId OpenPopup() {
  if (!Tracking().dropped) return 0;
  return BarOf(Tracking().window)->items[static_cast<std::size_t>(Tracking().barItem)].popup;
}

void CloseMenu() {
  DamageMenus(Tracking().window);
  Tracking() = {};
}

raster::Rect OpenDropdownFrame(WindowId window) {
  if (Tracking().window != window || !Tracking().dropped) return {};
  return CurrentLayout().frame;
}

void DamageMenus(WindowId window) {
  const WindowRec* rec = FindWindow(window);
  if (rec == nullptr || rec->menu == 0) return;
  DamageContent(window, {0, 0, rec->client.width(), MenuBarHeight});
  DamageContent(window, OpenDropdownFrame(window));
}

void PaintWindowMenus(raster::Bitmap& content, WindowId window) {
  const MenuRec* bar = BarOf(window);
  if (bar == nullptr) return;
  const bool active = Tracking().window == window;
  const BarLook look =
      !active ? BarLook::Plain : (Tracking().dropped ? BarLook::Pressed : BarLook::Raised);
  PaintMenuBar(content, *bar, active ? Tracking().barItem : -1, look);
  if (active && Tracking().dropped) {
    PaintDropdown(content, *FindMenu(OpenPopup()), CurrentLayout(), Tracking().selected);
  }
}

bool MenuTakesPress(WindowId window, int contentX, int contentY) {
  if (Tracking().dropped) {
    PressWhileDropped(window, contentX, contentY);
    return true;
  }
  CloseMenu();
  const MenuRec* bar = BarOf(window);
  if (bar == nullptr || contentY < 0 || contentY >= MenuBarHeight) return false;
  const int item = HitItem(BarItemRects(*bar), contentX, contentY);
  if (item >= 0) OpenBarItem(window, item, false);
  return true;
}

void MenuTakesMouse(const Message& mouse) {
  if (!Tracking().dropped) return;
  const int x = static_cast<int>(static_cast<std::intptr_t>(mouse.wParam));
  const int y = static_cast<int>(mouse.lParam);
  if (mouse.msg == Msg::LButtonUp) {
    ReleaseWhileDropped(mouse.window, x, y);
  } else {
    Highlight(DropdownItemAt(mouse.window, x, y));
  }
}

bool MenuIsTracked() {
  return Tracking().window != 0;
}

// Whichever window has the keyboard: the menu loop takes every key while it runs.
bool MenuTakesKey(const Message& key) {
  if (Tracking().window == 0) return false;
  const int virtualKey = static_cast<int>(key.wParam);
  const char letter = KeyLetter(virtualKey, KeyCharacter(key.lParam));
  if (Tracking().dropped) {
    DropdownKey(virtualKey, letter);
  } else {
    BarKey(virtualKey, letter);
  }
  return true;
}

void MenuSysKeyDown(int virtualKey) {
  Sys().altAlone = IsMenuKey(virtualKey);
}

// Alt or F10 pressed and released alone selects the bar, or leaves it.
void MenuSysKeyUp(WindowId window, int virtualKey) {
  if (!IsMenuKey(virtualKey) || !Sys().altAlone) return;
  Sys().altAlone = false;
  const MenuRec* bar = BarOf(window);
  if (Tracking().window != 0) {
    CloseMenu();
  } else if (bar != nullptr && !bar->items.empty()) {
    Activate(window, 0, false, -1);
  }
}

void MenuSysChar(WindowId window, int character) {
  Sys().altAlone = false;
  const MenuRec* bar = BarOf(window);
  if (bar == nullptr) return;
  const int item = BarItemWithLetter(*bar, KeyLetter(0, character));
  if (item >= 0) OpenBarItem(window, item, true);
}

}  // namespace detail

bool IsMenuOpen(WindowId window) {
  return detail::Sys().tracking.window == window && detail::Sys().tracking.dropped;
}

raster::Rect GetMenuBarItemRect(WindowId window, int position) {
  const detail::MenuRec* bar = detail::BarOf(window);
  if (bar == nullptr) return {};
  const std::vector<raster::Rect> rects = detail::BarItemRects(*bar);
  return detail::InRange(position, rects.size()) ? rects[static_cast<std::size_t>(position)]
                                                 : raster::Rect{};
}

raster::Rect GetDropdownItemRect(WindowId window, int position) {
  if (!IsMenuOpen(window)) return {};
  const detail::DropdownLayout layout = detail::CurrentLayout();
  return detail::InRange(position, layout.items.size())
             ? layout.items[static_cast<std::size_t>(position)]
             : raster::Rect{};
}

}  // namespace win
