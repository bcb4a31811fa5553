// The text console: the ring of the last 25 messages, KitPrint, and the console's procedure.

#include <array>
#include <cstdarg>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

#include "kit_state.h"
#include "pz417/kit.h"
#include "pz417/kit_tools.h"
#include "text_format.h"

namespace kit {
namespace {

// The stock fixed-pitch font: 8 x 13 cells and no external leading, so lines are 13 pixels apart.
constexpr raster::Face ConsoleFace = raster::Face::Fixed;
constexpr int ConsoleFontSize = 0;  // a bitmap face has one size
constexpr int LeftMargin = 5;
constexpr raster::Color ConsoleBackground = raster::Rgb(255, 255, 255);

int Advance(int index) {
  return index == ConsoleRingSize - 1 ? 0 : index + 1;
}

void StoreMessage(const char* text, std::size_t length) {
  ConsoleRing& ring = TheKit().console;
  if (ring.first == ring.next) {
    ring.slots[static_cast<std::size_t>(ring.first)].reset();
    ring.first = Advance(ring.first);
  }
  auto copy = std::make_unique<char[]>(length + 1);
  std::memcpy(copy.get(), text, length + 1);
  ring.slots[static_cast<std::size_t>(ring.next)] = std::move(copy);
  if (ring.first < 0) ring.first = ring.next;
  ring.next = Advance(ring.next);
}

int LineHeight() {
  const raster::FontMetrics metrics = raster::GetFontMetrics(ConsoleFace, ConsoleFontSize);
  return metrics.height + metrics.externalLeading;
}

// Scrolls the console up one line and writes `text` as the new bottom line.
void ConsoleDrawLine(const char* text) {
  const win::WindowId console = State().consoleWindow;
  if (console == 0) return;
  const int h = LineHeight();
  win::ScrollClient(console, -h);
  const raster::Rect client = win::GetClientRect(console);
  win::FillClientRect(console, {client.left, client.bottom - h, client.right, client.bottom + 1},
                      ConsoleBackground);
  std::size_t n = std::strlen(text);
  if (n > 0 && text[n - 1] == '\n') --n;
  win::TextOut(console, client.left + LeftMargin, client.bottom - h, std::string_view(text, n),
               ConsoleFace, ConsoleFontSize);
}

void RepaintConsole(win::WindowId window) {
  const ConsoleRing& ring = TheKit().console;
  win::BeginPaint(window);
  for (int a = ring.first, count = 0; a >= 0 && (a != ring.next || count == 0);
       a = Advance(a), ++count) {
    ConsoleDrawLine(ring.slots[static_cast<std::size_t>(a)].get());
  }
  win::EndPaint(window);
}

}  // namespace

std::intptr_t ConsoleWindowProc(win::WindowId window, win::Msg msg, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  switch (msg) {
    case win::Msg::Paint:
      RepaintConsole(window);
      return 0;
    case win::Msg::KeyDown:
    case win::Msg::KeyUp:
      win::PostMessage(State().graphicsWindow, msg, wParam, lParam);
      return 0;
    // KitPrint draws into the console for as long as the kit runs, so closing only hides it.
    case win::Msg::Close:
      win::ShowWindow(window, false);
      return 0;
    default:
      return win::DefWindowProc(window, msg, wParam, lParam);
  }
}

// A console shown already keeps its place and leaves the keyboard where it is.
void ShowConsoleIfHidden() {
  if (!win::IsWindowVisible(State().consoleWindow)) KitShowConsole(1);
}

}  // namespace kit

int KitPrint(const char* format, ...) {
  char buffer[kit::FormatBufferSize];
  va_list args;
  va_start(args, format);
  const int count = kit::FormatCut(buffer, format, args);
  va_end(args);
  const std::size_t length = std::strlen(buffer);
  kit::StoreMessage(buffer, length);
  const auto& onPrint = kit::TheKit().hooks.print;
  if (onPrint) onPrint(std::string_view(buffer, length));
  kit::ConsoleDrawLine(buffer);
  return count;
}

int KitShowConsole(int show) {
  return win::ShowWindow(kit::State().consoleWindow, show != 0) ? 1 : 0;
}

void KitSetPrintHook(std::function<void(std::string_view)> hook) {
  kit::TheKit().hooks.print = std::move(hook);
}
