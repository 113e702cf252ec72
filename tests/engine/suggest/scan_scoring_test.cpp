// The scorers of the lexicon scans give up on candidates that cannot beat the list's floor and
// resume the walk of a candidate that begins like the one before; both must leave every score
// that can enter the list exactly as the plain algorithm computes it. Checked against the plain
// scores over the whole default dictionary, and over whole scans of the default lexicons.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <random>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/lexicon/function_comparator.h"
#include "engine/suggest/common_misspellings.h"
#include "engine/suggest/plain_scoring.h"
#include "lexicon/compressed/compressed_file.h"
#include "lexicon/compressed/compressed_lexicon.h"
#include "lexicon/lexicon.h"
#include "lexicon/text_lexicon.h"
#include "scan/word_sketch.h"
#include "suggest/phonetic.h"
#include "scan/suggestion_list.h"
#include "suggest/typo_score.h"
#include "text/charset.h"
#include "trov.h"

namespace trov {
namespace {

using test::PlainPhoneticScore;
using test::PlainTypoScore;
using PlainScore = int16_t (*)(const char*, const char*);

std::string Path(const char* name) { return std::string(TROV_DICT_DIR) + "/" + name; }

// A lexicon file opened into a slot of its own, closed at the end.
class OpenedFile {
 public:
  explicit OpenedFile(const char* name) {
    const std::string path = Path(name);
    result_ = std::strstr(name, ".clx") ? OpenCompressedLexicon(path.c_str(), -1, slot_)
                                        : OpenTextLexicon(path.c_str(), slot_);
  }
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;

  int16_t Result() const { return result_; }
  const LexiconSlot& Slot() const { return slot_; }

 private:
  LexiconSlot slot_;
  int16_t result_ = 0;
};

// Every word of the default compressed dictionary, in its order.
const std::vector<std::string>& DictionaryWords() {
  static const std::vector<std::string> words = [] {
    std::vector<std::string> all;
    OpenedFile main("trovam2.clx");
    if (main.Result() != 0) return all;
    static_cast<CompressedLexicon*>(main.Slot().get())->ForEachWord([&](const char* word) {
      all.emplace_back(word);
      return true;
    });
    return all;
  }();
  return words;
}

// Real misspellings, the same capitalised and in capitals, and slips made in dictionary words:
// a letter dropped, doubled or swapped with the next.
std::vector<std::string> Misspellings(size_t dictionaryStride) {
  std::vector<std::string> words;
  for (const auto& m : test::kListedMisspellings) words.emplace_back(m.typed);
  for (const auto& m : test::kUnlistedMisspellings) words.emplace_back(m.typed);
  const size_t real = words.size();
  for (size_t i = 0; i < real; i += 7) {
    std::string capital = words[i];
    capital[0] = static_cast<char>(ToUpper(static_cast<unsigned char>(capital[0])));
    words.push_back(capital);
    std::string upper = words[i];
    for (char& c : upper) c = static_cast<char>(ToUpper(static_cast<unsigned char>(c)));
    words.push_back(upper);
  }
  const std::vector<std::string>& dictionary = DictionaryWords();
  for (size_t i = dictionaryStride / 2; i < dictionary.size(); i += dictionaryStride) {
    const std::string& word = dictionary[i];
    if (word.size() < 3) continue;
    const size_t at = i % (word.size() - 1);
    words.push_back(std::string(word).erase(at, 1));
    words.push_back(std::string(word).insert(at, 1, word[at]));
    std::string swapped = word;
    std::swap(swapped[at], swapped[at + 1]);
    words.push_back(swapped);
  }
  return words;
}

size_t CommonPrefix(const std::string& a, const std::string& b) {
  size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

// Floors as a scan meets them: none yet, an empty list's, and those of lists filling up.
constexpr int kFloors[] = {-1, 0, 40, 60, 70, 75, 78, 80, 83, 86, 90, 95, 99, 100};

struct Agreement {
  size_t pairs = 0;
  size_t given_up = 0;  // candidates the scorer stopped early on
  size_t wrong = 0;
  std::string first_wrong;
};

// Feeds the dictionary, in order, to one scorer per misspelling, telling it how much each word
// shares with the one before, under floors that change from word to word.
template <typename Scorer>
Agreement CompareWithPlain(const std::vector<std::string>& misspellings, PlainScore plain) {
  Agreement agreement;
  const std::vector<std::string>& dictionary = DictionaryWords();
  size_t floorAt = 0;
  for (const std::string& word : misspellings) {
    Scorer scorer(word.c_str());
    const std::string* previous = nullptr;
    for (const std::string& candidate : dictionary) {
      const auto unchanged = static_cast<int>(previous ? CommonPrefix(*previous, candidate) : 0);
      previous = &candidate;
      const int floor = kFloors[floorAt++ % std::size(kFloors)];
      const int16_t fast =
          scorer.Score(candidate.c_str(), static_cast<int>(candidate.size()), unchanged, floor);
      const int16_t expected = plain(word.c_str(), candidate.c_str());
      ++agreement.pairs;
      const bool agrees = fast > floor ? fast == expected : expected <= floor;
      if (fast <= floor && fast != expected) ++agreement.given_up;
      if (!agrees && agreement.wrong++ == 0) {
        agreement.first_wrong = word + " / " + candidate + " floor " + std::to_string(floor) +
                                ": " + std::to_string(fast) + " for " + std::to_string(expected);
      }
    }
  }
  return agreement;
}

class ScanScoringTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SelectCharSet(1));
    ASSERT_FALSE(DictionaryWords().empty()) << "build trovam2.clx";
  }
};

