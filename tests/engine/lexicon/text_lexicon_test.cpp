// Text lexicon files through the API: reading, the written form byte by byte, the failure lines,
// reloading after another writer, and rewrites that never leave a partial file.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "engine/lexicon/scratch_dir.h"
#include "engine/log_capture.h"
#include "lexicon/lex_file.h"
#include "lexicon/text_lexicon.h"
#include "trov.h"
#include "test_hooks.h"

namespace {

using trov_test::LogCapture;
using trov_test::ScratchDir;

class TextLexiconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session = TROV_OpenSession();
    ASSERT_GE(session, 0);
  }
  void TearDown() override {
    trov::FailLexFileWriteForTest(0);
    TROV_CloseSession(session);
  }

  // Writes bytes to name and opens it as a lexicon.
  int16_t OpenWith(const std::string& name, const std::string& bytes) {
    path = dir.Write(name, bytes);
    return TROV_OpenLex(session, path.c_str(), -1);
  }
  int16_t Language(int16_t lex) {
    int16_t language = 0;
    EXPECT_EQ(TROV_GetLexInfo(session, lex, nullptr, nullptr, &language), 0);
    return language;
  }
  std::string FileBytes() const { return ScratchDir::Read(path); }

  ScratchDir dir;
  std::string path;
  int16_t session = -1;
};

TEST_F(TextLexiconTest, LocaleIdHeaderBecomesTheTwoLetterCode) {
  const int16_t lex = OpenWith("user.tlx", "#LID 1033\r\nword\r\n");
  ASSERT_GE(lex, 0);
  EXPECT_EQ(Language(lex), 24941);
  ASSERT_EQ(TROV_AddToLex(session, lex, "colour", 'i', nullptr), 0);
  EXPECT_EQ(FileBytes(), "#LID 24941\r\ncolour\ti\r\nword\ti\r\n");
}

TEST_F(TextLexiconTest, EveryLocaleOfTheTableMapsToItsCode) {
  const std::vector<std::pair<int, const char*>> table = {
      {1033, "am"}, {2057, "br"}, {4105, "ca"}, {1027, "sc"}, {1029, "cs"},
      {1030, "da"}, {1043, "du"}, {1035, "fi"}, {1036, "fr"}, {1031, "ge"},
      {1038, "hu"}, {1040, "it"}, {1044, "nb"}, {2068, "nn"}, {1045, "pl"},
      {1046, "pb"}, {2070, "po"}, {1049, "ru"}, {1034, "sp"}, {1053, "sw"}};
  for (const auto& [locale, letters] : table) {
    EXPECT_EQ(trov::LanguageFromHeaderNumber(locale), (letters[0] << 8) | letters[1]) << locale;
  }
  EXPECT_EQ(trov::LanguageFromHeaderNumber(5555), 5555);
  EXPECT_EQ(trov::LanguageFromHeaderNumber(0x7878), 0x7878);
}

TEST_F(TextLexiconTest, UnknownHeaderNumberIsTheLanguageItself) {
  const int16_t lex = OpenWith("user.tlx", "#LID 5555\r\n");
  ASSERT_GE(lex, 0);
  EXPECT_EQ(Language(lex), 5555);
  ASSERT_EQ(TROV_AddToLex(session, lex, "b", 'i', nullptr), 0);
  EXPECT_EQ(FileBytes(), "#LID 5555\r\nb\ti\r\n");
}

TEST_F(TextLexiconTest, HeaderNumberForms) {
  struct Case {
    const char* header;
    int16_t language;
  };
  const Case cases[] = {
      {"# my words", 0},                // a comment: no number
      {"#LID", 0},                      // no second token
      {"#LID -5", -5},                  // signed
      {"#LID\t1036", 0x6672},           // any white space separates
      {"  #LID   1040 extra", 0x6974},  // leading blanks and a third token
      {"#LID 12ab", 12},                // digits up to the first other character
      {"#LID 1234567890", static_cast<int16_t>(123456789)},  // token cut to 9 characters
  };
  for (const Case& c : cases) {
    const int16_t lex = OpenWith("h.tlx", std::string(c.header) + "\r\nw\r\n");
    ASSERT_GE(lex, 0) << c.header;
    if (c.header[0] == '#') {
      EXPECT_EQ(Language(lex), c.language) << c.header;
    } else {
      EXPECT_EQ(Language(lex), TROV_LANGUAGE_ANY) << "a first line not starting with # is a word";
    }
    TROV_CloseLex(session, lex);
  }
}

