// frosty-replay as its users run it: refusals before anything runs, the kit's script files as
// live input, and what it writes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "raster/png.h"
#include "replay_session.h"

namespace {

namespace fs = std::filesystem;
using replay_test::ReadFile;
using replay_test::RunReplay;
using replay_test::TempDir;
using replay_test::WriteFile;

struct Refusal {
  const char* name;
  std::string input;                   // written to the file named first in `arguments`
  std::vector<std::string> arguments;  // "--canvas out.png" is added
  std::string message;                 // what stderr must hold
};

class Refusals : public testing::TestWithParam<Refusal> {};

TEST_P(Refusals, ExitTwoNameTheLineAndRunNothing) {
  const Refusal& c = GetParam();
  TempDir dir;
  if (!c.arguments.empty() && !c.input.empty()) WriteFile(dir.path() / c.arguments[0], c.input);
  std::vector<std::string> arguments = c.arguments;
  arguments.insert(arguments.end(), {"--canvas", "out.png"});
  const replay_test::Run run = RunReplay(arguments, dir.path());
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
  EXPECT_FALSE(fs::exists(dir.path() / "out.png"));
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, Refusals,
    testing::Values(
        Refusal{"UnknownCommand",
                "click 0 -100\n\njump 3\n",
                {"a.drive"},
                "a.drive:3: unknown command \"jump\""},
        Refusal{"MissingArgument", "click 1\n", {"a.drive"}, "a.drive:1: missing argument"},
        Refusal{"NotANumber", "# c\ntick many\n", {"a.drive"}, "a.drive:2: \"many\" is not"},
        Refusal{"PressOutside",
                "click 298 0\n",
                {"a.drive"},
                "a.drive:1: client pixel (595, 248) is outside"},
        Refusal{"SecondFileChecked",
                "tick\n",
                {"a.drive", "missing.drive"},
                "missing.drive: cannot read"},
        Refusal{"Folder", "", {"."}, ".: cannot read"},
        Refusal{"ScriptLineOfAnotherKind",
                "PZ417_KBD(97);\n\nPZ417_XYZ(1);\n",
                {"a.scr"},
                "a.scr:3: not a script line"},
        // A line past the reader's 511 characters is refused for its length, whatever its
        // pieces look like; one of exactly 511 is a whole line.
        Refusal{"ScriptLineTooLong",
                "PZ417_KBD(97);\n" + ("PZ417_KBD(97);" + std::string(497, ' ')) + "\n" +
                    ("PZ417_KBD(98);" + std::string(600, 'K')) + "\n",
                {"a.scr"},
                "a.scr:3: line longer than 511 characters"},
        Refusal{"ScriptPressOutside",
                "PZ417_MOUSE(0, 0);\nPZ417_MOUSE(0, 300);\n",
                {"a.scr"},
                "a.scr:2: press at (0, 300) lies outside"},
        Refusal{"UnknownOption", "", {"--colour"}, "unknown option --colour"},
        Refusal{"OptionWithoutFile", "", {"--log"}, "--log needs a file name"}),
    [](const auto& info) { return info.param.name; });

// What an option prints on standard output, and that it exits 0.
std::string Printed(const char* option) {
  TempDir dir;
  const replay_test::Run run = RunReplay({option}, dir.path());
  EXPECT_EQ(run.exitCode, 0) << option;
  return run.output;
}

TEST(Help, DescribesBothKindsOfFile) {
  const std::string text = Printed("--help");
  for (const char* part : {"Usage: frosty-replay ", "--canvas FILE.png", "\"PZ417_\"", "click X Y",
                           "snapshot FILE.png"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part;
  }
}

TEST(Version, NamesTheProgramAndTheKit) {
  EXPECT_TRUE(Printed("--version").starts_with("frosty-replay (PZ417 kit) "))
      << Printed("--version");
}

// A run must write something: an output option, a drive file's snapshot or a script it may
// record; else it is refused.
struct Outputs {
  const char* name;
  std::string drive;
  std::vector<std::string> options;
  const char* written;  // the file the run writes; null when it is refused
};

class SomethingToWrite : public testing::TestWithParam<Outputs> {};

TEST_P(SomethingToWrite, IsAskedFor) {
  const Outputs& c = GetParam();
  TempDir dir;
  WriteFile(dir.path() / "a.drive", c.drive);
  std::vector<std::string> arguments = {"a.drive"};
  arguments.insert(arguments.end(), c.options.begin(), c.options.end());
  const replay_test::Run run = RunReplay(arguments, dir.path());
  if (c.written == nullptr) {
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find("nothing to write"), std::string::npos) << run.errors;
  } else {
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_TRUE(fs::exists(dir.path() / c.written));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SomethingToWrite,
    testing::Values(Outputs{"NoOutputAtAll", "click 0 0\ntype r\nctrl L\n", {}, nullptr},
                    Outputs{"OnlyARecording", "ctrl R\nclick 0 0\nctrl R\n", {}, "PZ417.SCR"},
                    Outputs{"ARecordingWithCtrlHeld",
                            "down Ctrl\ntype r\nup Ctrl\nclick 0 0\n",
                            {},
                            "PZ417.SCR"},
                    Outputs{"NoFileAtAll", "", {}, nullptr},
                    Outputs{"OnlyASnapshot", "click 0 0\nsnapshot s.png\n", {}, "s.png"},
                    Outputs{"OnlyTheLog", "click 0 0\n", {"--log", "log.txt"}, "log.txt"}),
    [](const auto& info) { return info.param.name; });

// Ctrl+R held acts once: the key's second key-down is its auto-repeat, so the recording the first
// started goes on, and the click after it is written.
TEST(HeldShortcut, RecordsOnce) {
  TempDir dir;
  WriteFile(dir.path() / "a.drive",
            "down Ctrl\ndown R\ndown R\nup R\nup Ctrl\nclick 0 0\nctrl R\n");
  const replay_test::Run run = RunReplay({"a.drive"}, dir.path());
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(replay_test::ReadText(dir.path() / "PZ417.SCR"), "PZ417_MOUSE(0, 0);\n");
}

struct Played {
  const char* name;
  std::vector<std::pair<std::string, std::string>> files;  // name, text; played in this order
  std::string events;
};

// --help's rule: a program that does not wait is given the next step every 1000 pump passes.
// From Ctrl+P's key-down on, the playback never waits and each pass plays one Periodic event:
// its key-up, Ctrl's key-up and the close each come 1000 passes later, and the pass after the
// close's turns the quit into Quit.
constexpr int PeriodicsUntilTheClose = 3 * 1000;

class LiveInput : public testing::TestWithParam<Played> {};

TEST_P(LiveInput, GivesTheEventsInOrder) {
  TempDir dir;
  std::vector<std::string> arguments;
  for (const auto& [name, text] : GetParam().files) {
    WriteFile(dir.path() / name, text);
    arguments.push_back(name);
  }
  arguments.insert(arguments.end(), {"--events", "events.txt"});
  const replay_test::Run run = RunReplay(arguments, dir.path());
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(ReadFile(dir.path() / "events.txt"), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LiveInput,
    testing::Values(
        Played{
            "ScriptLines",
            {{"PZ417.SCR",
              "PZ417_PERIODIC(3);\nPZ417_MOUSE(0, -100);\nPZ417_KBD(97);\nPZ417_PERIODIC(2);\n"}},
            "Periodic\nPeriodic\nPeriodic\nMouse 0 -100\nKey 97\nPeriodic\nPeriodic\nQuit\n"},
        // As the kit's player reads them: blank lines skipped, CR LF, a run of 0 is one tick,
        // a key's sign kept (character 233 is written as -23), only the low 8 bits kept.
        Played{"ScriptReadAsThePlayerReadsIt",
               {{"s.scr",
                 "\nPZ417_PERIODIC(0);\r\n\r\nPZ417_MOUSE(-5, 10);\nPZ417_KBD(-23);\n"
                 "PZ417_KBD(321);\nPZ417_KBD(10);\n"}},
               "Periodic\nMouse -5 10\nKey -23\nKey 65\nKey 10\nQuit\n"},
        Played{"UnfinishedLastLineIsNotPlayed",
               {{"s.scr", "PZ417_MOUSE(0, -100);\nPZ417_KBD(97);"}},
               "Mouse 0 -100\nQuit\n"},
        Played{"FilesInTheirOrder",
               {{"a.drive", "click 0 -100\n"},
                {"b.scr", "PZ417_MOUSE(1, 2);\n"},
                {"c.drive", "type x\n"}},
               "Mouse 0 -100\nMouse 1 2\nKey 120\nQuit\n"},
        Played{"CtrlLettersGiveNoKey",
               {{"a.drive", "ctrl L\ndown Ctrl\ndown A\nup A\nup Ctrl\n"}},
               "Quit\n"},
        Played{"HeldShiftTypesCapitals",
               {{"a.drive", "down Shift\ndown a\nup a\nup Shift\n"}},
               "Key 65\nQuit\n"},
        Played{"NamedKeys",
               {{"a.drive", "key Return\nkey Tab\nkey BackSpace\nkey Escape\nkey Left\n"}},
               "Key 13\nKey 9\nKey 8\nKey 27\nQuit\n"},
        Played{"CloseEndsTheRun", {{"a.drive", "click 0 -100\nclose\n"}}, "Mouse 0 -100\nQuit\n"},
        Played{"MenuQuit", {{"a.drive", "menu 8\n"}}, "Quit\n"},
        // The menu tracked by mouse and keyboard, at window pixels: "Run" at 15 9, items 17 rows
        // apart from Animate at 31 (Logging 91, Quit 177, the first greyed line 203).
        Played{"PressDragReleaseChoosesQuit",
               {{"a.drive", "press 15 9\nmove 50 48\nrelease 50 177\n"}},
               "Quit\n"},
        Played{"GreyedItemAndSeparatorChooseNothing",
               {{"a.drive", "press 15 9\nrelease 50 203\nrelease 50 80\nclick 0 -100\n"}},
               "Quit\n"},
        Played{"CtrlShortcutsWaitWhileTheMenuIsOpen",
               {{"a.drive",
                 "press 15 9\nrelease 15 9\nctrl Q\nkey Escape\nkey Escape\nclick 0 -100\n"}},
               "Mouse 0 -100\nQuit\n"},
        Played{"F10ReturnAndTheAccessLetter",
               {{"a.drive", "key F10\nkey Return\ntype q\n"}},
               "Quit\n"},
        Played{"AltDownThenEscapeTwiceLeavesTheMenu",
               {{"a.drive", "key Alt\nkey Down\nkey Escape\nkey Escape\nkey Escape\n"}},
               "Key 27\nQuit\n"},
        // Animating: no Periodic while the bar is selected, the one due comes when it is left.
        Played{"AnimationWaitsWhileTheMenuIsTracked",
               {{"a.drive",
                 "click 0 -100\nmenu 1\ntick 2\nkey F10\ntick 3\nkey F10\ntick 2\nclose\n"}},
               "Mouse 0 -100\nPeriodic\nPeriodic\nPeriodic\nPeriodic\nPeriodic\nQuit\n"}),
    [](const auto& info) { return info.param.name; });

struct StepFailure {
  const char* name;
  std::string drive;
  std::string message;  // what stderr must hold
  std::string events;   // what happened before the run stopped
};

class StepFailures : public testing::TestWithParam<StepFailure> {};

// A step that cannot be carried out stops the run where it is, names its line and fails the
// run, instead of the run going on from somewhere else.
TEST_P(StepFailures, StopTheRunNameTheLineAndExitThree) {
  TempDir dir;
  WriteFile(dir.path() / "a.drive", GetParam().drive);
  const replay_test::Run run = RunReplay({"a.drive", "--events", "events.txt"}, dir.path());
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_NE(run.errors.find(GetParam().message), std::string::npos) << run.errors;
  EXPECT_EQ(ReadFile(dir.path() / "events.txt"), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Drives, StepFailures,
    testing::Values(
        StepFailure{"GreyedMenuEntry", "click 0 0\nmenu 9\nmenu 1\ntick 3\n",
                    "a.drive:2: the Run menu entry with command id 9 is greyed",
                    "Mouse 0 0\nQuit\n"},
        StepFailure{"StepAfterTheWindowClosed", "click 0 -100\nclose\n\nclick 0 0\n",
                    "a.drive:4: not carried out: the program had ended before this step",
                    "Mouse 0 -100\nQuit\n"},
        StepFailure{"StepAfterMenuQuit", "menu 8\ntick\n", "a.drive:2: not carried out", "Quit\n"},
        StepFailure{"StepAfterCtrlQ", "ctrl Q\nclick 0 0\n", "a.drive:2: not carried out",
                    "Quit\n"},
        StepFailure{"RepeatOfAKeyNotHeld", "click 0 0\ndown R\nup R\nrepeat R\n",
                    "a.drive:4: a key repeats only while held", "Mouse 0 0\nKey 114\nQuit\n"}),
    [](const auto& info) { return info.param.name; });

// Holding Ctrl+R a while to stop a recording must not start a new one, which would empty the
// script just made.
TEST(LiveInput, HoldingCtrlRStopsTheRecordingOnce) {
  TempDir dir;
  WriteFile(dir.path() / "a.drive",
            "ctrl R\nclick 0 -100\ndown Ctrl\ndown R\nrepeat R 5\nup R\nup Ctrl\nclick 0 0\n");
  ASSERT_EQ(RunReplay({"a.drive", "--events", "events.txt"}, dir.path()).exitCode, 0);
  EXPECT_EQ(replay_test::ReadText(dir.path() / "PZ417.SCR"), "PZ417_MOUSE(0, -100);\n");
}

// A person's input reaches a program that plays a script back without ever waiting, so even an
// endless playback lets the drive file go on and close the window.
TEST(LiveInput, ArrivesDuringAnEndlessPlayback) {
  TempDir dir;
  WriteFile(dir.path() / "PZ417.SCR", "PZ417_PERIODIC(2147483647);\n");
  WriteFile(dir.path() / "a.drive", "click 0 0\nctrl P\nclose\n");
  const replay_test::Run run = RunReplay({"a.drive", "--events", "events.txt"}, dir.path());
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const std::vector<std::string> events = replay_test::Lines(ReadFile(dir.path() / "events.txt"));
  ASSERT_EQ(events.size(), PeriodicsUntilTheClose + 2u);
  EXPECT_EQ(events.front(), "Mouse 0 0");
  EXPECT_EQ(replay_test::CountOf(events, "Periodic"), PeriodicsUntilTheClose);
  EXPECT_EQ(events.back(), "Quit");
}

// Recorded by the kit with Ctrl+R, then played by frosty-replay: the same events.
TEST(LiveInput, AScriptTheKitRecordedPlaysBackTheSame) {
  TempDir dir;
  WriteFile(dir.path() / "record.drive",
            "ctrl R\ntick 2\nclick 0 -100\ntick\nclick 0 40\ntype ab\nctrl R\n");
  ASSERT_EQ(RunReplay({"record.drive", "--events", "recorded.txt"}, dir.path()).exitCode, 0);
  ASSERT_EQ(RunReplay({"PZ417.SCR", "--events", "played.txt"}, dir.path()).exitCode, 0);
  const std::string recorded = ReadFile(dir.path() / "recorded.txt");
  EXPECT_EQ(recorded,
            "Periodic\nPeriodic\nMouse 0 -100\nPeriodic\nMouse 0 40\nKey 97\nKey 98\nQuit\n");
  EXPECT_EQ(ReadFile(dir.path() / "played.txt"), recorded);
}

raster::Bitmap ReadPicture(const fs::path& path) {
  const pz417::Result<raster::Bitmap> picture = raster::ReadPng(path.string());
  EXPECT_TRUE(picture) << path << ": " << picture.error();
  return picture.value_or(raster::Bitmap());
}

TEST(Outputs, WindowConsoleSnapshotsAndLog) {
  TempDir dir;
  WriteFile(dir.path() / "a.drive",
            "snapshot intro.png\nclick 0 -100\nmenu 4\ntick\nsnapshot editing.png\nclose\n");
  const replay_test::Run run =
      RunReplay({"a.drive", "--window", "window.png", "--console", "console.png", "--canvas",
                 "canvas.png", "--log", "log.txt"},
                dir.path());
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const raster::Bitmap window = ReadPicture(dir.path() / "window.png");
  EXPECT_EQ(window.width(), 595);
  EXPECT_EQ(window.height(), 19 + 496);  // the menu bar over the client area
  EXPECT_GT(ReadPicture(dir.path() / "console.png").width(), 0);
  const raster::Bitmap intro = ReadPicture(dir.path() / "intro.png");
  const raster::Bitmap editing = ReadPicture(dir.path() / "editing.png");
  EXPECT_EQ(intro.width(), 601);
  EXPECT_NE(intro, editing);
  // The close gets one more redraw of the same state.
  EXPECT_EQ(editing, ReadPicture(dir.path() / "canvas.png"));
  // The Run menu's Logging (command 4) switched the drawing log on for two redraws.
  EXPECT_EQ(replay_test::RedrawCount(ReadFile(dir.path() / "log.txt")), 2);
}

struct OutputFault {
  const char* name;
  std::string option;
  std::string path;
  std::uint64_t fileSizeLimit;  // bytes; a write past it fails as on a full disk
  std::string reason;           // the system's, in the message
};

class OutputFaults : public testing::TestWithParam<OutputFault> {};

TEST_P(OutputFaults, FailTheRunWithTheFileAndTheReason) {
  const OutputFault& c = GetParam();
  if (c.fileSizeLimit != replay_test::NoFileSizeLimit && !replay_test::CanLimitFileSize()) {
    GTEST_SKIP() << "no file size limits here";
  }
  TempDir dir;
  WriteFile(dir.path() / "a.drive", "click 0 0\nctrl L\ntick 10\n");
  const replay_test::Run run =
      RunReplay({"a.drive", c.option, c.path}, dir.path(), c.fileSizeLimit);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find(c.path), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find(c.reason), std::string::npos) << run.errors;
}

// The limits leave room for the message itself, which goes to a file too.
constexpr std::uint64_t Unlimited = replay_test::NoFileSizeLimit, Small = 512, Tiny = 64;
INSTANTIATE_TEST_SUITE_P(
    Files, OutputFaults,
    testing::Values(OutputFault{"NoFolder", "--canvas", "no/such/folder/c.png", Unlimited,
                                "No such file or directory"},
                    OutputFault{"NoFolderForTheLog", "--log", "no/such/folder/log.txt", Unlimited,
                                "No such file or directory"},
                    OutputFault{"CanvasTooLarge", "--canvas", "c.png", Small, "File too large"},
                    OutputFault{"WindowTooLarge", "--window", "w.png", Small, "File too large"},
                    OutputFault{"LogTooLarge", "--log", "log.txt", Small, "File too large"},
                    OutputFault{"EventsTooLarge", "--events", "events.txt", Tiny,
                                "File too large"}),
    [](const auto& info) { return info.param.name; });

// A log past the limit fails the run with its message; the events, a file of their own, are
// all written, as a run without the limit writes them.
TEST(FileSizeLimit, ALogPastItKeepsTheOtherOutputs) {
  if (!replay_test::CanLimitFileSize()) GTEST_SKIP() << "no file size limits here";
  TempDir dir;
  WriteFile(dir.path() / "a.drive", "click 0 0\nctrl L\ntick 10\n");
  ASSERT_EQ(RunReplay({"a.drive", "--events", "whole.txt"}, dir.path()).exitCode, 0);
  const replay_test::Run run =
      RunReplay({"a.drive", "--log", "log.txt", "--events", "events.txt"}, dir.path(), Small);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find("log.txt: cannot write: File too large"), std::string::npos)
      << run.errors;
  EXPECT_EQ(ReadFile(dir.path() / "events.txt"), ReadFile(dir.path() / "whole.txt"));
}

// A recording past the limit does not end the run, and the lines written before it are kept.
TEST(FileSizeLimit, ARecordingPastItKeepsWhatWasWritten) {
  if (!replay_test::CanLimitFileSize()) GTEST_SKIP() << "no file size limits here";
  TempDir dir;
  std::string drive = "click 0 0\nctrl R\n";
  for (int i = 0; i < 10; ++i) drive += "click 0 0\n";
  WriteFile(dir.path() / "a.drive", drive);
  const replay_test::Run run = RunReplay({"a.drive"}, dir.path(), Tiny);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  const std::string recorded = replay_test::ReadText(dir.path() / "PZ417.SCR");
  const std::string line = "PZ417_MOUSE(0, 0);\n";
  EXPECT_TRUE(recorded.starts_with(line + line + line)) << recorded;
}

}  // namespace
