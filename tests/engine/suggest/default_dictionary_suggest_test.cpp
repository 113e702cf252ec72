// Suggestion quality against the default dictionaries, for real misspellings: the intended word
// must be offered, and near the top where a single slip separates it from the misspelling.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "engine/suggest/common_misspellings.h"
#include "trov.h"

namespace {

constexpr int16_t kControlDepth = 50;  // the control's first request for a word
constexpr int16_t kControlListSize = 16;

struct Suggestion {
  std::string word;
  int16_t score;
};
using Suggestions = std::vector<Suggestion>;

std::string Path(const char* name) { return std::string(TROV_DICT_DIR) + "/" + name; }

// 1-based place of word in the list, 0 when it is not offered.
size_t RankOf(const Suggestions& list, const std::string& word) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].word == word) return i + 1;
  }
  return 0;
}

std::string AsciiLower(std::string word) {
  for (char& c : word) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return word;
}

std::string Show(const Suggestions& list) {
  std::string text;
  for (const Suggestion& s : list) text += s.word + "(" + std::to_string(s.score) + ") ";
  return text;
}

// A session laid out as the control lays it out: the temporary lexicon first, then the main
// dictionaries (the compressed one loaded whole), then the user dictionaries.
class DefaultDictionarySuggest : public ::testing::Test {
 protected:
  void SetUp() override { Open({"userdic.tlx", "correct.tlx"}); }
  void TearDown() override {
    if (session >= 0) TROV_CloseSession(session);
  }

  void Open(std::initializer_list<const char*> userDictionaries) {
    ASSERT_EQ(TROV_SetCharSet(1), 0);
    if (session >= 0) TROV_CloseSession(session);
    session = TROV_OpenSession();
    ASSERT_GE(session, 0);
    temporary = TROV_CreateLex(session, nullptr, TROV_LANGUAGE_ANY);
    ASSERT_GE(temporary, 0);
    ASSERT_GE(TROV_OpenLex(session, Path("trovam.tlx").c_str(), -1), 0);
    ASSERT_GE(TROV_OpenLex(session, Path("trovam2.clx").c_str(), -1), 0) << "build trovam2.clx";
    for (const char* name : userDictionaries) {
      ASSERT_GE(TROV_OpenLex(session, Path(name).c_str(), -1), 0) << name;
    }
  }

  void Set(uint32_t option, bool on) { TROV_SetOption(session, option, on ? 1 : 0); }

  Suggestions Suggest(const char* word, int16_t depth = kControlDepth,
                      int16_t maxWords = kControlListSize) {
    std::vector<char> buffer(static_cast<size_t>(maxWords) * TROV_WORD_BUFFER + 1);
    std::vector<int16_t> scores(static_cast<size_t>(maxWords));
    EXPECT_EQ(TROV_Suggest(session, word, depth, buffer.data(), static_cast<int32_t>(buffer.size()),
                           scores.data(), maxWords),
              0);
    Suggestions list;
    for (const char* at = buffer.data(); *at != '\0'; at += list.back().word.size() + 1) {
      list.push_back({at, scores[list.size()]});
    }
    return list;
  }

  // Every intended word is offered, first unless placed otherwise in worseRanks (the place
  // observed, which the ranking rules justify).
  template <size_t N>
  void ExpectRanks(const trov::test::Misspelling (&cases)[N],
                   const std::map<std::string, size_t>& worseRanks = {}) {
    for (const trov::test::Misspelling& c : cases) {
      const auto worse = worseRanks.find(c.typed);
      const size_t worst = worse == worseRanks.end() ? 1 : worse->second;
      const Suggestions list = Suggest(c.typed);
      const size_t rank = RankOf(list, c.intended);
      EXPECT_TRUE(rank >= 1 && rank <= worst)
          << c.typed << " -> " << c.intended << " at " << rank << ": " << Show(list);
    }
  }

  int16_t session = -1;
  int16_t temporary = -1;
};

// The change action of the typing-error list puts its correction on the list with 99, ahead of
// every scored word.
TEST_F(DefaultDictionarySuggest, TypingErrorListPutsItsCorrectionFirstWith99) {
  for (const trov::test::Misspelling& c : trov::test::kListedMisspellings) {
    const Suggestions list = Suggest(c.typed);
    ASSERT_FALSE(list.empty()) << c.typed;
    EXPECT_EQ(list[0].word, c.intended) << c.typed << ": " << Show(list);
    EXPECT_EQ(list[0].score, 99) << c.typed;
  }
}

