#pragma once
// The page's input records as the window system's input: presses, moves and releases at content
// pixels (the canvas already undid the display scale), keys with their virtual-key codes and
// characters, focus, close boxes and resizes.

#include "page.h"

namespace webhost {

// Hands one record to the window system.
void RouteInput(const PageRecord& record);

}  // namespace webhost
