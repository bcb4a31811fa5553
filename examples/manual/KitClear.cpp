// A disc until the first click, then a clear canvas.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitClear();
  KitCircle(KitColor::Olive, 0, 0, 100);
  int x, y;
  char key;
  int event;
  while ((event = KitWaitEvent(&x, &y, &key)) != Quit) {
    if (event == Mouse) KitClear();
  }
  KitClose();
  return 0;
}