TEST_F(ScanScoringTest, TypoScorerKeepsEveryScoreAboveTheFloor) {
  const Agreement agreement = CompareWithPlain<TypoScorer>(Misspellings(4000), PlainTypoScore);
  EXPECT_EQ(agreement.wrong, 0u) << agreement.first_wrong;
  EXPECT_GT(agreement.pairs, 5'000'000u);
  // The floors must make the scorer stop early on many candidates, or nothing was tested.
  EXPECT_GT(agreement.given_up, agreement.pairs / 4);
}

TEST_F(ScanScoringTest, PhoneticScorerKeepsEveryScoreAboveTheFloor) {
  const Agreement agreement =
      CompareWithPlain<PhoneticScorer>(Misspellings(8000), PlainPhoneticScore);
  EXPECT_EQ(agreement.wrong, 0u) << agreement.first_wrong;
  EXPECT_GT(agreement.pairs, 3'000'000u);
}

// Without a floor (below 0) every candidate is scored in full, and scoring one candidate again
// resumes from its own walk.
TEST_F(ScanScoringTest, ScorersWithoutAFloorScoreExactly) {
  for (const std::string& word : Misspellings(20000)) {
    TypoScorer typo(word.c_str());
    PhoneticScorer phonetic(word.c_str());
    for (const std::string& candidate : {std::string("accommodate"), std::string("accomodate"),
                                         std::string("Accommodation"), std::string("")}) {
      const auto length = static_cast<int>(candidate.size());
      const int16_t typoScore = PlainTypoScore(word.c_str(), candidate.c_str());
      const int16_t phoneticScore = PlainPhoneticScore(word.c_str(), candidate.c_str());
      EXPECT_EQ(typo.Score(candidate.c_str(), length, 0, -1), typoScore)
          << word << "/" << candidate;
      EXPECT_EQ(typo.Score(candidate.c_str(), length, length, -1), typoScore) << word;
      EXPECT_EQ(phonetic.Score(candidate.c_str(), length, 0, -1), phoneticScore) << word;
      EXPECT_EQ(phonetic.Score(candidate.c_str(), length, length, -1), phoneticScore) << word;
    }
  }
}

