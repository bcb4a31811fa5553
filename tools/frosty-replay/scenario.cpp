#include "scenario.h"

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
  if (ctrlHeld) return letterKey - 'A' + 1;
  return shiftHeld ? letterKey : letterKey - 'A' + 'a';
}

class StepQueue {
 public:
  StepQueue(headless::HeadlessHost& host, SessionRecord& record)
      : host_(host), record_(record), window_(KitGraphicsWindow()) {}

  void Queue(const Command& command) {
    switch (command.op) {
      case Op::Press:
        host_.Press(window_, command.x, command.y);
        break;
      case Op::Type:
        host_.Type(command.text);
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
        break;
      case Op::Down:
        host_.KeyDown(command.key, IsLetterKey(command.key)
                                       ? LetterCharacter(command.key, ctrlHeld_, shiftHeld_)
                                       : -1);
        Hold(command.key, true);
        break;
      case Op::Up:
        host_.KeyUp(command.key);
        Hold(command.key, false);
        break;
      case Op::Menu:
        host_.ChooseMenuItem(window_, command.count);
        break;
      case Op::Tick:
        host_.Tick(command.count);
        break;
      case Op::Close:
        QueueCapture();
        host_.Close(window_);
        break;
      case Op::Snapshot:
        host_.Call([&record = record_, path = command.text] { record.SnapshotCanvas(path); });
        break;
    }
  }

  void QueueCapture() {
    host_.Call([&record = record_] { record.CaptureWindows(); });
  }

 private:
  void Hold(int key, bool down) {
    if (key == win::vk::Control) ctrlHeld_ = down;
    if (key == win::vk::Shift) shiftHeld_ = down;
  }

  headless::HeadlessHost& host_;
  SessionRecord& record_;
  win::WindowId window_;
  bool ctrlHeld_ = false;
  bool shiftHeld_ = false;
};

}  // namespace

void QueueScenario(headless::HeadlessHost& host, std::vector<Command> commands,
                   SessionRecord& record) {
  host.Call([&host, &record, commands = std::move(commands)] {
    StepQueue queue(host, record);
    for (const Command& command : commands) queue.Queue(command);
    queue.QueueCapture();
  });
}

}  // namespace replay
