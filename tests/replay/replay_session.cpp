#include "replay_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "raster/png.h"

namespace replay_test {
namespace {

constexpr std::string_view RedrawStart =
    "white rectangle with bounding box (-300,250) to (300,-250), filled";
constexpr int OriginX = 297;
constexpr int OriginY = 248;

}  // namespace

TempDir::TempDir() {
  std::random_device entropy;
  for (int tried = 0; tried < 100; ++tried) {
    path_ = std::filesystem::temp_directory_path() / ("frosty-test-" + std::to_string(entropy()));
    if (std::filesystem::create_directory(path_)) return;
  }
  throw std::runtime_error("cannot make a folder");
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void RunDrive(std::string_view drive, Session& session) {
  const std::filesystem::path& dir = session.dir.path();
  WriteFile(dir / "session.drive", drive);
  session.run = RunReplay(
      {"session.drive", "--log", "log.txt", "--events", "events.txt", "--canvas", "canvas.png"},
      dir);
  session.log = ReadFile(dir / "log.txt");
  session.events = ReadFile(dir / "events.txt");
  if (session.run.exitCode != 0) return;
  pz417::Result<raster::Bitmap> canvas = raster::ReadPng((dir / "canvas.png").string());
  if (canvas) {
    session.canvas = *std::move(canvas);
  } else {
    ADD_FAILURE() << "canvas.png: " << canvas.error();
  }
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::filesystem::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> LastRedraw(std::string_view log) {
  std::vector<std::string> lines = Lines(log);
  const auto start = std::find(lines.rbegin(), lines.rend(), RedrawStart);
  if (start == lines.rend()) return {};
  return {std::prev(start.base()), lines.end()};
}

int RedrawCount(std::string_view log) {
  return CountOf(Lines(log), RedrawStart);
}

int CountOf(const std::vector<std::string>& lines, std::string_view line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

raster::Color KitPixel(const raster::Bitmap& canvas, int x, int y) {
  const int px = OriginX + x;
  const int py = OriginY - y;
  return canvas.contains(px, py) ? canvas.pixel(px, py) : 0xFFFFFFFFu;
}

}  // namespace replay_test
