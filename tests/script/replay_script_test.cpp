// The program run end to end through frosty-replay: a session recorded with Ctrl+R and played
// back with Ctrl+P in a second run ends on the same canvas, after the same events.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "replay_session.h"

namespace {

using replay_test::ReadFile;
using replay_test::RunReplay;
using replay_test::WriteFile;

// Leaves the intro, then records: timer ticks, button presses, toppings placed and a typed key.
constexpr const char* RecordingDrive =
    "click 0 0\n"
    "ctrl R\n"
    "tick 3\n"
    "click -240 233\n"  // Add Scoop
    "tick 2\n"
    "click -240 183\n"  // Add Topping
    "click 10 40\n"
    "tick 1\n"
    "type x\n"
    "click -240 233\n"
    "click 0 90\n"
    "tick 4\n"
    "ctrl R\n";

constexpr const char* RecordedScript =
    "PZ417_PERIODIC(3);\nPZ417_MOUSE(-240, 233);\nPZ417_PERIODIC(2);\nPZ417_MOUSE(-240, 183);\n"
    "PZ417_MOUSE(10, 40);\nPZ417_PERIODIC(1);\nPZ417_KBD(120);\nPZ417_MOUSE(-240, 233);\n"
    "PZ417_MOUSE(0, 90);\nPZ417_PERIODIC(4);\n";

struct Outcome {
  std::string canvas;  // the PNG file's bytes: equal files, equal pixels
  std::string events;
  std::string log;
};

Outcome Play(const std::filesystem::path& dir, const std::vector<std::string>& inputs) {
  std::vector<std::string> arguments = inputs;
  arguments.insert(arguments.end(),
                   {"--canvas", "canvas.png", "--events", "events.txt", "--log", "log.txt"});
  const replay_test::Run run = RunReplay(arguments, dir);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  return {ReadFile(dir / "canvas.png"), ReadFile(dir / "events.txt"), ReadFile(dir / "log.txt")};
}

TEST(RecordedSession, PlaysBackToTheSameCanvas) {
  replay_test::TempDir dir;
  WriteFile(dir.path() / "record.drive", RecordingDrive);
  const Outcome recorded = Play(dir.path(), {"record.drive"});
  ASSERT_EQ(replay_test::ReadText(dir.path() / "PZ417.SCR"), RecordedScript);

  WriteFile(dir.path() / "play.drive", "click 0 0\nctrl P\n");
  const Outcome played = Play(dir.path(), {"play.drive"});
  ASSERT_FALSE(recorded.canvas.empty());
  EXPECT_TRUE(played.canvas == recorded.canvas) << "the final canvases differ";
  EXPECT_EQ(played.events, recorded.events);
  EXPECT_NE(played.log.find("EOF encountered in script file PZ417.SCR\n"), std::string::npos);
  EXPECT_EQ(replay_test::ReadText(dir.path() / "PZ417.SCR"), RecordedScript)
      << "playback left the file alone";

  // The same file handed to frosty-replay is live input, read by the same reader.
  WriteFile(dir.path() / "intro.drive", "click 0 0\n");
  const Outcome fed = Play(dir.path(), {"intro.drive", "PZ417.SCR"});
  EXPECT_TRUE(fed.canvas == recorded.canvas) << "the final canvases differ";
  EXPECT_EQ(fed.events, recorded.events);
}

}  // namespace
