#include "web_host/web_host.h"

#include <emscripten.h>

#include <cmath>

#include "page.h"
#include "page_input.h"
#include "page_windows.h"

namespace webhost {

struct WebHost::State {
  PageWindows windows;
  std::function<void()> idleHook;
};

pz417::Result<std::unique_ptr<WebHost>> WebHost::Open() {
  const int scale = pz417_page_init();
  if (scale <= 0) return pz417::Failure("the page has no place for windows (#pz417-desktop)");
  auto host = std::unique_ptr<WebHost>(new WebHost(std::make_unique<State>()));
  host->SetScale(scale);
  return host;
}

WebHost::WebHost(std::unique_ptr<State> state)
    : NativeWindowsHost(state->windows), state_(std::move(state)) {}

WebHost::~WebHost() = default;

win::Size WebHost::ScreenSize() {
  int size[2] = {0, 0};
  pz417_page_screen_size(size);
  return {size[0], size[1]};
}

std::int64_t WebHost::NowMs() {
  return static_cast<std::int64_t>(std::floor(emscripten_get_now()));
}

void WebHost::PumpInput() {
  PageRecord record{};
  int numbers[4];
  while (pz417_page_next_input(numbers, record.code, record.key, PageTextSize) != 0) {
    record.kind = static_cast<PageInput>(numbers[0]);
    record.window = numbers[1];
    record.a = numbers[2];
    record.b = numbers[3];
    RouteInput(record);
  }
  state_->windows.ShowFocus(win::FocusedWindow());
}

void WebHost::WaitForInput(std::optional<std::int64_t> deadlineMs) {
  if (state_->idleHook) state_->idleHook();
  state_->windows.ShowFocus(win::FocusedWindow());
  pz417_page_wait(deadlineMs ? static_cast<double>(*deadlineMs) : -1.0);
}

void WebHost::SetIdleHook(std::function<void()> hook) {
  state_->idleHook = std::move(hook);
}

}  // namespace webhost
