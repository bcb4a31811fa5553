// The script reader and the line formats, on real streams.

#include "pz417/script_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "file_size_limit.h"

namespace {

using pz417::ScriptLine;
using pz417::ScriptLineKind;
using namespace std::string_literals;

// Compact constructors for expected lines.
ScriptLine M(int x, int y) {
  return {.kind = ScriptLineKind::Mouse, .x = x, .y = y};
}
ScriptLine K(int key) {
  return {.kind = ScriptLineKind::Key, .key = static_cast<signed char>(key)};
}
ScriptLine P(int count) {
  return {.kind = ScriptLineKind::Periodic, .count = count};
}
const ScriptLine Other{.kind = ScriptLineKind::Other};
const ScriptLine End{.kind = ScriptLineKind::EndOfFile};

std::string Describe(const ScriptLine& line) {
  static const char* const names[] = {"Mouse", "Key", "Periodic", "Other", "EndOfFile"};
  return std::string(names[static_cast<int>(line.kind)]) + "(x=" + std::to_string(line.x) +
         " y=" + std::to_string(line.y) + " key=" + std::to_string(line.key) +
         " count=" + std::to_string(line.count) + ")";
}

std::FILE* StreamWith(const std::string& content) {
  std::FILE* file = std::tmpfile();
  std::fwrite(content.data(), 1, content.size(), file);
  std::rewind(file);
  return file;
}

// Reads until the end-of-file result (or a safe bound) and describes what came back.
std::vector<std::string> ReadAll(const std::string& content) {
  std::FILE* file = StreamWith(content);
  std::vector<std::string> lines;
  for (int i = 0; i < 64; ++i) {
    const ScriptLine line = pz417::ReadScriptLine(file);
    lines.push_back(Describe(line));
    if (line.kind == ScriptLineKind::EndOfFile) break;
  }
  std::fclose(file);
  return lines;
}

struct ReadCase {
  const char* name;
  std::string content;
  std::vector<ScriptLine> expected;
  friend void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }
};

class ReadScript : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadScript, GivesTheseLines) {
  std::vector<std::string> expected;
  for (const ScriptLine& line : GetParam().expected) expected.push_back(Describe(line));
  EXPECT_EQ(ReadAll(GetParam().content), expected);
}

