// The headless host: a scenario of queued steps, run one per wait, on a virtual clock.

#include "headless/headless_host.h"

#include <array>
#include <cstdio>
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
    {';', ':', 0xBA},
    {'=', '+', 0xBB},
    {',', '<', 0xBC},
    {'-', '_', 0xBD},
    {'.', '>', 0xBE},
    {'/', '?', 0xBF},
    {'`', '~', 0xC0},
    {'[', '{', 0xDB},
    {'\\', '|', 0xDC},
    {']', '}', 0xDD},
    {'\'', '"', 0xDE},
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

void PressCentre(win::WindowId window, const raster::Rect& box) {
  win::InputPress(window, static_cast<int>(box.left + box.width() / 2),
                  static_cast<int>(box.top + box.height() / 2));
}

// Where the item with this command id sits in the bar's first menu; -1 if nowhere.
int RunMenuPosition(win::WindowId window, int commandId) {
  const win::MenuId menu = win::GetMenuItem(win::GetMenu(window), 0).popup;
  for (int i = 0; i < win::GetMenuItemCount(menu); ++i) {
    const win::MenuItemInfo item = win::GetMenuItem(menu, i);
    if (!item.separator && item.id == commandId) return i;
  }
  return -1;
}

void PressMenuItem(win::WindowId window, int commandId) {
  const raster::Rect box = win::GetDropdownItemRect(window, RunMenuPosition(window, commandId));
  if (box.empty()) {
    std::fprintf(stderr, "headless host: no open menu item with command id %d\n", commandId);
    return;
  }
  PressCentre(window, box);
}

bool Fail(std::string* error, const std::string& why) {
  if (error != nullptr) *error = why;
  return false;
}

}  // namespace

HeadlessHost::HeadlessHost(win::Size screen) : screen_(screen) {}

void HeadlessHost::Press(win::WindowId window, int clientX, int clientY) {
  steps_.emplace_back([window, clientX, clientY] {
    const int barRows = win::GetMenu(window) != 0 ? win::MenuBarHeight : 0;
    win::InputPress(window, clientX, clientY + barRows);
  });
}

void HeadlessHost::PressContent(win::WindowId window, int contentX, int contentY) {
  steps_.emplace_back([=] { win::InputPress(window, contentX, contentY); });
}

void HeadlessHost::KeyDown(int virtualKey, int character) {
  steps_.emplace_back([=] { win::InputKeyDown(virtualKey, character); });
}

void HeadlessHost::KeyUp(int virtualKey) {
  steps_.emplace_back([=] { win::InputKeyUp(virtualKey); });
}

void HeadlessHost::Type(std::string_view text) {
  for (const char c : text) steps_.emplace_back([c] { TypeCharacter(c); });
}

void HeadlessHost::Close(win::WindowId window) {
  steps_.emplace_back([=] { win::InputClose(window); });
}

void HeadlessHost::Focus(win::WindowId window, bool ctrlHeld) {
  steps_.emplace_back([=] { win::InputFocus(window, ctrlHeld); });
}

void HeadlessHost::Resize(win::WindowId window, int clientWidth, int clientHeight) {
  steps_.emplace_back([=] { win::InputResize(window, clientWidth, clientHeight); });
}

void HeadlessHost::ChooseMenuItem(win::WindowId window, int commandId) {
  steps_.emplace_back([=] { PressCentre(window, win::GetMenuBarItemRect(window, 0)); });
  steps_.emplace_back([=] { PressMenuItem(window, commandId); });
}

void HeadlessHost::Tick(int count, int periodMs) {
  for (int i = 0; i < count; ++i) steps_.emplace_back([this, periodMs] { now_ += periodMs; });
}

void HeadlessHost::Call(std::function<void()> action) {
  steps_.push_back(std::move(action));
}

void HeadlessHost::SetWhenDry(WhenDry mode, std::function<void()> onDry) {
  whenDry_ = mode;
  onDry_ = std::move(onDry);
}

void HeadlessHost::WaitForInput(std::optional<std::int64_t> /*deadlineMs*/) {
  if (!steps_.empty()) {
    RunNextStep();
    return;
  }
  if (whenDry_ == WhenDry::Fail && !ranDry_ && onDry_) onDry_();
  ranDry_ = true;
  // With the graphics window gone there is nothing left to close: a program still waiting
  // is asked to quit, so a scenario always ends.
  if (win::IsWindow(firstWindow_)) {
    win::InputClose(firstWindow_);
  } else {
    win::PostQuitMessage(0);
  }
}

void HeadlessHost::WindowCreated(win::WindowId window) {
  if (firstWindow_ == 0) firstWindow_ = window;
}

void HeadlessHost::RunNextStep() {
  Step step = std::move(steps_.front());
  steps_.pop_front();
  step();
}

bool SaveWindowPng(win::WindowId window, const std::string& path, std::string* error) {
  if (!win::IsWindow(window)) return Fail(error, "no window " + std::to_string(window));
  return raster::WritePng(win::ComposeWindow(window), path, error);
}

bool SaveClientPng(win::WindowId window, const std::string& path, std::string* error) {
  if (!win::IsWindow(window)) return Fail(error, "no window " + std::to_string(window));
  return raster::WritePng(win::ClientPixels(window), path, error);
}

}  // namespace headless
