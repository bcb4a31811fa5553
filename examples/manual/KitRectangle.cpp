// Rectangles filled and outlined; corners may come in any order, and
// both corners belong to the box.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitClear();
  KitRectangle(KitColor::Blue, -250, 100, -50, -100, 0);
  KitRectangle(KitColor::Yellow, -150, -50, -200, 50, 0);  // swapped
  KitRectangle(KitColor::Black, 50, 90, 250, -90, 1);
  KitRectangle(KitColor::Red, 80, 60, 220, -60, 6);
  KitRectangle(KitColor::Red, 150, 0, 150, 0, 0);  // one point
  int x, y;
  char key;
  while (KitWaitEvent(&x, &y, &key) != Quit) {
  }
  KitClose();
  return 0;
}
