// The desktop entry: main() for any program on the kit that is linked with PZ417::desktop. It
// opens the desktop host, hands the command line to the program's WinMain and returns what
// WinMain returns.

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "entry_text.h"
#include "file_size_limit.h"
#include "pz417/kit.h"
#include "raster/text.h"
#include "win/desktop_host.h"
#include "win/host.h"
#include "win/scale.h"

namespace {

std::string HelpText(const std::string& name) {
  return "Usage: " + name + " [ARGUMENT...]\n" + "       " + name +
         " --help | --version\n"
         "\n"
         "Runs " +
         name +
         ", a program on the PZ417 kit, in desktop windows: \"PZ417 Graphics\" with its Run\n"
         "menu and \"PZ417 Text\", the console. The ARGUMENTs are the program's command line.\n"
         "--help and --version are taken only as the first argument.\n"
         "--scale N (1 to 8), anywhere, shows every window pixel as N x N screen pixels, for\n"
         "dense screens; the program never sees it. Without it the display's density decides.\n"
         "\n"
         "The Run menu (Alt+R), each entry also a Ctrl shortcut in either window:\n"
         "  Ctrl+A animate, Ctrl+H halt, Ctrl+F one frame, Ctrl+L log every drawing call,\n"
         "  Ctrl+R record to PZ417.SCR, Ctrl+P play it back, Ctrl+O play one event, Ctrl+Q quit.\n"
         "\n"
         "Exit status: the program's own; 1 when there is no desktop to open windows on.\n";
}

// Where to turn without a desktop: the same program's replay executable, named as it lies beside
// this one when it does (as once installed), else as programs on the kit usually name it.
std::string ReplayHint(const char* argv0) {
  std::error_code ignored;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ignored);
  if (self.empty() && argv0 != nullptr) self = argv0;
  const std::string replay = self.stem().string() + "-replay" + self.extension().string();
  if (!self.empty() && std::filesystem::exists(self.parent_path() / replay, ignored)) {
    return "; " + replay + " runs the program without one (" + replay + " --help)";
  }
  return "; its build linked with PZ417::replay (such as " + replay + ") runs it without one";
}

std::string CommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += argument;
  }
  return line;
}

void TellError(const std::string& name, const std::string& why) {
  win::desktop::Tell(name, name + ": " + why + "\n", true);
}

}  // namespace

int main(int argc, char** argv) {
  entry::FailWritesPastTheFileSizeLimit();
  const char* argv0 = argc > 0 ? argv[0] : nullptr;
  const std::string name = entry::ProgramName(argv0);
  const std::string first = argc > 1 ? argv[1] : "";
  if (first == "--help" || first == "--version") {
    win::desktop::Tell(name, first == "--help" ? HelpText(name) : entry::VersionText(name), false);
    return 0;
  }
  std::vector<std::string> arguments(argv + 1, argv + argc);
  const pz417::Result<int> scale = win::TakeScaleOption(arguments);
  if (!scale) {
    TellError(name, scale.error());
    return 2;
  }
  const pz417::Result<std::unique_ptr<win::Host>> host = win::desktop::OpenHost();
  if (!host) {
    TellError(name, host.error() + ReplayHint(argv0));
    return 1;
  }
  const auto tellFailure = [&name](const pz417::Status& failure) {
    if (!failure) TellError(name, failure.error());
  };
  (*host)->SetFailureReport(tellFailure);
  tellFailure(raster::LoadBuiltInFaces());
  if (*scale > 0) (*host)->SetScale(*scale);
  win::SetHost(host->get());
  const std::string commandLine = CommandLine(arguments);
  const int status = WinMain(nullptr, nullptr, commandLine.c_str(), 1);
  win::SetHost(nullptr);
  return status;
}
