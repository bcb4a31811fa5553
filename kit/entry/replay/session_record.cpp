#include "session_record.h"

#include <cstdio>

#include "pz417/kit.h"
#include "pz417/kit_tools.h"
#include "raster/png.h"
#include "win/window.h"

namespace replay {
namespace {

void WriteEvent(TextOutput& events, int kind, int x, int y, signed char key) {
  char line[48];
  switch (kind) {
    case Mouse:
      std::snprintf(line, sizeof line, "Mouse %d %d\n", x, y);
      break;
    case Key:
      std::snprintf(line, sizeof line, "Key %d\n", key);
      break;
    case Periodic:
      std::snprintf(line, sizeof line, "Periodic\n");
      break;
    case Quit:
      std::snprintf(line, sizeof line, "Quit\n");
      break;
    default:
      std::snprintf(line, sizeof line, "Event %d\n", kind);
      break;
  }
  events.Write(line);
}

void Capture(win::WindowId window, raster::Bitmap& into) {
  if (win::IsWindow(window)) into = win::ComposeWindow(window);
}

bool WritePicture(const raster::Bitmap& picture, const std::string& path, std::string* error) {
  if (picture.width() == 0) {
    *error = "the window was never shown";
    return false;
  }
  return raster::WritePng(picture, path, error);
}

}  // namespace

bool SessionRecord::Open(const Options& options) {
  if (!options.logText.empty()) {
    if (!OpenText(log_, options.logText)) return false;
    KitSetPrintHook([this](std::string_view message) { log_.Write(message); });
  }
  if (!options.eventsText.empty()) {
    if (!OpenText(events_, options.eventsText)) return false;
    KitSetEventHook(
        [this](int kind, int x, int y, signed char key) { WriteEvent(events_, kind, x, y, key); });
  }
  return true;
}

bool SessionRecord::OpenText(TextOutput& output, const std::string& path) {
  return Report(output.Open(path), path, output.Error());
}

void SessionRecord::CaptureWindows() {
  Capture(KitGraphicsWindow(), window_);
  Capture(KitConsoleWindow(), console_);
}

void SessionRecord::SnapshotCanvas(const std::string& path) {
  std::string error;
  Report(raster::WritePng(KitCanvas(), path, &error), path, error);
}

bool SessionRecord::Report(bool ok, const std::string& path, const std::string& error) {
  if (!ok) {
    std::fprintf(stderr, "%s: %s: %s\n", programName_.c_str(), path.c_str(), error.c_str());
    failed_ = true;
  }
  return ok;
}

bool SessionRecord::WriteOutputs(const Options& options) {
  const auto writeIfAsked = [this](const std::string& path, auto write) {
    std::string error;
    if (!path.empty()) Report(write(path, &error), path, error);
  };
  writeIfAsked(options.canvasPng, [](const std::string& path, std::string* error) {
    return raster::WritePng(KitCanvas(), path, error);
  });
  writeIfAsked(options.windowPng, [this](const std::string& path, std::string* error) {
    return WritePicture(window_, path, error);
  });
  writeIfAsked(options.consolePng, [this](const std::string& path, std::string* error) {
    return WritePicture(console_, path, error);
  });
  Report(log_.Close(), options.logText, log_.Error());
  Report(events_.Close(), options.eventsText, events_.Error());
  return !failed_;
}

}  // namespace replay
