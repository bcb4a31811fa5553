#pragma once
// The seam between the desktop entry (main() for programs linked with PZ417::desktop) and the
// desktop host built for this platform, which implements these two calls: SDL2 on Unix desktops,
// user32 and gdi32 on Windows.

#include <memory>
#include <string>

#include "pz417/status.h"
#include "win/host.h"

namespace win::desktop {

// Opens the host on the user's desktop, or says why there is none.
pz417::Result<std::unique_ptr<Host>> OpenHost();

// Shows a message of the program's where its user sees it: usage and version texts (isError
// false), and what went wrong (isError true).
void Tell(const std::string& programName, const std::string& text, bool isError);

}  // namespace win::desktop
