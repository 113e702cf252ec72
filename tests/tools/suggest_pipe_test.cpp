// vantor suggest and the ispell pipe protocol, driven as scripts and editors drive them.
#include "tool_fixture.h"

namespace vantor {
namespace {

using SuggestCommandTest = ToolTest;
using PipeCommandTest = ToolTest;

// The tab-separated fields of a line.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

TEST_F(SuggestCommandTest, OneLinePerWordWithFlagsThenSuggestionsBestFirst) {
  const ToolRun run = Run({"suggest", "helo", "the", "monday"});
  EXPECT_EQ(run.status, kExitClean) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  const auto helo = Fields(lines[0]);
  ASSERT_GE(helo.size(), 3u) << lines[0];
  EXPECT_EQ(helo[0], "helo");
  EXPECT_EQ(helo[1], "1");
  EXPECT_TRUE(helo[2] == "hello" || helo[2] == "help") << lines[0];
  EXPECT_EQ(Fields(lines[1])[0], "the");
  EXPECT_EQ(Fields(lines[1])[1], "0");
  const auto monday = Fields(lines[2]);
  EXPECT_EQ(monday[1], std::to_string(TROV_RESULT_MISSPELLED | TROV_RESULT_CAPITALIZATION));
}

TEST_F(SuggestCommandTest, ScoresAreAppendedAndFallFromTheTop) {
  const ToolRun run = Run({"suggest", "--scores", "wrld"});
  const auto fields = Fields(Lines(run.out).at(0));
  ASSERT_GE(fields.size(), 3u) << run.out;
  int previous = 101;
  for (std::size_t i = 2; i < fields.size(); ++i) {
    const std::size_t colon = fields[i].rfind(':');
    ASSERT_NE(colon, std::string::npos) << fields[i];
    const int score = std::stoi(fields[i].substr(colon + 1));
    EXPECT_LE(score, previous);
    EXPECT_GE(score, 50);  // the minimum score of the defaults
    previous = score;
  }
  EXPECT_EQ(fields[2].substr(0, fields[2].rfind(':')), "world");
}

TEST_F(SuggestCommandTest, RankBestWeighsWordFrequenciesAndSpecIsTheDefault) {
  // 'helo' is a doubled letter typed once from 'hello', a neighbouring key from 'help'.
  const ToolRun plain = Run({"suggest", "helo"});
  EXPECT_EQ(Fields(Lines(plain.out).at(0)).at(2), "hello");
  EXPECT_EQ(Run({"suggest", "--rank=spec", "helo"}).out, plain.out);
  EXPECT_EQ(Run({"suggest", "--rank", "spec", "helo"}).out, plain.out);
  EXPECT_EQ(Fields(Lines(Run({"suggest", "--rank=best", "helo"}).out).at(0)).at(2), "hello")
      << "without trovam.frq the ranking goes by the typing slips";
  WriteFile("trovam.frq", "hello\t0\nhelp\t4294967295\n");
  const ToolRun best = Run({"suggest", "--rank=best", "--scores", "helo"});
  EXPECT_EQ(best.status, kExitClean) << best.err;
  const auto fields = Fields(Lines(best.out).at(0));
  ASSERT_GE(fields.size(), 4u) << best.out;
  EXPECT_EQ(fields[2], "help:99");
  EXPECT_EQ(fields[3].substr(0, fields[3].find(':')), "hello");
  EXPECT_EQ(Run({"suggest", "helo"}).out, plain.out) << "the file changes only the best ranking";
}

TEST_F(SuggestCommandTest, RankTakesOnlySpecOrBest) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"suggest", "--rank=worst", "helo"},
        std::vector<std::string>{"suggest", "helo", "--rank"}}) {
    const ToolRun run = Run(arguments);
    EXPECT_EQ(run.status, kExitError);
    EXPECT_EQ(run.err, "vantor: option --rank needs spec or best (see 'vantor suggest --help')\n");
  }
  const ToolRun help = Run({"suggest", "--help"});
  EXPECT_NE(help.out.find("--rank=spec|best"), std::string::npos) << help.out;
}

