// The console: what KitPrint returns, the ring of 25 messages and the repaint from it.

#include <algorithm>
#include <string>
#include <vector>

#include "kit_session.h"

namespace {

std::string Message(int n) {
  return "message number " + std::to_string(n) + "\n";
}

class TextConsole : public KitSession {
 protected:
  // A console tall enough for all 25 stored lines; the resize erases it and repaints the ring.
  void Enlarge() {
    input.Resize(Console(), 700, 600);
    Click(0, 0);
    Wait();
  }
  raster::Bitmap RepaintedAfterPrinting(int first, int last) {
    for (int n = first; n <= last; ++n) KitPrint("%s", Message(n).c_str());
    Enlarge();
    return win::ClientPixels(Console());
  }
  void Restart() {
    TearDown();
    printed.clear();
    SetUp();
  }
};

TEST_F(TextConsole, PrintReturnsTheFormattedCount) {
  EXPECT_EQ(KitPrint("%s", ""), 0);
  EXPECT_EQ(KitPrint("Clearing the graphics window\n"), 29);
  EXPECT_EQ(KitPrint("%d-%s", 42, "x"), 4);
  // A NUL inside the text counts as formatted, though the console line ends there.
  EXPECT_EQ(KitPrint("ab%cde", 0), 5);
  EXPECT_EQ(printed.back(), "ab");
}

TEST_F(TextConsole, OverlongMessageIsCutAt1023Characters) {
  const std::string longText(5000, 'x');
  EXPECT_EQ(KitPrint("%s", longText.c_str()), 1023);
  ASSERT_FALSE(printed.empty());
  EXPECT_EQ(printed.back(), std::string(1023, 'x'));
}

TEST_F(TextConsole, RepaintBeforeAnyMessageLeavesItBlank) {
  Enlarge();
  const raster::Bitmap& pixels = win::ClientPixels(Console());
  for (raster::Color c : pixels.pixels()) ASSERT_EQ(c, raster::Rgb(255, 255, 255));
}

// The 26th message pushes the first out: a repaint shows messages 2 to 26, exactly as if only
// those had been printed.
TEST_F(TextConsole, RepaintShowsTheLast25MessagesOldestFirst) {
  const raster::Bitmap all = RepaintedAfterPrinting(1, 26);
  Restart();
  const raster::Bitmap last25 = RepaintedAfterPrinting(2, 26);
  EXPECT_TRUE(all == last25);
  Restart();
  const raster::Bitmap first25 = RepaintedAfterPrinting(1, 25);
  EXPECT_FALSE(all == first25);
  // And 25 are kept, not fewer: the first of 25 messages is still shown.
  Restart();
  EXPECT_FALSE(first25 == RepaintedAfterPrinting(2, 25));
}

// Uncovered, a console taller than its 25 lines repaints over an erased client area, as a resize
// repaints it: nothing of what it showed before stays above the lines.
TEST_F(TextConsole, ExposeOfATallConsoleEqualsAFreshPaint) {
  const raster::Bitmap fresh = RepaintedAfterPrinting(1, 40);
  input.Call([this] { win::InputExpose(Console()); });
  Click(0, 0);
  Wait();
  EXPECT_TRUE(win::ClientPixels(Console()) == fresh);
}

TEST_F(TextConsole, RepaintOfAFewMessagesEqualsPrintingThem) {
  const raster::Bitmap repainted = RepaintedAfterPrinting(1, 3);
  Restart();
  Enlarge();
  for (int n = 1; n <= 3; ++n) KitPrint("%s", Message(n).c_str());
  EXPECT_TRUE(win::ClientPixels(Console()) == repainted);
}

struct NewlineCase {
  const char* name;
  const char* a;
  const char* b;
  bool same;
};

class ConsoleLines : public TextConsole, public ::testing::WithParamInterface<NewlineCase> {};

// Only a trailing newline is dropped; every message is exactly one line.
TEST_P(ConsoleLines, LookSameOrDifferent) {
  const NewlineCase c = GetParam();
  KitPrint("first\n");
  KitPrint("%s", c.a);
  const raster::Bitmap a = win::ClientPixels(Console());
  Restart();
  KitPrint("first\n");
  KitPrint("%s", c.b);
  EXPECT_EQ(win::ClientPixels(Console()) == a, c.same);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ConsoleLines,
    ::testing::Values(NewlineCase{"TrailingNewlineDropped", "text\n", "text", true},
                      NewlineCase{"NewlineAloneIsAnEmptyLine", "\n", "", true},
                      NewlineCase{"InnerNewlineKept", "one\ntwo\n", "onetwo", false},
                      NewlineCase{"OnlyOneTrailingNewlineDropped", "x\n\n", "x\n", false},
                      NewlineCase{"EmptyMessageIsALine", "", "nothing", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextConsole, EveryMessageScrollsByOneLine) {
  KitPrint("top\n");
  const raster::Bitmap before = win::ClientPixels(Console());
  KitPrint("%s", "");
  const raster::Bitmap& after = win::ClientPixels(Console());
  const raster::FontMetrics m = raster::GetFontMetrics(raster::Face::Fixed, 12);
  const int h = m.height + m.externalLeading;
  for (int y = 0; y + h < before.height(); ++y) {
    for (int x = 0; x < before.width(); ++x) {
      ASSERT_EQ(after.pixel(x, y), before.pixel(x, y + h)) << x << "," << y;
    }
  }
}

TEST_F(TextConsole, ShowConsoleReportsEarlierVisibility) {
  EXPECT_NE(KitShowConsole(0), 0);
  EXPECT_EQ(KitShowConsole(0), 0);
  EXPECT_EQ(KitShowConsole(1), 0);
  EXPECT_NE(KitShowConsole(1), 0);
}

TEST_F(TextConsole, ShowingTheShownConsoleGivesItTheKeyboard) {
  Focus(Graphics());
  input.Call([] { KitShowConsole(1); });
  input.Type("k");
  EXPECT_EQ(Wait(), (Event{Key, 0, 0, 'k'}));
  EXPECT_EQ(win::FocusedWindow(), Console());
}

TEST_F(TextConsole, ClosingTheConsoleOnlyHidesIt) {
  input.Close(Console());
  Click(0, 0);
  EXPECT_EQ(Wait().kind, Mouse);
  EXPECT_TRUE(win::IsWindow(Console()));
  EXPECT_FALSE(win::IsWindowVisible(Console()));
  EXPECT_EQ(KitSetLogging(1), 1);
  EXPECT_TRUE(win::IsWindowVisible(Console()));
}

// The classic stock fixed-pitch font: 8 x 13 cells, lines 13 pixels apart with no leading.
// Printing `after` gives the picture of printing `before` moved by (dx, dy).
struct CellCase {
  const char* name;
  std::vector<const char*> before, after;
  int dx, dy;
};

const CellCase cellCases[] = {
    {"OneSpaceIsOneCell", {"Mg|"}, {" Mg|"}, 8, 0},
    {"ThreeSpacesAreThreeCells", {"Mg|"}, {"   Mg|"}, 24, 0},
    {"NoBreakSpaceIsOneCell", {"Mg|"}, {"\xA0Mg|"}, 8, 0},
    {"AnEmptyMessageIsOneLine", {"Mg|"}, {"Mg|", ""}, 0, -13},
    {"ThreeMessagesAreThreeLines", {"Mg|"}, {"Mg|", "", "\n", ""}, 0, -39},
};

class ConsoleCells : public TextConsole, public ::testing::WithParamInterface<CellCase> {
 protected:
  raster::Bitmap Printed(const std::vector<const char*>& messages) {
    Restart();
    for (const char* m : messages) KitPrint("%s", m);
    return win::ClientPixels(Console());
  }
};

TEST_P(ConsoleCells, MoveTextByWholeCellsAndLines) {
  const CellCase& c = GetParam();
  const raster::Bitmap before = Printed(c.before);
  const raster::Bitmap after = Printed(c.after);
  int ink = 0;
  for (int y = std::max(0, -c.dy); y < before.height(); ++y) {
    for (int x = 0; x + c.dx < before.width(); ++x) {
      ink += before.pixel(x, y) == 0 ? 1 : 0;
      ASSERT_EQ(after.pixel(x + c.dx, y + c.dy), before.pixel(x, y)) << x << "," << y;
    }
  }
  EXPECT_GT(ink, 0);
}

INSTANTIATE_TEST_SUITE_P(Console, ConsoleCells, ::testing::ValuesIn(cellCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Lines printed between two looks at the console are drawn together; what shows is what looking
// after every line shows, whatever the console's height.
struct HeldCase {
  const char* name;
  int height, lines;
};

const HeldCase heldCases[] = {
    {"OneLine", 200, 1},         {"FewerThanFit", 200, 7}, {"ExactlyFit", 195, 15},
    {"OneMoreThanFit", 195, 16}, {"PartRowOnTop", 100, 9}, {"ManyMore", 100, 60},
    {"LowerThanALine", 9, 5},
};

class HeldLines : public TextConsole, public ::testing::WithParamInterface<HeldCase> {
 protected:
  raster::Bitmap Printed(bool lookAfterEach) {
    Restart();
    input.Resize(Console(), 700, GetParam().height);
    Click(0, 0);
    Wait();
    for (int n = 0; n < GetParam().lines; ++n) {
      KitPrint("%s", Message(n).c_str());
      if (lookAfterEach) win::ClientPixels(Console());
    }
    return win::ClientPixels(Console());
  }
};

TEST_P(HeldLines, LookSameAsLinesDrawnOneByOne) {
  const raster::Bitmap together = Printed(false);
  EXPECT_EQ(together.height(), GetParam().height);
  EXPECT_TRUE(together == Printed(true));
}

INSTANTIATE_TEST_SUITE_P(Console, HeldLines, ::testing::ValuesIn(heldCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
