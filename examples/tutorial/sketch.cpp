// Step 5 of the tutorial: each click draws a line from the last one; c clears. Record a sketch
// with Ctrl+R, clear it, and play it back with Ctrl+P.
#include <pz417/kit.h>

void Start() {
  KitClear();
  KitText(KitColor::Black, -290, 228, 12, "Click to draw, c clears. Ctrl+R records, Ctrl+P plays.");
}

int WinMain(KitInstance instance, KitInstance previous, const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitShowConsole(0);
  KitSetLogging(0);
  Start();

  bool drawing = false;
  int lastX = 0, lastY = 0;
  int x, y;
  char key;
  int event;
  while ((event = KitWaitEvent(&x, &y, &key)) != Quit) {
    if (event == Key && key == 'c') {
      Start();
      drawing = false;
    }
    if (event != Mouse) continue;
    if (drawing) KitLine(KitColor::Purple, lastX, lastY, x, y, 3);
    KitCircle(KitColor::Purple, x, y, 4);
    lastX = x;
    lastY = y;
    drawing = true;
  }
  KitClose();
  return 0;
}
