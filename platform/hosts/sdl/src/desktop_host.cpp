// The desktop entry's host on Unix desktops: SDL windows on the display the environment names.

#include "win/desktop_host.h"

#include <cstdio>
#include <cstdlib>

#include "sdl_host/sdl_host.h"

namespace win::desktop {
namespace {

// On X11 and Wayland desktops a display is named in the environment; a program started
// without one (over ssh, in CI) has nowhere to open windows.
bool DisplayNamed() {
#if defined(__unix__) && !defined(__APPLE__)
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
#else
  return true;
#endif
}

}  // namespace

pz417::Result<std::unique_ptr<Host>> OpenHost() {
  if (!DisplayNamed()) return pz417::Failure("no display (DISPLAY and WAYLAND_DISPLAY are unset)");
  pz417::Result<std::unique_ptr<sdlhost::SdlHost>> host = sdlhost::SdlHost::Open();
  if (!host) return host.status();
  return std::unique_ptr<Host>(std::move(*host));
}

void Tell(const std::string& /*programName*/, const std::string& text, bool isError) {
  std::fputs(text.c_str(), isError ? stderr : stdout);
}

}  // namespace win::desktop
