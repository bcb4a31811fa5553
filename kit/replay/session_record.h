#pragma once
// What the replay entry keeps of a run: the console messages and the events, written to their files
// as they happen, and the windows and the canvas as last seen, written once the program has ended.

#include <string>

#include "options.h"
#include "pz417/status.h"
#include "raster/bitmap.h"
#include "text_output.h"

namespace replay {

class SessionRecord {
 public:
  // Opens the text outputs the options ask for and hooks them into the kit, and has the windows
  // and the canvas kept when the program closes the kit; call before the program starts. A
  // failure names the output: "PATH: why".
  pz417::Status Open(const Options& options);
  // Keeps what the graphics and console windows show now. A window the user closed is gone
  // when the program ends, so this runs before every close and once more as the kit closes.
  void CaptureWindows();
  // Writes the canvas as it is now; a failure is kept for WriteOutputs to report.
  void SnapshotCanvas(const std::string& path);
  // Writes the pictures the options ask for and finishes the text outputs. A failure names
  // every output of the run that failed, snapshots first, one "PATH: why" a line in the order
  // they happened.
  pz417::Status WriteOutputs(const Options& options);

 private:
  void Note(const std::string& path, const pz417::Status& written);

  TextOutput log_;
  TextOutput events_;
  raster::Bitmap window_;
  raster::Bitmap console_;
  raster::Bitmap canvas_;
  std::string failures_;  // one a line
};

}  // namespace replay
