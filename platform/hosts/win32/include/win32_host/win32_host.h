#pragma once
// The Windows host: the window system's windows as real top-level windows, through user32 and
// gdi32.
//
// Implements:
//  - ScreenSize: the primary screen (SM_CXSCREEN, SM_CYSCREEN), in window pixels.
//  - SetScale / Scale: each window pixel shown as scale x scale screen pixels (StretchDIBits,
//    nearest neighbour), input mapped back; chosen from the screen's density at Open.
//  - NowMs: GetTickCount64.
//  - PumpInput: the thread's native messages as Input* calls (left presses, moves and releases
//    at content pixels, the button captured while held; keys with their virtual-key codes,
//    auto-repeat and the characters the platform translates them to; focus, close requests,
//    exposes, the console's resizes).
//  - WaitForInput: MsgWaitForMultipleObjectsEx until input or the deadline, so an idle program
//    costs no CPU.
//  - NativeWindowSet (native_windows.h): one native window each, whose client area is exactly
//    the window's content (menu bar over client area), the frame the platform's; a present
//    keeps and invalidates the damaged boxes of the composed pixels, drawn on WM_PAINT
//    (SetDIBitsToDevice, or StretchDIBits at a scale).
//  - Failures (a window the platform will not make) go to the failure report.
// Not here: queue order, menus, painting and every pixel, which the window system decides.

#include <memory>
#include <string>

#include "pz417/status.h"
#include "win/native_host.h"

namespace win32host {

class Win32Host final : public win::NativeWindowsHost {
 public:
  // Registers the native window class, or says why it cannot.
  static pz417::Result<std::unique_ptr<Win32Host>> Open();
  ~Win32Host() override;

  win::Size ScreenSize() override;
  std::int64_t NowMs() override;
  void PumpInput() override;
  void WaitForInput(std::optional<std::int64_t> deadlineMs) override;

 private:
  struct State;
  explicit Win32Host(std::unique_ptr<State> state);

  std::unique_ptr<State> state_;
};

// A GUI program has no console to print to: the message goes to a message box titled with the
// program's name.
void ShowError(const std::string& programName, const std::string& message);

}  // namespace win32host
