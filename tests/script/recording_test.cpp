// Recording through the kit: what the script file holds after a session.

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "script_session.h"

namespace {

enum class Op { Record, Ticks, Press, Type, Close };

struct Step {
  Op op;
  int a = 0;
  int b = 0;
};

struct RecordingCase {
  const char* name;
  std::optional<std::string> before;  // the script file before the session, if any
  std::vector<Step> steps;
  std::string after;
  friend void PrintTo(const RecordingCase& c, std::ostream* out) { *out << c.name; }
};

class Recording : public ScriptSession, public testing::WithParamInterface<RecordingCase> {
 protected:
  // Each step hands out the events it stands for, with the animation on.
  void Run(const Step& step) {
    switch (step.op) {
      case Op::Record:
        kit::RecordScriptCommand();
        return;
      case Op::Ticks:
        for (int i = 0; i < step.a; ++i) {
          input.Tick();
          EXPECT_EQ(Wait(), (Event{Periodic, 0, 0, 0}));
        }
        return;
      case Op::Press:
        Click(step.a, step.b);
        EXPECT_EQ(Wait(), (Event{Mouse, step.a, step.b, 0}));
        return;
      case Op::Type:
        input.Type(std::string(1, static_cast<char>(step.a)));
        EXPECT_EQ(Wait(), (Event{Key, 0, 0, static_cast<signed char>(step.a)}));
        return;
      case Op::Close:
        input.Close(Graphics());
        EXPECT_EQ(Wait().kind, Quit);
        return;
    }
  }
};

TEST_P(Recording, WritesTheseLines) {
  if (GetParam().before) WriteScript(*GetParam().before);
  KitSetRunMode(RunMode::Animate);
  for (const Step& step : GetParam().steps) Run(step);
  EXPECT_EQ(ScriptText(), GetParam().after);
  EXPECT_TRUE(printed.empty());
}

const Step Record{Op::Record};
Step Ticks(int n) {
  return {Op::Ticks, n};
}
Step Press(int x, int y) {
  return {Op::Press, x, y};
}
Step Type(int c) {
  return {Op::Type, c};
}
const Step Close{Op::Close};

INSTANTIATE_TEST_SUITE_P(
    Sessions, Recording,
    testing::Values(
        RecordingCase{"SevenEvents",
                      std::nullopt,
                      {Record, Ticks(3), Press(10, -20), Type('a'), Ticks(2), Record},
                      "PZ417_PERIODIC(3);\nPZ417_MOUSE(10, -20);\nPZ417_KBD(97);\n"
                      "PZ417_PERIODIC(2);\n"},
        RecordingCase{"NothingBetweenStartAndStop", "kept\n", {Record, Record}, "kept\n"},
        RecordingCase{
            "OnlyPeriodicEvents", "old\n", {Record, Ticks(4), Record}, "PZ417_PERIODIC(4);\n"},
        RecordingCase{"QuitWithNothingBefore", "old\n", {Record, Close}, ""},
        RecordingCase{
            "PeriodicRunThenQuit", std::nullopt, {Record, Ticks(2), Close}, "PZ417_PERIODIC(2);\n"},
        RecordingCase{"CharacterAbove127IsNegative",
                      std::nullopt,
                      {Record, Type(0xE9), Record},
                      "PZ417_KBD(-23);\n"},
        RecordingCase{"OnlyWhileOn",
                      std::nullopt,
                      {Ticks(2), Press(1, 1), Record, Press(2, 2), Record, Ticks(1), Press(3, 3)},
                      "PZ417_MOUSE(2, 2);\n"},
        RecordingCase{"EachRecordingEmptiesTheFile",
                      std::nullopt,
                      {Record, Press(1, 1), Record, Record, Ticks(1), Record},
                      "PZ417_PERIODIC(1);\n"}),
    [](const testing::TestParamInfo<RecordingCase>& info) { return std::string(info.param.name); });

TEST_F(ScriptSession, EachLineReachesTheFileAsItIsWritten) {
  kit::RecordScriptCommand();
  Click(4, 5);
  Wait();
  EXPECT_EQ(ScriptText(), "PZ417_MOUSE(4, 5);\n");
}

// Holding Ctrl+R a little long: the first key-down starts recording; the auto-repeats must not
// stop it or start it again, which would empty the file.
TEST_F(ScriptSession, HoldingCtrlRStartsRecordingOnce) {
  for (const int repeats : {1, 2}) {
    SCOPED_TRACE(repeats);
    CtrlLetter('R', repeats);
    Click(4, 5);
    Wait();
    EXPECT_TRUE(Checked(RecordItem));
    kit::RecordScriptCommand();
    EXPECT_EQ(ScriptText(), "PZ417_MOUSE(4, 5);\n");
  }
}

// A run longer than a line can carry stops at the largest count instead of wrapping round.
TEST_F(ScriptSession, ARunOfPeriodicEventsStopsCountingAtTheLargestInt) {
  KitSetRunMode(RunMode::Animate);
  kit::RecordScriptCommand();
  kit::State().periodicCount = INT_MAX - 1;
  for (int i = 0; i < 3; ++i) {
    input.Tick();
    Wait();
  }
  kit::RecordScriptCommand();
  EXPECT_EQ(ScriptText(), "PZ417_PERIODIC(2147483647);\n");
}

TEST_F(ScriptSession, RecordScriptChecksItsItem) {
  kit::RecordScriptCommand();
  EXPECT_TRUE(Checked(RecordItem));
  kit::RecordScriptCommand();
  EXPECT_FALSE(Checked(RecordItem));
}

}  // namespace
