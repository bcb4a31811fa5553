// frosty-replay: the preview program on the headless host, driven by files instead of a person.

#include <cstdio>
#include <string>
#include <vector>

#include "headless/headless_host.h"
#include "inputs.h"
#include "options.h"
#include "preview.h"
#include "scenario.h"
#include "session_record.h"
#include "win/host.h"

int main(int argc, char** argv) {
  const replay::OptionsParse parsed =
      replay::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "frosty-replay: %s (see --help)\n", parsed.error.c_str());
    return 2;
  }
  const replay::Options& options = parsed.options;
  if (options.help) {
    std::fputs(replay::HelpText().c_str(), stdout);
    return 0;
  }
  replay::InputsRead inputs = replay::ReadInputs(options.inputs);
  if (!inputs.error.empty()) {
    std::fprintf(stderr, "frosty-replay: %s\n", inputs.error.c_str());
    return 2;
  }

  headless::HeadlessHost host;
  win::SetHost(&host);
  replay::SessionRecord record;
  record.Attach();
  replay::QueueScenario(host, std::move(inputs.commands), record);

  const int status = WinMain(nullptr, nullptr, "", 1);
  record.CaptureWindows();  // windows still open show the program's last picture
  if (!record.WriteOutputs(options)) return 1;
  return status;
}
