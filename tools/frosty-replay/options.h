#pragma once
// frosty-replay's command line.

#include <string>
#include <vector>

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

struct OptionsParse {
  Options options;
  std::string error;  // empty when the command line was understood
};

OptionsParse ParseOptions(const std::vector<std::string>& arguments);

// The whole --help text.
std::string HelpText();

}  // namespace replay
