#pragma once
// Turns frosty-replay's commands into steps of the headless host.

#include <vector>

#include "drive_file.h"
#include "headless/headless_host.h"
#include "session_record.h"

namespace replay {

// Queues the commands so that each is taken when the program waits for input. Presses and the
// close button need the graphics window, which exists only once the kit is open, so the steps
// are queued at the program's first wait; the windows are captured before every close and at
// the end.
void QueueScenario(headless::HeadlessHost& host, std::vector<Command> commands,
                   SessionRecord& record);

}  // namespace replay
