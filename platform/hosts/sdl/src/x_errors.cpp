#include "x_errors.h"

#if PZ417_HAS_X11
#include <X11/Xlib.h>

#include <cstdio>
#endif

namespace sdlhost {
namespace {

const win::Host* reportTo = nullptr;

}  // namespace

void ReportXErrorsTo(const win::Host* host) {
  reportTo = host;
}

#if PZ417_HAS_X11
namespace {

int ReportXError(Display* display, XErrorEvent* error) {
  char text[160] = {};
  XGetErrorText(display, error->error_code, text, sizeof text);
  char message[256] = {};
  std::snprintf(message, sizeof message, "X error ignored: %s (request %d, resource 0x%lx)", text,
                error->request_code, error->resourceid);
  if (reportTo != nullptr) reportTo->Report(pz417::Failure(message));
  return 0;
}

}  // namespace

void IgnoreXErrors() {
  XSetErrorHandler(ReportXError);
}
#else
void IgnoreXErrors() {}
#endif

}  // namespace sdlhost
