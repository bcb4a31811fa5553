// Step 1 of the tutorial: draw a picture and wait for a click.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous, const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitShowConsole(0);  // the console, for later steps
  KitSetLogging(0);   // no line on the console for every drawing call
  KitClear();
  KitRectangle(KitColor::IceBlue, -200, 150, 200, -150, 0);
  KitCircle(KitColor::Pink, 0, 30, 60);
  KitTriangle(KitColor::Gold, -50, -20, 50, -20, 0, -140, 0);
  KitText(KitColor::NavyBlue, -85, 200, 24, "Hello, PZ417");
  KitText(KitColor::Black, -75, -170, 12, "Click to end the program");

  int x, y;
  char key;
  int event;
  do {
    event = KitWaitEvent(&x, &y, &key);
  } while (event != Mouse && event != Quit);
  KitClose();
  return 0;
}
