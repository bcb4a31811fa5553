#pragma once
// The headless host: windows in memory, a virtual clock that moves only when told, and a hook
// that supplies the next scripted step of input when the program waits for it. A program that
// keeps running without waiting (playing a script back) is handed the next step after a set
// number of pump passes instead, as a person's input reaches a busy program on the desktop.
//
// Implements: ScreenSize (1024 x 768 unless told), NowMs (virtual), PumpInput (the hook after
// every so many passes without a wait), WaitForInput (the hook), WindowCreated (remembers the
// first window), ShowsWindows (false: nothing is composed to be presented).

#include <cstdint>
#include <functional>
#include <utility>

#include "win/host.h"

namespace headless {

class HeadlessHost final : public win::Host {
 public:
  // Pump passes a program may make without waiting before it is handed the next step anyway.
  static constexpr int DefaultBusyPassesPerStep = 1000;

  explicit HeadlessHost(win::Size screen = {1024, 768});

  // Called whenever the program is due its next input: it feeds one step through the Input*
  // calls of win/host.h (or moves the clock). None: the program gets no input.
  void SetStepHook(std::function<void()> nextStep) { nextStep_ = std::move(nextStep); }
  // Counts from 0 again.
  void SetBusyPassesPerStep(int passes) {
    busyPassesPerStep_ = passes;
    busyPasses_ = 0;
  }
  void AdvanceClock(std::int64_t ms) { now_ += ms; }
  // The first window created: a kit's graphics window.
  win::WindowId FirstWindow() const { return firstWindow_; }

  // ---- win::Host ----------------------------------------------------------------------------
  win::Size ScreenSize() override { return screen_; }
  std::int64_t NowMs() override { return now_; }
  void PumpInput() override;
  void WaitForInput(std::optional<std::int64_t> deadlineMs) override;
  pz417::Status WindowCreated(win::WindowId window) override;
  // Its windows are looked at only when asked for (ComposeWindow), never presented.
  bool ShowsWindows() override { return false; }

 private:
  void NextStep();

  win::Size screen_;
  std::int64_t now_ = 0;
  std::function<void()> nextStep_;
  int busyPassesPerStep_ = DefaultBusyPassesPerStep;
  int busyPasses_ = 0;
  win::WindowId firstWindow_ = 0;
};

}  // namespace headless
