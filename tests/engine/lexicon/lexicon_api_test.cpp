// The lexicon functions of the API: the frame's checks and log lines, slot reuse, word
// normalisation, the built-in lexicon table, and compressed files reached through the API.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/lexicon/compressed_test_files.h"
#include "engine/lexicon/scratch_dir.h"
#include "engine/log_capture.h"
#include "lexicon/builtin_lex.h"
#include "trov.h"
#include "test_hooks.h"

namespace {

using trov_test::LogCapture;
using trov_test::ScratchDir;

class LexiconApiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session = TROV_OpenSession();
    ASSERT_GE(session, 0);
  }
  void TearDown() override {
    trov::UseBuiltinLexiconTable(nullptr);
    TROV_CloseSession(session);
  }
  int16_t Temporary() { return TROV_CreateLex(session, nullptr, TROV_LANGUAGE_ANY); }
  std::string Listing(int16_t lex) {
    char buffer[1024];
    if (TROV_GetLex(session, lex, buffer, sizeof buffer) < 0) return "error";
    std::string listing;
    for (const char* p = buffer; *p != '\0'; p += std::strlen(p) + 1)
      listing += std::string(p) + ";";
    return listing;
  }

  ScratchDir dir;
  int16_t session = -1;
};

TEST_F(LexiconApiTest, ClosedSlotIsReusedAndOtherIdsStay) {
  ASSERT_EQ(Temporary(), 0);
  ASSERT_EQ(Temporary(), 1);
  ASSERT_EQ(Temporary(), 2);
  ASSERT_EQ(TROV_AddToLex(session, 1, "one", 'i', nullptr), 0);
  ASSERT_EQ(TROV_AddToLex(session, 2, "two", 'i', nullptr), 0);
  ASSERT_EQ(TROV_CloseLex(session, 0), 0);
  EXPECT_EQ(Temporary(), 0);
  EXPECT_EQ(Listing(0), "");
  EXPECT_EQ(Listing(1), "one\ti;");
  EXPECT_EQ(Listing(2), "two\ti;");
  EXPECT_EQ(Temporary(), 3);
}

TEST_F(LexiconApiTest, OpenCreateAndCloseAreLogged) {
  LogCapture log;
  ASSERT_EQ(Temporary(), 0);
  ASSERT_EQ(TROV_CreateLex(session, "", TROV_LANGUAGE_ANY), 1);
  const std::string path = dir.Write("user.tlx", "#LID 24941\r\n");
  ASSERT_EQ(TROV_OpenLex(session, path.c_str(), -1), 2);
  ASSERT_EQ(TROV_CloseLex(session, 1), 0);
  EXPECT_EQ(TROV_CloseLex(session, 1), TROV_ERR_BAD_LEX);
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{"TROV_CreateLex: temporary lex created; id=0",
                                      "TROV_CreateLex: temporary lex created; id=1",
                                      "TROV_OpenLex: " + path + " opened; id=2",
                                      "TROV_CloseLex: closing 1", "TROV_CloseLex: bad lex id 1"}));
}

TEST_F(LexiconApiTest, BadIdsAreLoggedByEveryFunction) {
  ASSERT_EQ(Temporary(), 0);
  LogCapture log;
  char buffer[8];
  int32_t size = 0;
  EXPECT_EQ(TROV_OpenLex(7, "x", -1), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_CreateLex(-1, nullptr, 0), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_CloseLex(session, 1), TROV_ERR_BAD_LEX);
  EXPECT_EQ(TROV_AddToLex(session, -1, "w", 'i', nullptr), TROV_ERR_BAD_LEX);
  EXPECT_EQ(TROV_DelFromLex(session, 5, "w"), TROV_ERR_BAD_LEX);
  EXPECT_EQ(TROV_ClearLex(3, 0), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_FindLexWord(session, 4, "w", buffer, sizeof buffer), TROV_ERR_BAD_LEX);
  EXPECT_EQ(TROV_GetLex(session, 2, buffer, sizeof buffer), TROV_ERR_BAD_LEX);
  EXPECT_EQ(TROV_GetLexInfo(session, 9, &size, nullptr, nullptr), TROV_ERR_BAD_LEX);
  EXPECT_EQ(TROV_GetLexInfo(-2, 0, &size, nullptr, nullptr), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{
                "TROV_OpenLex: bad session id 7", "TROV_CreateLex: bad session id -1",
                "TROV_CloseLex: bad lex id 1", "TROV_AddToLex: bad lex id -1",
                "TROV_DelFromLex: bad lex id 5", "TROV_ClearLex: bad session id 3",
                "TROV_FindLexWord: bad lex id 4", "TROV_GetLex: bad lex id 2",
                "TROV_GetLexInfo: bad lex id 9", "TROV_GetLexInfo: bad session id -2"}));
  EXPECT_EQ(size, 0) << "nothing is stored on failure";
}

