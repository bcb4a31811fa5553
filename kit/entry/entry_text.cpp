#include "entry_text.h"

#include <filesystem>

#include "pz417/kit.h"

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

std::string EventLine(int kind, int x, int y, signed char key) {
  switch (kind) {
    case Mouse:
      return "Mouse " + std::to_string(x) + " " + std::to_string(y);
    case Key:
      return "Key " + std::to_string(key);
    case Periodic:
      return "Periodic";
    case Quit:
      return "Quit";
    default:
      return "Event " + std::to_string(kind);
  }
}

}  // namespace entry
