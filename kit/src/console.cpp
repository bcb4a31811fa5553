// The text console: the ring of the last 25 messages, KitPrint, and the console's procedure.

#include <algorithm>
#include <array>
#include <climits>
#include <cstdarg>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
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

// The lines drawn one under another at the bottom, the console scrolled up by all of them at once:
// the same pixels as a scroll and a line each, as every line paints only its own band.
void DrawBacklog() {
  ConsoleBacklog& backlog = TheKit().backlog;
  const win::WindowId console = State().consoleWindow;
  if (backlog.count == 0 || console == 0) return;
  const std::int64_t h = LineHeight();
  const raster::Rect client = win::GetClientRect(console);
  // A move by the whole height or more leaves every row as it was, as the lines cover them all.
  const std::int64_t scroll = std::min<std::int64_t>(
      static_cast<std::int64_t>(std::min<std::size_t>(backlog.count, INT_MAX / h)) * h,
      client.height());
  win::ScrollClient(console, static_cast<int>(-scroll));
  std::int64_t top = client.bottom - h * static_cast<std::int64_t>(backlog.lines.size());
  for (const std::string& line : backlog.lines) {
    win::FillClientRect(console, {client.left, top, client.right, top + h + 1}, ConsoleBackground);
    win::TextOut(console, client.left + LeftMargin, top, line, ConsoleFace, ConsoleFontSize);
    top += h;
  }
  backlog.lines.clear();
  backlog.count = 0;
}

// `text` becomes the console's new bottom line, drawn when the console's pixels are needed.
void HoldLine(const char* text) {
  const win::WindowId console = State().consoleWindow;
  if (console == 0) return;
  std::string_view line(text);
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  ConsoleBacklog& backlog = TheKit().backlog;
  backlog.lines.emplace_back(line);
  ++backlog.count;
  // The lines that show whole, and one for a part of a line at the top.
  const std::int64_t fit = win::GetClientRect(console).height() / LineHeight() + 1;
  while (static_cast<std::int64_t>(backlog.lines.size()) > fit) backlog.lines.pop_front();
}

void RepaintConsole(win::WindowId window) {
  const ConsoleRing& ring = TheKit().console;
  TheKit().backlog = {};
  win::BeginPaint(window);
  for (int a = ring.first, count = 0; a >= 0 && (a != ring.next || count == 0);
       a = Advance(a), ++count) {
    HoldLine(ring.slots[static_cast<std::size_t>(a)].get());
  }
  DrawBacklog();
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

void HoldConsoleDrawing(win::WindowId console) {
  win::SetDrawingFinisher(console, DrawBacklog);
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
  kit::HoldLine(buffer);
  return count;
}

int KitShowConsole(int show) {
  return win::ShowWindow(kit::State().consoleWindow, show != 0) ? 1 : 0;
}

void KitSetPrintHook(std::function<void(std::string_view)> hook) {
  kit::TheKit().hooks.print = std::move(hook);
}
