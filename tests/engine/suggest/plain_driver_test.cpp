// The whole suggestion search over the default lexicons gives the lists the plain algorithm
// gives: the same words with the same scores in the same order. The plain side runs the same
// driver on the same lexicons wrapped so that every scan scores each word in full with the plain
// scores and every compressed pattern search tries every word.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/lexicon/function_comparator.h"
#include "engine/suggest/plain_scoring.h"
#include "lexicon/compressed/compressed_file.h"
#include "lexicon/compressed/compressed_lexicon.h"
#include "lexicon/lexicon.h"
#include "lexicon/mem_lex.h"
#include "lexicon/text_lexicon.h"
#include "suggest/collect_suggestions.h"
#include "suggest/phonetic.h"
#include "scan/suggestion_list.h"
#include "text/charset.h"
#include "trov.h"

namespace trov {
namespace {

std::string Path(const char* name) { return std::string(TROV_DICT_DIR) + "/" + name; }

// A lexicon seen through the plain traversals; everything else is the lexicon's own answer. A
// compressed lexicon's pattern search tries every word in index order; as a pattern matches
// only words of its own length, the words are kept by length, in that order.
class PlainTraversals final : public Lexicon {
 public:
  explicit PlainTraversals(Lexicon& real) : real_(real) {
    if (!IsCompressed()) return;
    static_cast<CompressedLexicon&>(real_).ForEachWord([&](const char* word) {
      const size_t length = std::strlen(word);
      if (length >= wordsOfLength_.size()) wordsOfLength_.resize(length + 1);
      wordsOfLength_[length].emplace_back(word);
      return true;
    });
  }

  LexType Type() const override { return real_.Type(); }
  int16_t Find(const char* word, bool caseSensitive, char* otherWord,
               int16_t otherWordSize) override {
    return real_.Find(word, caseSensitive, otherWord, otherWordSize);
  }
  int16_t Language() override { return real_.Language(); }

  int16_t MatchPattern(const char* pattern, bool caseSensitive, SuggestionList& list) override {
    if (!IsCompressed()) return real_.MatchPattern(pattern, caseSensitive, list);
    const size_t length = std::strlen(pattern);
    if (length > TROV_MAX_WORD || length >= wordsOfLength_.size()) return 0;
    for (const std::string& word : wordsOfLength_[length]) {
      const int match = caseSensitive ? PatternMatch(pattern, word.c_str())
                                      : CaselessPatternMatch(pattern, word.c_str());
      if (match == 100) list.Insert(word.c_str(), 100);
    }
    return 0;
  }

  int16_t ScoreWords(int16_t depth, WordComparator& comparator, SuggestionList& list) override {
    const bool phonetic = dynamic_cast<PhoneticScorer*>(&comparator) != nullptr;
    test::FunctionComparator plain(comparator.Word(),
                                   phonetic ? test::PlainPhoneticScore : test::PlainTypoScore);
    return real_.ScoreWords(depth, plain, list);
  }

 private:
  bool IsCompressed() const {
    return real_.Type() == LEX_COMPRESSED_RESIDENT || real_.Type() == LEX_COMPRESSED_PAGED ||
           real_.Type() == LEX_BUILTIN_COMPRESSED;
  }

  Lexicon& real_;
  std::vector<std::vector<std::string>> wordsOfLength_;
};

// The lexicons as the control lays them out: the temporary lexicon, the main dictionaries (the
// compressed one whole), the user dictionaries; each also seen through the plain traversals.
class DefaultLexicons {
 public:
  DefaultLexicons() {
    slots_.resize(5);
    EXPECT_EQ(CreateTemporaryLexicon(TROV_LANGUAGE_ANY, slots_[0]), 0);
    EXPECT_EQ(OpenTextLexicon(Path("trovam.tlx").c_str(), slots_[1]), 0);
    EXPECT_EQ(OpenCompressedLexicon(Path("trovam2.clx").c_str(), -1, slots_[2]), 0);
    EXPECT_EQ(OpenTextLexicon(Path("userdic.tlx").c_str(), slots_[3]), 0);
    EXPECT_EQ(OpenTextLexicon(Path("correct.tlx").c_str(), slots_[4]), 0);
    EXPECT_EQ(slots_[0]->Add("tomatoe", 'e', nullptr), 0);
    EXPECT_EQ(slots_[0]->Add("Vantorr", 'a', "Vantor"), 0);
    for (const LexiconSlot& slot : slots_) {
      plainKinds_.push_back(std::make_unique<PlainTraversals>(*slot));
      real_.push_back(slot.get());
      plain_.push_back(plainKinds_.back().get());
    }
    real_.push_back(nullptr);
    plain_.push_back(nullptr);
  }

