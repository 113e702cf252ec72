// The subcommands on long texts: positions, answers, automatic changes and listings past the reach
// of 16-bit offsets and counts.
#include <algorithm>
#include <string>

#include "long_text.h"
#include "tool_fixture.h"

namespace vantor {
namespace {

using LongTextToolTest = ToolTest;

// "LINE:COLUMN" of an offset in text, as the tool reports positions.
std::string PositionIn(const std::string& text, int32_t offset) {
  const auto before = std::string_view(text).substr(0, static_cast<std::size_t>(offset));
  const std::size_t line = std::count(before.begin(), before.end(), '\n') + 1;
  const std::size_t lineStart =
      before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
  return std::to_string(line) + ":" + std::to_string(offset - lineStart + 1);
}

vantor_test::LongText ProblemsPastSixteenBits(std::size_t length) {
  return vantor_test::MakeLongText(
      length,
      {vantor_test::kPastSigned16, vantor_test::kPastUnsigned16, vantor_test::kPastAMillion},
      "wrld");
}

TEST_F(LongTextToolTest, CheckReportsProblemsOnLongLinesAndFarIntoTheFile) {
  vantor_test::LongText made = ProblemsPastSixteenBits(1'100'000);
  ASSERT_EQ(made.problems.size(), 3u);
  // The first 100,000 characters are one line: the window that holds it is that long.
  std::replace(made.text.begin(), made.text.begin() + 100'000, '\n', ' ');
  WriteFile("big.txt", made.text);
  const ToolRun run = Run({"check", "--no-suggestions", Path("big.txt")});
  EXPECT_EQ(run.status, kExitProblems) << run.err;
  std::string expected;
  for (const int32_t at : made.problems) {
    expected += Path("big.txt") + ":" + PositionIn(made.text, at) + ": misspelled: wrld\n";
  }
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(PositionIn(made.text, made.problems[1]), "1:" + std::to_string(made.problems[1] + 1));
}

TEST_F(LongTextToolTest, FixAnswersAndReportsAutomaticChangesFarIntoTheFile) {
  vantor_test::LongText made = ProblemsPastSixteenBits(1'100'000);
  ASSERT_EQ(made.problems.size(), 3u);
  // The last problem is an auto-change pair, which the check makes by itself.
  made.text.replace(static_cast<std::size_t>(made.problems[2]), 4, "recieve");
  WriteFile("big.txt", made.text);
  const ToolRun run = Run({"fix", "--no-backup", Path("big.txt")}, "d\nr world\ny\n");
  EXPECT_EQ(run.status, kExitClean) << run.err;

  std::string expected = made.text;
  expected.replace(static_cast<std::size_t>(made.problems[1]), 4, "world");
  expected.erase(static_cast<std::size_t>(made.problems[0]) - 1, 5);
  const int32_t changedAt = made.problems[2] - 4;
  expected.replace(static_cast<std::size_t>(changedAt), 7, "receive");
  EXPECT_TRUE(ReadFile("big.txt") == expected) << run.out;
  EXPECT_NE(run.out.find(Path("big.txt") + ":" + PositionIn(expected, changedAt) +
                         ": changed: recieve -> receive\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("Write 3 change(s)"), std::string::npos);
}

TEST_F(LongTextToolTest, PipeGivesOffsetsPastSixteenBitsInOneLine) {
  vantor_test::LongText made = ProblemsPastSixteenBits(70'000);
  ASSERT_EQ(made.problems.size(), 2u);
  std::replace(made.text.begin(), made.text.end(), '\n', ' ');
  const ToolRun run = Run({"-a"}, "!\n^" + made.text + "\n");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out.substr(0, 200);
  for (std::size_t i = 0; i < 2; ++i) {
    // Offsets count the "^" that starts the line.
    EXPECT_NE(lines[1 + i].find(" " + std::to_string(made.problems[i] + 1) + ": "),
              std::string::npos)
        << lines[1 + i];
  }
}

TEST_F(LongTextToolTest, DictListsEveryWordOfALargeDictionary) {
  std::string listed;
  for (int i = 0; i < 40'000; ++i) listed += vantor_test::NumberedWord(i) + "\ti\n";
  WriteFile("big.tlx", vantor_test::NumberedWordsBytes(40'000));
  const ToolRun run = Run({"dict", "list", Path("big.tlx")});
  EXPECT_EQ(run.status, kExitClean) << run.err;
  EXPECT_TRUE(run.out == listed) << run.out.size();
}

}  // namespace
}  // namespace vantor
