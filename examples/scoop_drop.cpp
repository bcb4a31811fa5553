// Scoop Drop: scoops fall from the sky, one at a time; move the cone under them and catch them.
// Three missed scoops end the game. A program on the PZ417 kit, written against its one header:
// the kit's event loop hands out presses, typed keys and timer ticks, and every frame is drawn
// again from the game's state with the kit's primitives.

#include <pz417/kit.h>

namespace {

constexpr int Filled = 0;
constexpr int GroundY = -200;  // the cone's tip
constexpr int RimY = -120;     // the cone's rim, where a scoop is caught
constexpr int RimHalfWidth = 34;
constexpr int ScoopRadius = 24;
constexpr int SkyTop = 210;  // below the header
constexpr int FieldHalfWidth = 270;
constexpr int ConeStep = 30;  // how far a key moves the cone
constexpr int MaxMisses = 3;

struct Flavour {
  int colour;
  const char* name;
};
constexpr Flavour Flavours[] = {
    {KitColor::Pink, "strawberry"}, {KitColor::Chalk, "vanilla"}, {KitColor::Brown, "chocolate"},
    {KitColor::Turquoise, "mint"},  {KitColor::Peach, "peach"},
};
constexpr int FlavourCount = sizeof(Flavours) / sizeof(Flavours[0]);

struct Game {
  int coneX = 0;
  int scoopX = 0;
  int scoopY = SkyTop;
  int flavour = 0;
  int restingFlavour = -1;  // the last scoop caught, sitting in the cone; -1 for none
  int caught = 0;
  int missed = 0;
  unsigned seed = 417;  // the same game every run, so that a recorded session replays alike
};

int Clamp(int value, int low, int high) {
  return value < low ? low : value > high ? high : value;
}

// A small linear congruential generator: where the next scoop falls and its flavour.
unsigned NextRandom(Game& g) {
  g.seed = g.seed * 1103515245u + 12345u;
  return (g.seed >> 16) & 0x7fff;
}

void DropNewScoop(Game& g) {
  g.scoopX = static_cast<int>(NextRandom(g) % (2 * FieldHalfWidth + 1)) - FieldHalfWidth;
  g.scoopY = SkyTop + ScoopRadius;
  g.flavour = static_cast<int>(NextRandom(g) % FlavourCount);
}

bool Over(const Game& g) {
  return g.missed >= MaxMisses;
}

// Where a resting scoop's centre is, above the rim.
constexpr int RestingRise = ScoopRadius - 8;

// One timer tick: the scoop falls, faster as the score grows, and is caught or missed. A caught
// scoop lands on the rim, or on the scoop already resting there.
void Fall(Game& g) {
  g.scoopY -= 8 + 2 * (g.caught / 3);
  const bool overRim = g.scoopX >= g.coneX - RimHalfWidth && g.scoopX <= g.coneX + RimHalfWidth;
  const int landing = g.restingFlavour < 0 ? RimY : RimY + RestingRise + ScoopRadius;
  if (overRim && g.scoopY - ScoopRadius <= landing) {
    ++g.caught;
    g.restingFlavour = g.flavour;
    KitPrint("Caught a %s scoop (%d caught)\n", Flavours[g.flavour].name, g.caught);
    DropNewScoop(g);
  } else if (g.scoopY + ScoopRadius < GroundY) {
    ++g.missed;
    KitPrint("Missed a %s scoop (%d of %d)\n", Flavours[g.flavour].name, g.missed, MaxMisses);
    if (Over(g)) {
      KitPrint("Game over: %d scoop%s caught\n", g.caught, g.caught == 1 ? "" : "s");
      KitSetRunMode(RunMode::Halt);
    }
    DropNewScoop(g);
  }
}

void Restart(Game& g) {
  g.caught = 0;
  g.missed = 0;
  g.restingFlavour = -1;
  DropNewScoop(g);
  KitSetRunMode(RunMode::Animate);
}

void MoveCone(Game& g, int x) {
  g.coneX = Clamp(x, -FieldHalfWidth, FieldHalfWidth);
}

void HandleKey(Game& g, char key) {
  if (Over(g)) {
    if (key == 'r') Restart(g);
  } else if (key == 'a' || key == 'j') {
    MoveCone(g, g.coneX - ConeStep);
  } else if (key == 'd' || key == 'l') {
    MoveCone(g, g.coneX + ConeStep);
  }
}

void DrawCone(int x) {
  const int left = x - RimHalfWidth;
  const int right = x + RimHalfWidth;
  KitTriangle(KitColor::Gold, left, RimY, right, RimY, x, GroundY, Filled);
  // Grooves parallel to the sides, from the rim to the other side: the waffle's diamonds.
  constexpr int Width = 2 * RimHalfWidth;
  for (int d = Width / 4; d < Width; d += Width / 4) {
    const int depth = (RimY - GroundY) * (Width - d) / Width;
    const int across = d + (Width - d) / 2;
    KitLine(KitColor::Brown, left + d, RimY, left + across, RimY - depth, 1);
    KitLine(KitColor::Brown, right - d, RimY, right - across, RimY - depth, 1);
  }
  KitTriangle(KitColor::Brown, left, RimY, right, RimY, x, GroundY, 2);
}

void DrawScoop(int x, int y, int flavour) {
  KitCircle(Flavours[flavour].colour, x, y, ScoopRadius);
  KitOval(KitColor::Black, x - ScoopRadius, y + ScoopRadius, x + ScoopRadius, y - ScoopRadius, 1);
  KitCircle(KitColor::White, x - 9, y + 9, 4);  // a glint
}

void Draw(const Game& g) {
  KitRectangle(KitColor::IceBlue, -300, -250, 301, 251, Filled);
  KitRectangle(KitColor::SeaGreen, -300, -250, 301, GroundY, Filled);
  DrawCone(g.coneX);
  if (g.restingFlavour >= 0) DrawScoop(g.coneX, RimY + RestingRise, g.restingFlavour);
  if (!Over(g)) DrawScoop(g.scoopX, g.scoopY, g.flavour);
  // The header last, so that a new scoop comes out from under it.
  KitRectangle(KitColor::White, -300, SkyTop, 301, 251, Filled);
  KitLine(KitColor::Black, -300, SkyTop, 301, SkyTop, 1);
  KitText(KitColor::Blue, -290, 216, 20, "Scoop Drop");
  KitTextf(KitColor::Black, 110, 220, 12, "Caught %d   Missed %d of %d", g.caught, g.missed,
           MaxMisses);
  KitText(KitColor::Black, -290, -240, 10,
          "a/d or j/l move the cone, a click puts it there; Ctrl+Q quits");
  if (Over(g)) {
    KitText(KitColor::Red, -80, 40, 28, "Game over");
    KitTextf(KitColor::Black, -130, 0, 12, "%d scoop%s caught. Press r to play again.", g.caught,
             g.caught == 1 ? "" : "s");
  }
}

}  // namespace

int WinMain(KitInstance instance, KitInstance previousInstance, const char* commandLine,
            int showState) {
  KitOpen(instance, previousInstance, commandLine, showState);
  KitShowConsole(0);
  KitSetLogging(0);  // the console tells of catches and misses, not of every drawing call
  Game game;
  Restart(game);
  for (;;) {
    Draw(game);
    int x = 0;
    int y = 0;
    char key = 0;
    const int kind = KitWaitEvent(&x, &y, &key);
    if (kind == Quit) break;
    if (kind == Periodic && !Over(game)) Fall(game);
    if (kind == Key) HandleKey(game, key);
    if (kind == Mouse && !Over(game)) MoveCone(game, x);
  }
  KitClose();
  return 0;
}
