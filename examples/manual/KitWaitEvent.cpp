// Prints every event it is given. It animates, so it gets a Periodic
// event at each timer tick, and between ticks whatever the user does.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitSetLogging(0);
  KitClear();
  KitText(KitColor::Black, -150, 0, 16,
          "The events are on the console");
  KitSetRunMode(RunMode::Animate);
  int x, y;
  char key;
  int event;
  while ((event = KitWaitEvent(&x, &y, &key)) != Quit) {
    if (event == Mouse) KitPrint("Mouse at (%d, %d)\n", x, y);
    if (event == Key) KitPrint("Key %d\n", key);
    if (event == Periodic) KitPrint("Periodic\n");
  }
  KitPrint("Quit\n");
  KitClose();
  return 0;
}
