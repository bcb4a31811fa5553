#pragma once
// Plays the replay entry's commands as scripted input: each command becomes its steps only when
// the next step is needed, so a long or endless scenario is never held whole.

#include <set>

#include "drive_file.h"
#include "inputs.h"
#include "pz417/status.h"
#include "scripted_input.h"
#include "session_record.h"

namespace replay {

class Scenario {
 public:
  // Feeds `input` from `inputs`; the windows are captured before every close.
  Scenario(ScriptedInput& input, InputReader& inputs, SessionRecord& record);

  // Once the program has ended: "FILE:LINE: what" for the first command that could not be
  // carried out, or that the program never took because it had ended.
  pz417::Status Failure();

 private:
  pz417::Result<bool> QueueNext();
  // Queues the steps of one command, or says why it cannot be carried out.
  pz417::Status Queue(Command command);
  // What a key yields on the classic desktop with the modifiers held now.
  int CharacterWithHeld(int key) const;
  bool Held(int key) const { return held_.contains(key); }

  ScriptedInput& input_;
  InputReader& inputs_;
  SessionRecord& record_;
  std::set<int> held_;  // keys a `down` pressed and no `up` released yet
};

}  // namespace replay