// The score of a segment key against the word's first three characters decides which segments
// a scan reads; it must agree with the plain score at the depth thresholds.
TEST_F(ScanScoringTest, BeginningScoresAgreeAtEveryThreshold) {
  std::vector<std::string> keys;
  for (const std::string& word : DictionaryWords()) {
    if (word.size() >= 3 && (keys.empty() || word.compare(0, 3, keys.back()) != 0)) {
      keys.push_back(word.substr(0, 3));
    }
  }
  ASSERT_GT(keys.size(), 1000u);
  size_t wrong = 0;
  std::string firstWrong;
  for (const std::string& word : Misspellings(8000)) {
    TypoScorer typo(word.c_str());
    PhoneticScorer phonetic(word.c_str());
    const std::string beginning = word.substr(0, 3);
    for (const std::string& key : keys) {
      for (int depth : {1, 10, 30, 50, 70, 100}) {
        const int threshold = 100 - depth;
        const bool typoReads = typo.ScoreBeginning(key.c_str(), 3, threshold - 1) >= threshold;
        const bool phoneticReads =
            phonetic.ScoreBeginning(key.c_str(), 3, threshold - 1) >= threshold;
        const bool ok =
            typoReads == (PlainTypoScore(beginning.c_str(), key.c_str()) >= threshold) &&
            phoneticReads == (PlainPhoneticScore(beginning.c_str(), key.c_str()) >= threshold);
        if (!ok && wrong++ == 0)
          firstWrong = word + " / " + key + " depth " + std::to_string(depth);
      }
    }
  }
  EXPECT_EQ(wrong, 0u) << firstWrong;
}

// What a comparator rules out by sketch, of batches of candidates under changing floors: the
// candidates a plain score puts above the floor must never be among them.
struct RuledOut {
  size_t batches = 0;
  size_t candidates = 0;
  size_t ruledOut = 0;
  size_t wrong = 0;
  std::string firstWrong;
};

template <typename Judge>
void JudgeInBatches(const std::string& word, const std::vector<std::string>& candidates,
                    PlainScore plain, const SketchClasses& classes, Judge judge, RuledOut& tally,
                    std::span<const int> floors = kFloors) {
  for (size_t first = 0; first < candidates.size(); first += kMostSketchedAtOnce) {
    const size_t count = std::min<size_t>(kMostSketchedAtOnce, candidates.size() - first);
    const int floor = floors[tally.batches++ % floors.size()];
    std::vector<WordSketch> sketches;
    for (size_t i = first; i < first + count; ++i) {
      sketches.push_back(SketchOf(candidates[i], classes));
    }
    const uint64_t ruled = judge(std::span<const WordSketch>(sketches), floor);
    for (size_t i = 0; i < count; ++i) {
      ++tally.candidates;
      if (!((ruled >> i) & 1)) continue;
      ++tally.ruledOut;
      const int16_t score = plain(word.c_str(), candidates[first + i].c_str());
      if (score > floor && tally.wrong++ == 0) {
        tally.firstWrong = word + " / " + candidates[first + i] + " floor " +
                           std::to_string(floor) + " scores " + std::to_string(score);
      }
    }
  }
}

TEST_F(ScanScoringTest, SketchesRuleOutOnlyCandidatesThatCannotBeatTheFloor) {
  RuledOut typoTally;
  RuledOut phoneticTally;
  const std::vector<std::string>& dictionary = DictionaryWords();
  for (const std::string& word : Misspellings(12000)) {
    TypoScorer typo(word.c_str());
    JudgeInBatches(
        word, dictionary, PlainTypoScore, *typo.Classes(),
        [&](auto sketches, int floor) { return typo.RuleOut(sketches, floor); }, typoTally);
  }
  for (const std::string& word : Misspellings(40000)) {
    PhoneticScorer phonetic(word.c_str());
    JudgeInBatches(
        word, dictionary, PlainPhoneticScore, *phonetic.Classes(),
        [&](auto sketches, int floor) { return phonetic.RuleOut(sketches, floor); }, phoneticTally);
  }
  EXPECT_EQ(typoTally.wrong, 0u) << typoTally.firstWrong;
  EXPECT_EQ(phoneticTally.wrong, 0u) << phoneticTally.firstWrong;
  // Most of a dictionary is far from any word: sketches that ruled out little would be no use.
  EXPECT_GT(typoTally.ruledOut, typoTally.candidates / 2);
  EXPECT_GT(phoneticTally.ruledOut, phoneticTally.candidates / 2);
}

