// The temporary lexicon through the API: creation, adding, finding, deleting, listing, and the
// frame's checks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/log_capture.h"
#include "text/charset.h"
#include "trov.h"

namespace {

using trov_test::LogCapture;

class TemporaryLexiconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session = TROV_OpenSession();
    ASSERT_GE(session, 0);
    lex = TROV_CreateLex(session, nullptr, TROV_LANGUAGE_ANY);
    ASSERT_GE(lex, 0);
  }
  void TearDown() override { TROV_CloseSession(session); }

  // The listing as one string per entry.
  std::vector<std::string> Listing() {
    std::vector<char> buffer(4096);
    const int16_t count =
        TROV_GetLex(session, lex, buffer.data(), static_cast<int32_t>(buffer.size()));
    EXPECT_GE(count, 0);
    std::vector<std::string> entries;
    for (const char* p = buffer.data(); *p != '\0'; p += std::strlen(p) + 1)
      entries.emplace_back(p);
    EXPECT_EQ(static_cast<size_t>(count), entries.size());
    return entries;
  }

  int16_t session = -1;
  int16_t lex = -1;
};

TEST_F(TemporaryLexiconTest, AddedWordIsFoundWithItsActionAndOtherWord) {
  ASSERT_EQ(TROV_AddToLex(session, lex, "teh", 'a', "the"), 0);
  char other[81] = "untouched";
  EXPECT_EQ(TROV_FindLexWord(session, lex, "teh", other, sizeof other), 'a');
  EXPECT_STREQ(other, "the");
  ASSERT_EQ(TROV_AddToLex(session, lex, "colour", 'i', nullptr), 0);
  std::strcpy(other, "untouched");
  EXPECT_EQ(TROV_FindLexWord(session, lex, "colour", other, sizeof other), 'i');
  EXPECT_STREQ(other, "") << "an entry without other word answers an empty string";
  std::strcpy(other, "untouched");
  EXPECT_EQ(TROV_FindLexWord(session, lex, "color", other, sizeof other), TROV_ERR_NOT_FOUND);
  EXPECT_STREQ(other, "untouched") << "a miss leaves the buffer alone";
}

TEST_F(TemporaryLexiconTest, OtherWordIsCutToTheBuffer) {
  ASSERT_EQ(TROV_AddToLex(session, lex, "alot", 'c', "a lot"), 0);
  char other[4] = "xyz";
  EXPECT_EQ(TROV_FindLexWord(session, lex, "alot", other, sizeof other), 'c');
  EXPECT_STREQ(other, "a l");
  EXPECT_EQ(TROV_FindLexWord(session, lex, "alot", nullptr, 0), 'c');
}

TEST_F(TemporaryLexiconTest, SecondAddOfAWordReplacesItsAction) {
  ASSERT_EQ(TROV_AddToLex(session, lex, "the", 'i', nullptr), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "the", 'e', nullptr), 0);
  EXPECT_EQ(Listing(), (std::vector<std::string>{"the\te"}));
  EXPECT_EQ(TROV_FindLexWord(session, lex, "the", nullptr, 0), 'e');
}

TEST_F(TemporaryLexiconTest, CaseBlindLookupAnswersWithTheFirstSpellingInByteOrder) {
  ASSERT_EQ(TROV_AddToLex(session, lex, "paris", 'e', nullptr), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "Paris", 'i', nullptr), 0);
  ASSERT_EQ(TROV_SetOption(session, TROV_OPT_CASE_SENSITIVE, 0), 1);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "PARIS", nullptr, 0), 'i');
  EXPECT_EQ(TROV_FindLexWord(session, lex, "paris", nullptr, 0), 'i');
  TROV_SetOption(session, TROV_OPT_CASE_SENSITIVE, 1);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "paris", nullptr, 0), 'e');
  EXPECT_EQ(TROV_FindLexWord(session, lex, "PARIS", nullptr, 0), TROV_ERR_NOT_FOUND);
}

TEST_F(TemporaryLexiconTest, DeleteIsByteExactWhateverTheCaseOption) {
  ASSERT_EQ(TROV_AddToLex(session, lex, "teh", 'i', nullptr), 0);
  TROV_SetOption(session, TROV_OPT_CASE_SENSITIVE, 0);
  EXPECT_EQ(TROV_DelFromLex(session, lex, "Teh"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(TROV_DelFromLex(session, lex, "teh"), 0);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "teh", nullptr, 0), TROV_ERR_NOT_FOUND);
}

TEST_F(TemporaryLexiconTest, ListsInByteOrder) {
  for (const char* word : {"apple", "Zoo", "\xE9t\xE9", "Apple"}) {
    ASSERT_EQ(TROV_AddToLex(session, lex, word, 'i', nullptr), 0) << word;
  }
  EXPECT_EQ(Listing(),
            (std::vector<std::string>{"Apple\ti", "Zoo\ti", "apple\ti", "\xE9t\xE9\ti"}));
}

TEST_F(TemporaryLexiconTest, ListingBytesAndItsSize) {
  ASSERT_EQ(TROV_AddToLex(session, lex, "teh", 'A', "the"), 0);
  ASSERT_EQ(TROV_AddToLex(session, lex, "colour", 'i', nullptr), 0);
  int32_t size = 0;
  ASSERT_EQ(TROV_GetLexInfo(session, lex, &size, nullptr, nullptr), 0);
  EXPECT_EQ(size, 19);
  char exact[19];
  ASSERT_EQ(TROV_GetLex(session, lex, exact, sizeof exact), 2);
  EXPECT_EQ(std::string(exact, sizeof exact), std::string("colour\ti\0teh\tAthe\0\0", 19));
  char oneShort[18];
  EXPECT_EQ(TROV_GetLex(session, lex, oneShort, sizeof oneShort), TROV_ERR_BUFFER_FULL);
}

