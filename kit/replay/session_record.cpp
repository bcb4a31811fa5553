#include "session_record.h"

#include "entry_text.h"
#include "pictures.h"
#include "pz417/kit_tools.h"
#include "raster/png.h"
#include "win/window.h"

namespace replay {
namespace {

void WriteEvent(TextOutput& events, int kind, int x, int y, signed char key) {
  events.Write(entry::EventLine(kind, x, y, key) + "\n");
}

void Capture(win::WindowId window, raster::Bitmap& into) {
  if (win::IsWindow(window)) into = win::ComposeWindow(window);
}

pz417::Status OpenText(TextOutput& output, const std::string& path) {
  const pz417::Status opened = output.Open(path);
  return opened ? opened : pz417::Failure(path + ": " + opened.error());
}

}  // namespace

pz417::Status SessionRecord::Open(const Options& options) {
  if (!options.logText.empty()) {
    if (pz417::Status opened = OpenText(log_, options.logText); !opened) return opened;
    KitSetPrintHook([this](std::string_view message) { log_.Write(message); });
  }
  if (!options.eventsText.empty()) {
    if (pz417::Status opened = OpenText(events_, options.eventsText); !opened) return opened;
    KitSetEventHook(
        [this](int kind, int x, int y, signed char key) { WriteEvent(events_, kind, x, y, key); });
  }
  KitSetCloseHook([this] {
    CaptureWindows();
    canvas_ = KitCanvas();
  });
  return {};
}

void SessionRecord::CaptureWindows() {
  Capture(KitGraphicsWindow(), window_);
  Capture(KitConsoleWindow(), console_);
}

void SessionRecord::SnapshotCanvas(const std::string& path) {
  Note(path, raster::WritePng(KitCanvas(), path));
}

void SessionRecord::Note(const std::string& path, const pz417::Status& written) {
  if (written) return;
  if (!failures_.empty()) failures_ += '\n';
  failures_ += path + ": " + written.error();
}

pz417::Status SessionRecord::WriteOutputs(const Options& options) {
  const auto writeIfAsked = [this](const std::string& path, const raster::Bitmap& picture,
                                   auto write) {
    if (!path.empty()) Note(path, write(picture, path));
  };
  writeIfAsked(options.canvasPng, canvas_, raster::WritePng);
  writeIfAsked(options.windowPng, window_, SavePicture);
  writeIfAsked(options.consolePng, console_, SavePicture);
  Note(options.logText, log_.Close());
  Note(options.eventsText, events_.Close());
  return failures_.empty() ? pz417::Status() : pz417::Failure(failures_);
}

}  // namespace replay
