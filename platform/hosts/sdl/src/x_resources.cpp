#include "x_resources.h"

#if PZ417_HAS_X11
#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <cstdlib>
#endif

namespace sdlhost {

#if PZ417_HAS_X11
double XftDpi() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 0;
  double dpi = 0;
  if (const char* resources = XResourceManagerString(display)) {
    XrmInitialize();
    if (XrmDatabase database = XrmGetStringDatabase(resources)) {
      char* type = nullptr;
      XrmValue value{};
      if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
        dpi = std::strtod(value.addr, nullptr);
      }
      XrmDestroyDatabase(database);
    }
  }
  XCloseDisplay(display);
  return dpi;
}
#else
double XftDpi() {
  return 0;
}
#endif

}  // namespace sdlhost
