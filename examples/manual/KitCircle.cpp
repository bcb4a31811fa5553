// A target of five discs, each drawn over the last; then a negative
// radius and a colour out of range, and the notices they print.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitClear();
  for (int ring = 0; ring < 5; ++ring) {
    const int colour = ring % 2 ? KitColor::White : KitColor::Red;
    KitCircle(colour, 0, 0, 100 - 20 * ring);
  }
  KitCircle(KitColor::Blue, -200, 150, -30);  // radius 30
  KitCircle(24, 200, 150, 30);                // red
  int x, y;
  char key;
  while (KitWaitEvent(&x, &y, &key) != Quit) {
  }
  KitClose();
  return 0;
}
