#include "window_test_util.h"

#include <algorithm>

namespace window_test {

std::vector<win::Message>& Received() {
  static std::vector<win::Message> received;
  return received;
}

std::intptr_t RecordingProc(win::WindowId window, win::Msg msg, std::uintptr_t wParam,
                            std::intptr_t lParam) {
  Received().push_back({window, msg, wParam, lParam});
  switch (msg) {
    case win::Msg::Paint:
    case win::Msg::Close:
    case win::Msg::SysKeyDown:
    case win::Msg::SysKeyUp:
    case win::Msg::SysChar:
      return win::DefWindowProc(window, msg, wParam, lParam);
    default:
      return 0;
  }
}

namespace {

struct MenuEntry {
  unsigned flags;
  int id;
  const char* text;
};

constexpr MenuEntry RunMenuEntries[] = {
    {win::mf::String, 1, "&Animate\tCtrl+A"},
    {win::mf::String, 2, "&Halt animation\tCtrl+H"},
    {win::mf::String, 3, "Advance one &frame\tCtrl+F"},
    {win::mf::Separator, 0, ""},
    {win::mf::Checked, 4, "&Logging\tCtrl+L"},
    {win::mf::Separator, 0, ""},
    {win::mf::String, 5, "&Record Script\tCtrl+R"},
    {win::mf::String, 6, "&Playback Script\tCtrl+P"},
    {win::mf::String, 7, "Play &One Script\tCtrl+O"},
    {win::mf::Separator, 0, ""},
    {win::mf::String, 8, "&Quit\tCtrl+Q"},
    {win::mf::Separator, 0, ""},
    {win::mf::Grayed, 9, "PZ417 v2.2 July 1997"},
    {win::mf::Grayed, 9, "MAC: mac@pz417.example"},
    {win::mf::Grayed, 9, "WINDOWS: windows@pz417.example"},
    {win::mf::Grayed, 9, "UPDATES: updates@pz417.example"},
};

void ExpectDone(const pz417::Status& status) {
  EXPECT_TRUE(status) << status.error();
}

}  // namespace

win::MenuId BuildRunMenu(win::WindowId window) {
  const win::MenuId bar = win::CreateMenu();
  const win::MenuId run = win::CreatePopupMenu();
  for (const MenuEntry& entry : RunMenuEntries) {
    ExpectDone(win::AppendMenu(run, entry.flags, entry.id, entry.text));
  }
  ExpectDone(win::AppendMenu(bar, win::mf::Popup, run, "&Run"));
  ExpectDone(win::SetMenu(window, bar));
  win::DrawMenuBar(window);
  return run;
}

void WindowSystemTest::SetUp() {
  system.emplace(SystemHost());
  Received().clear();
  const pz417::Status registered = win::RegisterClass("Test", RecordingProc, Background);
  ASSERT_TRUE(registered) << registered.error();
}

void WindowSystemTest::TearDown() {
  system.reset();
}

win::WindowId WindowSystemTest::MakeWindow(win::Style style, int width, int height) {
  const win::WindowId window =
      win::CreateWindow("Test", "Test", style, 0, 0, width, height).value_or(0);
  win::ShowWindow(window, true);
  Drain();
  ReceivedOf({});
  return window;
}

win::WindowId WindowSystemTest::MakeGraphicsWindow() {
  const win::WindowId window =
      win::CreateWindow("Test", "Graphics", win::Style::Caption, 0, 0, 601, 540).value_or(0);
  BuildRunMenu(window);
  win::ShowWindow(window, true);
  Drain();
  ReceivedOf({});
  return window;
}

std::optional<win::Message> WindowSystemTest::Step() {
  win::Message message;
  if (!win::PeekMessage(message)) return std::nullopt;
  win::TranslateMessage(message);
  win::DispatchMessage(message);
  return message;
}

std::vector<win::Message> WindowSystemTest::Drain() {
  std::vector<win::Message> taken;
  // Bounded, so a queue that never empties fails the test instead of hanging it.
  for (int i = 0; i < 1000; ++i) {
    const auto message = Step();
    if (!message) return taken;
    taken.push_back(*message);
  }
  ADD_FAILURE() << "the queue never emptied";
  return taken;
}

std::vector<win::Message> WindowSystemTest::ReceivedOf(std::initializer_list<win::Msg> kinds) {
  std::vector<win::Message> out;
  const auto& all = Received();
  for (std::size_t i = seen_; i < all.size(); ++i) {
    if (std::find(kinds.begin(), kinds.end(), all[i].msg) != kinds.end()) out.push_back(all[i]);
  }
  seen_ = all.size();
  return out;
}

std::string Describe(const win::Message& m) {
  static const char* const names[] = {"Create",    "Size",     "Paint", "Timer",      "LButtonDown",
                                      "Char",      "KeyDown",  "KeyUp", "SysKeyDown", "SysKeyUp",
                                      "SysChar",   "Command",  "Close", "Destroy",    "Quit",
                                      "MouseMove", "LButtonUp"};
  std::string text = names[static_cast<int>(m.msg)];
  switch (m.msg) {
    case win::Msg::Paint:
    case win::Msg::Close:
    case win::Msg::Create:
    case win::Msg::Destroy:
      return text;
    case win::Msg::LButtonDown:
    case win::Msg::Size:
      return text + " " + std::to_string(m.lParam & 0xFFFF) + "," +
             std::to_string((m.lParam >> 16) & 0xFFFF);
    default:
      return text + " " + std::to_string(m.wParam);
  }
}

std::vector<std::string> Describe(const std::vector<win::Message>& messages) {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(Describe(m));
  return out;
}

}  // namespace window_test
