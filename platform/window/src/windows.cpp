// Window classes, windows, their frames and client areas, showing and hiding.

#include <algorithm>
#include <string>

#include "menu_internal.h"
#include "system.h"

namespace win {
namespace {

using detail::Sys;
using detail::WindowRec;

// Bigger client areas are refused so a wild size cannot exhaust memory.
constexpr int MaxClientSide = 8192;

const detail::WindowClassRec* FindClass(std::string_view name) {
  for (const auto& cls : Sys().classes) {
    if (cls.name == name) return &cls;
  }
  return nullptr;
}

int ClampSide(std::int64_t side) {
  return static_cast<int>(std::clamp<std::int64_t>(side, 0, MaxClientSide));
}

// What the frame, the caption and the menu bar take around the client area.
Size FrameExtent(const WindowRec& rec) {
  const int frame = detail::FrameThickness(rec.style);
  return {2 * frame, 2 * frame + CaptionHeight + MenuBarRows(rec)};
}

Size ClientSizeInFrame(const WindowRec& rec) {
  const Size extent = FrameExtent(rec);
  return {ClampSide(rec.outer.width() - extent.width),
          ClampSide(rec.outer.height() - extent.height)};
}

Size ClientSize(const WindowRec& rec) {
  return {rec.client.width(), rec.client.height()};
}

void SendClientSize(WindowId window) {
  const WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return;
  const Size size = ClientSize(*rec);
  detail::SendMessage(window, Msg::Size, 0, detail::PackPoint(size.width, size.height));
}

}  // namespace

namespace detail {

int FrameThickness(Style style) {
  return style == Style::Caption ? 3 : 4;
}

void ResizeClient(WindowId window, Size size) {
  WindowRec* rec = FindWindow(window);
  if (rec == nullptr) return;
  size = {ClampSide(size.width), ClampSide(size.height)};
  if (size == ClientSize(*rec)) return;
  FinishDrawing(*rec);
  rec->client.resize(size.width, size.height, rec->background);
  DamageWholeWindow(window);
  const Size extent = FrameExtent(*rec);
  rec->outer.right = rec->outer.left + size.width + extent.width;
  rec->outer.bottom = rec->outer.top + size.height + extent.height;
  InvalidateWindow(window, true);
  SendClientSize(window);
}

void FitClientToFrame(WindowId window) {
  const WindowRec* rec = FindWindow(window);
  if (rec != nullptr) ResizeClient(window, ClientSizeInFrame(*rec));
}

void SetFocusToNewestVisible() {
  auto& windows = Sys().windows;
  const auto found = std::find_if(windows.rbegin(), windows.rend(),
                                  [](const auto& entry) { return entry.second.visible; });
  Sys().focus = found == windows.rend() ? 0 : found->first;
}

}  // namespace detail

pz417::Status RegisterClass(std::string_view name, WindowProc proc, raster::Color background) {
  if (!detail::SystemLives()) return detail::NoSystem("RegisterClass");
  if (proc == nullptr || FindClass(name) != nullptr) {
    return pz417::Failure("RegisterClass: no procedure, or the class \"" + std::string(name) +
                          "\" exists already");
  }
  Sys().classes.push_back({std::string(name), proc, background});
  return {};
}

pz417::Result<WindowId> CreateWindow(std::string_view className, std::string_view title,
                                     Style style, int x, int y, int width, int height) {
  const detail::WindowClassRec* cls = FindClass(className);
  if (cls == nullptr) {
    return pz417::Failure("CreateWindow: no window class \"" + std::string(className) + "\"");
  }
  WindowRec rec;
  rec.title = std::string(title);
  rec.style = style;
  rec.outer = {x, y, std::int64_t{x} + width, std::int64_t{y} + height};
  rec.proc = cls->proc;
  rec.background = cls->background;
  const Size client = ClientSizeInFrame(rec);
  rec.client = raster::Bitmap(client.width, client.height, cls->background);
  const WindowId window = ++Sys().lastWindowId;
  Sys().windows.emplace(window, std::move(rec));
  Host& host = detail::CurrentHost();
  host.Report(host.WindowCreated(window));
  detail::SendMessage(window, Msg::Create, 0, 0);
  SendClientSize(window);
  return window;
}

void DestroyWindow(WindowId window) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr || rec->destroying) return;
  rec->destroying = true;
  if (Sys().tracking.window == window) detail::CloseMenu();
  detail::SendMessage(window, Msg::Destroy, 0, 0);
  Sys().windows.erase(window);
  detail::DropMessagesOf(window);
  detail::KillTimersOf(window);
  if (Sys().focus == window) detail::SetFocusToNewestVisible();
  detail::CurrentHost().WindowDestroyed(window);
}

bool IsWindow(WindowId window) {
  return detail::FindWindow(window) != nullptr;
}

bool ShowWindow(WindowId window, bool show) {
  WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return false;
  const bool wasVisible = rec->visible;
  if (wasVisible && show) {
    Sys().focus = window;  // showing a shown window still activates it
    detail::CurrentHost().WindowShown(window, true);
    return true;
  }
  if (!wasVisible && !show) return false;
  rec->visible = show;
  if (show) {
    detail::DamageWholeWindow(window);
    InvalidateWindow(window, true);
    Sys().focus = window;  // showing activates, as on the classic desktop
  } else {
    if (Sys().tracking.window == window) detail::CloseMenu();
    if (Sys().focus == window) detail::SetFocusToNewestVisible();
  }
  detail::CurrentHost().WindowShown(window, show);
  return wasVisible;
}

bool IsWindowVisible(WindowId window) {
  const WindowRec* rec = detail::FindWindow(window);
  return rec != nullptr && rec->visible;
}

raster::Rect GetClientRect(WindowId window) {
  const WindowRec* rec = detail::FindWindow(window);
  if (rec == nullptr) return {};
  return {0, 0, rec->client.width(), rec->client.height()};
}

raster::Rect GetWindowRect(WindowId window) {
  const WindowRec* rec = detail::FindWindow(window);
  return rec == nullptr ? raster::Rect{} : rec->outer;
}

std::string GetWindowTitle(WindowId window) {
  const WindowRec* rec = detail::FindWindow(window);
  return rec == nullptr ? std::string() : rec->title;
}

Style GetWindowStyle(WindowId window) {
  const WindowRec* rec = detail::FindWindow(window);
  return rec == nullptr ? Style::Caption : rec->style;
}

Size GetScreenSize() {
  return detail::CurrentHost().ScreenSize();
}

}  // namespace win
