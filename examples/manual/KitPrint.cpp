// Lines on the console, formatted as printf formats them, and what
// KitPrint returns.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitSetLogging(0);
  KitClear();
  KitText(KitColor::Black, -150, 0, 16, "The lines are on the console");
  const int count = KitPrint("%d scoops of %s\n", 3, "vanilla");
  KitPrint("that line was %d characters long\n", count);
  KitPrint("%-8s|%6.2f|%04x|%c\n", "left", 3.14159, 255, 'k');
  KitPrint("\n");  // an empty line
  KitPrint("the last line\n");
  int x, y;
  char key;
  while (KitWaitEvent(&x, &y, &key) != Quit) {
  }
  KitClose();
  return 0;
}