TEST_F(LexiconApiTest, ListErrorsAreLoggedAndNotFoundIsNot) {
  const int16_t lex = Temporary();
  ASSERT_EQ(TROV_AddToLex(session, lex, "word", 'i', nullptr), 0);
  LogCapture log;
  char small[4];
  EXPECT_EQ(TROV_GetLex(session, lex, small, sizeof small), TROV_ERR_BUFFER_FULL);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "none", nullptr, 0), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(TROV_DelFromLex(session, lex, "none"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"TROV_GetLex: returning -8",
                                                      "TROV_DelFromLex: returning -3"}));
}

TEST_F(LexiconApiTest, PossessivesAreStrippedOnAddAndFindButNotOnDelete) {
  const int16_t lex = Temporary();
  ASSERT_EQ(TROV_SetOption(session, TROV_OPT_STRIP_POSSESSIVES, 1), 1);
  ASSERT_EQ(TROV_AddToLex(session, lex, "John's", 'i', nullptr), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "Mary\x92S", 'i', nullptr), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "dogs'", 'i', nullptr), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "'", 'i', nullptr), 0);
  EXPECT_EQ(Listing(lex), "'\ti;John\ti;Mary\ti;dogs\ti;");
  EXPECT_EQ(TROV_FindLexWord(session, lex, "John\x92s", nullptr, 0), 'i');
  EXPECT_EQ(TROV_DelFromLex(session, lex, "John's"), TROV_ERR_NOT_FOUND);
  TROV_SetOption(session, TROV_OPT_STRIP_POSSESSIVES, 0);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "John's", nullptr, 0), TROV_ERR_NOT_FOUND);
}

TEST_F(LexiconApiTest, WordsAreCutTo80Characters) {
  const int16_t lex = Temporary();
  const std::string word(100, 'w');
  ASSERT_EQ(TROV_AddToLex(session, lex, word.c_str(), 'i', nullptr), 0);
  EXPECT_EQ(Listing(lex), std::string(80, 'w') + "\ti;");
  EXPECT_EQ(TROV_FindLexWord(session, lex, (std::string(80, 'w') + "xyz").c_str(), nullptr, 0),
            'i');
}

TEST_F(LexiconApiTest, OtherWordIsStoredAtFullLength) {
  const int16_t lex = Temporary();
  const std::string other(120, 'o');
  ASSERT_EQ(TROV_AddToLex(session, lex, "w", 'a', other.c_str()), 0);
  char buffer[200];
  EXPECT_EQ(TROV_FindLexWord(session, lex, "w", buffer, sizeof buffer), 'a');
  EXPECT_EQ(std::string(buffer), other);
}

TEST_F(LexiconApiTest, EntitiesAreDecodedWithIgnoreHtmlMarkups) {
  const int16_t lex = Temporary();
  ASSERT_EQ(TROV_AddToLex(session, lex, "caf&eacute;", 'i', nullptr), 0);
  ASSERT_EQ(TROV_SetOption(session, TROV_OPT_IGNORE_HTML_MARKUPS, 1), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "na&#239;ve", 'i', nullptr), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "AT&T", 'i', nullptr), 0);
  EXPECT_EQ(Listing(lex), "AT\ti;caf&eacute;\ti;na\xEFve\ti;");
  EXPECT_EQ(TROV_FindLexWord(session, lex, "na&iuml;ve", nullptr, 0), 'i');
  EXPECT_EQ(TROV_FindLexWord(session, lex, "caf&eacute;", nullptr, 0), TROV_ERR_NOT_FOUND)
      << "decoded to caf\xE9, which is not stored";
}

TEST_F(LexiconApiTest, EntityCutOffAt80CharactersIsDropped) {
  const int16_t lex = Temporary();
  ASSERT_EQ(TROV_SetOption(session, TROV_OPT_IGNORE_HTML_MARKUPS, 1), 0);
  const std::string word = std::string(76, 'a') + "&eacute;";
  ASSERT_EQ(TROV_AddToLex(session, lex, word.c_str(), 'i', nullptr), 0);
  EXPECT_EQ(Listing(lex), std::string(76, 'a') + "\ti;") << "the word is cut before decoding";
}

TEST_F(LexiconApiTest, NullWordsReadAsEmpty) {
  const int16_t lex = Temporary();
  EXPECT_EQ(TROV_FindLexWord(session, lex, nullptr, nullptr, 0), TROV_ERR_NOT_FOUND);
  ASSERT_EQ(TROV_AddToLex(session, lex, nullptr, 'i', nullptr), 0);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "", nullptr, 0), 'i');
  EXPECT_EQ(TROV_DelFromLex(session, lex, nullptr), 0);
  LogCapture log;
  EXPECT_EQ(TROV_OpenLex(session, nullptr, -1), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"TROV_OpenLex(): returning -4"}));
}

