#include "x_errors.h"

#if PZ417_HAS_X11
#include <X11/Xlib.h>

#include <cstdio>
#endif

namespace sdlhost {

#if PZ417_HAS_X11
namespace {

int LogXError(Display* display, XErrorEvent* error) {
  char text[160] = {};
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "frosty: X error ignored: %s (request %d, resource 0x%lx)\n", text,
               error->request_code, error->resourceid);
  return 0;
}

}  // namespace

void LogAndIgnoreXErrors() {
  XSetErrorHandler(LogXError);
}
#else
void LogAndIgnoreXErrors() {}
#endif

}  // namespace sdlhost
