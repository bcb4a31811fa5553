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
  const replay::OptionsParse parsed =
      replay::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "frosty-replay: %s (see --help)\n", parsed.error.c_str());
    return BadInput;
  }
  const replay::Options& options = parsed.options;
  if (options.help) {
    std::fputs(replay::HelpText().c_str(), stdout);
    return 0;
  }
  replay::InputReader inputs(options.inputs);
  if (const std::string error = replay::CheckInputs(inputs); !error.empty()) {
    std::fprintf(stderr, "frosty-replay: %s\n", error.c_str());
    return BadInput;
  }
  replay::SessionRecord record;
  if (!record.Open(options)) return OutputFailed;

  headless::HeadlessHost host;
  win::SetHost(&host);
  replay::Scenario scenario(host, inputs, record);
  const int status = WinMain(nullptr, nullptr, "", 1);
  record.CaptureWindows();  // windows still open show the program's last picture
  const bool written = record.WriteOutputs(options);
  if (const std::string failure = scenario.Failure(); !failure.empty()) {
    std::fprintf(stderr, "frosty-replay: %s\n", failure.c_str());
    return StepFailed;
  }
  return written ? status : OutputFailed;
}
