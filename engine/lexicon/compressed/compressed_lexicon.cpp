// The index is sorted by key, so an exact lookup reads one segment and a caseless one at most
// eight; the traversals use the same order to skip segments that cannot hold a candidate.
#include "lexicon/compressed/compressed_lexicon.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <string_view>
#include <vector>

#include "lexicon/compressed/shared_prefix.h"
#include "scan/suggestion_list.h"
#include "text/charset.h"
#include "trov.h"

namespace trov {
namespace {

constexpr int kCaseVariants = 1 << kKeyLength;

int CompareKeys(const uint8_t* a, const uint8_t* b) { return std::memcmp(a, b, kKeyLength); }

// The word from its fourth character on against the target's, as unsigned bytes.
int CompareRests(const char* target, const char* word) {
  const auto* t = reinterpret_cast<const unsigned char*>(target) + kKeyLength;
  const auto* w = reinterpret_cast<const unsigned char*>(word) + kKeyLength;
  while (*t != 0 && *t == *w) {
    ++t;
    ++w;
  }
  return static_cast<int>(*t) - static_cast<int>(*w);
}

int MatchWithCase(const char* pattern, const char* word, bool caseSensitive) {
  return caseSensitive ? PatternMatch(pattern, word) : CaselessPatternMatch(pattern, word);
}

bool PatternCharMatches(unsigned char p, unsigned char c, bool caseSensitive) {
  if (p == '?') return c != 0;
  return caseSensitive ? p == c : ToLower(p) == ToLower(c);
}

// Whether the first three pattern characters admit key, position by position.
bool KeyMatchesPrefix(const uint8_t* key, const char* pattern, bool caseSensitive) {
  for (int i = 0; i < kKeyLength; ++i) {
    auto p = static_cast<unsigned char>(pattern[i]);
    if (p == 0 || !PatternCharMatches(p, key[i], caseSensitive)) return false;
  }
  return true;
}

// With exact comparison, whether every key after this one sorts beyond the pattern: true when
// the pattern agrees with the key up to a position where it holds a lower, non-wildcard byte.
bool PatternSortsBeforeKey(const uint8_t* key, const char* pattern) {
  for (int i = 0; i < kKeyLength; ++i) {
    auto p = static_cast<unsigned char>(pattern[i]);
    if (p == key[i]) continue;
    return p != '?' && p < key[i];
  }
  return false;
}

// With exact comparison, whether no later word of the segment can match pattern: the rests
// first differ where the pattern holds a lower, non-wildcard byte.
bool PatternSortsBeforeWord(const char* pattern, std::string_view word) {
  const auto* p = reinterpret_cast<const unsigned char*>(pattern);
  for (std::size_t i = kKeyLength;; ++i) {
    // The word's end compares as its terminating NUL would.
    const unsigned char w = i < word.size() ? static_cast<unsigned char>(word[i]) : 0;
    if (p[i] != w) return p[i] != '?' && p[i] < w;
    if (w == 0) return false;
  }
}

bool ListFull(const SuggestionList& list) { return list.Count() >= list.Capacity(); }

// Candidates longer than a word buffer can never be suggested.
bool FitsWordBuffer(int length) { return length <= TROV_MAX_WORD; }

// Of the keys of one batch, those of shortKeys (words of one or two letters) whose sketches the
// comparator does not rule out as candidates at floor. They are a few in each batch, so only
// theirs are judged.
uint64_t ShortKeysLeft(WordComparator& comparator, std::span<const WordSketch> keySketches,
                       uint64_t shortKeys, int floor) {
  std::array<WordSketch, kMostSketchedAtOnce> judged;
  std::array<uint8_t, kMostSketchedAtOnce> keyOf;
  std::size_t count = 0;
  for (uint64_t left = shortKeys; left != 0; left &= left - 1, ++count) {
    keyOf[count] = static_cast<uint8_t>(std::countr_zero(left));
    judged[count] = keySketches[keyOf[count]];
  }
  const uint64_t ruledOut = comparator.RuleOut(std::span(judged).first(count), floor);
  for (uint64_t out = ruledOut; out != 0; out &= out - 1) {
    shortKeys &= ~(uint64_t{1} << keyOf[static_cast<std::size_t>(std::countr_zero(out))]);
  }
  return shortKeys;
}

// Takes a scan's candidates into its list: those above the list's floor and not below least.
class ListTaker {
 public:
  ListTaker(SuggestionList& list, int16_t least) : list_(list), least_(least) {}