const std::string LongLinePiece = "PZ417_KBD(1" + std::string(500, ' ');  // 511 characters

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadScript,
    testing::Values(
        ReadCase{"SevenEventRecording",
                 "PZ417_PERIODIC(3);\nPZ417_MOUSE(10, -20);\nPZ417_KBD(97);\nPZ417_PERIODIC(2);\n",
                 {P(3), M(10, -20), K(97), P(2), End}},
        ReadCase{"EmptyFile", "", {End}},
        ReadCase{
            "PeriodicZeroAndOne", "PZ417_PERIODIC(0);\nPZ417_PERIODIC(1);\n", {P(0), P(1), End}},
        // Character 233 is written as -23 and must come back as it was typed.
        ReadCase{"KeyKeepsItsSign", "PZ417_KBD(-23);\nPZ417_KBD(-1);\n", {K(-23), K(-1), End}},
        ReadCase{
            "KeyTakesLowEightBits", "PZ417_KBD(321);\nPZ417_KBD(200);\n", {K(65), K(-56), End}},
        ReadCase{"MouseSigned", "PZ417_MOUSE(-5, 10);\n", {M(-5, 10), End}},
        ReadCase{"MouseRunWithInnerMinus", "PZ417_MOUSE(3-4, 7);\n", {M(3, 7), End}},
        ReadCase{"MouseRunsAsAtoiTakesThem", "PZ417_MOUSE(--5, 8-);\n", {M(0, 8), End}},
        ReadCase{
            "EmptyLinesSkipped", "\n\nPZ417_KBD(1);\n\n\nPZ417_KBD(2);\n\n", {K(1), K(2), End}},
        ReadCase{"SevenBlanksIsAnotherKind", "       \nPZ417_KBD(5);\n", {Other, K(5), End}},
        ReadCase{"AnySixCharactersBeforeTheLetter",
                 "abcdefK9\n......M 1 2\n;;;;;;P(4)\n",
                 {K(9), M(1, 2), P(4), End}},
        ReadCase{"LowerCaseLetterIsAnotherKind", "PZ417_kbd(1);\n", {Other, End}},
        ReadCase{
            "OverlongLineReadInPieces", LongLinePiece + "xxxxxxM(4, 5);\n", {K(1), M(4, 5), End}},
        ReadCase{"LineOfExactlyTheBufferLeavesAnEmptyPiece",
                 LongLinePiece + "\nPZ417_KBD(2);\n",
                 {K(1), K(2), End}},
        ReadCase{"LastLineWithoutNewlineIsNotPlayed", "PZ417_KBD(1);\nPZ417_KBD(2);", {K(1), End}},
        ReadCase{"CarriageReturnLineFeed",
                 "PZ417_KBD(1);\r\n\r\nPZ417_MOUSE(-1, 2);\r\n",
                 {K(1), M(-1, 2), End}},
        ReadCase{"ShortLinesAreAnotherKind", "PZ417\nPZ417_\nK\n", {Other, Other, Other, End}},
        ReadCase{"MissingNumbersTakeZero",
                 "PZ417_KBD();\nPZ417_PERIODIC\nPZ417_MOUSE(;\nPZ417_MOUSE(7);\n",
                 {K(0), P(0), M(0, 0), M(7, 0), End}},
        ReadCase{
            "LimitsExact", "PZ417_MOUSE(2147483647, -2147483648);\n", {M(INT_MAX, INT_MIN), End}},
        ReadCase{"PastTheLimitsSaturates",
                 "PZ417_MOUSE(2147483648, -2147483649);\nPZ417_MOUSE(99999999999999999999, "
                 "-99999999999999999999);\nPZ417_PERIODIC(123456789012345);\n",
                 {M(INT_MAX, INT_MIN), M(INT_MAX, INT_MIN), P(INT_MAX), End}},
        ReadCase{"LongRunOfLeadingZeros",
                 "PZ417_MOUSE(-0000000000000000042, 0000000000000007);\n",
                 {M(-42, 7), End}},
        ReadCase{"NulInsideALine", "PZ\0_KBD(1);\nPZ417_KBD(3);\n"s, {Other, K(3), End}},
        ReadCase{"NumbersOnlyFromTheLetterOn", "12345-M6, 7\n", {M(6, 7), End}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// The writer's lines, read back, give the values written, at the limits too.
struct RoundTripCase {
  const char* name;
  int x, y, key, count;
  friend void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }
};

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, WrittenLinesReadBackAsWritten) {
  const RoundTripCase& c = GetParam();
  std::FILE* file = std::tmpfile();
  ASSERT_TRUE(pz417::WriteMouseLine(file, c.x, c.y));
  ASSERT_TRUE(pz417::WriteKeyLine(file, static_cast<signed char>(c.key)));
  ASSERT_TRUE(pz417::WritePeriodicLine(file, c.count));
  std::rewind(file);
  EXPECT_EQ(Describe(pz417::ReadScriptLine(file)), Describe(M(c.x, c.y)));
  EXPECT_EQ(Describe(pz417::ReadScriptLine(file)), Describe(K(c.key)));
  EXPECT_EQ(Describe(pz417::ReadScriptLine(file)), Describe(P(c.count)));
  EXPECT_EQ(Describe(pz417::ReadScriptLine(file)), Describe(End));
  std::fclose(file);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundTrip,
                         testing::Values(RoundTripCase{"Small", 10, -20, 97, 3},
                                         RoundTripCase{"Zero", 0, 0, 0, 1},
                                         RoundTripCase{"Limits", INT_MIN, INT_MAX, 127, INT_MAX},
                                         RoundTripCase{"NegativeKey", -1, 1, -128, 2},
                                         RoundTripCase{"CharacterAbove127", 5, 6, -23, 4}),
                         [](const testing::TestParamInfo<RoundTripCase>& info) {
                           return std::string(info.param.name);
                         });

// Blank lines, CR LF, pieces of an overlong line and NUL bytes each count as what they are.
TEST(ReadScriptLine, NamesTheLineEachResultCameFrom) {
  std::FILE* file = StreamWith("\nPZ417_KBD(1);\r\n\r\n" + LongLinePiece +
                               "xxxxxxM(4, 5);\nPZ\0_KBD(\0\n\n\nPZ417_KBD(3);\n"s);
  pz417::ScriptFilePosition position;
  std::vector<long> lines;
  while (pz417::ReadScriptLine(file, &position).kind != ScriptLineKind::EndOfFile) {
    lines.push_back(position.line);
  }
  std::fclose(file);
  EXPECT_EQ(lines, (std::vector<long>{2, 4, 4, 5, 8}));
  EXPECT_EQ(position.lineEnds, 8);
}