TEST_F(TextLexiconTest, CommentHeaderGivesLanguageZeroAndIsWrittenAsLid0) {
  const int16_t lex = OpenWith("user.tlx", "# my words\r\nhello\r\n");
  ASSERT_GE(lex, 0);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "#", nullptr, 0), TROV_ERR_NOT_FOUND);
  ASSERT_EQ(TROV_AddToLex(session, lex, "abc", 'i', nullptr), 0);
  EXPECT_EQ(FileBytes(), "#LID 0\r\nabc\ti\r\nhello\ti\r\n");
}

TEST_F(TextLexiconTest, FileWithoutHeaderIsAnExternalWordList) {
  const int16_t lex = OpenWith("words.txt", "zebra\r\napple\r\n");
  ASSERT_GE(lex, 0);
  EXPECT_EQ(Language(lex), TROV_LANGUAGE_ANY);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "zebra", nullptr, 0), 'i') << "the first line is a word";
  LogCapture log;
  EXPECT_EQ(TROV_AddToLex(session, lex, "teh", 'a', "the"), TROV_ERR_UNSUPPORTED);
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{"Can't use action a with external lexicon " + path}));
  EXPECT_EQ(FileBytes(), "zebra\r\napple\r\n") << "refused before anything is written";
  ASSERT_EQ(TROV_AddToLex(session, lex, "colour", 'i', nullptr), 0);
  EXPECT_EQ(FileBytes(), "apple\r\ncolour\r\nzebra\r\n");
}

TEST_F(TextLexiconTest, EmptyFileIsExternal) {
  const int16_t lex = OpenWith("empty.txt", "");
  ASSERT_GE(lex, 0);
  EXPECT_EQ(Language(lex), TROV_LANGUAGE_ANY);
  ASSERT_EQ(TROV_AddToLex(session, lex, "one", 'i', nullptr), 0);
  EXPECT_EQ(FileBytes(), "one\r\n");
  ASSERT_EQ(TROV_ClearLex(session, lex), 0);
  EXPECT_EQ(FileBytes(), "") << "an external list has no header to keep";
}

TEST_F(TextLexiconTest, RefusedWordIsLoggedTwiceAndNotWritten) {
  const int16_t lex = OpenWith("user.tlx", "#LID 24941\r\n");
  LogCapture log;
  EXPECT_EQ(TROV_AddToLex(session, lex, "a\x01", 'i', nullptr), TROV_ERR_BAD_CHAR);
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{"AddWord: a\x01 contains invalid character (0x1)",
                                      "Can't add word to " + path + " (-19)"}));
  EXPECT_EQ(FileBytes(), "#LID 24941\r\n");
}

TEST_F(TextLexiconTest, EntryLinesReadAndWrittenBackByteIdentical) {
  const std::string bytes =
      "#LID 24941\r\nMcDonald\ti\r\nalot\tca lot\r\nodd\tx\r\nteh\tAthe\r\nwierd\te\r\n";
  const int16_t lex = OpenWith("user.tlx", bytes);
  ASSERT_GE(lex, 0);
  char other[81];
  EXPECT_EQ(TROV_FindLexWord(session, lex, "teh", other, sizeof other), 'A');
  EXPECT_STREQ(other, "the");
  EXPECT_EQ(TROV_FindLexWord(session, lex, "alot", other, sizeof other), 'c');
  EXPECT_STREQ(other, "a lot");
  EXPECT_EQ(TROV_FindLexWord(session, lex, "odd", other, sizeof other), 'x')
      << "an unknown letter is kept and answered as its code";
  ASSERT_EQ(TROV_DelFromLex(session, lex, "wierd"), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "wierd", 'e', nullptr), 0);
  EXPECT_EQ(FileBytes(), bytes);
}

