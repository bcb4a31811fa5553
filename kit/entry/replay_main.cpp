// The replay entry: main() for any program on the kit that is linked with PZ417::replay. It runs
// the program on the headless host, plays the files it is given as a person's input and writes
// what the program showed.

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "entry_text.h"
#include "file_size_limit.h"
#include "headless/headless_host.h"
#include "inputs.h"
#include "options.h"
#include "pz417/kit.h"
#include "raster/text.h"
#include "scenario.h"
#include "scripted_input.h"
#include "session_record.h"
#include "win/host.h"

namespace {

// Exit statuses beyond the program's own, as --help lists them.
constexpr int OutputFailed = 1;
constexpr int BadInput = 2;
constexpr int StepFailed = 3;

// Each line of the failure under the program's name; true if there was one.
bool Tell(const std::string& name, const pz417::Status& failure, std::string_view suffix = "") {
  if (failure) return false;
  std::string_view lines = failure.error();
  while (!lines.empty()) {
    const std::size_t end = std::min(lines.find('\n'), lines.size());
    std::fprintf(stderr, "%s: %.*s%.*s\n", name.c_str(), static_cast<int>(end), lines.data(),
                 static_cast<int>(suffix.size()), suffix.data());
    lines.remove_prefix(std::min(end + 1, lines.size()));
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  entry::FailWritesPastTheFileSizeLimit();
  const std::string name = entry::ProgramName(argc > 0 ? argv[0] : nullptr);
  const pz417::Result<replay::Options> parsed =
      replay::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (Tell(name, parsed.status(), " (see --help)")) return BadInput;
  const replay::Options& options = *parsed;
  if (options.help || options.version) {
    std::fputs((options.help ? replay::HelpText(name) : entry::VersionText(name)).c_str(), stdout);
    return 0;
  }
  replay::InputReader inputs(options.inputs);
  const pz417::Result<replay::InputsCheck> checked = replay::CheckInputs(inputs);
  if (Tell(name, checked.status())) return BadInput;
  if (!options.AsksForOutput() && !checked->takesSnapshots && !checked->mayRecord) {
    Tell(name, pz417::Failure(replay::NothingToWrite));
    return BadInput;
  }
  replay::SessionRecord record;
  if (Tell(name, record.Open(options))) return OutputFailed;
  Tell(name, raster::LoadBuiltInFaces());

  headless::HeadlessHost host;
  win::SetHost(&host);
  replay::ScriptedInput input(host);
  replay::Scenario scenario(input, inputs, record);
  const int status = WinMain(nullptr, nullptr, "", 1);
  const bool unwritten = Tell(name, record.WriteOutputs(options));
  if (Tell(name, scenario.Failure())) return StepFailed;
  return unwritten ? OutputFailed : status;
}
