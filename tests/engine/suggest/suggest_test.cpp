#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/lexicon/scratch_dir.h"
#include "engine/suggest/suggest_session.h"
#include "lexicon_compiler.h"
#include "engine/log_capture.h"
#include "suggest/typo_score.h"
#include "text/charset.h"
#include "trov.h"

namespace {

struct Suggestions {
  int16_t result = 0;
  std::vector<std::string> words;
  std::vector<int16_t> scores;
};

class SuggestTest : public trov_test::SuggestSession {
 protected:
  // A compressed main dictionary holding words, opened whole.
  int16_t OpenMain(const std::vector<std::string>& words) {
    std::string bytes, error;
    trov::lexcompile::CompileStats stats;
    EXPECT_TRUE(trov::lexcompile::CompileLexicon(words, {}, bytes, stats, error)) << error;
    const std::string path = scratch.Write("main.clx", bytes);
    return TROV_OpenLex(session, path.c_str(), -1);
  }

  Suggestions Suggest(const char* word, int16_t depth, int16_t maxWords = 16,
                      int32_t bufferSize = 2048) {
    Suggestions out;
    std::vector<char> buffer(static_cast<size_t>(bufferSize) + 1, '\x7f');
    std::vector<int16_t> scores(static_cast<size_t>(maxWords > 0 ? maxWords : 1), -1);
    out.result =
        TROV_Suggest(session, word, depth, buffer.data(), bufferSize, scores.data(), maxWords);
    EXPECT_EQ(buffer[static_cast<size_t>(bufferSize)], '\x7f') << "wrote past the buffer";
    for (size_t at = 0, i = 0;
         at < static_cast<size_t>(bufferSize) && buffer[at] != '\0' && buffer[at] != '\x7f'; ++i) {
      out.words.emplace_back(&buffer[at]);
      out.scores.push_back(scores[i]);
      at += out.words.back().size() + 1;
    }
    return out;
  }
};

TEST_F(SuggestTest, TranspositionFindsTheWordAndTypoScoreRanksIt) {
  Add({"test", "text", "toast"});
  const Suggestions s = Suggest("tset", 10);
  ASSERT_EQ(s.result, 0);
  ASSERT_FALSE(s.words.empty());
  EXPECT_EQ(s.words[0], "test");
  EXPECT_EQ(s.scores[0], 87);
  EXPECT_EQ(s.scores[0], trov::TypoScore("tset", "test"));
  for (size_t i = 1; i < s.scores.size(); ++i) EXPECT_LE(s.scores[i], s.scores[i - 1]);
}

TEST_F(SuggestTest, ListIsCappedBestFirstAndEndsWithAnEmptyWord) {
  std::vector<std::string> words;
  for (char a = 'a'; a <= 'z'; ++a) words.push_back(std::string("ca") + a);
  for (const auto& w : words) ASSERT_EQ(TROV_AddToLex(session, user, w.c_str(), 'i', nullptr), 0);
  std::vector<char> buffer(4096, '\x7f');
  std::vector<int16_t> scores(16, -1);
  ASSERT_EQ(TROV_Suggest(session, "cax", 50, buffer.data(), 4096, scores.data(), 16), 0);
  size_t at = 0;
  int count = 0;
  while (buffer[at] != '\0') {
    at += std::strlen(&buffer[at]) + 1;
    ++count;
  }
  EXPECT_EQ(count, 16);
  EXPECT_EQ(buffer[at], '\0') << "two NULs close the list";
  EXPECT_EQ(buffer[at - 1], '\0');
  for (int i = 1; i < 16; ++i) EXPECT_LE(scores[i], scores[i - 1]);
}

TEST_F(SuggestTest, BufferTooShortForTheSecondWordKeepsTheFirst) {
  Add({"test", "tests"});
  trov_test::LogCapture log;
  std::vector<char> buffer(7, '\x7f');
  std::vector<int16_t> scores(16, -1);
  EXPECT_EQ(TROV_Suggest(session, "tesst", 50, buffer.data(), 7, scores.data(), 16),
            TROV_ERR_BUFFER_FULL);
  EXPECT_STREQ(buffer.data(), "test");
  EXPECT_GT(scores[0], 0);
  EXPECT_EQ(log.Messages(), std::vector<std::string>{"TROV_Suggest: buffer too small"});
}

TEST_F(SuggestTest, EmptyWordOrNoRoomGivesOnlyTheClosingEmptyWord) {
  Add({"test"});
  EXPECT_TRUE(Suggest("", 50).words.empty());
  EXPECT_EQ(Suggest("", 50).result, 0);
  const Suggestions none = Suggest("tset", 50, 0);
  EXPECT_EQ(none.result, 0);
  EXPECT_TRUE(none.words.empty());
}

TEST_F(SuggestTest, BadSessionIsLogged) {
  trov_test::LogCapture log;
  char buffer[8];
  int16_t scores[2];
  EXPECT_EQ(TROV_Suggest(99, "x", 50, buffer, 8, scores, 2), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(log.Messages(), std::vector<std::string>{"TROV_Suggest: bad session id 99"});
}

TEST_F(SuggestTest, PhoneticOnlyScansSkipTheEditSteps) {
  // bone and gone are one substitution away but sound different (BN, KN; fone and phone: FN).
  Add({"phone", "bone", "gone"});
  Set(TROV_OPT_TYPOGRAPHICAL_SUGGESTIONS, false);
  Set(TROV_OPT_PHONETIC_SUGGESTIONS, true);
  const Suggestions s = Suggest("fone", 50);
  ASSERT_EQ(s.words, std::vector<std::string>{"phone"});
  EXPECT_EQ(s.scores[0], 71);
  Set(TROV_OPT_TYPOGRAPHICAL_SUGGESTIONS, true);
  EXPECT_EQ(Suggest("fone", 50).words.size(), 3u);
}

TEST_F(SuggestTest, ShallowSearchReachesMainDictionariesWhenUserListsGiveNothing) {
  ASSERT_GE(OpenMain({"house", "mouse", "horse"}), 0);
  // At depth 5 only segments whose key scores 95 or more are read: the first three letters fit.
  const Suggestions s = Suggest("housr", 5);
  ASSERT_FALSE(s.words.empty());
  EXPECT_EQ(s.words[0], "house");
}

TEST_F(SuggestTest, ShallowSearchStopsAtUserListsThatOfferSomething) {
  Add({"hose"});
  ASSERT_GE(OpenMain({"house"}), 0);
  const Suggestions s = Suggest("housr", 5);
  EXPECT_EQ(s.words, std::vector<std::string>{"hose"});
  const Suggestions deeper = Suggest("housr", 40);
  EXPECT_NE(std::find(deeper.words.begin(), deeper.words.end(), "house"), deeper.words.end());
}

TEST_F(SuggestTest, SplitWordsAreOfferedUnlessTheyMeetAtAHyphen) {
  Add({"in", "the", "well", "known", "well-known"});
  Set(TROV_OPT_SUGGEST_SPLIT_WORDS, true);
  Suggestions s = Suggest("inthe", 50);
  EXPECT_NE(std::find(s.words.begin(), s.words.end(), "in the"), s.words.end());
  // Two hyphens: the space-after-punctuation step stays out of the way.
  auto offers = [&](const char* candidate) {
    s = Suggest("well-known-in", 50);
    return std::find(s.words.begin(), s.words.end(), candidate) != s.words.end();
  };
  EXPECT_FALSE(offers("well-known- in"));
  Set(TROV_OPT_SPLIT_HYPHENATED_WORDS, false);
  EXPECT_TRUE(offers("well-known- in"));
}

TEST_F(SuggestTest, CapitalisedWordGetsCapitalisedSuggestionsWithoutDuplicates) {
  Add({"the", "The", "then"});
  Set(TROV_OPT_CASE_SENSITIVE, false);
  const Suggestions s = Suggest("Teh", 50);
  ASSERT_FALSE(s.words.empty());
  EXPECT_EQ(s.words[0], "The");
  EXPECT_EQ(std::count(s.words.begin(), s.words.end(), "The"), 1);
  for (const auto& w : s.words) EXPECT_TRUE(trov::IsUpper(static_cast<unsigned char>(w[0]))) << w;
}

TEST_F(SuggestTest, SpacesAreOfferedAtPunctuationAndBetweenLettersAndDigits) {
  Add({"end", "The", "the", "abc"});
  Suggestions s = Suggest("end.The", 50);
  EXPECT_NE(std::find(s.words.begin(), s.words.end(), "end. The"), s.words.end());
  s = Suggest("abc123", 50);
  EXPECT_NE(std::find(s.words.begin(), s.words.end(), "abc 123"), s.words.end());
}

TEST_F(SuggestTest, WordsLongerThanEightyCharactersAreCut) {
  const std::string stem(80, 'a');
  ASSERT_EQ(TROV_AddToLex(session, user, (stem.substr(0, 79) + "b").c_str(), 'i', nullptr), 0);
  const Suggestions s = Suggest((stem + "zzzz").c_str(), 50);
  ASSERT_EQ(s.result, 0);
  for (const auto& w : s.words) EXPECT_LE(w.size(), 80u);
  EXPECT_NE(std::find(s.words.begin(), s.words.end(), stem.substr(0, 79) + "b"), s.words.end());
}

TEST_F(SuggestTest, OneLetterWordNeverYieldsAnEmptySuggestion) {
  Add({"a", "I"});
  const Suggestions s = Suggest("x", 50);
  ASSERT_EQ(s.result, 0);
  for (const auto& w : s.words) EXPECT_FALSE(w.empty());
}

}  // namespace
