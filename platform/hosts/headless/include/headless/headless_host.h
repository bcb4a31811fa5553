#pragma once
// The headless host: windows in memory, a virtual clock that moves only when told, and input
// that tests and tools queue up. Queued input is handed to the window system only when the
// program waits for input, so a scenario runs in order and deterministically.
//
// Implements: ScreenSize (1024 x 768 unless told), NowMs (virtual), PumpInput (nothing: input
// is injected on wait), WaitForInput (injects the next queued step or reports running dry).

#include <deque>
#include <functional>
#include <string>

#include "raster/bitmap.h"
#include "win/host.h"

namespace headless {

class HeadlessHost final : public win::Host {
 public:
  // What to do when the program waits and no queued input is left.
  enum class WhenDry {
    CloseGraphicsWindow,  // press the close button of the first window created, as a user would
    Fail,                 // call the dry handler (a test's failure) and then close
  };

  explicit HeadlessHost(win::Size screen = {1024, 768});

  // ---- the scenario: each call queues one step, run when the program next waits ------------
  void Press(win::WindowId window, int clientX, int clientY);  // at a client pixel
  void PressContent(win::WindowId window, int contentX, int contentY);  // menu bar rows included
  void KeyDown(int virtualKey, int character = -1);
  void KeyUp(int virtualKey);
  // Key down, character, key up for each character (letters by their upper-case key).
  void Type(std::string_view text);
  void Close(win::WindowId window);
  void Focus(win::WindowId window, bool ctrlHeld = false);
  void Resize(win::WindowId window, int clientWidth, int clientHeight);
  // Opens the menu bar's first menu with a press and presses the item with this command id.
  void ChooseMenuItem(win::WindowId window, int commandId);
  // Lets `count` timer periods of `periodMs` pass, one per wait.
  void Tick(int count = 1, int periodMs = 100);
  // Runs `action` at that point of the scenario (for snapshots and checks).
  void Call(std::function<void()> action);

  void SetWhenDry(WhenDry mode, std::function<void()> onDry = {});
  bool RanDry() const { return ranDry_; }
  std::size_t PendingSteps() const { return steps_.size(); }

  // ---- win::Host ----------------------------------------------------------------------------
  win::Size ScreenSize() override { return screen_; }
  std::int64_t NowMs() override { return now_; }
  void PumpInput() override {}
  void WaitForInput(std::optional<std::int64_t> deadlineMs) override;
  void WindowCreated(win::WindowId window) override;

  // The first window created: the kit's graphics window.
  win::WindowId FirstWindow() const { return firstWindow_; }

 private:
  using Step = std::function<void()>;
  void RunNextStep();

  win::Size screen_;
  std::int64_t now_ = 0;
  std::deque<Step> steps_;
  WhenDry whenDry_ = WhenDry::CloseGraphicsWindow;
  std::function<void()> onDry_;
  bool ranDry_ = false;
  win::WindowId firstWindow_ = 0;
};

// Saves a window's composed pixels (menu bar, client area, open dropdown) or its client area.
bool SaveWindowPng(win::WindowId window, const std::string& path, std::string* error);
bool SaveClientPng(win::WindowId window, const std::string& path, std::string* error);

}  // namespace headless
