// Lines of widths 0 to 4 fanning out from one point, and a negative
// width, which is drawn as its positive twin after a notice.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitClear();
  for (int width = 0; width <= 4; ++width) {
    KitLine(KitColor::NavyBlue, -200, -150, 200, -100 + 60 * width,
            width);
  }
  KitLine(KitColor::Red, -200, 150, 200, 150, -3);
  int x, y;
  char key;
  while (KitWaitEvent(&x, &y, &key) != Quit) {
  }
  KitClose();
  return 0;
}
