// vantor dict on user dictionaries and word lists, and vantor fix driven by piped answers with
// the written file compared byte for byte.
#include "tool_fixture.h"

namespace vantor {
namespace {

using DictCommandTest = ToolTest;
using FixCommandTest = ToolTest;

TEST_F(DictCommandTest, CreateAddListDelete) {
  const std::string file = Path("mine.tlx");
  EXPECT_EQ(Run({"dict", "create", file}).status, kExitClean);
  EXPECT_EQ(Run({"dict", "add", file, "zorp"}).status, kExitClean);
  EXPECT_EQ(Run({"dict", "add", file, "thier", "A", "their"}).status, kExitClean);
  EXPECT_EQ(Run({"dict", "add", file, "blorp", "e"}).status, kExitClean);
  EXPECT_EQ(Run({"dict", "list", file}).out, "blorp\te\nthier\tA\ttheir\nzorp\ti\n");
  EXPECT_EQ(Run({"dict", "delete", file, "thier"}).status, kExitClean);
  EXPECT_EQ(Run({"dict", "list", file}).out, "blorp\te\nzorp\ti\n");
  // The dictionary works as a user dictionary straight away.
  WriteFile("a.txt", "zorp blorp\n");
  const ToolRun run = Run({"check", "--no-suggestions", "--user", file, Path("a.txt")});
  EXPECT_EQ(run.out, Path("a.txt") + ":1:6: misspelled: blorp\n");
}

TEST_F(DictCommandTest, ListWithoutAFileShowsTheInstalledLanguages) {
  // The fixture's folder holds the American main dictionary alone.
  const ToolRun listed = Run({"dict", "list"});
  EXPECT_EQ(listed.status, kExitClean) << listed.err;
  EXPECT_EQ(listed.out, "am\ten-US\tAmerican\tset 1\ttrovam2.clx\twamerican\n");
  CompileLexicon("trovpl2.clx", {"kot"});
  EXPECT_EQ(Lines(Run({"dict", "list"}).out).back(),
            "pl\tpl-PL\tPolish\tset 2\ttrovpl2.clx\twpolish");
}

TEST_F(DictCommandTest, RefusalsSayWhy) {
  const std::string file = Path("mine.tlx");
  ASSERT_EQ(Run({"dict", "create", file}).status, kExitClean);
  EXPECT_EQ(Run({"dict", "create", file}).err,
            "vantor: " + file + ": the file exists already (error -14)\n");
  EXPECT_EQ(Run({"dict", "add", file, "x", "q"}).err,
            "vantor: action must be one of i e a A c C, not 'q'\n");
  EXPECT_EQ(Run({"dict", "add", file, "x", "A"}).err, "vantor: action A needs the other word\n");
  EXPECT_EQ(Run({"dict", "delete", file, "absent"}).err,
            "vantor: " + file + ": absent: word not in the dictionary (error -3)\n");
  EXPECT_EQ(Run({"dict", "list", Path("nothere.tlx")}).status, kExitError);
  EXPECT_EQ(Run({"dict", "frob"}).err,
            "vantor: unknown dict action 'frob' (list, add, delete, create, compile)\n");
  EXPECT_EQ(Run({"dict", "list", "a.tlx", "b.tlx"}).status, kExitError);
}

TEST_F(DictCommandTest, CompiledWordListsServeAsMainDictionaries) {
  WriteFile("words.txt", "alpha\nbeta\ngamma\ncafé\n");
  const ToolRun compile = Run({"dict", "compile", Path("words.txt"), Path("greek.clx")});
  ASSERT_EQ(compile.status, kExitClean) << compile.err;
  EXPECT_EQ(compile.out.rfind(Path("greek.clx") + ": 4 words, ", 0), 0u) << compile.out;
  WriteFile("a.txt", "alpha café delta\n");
  const ToolRun run =
      Run({"check", "--no-suggestions", "--main", Path("greek.clx"), "--user", "", Path("a.txt")});
  EXPECT_EQ(run.out, Path("a.txt") + ":1:12: misspelled: delta\n");
}

TEST_F(DictCommandTest, WordListsWithWordsOutsideTheCharacterSetAreRefused) {
  WriteFile("words.txt", "alpha\r\n\r\n\xE2\x98\x83\n");
  const ToolRun run = Run({"dict", "compile", Path("words.txt"), Path("x.clx")});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.err, "vantor: " + Path("words.txt") + ": line 3: not a word of character set 1\n");
  EXPECT_FALSE(Exists("x.clx"));
}

TEST_F(FixCommandTest, PipedAnswersChangeTheFileAndKeepABackup) {
  const std::string original = "Teh fox jumpd over the the dog.\nOn monday we recieve helo.\n";
  WriteFile("a.txt", original);
  // jumpd: typed replacement; the the: delete; monday: take the proposal; helo: suggestion 1.
  const ToolRun run = Run({"fix", Path("a.txt")}, "r jumped\nd\nc\n1\ny\n");
  EXPECT_EQ(run.status, kExitClean) << run.err;
  EXPECT_EQ(ReadFile("a.txt"), "The fox jumped over the dog.\nOn Monday we receive hello.\n")
      << run.out;
  EXPECT_EQ(ReadFile("a.txt.bak"), original);
  EXPECT_NE(run.out.find(":1:9: misspelled: jumpd\n  The fox jumpd over the the dog.\n"
                         "          ^^^^^\n"),
            std::string::npos)
      << run.out;
}

TEST_F(FixCommandTest, NothingIsWrittenUnlessTheUserAgrees) {
  const std::string original = "a fox jumpd\n";
  WriteFile("a.txt", original);
  const ToolRun declined = Run({"fix", Path("a.txt")}, "r jumped\nn\n");
  EXPECT_EQ(declined.status, kExitClean);
  EXPECT_EQ(ReadFile("a.txt"), original);
  EXPECT_FALSE(Exists("a.txt.bak"));
  const ToolRun quit = Run({"fix", Path("a.txt")}, "q\n");
  EXPECT_NE(quit.out.find("Stopped."), std::string::npos);
  EXPECT_EQ(ReadFile("a.txt"), original);
  // The answers end early: as a quit, and the file stays as it was.
  Run({"fix", Path("a.txt")}, "r jumped\n");
  EXPECT_EQ(ReadFile("a.txt"), original);
}

TEST_F(FixCommandTest, UntouchedCharactersAreWrittenBackExactly) {
  // CR LF line ends, a byte-order mark, a character no set holds, a typographic apostrophe.
  const std::string original =
      "\xEF\xBB\xBF"
      "caf\xC3\xA9 \xE2\x98\x83wrld don\xE2\x80\x99t\r\nna\xC3\xAFve helo\r\n";
  WriteFile("a.txt", original);
  const ToolRun run = Run({"fix", "--no-backup", Path("a.txt")}, "r world\nr héllo\ni\ny\n");
  EXPECT_EQ(run.status, kExitClean) << run.err;
  EXPECT_EQ(ReadFile("a.txt"),
            "\xEF\xBB\xBF"
            "caf\xC3\xA9 \xE2\x98\x83world don\xE2\x80\x99t\r\n"
            "na\xC3\xAFve h\xC3\xA9llo\r\n");
  EXPECT_FALSE(Exists("a.txt.bak"));
}

TEST_F(FixCommandTest, UndoTakesBackAChangeAndAnUndoneFileIsUnchanged) {
  WriteFile("a.txt", "jumpd fox\n");
  const ToolRun run = Run({"fix", Path("a.txt")}, "r jumped\nu\ni\n");
  EXPECT_NE(run.out.find("is unchanged."), std::string::npos) << run.out;
  EXPECT_EQ(ReadFile("a.txt"), "jumpd fox\n");
}

TEST_F(FixCommandTest, ChangeAllAndIgnoreAllCoverLaterOccurrences) {
  WriteFile("a.txt", "wrld helo wrld helo wrld\n");
  const ToolRun run = Run({"fix", Path("a.txt")}, "c world\nI\ny\n");
  EXPECT_EQ(ReadFile("a.txt"), "world helo world helo world\n") << run.out;
}

TEST_F(FixCommandTest, AddedWordsGoToTheUserDictionary) {
  WriteFile("a.txt", "zorp and zorp\n");
  Run({"fix", Path("a.txt")}, "a\n");
  EXPECT_EQ(Run({"dict", "list", Path("userdic.tlx")}).out, "zorp\ti\n");
  EXPECT_EQ(Run({"check", Path("a.txt")}).status, kExitClean);
}

TEST_F(FixCommandTest, AutoChangePairsBecomeProposalsWithoutAutoCorrect) {
  WriteFile("a.txt", "teh dog\n");
  const ToolRun run = Run({"fix", "--no-auto-correct", Path("a.txt")}, "i\n");
  EXPECT_NE(run.out.find("conditional change: teh"), std::string::npos) << run.out;
  EXPECT_EQ(ReadFile("a.txt"), "teh dog\n");
  Run({"fix", Path("a.txt")}, "y\n");
  EXPECT_EQ(ReadFile("a.txt"), "the dog\n");
}

TEST_F(FixCommandTest, ChangesMadeWithoutAStopAreShownWhereTheyWereMade) {
  const std::string text = "a wrld teh fox\nthe wrld, teh dog\n";
  const std::string file = Path("a.txt");
  WriteFile("a.txt", text);
  // The user's own replacement is not reported again; the auto-change pairs are.
  const ToolRun replaced = Run({"fix", "--no-backup", file}, "r world\ni\ny\n");
  EXPECT_EQ(ReadFile("a.txt"), "a world the fox\nthe wrld, the dog\n") << replaced.out;
  EXPECT_NE(replaced.out.find(file + ":1:9: changed: teh -> the\n"), std::string::npos)
      << replaced.out;
  EXPECT_NE(replaced.out.find(file + ":2:11: changed: teh -> the\n"), std::string::npos);
  EXPECT_EQ(replaced.out.find("changed: wrld"), std::string::npos);

  // A change everywhere is made by the resumed check, at this occurrence and the later ones; the
  // columns are those of the changed lines.
  WriteFile("a.txt", text);
  const ToolRun changedAll = Run({"fix", "--no-backup", file}, "c world\ny\n");
  EXPECT_EQ(ReadFile("a.txt"), "a world the fox\nthe world, the dog\n") << changedAll.out;
  const std::string expected =
      file + ":1:3: changed: wrld -> world\n" + file + ":1:9: changed: teh -> the\n" + file +
      ":2:5: changed: wrld -> world\n" + file + ":2:12: changed: teh -> the\n";
  EXPECT_NE(changedAll.out.find(expected), std::string::npos) << changedAll.out;
}

TEST_F(FixCommandTest, AnswersWorkPastThe16BitOffsets) {
  std::string text;
  while (text.size() < 40000) text += "the quick brown fox jumped over the lazy dog\n";
  WriteFile("big.txt", text + "helo the the dog wrld\n");
  const ToolRun run = Run({"fix", "--no-backup", Path("big.txt")}, "i\nd\nr world\ny\n");
  EXPECT_EQ(ReadFile("big.txt"), text + "helo the dog world\n") << run.out;
}

TEST_F(FixCommandTest, RefusedFiles) {
  EXPECT_EQ(Run({"fix", "-"}).err,
            "vantor: fix needs exactly one FILE (it writes the file back)\n");
  EXPECT_EQ(Run({"fix", Path("missing.txt")}).err,
            "vantor: " + Path("missing.txt") + ": no such file\n");
  WriteFile("bad.txt", "\xC3(\n");
  EXPECT_EQ(Run({"fix", Path("bad.txt")}).status, kExitError);
  EXPECT_EQ(ReadFile("bad.txt"), "\xC3(\n");
}

}  // namespace
}  // namespace vantor
