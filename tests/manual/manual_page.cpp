#include "manual_page.h"

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace manual {
namespace {

// The page's lines from `.Sh SECTION` up to the next section.
std::vector<std::string> SectionLines(const std::string& page, const std::string& section) {
  std::ifstream file(std::string(PZ417_MANUAL_DIR) + "/" + page);
  if (!file) throw std::runtime_error("no manual page " + page);
  std::vector<std::string> lines;
  bool inside = false;
  for (std::string line; std::getline(file, line);) {
    if (line.rfind(".Sh ", 0) == 0) {
      inside = line == ".Sh " + section;
    } else if (inside) {
      lines.push_back(line);
    }
  }
  return lines;
}

// The lines inside a section's blocks that open with a line starting with `opening` and close
// with the line `closing`.
std::vector<std::string> BlockLines(const std::string& page, const std::string& section,
                                    const std::string& opening, const std::string& closing) {
  std::vector<std::string> lines;
  bool inside = false;
  for (const std::string& line : SectionLines(page, section)) {
    if (line.rfind(opening, 0) == 0) {
      inside = true;
    } else if (line == closing) {
      inside = false;
    } else if (inside) {
      lines.push_back(line);
    }
  }
  return lines;
}

// The escapes the pages use, undone.
std::string Unescaped(std::string text) {
  static const std::pair<std::string, std::string> Escapes[] = {
      {"\\&", ""}, {"\\-", "-"}, {"\\(dq", "\""}, {"\\(mu", "x"}, {"\\e", "\\"}};
  for (const auto& [escape, meaning] : Escapes) {
    for (std::size_t at = text.find(escape); at != std::string::npos;
         at = text.find(escape, at + meaning.size())) {
      text.replace(at, escape.size(), meaning);
    }
  }
  return text;
}

// A cell's words without the leading macro that sets them (Dv, No, Sy...).
std::string CellText(std::string cell) {
  static const std::regex Macro("^[A-Z][a-z] ");
  return Unescaped(std::regex_replace(cell, Macro, ""));
}

}  // namespace

std::vector<std::string> LiteralLines(const std::string& page, const std::string& section) {
  std::vector<std::string> lines;
  for (const std::string& line : BlockLines(page, section, ".Bd -literal", ".Ed")) {
    if (line.rfind(".\\\"", 0) != 0) lines.push_back(Unescaped(line));
  }
  return lines;
}

std::vector<std::vector<std::string>> ColumnRows(const std::string& page,
                                                 const std::string& section) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : BlockLines(page, section, ".Bl -column", ".El")) {
    if (line.rfind(".It ", 0) != 0 || line.rfind(".It Sy ", 0) == 0) continue;
    std::vector<std::string> cells;
    std::string rest = line.substr(4);
    for (std::size_t tab; (tab = rest.find(" Ta ")) != std::string::npos;) {
      cells.push_back(CellText(rest.substr(0, tab)));
      rest = rest.substr(tab + 4);
    }
    cells.push_back(CellText(rest));
    rows.push_back(cells);
  }
  return rows;
}

std::vector<std::string> ItemWords(const std::string& page, const std::string& section,
                                   const std::string& macro) {
  const std::string opening = ".It " + macro + " ";
  std::vector<std::string> words;
  for (const std::string& line : SectionLines(page, section)) {
    if (line.rfind(opening, 0) != 0) continue;
    const std::string rest = line.substr(opening.size());
    words.push_back(Unescaped(rest.substr(0, rest.find(' '))));
  }
  return words;
}

std::string Prose(const std::string& page, const std::string& section) {
  std::string text;
  for (const std::string& line : SectionLines(page, section)) {
    if (line.empty() || line[0] == '.') continue;
    if (!text.empty()) text += ' ';
    text += Unescaped(line);
  }
  return text;
}

bool PrintableBy(const std::string& format, const std::string& text) {
  std::string pattern;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format.compare(i, 2, "%d") == 0) {
      pattern += "-?[0-9]+";
      ++i;
    } else if (format.compare(i, 2, "%s") == 0) {
      pattern += "[\\s\\S]*";
      ++i;
    } else {
      if (std::string("\\^$.|?*+()[]{}").find(format[i]) != std::string::npos) pattern += '\\';
      pattern += format[i];
    }
  }
  return std::regex_match(text, std::regex(pattern));
}

}  // namespace manual
