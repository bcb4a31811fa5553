#pragma once
// The headless host: windows in memory, a virtual clock that moves only when told, and input
// that tests and tools queue up. Queued input is handed to the window system one step at a time,
// when the program waits for input, so a scenario runs in order and deterministically. A program
// that keeps running without waiting (playing a script back) is handed the next step after a set
// number of pump passes instead, as a person's input reaches a busy program on the desktop.
//
// Implements: ScreenSize (1024 x 768 unless told), NowMs (virtual), PumpInput (a step after
// every so many passes without a wait), WaitForInput (the next step, or running dry),
// ShowsWindows (false: nothing is composed to be presented).

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

#include "pz417/status.h"
#include "raster/bitmap.h"
#include "win/host.h"

namespace headless {

class HeadlessHost final : public win::Host {
 public:
  // Pump passes a program may make without waiting before it is handed the next step anyway.
  static constexpr int DefaultBusyPassesPerStep = 1000;

  explicit HeadlessHost(win::Size screen = {1024, 768});

  // ---- the scenario: each call queues its steps, one run at each wait of the program --------
  void Press(win::WindowId window, int clientX, int clientY);           // at a client pixel
  void PressContent(win::WindowId window, int contentX, int contentY);  // menu bar rows included
  // The mouse moved to, or the left button came up at, a content pixel.
  void MoveContent(win::WindowId window, int contentX, int contentY);
  void ReleaseContent(win::WindowId window, int contentX, int contentY);
  // `repeat`: a key-down that auto-repeat sends while the key is held.
  void KeyDown(int virtualKey, int character = -1, bool repeat = false);
  void KeyUp(int virtualKey);
  // Key down, character, key up for each character (letters by their upper-case key), one
  // character per step.
  void Type(std::string text);
  void Close(win::WindowId window);
  void Focus(win::WindowId window, bool ctrlHeld = false);
  void Resize(win::WindowId window, int clientWidth, int clientHeight);
  // Opens the menu bar's first menu with a click, then clicks the item with this command id;
  // an item that is greyed or missing fails the step.
  void ChooseMenuItem(win::WindowId window, int commandId);
  // Lets `count` timer periods of `periodMs` pass, one per step.
  void Tick(int count = 1, int periodMs = 100);
  // Runs `action` at that point of the scenario (for snapshots and checks).
  void Call(std::function<void()> action);
  // Runs `action` `times` times, one per step, without holding `times` steps.
  void Repeat(std::size_t times, std::function<void()> action);

  // Called when no step is queued and one is needed: it queues the steps of what comes next, or
  // returns false when nothing does. So a long scenario never has to be held whole.
  void SetStepSource(std::function<bool()> source);
  // A step that cannot be carried out ends the scenario: the handler (if any) hears why, the
  // steps still queued and the source are dropped, and the host runs dry. Steps and sources call
  // FailStep.
  void SetWhenStepFails(std::function<void(const std::string& why)> handler);
  void FailStep(const std::string& why);
  // Called once, when the scenario first runs dry, before the host closes the graphics window.
  void SetWhenDry(std::function<void()> onDry);
  // Counts from 0 again.
  void SetBusyPassesPerStep(int passes) {
    busyPassesPerStep_ = passes;
    busyPasses_ = 0;
  }

  bool RanDry() const { return ranDry_; }
  // Step deliveries still queued (a tick of 3 counts 3); what the source would add is not known.
  std::size_t PendingSteps() const { return pending_; }

  // ---- win::Host ----------------------------------------------------------------------------
  win::Size ScreenSize() override { return screen_; }
  std::int64_t NowMs() override { return now_; }
  void PumpInput() override;
  void WaitForInput(std::optional<std::int64_t> deadlineMs) override;
  void WindowCreated(win::WindowId window) override;
  // Its windows are looked at only when asked for (ComposeWindow), never presented.
  bool ShowsWindows() override { return false; }

  // The first window created: the kit's graphics window.
  win::WindowId FirstWindow() const { return firstWindow_; }

 private:
  struct Step {
    std::function<void()> action;
    std::size_t times = 1;
  };
  void Queue(std::function<void()> action, std::size_t times = 1);
  void DeliverNext();
  void RunFrontStep();
  void DropScenarioIfFailed();
  void RunDry();

  win::Size screen_;
  std::int64_t now_ = 0;
  std::deque<Step> steps_;
  std::size_t pending_ = 0;
  std::function<bool()> source_;
  std::function<void(const std::string&)> onStepFailed_;
  std::function<void()> onDry_;
  bool failed_ = false;
  bool ranDry_ = false;
  int busyPassesPerStep_ = DefaultBusyPassesPerStep;
  int busyPasses_ = 0;
  win::WindowId firstWindow_ = 0;
};

// Saves a window's composed pixels (menu bar, client area, open dropdown) or its client area.
pz417::Status SaveWindowPng(win::WindowId window, const std::string& path);
pz417::Status SaveClientPng(win::WindowId window, const std::string& path);

}  // namespace headless
