// What the Xvfb suite needs of X that xdotool does not do, for a desktop without a window
// manager:
//   frosty-x-helper close WINDOW   asks the window to close, as a frame's close button does
//                                  (WM_DELETE_WINDOW), where xdotool would kill the program
//   frosty-x-helper cover WINDOW   lays another window over it for a moment, so that the
//                                  server, which keeps no copy, asks it to draw itself again

#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace {

constexpr auto CoverTime = std::chrono::milliseconds(300);

int Usage() {
  std::fputs("usage: frosty-x-helper close|cover WINDOW\n", stderr);
  return 2;
}

void SendDeleteWindow(Display* display, Window window) {
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
}

bool Cover(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
  XSetWindowAttributes wanted = {};
  wanted.override_redirect = True;
  wanted.background_pixel = BlackPixel(display, DefaultScreen(display));
  const Window cover = XCreateWindow(
      display, DefaultRootWindow(display), attributes.x, attributes.y,
      static_cast<unsigned>(attributes.width), static_cast<unsigned>(attributes.height), 0,
      CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &wanted);
  XMapRaised(display, cover);
  XSync(display, False);
  std::this_thread::sleep_for(CoverTime);
  XDestroyWindow(display, cover);
  XSync(display, False);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const std::string_view what = argv[1];
  char* end = nullptr;
  const Window window = std::strtoul(argv[2], &end, 0);
  if (end == argv[2] || *end != '\0' || (what != "close" && what != "cover")) return Usage();
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("frosty-x-helper: cannot open the display\n", stderr);
    return 1;
  }
  bool done = true;
  if (what == "close") {
    SendDeleteWindow(display, window);
  } else {
    done = Cover(display, window);
  }
  XCloseDisplay(display);
  if (!done) std::fprintf(stderr, "frosty-x-helper: no window %s\n", argv[2]);
  return done ? 0 : 1;
}
