// The Run menu, its Ctrl shortcuts, and the run-mode and logging calls.

#include "kit_state.h"
#include "pz417/kit.h"

namespace kit {
namespace {

struct MenuEntry {
  unsigned flags;
  int id;
  const char* text;
};

constexpr MenuEntry RunMenuEntries[] = {
    {win::mf::String, AnimateCommand, "&Animate\tCtrl+A"},
    {win::mf::String, HaltCommand, "&Halt animation\tCtrl+H"},
    {win::mf::String, OneFrameCommand, "Advance one &frame\tCtrl+F"},
    {win::mf::Separator, 0, ""},
    {win::mf::Checked, LoggingCommand, "&Logging\tCtrl+L"},
    {win::mf::Separator, 0, ""},
    {win::mf::String, RecordCommand, "&Record Script\tCtrl+R"},
    {win::mf::String, PlaybackCommand, "&Playback Script\tCtrl+P"},
    {win::mf::String, PlayOneCommand, "Play &One Script\tCtrl+O"},
    {win::mf::Separator, 0, ""},
    {win::mf::String, QuitCommand, "&Quit\tCtrl+Q"},
    {win::mf::Separator, 0, ""},
    {win::mf::Grayed, InfoCommand, "PZ417 v2.2 July 1997"},
    {win::mf::Grayed, InfoCommand, "MAC: mac-support@example.com"},
    {win::mf::Grayed, InfoCommand, "WINDOWS: windows-support@example.com"},
    {win::mf::Grayed, InfoCommand, "UPDATES: updates@example.com"},
};

constexpr int CtrlKey = win::vk::Control;

RunMenuState& MenuState() {
  return TheKit().runMenu;
}

// The log goes to the console, which the program hid at start: switching logging on from the
// menu or with Ctrl+L brings it up, or the user would look for it in vain.
void ToggleLogging() {
  RunMenuState& menuState = MenuState();
  menuState.loggingFlag = menuState.loggingFlag ? 0 : 1;
  SetMenuCheck(LoggingCommand, menuState.loggingFlag != 0);
  if (menuState.loggingFlag) ShowConsoleIfHidden();
}

// The shortcut letter's command, matched in either case; 0 for any other key.
int ShortcutCommand(int virtualKey) {
  switch (virtualKey) {
    case 'A':
    case 'a':
      return AnimateCommand;
    case 'H':
    case 'h':
      return HaltCommand;
    case 'F':
    case 'f':
      return OneFrameCommand;
    case 'L':
    case 'l':
      return LoggingCommand;
    case 'R':
    case 'r':
      return RecordCommand;
    case 'P':
    case 'p':
      return PlaybackCommand;
    case 'O':
    case 'o':
      return PlayOneCommand;
    case 'Q':
    case 'q':
      return QuitCommand;
    default:
      return 0;
  }
}

}  // namespace

// As everywhere in the kit, what the platform cannot do is not examined.
void BuildRunMenu(win::WindowId window) {
  RunMenuState& menuState = MenuState();
  const win::MenuId bar = win::CreateMenu();
  menuState.runMenu = win::CreatePopupMenu();
  for (const MenuEntry& entry : RunMenuEntries) {
    win::AppendMenu(menuState.runMenu, entry.flags, entry.id, entry.text).IgnoreError();
  }
  win::AppendMenu(bar, win::mf::Popup, menuState.runMenu, "&Run").IgnoreError();
  win::SetMenu(window, bar).IgnoreError();
  win::DrawMenuBar(window);
}

void SetMenuCheck(int commandId, bool checked) {
  win::CheckMenuItem(MenuState().runMenu, commandId,
                     checked ? win::mf::Checked : win::mf::Unchecked);
}

void CarryOutMenuCommand(int commandId) {
  KitState& s = State();
  switch (commandId) {
    case AnimateCommand:
      s.animate = 1;
      break;
    case HaltCommand:
      s.animate = 0;
      break;
    case OneFrameCommand:
      s.animate = 0;
      s.oneFrame = 1;
      break;
    case LoggingCommand:
      ToggleLogging();
      break;
    case RecordCommand:
      RecordScriptCommand();
      break;
    case PlaybackCommand:
      PlaybackScriptCommand();
      break;
    case PlayOneCommand:
      PlayOneScriptCommand();
      break;
    case QuitCommand:
      win::PostQuitMessage(0);
      break;
    default:
      break;
  }
}

// Record Script and Playback Script toggle, so a key held a little long would undo them: only
// the first key-down of a held key acts for those two. Every other shortcut acts on each repeat.
void RunMenuKey(win::Msg msg, int virtualKey, bool repeat) {
  RunMenuState& menuState = MenuState();
  if (virtualKey == CtrlKey) {
    menuState.ctrlFlag = msg == win::Msg::KeyDown ? 1 : 0;
    return;
  }
  if (msg != win::Msg::KeyDown || !menuState.ctrlFlag) return;
  const int command = ShortcutCommand(virtualKey);
  const bool toggledByHolding = command == RecordCommand || command == PlaybackCommand;
  if (command != 0 && !(repeat && toggledByHolding)) CarryOutMenuCommand(command);
}

bool CtrlFlagSet() {
  return MenuState().ctrlFlag != 0;
}
bool LoggingOn() {
  return MenuState().loggingFlag != 0;
}

}  // namespace kit

int KitSetRunMode(int mode) {
  kit::KitState& s = kit::State();
  if (s.graphicsWindow == 0) return 0;
  switch (static_cast<unsigned>(mode)) {
    case static_cast<unsigned>(RunMode::Halt):
      s.animate = 0;
      s.oneFrame = 0;
      break;
    case static_cast<unsigned>(RunMode::OneFrame):
      s.oneFrame = 1;
      break;
    case static_cast<unsigned>(RunMode::Animate):
      s.animate = 1;
      break;
    case static_cast<unsigned>(RunMode::Quit):
      s.quitRequest = 1;
      break;
    default:
      break;
  }
  return 1;
}

int KitSetRunMode(RunMode mode) {
  return KitSetRunMode(static_cast<int>(mode));
}

int KitSetLogging(int on) {
  if (kit::State().graphicsWindow == 0) return 0;
  kit::RunMenuState& menuState = kit::MenuState();
  menuState.loggingFlag = on != 0 ? 1 : 0;
  kit::SetMenuCheck(kit::LoggingCommand, on != 0);
  if (menuState.loggingFlag) KitShowConsole(1);
  return 1;
}
