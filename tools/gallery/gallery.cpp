// kit-gallery: pictures of every drawing call of the kit, drawn through the kit's own calls on
// the headless host. Usage: kit-gallery OUTDIR

#include <cstdio>
#include <functional>
#include <string>

#include "headless/headless_host.h"
#include "pictures.h"
#include "pz417/kit.h"
#include "pz417/kit_tools.h"
#include "raster/png.h"
#include "scripted_input.h"
#include "win/host.h"

namespace {

void Primitives() {
  KitTextf(0, -290, 225, 14, "Every primitive, filled and outlined");
  KitCircle(2, -220, 140, 50);
  KitOval(4, -140, 190, -20, 90, 0);
  KitOval(4, 0, 190, 120, 90, 2);
  KitRectangle(3, 140, 190, 280, 90, 0);
  KitRectangle(9, 150, 180, 270, 100, 3);
  KitTriangle(13, -280, -40, -160, -40, -220, 60, 0);
  KitTriangle(8, -140, -40, -20, -40, -80, 60, 1);
  for (int i = 0; i < 12; ++i)
    KitLine(i % 24, 20, 10, 20 + 100 * (i % 4 - 1), 10 + 30 * (i / 4) - 20, 1);
  KitLine(19, 160, -40, 280, 60, 5);
  KitText(0, -280, -80, 16, "KitText: line one\nand line two");
  KitTextf(10, 20, -80, 16, "KitTextf: %d scoops, %s", 3, "cherry on top");
}

void Colours() {
  KitTextf(0, -290, 225, 14, "The 24 colours");
  const char* const names[] = {"black",      "white",    "red",       "green",   "blue",
                               "yellow",     "magenta",  "cyan",      "purple",  "navy blue",
                               "dusty plum", "ice blue", "turquoise", "orange",  "brown",
                               "pink",       "chalk",    "gold",      "peach",   "forest green",
                               "sea green",  "olive",    "50% gray",  "20% gray"};
  for (int c = 0; c < 24; ++c) {
    const int x = -280 + 145 * (c % 4), y = 200 - 70 * (c / 4);
    KitRectangle(c, x, y, x + 50, y - 50, 0);
    KitRectangle(0, x, y, x + 50, y - 50, 1);
    KitTextf(0, x + 56, y - 30, 12, "%d %s", c, names[c]);
  }
}

void Widths() {
  KitTextf(0, -290, 225, 14, "Widths 0 (filled) to 4");
  for (int w = 0; w <= 4; ++w) {
    const int x = -270 + 115 * w;
    KitTextf(0, x, 200, 12, "width %d", w);
    KitRectangle(4, x, 180, x + 80, 120, w);
    KitOval(2, x, 100, x + 80, 40, w);
    KitTriangle(19, x, -60, x + 80, -60, x + 40, 20, w);
    KitLine(0, x, -90, x + 80, -150, w);
    KitLine(13, x, -180, x + 80, -180, w);
  }
}

void BadArguments() {
  KitTextf(0, -290, 225, 14, "Bad arguments and what stands in for them");
  KitCircle(99, -200, 150, 40);
  KitTextf(0, -280, 95, 11, "colour 99: red");
  KitCircle(4, -60, 150, -40);
  KitTextf(0, -120, 95, 11, "radius -40: 40");
  KitRectangle(-3, 40, 190, 140, 110, -4);
  KitTextf(0, 40, 95, 11, "colour -3, width -4");
  KitLine(3, 170, 190, 280, 110, 0);
  KitTextf(0, 170, 95, 11, "line width 0: 1");
  KitText(9, -280, 40, -200, "ptsize -200: 127");
}

void TextSizes() {
  KitTextf(0, -290, 225, 14, "Text sizes 6 to 24");
  int y = 200;
  for (int size = 6; size <= 24; size += 2) {
    KitTextf(0, -280, y, size, "%d: GLoBBo O' FRoSTy - Ice Cream Preview Machine", size);
    y -= size + 10;
  }
}

void OffCanvas() {
  KitTextf(0, -200, 225, 14, "Shapes partly off the canvas");
  KitCircle(2, -300, 0, 80);
  KitOval(4, 220, 300, 380, 150, 3);
  KitRectangle(3, 250, -200, 400, -320, 0);
  KitTriangle(13, -350, -300, -150, -260, -250, -150, 0);
  KitLine(19, -400, 300, 400, -300, 4);
  KitText(8, 200, -230, 24, "cut off at the edge");
}

bool Save(const std::string& path, const pz417::Status& saved) {
  if (!saved) std::fprintf(stderr, "kit-gallery: %s: %s\n", path.c_str(), saved.error().c_str());
  return saved.ok();
}

// The windows themselves: the Run menu open over the primitives page, the console after 30
// messages, and the console again after a resize has made it erase and repaint its last 25.
int WindowPictures(replay::ScriptedInput& input, const std::string& dir) {
  int failures = 0;
  const win::WindowId graphics = KitGraphicsWindow(), console = KitConsoleWindow();
  KitClear();
  Primitives();
  const raster::Rect run = win::GetMenuBarItemRect(graphics, 0);
  input.PressContent(graphics, static_cast<int>(run.left + 2), static_cast<int>(run.top + 2));
  input.Call([&] {
    const std::string path = dir + "/run-menu.png";
    failures += !Save(path, replay::SaveWindowPng(graphics, path));
  });
  input.Press(graphics, 400, 400);  // closes the menu
  input.Press(graphics, 400, 400);  // ends the wait
  int x, y;
  char key;
  KitWaitEvent(&x, &y, &key);
  for (int i = 1; i <= 30; ++i)
    KitPrint("Message %d of 30: every line scrolls the ones above up\n", i);
  const std::string printed = dir + "/console-30.png";
  failures += !Save(printed, replay::SaveClientPng(console, printed));
  input.Resize(console, 640, 420);
  input.Press(graphics, 400, 400);
  KitWaitEvent(&x, &y, &key);
  const std::string resized = dir + "/console-resized.png";
  failures += !Save(resized, replay::SaveClientPng(console, resized));
  return failures;
}

struct Page {
  const char* name;
  std::function<void()> draw;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kit-gallery OUTDIR\n");
    return 2;
  }
  headless::HeadlessHost host;
  replay::ScriptedInput input(host);
  win::SetHost(&host);
  KitOpen(nullptr, nullptr, "", 1);
  KitSetLogging(0);
  const Page pages[] = {{"primitives", Primitives}, {"colours", Colours},
                        {"widths", Widths},         {"bad-arguments", BadArguments},
                        {"text-sizes", TextSizes},  {"off-canvas", OffCanvas}};
  const std::string dir = argv[1];
  int failures = 0;
  for (const Page& page : pages) {
    KitClear();
    page.draw();
    const std::string path = dir + "/" + page.name + ".png";
    failures += !Save(path, raster::WritePng(KitCanvas(), path));
  }
  const std::string notices = dir + "/notices.png";
  failures += !Save(notices, replay::SaveClientPng(KitConsoleWindow(), notices));
  failures += WindowPictures(input, dir);
  KitClose();
  return failures == 0 ? 0 : 1;
}
