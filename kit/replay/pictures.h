#pragma once
// What a window shows, written as a PNG file.

#include <string>

#include "pz417/status.h"
#include "win/window.h"

namespace replay {

// The window's composed pixels (menu bar, client area, open dropdown), or its client area.
pz417::Status SaveWindowPng(win::WindowId window, const std::string& path);
pz417::Status SaveClientPng(win::WindowId window, const std::string& path);

}  // namespace replay