TEST_F(LexiconApiTest, BackupIsNotAttemptedForTemporaryLexicons) {
  const int16_t lex = Temporary();
  ASSERT_EQ(TROV_SetOption(session, TROV_OPT_BACKUP_USER_DICTIONARY, 1), 0);
  LogCapture log;
  ASSERT_EQ(TROV_AddToLex(session, lex, "w", 'i', nullptr), 0);
  ASSERT_EQ(TROV_ClearLex(session, lex), 0);
  EXPECT_EQ(log.Messages(), std::vector<std::string>{});
}

TEST_F(LexiconApiTest, CompressedFileAnswersIgnoreAndRefusesChanges) {
  const std::string path = dir.Write("main.clx", trov_test::ExampleFileBytes());
  const int16_t resident = TROV_OpenLex(session, path.c_str(), -1);
  const int16_t paged = TROV_OpenLex(session, path.c_str(), 0);
  ASSERT_GE(resident, 0);
  ASSERT_GE(paged, 0);
  ASSERT_EQ(TROV_SetOption(session, TROV_OPT_BACKUP_USER_DICTIONARY, 1), 0);
  LogCapture log;
  for (const int16_t lex : {resident, paged}) {
    char other[8] = "keep";
    EXPECT_EQ(TROV_FindLexWord(session, lex, "catch", other, sizeof other), 'i');
    EXPECT_STREQ(other, "keep");
    EXPECT_EQ(TROV_FindLexWord(session, lex, "dog", other, sizeof other), TROV_ERR_NOT_FOUND);
    EXPECT_EQ(TROV_AddToLex(session, lex, "dog", 'i', nullptr), TROV_ERR_UNSUPPORTED);
    EXPECT_EQ(TROV_ClearLex(session, lex), TROV_ERR_UNSUPPORTED);
    char buffer[64];
    EXPECT_EQ(TROV_GetLex(session, lex, buffer, sizeof buffer), TROV_ERR_UNSUPPORTED);
  }
  int32_t size = 0;
  int16_t format = -1;
  int16_t language = 0;
  ASSERT_EQ(TROV_GetLexInfo(session, resident, &size, &format, &language), 0);
  EXPECT_EQ(size, TROV_ERR_UNSUPPORTED);
  EXPECT_EQ(format, 1);
  EXPECT_EQ(language, 0x616D);
  ASSERT_EQ(TROV_GetLexInfo(session, paged, nullptr, &format, nullptr), 0);
  EXPECT_EQ(format, 0);
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{"TROV_GetLex: returning -13", "TROV_GetLex: returning -13"}))
      << "the backups answer -13 silently";
  EXPECT_EQ(dir.Listing(), "main.clx;");
}

// A built-in table of the test's own: a word list with room for three entries and rows whose
// types cannot be built in.
class BuiltinLexiconTest : public LexiconApiTest {
 protected:
  void SetUp() override {
    LexiconApiTest::SetUp();
    std::strcpy(entries[0].word, "Paris");
    entries[0].action = 'i';
    std::strcpy(entries[1].word, "teh");
    entries[1].action = 'a';
    std::strcpy(entries[1].otherWord, "the");
    image = {entries, 2, 3, 0x6672};
    trov::UseBuiltinLexiconTable(table);
  }

  trov::WordListEntry entries[3] = {};
  trov::WordListImage image{};
  const trov::BuiltinLexEntry table[5] = {
      {"builtin-list", &image, trov::LEX_BUILTIN_LIST, trov::InstantiateWordList},
      {"resident", &image, trov::LEX_COMPRESSED_RESIDENT, trov::InstantiateWordList},
      {"free", &image, trov::LEX_FREE, trov::InstantiateWordList},
      {"seven", &image, 7, trov::InstantiateWordList},
      {nullptr, nullptr, trov::LEX_FREE, nullptr},
  };
};

TEST_F(BuiltinLexiconTest, NamedWordListOpensWithoutTouchingTheFileSystem) {
  LogCapture log;
  const int16_t lex = TROV_OpenLex(session, "builtin-list", -1);
  ASSERT_EQ(lex, 0);
  char other[81];
  EXPECT_EQ(TROV_FindLexWord(session, lex, "teh", other, sizeof other), 'a');
  EXPECT_STREQ(other, "the");
  int32_t size = 0;
  int16_t format = -1;
  int16_t language = 0;
  ASSERT_EQ(TROV_GetLexInfo(session, lex, &size, &format, &language), 0);
  EXPECT_EQ(size, 8 + 9 + 1);  // "Paris\ti", "teh\tathe", each with its NUL, and the last NUL
  EXPECT_EQ(format, 1);
  EXPECT_EQ(language, 0x6672);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"TROV_OpenLex: builtin-list opened; id=0"}));
}