TEST_F(TextLexiconTest, LineWithoutActionOrWithTrailingTabIsAnIgnoreEntry) {
  const int16_t lex = OpenWith("user.tlx", "#LID 24941\r\nteh\r\ntab\t\r\n");
  ASSERT_GE(lex, 0);
  char other[81] = "x";
  EXPECT_EQ(TROV_FindLexWord(session, lex, "teh", other, sizeof other), 'i');
  EXPECT_STREQ(other, "");
  EXPECT_EQ(TROV_FindLexWord(session, lex, "tab", nullptr, 0), 'i');
  ASSERT_EQ(TROV_ClearLex(session, lex), 0);
  EXPECT_EQ(FileBytes(), "#LID 24941\r\n");
}

TEST_F(TextLexiconTest, CommentsAndEmptyLinesAreDroppedAndWordsSorted) {
  const int16_t lex =
      OpenWith("user.tlx", "#LID 24941\r\n\r\nzoo\r\n# a comment\r\nApple\r\n\r\napple\r\n");
  ASSERT_GE(lex, 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "\xE9t\xE9", 'i', nullptr), 0);
  EXPECT_EQ(FileBytes(), "#LID 24941\r\nApple\ti\r\napple\ti\r\nzoo\ti\r\n\xE9t\xE9\ti\r\n");
}

TEST_F(TextLexiconTest, OtherWordIsCutTo80OnReadingAndLinesTo162OnWriting) {
  const std::string longOther(100, 'o');
  const std::string longWord(200, 'w');
  const int16_t lex =
      OpenWith("user.tlx", "#LID 24941\r\nx\ta" + longOther + "\r\n" + longWord + "\r\n");
  ASSERT_GE(lex, 0);
  char other[200];
  EXPECT_EQ(TROV_FindLexWord(session, lex, "x", other, sizeof other), 'a');
  EXPECT_EQ(std::string(other), longOther.substr(0, 80));
  ASSERT_EQ(TROV_AddToLex(session, lex, "a", 'i', nullptr), 0);
  EXPECT_EQ(FileBytes(), "#LID 24941\r\na\ti\r\n" + longWord.substr(0, 162) + "\r\nx\ta" +
                             longOther.substr(0, 80) + "\r\n");
}

TEST_F(TextLexiconTest, LfOnlyFileReadsInLinesOf242Characters) {
  LogCapture log;
  const int16_t small = OpenWith("small.tlx", "#LID 24941\nhello\nworld\n");
  ASSERT_GE(small, 0) << "the whole file is its header line";
  int32_t size = 0;
  ASSERT_EQ(TROV_GetLexInfo(session, small, &size, nullptr, nullptr), 0);
  EXPECT_EQ(size, 1) << "no words";

  std::string bigger = "#LID 24941\n";
  while (bigger.size() < 300) bigger += "word\n";
  const int16_t big = OpenWith("big.tlx", bigger);
  EXPECT_EQ(big, TROV_ERR_BAD_CHAR);
  // The offending line holds LF characters, so the log is compared as one text.
  const std::string secondLine = bigger.substr(242, 242);
  // The log is a text file: line ends, and the LF characters inside the message, may come back
  // as CR LF.
  std::string logText =
      std::regex_replace(ScratchDir::Read(log.Path().string()), std::regex("\r\n"), "\n");
  logText = std::regex_replace(logText, std::regex("(^|\n)\\d\\d:\\d\\d:\\d\\d "), "$1");
  logText.erase(0, logText.find('\n') + 1);  // the "Logging started" line
  EXPECT_EQ(logText, "TROV_OpenLex: " + dir.File("small.tlx") + " opened; id=0\n" +
                         "AddWord: " + secondLine + " contains invalid character (0xa)\n" +
                         "Can't load " + path + "\nTROV_OpenLex(" + path + "): returning -19\n");
  EXPECT_EQ(TROV_CreateLex(session, nullptr, 0), 1) << "the failed open left its slot free";
}

