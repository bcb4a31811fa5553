#pragma once
// What the X desktop says about its density. The X11 headers stay in x_resources.cpp: their type
// names clash with ours.

namespace sdlhost {

// The Xft.dpi resource that desktops set for a dense screen; 0 when it is not set, or there is
// no X display.
double XftDpi();

}  // namespace sdlhost
