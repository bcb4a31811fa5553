// The drawing primitives: their checks in order, the notices, the log lines and the results.

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "colors.h"
#include "kit_session.h"

namespace {

struct PrimitiveCase {
  const char* name;
  std::function<int()> call;
  int result;
  std::vector<std::string> printed;  // with logging on
};

class Primitive : public KitSession, public ::testing::WithParamInterface<PrimitiveCase> {};

TEST_P(Primitive, PrintsItsNoticesThenItsLogLine) {
  const PrimitiveCase& c = GetParam();
  KitSetLogging(1);
  printed.clear();
  EXPECT_EQ(c.call(), c.result);
  EXPECT_EQ(printed, c.printed);
}

TEST_P(Primitive, WithoutLoggingPrintsOnlyItsNotices) {
  const PrimitiveCase& c = GetParam();
  KitSetLogging(0);
  printed.clear();
  c.call();
  std::vector<std::string> notices(c.printed.begin(), c.printed.end() - 1);
  EXPECT_EQ(printed, notices);
}

const PrimitiveCase Cases[] = {
    {"CircleBadColour",
     [] { return KitCircle(24, 0, 0, 5); },
     1,
     {"Illegal color 24; using RED.\n", "red circle at (0,0), radius 5\n"}},
    {"CircleNegativeColour",
     [] { return KitCircle(-1, 0, 0, 5); },
     1,
     {"Illegal color -1; using RED.\n", "red circle at (0,0), radius 5\n"}},
    {"CircleColourFirst",
     [] { return KitCircle(99, 5, 5, -7); },
     1,
     {"Illegal color 99; using RED.\n", "Radius of -7 not possible, using radius 7\n",
      "red circle at (5,5), radius 7\n"}},
    {"CircleRadiusZero",
     [] { return KitCircle(0, 5, 5, 0); },
     1,
     {"black circle at (5,5), radius 0\n"}},
    {"CircleMostNegativeRadius",
     [] { return KitCircle(23, 0, 0, INT_MIN); },
     1,
     {"Radius of -2147483648 not possible, using radius 2147483647\n",
      "20% gray circle at (0,0), radius 2147483647\n"}},
    {"TriangleLogsNoWidth",
     [] { return KitTriangle(30, 1, 2, 3, 4, 5, 6, -2); },
     1,
     {"Illegal color 30; using RED.\n", "Width of -2 not possible, using width 2\n",
      "red triangle at (1,2), (3,4), (5,6)\n"}},
    {"RectangleNormalisedFilled",
     [] { return KitRectangle(0, 10, -5, -10, 5, 0); },
     1,
     {"black rectangle with bounding box (-10,5) to (10,-5), filled\n"}},
    {"RectangleColourBeforeWidth",
     [] { return KitRectangle(25, 0, 0, 4, 4, -3); },
     1,
     {"Illegal color 25; using RED.\n", "Width of -3 not possible, using width 3\n",
      "red rectangle with bounding box (0,4) to (4,0) with line width 3\n"}},
    {"OvalWidthBeforeColour",
     [] { return KitOval(25, 4, 4, 0, 0, -3); },
     1,
     {"Width of -3 not possible, using width 3\n", "Illegal color 25; using RED.\n",
      "red oval with bounding box (0,4) to (4,0), line width 3\n"}},
    {"OvalFilled",
     [] { return KitOval(11, -1, -2, 3, 4, 0); },
     1,
     {"ice blue oval with bounding box (-1,4) to (3,-2), filled\n"}},
    {"LineWidthZeroLoggedAsZero",
     [] { return KitLine(13, 0, 0, 10, 0, 0); },
     1,
     {"orange line from (0,0) to (10,0), width 0\n"}},
    {"LineWidthBeforeColour",
     [] { return KitLine(-5, 0, 0, 10, 0, -3); },
     1,
     {"Width of -3 not possible, using width 3\n", "Illegal color -5; using RED.\n",
      "red line from (0,0) to (10,0), width 3\n"}},
    {"LineMostNegativeWidth",
     [] { return KitLine(0, 0, 0, 1, 1, INT_MIN); },
     1,
     {"Width of -2147483648 not possible, using width 2147483647\n",
      "black line from (0,0) to (1,1), width 2147483647\n"}},
    {"TextSize127Silent",
     [] { return KitText(4, 1, 2, 127, "hi"); },
     1,
     {"blue text at (1,2), \"hi\"\n"}},
    {"TextSize128",
     [] { return KitText(4, 1, 2, 128, "hi"); },
     1,
     {"ptsize of 128 not possible, using ptsize 127\n", "blue text at (1,2), \"hi\"\n"}},
    {"TextSizeMinus200TwoNotices",
     [] { return KitText(40, 0, 0, -200, "x"); },
     1,
     {"ptsize of -200 not possible, using ptsize 200\n",
      "ptsize of 200 not possible, using ptsize 127\n", "Illegal color 40; using RED.\n",
      "red text at (0,0), \"x\"\n"}},
    {"TextMostNegativeSize",
     [] { return KitText(1, 0, 0, INT_MIN, ""); },
     1,
     {"ptsize of -2147483648 not possible, using ptsize 2147483647\n",
      "ptsize of 2147483647 not possible, using ptsize 127\n", "white text at (0,0), \"\"\n"}},
    {"TextfReturnsItsCount",
     [] { return KitTextf(2, 0, 0, 12, "Oops"); },
     4,
     {"red text at (0,0), \"Oops\"\n"}},
    {"TextfFormats",
     [] { return KitTextf(5, 3, 4, 12, "%d scoops", 3); },
     8,
     {"yellow text at (3,4), \"3 scoops\"\n"}},
    {"TextfCountsPastANul",
     [] { return KitTextf(0, 0, 0, 12, "ab%cde", 0); },
     5,
     {"black text at (0,0), \"ab\"\n"}},
    {"Clear", [] { return KitClear(); }, 1, {"Clearing the graphics window\n"}},
};

INSTANTIATE_TEST_SUITE_P(Calls, Primitive, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColorTable, NamesAndValues) {
  struct Expected {
    int index;
    const char* name;
    raster::Color rgb;
  };
  const Expected samples[] = {{0, "black", 0x000000},     {1, "white", 0xFFFFFF},
                              {8, "purple", 0x9900CC},    {9, "navy blue", 0x003399},
                              {14, "brown", 0x996633},    {19, "forest green", 0x006633},
                              {22, "50% gray", 0x808080}, {23, "20% gray", 0xCCCCCC}};
  for (const Expected& e : samples) {
    EXPECT_STREQ(kit::ColorTable[e.index].name, e.name);
    EXPECT_EQ(kit::ColorTable[e.index].rgb, e.rgb) << e.name;
  }
}

using Primitives = KitSession;

TEST_F(Primitives, OverlongTextIsCutInTheLogAndTheFormatResult) {
  const std::string longText(3000, 'q');
  KitSetLogging(1);
  printed.clear();
  EXPECT_EQ(KitTextf(0, 0, 0, 12, "%s", longText.c_str()), 1023);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0].size(), 1023u);
  EXPECT_EQ(printed[0].rfind("black text at (0,0), \"qqq", 0), 0u);
}

