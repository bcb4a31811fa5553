// The same triangle filled, and outlined 1 and 5 pixels wide.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitClear();
  const int widths[] = {0, 1, 5};
  for (int i = 0; i < 3; ++i) {
    const int left = -260 + 180 * i;
    KitTriangle(KitColor::ForestGreen, left, -80, left + 160, -80,
                left + 80, 80, widths[i]);
  }
  int x, y;
  char key;
  while (KitWaitEvent(&x, &y, &key) != Quit) {
  }
  KitClose();
  return 0;
}
