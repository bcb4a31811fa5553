#pragma once
// The files frosty-replay plays: drive files and the kit's own script files, read in full and
// checked before the program starts.

#include <string>
#include <vector>

#include "drive_file.h"

namespace replay {

struct InputsRead {
  std::vector<Command> commands;  // every file's commands, in the order the files were given
  std::string error;              // "FILE:LINE: what is wrong", empty when all was read
};

// A file is taken as a script file when its first non-empty line starts with "PZ417_", the
// prefix of every line the kit writes; any other file is a drive file.
bool LooksLikeScript(std::string_view text);

InputsRead ReadInputs(const std::vector<std::string>& paths, const ClientArea& area = {});

}  // namespace replay
