#include "sdl_host/sdl_host.h"

#include <SDL.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <string_view>

#include "events.h"
#include "native_windows.h"
#include "win/scale.h"
#include "x_errors.h"
#include "x_resources.h"

namespace sdlhost {
namespace {

constexpr win::Size FallbackScreen = {1024, 768};
constexpr int WaitForever = -1;

// Drivers that draw where nobody sees it; SDL only takes them when told to.
bool IsInvisibleDriver(std::string_view driver) {
  return driver == "offscreen" || driver == "dummy";
}

void SetHints() {
  // Otherwise SDL quietly remakes the window for OpenGL to back its surface.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // The press that activates a window is a press like any other on the classic desktop.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // Ctrl+C in a terminal ends the program at once instead of becoming an event nobody asks for.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

win::Size DesktopSize() {
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return FallbackScreen;
  return {mode.w, mode.h};
}

// GDK_SCALE, the whole scale a user gives desktop programs for a dense screen; 0 when unset.
int GdkScale() {
  const char* value = std::getenv("GDK_SCALE");
  if (value == nullptr) return 0;
  const std::string_view text = value;
  int scale = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), scale);
  return failure == std::errc() && end == text.data() + text.size() && scale > 0 ? scale : 0;
}

// What the desktop says, in this order: GDK_SCALE, the Xft.dpi resource, SDL's display density;
// kept small enough that the windows fit.
int ScaleOfTheDisplay() {
  int scale = GdkScale();
  if (scale == 0) {
    double dpi = XftDpi();
    float horizontal = 0;
    if (dpi <= 0 && SDL_GetDisplayDPI(0, nullptr, &horizontal, nullptr) == 0) dpi = horizontal;
    scale = win::ScaleForDpi(dpi);
  }
  return win::ScaleThatFits(scale, DesktopSize());
}

// The milliseconds from now until the deadline, as SDL's wait takes them.
int TimeoutUntil(std::optional<std::int64_t> deadlineMs, std::int64_t nowMs) {
  if (!deadlineMs) return WaitForever;
  return static_cast<int>(std::clamp<std::int64_t>(*deadlineMs - nowMs, 0, INT_MAX));
}

}  // namespace

struct SdlHost::State {
  NativeWindows windows;
  EventRouter router{windows};
  // The event that ended a wait, routed first by the next pump pass.
  std::optional<SDL_Event> waited;
};

pz417::Result<std::unique_ptr<SdlHost>> SdlHost::Open() {
  SetHints();
  IgnoreXErrors();
  // Audio, joysticks and sensors would make SDL's wait poll every millisecond.
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    return pz417::Failure(std::string("cannot open a display: ") + SDL_GetError());
  }
  const std::string_view driver = SDL_GetCurrentVideoDriver();
  if (IsInvisibleDriver(driver)) {
    SDL_Quit();
    return pz417::Failure("SDL picked the \"" + std::string(driver) +
                          "\" video driver, which shows nothing");
  }
  auto host = std::unique_ptr<SdlHost>(new SdlHost(std::make_unique<State>()));
  host->SetScale(ScaleOfTheDisplay());
  ReportXErrorsTo(host.get());
  return host;
}

SdlHost::SdlHost(std::unique_ptr<State> state)
    : NativeWindowsHost(state->windows), state_(std::move(state)) {}

SdlHost::~SdlHost() {
  state_.reset();  // the windows go before the video subsystem
  SDL_Quit();
  ReportXErrorsTo(nullptr);
}

win::Size SdlHost::ScreenSize() {
  return state_->windows.Unscaled(DesktopSize());
}

std::int64_t SdlHost::NowMs() {
  return static_cast<std::int64_t>(SDL_GetTicks64());
}

void SdlHost::PumpInput() {
  if (state_->waited) {
    const SDL_Event event = *state_->waited;
    state_->waited.reset();
    state_->router.Route(event);
  }
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) state_->router.Route(event);
  state_->router.EndPass();
}

void SdlHost::WaitForInput(std::optional<std::int64_t> deadlineMs) {
  if (state_->waited) return;
  const int timeout = TimeoutUntil(deadlineMs, NowMs());
  if (timeout == 0) return;
  SDL_Event event;
  if (SDL_WaitEventTimeout(&event, timeout) != 0) state_->waited = event;
}

}  // namespace sdlhost
