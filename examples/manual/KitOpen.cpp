// The smallest program: open the kit, draw, wait until the graphics
// window is closed, close the kit. Logging is on when the kit opens, so
// each drawing call prints a line to the console.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitClear();
  KitText(KitColor::Black, -70, 10, 20, "Hello, PZ417");
  int x, y;
  char key;
  while (KitWaitEvent(&x, &y, &key) != Quit) {
  }
  KitClose();
  return 0;
}
