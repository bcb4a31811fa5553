// Text is drawn with the faces built into the kit, never with the fonts a machine happens to
// have: frosty-replay writes the same bytes whether fontconfig would find no font at all or
// other faces than ours.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "replay_session.h"

namespace {

namespace fs = std::filesystem;

struct FontSetting {
  const char* name;
  const char* directories;  // of a fontconfig configuration; nullptr: the machine's own
};

const FontSetting settings[] = {
    {"the machine's own configuration", nullptr},
    {"a configuration with no font directory", ""},
    {"a configuration of other faces",
     "<dir>/usr/share/fonts/truetype/dejavu</dir><dir>/usr/share/fonts/truetype/liberation2</dir>"
     "<dir>/usr/share/fonts/X11</dir>"},
};

// Every PNG of the demo followed by a logged redraw (console text), by name.
std::map<std::string, std::string> Pictures(const FontSetting& setting) {
  replay_test::TempDir dir;
  const char* own = std::getenv("FONTCONFIG_FILE");
  const bool hadOwn = own != nullptr;
  const std::string saved = hadOwn ? own : "";
  if (setting.directories != nullptr) {
    const fs::path config = dir.path() / "fonts.conf";
    replay_test::WriteFile(config, std::string("<fontconfig>") + setting.directories +
                                       "<cachedir>" + dir.path().string() +
                                       "</cachedir></fontconfig>\n");
    ::setenv("FONTCONFIG_FILE", config.c_str(), 1);
  }
  replay_test::WriteFile(dir.path() / "logged.drive", "ctrl L\nclick -250 232\n");
  const replay_test::Run run =
      replay_test::RunReplay({FROSTY_SOURCE_DIR "/demo/demo.drive", "logged.drive", "--window",
                              "window.png", "--canvas", "canvas.png", "--console", "console.png"},
                             dir.path());
  if (hadOwn) {
    ::setenv("FONTCONFIG_FILE", saved.c_str(), 1);
  } else {
    ::unsetenv("FONTCONFIG_FILE");
  }
  EXPECT_EQ(run.exitCode, 0) << setting.name << ": " << run.errors;
  std::map<std::string, std::string> pictures;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    if (entry.path().extension() == ".png") {
      pictures[entry.path().filename().string()] = replay_test::ReadFile(entry.path());
    }
  }
  return pictures;
}

TEST(Fonts, PicturesAreTheSameBytesWhateverFontsTheMachineHas) {
  const std::map<std::string, std::string> expected = Pictures(settings[0]);
  ASSERT_EQ(expected.size(), 3u);
  // The machine's own configuration again too: two runs write the same bytes.
  for (const FontSetting& setting : settings) {
    const std::map<std::string, std::string> pictures = Pictures(setting);
    ASSERT_EQ(pictures.size(), expected.size()) << setting.name;
    for (const auto& [name, bytes] : expected) {
      EXPECT_TRUE(pictures.at(name) == bytes) << name << " differs with " << setting.name;
    }
  }
}

}  // namespace