TEST_F(BuiltinLexiconTest, RowsOfOtherTypesAreRefused) {
  LogCapture log;
  for (const char* name : {"resident", "free", "seven"}) {
    EXPECT_EQ(TROV_OpenLex(session, name, -1), TROV_ERR_UNSUPPORTED) << name;
  }
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{"TROV_OpenLex: resident: Unknown memory-based lexicon type",
                                      "TROV_OpenLex: free: Unknown memory-based lexicon type",
                                      "TROV_OpenLex: seven: Unknown memory-based lexicon type"}));
  EXPECT_EQ(Temporary(), 0) << "the refused opens left the slot free";
}

TEST_F(BuiltinLexiconTest, NamesMatchCaseSensitively) {
  EXPECT_EQ(TROV_OpenLex(session, "Builtin-List", -1), TROV_ERR_FILE_OPEN);
}

TEST_F(BuiltinLexiconTest, DeliveredTableIsEmpty) {
  trov::UseBuiltinLexiconTable(nullptr);
  EXPECT_EQ(trov::FindBuiltinLexicon("builtin-list"), nullptr);
  EXPECT_EQ(trov::FindBuiltinLexicon(""), nullptr);
}

TEST_F(BuiltinLexiconTest, WordListAddsUpToItsCapacity) {
  const int16_t lex = TROV_OpenLex(session, "builtin-list", -1);
  ASSERT_GE(lex, 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "apple", 'i', nullptr), 0);
  EXPECT_EQ(TROV_AddToLex(session, lex, "zoo", 'i', nullptr), TROV_ERR_NO_MEMORY) << "full";
  ASSERT_EQ(TROV_AddToLex(session, lex, "teh", 'c', "ten"), 0) << "a replacement still fits";
  EXPECT_EQ(Listing(lex), "Paris\ti;apple\ti;teh\tcten;");
  EXPECT_EQ(TROV_DelFromLex(session, lex, "Paris"), 0);
  EXPECT_EQ(TROV_DelFromLex(session, lex, "Paris"), TROV_ERR_NOT_FOUND);
  ASSERT_EQ(TROV_AddToLex(session, lex, "zoo", 'e', nullptr), 0);
  EXPECT_EQ(Listing(lex), "apple\ti;teh\tcten;zoo\te;");
  ASSERT_EQ(TROV_ClearLex(session, lex), 0);
  EXPECT_EQ(Listing(lex), "");
  ASSERT_EQ(TROV_CloseLex(session, lex), 0);
  EXPECT_STREQ(entries[0].word, "apple") << "closing leaves the program's array alone";
}

TEST_F(BuiltinLexiconTest, WordListCutsWordsAndOtherWordsTo80) {
  const int16_t lex = TROV_OpenLex(session, "builtin-list", -1);
  ASSERT_EQ(TROV_DelFromLex(session, lex, "Paris"), 0);
  const std::string longWord(90, 'x');
  const std::string longOther(90, 'y');
  ASSERT_EQ(TROV_AddToLex(session, lex, longWord.c_str(), 'a', longOther.c_str()), 0);
  char other[120];
  EXPECT_EQ(TROV_FindLexWord(session, lex, longWord.c_str(), other, sizeof other), 'a');
  EXPECT_EQ(std::string(other), longOther.substr(0, 80));
  EXPECT_EQ(TROV_DelFromLex(session, lex, (std::string(80, 'x') + "zzz").c_str()), 0)
      << "delete searches on the word cut to 80";
}

TEST_F(BuiltinLexiconTest, WordListFindAlwaysFillsTheBuffer) {
  const int16_t lex = TROV_OpenLex(session, "builtin-list", -1);
  char other[81] = "untouched";
  ASSERT_EQ(TROV_SetOption(session, TROV_OPT_CASE_SENSITIVE, 0), 1);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "PARIS", other, sizeof other), 'i');
  EXPECT_STREQ(other, "");
  TROV_SetOption(session, TROV_OPT_CASE_SENSITIVE, 1);
  std::strcpy(other, "untouched");
  EXPECT_EQ(TROV_FindLexWord(session, lex, "PARIS", other, sizeof other), TROV_ERR_NOT_FOUND);
  EXPECT_STREQ(other, "untouched");
}

TEST_F(BuiltinLexiconTest, WordListRefusesInvalidCharacters) {
  const int16_t lex = TROV_OpenLex(session, "builtin-list", -1);
  LogCapture log;
  EXPECT_EQ(TROV_AddToLex(session, lex, "a\x1b", 'i', nullptr), TROV_ERR_BAD_CHAR);
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{"AddWord: a\x1b contains invalid character (0x1b)"}));
}

}  // namespace
