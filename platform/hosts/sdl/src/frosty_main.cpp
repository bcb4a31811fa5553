// frosty: the preview program in real desktop windows.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "preview.h"
#include "sdl_host/sdl_host.h"
#include "win/host.h"

namespace {

constexpr const char* ReplayHint =
    "to see the program without one, run frosty-replay (e.g. frosty-replay demo/demo.drive "
    "--window out/window.png)";

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

std::string CommandLine(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayNamed()) {
    std::fprintf(stderr, "frosty: no display (DISPLAY and WAYLAND_DISPLAY are unset); %s\n",
                 ReplayHint);
    return 1;
  }
  const frosty::Result<std::unique_ptr<sdlhost::SdlHost>> host = sdlhost::SdlHost::Open();
  if (!host) {
    std::fprintf(stderr, "frosty: %s; %s\n", host.error().c_str(), ReplayHint);
    return 1;
  }
  win::SetHost(host->get());
  const std::string commandLine = CommandLine(argc, argv);
  const int status = WinMain(nullptr, nullptr, commandLine.c_str(), 1);
  win::SetHost(nullptr);
  return status;
}
