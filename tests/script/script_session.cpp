#include "script_session.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "pz417/script_format.h"

using pz417::ScriptFileName;

void ScriptSession::SetUp() {
  previousDirectory_ = std::filesystem::current_path();
  directory_.emplace();
  std::filesystem::current_path(directory_->path());
  KitSession::SetUp();
}

void ScriptSession::TearDown() {
  KitSession::TearDown();
  std::filesystem::current_path(previousDirectory_);
  directory_.reset();
}

void ScriptSession::WriteScript(const std::string& text) {
  std::ofstream(ScriptFileName, std::ios::binary) << text;
}

// Read as the text file it is, so a line ends in '\n' whatever the platform writes.
std::optional<std::string> ScriptSession::ScriptText() {
  std::ifstream in(ScriptFileName);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<Event> ScriptSession::EventsBeforeLiveInput() {
  Click(LivePress.x, LivePress.y);
  std::vector<Event> events;
  for (int i = 0; i < 64; ++i) {
    const Event event = Wait();
    if (event == LivePress) return events;
    events.push_back(event);
  }
  ADD_FAILURE() << "the live press never came through";
  return events;
}

bool ScriptSession::Checked(int commandId) const {
  const win::MenuId runMenu = win::GetMenuItem(win::GetMenu(Graphics()), 0).popup;
  for (int i = 0; i < win::GetMenuItemCount(runMenu); ++i) {
    const win::MenuItemInfo item = win::GetMenuItem(runMenu, i);
    if (item.id == commandId) return item.checked;
  }
  ADD_FAILURE() << "no Run menu item " << commandId;
  return false;
}

bool ScriptSession::Printed(const std::string& message) const {
  return std::find(printed.begin(), printed.end(), message) != printed.end();
}
