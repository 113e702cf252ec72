// The word index of in-memory compressed lexicons against the plain search: a resident lexicon
// (indexed) and the same file paged (decoded on every lookup) must give the same answer to every
// lookup, for the default dictionary and for hand-made files the index must not trust.
#include "lexicon/compressed/compressed_word_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/lexicon/compressed_test_files.h"
#include "lexicon/compressed/image_lexicon.h"
#include "lexicon/compressed/compressed_lexicon.h"
#include "lexicon/compressed/word_hash_set.h"
#include "suggest/phonetic.h"
#include "scan/suggestion_list.h"
#include "suggest/typo_score.h"
#include "text/charset.h"
#include "trov.h"

namespace {

using trov_test::IndexEntry;
using trov_test::IndexSection;
using trov_test::kFound;
using trov_test::Magic;
using trov_test::OpenedLexicon;
using trov_test::PlainLexiconFile;
using trov_test::Section;
using trov_test::SuffixSection;
using trov_test::TempDir;

using trov_test::kResident;
using trov_test::kUnbounded;

const std::string kDefaultDictionary = std::string(TROV_DICT_DIR) + "/trovam2.clx";

// Restores the character set the test found.
class CharSetGuard {
 public:
  CharSetGuard() : id_(trov::SelectedCharSetId()) {}
  ~CharSetGuard() { trov::SelectCharSet(id_); }

