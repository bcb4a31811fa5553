// What the manual's pages quote of the kit, read from the pages and compared with the kit: the
// notices and log lines of each page's DIAGNOSTICS, pz417(3)'s colour table and Run menu, and the
// script file's messages on pz417-script(5).

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "colors.h"
#include "kit_session.h"
#include "manual_page.h"
#include "script_messages.h"

namespace {

struct PageCase {
  const char* page;
  bool logging;
  // Between them, every line the page quotes; each call's lines in the page's order.
  std::vector<std::function<void()>> calls;
  friend void PrintTo(const PageCase& c, std::ostream* out) { *out << c.page; }
};

const PageCase Pages[] = {
    {"KitCircle.3", true, {[] { KitCircle(24, 0, 0, -5); }}},
    {"KitTriangle.3", true, {[] { KitTriangle(-1, 0, 0, 9, 0, 0, 9, -2); }}},
    {"KitRectangle.3",
     true,
     {[] { KitRectangle(30, 0, 0, 4, 4, 0); }, [] { KitRectangle(30, 4, 4, 0, 0, -2); }}},
    {"KitOval.3", true, {[] { KitOval(-7, 0, 0, 4, 4, 0); }, [] { KitOval(-7, 0, 0, 8, 4, -1); }}},
    {"KitLine.3", true, {[] { KitLine(99, 0, 0, 5, 5, -1); }}},
    {"KitText.3", true, {[] { KitText(77, 0, 0, -200, "two\nlines"); }}},
    {"KitClear.3", true, {[] { KitClear(); }}},
    {"KitSetLogging.3",
     true,
     {[] { KitCircle(0, 1, 2, 3); }, [] { KitTriangle(1, 0, 0, 1, 1, 2, 0, 1); },
      [] { KitRectangle(9, 0, 0, 1, 1, 0); }, [] { KitRectangle(9, 0, 0, 1, 1, 2); },
      [] { KitOval(22, 0, 0, 1, 1, 0); }, [] { KitOval(22, 0, 0, 1, 1, 2); },
      [] { KitLine(3, 0, 0, 1, 1, 0); }, [] { KitTextf(4, 0, 0, 12, "%d", 5); },
      [] { KitClear(); }}},
    {"pz417.3",
     false,
     {[] { KitCircle(24, 0, 0, -1); }, [] { KitLine(0, 0, 0, 1, 1, -1); },
      [] { KitText(0, 0, 0, 300, ""); }}},
};

class QuotedLines : public KitSession, public testing::WithParamInterface<PageCase> {};

TEST_P(QuotedLines, AreWhatTheKitPrints) {
  const std::vector<std::string> quoted = manual::LiteralLines(GetParam().page, "DIAGNOSTICS");
  ASSERT_FALSE(quoted.empty());
  KitSetLogging(GetParam().logging);
  std::vector<bool> seen(quoted.size());
  for (const auto& call : GetParam().calls) {
    printed.clear();
    call();
    std::size_t earliest = 0;
    for (const std::string& message : printed) {
      ASSERT_TRUE(message.ends_with('\n')) << message;
      const std::string line = message.substr(0, message.size() - 1);
      std::size_t at = earliest;
      while (at < quoted.size() && !manual::PrintableBy(quoted[at], line)) ++at;
      ASSERT_LT(at, quoted.size()) << "printed, and not quoted in this order: " << line;
      seen[at] = true;
      earliest = at;
    }
  }
  for (std::size_t i = 0; i < quoted.size(); ++i) {
    EXPECT_TRUE(seen[i]) << "quoted, and never printed: " << quoted[i];
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, QuotedLines, testing::ValuesIn(Pages));

TEST(ColourTablePage, NamesEveryColourWithItsIndexNameAndBytes) {
#define PZ417_NAMED(name) \
  { "KitColor::" #name, KitColor::name }
  const std::pair<std::string, int> Names[] = {
      PZ417_NAMED(Black),     PZ417_NAMED(White),       PZ417_NAMED(Red),
      PZ417_NAMED(Green),     PZ417_NAMED(Blue),        PZ417_NAMED(Yellow),
      PZ417_NAMED(Magenta),   PZ417_NAMED(Cyan),        PZ417_NAMED(Purple),
      PZ417_NAMED(NavyBlue),  PZ417_NAMED(DustyPlum),   PZ417_NAMED(IceBlue),
      PZ417_NAMED(Turquoise), PZ417_NAMED(Orange),      PZ417_NAMED(Brown),
      PZ417_NAMED(Pink),      PZ417_NAMED(Chalk),       PZ417_NAMED(Gold),
      PZ417_NAMED(Peach),     PZ417_NAMED(ForestGreen), PZ417_NAMED(SeaGreen),
      PZ417_NAMED(Olive),     PZ417_NAMED(Gray50),      PZ417_NAMED(Gray20),
  };
#undef PZ417_NAMED
  std::vector<std::vector<std::string>> rows;
  for (auto& row : manual::ColumnRows("pz417.3", "DESCRIPTION")) {
    if (row[0].starts_with("KitColor::")) rows.push_back(row);
  }
  ASSERT_EQ(rows.size(), std::size(Names));
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const std::vector<std::string>& row = rows[index];
    SCOPED_TRACE(row[0]);
    ASSERT_EQ(row.size(), 4u);
    EXPECT_EQ(row[0], Names[index].first);
    EXPECT_EQ(Names[index].second, static_cast<int>(index));
    EXPECT_EQ(row[1], std::to_string(index));
    const kit::NamedColor& colour = kit::ColorTable[index];
    EXPECT_EQ(row[2], colour.name);
    EXPECT_EQ(row[3], std::to_string(colour.rgb >> 16 & 0xFF) + " " +
                          std::to_string(colour.rgb >> 8 & 0xFF) + " " +
                          std::to_string(colour.rgb & 0xFF));
  }
}

using RunMenuPage = KitSession;

TEST_F(RunMenuPage, ListsTheEntriesThatCanBeChosenWithTheirShortcuts) {
  std::vector<std::pair<std::string, std::string>> listed;
  for (auto& row : manual::ColumnRows("pz417.3", "DESCRIPTION")) {
    if (row.size() == 3 && row[1].starts_with("Ctrl+")) listed.emplace_back(row[0], row[1]);
  }
  std::vector<std::pair<std::string, std::string>> menu;
  const win::MenuId run = win::GetMenuItem(win::GetMenu(Graphics()), 0).popup;
  for (int i = 0; i < win::GetMenuItemCount(run); ++i) {
    const win::MenuItemInfo item = win::GetMenuItem(run, i);
    if (item.separator || item.grayed) continue;
    std::string text = item.text;
    std::erase(text, '&');
    const std::size_t tab = text.find('\t');
    menu.emplace_back(text.substr(0, tab), text.substr(tab + 1));
  }
  EXPECT_EQ(listed, menu);
}

// The page quotes every message the kit has about the script file, in the kit's order.
TEST(ScriptFilePage, QuotesTheMessagesTheKitPrints) {
  std::vector<std::string> quoted;
  for (const std::string& format : manual::LiteralLines("pz417-script.5", "DIAGNOSTICS")) {
    quoted.push_back(format + "\n");
  }
  EXPECT_EQ(quoted,
            (std::vector<std::string>{kit::CannotOpenToWrite, kit::CannotWrite,
                                      kit::CannotOpenToRead, kit::CannotRead, kit::EndOfScript}));
}

}  // namespace
