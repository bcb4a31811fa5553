#pragma once
// frosty-replay's command line.

#include <string>
#include <vector>

#include "frosty/status.h"

namespace replay {

struct Options {
  std::vector<std::string> inputs;  // drive and script files, played in this order
  std::string canvasPng;
  std::string windowPng;
  std::string consolePng;
  std::string logText;
  std::string eventsText;
  bool help = false;
};

// What the command line asks for, or why it cannot be understood.
frosty::Result<Options> ParseOptions(const std::vector<std::string>& arguments);

// The whole --help text.
std::string HelpText();

}  // namespace replay
