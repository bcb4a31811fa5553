// The window system's life, the host it runs on and the helpers shared by its files.

#include "system.h"

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
Host* chosenHost = nullptr;
detail::SystemState* liveSystem = nullptr;

detail::SystemState& NoSystemState() {
  static detail::SystemState empty = [] {
    detail::SystemState state;
    state.host = &builtInHost;
    return state;
  }();
  return empty;
}

}  // namespace

void SetHost(Host* host) {
  chosenHost = host;
}

WindowSystem::WindowSystem() : WindowSystem(chosenHost != nullptr ? *chosenHost : builtInHost) {}

WindowSystem::WindowSystem(Host& host)
    : state_(std::make_unique<detail::SystemState>()), previous_(liveSystem) {
  state_->host = &host;
  liveSystem = state_.get();
}

WindowSystem::~WindowSystem() {
  if (liveSystem == state_.get()) liveSystem = previous_;
  for (const auto& [window, rec] : state_->windows) state_->host->WindowDestroyed(window);
}

namespace detail {

SystemState& Sys() {
  return liveSystem != nullptr ? *liveSystem : NoSystemState();
}

bool SystemLives() {
  return liveSystem != nullptr;
}

Host& CurrentHost() {
  return *Sys().host;
}

WindowRec* FindWindow(WindowId window) {
  auto& windows = Sys().windows;
  const auto found = windows.find(window);
  return found == windows.end() ? nullptr : &found->second;
}

MenuRec* FindMenu(MenuId menu) {
  auto& menus = Sys().menus;
  if (menu < 1 || static_cast<std::size_t>(menu) > menus.size()) return nullptr;
  return &menus[static_cast<std::size_t>(menu) - 1];
}

std::intptr_t SendMessage(WindowId window, Msg msg, std::uintptr_t wParam, std::intptr_t lParam) {
  const WindowRec* rec = FindWindow(window);
  if (rec == nullptr) return 0;
  // The procedure may create or destroy windows, so no reference into the state outlives this.
  const WindowProc proc = rec->proc;
  return proc(window, msg, wParam, lParam);
}

pz417::Status NoSystem(std::string_view call) {
  return pz417::Failure(std::string(call) + ": no window system is running");
}

std::intptr_t PackPoint(int low, int high) {
  const auto lo = static_cast<std::uint32_t>(static_cast<std::uint16_t>(low));
  const auto hi = static_cast<std::uint32_t>(static_cast<std::uint16_t>(high));
  return static_cast<std::intptr_t>(lo | (hi << 16));
}

}  // namespace detail
}  // namespace win
