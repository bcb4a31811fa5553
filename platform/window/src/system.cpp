// The module-wide state, the host in use and the helpers shared by the window system's files.

#include "system.h"

#include <cstdio>
#include <string>

namespace win {
namespace {

// Without a host: a screen of the classic size, a clock that stands still, no input.
class BuiltInHost final : public Host {
 public:
  Size ScreenSize() override { return {1024, 768}; }
  std::int64_t NowMs() override { return 0; }
  void PumpInput() override {}
  void WaitForInput(std::optional<std::int64_t> /*deadlineMs*/) override {}
};

BuiltInHost builtInHost;
Host* host = nullptr;
detail::WindowSystem state;

}  // namespace

void SetHost(Host* newHost) {
  host = newHost;
}

Host& CurrentHost() {
  return host != nullptr ? *host : builtInHost;
}

void ResetWindowSystem() {
  state = detail::WindowSystem{};
}

namespace detail {

WindowSystem& Sys() {
  return state;
}

WindowRec* FindWindow(WindowId window) {
  const auto found = state.windows.find(window);
  return found == state.windows.end() ? nullptr : &found->second;
}

MenuRec* FindMenu(MenuId menu) {
  if (menu < 1 || static_cast<std::size_t>(menu) > state.menus.size()) return nullptr;
  return &state.menus[static_cast<std::size_t>(menu) - 1];
}

std::intptr_t SendMessage(WindowId window, Msg msg, std::uintptr_t wParam, std::intptr_t lParam) {
  const WindowRec* rec = FindWindow(window);
  if (rec == nullptr) return 0;
  // The procedure may create or destroy windows, so no reference into the state outlives this.
  const WindowProc proc = rec->proc;
  return proc(window, msg, wParam, lParam);
}

void Complain(std::string_view what) {
  std::fprintf(stderr, "window system: %.*s\n", static_cast<int>(what.size()), what.data());
}

std::intptr_t PackPoint(int low, int high) {
  const auto lo = static_cast<std::uint32_t>(static_cast<std::uint16_t>(low));
  const auto hi = static_cast<std::uint32_t>(static_cast<std::uint16_t>(high));
  return static_cast<std::intptr_t>(lo | (hi << 16));
}

}  // namespace detail
}  // namespace win