 private:
  int id_;
};

std::size_t IndexBytes(const OpenedLexicon& lex) {
  return dynamic_cast<const trov::ImageLexicon&>(*lex.Slot().get()).WordIndexBytes();
}

std::vector<std::string> AllWords(const OpenedLexicon& lex) {
  std::vector<std::string> words;
  static_cast<trov::CompressedLexicon*>(lex.Slot().get())->ForEachWord([&](const char* word) {
    words.emplace_back(word);
    return true;
  });
  return words;
}

std::string Mapped(std::string word, unsigned char (*map)(unsigned char), std::size_t count) {
  for (std::size_t i = 0; i < word.size() && i < count; ++i) {
    word[i] = static_cast<char>(map(static_cast<unsigned char>(word[i])));
  }
  return word;
}

// The word with its first letter and wholly in capitals, in lower case, and one-edit
// misspellings at positions that vary with the word.
void AddForms(const std::string& word, std::size_t seed, std::vector<std::string>& probes) {
  probes.push_back(word);
  probes.push_back(Mapped(word, trov::ToUpper, 1));
  probes.push_back(Mapped(word, trov::ToUpper, word.size()));
  probes.push_back(Mapped(word, trov::ToLower, word.size()));
  if (word.empty()) return;
  const std::size_t at = seed % word.size();
  std::string deleted = word;
  deleted.erase(at, 1);
  probes.push_back(deleted);
  std::string substituted = word;
  substituted[at] = static_cast<char>('a' + seed % 26);
  probes.push_back(substituted);
  std::string inserted = word;
  inserted.insert(at, 1, static_cast<char>('e' + seed % 7));
  probes.push_back(inserted);
  if (word.size() > 1) {
    std::string swapped = word;
    const std::size_t first = at + 1 < word.size() ? at : at - 1;
    std::swap(swapped[first], swapped[first + 1]);
    probes.push_back(swapped);
  }
}

// Every lookup, exact and caseless, answered alike by both; the differing words are reported.
void ExpectSameAnswers(const OpenedLexicon& indexed, const OpenedLexicon& plain,
                       const std::vector<std::string>& probes) {
  std::vector<std::string> differing;
  std::size_t found = 0;
  for (const std::string& probe : probes) {
    for (bool caseSensitive : {true, false}) {
      const int16_t expected = plain.Find(probe.c_str(), caseSensitive);
      found += expected == kFound;
      if (indexed.Find(probe.c_str(), caseSensitive) != expected && differing.size() < 10) {
        differing.push_back(probe + (caseSensitive ? " (exact)" : " (caseless)"));
      }
    }
  }
  EXPECT_TRUE(differing.empty()) << ::testing::PrintToString(differing);
  // Both answers occur, so neither search can pass by always saying the same.
  EXPECT_GT(found, 0u);
  EXPECT_LT(found, probes.size() * 2);
}

using Listed = std::vector<std::pair<std::string, int16_t>>;

// A scored scan of lex for word, typographical or phonetic, into a list of capacity entries.
Listed Scan(const OpenedLexicon& lex, const std::string& word, bool phonetic, int16_t depth,
            std::size_t capacity) {
  std::vector<trov::SuggestionEntry> storage(capacity);
  trov::SuggestionList list(storage);
  trov::TypoScorer typo(word.c_str());
  trov::PhoneticScorer sound(word.c_str());
  trov::WordComparator& scorer = phonetic ? static_cast<trov::WordComparator&>(sound) : typo;
  EXPECT_EQ(lex.Slot()->ScoreWords(depth, scorer, list), 0);
  Listed listed;
  for (int32_t i = 0; i < list.Count(); ++i) listed.emplace_back(list[i].word, list[i].score);
  return listed;
}

// The indexed lexicon scores the words it keeps unread by their sketches, and reads the rest from
// its index; the plain one decodes every segment. Both must list the same words with the same
// scores, whether the list is short (its floor rises fast) or long.
void ExpectSameScans(const OpenedLexicon& indexed, const OpenedLexicon& plain,
                     const std::vector<std::string>& probes, int16_t depth) {
  std::size_t listed = 0;
  for (const std::string& probe : probes) {
    if (probe.empty() || probe.size() > TROV_MAX_WORD) continue;
    for (bool phonetic : {false, true}) {
      for (std::size_t capacity : {3, 40}) {
        const Listed expected = Scan(plain, probe, phonetic, depth, capacity);
        ASSERT_EQ(Scan(indexed, probe, phonetic, depth, capacity), expected)
            << probe << (phonetic ? " phonetic" : "") << " capacity " << capacity;
        listed += expected.size();
      }
    }
  }
  EXPECT_GT(listed, 0u);
}

// Patterns with a wildcard in place of each character, or added after it, match the same words in
// the same order in both, with and without case.
void ExpectSamePatternMatches(const OpenedLexicon& indexed, const OpenedLexicon& plain,
                              const std::vector<std::string>& probes) {
  std::vector<trov::SuggestionEntry> indexedStorage(200);
  std::vector<trov::SuggestionEntry> plainStorage(200);
  std::size_t matched = 0;
  for (const std::string& probe : probes) {
    if (probe.size() < 3 || probe.size() > TROV_MAX_WORD) continue;
    for (std::size_t i = 0; i < probe.size(); ++i) {
      for (const std::string& pattern :
           {std::string(probe).replace(i, 1, "?"), std::string(probe).insert(i + 1, "?")}) {
        for (bool caseSensitive : {true, false}) {
          trov::SuggestionList fromIndex(indexedStorage);
          trov::SuggestionList decoded(plainStorage);
          ASSERT_EQ(indexed.Slot()->MatchPattern(pattern.c_str(), caseSensitive, fromIndex), 0);
          ASSERT_EQ(plain.Slot()->MatchPattern(pattern.c_str(), caseSensitive, decoded), 0);
          ASSERT_EQ(fromIndex.Count(), decoded.Count()) << pattern;
          for (int32_t k = 0; k < decoded.Count(); ++k) {
            ASSERT_STREQ(fromIndex[k].word, decoded[k].word) << pattern;
          }
          matched += static_cast<std::size_t>(decoded.Count());
        }
      }
    }
  }
  EXPECT_GT(matched, 0u);
}

// The words and their neighbours, under every character set in turn; scans and pattern matches
// for the forms of the first scanned words.
void ExpectSameAnswersUnderEveryCharSet(const OpenedLexicon& indexed, const OpenedLexicon& plain,
                                        const std::vector<std::string>& words, std::size_t scanned,
                                        int16_t depth) {
  for (int id = trov::kFirstCharSet; id <= trov::kLastCharSet; ++id) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(trov::SelectCharSet(id));
    std::vector<std::string> probes;
    for (std::size_t i = 0; i < words.size(); ++i) AddForms(words[i], i, probes);
    ExpectSameAnswers(indexed, plain, probes);
    std::vector<std::string> scans;
    for (std::size_t i = 0; i < words.size() && i < scanned; ++i) AddForms(words[i], i, scans);
    ExpectSameScans(indexed, plain, scans, depth);
    ExpectSamePatternMatches(indexed, plain, scans);
  }
}

