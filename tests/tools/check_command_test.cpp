// vantor check end to end: positions, kinds, formats, exit statuses and refused inputs.
#include <nlohmann/json.hpp>

#include <algorithm>

#include "tool_fixture.h"

namespace vantor {
namespace {

using CheckCommandTest = ToolTest;

TEST_F(CheckCommandTest, ReportsEachKindOfProblemAtItsLineAndColumn) {
  WriteFile("a.txt",
            "Teh quick brown fox jumpd over the the lazy dog.\nOn monday we recieve it.\n");
  const ToolRun run = Run({"check", "--no-suggestions", Path("a.txt")});
  EXPECT_EQ(run.status, kExitProblems);
  const std::string f = Path("a.txt");
  EXPECT_EQ(run.out,
            f + ":1:1: auto-change: Teh -> The\n" + f + ":1:21: misspelled: jumpd\n" + f +
                ":1:36: doubled word: the\n" + f + ":2:4: capitalization: monday -> Monday\n" + f +
                ":2:14: auto-change: recieve -> receive\n" + f + ":2:22: misspelled: it\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(CheckCommandTest, CleanAndEmptyFilesExitZeroSilently) {
  WriteFile("clean.txt", "The quick brown fox jumped over the lazy dog.\n");
  WriteFile("empty.txt", "");
  WriteFile("nowords.txt", "... --- 123 !!\n");
  for (const char* name : {"clean.txt", "empty.txt", "nowords.txt"}) {
    const ToolRun run = Run({"check", Path(name)});
    EXPECT_EQ(run.status, kExitClean) << name;
    EXPECT_EQ(run.out, "") << name;
    EXPECT_EQ(run.err, "") << name;
  }
}

TEST_F(CheckCommandTest, ColumnsCountCharactersAndForeignCharactersSeparateWords) {
  // "é" is two bytes, the snowman three and outside every character set.
  WriteFile("u.txt", "café naïve \xE2\x98\x83helo don\xE2\x80\x99t\r\nwrld\n");
  const ToolRun run = Run({"check", Path("u.txt")});
  const std::string f = Path("u.txt");
  EXPECT_EQ(run.status, kExitProblems);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u) << run.out;
  EXPECT_EQ(lines[0].rfind(f + ":1:13: misspelled: helo", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind(f + ":2:1: misspelled: wrld", 0), 0u) << lines[1];
}

TEST_F(CheckCommandTest, RefusedInputsNameTheFileAndTheCause) {
  WriteFile("bad.txt",
            "line one\nab\xFF"
            "cd\n");
  WriteFile("binary.txt", std::string("ab\0cd\n", 6));
  std::filesystem::create_directory(folder_ / "folder");
  const struct {
    std::string name;
    std::string message;
  } cases[] = {
      {Path("missing.txt"), "no such file"},
      {Path("folder"), "is a directory"},
      {Path("bad.txt"),
       "invalid UTF-8 (byte 0xFF at line 2, column 3); use --encoding to name the file's encoding"},
      {Path("binary.txt"), "binary file (NUL character at line 1, column 3)"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Run({"check", c.name});
    EXPECT_EQ(run.status, kExitError) << c.name;
    EXPECT_EQ(run.err, "vantor: " + c.name + ": " + c.message + "\n");
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(CheckCommandTest, AnErrorInOneFileDoesNotHideProblemsInOthers) {
  WriteFile("a.txt", "jumpd\n");
  const ToolRun run = Run({"check", "--no-suggestions", Path("missing.txt"), Path("a.txt")});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.out, Path("a.txt") + ":1:1: misspelled: jumpd\n");
  EXPECT_EQ(run.err, "vantor: " + Path("missing.txt") + ": no such file\n");
}

TEST_F(CheckCommandTest, ProblemsPastTheFirst32767CharactersAreAllReported) {
  std::string text;
  while (text.size() < 40000) text += "the quick brown fox jumped over the lazy dog\n";
  WriteFile("big.txt", text + "helo wrld\nzorp\n");
  const std::size_t line = std::count(text.begin(), text.end(), '\n') + 1;
  const ToolRun run = Run({"check", "--no-suggestions", Path("big.txt")});
  const std::string f = Path("big.txt") + ":";
  EXPECT_EQ(run.out, f + std::to_string(line) + ":1: misspelled: helo\n" + f +
                         std::to_string(line) + ":6: misspelled: wrld\n" + f +
                         std::to_string(line + 1) + ":1: misspelled: zorp\n");
}

TEST_F(CheckCommandTest, StandardInputIsNamedStdin) {
  const ToolRun run = Run({"check", "--no-suggestions", "-"}, "a good wrd\n");
  EXPECT_EQ(run.status, kExitProblems);
  EXPECT_EQ(run.out, "<stdin>:1:8: misspelled: wrd\n");
}

TEST_F(CheckCommandTest, JsonGivesOneObjectPerProblem) {
  WriteFile("a.txt", "On monday the the café wrld\n");
  const ToolRun run = Run({"check", "--json", Path("a.txt")});
  EXPECT_EQ(run.status, kExitProblems);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  const auto first = nlohmann::json::parse(lines[0]);
  EXPECT_EQ(first["file"], Path("a.txt"));
  EXPECT_EQ(first["line"], 1);
  EXPECT_EQ(first["column"], 4);
  EXPECT_EQ(first["kind"], "capitalization");
  EXPECT_EQ(first["word"], "monday");
  EXPECT_EQ(first["replacement"], "Monday");
  const auto doubled = nlohmann::json::parse(lines[1]);
  EXPECT_EQ(doubled["kind"], "doubled word");
  EXPECT_EQ(doubled["flags"], TROV_RESULT_DOUBLED_WORD);
  EXPECT_EQ(doubled["column"], 15);
  const auto misspelled = nlohmann::json::parse(lines[2]);
  EXPECT_EQ(misspelled["word"], "wrld");
  EXPECT_EQ(misspelled["column"], 24);  // after the two-byte "é", in characters
  EXPECT_FALSE(misspelled.contains("replacement"));
  EXPECT_TRUE(misspelled["suggestions"].is_array());
}

TEST_F(CheckCommandTest, SuggestionsOfTheSearchFollowTheWord) {
  WriteFile("a.txt", "helo\n");
  const ToolRun run = Run({"check", Path("a.txt")});
  EXPECT_EQ(run.status, kExitProblems);
  EXPECT_NE(run.out.find(": misspelled: helo (suggestions: "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("hello"), std::string::npos) << run.out;
}

TEST_F(CheckCommandTest, OptionsReachTheCheck) {
  WriteFile("a.txt", "the the NASA\n");
  EXPECT_EQ(
      Run({"check", "--no-suggestions", Path("a.txt")}).out,
      Path("a.txt") + ":1:5: doubled word: the\n" + Path("a.txt") + ":1:9: misspelled: NASA\n");
  const ToolRun relaxed = Run({"check", "--no-catch-doubled", "--ignore-all-caps", Path("a.txt")});
  EXPECT_EQ(relaxed.status, kExitClean);
  EXPECT_EQ(relaxed.out, "");
}

TEST_F(CheckCommandTest, OtherEncodingsAreReadAndPositionsStayInCharacters) {
  WriteFile("latin1.txt", "caf\xE9 wrld\n");
  const ToolRun asUtf8 = Run({"check", Path("latin1.txt")});
  EXPECT_EQ(asUtf8.status, kExitError);
  const ToolRun run =
      Run({"check", "--encoding", "ISO-8859-1", "--no-suggestions", Path("latin1.txt")});
  EXPECT_EQ(run.status, kExitProblems) << run.err;
  EXPECT_EQ(run.out, Path("latin1.txt") + ":1:6: misspelled: wrld\n");
}

TEST_F(CheckCommandTest, TheCompressedMainDictionaryIsConsulted) {
  WriteFile("a.txt", "the colour of the theatre\n");
  EXPECT_EQ(Run({"check", "--no-suggestions", Path("a.txt")}).out,
            Path("a.txt") + ":1:12: misspelled: of\n");
}

TEST_F(CheckCommandTest, WithoutAnyMainDictionaryNothingIsChecked) {
  WriteFile("a.txt", "the\n");
  const ToolRun run = Run({"check", "--main", "nothere.tlx", Path("a.txt")});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.err, "vantor: no main dictionary could be opened; cannot open dictionary " +
                         Path("nothere.tlx") + " (not found)\n");
}

TEST_F(CheckCommandTest, BadArgumentsAreRefusedWithTheReason) {
  EXPECT_EQ(Run({"check"}).err, "vantor: check needs at least one FILE ('-' for standard input)\n");
  const ToolRun unknown = Run({"check", "--frobnicate", "x"});
  EXPECT_EQ(unknown.status, kExitError);
  EXPECT_EQ(unknown.err, "vantor: unknown option --frobnicate (see 'vantor check --help')\n");
  EXPECT_EQ(Run({"check", "--depth", "0", "x"}).err,
            "vantor: option --depth needs a number from 1 to 100 (see 'vantor check --help')\n");
  EXPECT_EQ(Run({"check", "--encoding", "NO-SUCH-ENCODING", "x"}).err,
            "vantor: unknown or unsupported encoding NO-SUCH-ENCODING\n");
  EXPECT_EQ(Run({"frobnicate"}).status, kExitError);
  const ToolRun help = Run({"check", "--help"});
  EXPECT_EQ(help.status, kExitClean);
  EXPECT_NE(help.out.find("--no-catch-doubled"), std::string::npos);
}

}  // namespace
}  // namespace vantor