TEST_F(TextLexiconTest, InvalidByteInALineFailsTheOpen) {
  LogCapture log;
  EXPECT_EQ(OpenWith("bad.tlx",
                     "#LID 24941\r\ngood\r\nba\x01"
                     "d\r\n"),
            TROV_ERR_BAD_CHAR);
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{"AddWord: ba\x01"
                                      "d contains invalid character (0x1)",
                                      "Can't load " + path,
                                      "TROV_OpenLex(" + path + "): returning -19"}));
}

TEST_F(TextLexiconTest, NulByteEndsTheWordList) {
  static constexpr char kBytes[] = "#LID 24941\r\nfirst\r\n\0second\r\n";
  // Not "nul.tlx": that names a device on Windows.
  const int16_t lex = OpenWith("zero.tlx", std::string(kBytes, sizeof kBytes - 1));
  ASSERT_GE(lex, 0);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "first", nullptr, 0), 'i');
  EXPECT_EQ(TROV_FindLexWord(session, lex, "second", nullptr, 0), TROV_ERR_NOT_FOUND);
}

TEST_F(TextLexiconTest, MissingFileFailsWithItsLogLines) {
  LogCapture log;
  const std::string missing = dir.File("missing.tlx");
  EXPECT_EQ(TROV_OpenLex(session, missing.c_str(), -1), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{"TROV_OpenLex(" + missing + "): returning -4"}));
}

TEST_F(TextLexiconTest, CreateWritesTheHeaderAndLogs) {
  LogCapture log;
  path = dir.File("new.tlx");
  const int16_t lex = TROV_CreateLex(session, path.c_str(), 0x6672);
  ASSERT_EQ(lex, 0);
  EXPECT_EQ(FileBytes(), "#LID 26226\r\n");
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{
                                path + " created", "TROV_CreateLex: " + path + " created; id=0"}));
  EXPECT_EQ(Language(lex), 0x6672);
}

TEST_F(TextLexiconTest, CreateOnAnExistingFileLeavesItAlone) {
  path = dir.Write("user.tlx", "keep\r\n");
  LogCapture log;
  EXPECT_EQ(TROV_CreateLex(session, path.c_str(), 24941), TROV_ERR_EXISTS);
  EXPECT_EQ(FileBytes(), "keep\r\n");
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{path + " already exists", "TROV_CreateLex: returning -14"}));
}

TEST_F(TextLexiconTest, CreateInAMissingDirectoryFails) {
  LogCapture log;
  EXPECT_EQ(TROV_CreateLex(session, dir.File("no/such.tlx").c_str(), 24941), TROV_ERR_CREATE);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"TROV_CreateLex: returning -24"}));
}

TEST_F(TextLexiconTest, OverlongPathIsRefusedRatherThanCut) {
  const std::string longName = dir.File(std::string(520, 'p'));
  EXPECT_EQ(TROV_OpenLex(session, longName.c_str(), -1), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(TROV_CreateLex(session, longName.c_str(), 24941), TROV_ERR_CREATE);
  EXPECT_EQ(dir.Listing(), "");
}

TEST_F(TextLexiconTest, DeleteOfAnAbsentWordIsLogged) {
  const int16_t lex = OpenWith("user.tlx", "#LID 24941\r\nteh\r\n");
  LogCapture log;
  EXPECT_EQ(TROV_DelFromLex(session, lex, "Teh"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"Teh doesn't exist in " + path,
                                                      "TROV_DelFromLex: returning -3"}));
}

