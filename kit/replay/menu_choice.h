#pragma once
// Choosing an entry of the kit's Run menu with the mouse, as a person does: a click on "Run" in
// the menu bar, then one on the entry.

#include "pz417/status.h"
#include "win/window.h"

namespace replay {

// A press and a release on the menu bar's Run item.
void ClickRunMenu(win::WindowId window);
// A press and a release on the open Run menu's entry with this command id; fails, naming the
// entry, when the menu is not open or the entry is missing or greyed.
pz417::Status ClickRunMenuEntry(win::WindowId window, int commandId);

}  // namespace replay
