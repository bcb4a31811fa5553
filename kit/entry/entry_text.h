#pragma once
// What both entries (the desktop one and the replay one) say about the executable they start.

#include <string>

namespace entry {

// The executable's file name as the user typed it, without its folder: the name every message
// and usage text uses. "program" when the system gave none.
std::string ProgramName(const char* argv0);

// The --version text: the executable and the kit it is built on.
std::string VersionText(const std::string& programName);

// An event as the kit's wait returned it, the way tools that watch programs write it: "Mouse X Y",
// "Key K", "Periodic" or "Quit", without a line end.
std::string EventLine(int kind, int x, int y, signed char key);

}  // namespace entry
