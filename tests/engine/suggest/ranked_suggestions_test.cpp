// The ranked suggestion mode: the same candidates as the default search, reordered by how likely
// each is meant; the default order is untouched while the option is off.
#include "suggest/ranked_suggestions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/suggest/suggest_session.h"
#include "text/charset.h"
#include "trov.h"
#include "trov_ext.h"

namespace {

struct Suggestions {
  std::vector<std::string> words;
  std::vector<int16_t> scores;
  std::string bytes;  // the buffer as written, up to the closing empty word
};

class RankedSuggestionsTest : public trov_test::SuggestSession {
 protected:
  void Ranked(bool on) { Set(TROV_OPT_RANKED_SUGGESTIONS, on); }
  void Frequencies(const std::string& lines) {
    ASSERT_EQ(TROV_LoadWordFrequencies(session, scratch.Rewrite("f.frq", lines).c_str()), 0);
  }

  Suggestions Suggest(const char* word, int16_t maxWords = 16) {
    Suggestions out;
    std::vector<char> buffer(static_cast<size_t>(maxWords) * TROV_WORD_BUFFER + 1, '\x7f');
    std::vector<int16_t> scores(static_cast<size_t>(maxWords), -1);
    EXPECT_EQ(TROV_Suggest(session, word, 50, buffer.data(), static_cast<int32_t>(buffer.size()),
                           scores.data(), maxWords),
              0);
    for (size_t at = 0, i = 0; buffer[at] != '\0'; ++i) {
      out.words.emplace_back(&buffer[at]);
      out.scores.push_back(scores[i]);
      at += out.words.back().size() + 1;
      out.bytes.append(out.words.back()).push_back('\0');
    }
    return out;
  }
};

TEST_F(RankedSuggestionsTest, TheOptionIsANewBitOffByDefault) {
  EXPECT_EQ(TROV_OPT_RANKED_SUGGESTIONS & 0x1FFFFFFu, 0u) << "above every other option bit";
  EXPECT_EQ(TROV_DEFAULT_OPTIONS & TROV_OPT_RANKED_SUGGESTIONS, 0u);
  EXPECT_EQ(TROV_GetOption(session, TROV_OPT_RANKED_SUGGESTIONS), 0);
}

TEST_F(RankedSuggestionsTest, FrequencyDecidesBetweenEquallyLikelySlips) {
  // 'u' for 'a' and 'u' for 'i' are both single slips ('i' is a neighbour, 'a' another vowel).
  Add({"tame", "time"});
  Ranked(true);
  Frequencies("tame\t10\ntime\t100000\n");
  EXPECT_EQ(Suggest("tume").words, (std::vector<std::string>{"time", "tame"}));
  Frequencies("tame\t100000\ntime\t10\n");
  EXPECT_EQ(Suggest("tume").words, (std::vector<std::string>{"tame", "time"}));
}

TEST_F(RankedSuggestionsTest, KeepsTheCandidatesWithFallingScoresAndTheCallersLimit) {
  Add({"cat", "cart", "coat", "cast", "chat", "scat", "at", "act", "cut", "cot"});
  const Suggestions plain = Suggest("cazt", 40);
  Ranked(true);
  const Suggestions ranked = Suggest("cazt", 40);
  ASSERT_FALSE(ranked.words.empty());
  std::vector<std::string> a = plain.words;
  std::vector<std::string> b = ranked.words;
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  EXPECT_EQ(a, b) << "the same candidates, in another order";
  EXPECT_EQ(ranked.scores.front(), 99);
  for (size_t i = 1; i < ranked.scores.size(); ++i) {
    EXPECT_LE(ranked.scores[i], ranked.scores[i - 1]);
    EXPECT_GE(ranked.scores[i], 1);
  }
  const Suggestions three = Suggest("cazt", 3);
  EXPECT_EQ(three.words, std::vector<std::string>(ranked.words.begin(), ranked.words.begin() + 3));
}

TEST_F(RankedSuggestionsTest, WithoutFrequenciesTheRankingStillUsesTheOtherSigns) {
  Add({"wrought", "word", "world"});
  Ranked(true);
  const Suggestions ranked = Suggest("wrod");
  ASSERT_FALSE(ranked.words.empty());
  EXPECT_EQ(ranked.words.front(), "word");
}

TEST_F(RankedSuggestionsTest, OptionOffGivesTheDefaultBytesWhateverTableIsLoaded) {
  Add({"tame", "time", "tome", "tune", "tumble", "fume"});
  const Suggestions before = Suggest("tume");
  Frequencies("tumble\t1000000\n");
  EXPECT_EQ(Suggest("tume").bytes, before.bytes);
  EXPECT_EQ(Suggest("tume").scores, before.scores);
  Ranked(true);
  Ranked(false);
  EXPECT_EQ(Suggest("tume").bytes, before.bytes);
}

TEST_F(RankedSuggestionsTest, CapitalisationOfTheTypedWordCarriesOver) {
  Add({"tame", "time"});
  Ranked(true);
  Frequencies("tame\t10\ntime\t100000\n");
  EXPECT_EQ(Suggest("Tume").words, (std::vector<std::string>{"Time", "Tame"}));
}

// Against the default dictionaries and the built frequency file: misspellings of the benchmark's
// held-out half that the default ranking puts second or third.
TEST(RankedDefaultDictionaries, PutsTheIntendedWordFirstWhereTheDefaultDoesNot) {
  const std::string dir = TROV_DICT_DIR;
  if (!std::filesystem::exists(dir + "/trovam.frq")) {
    GTEST_SKIP() << "built without word frequencies";
  }
  ASSERT_EQ(TROV_SetCharSet(1), 0);
  const int16_t session = TROV_OpenSession();
  ASSERT_GE(session, 0);
  ASSERT_GE(TROV_OpenLex(session, (dir + "/trovam.tlx").c_str(), -1), 0);
  ASSERT_GE(TROV_OpenLex(session, (dir + "/trovam2.clx").c_str(), -1), 0);
  ASSERT_EQ(TROV_LoadWordFrequencies(session, (dir + "/trovam.frq").c_str()), 0);
  TROV_SetOption(session, TROV_OPT_SUGGEST_SPLIT_WORDS, 1);
  const auto first = [&](const char* word) {
    char buffer[16 * TROV_WORD_BUFFER + 1];
    int16_t scores[16];
    EXPECT_EQ(TROV_Suggest(session, word, 50, buffer, sizeof buffer, scores, 16), 0);
    return std::string(buffer);
  };
  const std::vector<std::pair<const char*, const char*>> pairs = {
      {"teh", "the"},          {"aslo", "also"},
      {"speach", "speech"},    {"definetly", "definitely"},
      {"suprise", "surprise"}, {"wekend", "weekend"},
      {"cought", "caught"},    {"carefull", "careful"},
  };
  for (const auto& [typed, intended] : pairs) {
    TROV_SetOption(session, TROV_OPT_RANKED_SUGGESTIONS, 0);
    EXPECT_NE(first(typed), intended) << typed << ": the default ranking already does it";
    TROV_SetOption(session, TROV_OPT_RANKED_SUGGESTIONS, 1);
    EXPECT_EQ(first(typed), intended) << typed;
  }
  TROV_CloseSession(session);
}

}  // namespace