TEST_F(TemporaryLexiconTest, EmptyLexiconListsAsOneNul) {
  int32_t size = 0;
  int16_t format = -1;
  int16_t language = 0;
  ASSERT_EQ(TROV_GetLexInfo(session, lex, &size, &format, &language), 0);
  EXPECT_EQ(size, 1);
  EXPECT_EQ(format, 1);
  EXPECT_EQ(language, TROV_LANGUAGE_ANY);
  char buffer[1] = {'x'};
  EXPECT_EQ(TROV_GetLex(session, lex, buffer, sizeof buffer), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(TROV_GetLex(session, lex, buffer, 0), TROV_ERR_BUFFER_FULL);
  EXPECT_EQ(buffer[0], '\0') << "a zero-size buffer is not written";
}

TEST_F(TemporaryLexiconTest, LexiconKeepsTheLanguageItWasCreatedWith) {
  const int16_t other = TROV_CreateLex(session, "", 0x6672);
  ASSERT_GE(other, 0) << "an empty name makes a temporary lexicon";
  int16_t language = 0;
  ASSERT_EQ(TROV_GetLexInfo(session, other, nullptr, nullptr, &language), 0);
  EXPECT_EQ(language, 0x6672);
}

TEST_F(TemporaryLexiconTest, InvalidCharactersAreRefusedAndLogged) {
  LogCapture log;
  EXPECT_EQ(TROV_AddToLex(session, lex, "tab\there", 'i', nullptr), TROV_ERR_BAD_CHAR);
  EXPECT_EQ(TROV_AddToLex(session, lex, "New York", 'i', nullptr), 0);
  EXPECT_EQ(TROV_AddToLex(session, lex, "na\xEFve", 'i', nullptr), 0) << "accented letter of set 1";
  EXPECT_EQ(log.Messages(),
            (std::vector<std::string>{"AddWord: tab\there contains invalid character (0x9)"}));
  EXPECT_EQ(Listing(), (std::vector<std::string>{"New York\ti", "na\xEFve\ti"}));
}

TEST_F(TemporaryLexiconTest, ByteWithoutAClassIsRefused) {
  const trov::CharSetTables& tables = trov::CharSetById(TROV_GetCharSet());
  int classless = 0x20;
  while (classless < 256 && tables.classes[classless] != 0) ++classless;
  ASSERT_LT(classless, 256) << "the selected set classifies every byte";
  const std::string word = "ab" + std::string(1, static_cast<char>(classless));
  LogCapture log;
  EXPECT_EQ(TROV_AddToLex(session, lex, word.c_str(), 'i', nullptr), TROV_ERR_BAD_CHAR);
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%x", static_cast<unsigned>(classless));
  EXPECT_EQ(
      log.Messages(),
      (std::vector<std::string>{"AddWord: " + word + " contains invalid character (" + hex + ")"}));
  EXPECT_EQ(TROV_AddToLex(session, lex, "", 'i', nullptr), 0) << "an empty word passes";
}

TEST_F(TemporaryLexiconTest, UnknownActionIsRefusedBeforeTheSessionIsChecked) {
  LogCapture log;
  EXPECT_EQ(TROV_AddToLex(-1, lex, "word", 'x', nullptr), TROV_ERR_BAD_ACTION);
  EXPECT_EQ(TROV_AddToLex(session, lex, "word", 0, nullptr), TROV_ERR_BAD_ACTION);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"TROV_AddToLex: unknown action 120",
                                                      "TROV_AddToLex: unknown action 0"}));
  EXPECT_EQ(Listing(), std::vector<std::string>{});
}

TEST_F(TemporaryLexiconTest, EveryActionLetterIsAccepted) {
  for (const char action : {'A', 'C', 'a', 'c', 'e', 'i'}) {
    const std::string word(1, action);
    ASSERT_EQ(TROV_AddToLex(session, lex, word.c_str(), action, "x"), 0) << action;
    EXPECT_EQ(TROV_FindLexWord(session, lex, word.c_str(), nullptr, 0), action);
  }
}

}  // namespace

namespace {

// Exact finds answer from the entries alone, whatever was added, deleted and cleared before:
// random changes on short words that share their starts, checked against a plain set.
TEST(TemporaryLexiconFinds, ExactFindsFollowEveryChange) {
  const int16_t session = TROV_OpenSession();
  ASSERT_GE(session, 0);
  int16_t lex = TROV_CreateLex(session, nullptr, TROV_LANGUAGE_ANY);
  ASSERT_GE(lex, 0);
  std::mt19937 random(11);
  const std::string letters = "abAB";
  const auto randomWord = [&] {
    std::string word(1 + random() % 3, 'a');
    for (char& c : word) c = letters[random() % letters.size()];
    return word;
  };
  std::set<std::string> held;
  for (int step = 0; step < 3000; ++step) {
    const std::string word = randomWord();
    const unsigned pick = random() % 100;
    if (pick < 45) {
      ASSERT_EQ(TROV_AddToLex(session, lex, word.c_str(), 'i', nullptr), 0);
      held.insert(word);
    } else if (pick < 90) {
      ASSERT_EQ(TROV_DelFromLex(session, lex, word.c_str()), held.erase(word) ? 0 : -3);
    } else if (pick < 92) {
      ASSERT_EQ(TROV_ClearLex(session, lex), 0);
      held.clear();
    }
    const std::string probe = randomWord();
    EXPECT_EQ(TROV_FindLexWord(session, lex, probe.c_str(), nullptr, 0) >= 0,
              held.count(probe) == 1)
        << "step " << step << ": " << probe;
  }
  TROV_CloseSession(session);
}

}  // namespace
