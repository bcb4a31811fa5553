// Step 4 of the tutorial: type a line, Return prints it on the console, BackSpace takes back
// the last character.
#include <pz417/kit.h>

#include <string>

void Draw(const std::string& line, int printed) {
  KitClear();
  KitText(KitColor::Black, -280, 200, 14, "Type a line; Return prints it on the console.");
  KitRectangle(KitColor::Gray50, -285, 150, 285, 110, 1);
  KitText(KitColor::NavyBlue, -278, 115, 24, (line + "_").c_str());
  KitTextf(KitColor::Black, -280, 80, 12, "%d lines printed", printed);
}

int WinMain(KitInstance instance, KitInstance previous, const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitSetLogging(0);
  KitShowConsole(1);
  KitPrint("Type in the graphics window.\n");

  std::string line;
  int printed = 0;
  int x, y;
  char key;
  for (;;) {
    Draw(line, printed);
    const int event = KitWaitEvent(&x, &y, &key);
    if (event == Quit) break;
    if (event != Key) continue;
    if (key == '\r') {
      KitPrint("%d: %s\n", ++printed, line.c_str());
      line.clear();
    } else if (key == '\b') {
      if (!line.empty()) line.pop_back();
    } else if (key >= ' ') {
      line += key;
    }
  }
  KitClose();
  return 0;
}
