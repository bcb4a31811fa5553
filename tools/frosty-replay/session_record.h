#pragma once
// What frosty-replay keeps of a run: the console messages, the events, and the windows as last
// seen, written out once the program has ended.

#include <string>

#include "options.h"
#include "raster/bitmap.h"

namespace replay {

class SessionRecord {
 public:
  // Hooks into the kit; call before the program starts.
  void Attach();
  // Keeps what the graphics and console windows show now. A window the user closed is gone
  // when the program ends, so this runs before every close and once more at the end.
  void CaptureWindows();
  // Writes the canvas as it is now; a failure is reported and remembered.
  void SnapshotCanvas(const std::string& path);
  // Writes every output the options ask for; false if any of them (or a snapshot) failed.
  bool WriteOutputs(const Options& options);

 private:
  bool Report(bool ok, const std::string& path, const std::string& error);

  std::string log_;
  std::string events_;
  raster::Bitmap window_;
  raster::Bitmap console_;
  bool failed_ = false;
};

}  // namespace replay
