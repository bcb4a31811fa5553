// pz417-replay(1) against the replay entry: the options and drive-file commands it lists are
// those --help lists and the parsers take, its key names are the keyboard's, and the figures
// and message it states are the entry's.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "drive_file.h"
#include "headless/headless_host.h"
#include "manual_page.h"
#include "options.h"
#include "win/keyboard.h"

namespace {

const std::string Page = "pz417-replay.1";

std::vector<std::string> Sorted(std::vector<std::string> words) {
  std::sort(words.begin(), words.end());
  return words;
}

// The words of `help` that open a line's first column, or follow a ", " in it, and that `known`
// takes.
template <typename Known>
std::vector<std::string> HelpWords(const std::string& help, const std::regex& word, Known known) {
  std::vector<std::string> words;
  std::istringstream lines(help);
  for (std::string line; std::getline(lines, line);) {
    const std::string column = line.substr(0, line.find("  ", 2));
    for (std::sregex_iterator at(column.begin(), column.end(), word), end; at != end; ++at) {
      if (known((*at)[1].str())) words.push_back((*at)[1].str());
    }
  }
  return words;
}

TEST(ReplayPage, ListsTheOptionsOfHelp) {
  const auto known = [](const std::string& option) {
    const auto parsed = replay::ParseOptions({"-" + option, "file"});
    return parsed || !parsed.error().starts_with("unknown option");
  };
  const std::vector<std::string> help =
      HelpWords(replay::HelpText("x"), std::regex("^  -(-[a-z]+)"), known);
  ASSERT_FALSE(help.empty());
  EXPECT_EQ(Sorted(manual::ItemWords(Page, "OPTIONS", "Fl")), Sorted(help));
}

TEST(ReplayPage, ListsTheCommandsOfHelp) {
  const auto known = [](const std::string& name) {
    const auto parsed = replay::ParseDriveLine(name);
    return parsed || !parsed.error().starts_with("unknown command");
  };
  const std::vector<std::string> help =
      HelpWords(replay::DriveSyntaxHelp(), std::regex("(?:^  |, )([a-z]+)"), known);
  ASSERT_FALSE(help.empty());
  const std::vector<std::string> listed = manual::ItemWords(Page, "DRIVE FILES", "Cm");
  EXPECT_TRUE(std::all_of(listed.begin(), listed.end(), known));
  EXPECT_EQ(Sorted(listed), Sorted(help));
}

// "A to Z" is every key of the table from A to Z.
TEST(ReplayPage, NamesEveryKeyInTheTablesOrder) {
  const std::string prose = manual::Prose(Page, "DRIVE FILES");
  const std::size_t first = prose.find("Return Tab"), last = prose.find("; letters in");
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(last, std::string::npos);
  std::string names = prose.substr(first, last - first);
  std::replace(names.begin(), names.end(), ',', ' ');

  std::vector<std::string> table;
  for (const win::Key& key : win::Keys()) table.emplace_back(key.name);
  std::vector<std::string> stated;
  std::istringstream words(names);
  for (std::string word; words >> word;) {
    if (word == "and") continue;
    if (word != "to") {
      stated.push_back(word);
      continue;
    }
    ASSERT_FALSE(stated.empty());
    std::string end;
    words >> end;
    auto at = std::find(table.begin(), table.end(), stated.back());
    const auto to = std::find(table.begin(), table.end(), end);
    ASSERT_NE(to, table.end()) << end;
    ASSERT_LT(at, to) << stated.back() << " to " << end;
    stated.insert(stated.end(), at + 1, to + 1);
  }
  EXPECT_EQ(stated, table);
}

TEST(ReplayPage, StatesTheEntrysFiguresAndMessage) {
  const std::string passes = std::to_string(headless::HeadlessHost::DefaultBusyPassesPerStep);
  EXPECT_NE(manual::Prose(Page, "DESCRIPTION").find("after every " + passes + " pump passes"),
            std::string::npos);
  EXPECT_NE(manual::Prose(Page, "DESCRIPTION").find("N x " + passes + " events"),
            std::string::npos);
  EXPECT_EQ(manual::LiteralLines(Page, "DIAGNOSTICS"),
            std::vector<std::string>{replay::NothingToWrite});
}

}  // namespace
