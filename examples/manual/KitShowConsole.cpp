// The c key shows or hides the console, which tells whether it was
// visible before.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitSetLogging(0);
  KitClear();
  KitText(KitColor::Black, -150, 0, 16, "c shows or hides the console");
  int visible = 0;
  KitPrint("hidden at start, it was %d\n", KitShowConsole(visible));
  int x, y;
  char key;
  int event;
  while ((event = KitWaitEvent(&x, &y, &key)) != Quit) {
    if (event != Key || key != 'c') continue;
    visible = !visible;
    const int before = KitShowConsole(visible);
    KitPrint("%s, it was %d\n", visible ? "shown" : "hidden", before);
  }
  KitClose();
  return 0;
}
