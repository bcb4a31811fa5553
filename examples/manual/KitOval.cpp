// Ovals in their bounding boxes, filled and outlined, and a circle's
// outline, which only KitOval draws.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitClear();
  KitOval(KitColor::Pink, -270, 80, -30, -80, 0);
  KitRectangle(KitColor::Black, 30, 80, 270, -80, 1);
  KitOval(KitColor::Magenta, 30, 80, 270, -80, 1);
  KitOval(KitColor::Black, -50, 200, 50, 100, 3);  // a circle
  int x, y;
  char key;
  while (KitWaitEvent(&x, &y, &key) != Quit) {
  }
  KitClose();
  return 0;
}
