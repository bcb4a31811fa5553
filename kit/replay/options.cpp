#include "options.h"

#include <string_view>

#include "drive_file.h"
#include "headless/headless_host.h"
#include "pz417/script_format.h"

namespace replay {
namespace {

struct OutputOption {
  std::string_view name;
  std::string Options::*target;
};

constexpr OutputOption Outputs[] = {
    {"--canvas", &Options::canvasPng},   {"--window", &Options::windowPng},
    {"--console", &Options::consolePng}, {"--log", &Options::logText},
    {"--events", &Options::eventsText},
};

const OutputOption* FindOutput(std::string_view name) {
  for (const OutputOption& option : Outputs) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

}  // namespace

const char* const NothingToWrite =
    "nothing to write: name an output (--canvas, --window, --console, --log, --events), take a "
    "snapshot in a drive file or record a script (see --help)";

bool Options::AsksForOutput() const {
  for (const OutputOption& option : Outputs) {
    if (!(this->*(option.target)).empty()) return true;
  }
  return false;
}

pz417::Result<Options> ParseOptions(const std::vector<std::string>& arguments) {
  Options options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--version") {
      options.version = true;
    } else if (const OutputOption* output = FindOutput(argument)) {
      if (i + 1 == arguments.size() || arguments[i + 1].starts_with("--")) {
        return pz417::Failure(argument + " needs a file name");
      }
      options.*(output->target) = arguments[++i];
    } else if (argument.starts_with("-") && argument != "-") {
      return pz417::Failure("unknown option " + argument);
    } else {
      options.inputs.push_back(argument);
    }
  }
  return options;
}

std::string HelpText(const std::string& programName) {
  const std::string BusyPasses = std::to_string(headless::HeadlessHost::DefaultBusyPassesPerStep);
  const std::string LongestScriptLine = std::to_string(pz417::ScriptLineBufferSize - 1);
  return std::string(
             "Usage: " + programName +
             " [OPTIONS] [FILE...]\n"
             "\n"
             "Runs " +
             programName +
             ", a program on the PZ417 kit, on the headless host, and plays the\n"
             "FILEs, in order, as what a person does. Every FILE is checked whole before the\n"
             "program starts, then read again as it is played (a pipe is first copied to a\n"
             "temporary file).\n"
             "\n"
             "Each step is taken when the program waits for input. A program that keeps running\n"
             "without waiting, as while it plays a script back, is given the next step after\n"
             "every " +
             BusyPasses +
             " pump passes (a pass takes one message; about one played event), as\n"
             "a person's input reaches a busy program on the desktop; so `tick N` there lets up\n"
             "to N x " +
             BusyPasses +
             " events play first. When the input runs out and the program still\n"
             "runs, the graphics window is closed, as a user would.\n"
             "\n"
             "Exit status: the program's own when it ended normally and all went well; 1 when an\n"
             "output could not be written; 2 for a bad command line, a bad input file, or nothing\n"
             "to write: no output option, no snapshot in a drive file and no step that may record\n"
             "a script (nothing is run then); 3 when a step could not be carried out (a greyed\n"
             "menu entry, a step after the program had ended): the run stops there, and the\n"
             "outputs show that point.\n"
             "\n"
             "Options:\n"
             "  --canvas FILE.png   the kit's 601 x 540 canvas at the end\n"
             "  --window FILE.png   the graphics window at the end: menu bar and client area\n"
             "  --console FILE.png  the console window at the end\n"
             "  --log FILE.txt      every console message, in order, exactly as printed\n"
             "                      (the drawing log appears once Ctrl+L switches logging on)\n"
             "  --events FILE.txt   every event the program was given, one a line:\n"
             "                      Mouse X Y, Key K, Periodic or Quit\n"
             "  --help              this text\n"
             "  --version           the program's name and the version of the kit\n"
             "\n"
             "A FILE whose first non-empty line starts with \"PZ417_\" is a script file of the\n"
             "kit's own (as Record Script writes it) and is read as the kit's player reads it: a\n"
             "mouse line is a press at those kit coordinates, a key line that character typed, a\n"
             "periodic line with n that many timer periods (0 counts as 1); a last line without\n"
             "a line end is not played, and a line longer than " +
             LongestScriptLine +
             " characters is refused. Any\n"
             "other FILE is a drive file, one command a line:\n"
             "\n") +
         DriveSyntaxHelp() +
         "\n"
         "Kit coordinates have their origin at the centre of the 595 x 496 client area, client\n"
         "pixel (297, 248), with y growing upwards. Example: a session with the drawing log on:\n"
         "  printf 'click 0 0\\nctrl L\\nclick -250 232\\n' > s.drive\n"
         "  " +
         programName + " s.drive --log log.txt --canvas canvas.png\n";
}

}  // namespace replay
