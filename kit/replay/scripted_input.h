#pragma once
// Input as a script gives it: a queue of steps played into the headless host one at a time, each
// when the program is due its next input, so that a scenario runs in order and deterministically.
// When nothing is queued a step source (if any) is asked for what comes next, so a long scenario
// is never held whole. When the steps run out, the graphics window is closed, as a user would.

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

#include "headless/headless_host.h"
#include "pz417/status.h"
#include "win/window.h"

namespace replay {

class ScriptedInput {
 public:
  // Feeds `host` from now on; the host must outlive it.
  explicit ScriptedInput(headless::HeadlessHost& host);
  ~ScriptedInput();
  ScriptedInput(const ScriptedInput&) = delete;
  ScriptedInput& operator=(const ScriptedInput&) = delete;

  // ---- each call queues its steps ------------------------------------------------------------
  void Press(win::WindowId window, int clientX, int clientY);           // at a client pixel
  void PressContent(win::WindowId window, int contentX, int contentY);  // menu bar rows included
  // The mouse moved to, or the left button came up at, a content pixel.
  void MoveContent(win::WindowId window, int contentX, int contentY);
  void ReleaseContent(win::WindowId window, int contentX, int contentY);
  // `repeat`: a key-down that auto-repeat sends while the key is held.
  void KeyDown(int virtualKey, int character = -1, bool repeat = false);
  void KeyUp(int virtualKey);
  // Key down, character, key up for each character, one character per step.
  void Type(std::string text);
  void Close(win::WindowId window);
  void Resize(win::WindowId window, int clientWidth, int clientHeight);
  // Opens the menu bar's Run menu with a click, then clicks the entry with this command id;
  // an entry that is greyed or missing fails the step.
  void ChooseMenuItem(win::WindowId window, int commandId);
  // Lets `count` timer periods of `periodMs` pass, one per step.
  void Tick(int count = 1, int periodMs = 100);
  // Runs `action` at that point of the scenario.
  void Call(std::function<void()> action);
  // The same for an action that can fail: its failure ends the scenario.
  void Attempt(std::function<pz417::Status()> action);
  // Runs `action` `times` times, one per step, without holding `times` steps.
  void Repeat(std::size_t times, std::function<void()> action);

  // Called when no step is queued and one is needed: it queues the steps of what comes next and
  // says true, or says false when nothing comes; a failure ends the scenario.
  void SetStepSource(std::function<pz417::Result<bool>()> source);
  // Called once, when the scenario first runs dry, before the graphics window is closed.
  void SetWhenDry(std::function<void()> onDry);

  // The first failure of a step or of the source, after which the scenario ran dry: its steps
  // were dropped and the source was asked no more.
  const pz417::Status& Failure() const { return failure_; }
  bool RanDry() const { return ranDry_; }
  // Step deliveries still queued (a tick of 3 counts 3); what the source would add is not known.
  std::size_t Pending() const { return pending_; }

 private:
  struct Step {
    std::function<pz417::Status()> action;
    std::size_t times = 1;
  };
  void Queue(std::function<pz417::Status()> action, std::size_t times = 1);
  void DeliverNext();
  bool AskSource();
  void RunFrontStep();
  void Fail(pz417::Status failure);
  void RunDry();

  headless::HeadlessHost& host_;
  std::deque<Step> steps_;
  std::size_t pending_ = 0;
  std::function<pz417::Result<bool>()> source_;
  std::function<void()> onDry_;
  pz417::Status failure_;
  bool ranDry_ = false;
};

}  // namespace replay
