#pragma once
// Plays the replay entry's commands through the headless host: each command becomes its steps only
// when the host needs the next step, so a long or endless scenario is never held whole.

#include <set>
#include <string>

#include "drive_file.h"
#include "pz417/status.h"
#include "headless/headless_host.h"
#include "inputs.h"
#include "session_record.h"

namespace replay {

class Scenario {
 public:
  // Hooks into the host: the steps come from `inputs`, the windows are captured before every
  // close, and a step that cannot be carried out ends the scenario.
  Scenario(headless::HeadlessHost& host, InputReader& inputs, SessionRecord& record);

  // Once the program has ended: "FILE:LINE: what" for the first command that could not be
  // carried out, or that the program never took because it had ended.
  pz417::Status Failure();

 private:
  bool QueueNext();
  // Queues the steps of one command, or says why it cannot be carried out.
  pz417::Status Queue(Command command);
  // What a held key yields on the classic desktop with the modifiers held now.
  int CharacterOfHeld(int key) const;
  bool Held(int key) const { return held_.contains(key); }

  headless::HeadlessHost& host_;
  InputReader& inputs_;
  SessionRecord& record_;
  std::set<int> held_;  // keys a `down` pressed and no `up` released yet
  std::string failure_;
};

}  // namespace replay
