// Logging is on when the kit opens: every drawing call prints a line.
// Off, only the notices about bad arguments are printed.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitClear();
  KitCircle(KitColor::Gold, 0, 0, 60);
  KitSetLogging(0);
  KitCircle(KitColor::Orange, 0, 0, 40);  // not logged
  KitCircle(30, 0, 0, 20);                // only its notice
  KitSetLogging(1);                       // and shows the console
  KitLine(KitColor::Black, -100, 0, 100, 0, 1);
  int x, y;
  char key;
  while (KitWaitEvent(&x, &y, &key) != Quit) {
  }
  KitClose();
  return 0;
}
