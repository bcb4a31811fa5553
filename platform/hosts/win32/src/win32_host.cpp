#include "win32_host/win32_host.h"

#include <algorithm>
#include <climits>

#include "native_windows.h"
#include "win/scale.h"
#include "windows_api.h"

namespace win32host {
namespace {

bool IsKeyDown(UINT message) {
  return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

bool IsKeyUp(UINT message) {
  return message == WM_KEYUP || message == WM_SYSKEYUP;
}

// The character the platform translates a key down to: it posts WM_CHAR (WM_SYSCHAR with Alt)
// right behind the key, which is taken here so the window system gets key and character as one.
int TranslatedCharacter(const MSG& key) {
  TranslateMessage(&key);
  MSG character;
  for (const UINT kind : {WM_CHAR, WM_SYSCHAR}) {
    if (PeekMessageA(&character, key.hwnd, kind, kind, PM_REMOVE)) {
      return static_cast<int>(character.wParam & 0xFF);
    }
  }
  return -1;
}

// The scale the screen's density asks for. The process says it draws for the real density, or
// the platform would stretch its windows itself, blurred.
int ScaleOfTheScreen() {
  SetProcessDPIAware();
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return win::ScaleThatFits(win::ScaleForDpi(dpi),
                            {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

DWORD TimeoutUntil(std::optional<std::int64_t> deadlineMs, std::int64_t nowMs) {
  if (!deadlineMs) return INFINITE;
  return static_cast<DWORD>(std::clamp<std::int64_t>(*deadlineMs - nowMs, 0, INT_MAX));
}

}  // namespace

struct Win32Host::State {
  NativeWindows windows;
};

pz417::Result<std::unique_ptr<Win32Host>> Win32Host::Open() {
  if (!NativeWindows::RegisterClass()) {
    return pz417::Failure("cannot register the window class (error " +
                          std::to_string(GetLastError()) + ")");
  }
  std::unique_ptr<Win32Host> host(new Win32Host(std::make_unique<State>()));
  host->SetScale(ScaleOfTheScreen());
  return host;
}

Win32Host::Win32Host(std::unique_ptr<State> state)
    : NativeWindowsHost(state->windows), state_(std::move(state)) {}

Win32Host::~Win32Host() = default;

win::Size Win32Host::ScreenSize() {
  const int scale = state_->windows.Scale();
  return {win::Unscaled(GetSystemMetrics(SM_CXSCREEN), scale),
          win::Unscaled(GetSystemMetrics(SM_CYSCREEN), scale)};
}

std::int64_t Win32Host::NowMs() {
  return static_cast<std::int64_t>(GetTickCount64());
}

void Win32Host::PumpInput() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    const bool ours = state_->windows.Find(message.hwnd) != 0;
    if (ours && IsKeyDown(message.message)) {
      // Alt+F4 is the frame's own: the platform turns it into a close request.
      if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4) {
        DispatchMessageA(&message);
        continue;
      }
      // Bit 30: the key was already down, so auto-repeat sent this one.
      const bool repeat = (message.lParam & (1L << 30)) != 0;
      win::InputKeyDown(static_cast<int>(message.wParam), TranslatedCharacter(message), repeat);
    } else if (ours && IsKeyUp(message.message)) {
      win::InputKeyUp(static_cast<int>(message.wParam));
    } else if (ours && (message.message == WM_CHAR || message.message == WM_SYSCHAR)) {
      // A character with no key of its own (typed with Alt and the keypad, or by an IME).
      win::InputChar(static_cast<int>(message.wParam & 0xFF));
    } else {
      DispatchMessageA(&message);
    }
  }
}

void Win32Host::WaitForInput(std::optional<std::int64_t> deadlineMs) {
  MsgWaitForMultipleObjectsEx(0, nullptr, TimeoutUntil(deadlineMs, NowMs()), QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
}

void ShowError(const std::string& programName, const std::string& message) {
  MessageBoxA(nullptr, message.c_str(), programName.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace win32host
