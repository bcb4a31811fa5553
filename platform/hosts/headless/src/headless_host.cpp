// The headless host: a scenario of queued steps, run one per wait, on a virtual clock.

#include "headless/headless_host.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "raster/png.h"

namespace headless {
namespace {

// Punctuation keys of the US layout: the character alone and with Shift, and the key.
struct PunctuationKey {
  char plain;
  char shifted;
  int virtualKey;
};
constexpr std::array<PunctuationKey, 11> PunctuationKeys = {{
    {';', ':', win::vk::Oem1},
    {'=', '+', win::vk::OemPlus},
    {',', '<', win::vk::OemComma},
    {'-', '_', win::vk::OemMinus},
    {'.', '>', win::vk::OemPeriod},
    {'/', '?', win::vk::Oem2},
    {'`', '~', win::vk::Oem3},
    {'[', '{', win::vk::Oem4},
    {'\\', '|', win::vk::Oem5},
    {']', '}', win::vk::Oem6},
    {'\'', '"', win::vk::Oem7},
}};
constexpr std::string_view ShiftedDigits = ")!@#$%^&*(";

int PunctuationKeyOf(char c) {
  for (const auto& key : PunctuationKeys) {
    if (key.plain == c || key.shifted == c) return key.virtualKey;
  }
  const auto digit = ShiftedDigits.find(c);
  return digit == std::string_view::npos ? 0 : '0' + static_cast<int>(digit);
}

// The key that types `c` on the classic desktop, or 0 for a character without a key.
int KeyOf(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  switch (c) {
    case ' ':
      return win::vk::Space;
    case '\n':
    case '\r':
      return win::vk::Return;
    case '\t':
      return win::vk::Tab;
    case '\b':
      return win::vk::Back;
    case '\x1b':
      return win::vk::Escape;
    default:
      return PunctuationKeyOf(c);
  }
}

void TypeCharacter(char c) {
  const int key = KeyOf(c);
  const int character = c == '\n' ? '\r' : static_cast<unsigned char>(c);
  if (key == 0) {
    win::InputChar(character);
    return;
  }
  win::InputKeyDown(key, character);
  win::InputKeyUp(key);
}

// A press and a release at the box's centre.
void ClickCentre(win::WindowId window, const raster::Rect& box) {
  const int x = static_cast<int>(box.left + box.width() / 2);
  const int y = static_cast<int>(box.top + box.height() / 2);
  win::InputPress(window, x, y);
  win::InputRelease(window, x, y);
}

win::MenuId RunMenu(win::WindowId window) {
  return win::GetMenuItem(win::GetMenu(window), 0).popup;
}

// Where the item with this command id sits in the bar's first menu; -1 if nowhere.
int RunMenuPosition(win::WindowId window, int commandId) {
  const win::MenuId menu = RunMenu(window);
  for (int i = 0; i < win::GetMenuItemCount(menu); ++i) {
    const win::MenuItemInfo item = win::GetMenuItem(menu, i);
    if (!item.separator && item.id == commandId) return i;
  }
  return -1;
}

// Why the item with this command id cannot be pressed in the open menu; empty when it can.
std::string WhyNotPressable(win::WindowId window, int commandId, raster::Rect& box) {
  const std::string entry = "the Run menu entry with command id " + std::to_string(commandId);
  if (!win::IsMenuOpen(window)) return "the Run menu did not open";
  const int position = RunMenuPosition(window, commandId);
  if (position < 0) return entry + " does not exist";
  if (win::GetMenuItem(RunMenu(window), position).grayed) {
    return entry + " is greyed and cannot be chosen";
  }
  box = win::GetDropdownItemRect(window, position);
  return {};
}

}  // namespace

HeadlessHost::HeadlessHost(win::Size screen) : screen_(screen) {}

void HeadlessHost::Queue(std::function<void()> action, std::size_t times) {
  if (times == 0) return;
  steps_.push_back({std::move(action), times});
  pending_ += times;
}

void HeadlessHost::Press(win::WindowId window, int clientX, int clientY) {
  Queue([window, clientX, clientY] {
    const int barRows = win::GetMenu(window) != 0 ? win::MenuBarHeight : 0;
    win::InputPress(window, clientX, clientY + barRows);
  });
}

void HeadlessHost::PressContent(win::WindowId window, int contentX, int contentY) {
  Queue([=] { win::InputPress(window, contentX, contentY); });
}

void HeadlessHost::MoveContent(win::WindowId window, int contentX, int contentY) {
  Queue([=] { win::InputMouseMove(window, contentX, contentY); });
}

void HeadlessHost::ReleaseContent(win::WindowId window, int contentX, int contentY) {
  Queue([=] { win::InputRelease(window, contentX, contentY); });
}

void HeadlessHost::KeyDown(int virtualKey, int character, bool repeat) {
  Queue([=] { win::InputKeyDown(virtualKey, character, repeat); });
}

void HeadlessHost::KeyUp(int virtualKey) {
  Queue([=] { win::InputKeyUp(virtualKey); });
}

void HeadlessHost::Type(std::string text) {
  const std::size_t length = text.size();
  Queue([text = std::move(text), next = std::size_t{0}]() mutable { TypeCharacter(text[next++]); },
        length);
}

void HeadlessHost::Close(win::WindowId window) {
  Queue([=] { win::InputClose(window); });
}

void HeadlessHost::Focus(win::WindowId window, bool ctrlHeld) {
  Queue([=] { win::InputFocus(window, ctrlHeld); });
}

void HeadlessHost::Resize(win::WindowId window, int clientWidth, int clientHeight) {
  Queue([=] { win::InputResize(window, clientWidth, clientHeight); });
}

void HeadlessHost::ChooseMenuItem(win::WindowId window, int commandId) {
  Queue([=] { ClickCentre(window, win::GetMenuBarItemRect(window, 0)); });
  Queue([this, window, commandId] {
    raster::Rect box;
    const std::string why = WhyNotPressable(window, commandId, box);
    if (why.empty()) {
      ClickCentre(window, box);
    } else {
      FailStep(why);
    }
  });
}

void HeadlessHost::Tick(int count, int periodMs) {
  Repeat(static_cast<std::size_t>(std::max(count, 0)), [this, periodMs] { now_ += periodMs; });
}

void HeadlessHost::Call(std::function<void()> action) {
  Queue(std::move(action));
}

void HeadlessHost::Repeat(std::size_t times, std::function<void()> action) {
  Queue(std::move(action), times);
}

void HeadlessHost::SetStepSource(std::function<bool()> source) {
  source_ = std::move(source);
}

void HeadlessHost::SetWhenStepFails(std::function<void(const std::string& why)> handler) {
  onStepFailed_ = std::move(handler);
}

// The scenario is dropped only once the step or source that failed has returned.
void HeadlessHost::FailStep(const std::string& why) {
  failed_ = true;
  if (onStepFailed_) onStepFailed_(why);
}

void HeadlessHost::DropScenarioIfFailed() {
  if (!failed_) return;
  steps_.clear();
  pending_ = 0;
  source_ = nullptr;
}

void HeadlessHost::SetWhenDry(std::function<void()> onDry) {
  onDry_ = std::move(onDry);
}

void HeadlessHost::PumpInput() {
  if (++busyPasses_ < busyPassesPerStep_) return;
  busyPasses_ = 0;
  DeliverNext();
}

void HeadlessHost::WaitForInput(std::optional<std::int64_t> /*deadlineMs*/) {
  busyPasses_ = 0;
  DeliverNext();
}

void HeadlessHost::WindowCreated(win::WindowId window) {
  if (firstWindow_ == 0) firstWindow_ = window;
}

void HeadlessHost::DeliverNext() {
  while (steps_.empty() && !failed_ && source_ && source_()) {
  }
  DropScenarioIfFailed();
  if (steps_.empty()) {
    RunDry();
    return;
  }
  RunFrontStep();
  DropScenarioIfFailed();
}

void HeadlessHost::RunFrontStep() {
  --pending_;
  Step& step = steps_.front();
  if (--step.times > 0) {
    step.action();  // may queue more steps; a deque keeps `step` where it is
    return;
  }
  const std::function<void()> action = std::move(step.action);
  steps_.pop_front();
  action();
}

void HeadlessHost::RunDry() {
  if (!ranDry_ && onDry_) onDry_();
  ranDry_ = true;
  // With the graphics window gone there is nothing left to close: a program still waiting
  // is asked to quit, so a scenario always ends.
  if (win::IsWindow(firstWindow_)) {
    win::InputClose(firstWindow_);
  } else {
    win::PostQuitMessage(0);
  }
}

pz417::Status SaveWindowPng(win::WindowId window, const std::string& path) {
  if (!win::IsWindow(window)) return pz417::Failure("no window " + std::to_string(window));
  return raster::WritePng(win::ComposeWindow(window), path);
}

pz417::Status SaveClientPng(win::WindowId window, const std::string& path) {
  if (!win::IsWindow(window)) return pz417::Failure("no window " + std::to_string(window));
  return raster::WritePng(win::ClientPixels(window), path);
}

}  // namespace headless
