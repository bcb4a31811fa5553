#include "session_record.h"

#include <cstdio>
#include <fstream>

#include "pz417/kit.h"
#include "pz417/kit_tools.h"
#include "raster/png.h"
#include "win/window.h"

namespace replay {
namespace {

std::string EventLine(int kind, int x, int y, signed char key) {
  switch (kind) {
    case Mouse:
      return "Mouse " + std::to_string(x) + " " + std::to_string(y) + "\n";
    case Key:
      return "Key " + std::to_string(key) + "\n";
    case Periodic:
      return "Periodic\n";
    case Quit:
      return "Quit\n";
    default:
      return "Event " + std::to_string(kind) + "\n";
  }
}

bool WriteText(const std::string& path, const std::string& text, std::string* error) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) *error = "cannot write the file";
  return static_cast<bool>(out);
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

void SessionRecord::Attach() {
  KitSetPrintHook([this](std::string_view message) { log_ += message; });
  KitSetEventHook(
      [this](int kind, int x, int y, signed char key) { events_ += EventLine(kind, x, y, key); });
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
    std::fprintf(stderr, "frosty-replay: %s: %s\n", path.c_str(), error.c_str());
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
  writeIfAsked(options.logText, [this](const std::string& path, std::string* error) {
    return WriteText(path, log_, error);
  });
  writeIfAsked(options.eventsText, [this](const std::string& path, std::string* error) {
    return WriteText(path, events_, error);
  });
  return !failed_;
}

}  // namespace replay
