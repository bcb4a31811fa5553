#include "scenario.h"

#include <utility>

#include "pz417/kit_tools.h"
#include "win/host.h"
#include "win/window.h"

namespace replay {
namespace {

bool IsLetterKey(int key) {
  return key >= 'A' && key <= 'Z';
}

// What a letter key yields while the given modifiers are held.
int LetterCharacter(int letterKey, bool ctrlHeld, bool shiftHeld) {
  if (ctrlHeld) return win::CtrlCharacter(letterKey);
  return shiftHeld ? letterKey : letterKey - 'A' + 'a';
}

}  // namespace

Scenario::Scenario(headless::HeadlessHost& host, InputReader& inputs, SessionRecord& record)
    : host_(host), inputs_(inputs), record_(record) {
  host_.SetStepSource([this] { return QueueNext(); });
  host_.SetWhenStepFails(
      [this](const std::string& why) { failure_ = inputs_.Where() + ": " + why; });
  host_.SetWhenDry([this] { record_.CaptureWindows(); });
}

// A command whose first step was taken counts as carried out, even when the program ended before
// its last (Ctrl+Q's key-ups); only commands never begun are reported.
pz417::Status Scenario::Failure() {
  if (failure_.empty()) {
    const pz417::Result<std::optional<Command>> next = inputs_.Next();
    if (next && next->has_value()) {
      failure_ = inputs_.Where() + ": not carried out: the program had ended before this step";
    }
  }
  return failure_.empty() ? pz417::Status() : pz417::Failure(failure_);
}

// Called by the host, at a wait, once the kit is open and its windows exist.
bool Scenario::QueueNext() {
  pz417::Result<std::optional<Command>> next = inputs_.Next();
  if (!next) {
    failure_ = next.error();  // the file changed since the check
    return false;
  }
  if (!next->has_value()) return false;
  if (const pz417::Status queued = Queue(std::move(**next)); !queued) {
    host_.FailStep(queued.error());
    return false;
  }
  return true;
}

// A `type` line's text may be long: it is moved, never copied.
pz417::Status Scenario::Queue(Command command) {
  const win::WindowId window = KitGraphicsWindow();
  switch (command.op) {
    case Op::Press:
      host_.Press(window, command.x, command.y);
      break;
    case Op::WindowPress:
      host_.PressContent(window, command.x, command.y);
      break;
    case Op::WindowRelease:
      host_.ReleaseContent(window, command.x, command.y);
      break;
    case Op::Move:
      host_.MoveContent(window, command.x, command.y);
      break;
    case Op::Type:
      host_.Type(std::move(command.text));
      break;
    case Op::Char:
      host_.Call([character = command.character] { win::InputChar(character); });
      break;
    case Op::Key:
      host_.KeyDown(command.key, command.character);
      host_.KeyUp(command.key);
      break;
    case Op::Ctrl:
      host_.KeyDown(win::vk::Control);
      host_.KeyDown(command.key, LetterCharacter(command.key, true, false));
      host_.KeyUp(command.key);
      host_.KeyUp(win::vk::Control);
      held_.erase(win::vk::Control);
      break;
    case Op::Down:
      host_.KeyDown(command.key, CharacterOfHeld(command.key));
      held_.insert(command.key);
      break;
    case Op::Up:
      host_.KeyUp(command.key);
      held_.erase(command.key);
      break;
    case Op::Repeat:
      if (!Held(command.key)) {
        return pz417::Failure("a key repeats only while held: `down` it first");
      }
      host_.Repeat(static_cast<std::size_t>(command.count),
                   [key = command.key, character = CharacterOfHeld(command.key)] {
                     win::InputKeyDown(key, character, true);
                   });
      break;
    case Op::Menu:
      host_.ChooseMenuItem(window, command.count);
      break;
    case Op::Tick:
      host_.Tick(command.count);
      break;
    case Op::Close:
      host_.Call([this, window] {
        record_.CaptureWindows();
        win::InputClose(window);
      });
      break;
    case Op::Snapshot:
      host_.Call([this, path = std::move(command.text)] { record_.SnapshotCanvas(path); });
      break;
  }
  return {};
}

int Scenario::CharacterOfHeld(int key) const {
  if (!IsLetterKey(key)) return -1;
  return LetterCharacter(key, Held(win::vk::Control), Held(win::vk::Shift));
}

}  // namespace replay