  Lexicon* const* Real() const { return real_.data(); }
  Lexicon* const* Plain() const { return plain_.data(); }

 private:
  std::vector<LexiconSlot> slots_;
  std::vector<std::unique_ptr<PlainTraversals>> plainKinds_;
  std::vector<Lexicon*> real_;
  std::vector<Lexicon*> plain_;
};

// Every other misspelling of the typing-error list, and slips made in words of the word list: a
// letter dropped, doubled, or swapped with the next, some of them capitalised.
std::vector<std::string> Misspellings() {
  std::vector<std::string> words;
  size_t n = 0;
  std::ifstream corrections(Path("correct.tlx"));
  for (std::string line; std::getline(corrections, line);) {
    const size_t tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos || tab == 0) continue;
    if (n++ % 2 == 0) words.push_back(line.substr(0, tab));
  }
  std::ifstream list(Path("trovam.tlx"));
  for (std::string line; std::getline(list, line);) {
    std::string word = line.substr(0, line.find_first_of("\t\r"));
    if (word.empty() || word[0] == '#' || word.size() < 4 || n++ % 3 != 0) continue;
    const size_t at = n % (word.size() - 1);
    if (n % 2 == 0) word[0] = static_cast<char>(ToUpper(static_cast<unsigned char>(word[0])));
    words.push_back(std::string(word).erase(at, 1));
    words.push_back(std::string(word).insert(at, 1, word[at]));
    std::swap(word[at], word[at + 1]);
    words.push_back(word);
  }
  return words;
}

struct Listed {
  std::string word;
  int16_t score;
  bool operator==(const Listed&) const = default;
};

std::string Show(const std::vector<Listed>& list) {
  std::string text;
  for (const Listed& entry : list) text += entry.word + " " + std::to_string(entry.score) + "; ";
  return text;
}

std::vector<Listed> Collect(const char* word, int16_t depth, Lexicon* const* lexicons,
                            uint32_t options) {
  std::array<SuggestionEntry, 16> storage{};
  SuggestionList list(storage);
  CollectSuggestions(word, depth, lexicons, options, list);
  std::vector<Listed> listed;
  for (int32_t i = 0; i < list.Count(); ++i) listed.push_back({list[i].word, list[i].score});
  return listed;
}

uint32_t DefaultOptions() {
  const int16_t session = TROV_OpenSession();
  uint32_t options = 0;
  for (int bit = 0; bit < 32; ++bit) {
    if (TROV_GetOption(session, 1u << bit) > 0) options |= 1u << bit;
  }
  TROV_CloseSession(session);
  return options;
}

TEST(PlainDriverTest, EveryListIsThePlainAlgorithmsList) {
  ASSERT_TRUE(SelectCharSet(1));
  DefaultLexicons lexicons;
  const std::vector<std::string> words = Misspellings();
  ASSERT_GT(words.size(), 300u);
  const uint32_t defaults = DefaultOptions() | TROV_OPT_TYPOGRAPHICAL_SUGGESTIONS;
  size_t lists = 0;
  size_t offered = 0;
  for (size_t i = 0; i < words.size(); ++i) {
    const char* word = words[i].c_str();
    for (bool phonetic : {false, true}) {
      for (bool caseSensitive : {false, true}) {
        for (int16_t depth : {10, 50, 100}) {
          // The deepest and the phonetic searches cost the most: every fourth word has them.
          if ((depth == 100 || phonetic) && i % 4 != 0) continue;
          uint32_t options = defaults & ~(TROV_OPT_PHONETIC_SUGGESTIONS | TROV_OPT_CASE_SENSITIVE);
          if (phonetic) options |= TROV_OPT_PHONETIC_SUGGESTIONS;
          if (caseSensitive) options |= TROV_OPT_CASE_SENSITIVE;
          const std::vector<Listed> fast = Collect(word, depth, lexicons.Real(), options);
          const std::vector<Listed> plain = Collect(word, depth, lexicons.Plain(), options);
          ASSERT_EQ(fast, plain) << word << " depth " << depth << " phonetic " << phonetic
                                 << " case " << caseSensitive << "\nfast:  " << Show(fast)
                                 << "\nplain: " << Show(plain);
          ++lists;
          offered += !fast.empty();
        }
      }
    }
  }
  EXPECT_GT(lists, 1500u);
  EXPECT_GT(offered, lists * 9 / 10) << "most misspellings must have suggestions";
}

}  // namespace
}  // namespace trov
