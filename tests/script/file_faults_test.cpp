// A script file that cannot be opened, read or written: one message each time, and the program
// goes on. Tests run as root, so faults come from what the file is, not from permissions.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "file_size_limit.h"
#include "script_session.h"

namespace {

namespace fs = std::filesystem;

const std::string CannotOpenToRead = "Cannot open script file PZ417.SCR for reading\n";
const std::string CannotOpenToWrite = "Cannot open script file PZ417.SCR for writing\n";
const std::string CannotWrite = "Cannot write to script file PZ417.SCR\n";

// Each returns false where the machine cannot set its fault up (Windows has no /proc, and
// Wine no symbolic links).
bool NoFile() {
  return true;
}
bool DirectoryInItsPlace() {
  return fs::create_directory("PZ417.SCR");
}
bool DanglingLink() {
  std::error_code failed;
  fs::create_symlink("nowhere/PZ417.SCR", "PZ417.SCR", failed);
  return !failed;
}
// Even root cannot create a file at the top of the process file system.
bool UnwritableDirectory() {
  std::error_code failed;
  fs::current_path("/proc", failed);
  return !failed;
}
// Opening a FIFO waits for a program on its other end, which never comes.
bool FifoInItsPlace() {
#ifdef _WIN32
  return false;
#else
  return ::mkfifo("PZ417.SCR", 0644) == 0;
#endif
}
bool EmptyFile() {
  return std::ofstream("PZ417.SCR").good();
}

struct FaultCase {
  const char* name;
  bool (*arrange)();
  std::vector<std::string> messages;
  friend void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }
};

// Two Periodic events and a press: the pending run and the press each fail on their own.
class RecordingFault : public ScriptSession, public testing::WithParamInterface<FaultCase> {};

TEST_P(RecordingFault, ReportsEachLineAndRecordingGoesOn) {
  if (!GetParam().arrange()) GTEST_SKIP() << "this fault cannot be set up here";
  KitShowConsole(0);
  KitSetRunMode(RunMode::Animate);
  kit::RecordScriptCommand();
  input.Tick(2);
  Click(1, 1);
  for (int i = 0; i < 3; ++i) Wait();
  EXPECT_EQ(printed, GetParam().messages);
  EXPECT_TRUE(win::IsWindowVisible(Console())) << "the hidden console shows the message";
  EXPECT_TRUE(Checked(RecordItem));
  EXPECT_EQ(kit::State().periodicCount, 0) << "the run is dropped, not kept for later";
  kit::RecordScriptCommand();
  EXPECT_EQ(printed, GetParam().messages) << "stopping with nothing pending writes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Files, RecordingFault,
    testing::Values(
        FaultCase{
            "DirectoryInItsPlace", DirectoryInItsPlace, {CannotOpenToWrite, CannotOpenToWrite}},
        FaultCase{
            "UnwritableDirectory", UnwritableDirectory, {CannotOpenToWrite, CannotOpenToWrite}},
        FaultCase{"FifoInItsPlace", FifoInItsPlace, {CannotOpenToWrite, CannotOpenToWrite}}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

// A file that takes no line: in a child process, as the fault is a limit on the process's files.
using RecordingFaultDeathTest = ScriptSession;

TEST_F(RecordingFaultDeathTest, AFileThatTakesNoLineReportsEachLine) {
  SKIP_WITHOUT_FILE_SIZE_LIMIT();
  EXPECT_EXIT(
      {
        std::vector<std::string> seen;
        {
          const FileSizeLimit nothingFits(0);
          KitSetRunMode(RunMode::Animate);
          kit::RecordScriptCommand();
          input.Tick(2);
          Click(1, 1);
          for (int i = 0; i < 3; ++i) Wait();
          seen = printed;
        }
        for (const std::string& message : seen) std::fputs(message.c_str(), stderr);
        std::exit(seen == std::vector<std::string>{CannotWrite, CannotWrite} ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

class PlaybackFault : public ScriptSession, public testing::WithParamInterface<FaultCase> {};

TEST_P(PlaybackFault, ReportsOnceAndEndsPlayback) {
  if (!GetParam().arrange()) GTEST_SKIP() << "this fault cannot be set up here";
  KitShowConsole(0);
  kit::PlaybackScriptCommand();
  EXPECT_EQ(EventsBeforeLiveInput(), std::vector<Event>{});
  EXPECT_EQ(printed, GetParam().messages);
  EXPECT_TRUE(win::IsWindowVisible(Console())) << "the hidden console shows the message";
  EXPECT_FALSE(Checked(PlaybackItem));
}

INSTANTIATE_TEST_SUITE_P(
    Files, PlaybackFault,
    testing::Values(FaultCase{"NoFile", NoFile, {CannotOpenToRead}},
                    FaultCase{"DanglingLink", DanglingLink, {CannotOpenToRead}},
                    FaultCase{"DirectoryInItsPlace", DirectoryInItsPlace, {CannotOpenToRead}},
                    FaultCase{"FifoInItsPlace", FifoInItsPlace, {CannotOpenToRead}},
                    FaultCase{"EmptyFile", EmptyFile, {EndOfScriptMessage}}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

}  // namespace
