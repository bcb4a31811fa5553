// Playback through the kit: the events a script gives, pausing, ending and the script commands.

#include <string>
#include <vector>

#include "script_session.h"

namespace {

Event P() {
  return {Periodic, 0, 0, 0};
}
Event K(int key) {
  return {Key, 0, 0, key};
}
Event M(int x, int y) {
  return {Mouse, x, y, 0};
}

const std::string SevenEvents =
    "PZ417_PERIODIC(3);\nPZ417_MOUSE(10, -20);\nPZ417_KBD(97);\nPZ417_PERIODIC(2);\n";
const std::string PausingScript = "PZ417_KBD(1);\n       \nPZ417_KBD(2);\n";

struct PlaybackCase {
  const char* name;
  std::string script;
  std::vector<Event> events;
  bool reachesTheEnd;  // else paused on a line of another kind, with no message
  friend void PrintTo(const PlaybackCase& c, std::ostream* out) { *out << c.name; }
};

// How each line reads is the reader's table; these are what the kit makes of the lines.
class Playback : public ScriptSession, public testing::WithParamInterface<PlaybackCase> {};

TEST_P(Playback, GivesTheseEvents) {
  WriteScript(GetParam().script);
  kit::PlaybackScriptCommand();
  EXPECT_EQ(EventsBeforeLiveInput(), GetParam().events);
  EXPECT_EQ(printed, GetParam().reachesTheEnd ? std::vector{EndOfScriptMessage}
                                              : std::vector<std::string>{});
  EXPECT_EQ(Checked(PlaybackItem), !GetParam().reachesTheEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, Playback,
    testing::Values(
        PlaybackCase{
            "SevenEvents", SevenEvents, {P(), P(), P(), M(10, -20), K(97), P(), P()}, true},
        PlaybackCase{"EmptyFile", "", {}, true},
        PlaybackCase{"PeriodicOne", "PZ417_PERIODIC(1);\n", {P()}, true},
        PlaybackCase{
            "PeriodicZeroIsOneEvent", "PZ417_PERIODIC(0);\nPZ417_KBD(1);\n", {P(), K(1)}, true},
        PlaybackCase{"KeyLowEightBits", "PZ417_KBD(321);\n", {K(65)}, true},
        PlaybackCase{"KeyAbove127KeepsItsSign", "PZ417_KBD(-23);\n", {K(-23)}, true},
        PlaybackCase{"MouseSigned", "PZ417_MOUSE(-5, 10);\n", {M(-5, 10)}, true},
        PlaybackCase{"SevenBlanksPause", PausingScript, {K(1)}, false},
        PlaybackCase{"ShortLinePauses", "PZ\nPZ417_KBD(1);\n", {}, false},
        PlaybackCase{
            "LastLineWithoutNewlineNotPlayed", "PZ417_KBD(1);\nPZ417_KBD(2);", {K(1)}, true}),
    [](const testing::TestParamInfo<PlaybackCase>& info) { return std::string(info.param.name); });

using ScriptPlayback = ScriptSession;

TEST_F(ScriptPlayback, PausedPlaybackGoesOnWithTheNextLine) {
  WriteScript(PausingScript);
  kit::PlaybackScriptCommand();
  EXPECT_EQ(EventsBeforeLiveInput(), std::vector{K(1)});
  EXPECT_TRUE(Checked(PlaybackItem));
  kit::PlaybackScriptCommand();
  EXPECT_EQ(EventsBeforeLiveInput(), std::vector{K(2)});
  EXPECT_EQ(printed, std::vector{EndOfScriptMessage});
}

// Character 233 is recorded as -23 and must play back as the character typed.
TEST_F(ScriptPlayback, ATypedCharacterAbove127PlaysBackAsTyped) {
  kit::RecordScriptCommand();
  input.Type("\xe9");
  const Event typed = Wait();
  kit::RecordScriptCommand();
  kit::PlaybackScriptCommand();
  EXPECT_EQ(EventsBeforeLiveInput(), std::vector{typed});
  EXPECT_EQ(typed, K(-23));
}

// Holding Ctrl+P: the first key-down starts playback; the auto-repeats must not start it again.
TEST_F(ScriptPlayback, HoldingCtrlPPlaysTheScriptOnce) {
  WriteScript("PZ417_KBD(1);\nPZ417_KBD(2);\n");
  CtrlLetter('P', 3);
  EXPECT_EQ(EventsBeforeLiveInput(), (std::vector{K(1), K(2)}));
}

TEST_F(ScriptPlayback, CompletePlaybackPlaysAgainFromTheTop) {
  WriteScript(SevenEvents);
  for (int run = 0; run < 2; ++run) {
    kit::PlaybackScriptCommand();
    EXPECT_EQ(EventsBeforeLiveInput().size(), 7u) << "run " << run;
  }
  EXPECT_EQ(printed.size(), 2u);
}

TEST_F(ScriptPlayback, SwitchedOffMidRunDropsTheRestAndRestartsAtTheTop) {
  WriteScript("PZ417_PERIODIC(3);\nPZ417_KBD(1);\n");
  kit::PlaybackScriptCommand();
  EXPECT_EQ(Wait(), P());
  kit::PlaybackScriptCommand();
  EXPECT_FALSE(Checked(PlaybackItem));
  kit::PlaybackScriptCommand();
  EXPECT_EQ(EventsBeforeLiveInput(), (std::vector{P(), P(), P(), K(1)}));
}

TEST_F(ScriptPlayback, HaltsTheAnimationForGood) {
  WriteScript("PZ417_KBD(1);\n");
  KitSetRunMode(RunMode::Animate);
  kit::PlaybackScriptCommand();
  input.Tick(2);
  EXPECT_EQ(EventsBeforeLiveInput(), std::vector{K(1)});
}

TEST_F(ScriptPlayback, PlayOneGivesOneEventPerRequest) {
  WriteScript("PZ417_PERIODIC(3);\nPZ417_KBD(5);\nPZ417_KBD(6);\n");
  for (const Event& expected : {P(), P(), P(), K(5)}) {
    kit::PlayOneScriptCommand();
    EXPECT_EQ(Wait(), expected);
    EXPECT_EQ(EventsBeforeLiveInput(), std::vector<Event>{}) << "the next wait is live";
  }
  EXPECT_FALSE(Checked(PlaybackItem));
  kit::PlaybackScriptCommand();  // playback goes on where Play One stopped
  EXPECT_EQ(EventsBeforeLiveInput(), std::vector{K(6)});
}

// Playing back what was just recorded stops the recording first, so the file is complete and
// the played Periodic events are not counted into it.
struct PlayCommandCase {
  const char* name;
  void (*command)();
  std::vector<Event> events;
  friend void PrintTo(const PlayCommandCase& c, std::ostream* out) { *out << c.name; }
};

class PlayWhileRecording : public ScriptSession,
                           public testing::WithParamInterface<PlayCommandCase> {};

TEST_P(PlayWhileRecording, FinishesTheRecordingFirst) {
  KitSetRunMode(RunMode::Animate);
  kit::RecordScriptCommand();
  input.Tick(2);
  Click(7, 8);
  for (int i = 0; i < 3; ++i) Wait();
  GetParam().command();
  EXPECT_FALSE(Checked(RecordItem));
  EXPECT_EQ(ScriptText(), "PZ417_PERIODIC(2);\nPZ417_MOUSE(7, 8);\n");
  EXPECT_EQ(EventsBeforeLiveInput(), GetParam().events);
  EXPECT_EQ(ScriptText(), "PZ417_PERIODIC(2);\nPZ417_MOUSE(7, 8);\n");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PlayWhileRecording,
    testing::Values(PlayCommandCase{"Playback", kit::PlaybackScriptCommand, {P(), P(), M(7, 8)}},
                    PlayCommandCase{"PlayOne", kit::PlayOneScriptCommand, {P()}}),
    [](const testing::TestParamInfo<PlayCommandCase>& info) {
      return std::string(info.param.name);
    });

TEST_F(ScriptPlayback, RecordingEndsAPausedPlayback) {
  WriteScript(PausingScript);
  kit::PlaybackScriptCommand();
  EXPECT_EQ(EventsBeforeLiveInput(), std::vector{K(1)});
  kit::RecordScriptCommand();
  EXPECT_FALSE(Checked(PlaybackItem));
  EXPECT_TRUE(Checked(RecordItem));
  Click(4, 4);
  Wait();
  kit::RecordScriptCommand();
  EXPECT_EQ(ScriptText(), "PZ417_MOUSE(4, 4);\n");
}

TEST_F(ScriptPlayback, QuitFromThePumpIsNotReplacedByAPlayedEvent) {
  WriteScript("PZ417_KBD(1);\n");
  kit::PlaybackScriptCommand();
  win::PostQuitMessage(0);
  EXPECT_EQ(Wait().kind, Quit);
  EXPECT_EQ(EventsBeforeLiveInput(), std::vector{K(1)}) << "no line was consumed by the Quit";
}

TEST_F(ScriptPlayback, ShortcutsAndMenuReachTheCommands) {
  CtrlLetter('R');
  Click(1, 1);
  EXPECT_EQ(Wait(), M(1, 1));
  EXPECT_TRUE(Checked(RecordItem));
  input.ChooseMenuItem(Graphics(), RecordItem);
  Click(2, 2);
  EXPECT_EQ(Wait(), M(2, 2));
  EXPECT_EQ(ScriptText(), "PZ417_MOUSE(1, 1);\n");
  CtrlLetter('O');
  EXPECT_EQ(Wait(), M(1, 1));
  input.ChooseMenuItem(Graphics(), PlaybackItem);
  EXPECT_EQ(EventsBeforeLiveInput(), std::vector<Event>{});
  EXPECT_EQ(printed, std::vector{EndOfScriptMessage});
}

}  // namespace