TEST_F(TextLexiconTest, FailedWriteLeavesFileAndMemoryAsTheyWere) {
  const std::string bytes = "#LID 24941\r\nthe\ti\r\nword\ti\r\n";
  const int16_t lex = OpenWith("user.tlx", bytes);
  ASSERT_GE(lex, 0);
  LogCapture log;
  trov::FailLexFileWriteForTest(1);
  EXPECT_EQ(TROV_AddToLex(session, lex, "new", 'i', nullptr), TROV_ERR_WRITE);
  EXPECT_EQ(FileBytes(), bytes);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "new", nullptr, 0), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{path + ": file write err",
                                                      "Can't write " + path + " (-23)"}));
  EXPECT_EQ(dir.Listing(), "user.tlx;") << "no temporary file is left behind";
}

TEST_F(TextLexiconTest, FailedWriteOfAReplacementKeepsTheEntryItReplaced) {
  const std::string bytes = "#LID 24941\r\nthe\tcthee\r\n";
  const int16_t lex = OpenWith("user.tlx", bytes);
  trov::FailLexFileWriteForTest(1);
  EXPECT_EQ(TROV_AddToLex(session, lex, "the", 'e', nullptr), TROV_ERR_WRITE);
  char other[81];
  EXPECT_EQ(TROV_FindLexWord(session, lex, "the", other, sizeof other), 'c');
  EXPECT_STREQ(other, "thee");
  EXPECT_EQ(FileBytes(), bytes);
  ASSERT_EQ(TROV_AddToLex(session, lex, "a", 'i', nullptr), 0);
  EXPECT_EQ(FileBytes(), "#LID 24941\r\na\ti\r\nthe\tcthee\r\n");
}

TEST_F(TextLexiconTest, FailedWriteOfADeleteRestoresTheWord) {
  const std::string bytes = "#LID 24941\r\nteh\tAthe\r\n";
  const int16_t lex = OpenWith("user.tlx", bytes);
  LogCapture log;
  trov::FailLexFileWriteForTest(1);
  EXPECT_EQ(TROV_DelFromLex(session, lex, "teh"), TROV_ERR_WRITE);
  char other[81];
  EXPECT_EQ(TROV_FindLexWord(session, lex, "teh", other, sizeof other), 'A');
  EXPECT_STREQ(other, "the");
  EXPECT_EQ(FileBytes(), bytes);
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{path + ": file write err", "Can't save " + path + " (-23)",
                                      "TROV_DelFromLex: returning -23"}));
}

TEST_F(TextLexiconTest, FailedWriteOfAClearKeepsTheFileButClearsMemory) {
  const std::string bytes = "#LID 24941\r\none\ti\r\n";
  const int16_t lex = OpenWith("user.tlx", bytes);
  LogCapture log;
  trov::FailLexFileWriteForTest(1);
  EXPECT_EQ(TROV_ClearLex(session, lex), TROV_ERR_WRITE);
  EXPECT_EQ(FileBytes(), bytes);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "one", nullptr, 0), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{path + ": file write err",
                                                      "Can't write " + path + " (-23)"}));
}

TEST_F(TextLexiconTest, FailureInTheMiddleOfALongRewriteKeepsTheWholeOldFile) {
  std::string bytes = "#LID 24941\r\n";
  for (int i = 0; i < 400; ++i) bytes += "word" + std::to_string(1000 + i) + "\ti\r\n";
  const int16_t lex = OpenWith("user.tlx", bytes);
  ASSERT_GE(lex, 0);
  trov::FailLexFileWriteForTest(3);  // two blocks reach the disk, the third does not
  EXPECT_EQ(TROV_AddToLex(session, lex, "zzz", 'i', nullptr), TROV_ERR_WRITE);
  EXPECT_EQ(FileBytes(), bytes);
  EXPECT_EQ(dir.Listing(), "user.tlx;");
}

TEST_F(TextLexiconTest, RenameReplacesAnExistingFile) {
  // The rewrite relies on this on every platform the engine is built for.
  const std::string target = dir.Write("target", "old");
  const std::string source = dir.Write("source", "new");
  std::error_code error;
  std::filesystem::rename(source, target, error);
  EXPECT_FALSE(error) << error.message();
  EXPECT_EQ(ScratchDir::Read(target), "new");
  EXPECT_EQ(dir.Listing(), "target;");
}

