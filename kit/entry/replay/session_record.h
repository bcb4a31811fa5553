#pragma once
// What the replay entry keeps of a run: the console messages and the events, written to their files
// as they happen, and the windows as last seen, written once the program has ended.

#include <string>
#include <utility>

#include "options.h"
#include "raster/bitmap.h"
#include "text_output.h"

namespace replay {

class SessionRecord {
 public:
  // `programName` starts every message about an output.
  explicit SessionRecord(std::string programName) : programName_(std::move(programName)) {}

  // Opens the text outputs the options ask for and hooks them into the kit; call before the
  // program starts. False, with the reason on stderr, when one cannot be made.
  bool Open(const Options& options);
  // Keeps what the graphics and console windows show now. A window the user closed is gone
  // when the program ends, so this runs before every close and once more at the end.
  void CaptureWindows();
  // Writes the canvas as it is now; a failure is reported and remembered.
  void SnapshotCanvas(const std::string& path);
  // Writes the pictures the options ask for and finishes the text outputs; false if any of them
  // (or a snapshot) failed.
  bool WriteOutputs(const Options& options);

 private:
  bool Report(bool ok, const std::string& path, const std::string& error);
  bool OpenText(TextOutput& output, const std::string& path);

  std::string programName_;
  TextOutput log_;
  TextOutput events_;
  raster::Bitmap window_;
  raster::Bitmap console_;
  bool failed_ = false;
};

}  // namespace replay
