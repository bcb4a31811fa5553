// Scripted input: queued steps played into the headless host, one per wait of the program.

#include "scripted_input.h"

#include <algorithm>
#include <utility>

#include "menu_choice.h"
#include "typing.h"
#include "win/host.h"

namespace replay {
namespace {

pz417::Status Done(const std::function<void()>& action) {
  action();
  return {};
}

}  // namespace

ScriptedInput::ScriptedInput(headless::HeadlessHost& host) : host_(host) {
  host_.SetStepHook([this] { DeliverNext(); });
}

ScriptedInput::~ScriptedInput() {
  host_.SetStepHook(nullptr);
}

void ScriptedInput::Queue(std::function<pz417::Status()> action, std::size_t times) {
  if (times == 0) return;
  steps_.push_back({std::move(action), times});
  pending_ += times;
}

void ScriptedInput::Press(win::WindowId window, int clientX, int clientY) {
  Call([window, clientX, clientY] {
    win::InputPress(window, clientX, clientY + win::MenuBarRows(window));
  });
}

void ScriptedInput::PressContent(win::WindowId window, int contentX, int contentY) {
  Call([=] { win::InputPress(window, contentX, contentY); });
}

void ScriptedInput::MoveContent(win::WindowId window, int contentX, int contentY) {
  Call([=] { win::InputMouseMove(window, contentX, contentY); });
}

void ScriptedInput::ReleaseContent(win::WindowId window, int contentX, int contentY) {
  Call([=] { win::InputRelease(window, contentX, contentY); });
}

void ScriptedInput::KeyDown(int virtualKey, int character, bool repeat) {
  Call([=] { win::InputKeyDown(virtualKey, character, repeat); });
}

void ScriptedInput::KeyUp(int virtualKey) {
  Call([=] { win::InputKeyUp(virtualKey); });
}

void ScriptedInput::Type(std::string text) {
  const std::size_t length = text.size();
  Repeat(length, [text = std::move(text), next = std::size_t{0}]() mutable {
    TypeCharacter(text[next++]);
  });
}

void ScriptedInput::Close(win::WindowId window) {
  Call([=] { win::InputClose(window); });
}

void ScriptedInput::Resize(win::WindowId window, int clientWidth, int clientHeight) {
  Call([=] { win::InputResize(window, clientWidth, clientHeight); });
}

void ScriptedInput::ChooseMenuItem(win::WindowId window, int commandId) {
  Call([window] { ClickRunMenu(window); });
  Attempt([window, commandId] { return ClickRunMenuEntry(window, commandId); });
}

void ScriptedInput::Tick(int count, int periodMs) {
  Repeat(static_cast<std::size_t>(std::max(count, 0)),
         [this, periodMs] { host_.AdvanceClock(periodMs); });
}

void ScriptedInput::Attempt(std::function<pz417::Status()> action) {
  Queue(std::move(action));
}

void ScriptedInput::Call(std::function<void()> action) {
  Queue([action = std::move(action)] { return Done(action); });
}

void ScriptedInput::Repeat(std::size_t times, std::function<void()> action) {
  Queue([action = std::move(action)] { return Done(action); }, times);
}

void ScriptedInput::SetStepSource(std::function<pz417::Result<bool>()> source) {
  source_ = std::move(source);
}

void ScriptedInput::SetWhenDry(std::function<void()> onDry) {
  onDry_ = std::move(onDry);
}

void ScriptedInput::DeliverNext() {
  while (steps_.empty() && AskSource()) {
  }
  if (steps_.empty()) {
    RunDry();
    return;
  }
  RunFrontStep();
}

// Whether the source queued what comes next.
bool ScriptedInput::AskSource() {
  if (!failure_ || !source_) return false;
  const pz417::Result<bool> asked = source_();
  if (!asked) Fail(asked.status());
  return asked && *asked;
}

void ScriptedInput::RunFrontStep() {
  --pending_;
  Step& step = steps_.front();
  pz417::Status done;
  if (--step.times > 0) {
    done = step.action();  // may queue more steps; a deque keeps `step` where it is
  } else {
    const std::function<pz417::Status()> action = std::move(step.action);
    steps_.pop_front();
    done = action();
  }
  if (!done) Fail(std::move(done));
}

// The scenario is dropped only once the step or source that failed has returned.
void ScriptedInput::Fail(pz417::Status failure) {
  if (failure_) failure_ = std::move(failure);
  steps_.clear();
  pending_ = 0;
}

void ScriptedInput::RunDry() {
  if (!ranDry_ && onDry_) onDry_();
  ranDry_ = true;
  // With the graphics window gone there is nothing left to close: a program still waiting
  // is asked to quit, so a scenario always ends.
  if (win::IsWindow(host_.FirstWindow())) {
    win::InputClose(host_.FirstWindow());
  } else {
    win::PostQuitMessage(0);
  }
}

}  // namespace replay