TEST(CompressedWordIndex, DefaultDictionaryAnswersAsItsSegmentsDo) {
  OpenedLexicon indexed(kDefaultDictionary, kResident);
  OpenedLexicon plain(kDefaultDictionary, kUnbounded);
  ASSERT_EQ(indexed.Result(), 0);
  ASSERT_EQ(plain.Result(), 0);
  // Its words take about a megabyte, in a block of two (a huge page); the index must be there for
  // the comparison to mean anything.
  EXPECT_GT(IndexBytes(indexed), 500'000u);
  EXPECT_LT(IndexBytes(indexed), 3'000'000u);

  const std::vector<std::string> words = AllWords(plain);
  ASSERT_GT(words.size(), 50'000u);
  std::vector<std::string> probes;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i % 3 == 0) {
      AddForms(words[i], i, probes);
    } else {
      probes.push_back(words[i]);
      probes.push_back(Mapped(words[i], trov::ToUpper, words[i].size()));
    }
  }
  const std::string letters = "aAbBeEiIoOsStTxXzZ'-.\xE9\xC9";
  for (char a : letters) {
    probes.emplace_back(1, a);
    for (char b : letters) probes.push_back(std::string{a, b});
  }
  ExpectSameAnswers(indexed, plain, probes);
}

TEST(CompressedWordIndex, EveryCharacterSetAnswersAsTheSegmentsDo) {
  CharSetGuard guard;
  OpenedLexicon indexed(kDefaultDictionary, kResident);
  OpenedLexicon plain(kDefaultDictionary, kUnbounded);
  ASSERT_EQ(indexed.Result(), 0);
  ASSERT_EQ(plain.Result(), 0);
  std::vector<std::string> words = AllWords(plain);
  // The accented words, and a sample of the rest.
  std::vector<std::string> sample;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const bool accented = std::any_of(words[i].begin(), words[i].end(),
                                      [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (accented || i % 50 == 0) sample.push_back(words[i]);
  }
  ASSERT_GT(sample.size(), 1000u);
  ExpectSameAnswersUnderEveryCharSet(indexed, plain, sample, 2, 50);
}

// Each hand-made file, resident and paged, over the words it holds and their neighbours, under
// every character set.
void ExpectFileAnswersAlike(const std::string& bytes, const std::vector<std::string>& words) {
  CharSetGuard guard;
  TempDir dir;
  const std::string path = dir.Write("made.clx", bytes);
  OpenedLexicon indexed(path, kResident);
  OpenedLexicon plain(path, kUnbounded);
  ASSERT_EQ(indexed.Result(), 0);
  ASSERT_EQ(plain.Result(), 0);
  ExpectSameAnswersUnderEveryCharSet(indexed, plain, words, words.size(), 100);
}

// A file with one segment per key, each given as raw bytes; simple suffixes 'es' and 's',
// extended suffix 'ing'.
std::string RawSegmentsFile(const std::vector<std::pair<std::string, std::string>>& segments) {
  std::vector<std::string> entries;
  std::string data;
  for (const auto& [key, bytes] : segments) {
    entries.push_back(
        IndexEntry(key, static_cast<uint32_t>(data.size()), static_cast<uint32_t>(bytes.size())));
    data += bytes;
  }
  return Magic() + trov_test::HeaderSections() +
         SuffixSection(std::string("es\0s\0", 5), std::string("ing\0", 4)) + IndexSection(entries) +
         Section(5, data);
}

TEST(CompressedWordIndex, SegmentOutOfOrderKeepsTheScanAnswers) {
  // 'cats' before 'cat': an exact scan for 'cat' stops at 'cats', which sorts after it.
  const std::string bytes = PlainLexiconFile(
      {{"ab", {}}, {"bat", {"bat", "bats"}}, {"cat", {"cats", "cat", "catch"}}, {"dog", {"dog"}}});
  TempDir dir;
  const std::string path = dir.Write("unsorted.clx", bytes);
  OpenedLexicon indexed(path, kResident);
  ASSERT_EQ(indexed.Result(), 0);
  EXPECT_EQ(indexed.Find("cats"), kFound);
  EXPECT_EQ(indexed.Find("cat"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(indexed.Find("catch"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(indexed.Find("CAT", false), kFound);
  EXPECT_EQ(indexed.Find("catch", false), kFound);
  EXPECT_EQ(indexed.Find("bats"), kFound);  // the ordered segments are indexed as usual
  EXPECT_EQ(indexed.Find("dogs"), TROV_ERR_NOT_FOUND);
  ExpectFileAnswersAlike(bytes, {"cats", "cat", "catch", "bat", "bats", "dog", "ab"});
}

// An entry may spell out again characters it could have kept from the word before; whether the
// two are in order is then decided only after those.
TEST(CompressedWordIndex, WordsAreOrderedBeyondCharactersSpelledOutAgain) {
  const std::vector<std::string> probes = {"cat", "catd", "catda", "catdb", "catdc"};
  ExpectFileAnswersAlike(RawSegmentsFile({{"cat", std::string("\0\0\0db\0\0da\0", 11)}}), probes);
  ExpectFileAnswersAlike(RawSegmentsFile({{"cat", std::string("\0\0\0da\0\0db\0", 11)}}), probes);
  ExpectFileAnswersAlike(RawSegmentsFile({{"cat", std::string("\0\0\0da\0\0d\0", 10)}}), probes);
}

TEST(CompressedWordIndex, DuplicateWordsAreFound) {
  const std::string bytes =
      PlainLexiconFile({{"cat", {"cat", "cat", "cats", "cats", "catsup"}}, {"dog", {"dog"}}});
  TempDir dir;
  OpenedLexicon indexed(dir.Write("dup.clx", bytes), kResident);
  ASSERT_EQ(indexed.Result(), 0);
  for (const char* word : {"cat", "cats", "catsup"}) EXPECT_EQ(indexed.Find(word), kFound);
  ExpectFileAnswersAlike(bytes, {"cat", "cats", "catsup", "dog"});
}

TEST(CompressedWordIndex, DamagedSegmentsAnswerUpToTheirFault) {
  const std::string good = std::string("\0\0\0ch\0\x02\x01\x00", 9);  // cat, catch, catching
  const std::string tail = std::string("\0y\0", 3);
  const std::vector<std::string> faults = {
      std::string("\x06zz\0", 4),                              // reuses more than the word has
      std::string("\x00z\x1F", 3),                             // simple suffix the table lacks
      std::string("\x00z\x01\x05", 4),                         // extended suffix the table lacks
      std::string("\x00z\x01", 3),                             // extended suffix code at the end
      std::string("\x00zz", 3),                                // no terminator
      std::string("\x00", 1) + std::string(90, 'z') + '\0',    // longer than a segment word
      std::string("\x00", 1) + std::string(80, 'z') + '\x02',  // a suffix makes it too long
  };
  for (const std::string& fault : faults) {
    SCOPED_TRACE(::testing::PrintToString(fault));
    ExpectFileAnswersAlike(
        RawSegmentsFile({{"bee", std::string("\0\0", 2)}, {"cat", good + fault + tail}}),
        {"cat", "catch", "catching", "catches", "caty", "catz", "catzz", "bee",
         "cat" + std::string(80, 'z') + "es", "cat" + std::string(77, 'z')});
  }
}

TEST(CompressedWordIndex, SuffixesAndCapitalsInsideWords) {
  // Simple and extended suffixes, capitals after the key, and accented letters that some
  // character sets count as capitals: caseless lookups of those fall back to the scan.
  // cat, catches, catchs, cating
  const std::string cat =
      std::string("\0\0", 2) + std::string("\0ch\x02", 4) + "\x02\x03" + std::string("\0\x01\0", 3);
  // MacDOrd, MacDonald, MacxX
  const std::string mac =
      std::string("\0DOrd\0", 6) + std::string("\x01onald\0", 7) + std::string("\0xX\0", 4);
  // caf\xC9, caf\xE9, caf\xE9s
  const std::string caf =
      std::string("\0\xC9\0", 3) + std::string("\0\xE9\0", 3) + std::string("\x01s\0", 3);
  // \xDFste: in some sets \xDF is the capital of \xFF, whose lower case it is not
  const std::string sharp = std::string("\0e\0", 3);
  const std::string bytes =
      RawSegmentsFile({{"Mac", mac}, {"caf", caf}, {"cat", cat}, {"\xDFst", sharp}});
  TempDir dir;
  OpenedLexicon indexed(dir.Write("forms.clx", bytes), kResident);
  ASSERT_EQ(indexed.Result(), 0);
  EXPECT_EQ(indexed.Find("cating"), kFound);
  EXPECT_EQ(indexed.Find("catches"), kFound);
  EXPECT_EQ(indexed.Find("MACDONALD", false), kFound);
  EXPECT_EQ(indexed.Find("macxx", false), kFound);
  EXPECT_EQ(indexed.Find("MacDOrd"), kFound);
  EXPECT_EQ(indexed.Find("MacDord"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(indexed.Find("MACDORD", false), kFound);
  EXPECT_EQ(indexed.Find("caf\xE9s"), kFound);
  ExpectFileAnswersAlike(bytes, {"cat", "cating", "catches", "catchs", "MacDonald", "MacDOrd",
                                 "MacDOrdx", "Macx", "MacxX", "caf\xC9", "caf\xE9", "caf\xE9s",
                                 "CAF\xC9S", "Caf\xE9", "\xDFste", "\xFFste", "\xFFSTE"});
}

// Built-in images are not checked at open: an index out of key order leaves the lookup to the
// binary search it always made, which misses keys it passes over.
const uint8_t kZooSegment[] = {0x00, 0x00};
const uint8_t kAntSegment[] = {0x00, 0x00, 0x00, 's', 0x00};
const trov::CompressedSegment kUnorderedSegments[] = {
    {kZooSegment, sizeof kZooSegment, {'z', 'o', 'o'}},
    {kAntSegment, sizeof kAntSegment, {'a', 'n', 't'}},
    {nullptr, 0, {'m', 0, 0}}};
const trov::CompressedImage kUnorderedImage = {
    0x616D, 1, {nullptr, 0}, {nullptr, 0}, kUnorderedSegments, 3};

TEST(CompressedWordIndex, ImageOutOfKeyOrderKeepsTheBinarySearch) {
  trov::LexiconSlot slot(new trov::ImageLexicon(kUnorderedImage));
  // The middle entry 'ant' is met first; 'zoo' lies before it, beyond the search's reach.
  EXPECT_EQ(slot->Find("ants", true, nullptr, 0), kFound);
  EXPECT_EQ(slot->Find("ANT", false, nullptr, 0), kFound);
  EXPECT_EQ(slot->Find("zoo", true, nullptr, 0), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(slot->Find("m", true, nullptr, 0), kFound);
  EXPECT_EQ(dynamic_cast<trov::ImageLexicon&>(*slot.get()).WordIndexBytes(), 0u);
  slot.reset();
}

TEST(WordHashSet, AnswersAsAnOrderedSet) {
  std::mt19937 random(7);
  std::set<std::string> reference;
  trov::WordHashSet set;
  for (int i = 0; i < 5000; ++i) {
    std::string word(random() % 12, ' ');
    for (char& c : word) c = static_cast<char>('a' + random() % 4);  // many near neighbours
    ASSERT_TRUE(set.Add(word)) << word;
    reference.insert(word);
  }
  const std::string longest(trov::WordHashSet::kMaxWordLength, 'q');
  ASSERT_TRUE(set.Add(longest));
  reference.insert(longest);
  EXPECT_FALSE(set.Contains(longest));  // nothing is searchable before the table is built
  set.Seal();
  for (int i = 0; i < 20000; ++i) {
    std::string probe(random() % 14, ' ');
    for (char& c : probe) c = static_cast<char>('a' + random() % 5);
    EXPECT_EQ(set.Contains(probe), reference.count(probe) == 1) << probe;
  }
  for (const std::string& word : reference) EXPECT_TRUE(set.Contains(word)) << word;
  EXPECT_FALSE(set.Contains(longest + "q"));
}

// The table lies in the room the words leave in their block, or in a block of its own when that
// room is short; either way it goes with the set when the set is moved.
TEST(WordHashSet, MovedSetTakesItsTableAlongAndLeavesAnEmptyOne) {
  for (const int words : {3, 20000}) {
    trov::WordHashSet set;
    for (int i = 0; i < words; ++i) ASSERT_TRUE(set.Add("w" + std::to_string(i)));
    set.Seal();
    trov::WordHashSet moved(std::move(set));
    EXPECT_TRUE(moved.Contains("w0"));
    EXPECT_TRUE(moved.Contains("w" + std::to_string(words - 1)));
    EXPECT_FALSE(moved.Contains("w" + std::to_string(words)));
    EXPECT_FALSE(set.Contains("w0"));  // a moved-from set is left empty
    EXPECT_EQ(set.BytesHeld(), 0u);
    trov::WordHashSet assigned;
    assigned = std::move(moved);
    EXPECT_TRUE(assigned.Contains("w1"));
  }
}

TEST(WordHashSet, TakesBackDroppedWordsAndRefusesOverlongOnes) {
  trov::WordHashSet set;
  EXPECT_FALSE(set.Contains(""));
  EXPECT_TRUE(set.Add("cat"));
  const std::size_t mark = set.AddedBytes();
  EXPECT_TRUE(set.Add("horse"));
  EXPECT_TRUE(set.Add("dog"));
  set.DropFrom(mark);
  EXPECT_TRUE(set.Add("dogs"));
  EXPECT_FALSE(set.Add(std::string(trov::WordHashSet::kMaxWordLength + 1, 'x')));
  EXPECT_EQ(set.Count(), 2u);  // a refused word is not counted, dropped ones no longer
  set.Seal();
  EXPECT_TRUE(set.Contains("cat"));
  EXPECT_TRUE(set.Contains("dogs"));
  EXPECT_FALSE(set.Contains("horse"));
  EXPECT_FALSE(set.Contains("dog"));
  EXPECT_FALSE(set.Contains(""));
}

// The largest languages' words take more than the 16 MB that offsets beside an 8-bit tag reach:
// the slots then keep fewer bits of the hash, and every word is still found, none invented.
TEST(WordHashSet, AnswersExactlyWhenItsWordsPassSixteenMegabytes) {
  trov::WordHashSet set;
  std::size_t added = 0;
  const auto wordOf = [](std::size_t i) {
    std::string word = std::to_string(i * 2654435761u);  // neighbours far apart in the hash
    return word + std::string(200 - word.size(), static_cast<char>('a' + i % 26));
  };
  while (set.AddedBytes() <= (std::size_t{1} << 24) + 4096) ASSERT_TRUE(set.Add(wordOf(added++)));
  ASSERT_TRUE(set.Add("last"));
  set.Seal();
  for (std::size_t i = 0; i < added; ++i) ASSERT_TRUE(set.Contains(wordOf(i))) << i;
  EXPECT_TRUE(set.Contains("last"));
  for (std::size_t i = added; i < added + 20000; ++i) EXPECT_FALSE(set.Contains(wordOf(i))) << i;
  EXPECT_FALSE(set.Contains("las"));
}

}  // namespace