TEST_F(Primitives, PlainFormatsGiveWhatTheSameTextThroughPercentSGives) {
  // A format without conversions is copied rather than formatted: same text, same cut, same
  // count, at every length around the buffer's limit.
  KitSetLogging(1);
  for (const std::size_t length : {0u, 1u, 17u, 1022u, 1023u, 1024u, 3000u}) {
    const std::string text(length, 'p');
    printed.clear();
    const int plain = KitTextf(0, 0, 0, 12, text.c_str());
    const int viaPercentS = KitTextf(0, 0, 0, 12, "%s", text.c_str());
    EXPECT_EQ(plain, viaPercentS) << length;
    EXPECT_EQ(plain, static_cast<int>(std::min<std::size_t>(length, 1023))) << length;
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0], printed[1]) << length;
  }
}

TEST_F(Primitives, FarOffAndExtremeFiguresDoNotOverflow) {
  KitSetLogging(0);
  KitClear();
  const raster::Bitmap before = KitCanvas();
  KitCircle(2, INT_MAX, INT_MIN, INT_MAX);
  KitRectangle(3, INT_MIN, INT_MIN, INT_MIN + 5, INT_MIN + 5, 0);
  KitOval(4, INT_MAX - 3, INT_MAX, INT_MAX, INT_MAX - 3, 2);
  KitLine(5, INT_MIN, 0, INT_MIN + 100, 0, 7);
  KitTriangle(6, INT_MAX, INT_MAX, INT_MIN, INT_MAX, INT_MAX, INT_MIN + 1, 1);
  KitText(7, INT_MAX, INT_MIN, 127, "far away");
  // Only the huge triangle reaches the canvas; every other figure lies wholly outside it.
  const raster::Bitmap& after = KitCanvas();
  int changed = 0;
  for (std::size_t i = 0; i < after.pixels().size(); ++i) {
    if (after.pixels()[i] != before.pixels()[i]) {
      ++changed;
      ASSERT_EQ(after.pixels()[i], kit::ColorTable[6].rgb);
    }
  }
  EXPECT_GT(changed, 0);
}

}  // namespace
