// The default window procedure: what a window does with the messages its own procedure leaves.

#include "menu_internal.h"

namespace win {

std::intptr_t DefWindowProc(WindowId window, Msg msg, std::uintptr_t wParam,
                            std::intptr_t /*lParam*/) {
  const int code = static_cast<int>(wParam);
  switch (msg) {
    case Msg::Close:
      DestroyWindow(window);
      break;
    case Msg::Paint:
      BeginPaint(window);
      EndPaint(window);
      break;
    case Msg::SysKeyDown:
      detail::MenuSysKeyDown(code);
      break;
    case Msg::SysKeyUp:
      detail::MenuSysKeyUp(window, code);
      break;
    case Msg::SysChar:
      detail::MenuSysChar(window, code);
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace win