// Segment keys against the word's first three characters, at the thresholds of every depth.
TEST_F(ScanScoringTest, SketchedBeginningsRuleOutOnlyKeysBelowTheThreshold) {
  std::vector<std::string> keys;
  for (const std::string& word : DictionaryWords()) {
    if (word.size() >= 3 && (keys.empty() || word.compare(0, 3, keys.back()) != 0)) {
      keys.push_back(word.substr(0, 3));
    }
  }
  RuledOut tally;
  for (const std::string& word : Misspellings(8000)) {
    TypoScorer typo(word.c_str());
    const std::string beginning = word.substr(0, 3);
    JudgeInBatches(
        beginning, keys, PlainTypoScore, *typo.Classes(),
        [&](auto sketches, int floor) { return typo.RuleOutBeginnings(sketches, 3, floor); },
        tally);
  }
  EXPECT_EQ(tally.wrong, 0u) << tally.firstWrong;
  EXPECT_GT(tally.ruledOut, tally.candidates / 3);
}

// Words of letters, capitals, accented and other high characters, digits and marks, each against
// slips of itself and against other such words, under every character set: the classes of alike
// characters differ from set to set.
TEST_F(ScanScoringTest, SketchesHoldUnderEveryCharacterSet) {
  std::mt19937 random(7);
  const std::string alphabet =
      "aaeeiioouymnMNtTsSlLrRkcqxzZ''09-.\xC0\xC9\xE0\xE9\xEB\xF1\xD1\xF8\xFF\x8A\x9A\xDE\xFE\xB5";
  const auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  const auto randomWord = [&] {
    std::string word;
    for (size_t n = 1 + pick(9); word.size() < n;) {
      word += alphabet[pick(alphabet.size())];
      if (pick(6) == 0) word += word.back();  // doubled letters
    }
    return word;
  };
  const auto slip = [&](std::string word) {
    if (word.size() < 2) return word + alphabet[pick(alphabet.size())];
    const size_t at = pick(word.size());
    switch (pick(5)) {
      case 0:
        word.erase(at, 1);
        break;
      case 1:
        word.insert(at, 1, word[at]);
        break;
      case 2:
        word[at] = alphabet[pick(alphabet.size())];
        break;
      case 3:
        if (at + 1 < word.size()) std::swap(word[at], word[at + 1]);
        break;
      default:
        word[at] = static_cast<char>(ToUpper(static_cast<unsigned char>(word[at])));
    }
    return word;
  };
  // Every floor, since each bound is reached only at particular ones.
  std::array<int, 101> floors;
  std::iota(floors.begin(), floors.end(), -1);
  for (int id = kFirstCharSet; id <= kLastCharSet; ++id) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(SelectCharSet(id));
    RuledOut tally;
    for (int round = 0; round < 2000; ++round) {
      const std::string word = randomWord();
      std::vector<std::string> candidates;
      for (int i = 0; i < 64; ++i) {
        candidates.push_back(i % 2 ? randomWord() : slip(slip(word)));
      }
      TypoScorer typo(word.c_str());
      JudgeInBatches(
          word, candidates, PlainTypoScore, *typo.Classes(),
          [&](auto sketches, int floor) { return typo.RuleOut(sketches, floor); }, tally, floors);
    }
    EXPECT_EQ(tally.wrong, 0u) << tally.firstWrong;
    EXPECT_GT(tally.ruledOut, 0u);
  }
  ASSERT_TRUE(SelectCharSet(1));
}

struct Listed {
  std::string word;
  int16_t score;
  bool operator==(const Listed&) const = default;
};