TEST_F(TextLexiconTest, ChangeTakesInWhatAnotherWriterWroteFirst) {
  const int16_t lex = OpenWith("user.tlx", "#LID 24941\r\nmine\r\n");
  ASSERT_GE(lex, 0);
  dir.Rewrite("user.tlx", "#LID 26226\r\ntheirs\tcthem\r\n");
  EXPECT_EQ(TROV_FindLexWord(session, lex, "theirs", nullptr, 0), TROV_ERR_NOT_FOUND)
      << "lookups never reload";
  ASSERT_EQ(TROV_AddToLex(session, lex, "added", 'i', nullptr), 0);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "theirs", nullptr, 0), 'c');
  EXPECT_EQ(TROV_FindLexWord(session, lex, "mine", nullptr, 0), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(Language(lex), 26226);
  EXPECT_EQ(FileBytes(), "#LID 26226\r\nadded\ti\r\ntheirs\tcthem\r\n");
}

TEST_F(TextLexiconTest, DeleteTakesInAnotherWriterToo) {
  const int16_t lex = OpenWith("user.tlx", "#LID 24941\r\none\r\ntwo\r\n");
  dir.Rewrite("user.tlx", "#LID 24941\r\none\r\nthree\r\ntwo\r\n");
  ASSERT_EQ(TROV_DelFromLex(session, lex, "two"), 0);
  EXPECT_EQ(FileBytes(), "#LID 24941\r\none\ti\r\nthree\ti\r\n");
}

TEST_F(TextLexiconTest, DeleteOfAWordAnotherWriterRemovedFails) {
  const int16_t lex = OpenWith("user.tlx", "#LID 24941\r\none\r\ntwo\r\n");
  dir.Rewrite("user.tlx", "#LID 24941\r\none\r\n");
  LogCapture log;
  EXPECT_EQ(TROV_DelFromLex(session, lex, "two"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"Can't delete two from " + path,
                                                      "TROV_DelFromLex: returning -3"}));
}

TEST_F(TextLexiconTest, UnreadableChangeByAnotherWriterRefusesTheChange) {
  const int16_t lex = OpenWith("user.tlx", "#LID 24941\r\nmine\r\n");
  const std::string theirs =
      "#LID 24941\r\ngood\r\nb\x01"
      "d\r\n";
  dir.Rewrite("user.tlx", theirs);
  LogCapture log;
  EXPECT_EQ(TROV_AddToLex(session, lex, "added", 'i', nullptr), TROV_ERR_BAD_CHAR);
  EXPECT_EQ(FileBytes(), theirs) << "never rewritten from a partial list";
  EXPECT_EQ(TROV_FindLexWord(session, lex, "mine", nullptr, 0), 'i') << "memory kept";
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"AddWord: b\x01"
                                                      "d contains invalid character (0x1)",
                                                      "Can't load " + path}));
}

TEST_F(TextLexiconTest, OwnWritesDoNotTriggerAReload) {
  const int16_t lex = OpenWith("user.tlx", "#LID 24941\r\n");
  ASSERT_EQ(TROV_AddToLex(session, lex, "one", 'i', nullptr), 0);
  // A change made in the same second as our own write is not seen: the time is in seconds.
  const auto noted = std::filesystem::last_write_time(path);
  dir.Write("user.tlx", "#LID 24941\r\nother\r\n");
  std::filesystem::last_write_time(path, noted);
  ASSERT_EQ(TROV_AddToLex(session, lex, "two", 'i', nullptr), 0);
  EXPECT_EQ(FileBytes(), "#LID 24941\r\none\ti\r\ntwo\ti\r\n");
}

