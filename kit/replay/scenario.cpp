#include "scenario.h"

#include <utility>

#include "pz417/kit_tools.h"
#include "win/host.h"
#include "win/keyboard.h"
#include "win/window.h"

namespace replay {

Scenario::Scenario(ScriptedInput& input, InputReader& inputs, SessionRecord& record)
    : input_(input), inputs_(inputs), record_(record) {
  input_.SetStepSource([this] { return QueueNext(); });
  input_.SetWhenDry([this] { record_.CaptureWindows(); });
}

// A command whose first step was taken counts as carried out, even when the program ended before
// its last (Ctrl+Q's key-ups); only commands never begun are reported.
pz417::Status Scenario::Failure() {
  if (const pz417::Status& failed = input_.Failure(); !failed) {
    // A file that could not be read names its own place; a command that failed is the one the
    // reader gave last, as nothing was read after it.
    if (inputs_.Failed()) return failed;
    return pz417::Failure(inputs_.Where() + ": " + failed.error());
  }
  const pz417::Result<std::optional<Command>> next = inputs_.Next();
  if (!next) return next.status();
  if (next->has_value()) {
    return pz417::Failure(inputs_.Where() +
                          ": not carried out: the program had ended before this step");
  }
  return {};
}

// Called at a wait, once the kit is open and its windows exist.
pz417::Result<bool> Scenario::QueueNext() {
  pz417::Result<std::optional<Command>> next = inputs_.Next();
  if (!next) return next.status();  // the file changed since the check
  if (!next->has_value()) return false;
  if (const pz417::Status queued = Queue(std::move(**next)); !queued) return queued;
  return true;
}

// A `type` line's text may be long: it is moved, never copied.
pz417::Status Scenario::Queue(Command command) {
  const win::WindowId window = KitGraphicsWindow();
  switch (command.op) {
    case Op::Press:
      input_.Press(window, command.x, command.y);
      break;
    case Op::WindowPress:
      input_.PressContent(window, command.x, command.y);
      break;
    case Op::WindowRelease:
      input_.ReleaseContent(window, command.x, command.y);
      break;
    case Op::Move:
      input_.MoveContent(window, command.x, command.y);
      break;
    case Op::Type:
      input_.Type(std::move(command.text));
      break;
    case Op::Char:
      input_.Call([character = command.character] { win::InputChar(character); });
      break;
    case Op::Key:
      input_.KeyDown(command.key, CharacterWithHeld(command.key));
      input_.KeyUp(command.key);
      break;
    case Op::Ctrl:
      input_.KeyDown(win::vk::Control);
      input_.KeyDown(command.key, win::TypedCharacter(command.key, false, true));
      input_.KeyUp(command.key);
      input_.KeyUp(win::vk::Control);
      held_.erase(win::vk::Control);
      break;
    case Op::Down:
      input_.KeyDown(command.key, CharacterWithHeld(command.key));
      held_.insert(command.key);
      break;
    case Op::Up:
      input_.KeyUp(command.key);
      held_.erase(command.key);
      break;
    case Op::Repeat:
      if (!Held(command.key)) {
        return pz417::Failure("a key repeats only while held: `down` it first");
      }
      input_.Repeat(static_cast<std::size_t>(command.count),
                    [key = command.key, character = CharacterWithHeld(command.key)] {
                      win::InputKeyDown(key, character, true);
                    });
      break;
    case Op::Menu:
      input_.ChooseMenuItem(window, command.count);
      break;
    case Op::Tick:
      input_.Tick(command.count);
      break;
    case Op::Close:
      input_.Call([this, window] {
        record_.CaptureWindows();
        win::InputClose(window);
      });
      break;
    case Op::Snapshot:
      input_.Call([this, path = std::move(command.text)] { record_.SnapshotCanvas(path); });
      break;
  }
  return {};
}

int Scenario::CharacterWithHeld(int key) const {
  return win::TypedCharacter(key, Held(win::vk::Shift), Held(win::vk::Control));
}

}  // namespace replay
