#pragma once
// Runs the built frosty-replay as a person would run it, in a temporary folder, and reads back
// what it wrote: the console log, the events, the canvas.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "raster/bitmap.h"

namespace replay_test {

// A fresh folder that is removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct Run {
  int exitCode = -1;
  std::string output;  // what frosty-replay printed on its standard output
  std::string errors;  // and on its standard error
};

constexpr std::uint64_t NoFileSizeLimit = UINT64_MAX;
// Whether a run can be given a file size limit: a POSIX facility that Windows lacks.
bool CanLimitFileSize();

// Runs frosty-replay with `arguments` in `workingDir`. With a `fileSizeLimit`, no file of the
// run may grow past that many bytes: a write beyond fails as on a full disk.
Run RunReplay(const std::vector<std::string>& arguments, const std::filesystem::path& workingDir,
              std::uint64_t fileSizeLimit = NoFileSizeLimit);

struct Session {
  TempDir dir;
  Run run;
  std::string log;
  std::string events;
  raster::Bitmap canvas;
};

// Plays `drive` (a drive file's text) and reads --log, --events and --canvas back.
void RunDrive(std::string_view drive, Session& session);

std::string ReadFile(const std::filesystem::path& path);
// A text file as a program reads one: its line ends are '\n' whatever the platform writes.
std::string ReadText(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view text);
std::vector<std::string> Lines(std::string_view text);

// The drawing log of the last full redraw: from the backdrop's first rectangle to the end.
std::vector<std::string> LastRedraw(std::string_view log);
// How many full redraws the log holds.
int RedrawCount(std::string_view log);
int CountOf(const std::vector<std::string>& lines, std::string_view line);

// The canvas pixel that kit point (x, y) is drawn at.
raster::Color KitPixel(const raster::Bitmap& canvas, int x, int y);

}  // namespace replay_test