// Without the typing-error list the scored search alone must find the same words: one slip
// (a letter doubled, dropped, swapped or replaced by a similar one) ranks the word first, except
// where another word is exactly as close or closer ('tenancy' is one letter from 'tendancy',
// 'tech' one from 'teh').
TEST_F(DefaultDictionarySuggest, MainDictionariesAloneRankTheIntendedWordNearTheTop) {
  Open({"userdic.tlx"});
  ExpectRanks(trov::test::kListedMisspellings,
              {{"tendancy", 2}, {"teh", 2}, {"hte", 2}, {"taht", 2}, {"adn", 3}});
}

// 'wrod' is as close to 'rod' as to 'word', 'persue' closer to 'peruse' than to 'pursue'.
TEST_F(DefaultDictionarySuggest, MisspellingsOutsideTheTypingErrorList) {
  ExpectRanks(
      trov::test::kUnlistedMisspellings,
      {{"wrod", 2}, {"persue", 2}, {"similer", 2}, {"potatoe", 2}, {"intrest", 3}, {"posess", 6}});
}

// What any list must be: best first, scores 1..100, no word twice (through case too when case
// does not count), and every word one the session accepts (a suggestion that is itself flagged
// would be no help).
TEST_F(DefaultDictionarySuggest, EveryListIsRankedDistinctAndAccepted) {
  for (bool caseSensitive : {true, false}) {
    Set(TROV_OPT_CASE_SENSITIVE, caseSensitive);
    for (const char* word : {"recieve", "Recieve", "RECIEVE", "teh", "wrod", "posess", "intrest",
                             "goverment's", "rember", "alot", "fotograf"}) {
      for (int16_t depth : {10, 30, 50, 100}) {
        const Suggestions list = Suggest(word, depth);
        SCOPED_TRACE(std::string(word) + " at " + std::to_string(depth) + ": " + Show(list));
        for (size_t i = 0; i < list.size(); ++i) {
          EXPECT_GE(list[i].score, 1);
          EXPECT_LE(list[i].score, 100);
          if (i > 0) {
            EXPECT_LE(list[i].score, list[i - 1].score);
          }
          for (size_t j = 0; j < i; ++j) {
            EXPECT_NE(list[i].word, list[j].word);
            if (!caseSensitive) {
              EXPECT_NE(AsciiLower(list[i].word), AsciiLower(list[j].word));
            }
          }
          int32_t offset = 0;
          char problem[TROV_PROBLEM_BUFFER];
          char replacement[TROV_WORD_BUFFER];
          EXPECT_EQ(TROV_CheckString(session, list[i].word.c_str(), &offset, problem,
                                     sizeof problem, replacement, sizeof replacement),
                    TROV_RESULT_END_OF_TEXT)
              << list[i].word << " stops at " << problem;
        }
      }
    }
  }
}

// Depth 10 tries only the single-letter edits that the dictionaries accept; depth 30 adds the
// wildcard searches; from 50 on the scans of the main dictionary fill the list.
TEST_F(DefaultDictionarySuggest, DepthDecidesHowFarTheSearchGoes) {
  auto sorted = [](Suggestions list) {
    std::sort(list.begin(), list.end(),
              [](const Suggestion& a, const Suggestion& b) { return a.word < b.word; });
    std::string text;
    for (const Suggestion& s : list) text += s.word + "=" + std::to_string(s.score) + " ";
    return text;
  };
  EXPECT_EQ(sorted(Suggest("wrod", 10)), "rod=87 word=87 ");
  EXPECT_EQ(sorted(Suggest("wrod", 30)), "prod=75 rod=87 trod=75 wood=85 word=87 ");
  EXPECT_EQ(sorted(Suggest("recieve", 10)), "receive=94 ");
  EXPECT_EQ(sorted(Suggest("recieve", 30)), "receive=94 relieve=85 ");
  // Shallow calls find the edits and so never reach the typing-error list; depth 50 does.
  EXPECT_EQ(sorted(Suggest("teh", 10)), "eh=83 the=83 ");
  EXPECT_EQ(Suggest("teh", 50)[0].word, "the");
  EXPECT_EQ(Suggest("teh", 50)[0].score, 99);
  for (const char* word : {"wrod", "recieve", "teh", "vaccum"}) {
    EXPECT_EQ(Suggest(word, 100).size(), static_cast<size_t>(kControlListSize)) << word;
  }
  // Nothing within one edit of 'vaccum' is a word: depth 10 falls back to scanning the small
  // text lexicons, whose best is far off, while depth 30 finds 'vacuum' by a wildcard.
  EXPECT_EQ(RankOf(Suggest("vaccum", 10), "vacuum"), 0u);
  EXPECT_EQ(RankOf(Suggest("vaccum", 30), "vacuum"), 1u);
}

