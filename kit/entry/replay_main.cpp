// The replay entry: main() for any program on the kit that is linked with PZ417::replay. It runs
// the program on the headless host, plays the files it is given as a person's input and writes
// what the program showed.

#include <cstdio>
#include <string>
#include <vector>

#include "entry_text.h"
#include "headless/headless_host.h"
#include "inputs.h"
#include "options.h"
#include "pz417/kit.h"
#include "scenario.h"
#include "session_record.h"
#include "win/host.h"

namespace {

// Exit statuses beyond the program's own, as --help lists them.
constexpr int OutputFailed = 1;
constexpr int BadInput = 2;
constexpr int StepFailed = 3;

}  // namespace

int main(int argc, char** argv) {
  const std::string name = entry::ProgramName(argc > 0 ? argv[0] : nullptr);
  const pz417::Result<replay::Options> parsed =
      replay::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed) {
    std::fprintf(stderr, "%s: %s (see --help)\n", name.c_str(), parsed.error().c_str());
    return BadInput;
  }
  const replay::Options& options = *parsed;
  if (options.help || options.version) {
    std::fputs((options.help ? replay::HelpText(name) : entry::VersionText(name)).c_str(), stdout);
    return 0;
  }
  replay::InputReader inputs(options.inputs);
  const pz417::Result<replay::InputsCheck> checked = replay::CheckInputs(inputs);
  if (!checked) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), checked.error().c_str());
    return BadInput;
  }
  if (!options.AsksForOutput() && !checked->takesSnapshots) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), replay::NothingToWrite);
    return BadInput;
  }
  replay::SessionRecord record;
  if (const pz417::Status opened = record.Open(options); !opened) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), opened.error().c_str());
    return OutputFailed;
  }

  headless::HeadlessHost host;
  win::SetHost(&host);
  replay::Scenario scenario(host, inputs, record);
  const int status = WinMain(nullptr, nullptr, "", 1);
  const std::vector<std::string> unwritten = record.WriteOutputs(options);
  for (const std::string& failure : unwritten) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), failure.c_str());
  }
  if (const pz417::Status played = scenario.Failure(); !played) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), played.error().c_str());
    return StepFailed;
  }
  return unwritten.empty() ? status : OutputFailed;
}
