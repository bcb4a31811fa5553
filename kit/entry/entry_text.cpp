#include "entry_text.h"

#include <filesystem>

namespace entry {

std::string ProgramName(const char* argv0) {
  if (argv0 == nullptr || *argv0 == '\0') return "program";
  const std::filesystem::path path(argv0);
  // Windows users know their programs without the suffix.
  const std::string name = (path.extension() == ".exe" ? path.stem() : path.filename()).string();
  return name.empty() ? "program" : name;
}

std::string VersionText(const std::string& programName) {
  return programName + " (PZ417 kit) " PZ417_VERSION "\n";
}

}  // namespace entry