std::vector<Listed> Contents(const SuggestionList& list) {
  std::vector<Listed> contents;
  for (int32_t i = 0; i < list.Count(); ++i) contents.push_back({list[i].word, list[i].score});
  return contents;
}

std::string Show(const std::vector<Listed>& list) {
  std::string text;
  for (const Listed& entry : list) text += entry.word + " " + std::to_string(entry.score) + "; ";
  return text;
}

// Whole scans of the default lexicons, each starting from a list already holding some words (as
// the driver's edit steps leave it), give the same list as scans with the plain scores.
TEST_F(ScanScoringTest, ScansListWhatPlainScansList) {
  OpenedFile main("trovam2.clx");
  OpenedFile words("trovam.tlx");
  OpenedFile corrections("correct.tlx");
  ASSERT_EQ(main.Result(), 0);
  ASSERT_EQ(words.Result(), 0);
  ASSERT_EQ(corrections.Result(), 0);
  std::vector<std::string> misspellings = Misspellings(12000);
  misspellings.resize(std::min<size_t>(misspellings.size(), 30));
  std::array<SuggestionEntry, 40> fastStorage{};
  std::array<SuggestionEntry, 40> plainStorage{};
  for (const std::string& word : misspellings) {
    for (size_t capacity : {1, 16, 40}) {
      for (int16_t depth : {10, 50, 100}) {
        for (bool phonetic : {false, true}) {
          SuggestionList fast(std::span<SuggestionEntry>(fastStorage).first(capacity));
          SuggestionList plainList(std::span<SuggestionEntry>(plainStorage).first(capacity));
          for (SuggestionList* list : {&fast, &plainList}) {
            list->Insert(word.c_str(), 100);
            list->Insert("the", 75);
          }
          TypoScorer typo(word.c_str());
          PhoneticScorer sound(word.c_str());
          WordComparator& scorer = phonetic ? static_cast<WordComparator&>(sound) : typo;
          test::FunctionComparator reference(word.c_str(),
                                             phonetic ? PlainPhoneticScore : PlainTypoScore);
          for (const OpenedFile* file : {&corrections, &main, &words}) {
            ASSERT_EQ(file->Slot()->ScoreWords(depth, scorer, fast), 0);
            ASSERT_EQ(file->Slot()->ScoreWords(depth, reference, plainList), 0);
          }
          ASSERT_EQ(Contents(fast), Contents(plainList))
              << word << " depth " << depth << " capacity " << capacity << " phonetic " << phonetic
              << "\nfast:  " << Show(Contents(fast)) << "\nplain: " << Show(Contents(plainList));
        }
      }
    }
  }
}

// A scan takes nothing from the scan before it: right after a sketched scan of another word, a
// plain scan lists what it lists on a lexicon that only ever had plain scans.
TEST_F(ScanScoringTest, ScansTakeNothingFromTheScanBefore) {
  OpenedFile shared("trovam2.clx");
  OpenedFile plainOnly("trovam2.clx");
  ASSERT_EQ(shared.Result(), 0);
  ASSERT_EQ(plainOnly.Result(), 0);
  std::vector<std::string> misspellings = Misspellings(12000);
  misspellings.resize(std::min<size_t>(misspellings.size(), 20));
  std::array<SuggestionEntry, 16> storage{};
  for (size_t i = 0; i < misspellings.size(); ++i) {
    const std::string& before = misspellings[(i + 1) % misspellings.size()];
    const std::string& word = misspellings[i];
    for (bool phonetic : {false, true}) {
      const PlainScore plain = phonetic ? PlainPhoneticScore : PlainTypoScore;
      SuggestionList earlier(storage);
      TypoScorer typo(before.c_str());
      PhoneticScorer sound(before.c_str());
      WordComparator& scorer = phonetic ? static_cast<WordComparator&>(sound) : typo;
      ASSERT_EQ(shared.Slot()->ScoreWords(50, scorer, earlier), 0);
      std::vector<Listed> lists[2];
      for (const OpenedFile* file : {&shared, &plainOnly}) {
        SuggestionList list(storage);
        test::FunctionComparator reference(word.c_str(), plain);
        ASSERT_EQ(file->Slot()->ScoreWords(50, reference, list), 0);
        lists[file == &plainOnly] = Contents(list);
      }
      ASSERT_FALSE(lists[1].empty()) << word;
      ASSERT_EQ(lists[0], lists[1])
          << word << " after " << before << " phonetic " << phonetic
          << "\nafter a scan: " << Show(lists[0]) << "\nplain only:   " << Show(lists[1]);
    }
  }
}

