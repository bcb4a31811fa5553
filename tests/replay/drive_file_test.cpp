// The drive-file parser: what each command becomes, and that every bad line is refused with
// its line number and a reason.

#include "drive_file.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace replay {
namespace {

Command Made(Op op) {
  Command command;
  command.op = op;
  command.line = 1;
  return command;
}

Command Press(int x, int y) {
  Command command = Made(Op::Press);
  command.x = x;
  command.y = y;
  return command;
}

Command At(Op op, int x, int y) {
  Command command = Made(op);
  command.x = x;
  command.y = y;
  return command;
}

Command WithKey(Op op, int key, int character = -1) {
  Command command = Made(op);
  command.key = key;
  command.character = character;
  return command;
}

Command WithCount(Op op, int count) {
  Command command = Made(op);
  command.count = count;
  return command;
}

Command WithKeyAndCount(Op op, int key, int count) {
  Command command = WithKey(op, key);
  command.count = count;
  return command;
}

Command WithText(Op op, const std::string& text) {
  Command command = Made(op);
  command.text = text;
  return command;
}

struct GoodLine {
  const char* text;
  Command expected;
  friend void PrintTo(const GoodLine& c, std::ostream* os) {
    *os << testing::PrintToString(c.text);
  }
};

class DriveGoodLine : public testing::TestWithParam<GoodLine> {};

TEST_P(DriveGoodLine, BecomesItsCommand) {
  const auto parse = ParseDrive(GetParam().text);
  ASSERT_TRUE(parse) << parse.error();
  ASSERT_EQ(parse->size(), 1u);
  EXPECT_EQ(parse->front(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DriveGoodLine,
    testing::Values(
        // Kit y grows upwards from the client area's centre (297, 248).
        GoodLine{"click 0 0", Press(297, 248)}, GoodLine{"click 10 20", Press(307, 228)},
        GoodLine{"click -297 248", Press(0, 0)}, GoodLine{"click 297 -247", Press(594, 495)},
        GoodLine{"pixel 0 0", Press(0, 0)}, GoodLine{"pixel 594 495", Press(594, 495)},
        GoodLine{"  click\t-250   232  ", Press(47, 16)},
        GoodLine{"type hello world", WithText(Op::Type, "hello world")},
        GoodLine{"type a b  # typed up to the comment", WithText(Op::Type, "a b")},
        GoodLine{"key Return", WithKey(Op::Key, 13, 13)},
        GoodLine{"key BackSpace", WithKey(Op::Key, 8, 8)},
        GoodLine{"key Escape", WithKey(Op::Key, 27, 27)},
        GoodLine{"key Tab", WithKey(Op::Key, 9, 9)}, GoodLine{"key Left", WithKey(Op::Key, 37)},
        GoodLine{"key F1", WithKey(Op::Key, 112)}, GoodLine{"key Shift", WithKey(Op::Key, 16)},
        GoodLine{"key F10", WithKey(Op::Key, 121)}, GoodLine{"key Alt", WithKey(Op::Key, 18)},
        // Window pixels: the menu bar's 19 rows, then the 595 x 496 client area.
        GoodLine{"press 15 9", At(Op::WindowPress, 15, 9)},
        GoodLine{"release 594 514", At(Op::WindowRelease, 594, 514)},
        GoodLine{"move 0 0", At(Op::Move, 0, 0)}, GoodLine{"ctrl L", WithKey(Op::Ctrl, 'L')},
        GoodLine{"ctrl q", WithKey(Op::Ctrl, 'Q')}, GoodLine{"down Ctrl", WithKey(Op::Down, 17)},
        GoodLine{"up Alt", WithKey(Op::Up, 18)}, GoodLine{"down r", WithKey(Op::Down, 'R')},
        GoodLine{"up Shift", WithKey(Op::Up, 16)},
        GoodLine{"repeat r", WithKeyAndCount(Op::Repeat, 'R', 1)},
        GoodLine{"repeat Ctrl 1000000", WithKeyAndCount(Op::Repeat, 17, 1000000)},
        GoodLine{"menu 4", WithCount(Op::Menu, 4)}, GoodLine{"menu 9", WithCount(Op::Menu, 9)},
        GoodLine{"tick", WithCount(Op::Tick, 1)}, GoodLine{"tick 287", WithCount(Op::Tick, 287)},
        GoodLine{"tick 1000000", WithCount(Op::Tick, 1000000)}, GoodLine{"close", Made(Op::Close)},
        GoodLine{"snapshot out dir/a.png\r", WithText(Op::Snapshot, "out dir/a.png")}),
    replay_test::PrintedName());

struct BadLine {
  std::string text;
  int line;
  std::string reason;  // a part of the message
  friend void PrintTo(const BadLine& c, std::ostream* os) { *os << testing::PrintToString(c.text); }
};

class DriveBadLine : public testing::TestWithParam<BadLine> {};

TEST_P(DriveBadLine, IsRefusedWithItsLineNumber) {
  const auto parse = ParseDrive(GetParam().text);
  ASSERT_FALSE(parse) << GetParam().text;
  EXPECT_TRUE(parse.error().starts_with(std::to_string(GetParam().line) + ": ")) << parse.error();
  EXPECT_NE(parse.error().find(GetParam().reason), std::string::npos) << parse.error();
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, DriveBadLine,
    testing::Values(
        BadLine{"jump 1 2", 1, "unknown command \"jump\""},
        BadLine{"Click 1 2", 1, "unknown command \"Click\""},
        BadLine{"click 1\n", 1, "missing argument (click X Y)"},
        BadLine{"click", 1, "missing argument"}, BadLine{"click 1 2 3", 1, "too many arguments"},
        BadLine{"click 1 x", 1, "\"x\" is not a whole number"},
        BadLine{"click 1.5 2", 1, "\"1.5\" is not a whole number"},
        BadLine{"click 99999999999 0", 1, "out of range"},
        // One past each edge of the 595 x 496 client area.
        BadLine{"click -298 0", 1, "client pixel (-1, 248) is outside the 595 x 496 client area"},
        BadLine{"click 298 0", 1, "(595, 248) is outside"},
        BadLine{"click 0 249", 1, "(297, -1) is outside"},
        BadLine{"click 0 -248", 1, "(297, 496) is outside"},
        BadLine{"click 2147483647 -2147483648", 1, "is outside"},
        BadLine{"pixel 595 0", 1, "is outside"}, BadLine{"pixel 0 -1", 1, "is outside"},
        BadLine{"press 595 0", 1, "(595, 0) is outside the 595 x 515 graphics window"},
        BadLine{"release 0 515", 1, "is outside"}, BadLine{"move -1 0", 1, "is outside"},
        BadLine{"move 1", 1, "missing argument (move PX PY)"},
        BadLine{"press 1 2 3", 1, "too many arguments"},
        BadLine{"type", 1, "missing argument (type TEXT)"},
        BadLine{"type # only a comment", 1, "missing argument"},
        BadLine{"key Enter", 1, "unknown key \"Enter\""}, BadLine{"key", 1, "missing argument"},
        BadLine{"key Return Tab", 1, "too many arguments"}, BadLine{"ctrl", 1, "missing argument"},
        BadLine{"ctrl 1", 1, "\"1\" is not a letter"}, BadLine{"ctrl LL", 1, "not a letter"},
        BadLine{"down Meta", 1, "unknown key \"Meta\""}, BadLine{"up", 1, "missing argument"},
        BadLine{"menu 0", 1, "0 is not in 1..9"}, BadLine{"menu 10", 1, "not in 1..9"},
        BadLine{"menu", 1, "missing argument"}, BadLine{"menu x", 1, "not a whole number"},
        BadLine{"tick 0", 1, "not in 1..1000000"}, BadLine{"tick -3", 1, "not in"},
        BadLine{"tick 1000001", 1, "not in"}, BadLine{"tick 2 3", 1, "too many arguments"},
        BadLine{"repeat", 1, "missing argument (repeat NAME [N])"},
        BadLine{"repeat Return", 1, "unknown key \"Return\""},
        BadLine{"repeat R 0", 1, "0 is not in 1..1000000"},
        BadLine{"repeat R 2 3", 1, "too many arguments"},
        // What the file holds is shown safely: control bytes escaped, a long word cut short.
        BadLine{"\x01\x1b[31mjump\x7f\"\\", 1, R"(unknown command "\x01\x1b[31mjump\x7f\"\\")"},
        BadLine{"caf\xc3\xa9", 1, R"(unknown command "caf\xc3\xa9")"},
        BadLine{std::string(300, 'x'), 1,
                "unknown command \"" + std::string(40, 'x') + "\"... (300 bytes)"},
        BadLine{"close now", 1, "too many"}, BadLine{"snapshot", 1, "missing argument"},
        // Blank lines and comments count as lines; the first bad line stops the parse.
        BadLine{"# a comment\n\nclick 0 0\r\n  \nbogus\nalso bogus", 5, "\"bogus\""}),
    replay_test::PrintedName());

TEST(DriveFile, CommentsAndBlankLinesAreSkippedAndLinesNumbered) {
  const auto parse = ParseDrive("# set-up\n\nclick 0 26\r\n   # nothing\ntick 3 # wait\n");
  ASSERT_TRUE(parse) << parse.error();
  ASSERT_EQ(parse->size(), 2u);
  EXPECT_EQ((*parse)[0].line, 3);
  EXPECT_EQ((*parse)[0].op, Op::Press);
  EXPECT_EQ((*parse)[1].line, 5);
  EXPECT_EQ((*parse)[1].count, 3);
}

TEST(DriveFile, AnotherClientAreaMovesTheOrigin) {
  const ClientArea small{.width = 100, .height = 50, .originX = 50, .originY = 25};
  const auto both = ParseDrive("click -50 25\nclick 50 0", small);
  ASSERT_FALSE(both);
  EXPECT_TRUE(both.error().starts_with("2: ")) << both.error();
  const auto first = ParseDrive("click -50 25", small);
  ASSERT_TRUE(first) << first.error();
  ASSERT_EQ(first->size(), 1u);
  EXPECT_EQ(first->front().x, 0);
  EXPECT_EQ(first->front().y, 0);
}

}  // namespace
}  // namespace replay
