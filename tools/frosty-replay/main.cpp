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

namespace {

// Exit statuses beyond the program's own, as --help lists them.
constexpr int OutputFailed = 1;
constexpr int BadInput = 2;
constexpr int StepFailed = 3;

}  // namespace

int main(int argc, char** argv) {
  const frosty::Result<replay::Options> parsed =
      replay::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed) {
    std::fprintf(stderr, "frosty-replay: %s (see --help)\n", parsed.error().c_str());
    return BadInput;
  }
  const replay::Options& options = *parsed;
  if (options.help) {
    std::fputs(replay::HelpText().c_str(), stdout);
    return 0;
  }
  replay::InputReader inputs(options.inputs);
  if (const frosty::Status checked = replay::CheckInputs(inputs); !checked) {
    std::fprintf(stderr, "frosty-replay: %s\n", checked.error().c_str());
    return BadInput;
  }
  replay::SessionRecord record;
  if (const frosty::Status opened = record.Open(options); !opened) {
    std::fprintf(stderr, "frosty-replay: %s\n", opened.error().c_str());
    return OutputFailed;
  }

  headless::HeadlessHost host;
  win::SetHost(&host);
  replay::Scenario scenario(host, inputs, record);
  const int status = WinMain(nullptr, nullptr, "", 1);
  const std::vector<std::string> unwritten = record.WriteOutputs(options);
  for (const std::string& failure : unwritten) {
    std::fprintf(stderr, "frosty-replay: %s\n", failure.c_str());
  }
  if (const frosty::Status played = scenario.Failure(); !played) {
    std::fprintf(stderr, "frosty-replay: %s\n", played.error().c_str());
    return StepFailed;
  }
  return unwritten.empty() ? status : OutputFailed;
}