TEST_F(SuggestCommandTest, StdinGivesOneWordPerLineAndSkipsBlankLines) {
  const ToolRun run = Run({"suggest", "--stdin"}, "wrld\r\n\ncafé\n");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u) << run.out;
  EXPECT_EQ(Fields(lines[0])[0], "wrld");
  EXPECT_EQ(Fields(lines[1])[0], "café");
  EXPECT_EQ(Fields(lines[1])[1], "0");
}

TEST_F(SuggestCommandTest, WordsOutsideTheCharacterSetAreRefused) {
  const ToolRun run = Run({"suggest", "\xE2\x98\x83", "the"});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.err,
            "vantor: cannot check '\xE2\x98\x83': not representable in the character set\n");
  EXPECT_EQ(Fields(Lines(run.out).at(0))[0], "the");
  EXPECT_EQ(Run({"suggest"}).status, kExitError);
  EXPECT_EQ(Run({"suggest", "--stdin", "word"}).status, kExitError);
}

TEST_F(PipeCommandTest, AnswersEachWordAndEndsEachLineWithABlankLine) {
  const ToolRun run = Run({"-a"}, "^the helo cats\n^dog-house wrld\n");
  EXPECT_EQ(run.status, kExitClean) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 8u) << run.out;
  EXPECT_EQ(lines[0].rfind("@(#) International Ispell Version ", 0), 0u);
  EXPECT_EQ(lines[1], "*");
  // Offsets count from the start of the line as sent, the "^" included.
  EXPECT_EQ(lines[2].rfind("& helo ", 0), 0u) << lines[2];
  EXPECT_NE(lines[2].find(" 5: "), std::string::npos) << lines[2];
  EXPECT_NE(lines[2].find("hello"), std::string::npos) << lines[2];
  EXPECT_EQ(lines[3], "*");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "-");  // accepted through its parts
  EXPECT_EQ(lines[6].rfind("& wrld ", 0), 0u) << lines[6];
  EXPECT_NE(lines[6].find(" 11: world"), std::string::npos) << lines[6];
  EXPECT_EQ(lines[7], "");
}

TEST_F(PipeCommandTest, WordsWithoutOffersGetAHashLine) {
  const ToolRun run = Run({"pipe"}, "qqqqqqqqzzzz\n");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  EXPECT_EQ(lines[1], "# qqqqqqqqzzzz 0");
  EXPECT_EQ(lines[2], "");
}

TEST_F(PipeCommandTest, TerseModeKeepsOnlyTheProblems) {
  const ToolRun run = Run({"-a"}, "!\n^the cat wrld\n%\n^the\n");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 5u) << run.out;
  EXPECT_EQ(lines[1].rfind("& wrld ", 0), 0u);
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "*");
  EXPECT_EQ(lines[4], "");
}

TEST_F(PipeCommandTest, PossessivesAnswerWithTheirRoot) {
  const ToolRun run = Run({"-a"}, "^dog's\n");
  EXPECT_EQ(Lines(run.out).at(1), "+ dog");
}

TEST_F(PipeCommandTest, AcceptedAndPersonalWordsAreKnownAfterwards) {
  const ToolRun run = Run({"-a", "-p", Path("personal.tlx")}, "@wrld\n^wrld\n*zorp\n#\n^zorp\n");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 5u) << run.out;
  EXPECT_EQ(lines[1], "*");
  EXPECT_EQ(lines[3], "*");
  // The personal word went into the personal dictionary; the session's word did not.
  const ToolRun listing = Run({"dict", "list", Path("personal.tlx")});
  EXPECT_EQ(listing.out, "zorp\ti\n");
}

TEST_F(PipeCommandTest, OffsetsAreCharactersInUtf8Lines) {
  const ToolRun run = Run({"-a"}, "^café wrld\n");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  EXPECT_EQ(lines[1], "*");
  EXPECT_NE(lines[2].find("& wrld "), std::string::npos);
  EXPECT_NE(lines[2].find(" 6: "), std::string::npos) << lines[2];
}

}  // namespace
}  // namespace vantor
