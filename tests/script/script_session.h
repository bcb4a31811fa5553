#pragma once
// A kit session whose working directory is a fresh temporary directory, where the script file
// "PZ417.SCR" is written and read.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "kit_session.h"
#include "replay_session.h"

class ScriptSession : public KitSession {
 protected:
  void SetUp() override;
  void TearDown() override;

  static void WriteScript(const std::string& text);
  // The script file's content; nothing if there is no such file.
  static std::optional<std::string> ScriptText();

  // Queues a live press and waits until it comes back, collecting the events handed out first.
  std::vector<Event> EventsBeforeLiveInput();
  // Whether the Run menu item with this command id carries a check mark.
  bool Checked(int commandId) const;
  bool Printed(const std::string& message) const;

  static constexpr int RecordItem = 5;
  static constexpr int PlaybackItem = 6;
  static inline const Event LivePress{Mouse, 111, 122, 0};

 private:
  std::filesystem::path previousDirectory_;
  std::optional<replay_test::TempDir> directory_;
};

inline const std::string EndOfScriptMessage = "EOF encountered in script file PZ417.SCR\n";