  int16_t Floor() const { return std::max<int16_t>(list_.ScanFloor(), least_ - 1); }
  void Take(std::string_view word, int16_t score) {
    // The list takes zero-terminated words.
    char text[TROV_MAX_WORD + 1];
    std::memcpy(text, word.data(), word.size());
    text[word.size()] = '\0';
    list_.Insert(text, score);
  }

 private:
  SuggestionList& list_;
  const int16_t least_;
};

// Offers the words of one indexed segment, each with its place in words, to taker, reading only
// those whose sketches the comparator does not rule out at the taker's floor.
template <typename Taker>
void ScoreSketchedWords(std::span<const uint8_t> words, std::span<const WordSketch> all,
                        WordComparator& comparator, Taker& taker) {
  // The candidate scored last, whose walk the comparator may resume where the next one differs.
  std::string_view scored;
  int16_t floor = taker.Floor();
  std::size_t runStart = 0;  // where the words of the batch begin
  for (std::size_t first = 0; first < all.size(); first += kMostSketchedAtOnce) {
    const std::span<const WordSketch> batch =
        all.subspan(first, std::min<std::size_t>(kMostSketchedAtOnce, all.size() - first));
    // The floor only rises while a scan goes on, so what it rules out now stays ruled out.
    const uint64_t ruledOut = comparator.RuleOut(batch, floor);
    const uint64_t inBatch =
        batch.size() == kMostSketchedAtOnce ? ~uint64_t{0} : (uint64_t{1} << batch.size()) - 1;
    // Only the words left are read, each found by its place.
    for (uint64_t left = inBatch & ~ruledOut; left != 0; left &= left - 1) {
      const WordSketch& sketch = batch[static_cast<std::size_t>(std::countr_zero(left))];
      const std::size_t at = runStart + sketch.place;
      const int length = sketch.length;
      // Sketches are made from these words: never.
      if (at + 1 + static_cast<std::size_t>(length) > words.size()) return;
      if (!FitsWordBuffer(length)) continue;
      const std::string_view word(reinterpret_cast<const char*>(words.data() + at + 1),
                                  static_cast<std::size_t>(length));
      const auto unchanged = static_cast<int>(SharedPrefix(scored, word, words));
      const int16_t score = comparator.Score(word.data(), length, unchanged, floor);
      scored = word;
      if (score > floor) {
        taker.Take(word, score);
        floor = taker.Floor();
      }
    }
    runStart += batch.back().place + 1 + std::size_t{batch.back().length};
  }
}

}  // namespace

int32_t CompressedLexicon::FindKey(const uint8_t key[kKeyLength]) const {
  if (const CompressedWordIndex* index = WordIndex(); index && index->HasKeyTable()) {
    return index->FindKey(key);
  }
  int32_t low = 0;
  int32_t high = SegmentCount() - 1;
  while (low <= high) {
    int32_t mid = low + (high - low) / 2;
    int c = CompareKeys(Key(mid), key);
    if (c == 0) return mid;
    if (c < 0) {
      low = mid + 1;
    } else {
      high = mid - 1;
    }
  }
  return -1;
}

bool CompressedLexicon::SegmentHolds(int32_t index, const char* word, bool caseSensitive) {
  if (const CompressedWordIndex* words = WordIndex()) {
    switch (words->Holds(index, word, caseSensitive)) {
      case CompressedWordIndex::Answer::kPresent:
        return true;
      case CompressedWordIndex::Answer::kAbsent:
        return false;
      case CompressedWordIndex::Answer::kScan:
        break;
    }
  }
  std::span<const uint8_t> bytes;
  // A segment that cannot be read holds no match; the lookup goes on with other keys.
  if (LoadSegment(index, bytes) < 0) return false;
  SegmentReader reader(Key(index), bytes, SimpleSuffixes(), ExtendedSuffixes());
  while (reader.Next()) {
    if (caseSensitive) {
      int c = CompareRests(word, reader.Word());
      if (c == 0) return true;
      if (c < 0) return false;  // entries ascend: the word would have come already
    } else if (CaselessCompare(word, reader.Word()) == 0) {
      return true;
    }
  }
  return false;
}

int16_t CompressedLexicon::Find(const char* word, bool caseSensitive, char*, int16_t) {
  std::size_t length = std::strlen(word);
  if (length == 0) return TROV_ERR_NOT_FOUND;
  uint8_t key[kKeyLength];
  MakeKey(word, key);
  int keyLength = KeyLength(key);
  if (caseSensitive) {
    // Most words looked up are there: the word index answers those without the key search.
    const CompressedWordIndex* words = WordIndex();
    if (keyLength == kKeyLength && words != nullptr && words->HoldsWord({word, length})) {
      return kCompressedWordAction;
    }
    int32_t index = FindKey(key);
    if (index < 0) return TROV_ERR_NOT_FOUND;
    if (keyLength < kKeyLength) return kCompressedWordAction;
    // An indexed segment was answered above; only the others are decoded.
    if (words != nullptr && words->Indexes(index)) return TROV_ERR_NOT_FOUND;
    return SegmentHolds(index, word, true) ? kCompressedWordAction : TROV_ERR_NOT_FOUND;
  }
  // Every capitalisation of the key may head a segment holding a caseless match.
  uint8_t tried[kCaseVariants][kKeyLength];
  int triedCount = 0;
  for (int variant = 0; variant < kCaseVariants; ++variant) {
    uint8_t candidate[kKeyLength] = {};
    for (int i = 0; i < keyLength; ++i) {
      candidate[i] = (variant >> i) & 1 ? ToUpper(key[i]) : ToLower(key[i]);
    }
    bool seen = false;
    for (int t = 0; t < triedCount && !seen; ++t) seen = CompareKeys(tried[t], candidate) == 0;
    if (seen) continue;
    std::memcpy(tried[triedCount++], candidate, kKeyLength);
    int32_t index = FindKey(candidate);
    if (index < 0) continue;
    if (keyLength < kKeyLength || SegmentHolds(index, word, false)) return kCompressedWordAction;
  }
  return TROV_ERR_NOT_FOUND;
}

int16_t CompressedLexicon::MatchSegment(int32_t index, const char* pattern, bool caseSensitive,
                                        SuggestionList& list) {
  const std::size_t patternLength = std::strlen(pattern);
  // Whether to go on to the next word.
  const auto match = [&](std::string_view word) {
    // Every pattern character stands for one character of the word.
    if (word.size() == patternLength && FitsWordBuffer(static_cast<int>(word.size()))) {
      char text[TROV_MAX_WORD + 1];
      std::memcpy(text, word.data(), word.size());
      text[word.size()] = '\0';
      if (MatchWithCase(pattern + kKeyLength, text + kKeyLength, caseSensitive) == 100) {
        list.Insert(text, 100);
      }
    }
    return !(caseSensitive && PatternSortsBeforeWord(pattern, word));
  };
  // An indexed segment's words are at hand; the others are decoded.
  if (const CompressedWordIndex* words = WordIndex(); words != nullptr && words->Indexes(index)) {
    words->ForEachSegmentWord(index, match);
    return 0;
  }
  if (SegmentSize(index) == 0) return 0;
  std::span<const uint8_t> bytes;
  if (int16_t rc = LoadSegment(index, bytes); rc < 0) return rc;
  SegmentReader reader(Key(index), bytes, SimpleSuffixes(), ExtendedSuffixes());
  while (reader.Next()) {
    if (!match({reader.Word(), static_cast<std::size_t>(reader.Length())})) break;
  }
  return 0;
}

bool CompressedLexicon::FindAdmittedKeys(const char* pattern, bool caseSensitive,
                                         AdmittedKeys& found) const {
  // The bytes each key position admits: any for a wildcard (a key byte is never 0), else the
  // pattern's byte or, without case, every byte with the same lower-case form; of those, only
  // the ones some key holds there.
  const CompressedWordIndex& words = *WordIndex();
  std::array<std::array<uint8_t, 255>, kKeyLength> admitted;
  std::array<int, kKeyLength> admittedCount{};
  int combinations = 1;
  for (int i = 0; i < kKeyLength; ++i) {
    const auto p = static_cast<unsigned char>(pattern[i]);
    for (const uint8_t c : words.KeyBytesAt(i)) {
      if (c != 0 && PatternCharMatches(p, c, caseSensitive)) admitted[i][admittedCount[i]++] = c;
    }
    combinations *= admittedCount[i];
    if (combinations > AdmittedKeys::kMost) return false;
  }
  std::array<std::array<bool, 256>, kKeyLength> admits{};
  for (int i = 1; i < kKeyLength; ++i) {
    for (int k = 0; k < admittedCount[i]; ++k) admits[i][admitted[i][k]] = true;
  }
  // Keys ascend, so those of one first byte lie together, and within them those of one second
  // byte. Admitted bytes ascend too, so the keys are found in ascending order: by the stretch of
  // each admitted second byte, or, when more than a few are admitted (a wildcard there), by the
  // whole stretch of the first byte.
  found.count = 0;
  const auto take = [&](CompressedWordIndex::KeyRange range) {
    for (int32_t index = range.first; index < range.end; ++index) {
      const uint8_t* key = words.Key(index);
      if (admits[1][key[1]] && admits[2][key[2]]) found.index[found.count++] = index;
    }
  };
  constexpr int kFewSecondBytes = 2;
  for (int first = 0; first < admittedCount[0]; ++first) {
    const uint8_t byte = admitted[0][first];
    if (admittedCount[1] > kFewSecondBytes) {
      take(words.KeysBeginningWith(byte));
      continue;
    }
    for (int second = 0; second < admittedCount[1]; ++second) {
      take(words.KeysBeginningWith(byte, admitted[1][second]));
    }
  }
  return true;
}

int16_t CompressedLexicon::MatchPattern(const char* pattern, bool caseSensitive,
                                        SuggestionList& list) {
  std::size_t length = std::strlen(pattern);
  bool prefixIsLiteral = length >= static_cast<std::size_t>(kKeyLength) &&
                         std::memchr(pattern, '?', kKeyLength) == nullptr;
  if (caseSensitive && prefixIsLiteral) {
    uint8_t key[kKeyLength];
    MakeKey(pattern, key);
    int32_t index = FindKey(key);
    return index < 0 ? 0 : MatchSegment(index, pattern, true, list);
  }
  // A pattern of three characters or more matches no one- or two-letter word, and only in the
  // segments its beginning admits; with the keys in strictly ascending order (a key table is
  // built only then) those are found by lookup, in the order a visit of the index meets them.
  // A visit that must stop once the list is full takes the long way.
  const CompressedWordIndex* words = WordIndex();
  if (length >= static_cast<std::size_t>(kKeyLength) && words != nullptr && words->HasKeyTable() &&
      !StopsWhenListFull()) {
    AdmittedKeys admitted;
    if (FindAdmittedKeys(pattern, caseSensitive, admitted)) {
      for (int k = 0; k < admitted.count; ++k) {
        if (int16_t rc = MatchSegment(admitted.index[k], pattern, caseSensitive, list); rc < 0) {
          return rc;
        }
      }
      return 0;
    }
  }
  for (int32_t i = 0, n = SegmentCount(); i < n; ++i) {
    const uint8_t* key = Key(i);
    int keyLength = KeyLength(key);
    if (keyLength < kKeyLength) {
      char text[kKeyLength + 1] = {};
      std::memcpy(text, key, static_cast<std::size_t>(keyLength));
      if (keyLength > 0 && MatchWithCase(pattern, text, caseSensitive) == 100) {
        list.Insert(text, 100);
      }
      continue;
    }
    if (KeyMatchesPrefix(key, pattern, caseSensitive)) {
      if (int16_t rc = MatchSegment(i, pattern, caseSensitive, list); rc < 0) return rc;
    } else if (caseSensitive && PatternSortsBeforeKey(key, pattern)) {
      return 0;
    }
    if (StopsWhenListFull() && ListFull(list)) return 0;
  }
  return 0;
}

int16_t CompressedLexicon::ScoreSegment(int32_t index, WordComparator& comparator,
                                        SuggestionList& list) {
  if (SegmentSize(index) == 0) return 0;
  std::span<const uint8_t> bytes;
  if (int16_t rc = LoadSegment(index, bytes); rc < 0) return rc;
  SegmentReader reader(Key(index), bytes, SimpleSuffixes(), ExtendedSuffixes());
  // Characters shared with the word the comparator scored last, across the words skipped since.
  int unchanged = 0;
  // Only an insertion changes what a candidate must beat.
  int16_t floor = list.ScanFloor();
  while (reader.Next()) {
    unchanged = std::min(unchanged, reader.Unchanged());
    if (!FitsWordBuffer(reader.Length())) continue;
    const int16_t score = comparator.Score(reader.Word(), reader.Length(), unchanged, floor);
    unchanged = kMaxSegmentWord;
    if (score > 0) {
      list.Insert(reader.Word(), score);
      floor = list.ScanFloor();
    }
  }
  return 0;
}

// Once every listed word scores no less as listed than the scan would offer it, a word turned
// away or pushed out never comes back, so the list ends holding the best of all it was offered,
// the first offered of equal ones: candidates scoring below its last entry's final score leave
// it unchanged and need not be read. A list filled from some segments alone ends with a last
// entry no better than that; the segments of the likeliest beginnings, best first, make it
// nearly as good.
int16_t CompressedLexicon::SureFloor(const SegmentSketches& sketches, WordComparator& comparator,
                                     const SuggestionList& list) {
  if (list.Capacity() == 0) return 0;
  // A listed word offered at a higher score is listed again if something pushes it out first,
  // which candidates of any score may hasten or prevent.
  for (int32_t i = 0; i < list.Count(); ++i) {
    const SuggestionEntry& listed = list[i];
    const auto length = static_cast<int>(std::strlen(listed.word));
    if (comparator.Score(listed.word, length, 0, listed.score) > listed.score) return 0;
  }
  // Fills the likeliest list, and keeps each candidate the scan could take: the scan's floor
  // never falls below one under the sure floor, and the likeliest list's never rises above it.
  class AheadTaker {
   public:
    AheadTaker(SuggestionList& likeliest, std::vector<Offer>& offers)
        : likeliest_(likeliest), offers_(offers) {}
    int16_t Floor() const { return std::max<int16_t>(likeliest_.ScanFloor() - 1, 0); }
    void Take(std::string_view word, int16_t score) {
      offers_.push_back({word, score});
      if (score > likeliest_.ScanFloor()) ListTaker(likeliest_, 0).Take(word, score);
    }

   private:
    SuggestionList& likeliest_;
    std::vector<Offer>& offers_;
  };
  // The best beginnings first, so the floor rises early; of equal ones, in index order.
  std::sort(likelyBeginnings_.begin(), likelyBeginnings_.end(),
            [](const Beginning& a, const Beginning& b) {
              return a.score != b.score ? a.score > b.score : a.index < b.index;
            });
  const CompressedWordIndex& words = *WordIndex();
  try {
    std::vector<SuggestionEntry> storage(static_cast<std::size_t>(list.Capacity()));
    SuggestionList likeliest(storage);
    for (int32_t i = 0; i < list.Count(); ++i) likeliest.Insert(list[i].word, list[i].score);
    AheadTaker taker(likeliest, offers_);
    for (const Beginning& beginning : likelyBeginnings_) {
      if (!words.Indexes(beginning.index)) continue;
      const std::size_t firstOffer = offers_.size();
      ScoreSketchedWords(words.SegmentWords(beginning.index), sketches.Of(beginning.index),
                         comparator, taker);
      scoredAhead_.push_back({beginning.index, firstOffer, offers_.size()});
    }
    std::sort(scoredAhead_.begin(), scoredAhead_.end(),
              [](const ScoredAhead& a, const ScoredAhead& b) { return a.index < b.index; });
    return likeliest.Full() ? likeliest[likeliest.Count() - 1].score : 0;
  } catch (const std::bad_alloc&) {
    // Without what it learnt, the scan scores every segment itself.
    scoredAhead_.clear();
    offers_.clear();
    return 0;
  }
}

const SegmentSketches* CompressedLexicon::SketchesFor(const SketchClasses& classes) {
  const CompressedWordIndex* words = WordIndex();
  if (words == nullptr || !words->HasKeyTable()) return nullptr;
  if (sketches_ == nullptr || !sketches_->MadeWith(classes)) {
    sketches_.reset();
    try {
      sketches_ = std::make_unique<SegmentSketches>(*words, SegmentCount(), classes);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  }
  return sketches_.get();
}

void CompressedLexicon::AdmitSegments(int threshold, const SegmentSketches* sketches,
                                      WordComparator& comparator) {
  const int32_t n = SegmentCount();
  admitted_.assign(static_cast<std::size_t>((n + kMostSketchedAtOnce - 1) / kMostSketchedAtOnce),
                   0);
  likelyBeginnings_.clear();
  for (int32_t first = 0; first < n; first += kMostSketchedAtOnce) {
    const int32_t count = std::min(kMostSketchedAtOnce, n - first);
    uint64_t visit = count == kMostSketchedAtOnce ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
    if (sketches != nullptr) {
      // Most keys are ruled out by sketch and passed over unread, found by their bits rather than
      // by a test per key, which would mispredict for nearly half of them.
      visit &=
          ~comparator.RuleOutBeginnings(sketches->Keys(first, count), kKeyLength, threshold - 1);
    }
    uint64_t& admitted = admitted_[static_cast<std::size_t>(first / kMostSketchedAtOnce)];
    for (; visit != 0; visit &= visit - 1) {
      const int bit = std::countr_zero(visit);
      const uint8_t* key = Key(first + bit);
      if (KeyLength(key) < kKeyLength) continue;
      const char text[kKeyLength + 1] = {static_cast<char>(key[0]), static_cast<char>(key[1]),
                                         static_cast<char>(key[2]), '\0'};
      const int16_t score = comparator.ScoreBeginning(text, kKeyLength, threshold - 1);
      if (score < threshold) continue;
      admitted |= uint64_t{1} << bit;
      if (score >= kLikelyBeginning) likelyBeginnings_.push_back({score, first + bit});
    }
  }
}

int16_t CompressedLexicon::ScoreWords(int16_t depth, WordComparator& comparator,
                                      SuggestionList& list) {
  // Deeper searches admit segments whose key resembles the word's first three letters less.
  const int threshold = 100 - depth;
  const SketchClasses* classes = comparator.Classes();
  const SegmentSketches* sketches = classes != nullptr ? SketchesFor(*classes) : nullptr;
  // What an earlier scan scored ahead belongs to its own word and comparator.
  scoredAhead_.clear();
  offers_.clear();
  try {
    AdmitSegments(threshold, sketches, comparator);
  } catch (const std::bad_alloc&) {
    return TROV_ERR_NO_MEMORY;
  }
  const int16_t least = sketches != nullptr ? SureFloor(*sketches, comparator, list) : 0;
  ListTaker taker(list, least);
  std::size_t ahead = 0;  // the first of scoredAhead_ the scan has not passed
  for (int32_t first = 0, n = SegmentCount(); first < n; first += kMostSketchedAtOnce) {
    const int32_t count = std::min(kMostSketchedAtOnce, n - first);
    // Shorter keys are words of their own: their sketches are judged as whole candidates, at the
    // floor of now, which the floor when they are reached can only pass.
    uint64_t shortKeys = 0;
    if (sketches != nullptr) {
      const std::span<const WordSketch> keySketches = sketches->Keys(first, count);
      for (int32_t k = 0; k < count; ++k) {
        shortKeys |= uint64_t{keySketches[static_cast<std::size_t>(k)].length != kKeyLength} << k;
      }
      if (shortKeys != 0) {
        shortKeys = ShortKeysLeft(comparator, keySketches, shortKeys, taker.Floor());
      }
    } else {
      for (int32_t k = 0; k < count; ++k) {
        shortKeys |= uint64_t{KeyLength(Key(first + k)) != kKeyLength} << k;
      }
    }
    const uint64_t admitted = admitted_[static_cast<std::size_t>(first / kMostSketchedAtOnce)];
    for (uint64_t visit = admitted | shortKeys; visit != 0; visit &= visit - 1) {
      const int32_t i = first + std::countr_zero(visit);
      const uint8_t* key = Key(i);
      const int keyLength = KeyLength(key);
      if (keyLength < kKeyLength) {
        if (keyLength == 0) continue;
        char text[kKeyLength + 1] = {};
        std::memcpy(text, key, kKeyLength);
        const int16_t floor = taker.Floor();
        if (const int16_t score = comparator.Score(text, keyLength, 0, floor); score > floor) {
          list.Insert(text, score);
        }
        continue;
      }
      while (ahead < scoredAhead_.size() && scoredAhead_[ahead].index < i) ++ahead;
      if (ahead < scoredAhead_.size() && scoredAhead_[ahead].index == i) {
        // Scored already: the same candidates in the same order, without their walks.
        const ScoredAhead& segment = scoredAhead_[ahead];
        for (std::size_t k = segment.first; k < segment.end; ++k) {
          if (offers_[k].score > taker.Floor()) taker.Take(offers_[k].word, offers_[k].score);
        }
      } else if (sketches != nullptr && WordIndex()->Indexes(i)) {
        ScoreSketchedWords(WordIndex()->SegmentWords(i), sketches->Of(i), comparator, taker);
      } else if (const int16_t rc = ScoreSegment(i, comparator, list); rc < 0) {
        return rc;
      }
    }
  }
  return 0;
}

}  // namespace trov
