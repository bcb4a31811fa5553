#pragma once
// A window system on a test host, with a window procedure that records what it is sent.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "win/host.h"
#include "win/window.h"

namespace window_test {

constexpr raster::Color Background = 0x336699;

// A host whose clock the test sets, which records what the window system asks of it.
class TestHost final : public win::Host {
 public:
  win::Size ScreenSize() override { return {1024, 768}; }
  std::int64_t NowMs() override { return now; }
  void PumpInput() override {
    if (onPump) onPump();
  }
  void WaitForInput(std::optional<std::int64_t> deadlineMs) override {
    deadlines.push_back(deadlineMs);
    calls.push_back("wait");
    if (onWait) onWait();
  }
  void WindowShown(win::WindowId window, bool visible) override {
    calls.push_back((visible ? "shown " : "hidden ") + std::to_string(window));
  }
  void WindowDestroyed(win::WindowId window) override {
    calls.push_back("destroyed " + std::to_string(window));
  }
  void Present(win::WindowId window, const raster::Bitmap& pixels,
               std::span<const raster::Rect> /*damage*/) override {
    calls.push_back("present " + std::to_string(window));
    presented.push_back(pixels);
  }

  std::int64_t now = 0;
  std::vector<std::optional<std::int64_t>> deadlines;
  std::vector<std::string> calls;
  std::vector<raster::Bitmap> presented;
  std::function<void()> onWait;
  std::function<void()> onPump;
};

// Every message the test class's procedure was sent, in order.
std::vector<win::Message>& Received();

// Paint, Close and the system keys go on to the default procedure, as a program's would.
std::intptr_t RecordingProc(win::WindowId window, win::Msg msg, std::uintptr_t wParam,
                            std::intptr_t lParam);

// Builds the graphics window's Run menu (the sixteen entries) and gives the window its bar.
win::MenuId BuildRunMenu(win::WindowId window);

// A window system of its own for every test, on the test host or on the host a fixture names.
class WindowSystemTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Ends the system while the host it runs on still exists.
  void TearDown() override;
  virtual win::Host& SystemHost() { return host; }

  // A shown window of the test class with nothing left waiting.
  win::WindowId MakeWindow(win::Style style = win::Style::Caption, int width = 601,
                           int height = 540);
  // The graphics window: 601 x 540 with the Run menu, shown, nothing waiting.
  win::WindowId MakeGraphicsWindow();
  // One turn of a program's loop: peek, translate, dispatch. The message taken, if any.
  std::optional<win::Message> Step();
  // Steps until nothing waits; every message taken, in order.
  std::vector<win::Message> Drain();
  // The messages of these kinds the procedure received since the last call.
  std::vector<win::Message> ReceivedOf(std::initializer_list<win::Msg> kinds);

  TestHost host;
  std::optional<win::WindowSystem> system;
  std::size_t seen_ = 0;
};

std::string Describe(const win::Message& m);
std::vector<std::string> Describe(const std::vector<win::Message>& messages);

}  // namespace window_test
