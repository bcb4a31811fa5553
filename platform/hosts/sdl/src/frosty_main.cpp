// frosty: the preview program in real desktop windows.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "preview.h"
#include "sdl_host/sdl_host.h"
#include "win/host.h"
#include "win/scale.h"

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

std::string CommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += argument;
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  // `--scale N` shows every window pixel as N x N screen pixels; the program never sees it.
  std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string error;
  const int scale = win::TakeScaleOption(arguments, &error);
  if (scale < 0) {
    std::fprintf(stderr, "frosty: %s\n", error.c_str());
    return 2;
  }
  if (!DisplayNamed()) {
    std::fprintf(stderr, "frosty: no display (DISPLAY and WAYLAND_DISPLAY are unset); %s\n",
                 ReplayHint);
    return 1;
  }
  const std::unique_ptr<sdlhost::SdlHost> host = sdlhost::SdlHost::Open(&error);
  if (host == nullptr) {
    std::fprintf(stderr, "frosty: %s; %s\n", error.c_str(), ReplayHint);
    return 1;
  }
  if (scale > 0) host->SetScale(scale);
  win::SetHost(host.get());
  const std::string commandLine = CommandLine(arguments);
  const int status = WinMain(nullptr, nullptr, commandLine.c_str(), 1);
  win::SetHost(nullptr);
  return status;
}