TEST_F(DefaultDictionarySuggest, CapitalisationAndPossessiveOfTheMisspellingCarryOver) {
  const Suggestions capital = Suggest("Recieve");
  ASSERT_FALSE(capital.empty());
  EXPECT_EQ(capital[0].word, "Receive");
  for (const Suggestion& s : capital) EXPECT_TRUE(s.word[0] >= 'A' && s.word[0] <= 'Z') << s.word;

  const Suggestions shouted = Suggest("RECIEVE");
  ASSERT_FALSE(shouted.empty());
  EXPECT_EQ(shouted[0].word, "RECEIVE");
  for (const Suggestion& s : shouted) {
    EXPECT_EQ(s.word.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << s.word;
  }

  const Suggestions possessive = Suggest("goverment's");
  ASSERT_FALSE(possessive.empty());
  EXPECT_EQ(possessive[0].word, "government's");
  EXPECT_EQ(possessive[0].score, 99);
}

// A word spelled by sound shares few letters with the intended word: the typing-error scan ranks
// closer spellings first ('floor' for 'fotograf'), the phonetic scan alone keeps only the words
// whose code agrees and so puts the intended word first.
TEST_F(DefaultDictionarySuggest, PhoneticScanKeepsWordsThatSoundAlike) {
  const Suggestions typed = Suggest("fotograf");
  ASSERT_FALSE(typed.empty());
  EXPECT_EQ(typed[0].word, "floor");
  EXPECT_GT(RankOf(typed, "photograph"), 1u);

  Set(TROV_OPT_PHONETIC_SUGGESTIONS, true);
  Set(TROV_OPT_TYPOGRAPHICAL_SUGGESTIONS, false);
  const Suggestions phonetic = Suggest("fotograf");
  ASSERT_FALSE(phonetic.empty());
  EXPECT_EQ(phonetic[0].word, "photograph") << Show(phonetic);
  EXPECT_EQ(phonetic[0].score, 71);
  EXPECT_EQ(RankOf(phonetic, "floor"), 0u);
  EXPECT_GT(RankOf(Suggest("filosofy"), "philosophy"), 0u);
}

// The temporary lexicon holds the session's Ignore All and exclusion words: an ignored word is
// offered like any dictionary word, an excluded one never, whichever dictionary holds it.
TEST_F(DefaultDictionarySuggest, TemporaryLexiconWordsJoinOrLeaveTheList) {
  ASSERT_EQ(TROV_AddToLex(session, temporary, "Trovamundi", 'i', nullptr), 0);
  EXPECT_EQ(RankOf(Suggest("Trovamudni"), "Trovamundi"), 1u);

  ASSERT_EQ(TROV_AddToLex(session, temporary, "receive", 'e', nullptr), 0);
  for (int16_t depth : {10, 30, 50, 100}) {
    const Suggestions list = Suggest("recieve", depth);
    EXPECT_EQ(RankOf(list, "receive"), 0u) << depth << ": " << Show(list);
    if (depth >= 50) {
      EXPECT_GT(RankOf(list, "received"), 0u) << depth;
    }
  }
}

TEST_F(DefaultDictionarySuggest, RunTogetherWordsAndMissingSpaces) {
  Set(TROV_OPT_SUGGEST_SPLIT_WORDS, true);
  for (const auto& [joined, split] : std::vector<std::pair<const char*, const char*>>{
           {"thankyou", "thank you"}, {"inthe", "in the"}, {"alot", "a lot"}}) {
    const Suggestions list = Suggest(joined);
    EXPECT_EQ(RankOf(list, split), 1u) << joined << ": " << Show(list);
  }
  EXPECT_GT(RankOf(Suggest("end.The"), "end. The"), 0u);
}

}  // namespace