TEST(ScriptLineFormats, AreTheKitsExactText) {
  std::FILE* file = std::tmpfile();
  pz417::WriteMouseLine(file, 10, -20);
  pz417::WriteKeyLine(file, -23);
  pz417::WritePeriodicLine(file, 3);
  std::rewind(file);
  char text[128] = {};
  const std::size_t size = std::fread(text, 1, sizeof text - 1, file);
  std::fclose(file);
  EXPECT_EQ(std::string(text, size),
            "PZ417_MOUSE(10, -20);\nPZ417_KBD(-23);\nPZ417_PERIODIC(3);\n");
}

TEST(ScriptLineFormatsDeathTest, ReportAStreamThatCannotTakeTheLine) {
  SKIP_WITHOUT_FILE_SIZE_LIMIT();
  EXPECT_EXIT(
      {
        const FileSizeLimit nothingFits(0);
        std::FILE* file = std::tmpfile();
        std::setvbuf(file, nullptr, _IONBF, 0);  // so the write itself meets the limit
        const int taken = pz417::WriteMouseLine(file, 1, 2) + pz417::WriteKeyLine(file, 1) +
                          pz417::WritePeriodicLine(file, 1);
        std::exit(taken);
      },
      testing::ExitedWithCode(0), "");
}

TEST(ReadScriptLine, AFailedReadIsAnotherKindAndLeavesTheErrorIndicator) {
  const auto directory = std::filesystem::temp_directory_path() / "script_format_test_dir";
  std::filesystem::create_directories(directory);
  std::FILE* file = std::fopen(directory.string().c_str(), "r");
  if (file == nullptr) GTEST_SKIP() << "a directory does not open for reading here";
  EXPECT_EQ(Describe(pz417::ReadScriptLine(file)), Describe(Other));
  EXPECT_NE(std::ferror(file), 0);
  EXPECT_EQ(std::feof(file), 0);
  std::fclose(file);
  std::filesystem::remove(directory);
}

// ---- whether a file is a script file ---------------------------------------------------------

struct ScriptTextCase {
  const char* name;
  std::string text;
  bool isScript;
};

void PrintTo(const ScriptTextCase& c, std::ostream* os) {
  *os << c.name;
}

class ScriptText : public testing::TestWithParam<ScriptTextCase> {};

TEST_P(ScriptText, IsAScriptFileOnlyWhenEveryLineIsOneTheWriterMakes) {
  EXPECT_EQ(pz417::IsScriptText(GetParam().text), GetParam().isScript);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScriptText,
    testing::Values(
        ScriptTextCase{"Empty", "", true},
        ScriptTextCase{"EveryKind",
                       "PZ417_MOUSE(-250, 232);\nPZ417_KBD(-23);\nPZ417_PERIODIC(3);\n", true},
        ScriptTextCase{"CarriageReturnsAndBlankLines",
                       "PZ417_KBD(104);\r\n\r\n\nPZ417_KBD(105);\r\n", true},
        ScriptTextCase{"LastLineWithoutLineEnd", "PZ417_KBD(1);\nPZ417_MOUSE(0, 0);", true},
        ScriptTextCase{"AText", "Dear diary,\nPZ417_KBD(1);\n", false},
        ScriptTextCase{"APicture", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, false},
        ScriptTextCase{"NulInALine", "PZ417_KBD(1);\0\n"s, false},
        ScriptTextCase{"AnotherLetterCase", "PZ417_kbd(1);\n", false},
        ScriptTextCase{"AKeyTheWriterCannotWrite", "PZ417_KBD(300);\n", false},
        ScriptTextCase{"NumbersWrittenOtherwise", "PZ417_MOUSE(+5, 007);\n", false},
        ScriptTextCase{"SpaceAfterTheLine", "PZ417_PERIODIC(2); \n", false},
        ScriptTextCase{"ANegativeRun", "PZ417_PERIODIC(-2);\n", false},
        ScriptTextCase{"ALineLongerThanTheReaderTakes",
                       "PZ417_MOUSE(1, " + std::string(600, '0') + "1);\n", false}),
    [](const testing::TestParamInfo<ScriptTextCase>& info) { return info.param.name; });

}  // namespace