// A scan of a list that already holds some of its candidates, at scores above and below their
// own: a word is never listed twice and keeps the score it was listed with, so the floor a scan
// expects to reach from its likeliest candidates must count such words at the listed score.
TEST_F(ScanScoringTest, ScansOfListsHoldingTheirOwnCandidatesListWhatPlainScansList) {
  OpenedFile main("trovam2.clx");
  ASSERT_EQ(main.Result(), 0);
  const struct {
    const char* word;
    std::vector<std::pair<const char*, int16_t>> listed;
  } cases[] = {
      {"thw", {{"the", 40}, {"thaw", 99}}},
      {"thw", {{"the", 95}, {"thew", 20}, {"threw", 85}}},
      {"recieve", {{"receive", 30}, {"relieve", 30}}},
      {"recieve", {{"receive", 100}, {"recede", 90}, {"received", 90}}},
      {"Abbout", {{"about", 10}, {"abbot", 100}}},
      {"teh", {{"tea", 75}, {"ten", 75}, {"the", 75}}},
  };
  std::array<SuggestionEntry, 6> fastStorage{};
  std::array<SuggestionEntry, 6> plainStorage{};
  for (const auto& c : cases) {
    for (size_t capacity = 1; capacity <= fastStorage.size(); ++capacity) {
      SuggestionList fast(std::span<SuggestionEntry>(fastStorage).first(capacity));
      SuggestionList plainList(std::span<SuggestionEntry>(plainStorage).first(capacity));
      for (SuggestionList* list : {&fast, &plainList}) {
        for (const auto& [listed, score] : c.listed) list->Insert(listed, score);
      }
      TypoScorer typo(c.word);
      test::FunctionComparator reference(c.word, PlainTypoScore);
      ASSERT_EQ(main.Slot()->ScoreWords(50, typo, fast), 0);
      ASSERT_EQ(main.Slot()->ScoreWords(50, reference, plainList), 0);
      ASSERT_EQ(Contents(fast), Contents(plainList))
          << c.word << " capacity " << capacity << "\nfast:  " << Show(Contents(fast))
          << "\nplain: " << Show(Contents(plainList));
    }
  }
}

