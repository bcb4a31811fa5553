// Script recording and playback: the writer, the player step and the three script commands.
//
// Recording and playback never share the open file: starting one ends the other first, so a
// stream is only ever written by the recorder or read by the player, and a played Periodic event
// is never counted into a recording.

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "kit_state.h"
#include "pz417/kit.h"
#include "pz417/script_format.h"
#include "script_messages.h"

namespace kit {
namespace {

using pz417::ScriptFileName;

std::FILE*& ScriptFile() {
  return TheKit().scriptFile;
}

// A message about the script file, with its name for the %s: the user has to see it, so the
// console is brought up if hidden.
void TellAboutScriptFile(const char* format) {
  KitPrint(format, ScriptFileName);
  ShowConsoleIfHidden();
}

// Anything but a file, or a name not taken yet, is refused: opening a FIFO would wait for a
// program on its other end, and the program would hang for good; a folder or a device is no
// script file either.
bool IsFileOrFree() {
  std::error_code failed;
  const std::filesystem::file_type type = std::filesystem::status(ScriptFileName, failed).type();
  return type == std::filesystem::file_type::regular ||
         type == std::filesystem::file_type::not_found;
}

std::FILE* OpenScriptFile(const char* mode) {
  return IsFileOrFree() ? std::fopen(ScriptFileName, mode) : nullptr;
}

bool OpenForWriting() {
  if (ScriptFile() != nullptr) return true;
  ScriptFile() = OpenScriptFile("w");
  if (ScriptFile() == nullptr) TellAboutScriptFile(CannotOpenToWrite);
  return ScriptFile() != nullptr;
}

bool OpenForReading() {
  if (ScriptFile() != nullptr) return true;
  ScriptFile() = OpenScriptFile("r");
  if (ScriptFile() == nullptr) TellAboutScriptFile(CannotOpenToRead);
  return ScriptFile() != nullptr;
}

void ReportWriteFailure() {
  TellAboutScriptFile(CannotWrite);
}

bool WriteLineOfKind(int kind, int x, int y, signed char key) {
  switch (kind) {
    case Mouse:
      return pz417::WriteMouseLine(ScriptFile(), x, y);
    case Key:
      return pz417::WriteKeyLine(ScriptFile(), key);
    case Periodic:
      return pz417::WritePeriodicLine(ScriptFile(), State().periodicCount);
    default:
      return true;  // a Quit is never written, though it has opened the file
  }
}

// Hands out what a line carries; a line of another kind, or a failed read, yields nothing.
int PlayLine(const pz417::ScriptLine& line) {
  KitState& s = State();
  switch (line.kind) {
    case pz417::ScriptLineKind::Key:
      s.pendingKind = Key;
      s.eventKey = line.key;
      return 1;
    case pz417::ScriptLineKind::Mouse:
      s.pendingKind = Mouse;
      s.eventX = line.x;
      s.eventY = line.y;
      return 1;
    case pz417::ScriptLineKind::Periodic:
      s.pendingKind = Periodic;
      s.periodicCount = line.count - 1;  // count is never negative, so this cannot overflow
      return 1;
    case pz417::ScriptLineKind::EndOfFile:
      TellAboutScriptFile(EndOfScript);
      ScriptStopPlayback();
      return 0;
    case pz417::ScriptLineKind::Other:
      break;
  }
  // Left open after a line of another kind, so playback can go on with the next line; a file
  // that cannot be read at all would only pause again and again.
  if (std::ferror(ScriptFile()) != 0) {
    TellAboutScriptFile(CannotRead);
    ScriptStopPlayback();
  }
  return 0;
}

void StartRecording() {
  ScriptStopPlayback();  // a playback, paused or not, must not share the file
  State().recording = 1;
  SetMenuCheck(RecordCommand, true);
}

void StopRecording() {
  KitState& s = State();
  s.recording = 0;
  SetMenuCheck(RecordCommand, false);
  if (s.periodicCount > 0) {
    ScriptWrite(Periodic, 0, 0, 0);
    s.periodicCount = 0;
  }
  ScriptClose();
}

// Playback reads from the file's start, so a recording in progress is finished first.
void PrepareToPlay() {
  KitState& s = State();
  if (s.recording) StopRecording();
  s.animate = 0;
  s.oneFrame = 0;
}

}  // namespace

void ScriptWrite(int kind, int x, int y, signed char key) {
  if (!OpenForWriting()) return;
  // Flushed line by line, so a recording survives the program being killed.
  if (!WriteLineOfKind(kind, x, y, key) || std::fflush(ScriptFile()) != 0) ReportWriteFailure();
}

int ScriptPlayStep() {
  if (!OpenForReading()) {
    ScriptStopPlayback();
    return 0;
  }
  KitState& s = State();
  if (s.periodicCount > 0) {
    --s.periodicCount;
    s.pendingKind = Periodic;
    return 1;
  }
  return PlayLine(pz417::ReadScriptLine(ScriptFile()));
}

void ScriptStopPlayback() {
  KitState& s = State();
  s.playback = 0;
  s.playOne = 0;
  SetMenuCheck(PlaybackCommand, false);
  ScriptClose();
}

// The periodic count is tied to the open file: the run not yet written, or the rest of the run
// just read. So a closed file owes nothing: a recording and a playback both start from 0, and
// what is left of a run when playback is switched off is dropped.
void ScriptClose() {
  if (ScriptFile() == nullptr) return;
  if (std::fclose(ScriptFile()) != 0) ReportWriteFailure();
  ScriptFile() = nullptr;
  State().periodicCount = 0;
}

void RecordScriptCommand() {
  if (State().recording) {
    StopRecording();
  } else {
    StartRecording();
  }
}

void PlaybackScriptCommand() {
  KitState& s = State();
  if (s.playback) {
    ScriptStopPlayback();
    return;
  }
  PrepareToPlay();
  s.playback = 1;
  SetMenuCheck(PlaybackCommand, true);
}

void PlayOneScriptCommand() {
  PrepareToPlay();
  State().playOne = 1;
}

}  // namespace kit
