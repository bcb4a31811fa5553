#pragma once
// The replay entry's command line.

#include <string>
#include <vector>

#include "pz417/status.h"

namespace replay {

struct Options {
  std::vector<std::string> inputs;  // drive and script files, played in this order
  std::string canvasPng;
  std::string windowPng;
  std::string consolePng;
  std::string logText;
  std::string eventsText;
  bool help = false;
  bool version = false;

  // Whether an option names a file to write; drive files' snapshots are the other outputs.
  bool AsksForOutput() const;
};

// Why a run that would write nothing is refused.
extern const char* const NothingToWrite;

// What the command line asks for, or why it cannot be understood.
pz417::Result<Options> ParseOptions(const std::vector<std::string>& arguments);

// The whole --help text, for the executable called `programName`.
std::string HelpText(const std::string& programName);

}  // namespace replay