TEST_F(TextLexiconTest, BackupNames) {
  struct Case {
    const char* path;
    const char* backup;
  };
  const Case cases[] = {{"C:\\dic\\user.tlx", "C:\\dic\\user.bak"},
                        {"C:\\dic.d\\user", "C:\\dic.bak"},
                        {"user", "user.bak"},
                        {"a.b.c", "a.b.bak"},
                        {".tlx", ".bak"},
                        {"", ".bak"}};
  for (const Case& c : cases) {
    char backup[trov::kBackupNameBuffer];
    trov::MakeBackupFileName(c.path, backup);
    EXPECT_STREQ(backup, c.backup) << c.path;
  }
  char longest[trov::kBackupNameBuffer];
  trov::MakeBackupFileName(std::string(TROV_MAX_PATH, 'x').c_str(), longest);
  EXPECT_EQ(std::string(longest), std::string(TROV_MAX_PATH, 'x') + ".bak");
}

TEST_F(TextLexiconTest, BackupHoldsTheWordsAsTheyWereBeforeEachChange) {
  const int16_t lex = OpenWith("user.tlx", "#LID 24941\r\nfirst\r\n");
  const std::string backup = dir.File("user.bak");
  ASSERT_EQ(TROV_AddToLex(session, lex, "second", 'i', nullptr), 0);
  EXPECT_FALSE(std::filesystem::exists(backup)) << "backups are off by default";
  ASSERT_EQ(TROV_SetOption(session, TROV_OPT_BACKUP_USER_DICTIONARY, 1), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "third", 'i', nullptr), 0);
  EXPECT_EQ(ScratchDir::Read(backup), "#LID 24941\r\nfirst\ti\r\nsecond\ti\r\n");
  ASSERT_EQ(TROV_DelFromLex(session, lex, "first"), 0);
  EXPECT_EQ(ScratchDir::Read(backup), "#LID 24941\r\nfirst\ti\r\nsecond\ti\r\nthird\ti\r\n");
  ASSERT_EQ(TROV_ClearLex(session, lex), 0);
  EXPECT_EQ(ScratchDir::Read(backup), "#LID 24941\r\nsecond\ti\r\nthird\ti\r\n");
  EXPECT_EQ(FileBytes(), "#LID 24941\r\n");
}

TEST_F(TextLexiconTest, BackupOfAnExternalListIsAWordList) {
  const int16_t lex = OpenWith("words", "b\r\na\r\n");
  ASSERT_EQ(TROV_SetOption(session, TROV_OPT_BACKUP_USER_DICTIONARY, 1), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "c", 'i', nullptr), 0);
  EXPECT_EQ(ScratchDir::Read(dir.File("words.bak")), "a\r\nb\r\n");
}

TEST_F(TextLexiconTest, FailedBackupIsLoggedAndTheChangeGoesOn) {
  const int16_t lex = OpenWith("user.tlx", "#LID 24941\r\none\r\n");
  const std::string backup = dir.File("user.bak");
  std::filesystem::create_directory(backup);  // the backup cannot replace a directory
  ASSERT_EQ(TROV_SetOption(session, TROV_OPT_BACKUP_USER_DICTIONARY, 1), 0);
  LogCapture log;
  ASSERT_EQ(TROV_AddToLex(session, lex, "two", 'i', nullptr), 0);
  ASSERT_EQ(TROV_DelFromLex(session, lex, "one"), 0);
  ASSERT_EQ(TROV_ClearLex(session, lex), 0);
  const std::string tail = path + " to " + backup + " (-24)";
  EXPECT_EQ(
      log.Messages(),
      (std::vector<std::string>{
          "Can't open " + backup + " for writing", "TROV_AddToLex: Unable to backup " + tail,
          "Can't open " + backup + " for writing", "TROV_DelFromLex: Unable to backup " + tail,
          "Can't open " + backup + " for writing", "TROV_ClearLex: Unable to backup " + tail}));
  EXPECT_EQ(FileBytes(), "#LID 24941\r\n");
  EXPECT_EQ(dir.Listing(), "user.bak;user.tlx;");
}

TEST_F(TextLexiconTest, ClosingWritesNothing) {
  const std::string bytes = "#LID 1033\r\n\r\nb\r\na\r\n";
  const int16_t lex = OpenWith("user.tlx", bytes);
  ASSERT_EQ(TROV_CloseLex(session, lex), 0);
  EXPECT_EQ(FileBytes(), bytes);
}

}  // namespace
