#include "native_windows.h"

#include <algorithm>
#include <string>

#include "win/host.h"
#include "win/scale.h"

namespace win32host {
namespace {

constexpr const char* ClassName = "PZ417HostWindow";

DWORD StyleOf(win::WindowId window) {
  return win::GetWindowStyle(window) == win::Style::Overlapped
             ? WS_OVERLAPPEDWINDOW
             : WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

// The outer size that gives the window a client area of `client` screen pixels.
SIZE FrameFor(DWORD style, win::Size client) {
  RECT rect{0, 0, client.width, client.height};
  AdjustWindowRectEx(&rect, style, FALSE, 0);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// Our bitmaps hold 0x00RRGGBB words, which is a top-down 32-bit DIB's layout.
BITMAPINFO DibOf(const raster::Bitmap& pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = pixels.width();
  info.bmiHeader.biHeight = -pixels.height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// Paints the whole picture, each pixel a scale x scale block: the paint's clip region keeps it
// to the invalid boxes, and no source rectangle of a top-down bitmap has to be reckoned from
// its bottom.
void Draw(HDC dc, const raster::Bitmap& pixels, int scale) {
  if (pixels.width() <= 0 || pixels.height() <= 0) return;
  const BITMAPINFO info = DibOf(pixels);
  if (scale == 1) {
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(pixels.width()),
                      static_cast<DWORD>(pixels.height()), 0, 0, 0,
                      static_cast<UINT>(pixels.height()), pixels.row(0), &info, DIB_RGB_COLORS);
    return;
  }
  SetStretchBltMode(dc, COLORONCOLOR);  // nearest neighbour: whole blocks, nothing blended
  StretchDIBits(dc, 0, 0, pixels.width() * scale, pixels.height() * scale, 0, 0, pixels.width(),
                pixels.height(), pixels.row(0), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace

NativeWindows::~NativeWindows() {
  for (auto& [window, native] : natives_) DestroyWindow(native.hwnd);
}

bool NativeWindows::RegisterClass() {
  WNDCLASSEXA cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = Procedure;
  cls.hInstance = GetModuleHandleA(nullptr);
  cls.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  cls.lpszClassName = ClassName;
  return RegisterClassExA(&cls) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

pz417::Status NativeWindows::Create(win::WindowId window) {
  const raster::Bitmap content = win::ComposeWindow(window);
  const raster::Rect outer = win::GetWindowRect(window);
  const DWORD style = StyleOf(window);
  const SIZE frame = FrameFor(style, Scaled({content.width(), content.height()}));
  Native& native = natives_[window];
  native.shown = content;
  native.sizing = true;
  native.hwnd = CreateWindowExA(0, ClassName, win::GetWindowTitle(window).c_str(), style,
                                static_cast<int>(outer.left), static_cast<int>(outer.top), frame.cx,
                                frame.cy, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  native.sizing = false;
  if (native.hwnd != nullptr) return {};
  const DWORD error = GetLastError();
  natives_.erase(window);
  return pz417::Failure("cannot make a window (error " + std::to_string(error) + ")");
}

void NativeWindows::Show(win::WindowId window, bool visible) {
  if (Native* native = Lookup(window)) ShowWindow(native->hwnd, visible ? SW_SHOW : SW_HIDE);
}

void NativeWindows::Destroy(win::WindowId window) {
  Native* native = Lookup(window);
  if (native == nullptr) return;
  const HWND hwnd = native->hwnd;
  natives_.erase(window);
  DestroyWindow(hwnd);
}

pz417::Status NativeWindows::Present(win::WindowId window, const raster::Bitmap& pixels,
                                     std::span<const raster::Rect> damage) {
  Native* native = Lookup(window);
  if (native == nullptr || pixels.width() <= 0 || pixels.height() <= 0) return {};
  native->ownPaint = true;
  if (pixels.width() != native->shown.width() || pixels.height() != native->shown.height()) {
    FitFrameTo(*native, Scaled({pixels.width(), pixels.height()}));
    native->shown = pixels;
    InvalidateRect(native->hwnd, nullptr, FALSE);
    return {};
  }
  for (const raster::Rect& box : damage) {
    native->shown.copyFrom(pixels, box.left, box.top, box.width(), box.height(), box.left, box.top);
    const RECT screen{static_cast<LONG>(box.left * scale_), static_cast<LONG>(box.top * scale_),
                      static_cast<LONG>(box.right * scale_),
                      static_cast<LONG>(box.bottom * scale_)};
    InvalidateRect(native->hwnd, &screen, FALSE);
  }
  return {};
}

win::WindowId NativeWindows::Find(HWND hwnd) const {
  for (const auto& [window, native] : natives_) {
    if (native.hwnd == hwnd) return window;
  }
  return 0;
}

LRESULT CALLBACK NativeWindows::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<NativeWindows*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  const win::WindowId window = self != nullptr ? self->Find(hwnd) : 0;
  Native* native = window != 0 ? self->Lookup(window) : nullptr;
  if (native == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return self->Handle(window, *native, message, wParam, lParam);
}

LRESULT NativeWindows::Handle(win::WindowId window, Native& native, UINT message, WPARAM wParam,
                              LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      // Held, the button's moves and release come here wherever they go, as the menus need.
      SetCapture(native.hwnd);
      win::InputPress(window, ContentX(lParam), ContentY(lParam));
      return 0;
    case WM_MOUSEMOVE:
      win::InputMouseMove(window, ContentX(lParam), ContentY(lParam));
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      win::InputRelease(window, ContentX(lParam), ContentY(lParam));
      return 0;
    case WM_SETFOCUS:
      win::InputFocus(window, GetKeyState(VK_CONTROL) < 0);
      return 0;
    case WM_KILLFOCUS:
      // wParam: the window that gets the keyboard, if any.
      if (Find(reinterpret_cast<HWND>(wParam)) == 0) win::InputFocusLeft();
      return 0;
    case WM_CLOSE:
      // The window system decides whether the window goes.
      win::InputClose(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // every pixel is painted from what was presented
    case WM_PAINT:
      Paint(window, native);
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) Resized(window, native, LOWORD(lParam), HIWORD(lParam));
      return 0;
    default:
      return DefWindowProcA(native.hwnd, message, wParam, lParam);
  }
}

void NativeWindows::Paint(win::WindowId window, Native& native) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(native.hwnd, &paint);
  Draw(dc, native.shown, scale_);
  EndPaint(native.hwnd, &paint);
  // The platform lost what it showed: the program is told, as the classic desktop tells it.
  if (!native.ownPaint) win::InputExpose(window);
  native.ownPaint = false;
}

// Only a size the user gave the window is news; our own sizes come back here too.
void NativeWindows::Resized(win::WindowId window, Native& native, int width, int height) {
  const win::Size content{win::ContentLength(width, scale_), win::ContentLength(height, scale_)};
  if (native.sizing ||
      (content.width == native.shown.width() && content.height == native.shown.height())) {
    return;
  }
  win::InputResize(window, content.width, content.height - win::MenuBarRows(window));
}

void NativeWindows::FitFrameTo(Native& native, win::Size client) {
  const SIZE frame = FrameFor(static_cast<DWORD>(GetWindowLongA(native.hwnd, GWL_STYLE)), client);
  native.sizing = true;
  SetWindowPos(native.hwnd, nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  native.sizing = false;
}

void NativeWindows::SetScale(int scale) {
  scale_ = scale;
}

win::Size NativeWindows::Scaled(win::Size content) const {
  return {std::max(content.width, 1) * scale_, std::max(content.height, 1) * scale_};
}

int NativeWindows::ContentX(LPARAM lParam) const {
  return win::Unscaled(GET_X_LPARAM(lParam), scale_);
}

int NativeWindows::ContentY(LPARAM lParam) const {
  return win::Unscaled(GET_Y_LPARAM(lParam), scale_);
}

NativeWindows::Native* NativeWindows::Lookup(win::WindowId window) {
  const auto found = natives_.find(window);
  return found == natives_.end() ? nullptr : &found->second;
}

}  // namespace win32host
