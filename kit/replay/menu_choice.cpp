#include "menu_choice.h"

#include <string>

#include "win/host.h"

namespace replay {
namespace {

// A press and a release at the box's centre.
void ClickCentre(win::WindowId window, const raster::Rect& box) {
  const int x = static_cast<int>(box.left + box.width() / 2);
  const int y = static_cast<int>(box.top + box.height() / 2);
  win::InputPress(window, x, y);
  win::InputRelease(window, x, y);
}

win::MenuId RunMenu(win::WindowId window) {
  return win::GetMenuItem(win::GetMenu(window), 0).popup;
}

// Where the entry with this command id sits in the Run menu; -1 if nowhere.
int EntryPosition(win::WindowId window, int commandId) {
  const win::MenuId menu = RunMenu(window);
  for (int i = 0; i < win::GetMenuItemCount(menu); ++i) {
    const win::MenuItemInfo item = win::GetMenuItem(menu, i);
    if (!item.separator && item.id == commandId) return i;
  }
  return -1;
}

}  // namespace

void ClickRunMenu(win::WindowId window) {
  ClickCentre(window, win::GetMenuBarItemRect(window, 0));
}

pz417::Status ClickRunMenuEntry(win::WindowId window, int commandId) {
  const std::string entry = "the Run menu entry with command id " + std::to_string(commandId);
  if (!win::IsMenuOpen(window)) return pz417::Failure("the Run menu did not open");
  const int position = EntryPosition(window, commandId);
  if (position < 0) return pz417::Failure(entry + " does not exist");
  if (win::GetMenuItem(RunMenu(window), position).grayed) {
    return pz417::Failure(entry + " is greyed and cannot be chosen");
  }
  ClickCentre(window, win::GetDropdownItemRect(window, position));
  return {};
}

}  // namespace replay