// The same for many words and capacities, the list holding some of the scan's best candidates
// at random scores, by both scorers.
TEST_F(ScanScoringTest, ScansOfListsHoldingRandomCandidatesListWhatPlainScansList) {
  OpenedFile main("trovam2.clx");
  ASSERT_EQ(main.Result(), 0);
  std::mt19937 random(3);
  std::vector<std::string> misspellings = Misspellings(4000);
  std::shuffle(misspellings.begin(), misspellings.end(), random);
  misspellings.resize(std::min<size_t>(misspellings.size(), 60));
  std::array<SuggestionEntry, 30> candidateStorage{};
  std::array<SuggestionEntry, 8> fastStorage{};
  std::array<SuggestionEntry, 8> plainStorage{};
  size_t differentFromEmpty = 0;
  for (const std::string& word : misspellings) {
    for (bool phonetic : {false, true}) {
      const PlainScore plain = phonetic ? PlainPhoneticScore : PlainTypoScore;
      SuggestionList candidates(candidateStorage);
      test::FunctionComparator finder(word.c_str(), plain);
      ASSERT_EQ(main.Slot()->ScoreWords(50, finder, candidates), 0);
      if (candidates.Count() == 0) continue;
      for (int round = 0; round < 6; ++round) {
        const size_t capacity = 1 + random() % fastStorage.size();
        SuggestionList fast(std::span<SuggestionEntry>(fastStorage).first(capacity));
        SuggestionList plainList(std::span<SuggestionEntry>(plainStorage).first(capacity));
        for (size_t k = random() % (capacity + 1); k > 0; --k) {
          const SuggestionEntry& listed = candidates[static_cast<int32_t>(
              random() % static_cast<uint32_t>(candidates.Count()))];
          const auto score = static_cast<int16_t>(1 + random() % 100);
          fast.Insert(listed.word, score);
          plainList.Insert(listed.word, score);
        }
        const std::vector<Listed> before = Contents(fast);
        TypoScorer typo(word.c_str());
        PhoneticScorer sound(word.c_str());
        WordComparator& scorer = phonetic ? static_cast<WordComparator&>(sound) : typo;
        test::FunctionComparator reference(word.c_str(), plain);
        ASSERT_EQ(main.Slot()->ScoreWords(50, scorer, fast), 0);
        ASSERT_EQ(main.Slot()->ScoreWords(50, reference, plainList), 0);
        ASSERT_EQ(Contents(fast), Contents(plainList))
            << word << " capacity " << capacity << " listed " << Show(before)
            << "\nfast:  " << Show(Contents(fast)) << "\nplain: " << Show(Contents(plainList));
        differentFromEmpty += !before.empty();
      }
    }
  }
  EXPECT_GT(differentFromEmpty, 200u);
}

// A compressed dictionary in memory finds the segments a pattern's beginning admits by looking
// their keys up; opened paged without a budget, the same file is searched by visiting every index
// entry. Patterns with a wildcard or an inserted one at every position of real and made-up
// misspellings, in both case modes, must list the same words in the same order.
TEST_F(ScanScoringTest, PatternSearchesListWhatIndexVisitsList) {
  OpenedFile resident("trovam2.clx");
  ASSERT_EQ(resident.Result(), 0);
  LexiconSlot paged;
  ASSERT_EQ(OpenCompressedLexicon(Path("trovam2.clx").c_str(), 0, paged), 0);
  ASSERT_EQ(paged->Type(), LEX_COMPRESSED_PAGED);
  std::vector<SuggestionEntry> fastStorage(2000);
  std::vector<SuggestionEntry> plainStorage(2000);
  size_t patterns = 0;
  size_t matches = 0;
  for (const std::string& word : Misspellings(3000)) {
    std::vector<std::string> wildcards;
    for (size_t i = 0; i < word.size(); ++i) {
      wildcards.push_back(std::string(word).replace(i, 1, "?"));
      wildcards.push_back(std::string(word).insert(i, 1, '?'));
    }
    wildcards.push_back(word + "?");
    wildcards.push_back("?" + word.substr(1) + "?");  // two wildcards, one in the beginning
    for (const std::string& pattern : wildcards) {
      for (bool caseSensitive : {false, true}) {
        SuggestionList fast(fastStorage);
        SuggestionList plain(plainStorage);
        ASSERT_EQ(resident.Slot()->MatchPattern(pattern.c_str(), caseSensitive, fast), 0);
        ASSERT_EQ(paged->MatchPattern(pattern.c_str(), caseSensitive, plain), 0);
        ASSERT_FALSE(plain.Full()) << pattern << ": a full list would stop the paged search";
        ASSERT_EQ(Contents(fast), Contents(plain))
            << pattern << " case " << caseSensitive << "\nfast:  " << Show(Contents(fast))
            << "\nplain: " << Show(Contents(plain));
        ++patterns;
        matches += static_cast<size_t>(fast.Count());
      }
    }
  }
  paged.reset();
  EXPECT_GT(patterns, 5000u);
  EXPECT_GT(matches, patterns / 20) << "the patterns must match often enough to compare";
}

}  // namespace
}  // namespace trov
