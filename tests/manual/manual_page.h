#pragma once
// What the kit's manual pages say, read from their mdoc sources, for the tests that compare it
// with what the kit does.

#include <string>
#include <vector>

namespace manual {

// The lines of the literal displays in a section of a page (a file of kit/man/), as a reader
// sees them: escapes undone, requests guarded with \& unguarded.
std::vector<std::string> LiteralLines(const std::string& page, const std::string& section);

// The rows of the column lists in a section, each a list of its cells as a reader sees them,
// without the heading rows (whose cells are set in bold).
std::vector<std::vector<std::string>> ColumnRows(const std::string& page,
                                                 const std::string& section);

// The word each `.It MACRO` item of a section's lists opens with: for `.It Fl -log Ar FILE`
// and the macro "Fl", "-log".
std::vector<std::string> ItemWords(const std::string& page, const std::string& section,
                                   const std::string& macro);

// A section's running text, its lines joined with spaces, without the lines of requests.
std::string Prose(const std::string& page, const std::string& section);

// Whether `text` is what the printf format `format` can print: %d a decimal int, %s any text.
bool PrintableBy(const std::string& format, const std::string& text);

}  // namespace manual
