// The index is sorted by key, so an exact lookup reads one segment and a caseless one at most
// eight; the traversals use the same order to skip segments that cannot hold a candidate.
#include "lexicon/compressed_lookup.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <string_view>
#include <vector>

#include "lexicon/shared_prefix.h"
#include "suggest/suggestion_list.h"
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
  if (length >= static_cast<std::size_t>(kKeyLength) && words != nullptr &&
      words->HasKeyTable() && !StopsWhenListFull()) {
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

int16_t CompressedLexicon::ScoreSketchedSegment(int32_t index, const SegmentSketches& sketches,
                                                WordComparator& comparator, SuggestionList& list,
                                                int16_t least) {
  const std::span<const uint8_t> words = WordIndex()->SegmentWords(index);
  const std::span<const WordSketch> all = sketches.Of(index);
  // The candidate scored last, whose walk the comparator may resume where the next one differs.
  std::string_view scored;
  // What a candidate must score above to be worth reading.
  const auto floorOf = [&] { return std::max<int16_t>(list.ScanFloor(), least - 1); };
  int16_t floor = floorOf();
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
      if (at + 1 + static_cast<std::size_t>(length) > words.size()) return 0;
      if (!FitsWordBuffer(length)) continue;
      const std::string_view word(reinterpret_cast<const char*>(words.data() + at + 1),
                                  static_cast<std::size_t>(length));
      const auto unchanged = static_cast<int>(SharedPrefix(scored, word, words));
      const int16_t score = comparator.Score(word.data(), length, unchanged, floor);
      scored = word;
      if (score > floor) {
        // The list takes zero-terminated words.
        char text[TROV_MAX_WORD + 1];
        std::memcpy(text, word.data(), word.size());
        text[length] = '\0';
        list.Insert(text, score);
        floor = floorOf();
      }
    }
    runStart += batch.back().place + 1 + std::size_t{batch.back().length};
  }
  return 0;
}

// Once every listed word scores no less as listed than the scan would offer it, a word turned
// away or pushed out never comes back, so the list ends holding the best of all it was offered,
// the first offered of equal ones: candidates scoring below its last entry's final score leave
// it unchanged and need not be read. The segments whose keys begin with the word's first two
// characters (or its first one in lower case) hold its likeliest candidates, and a list filled
// from them alone ends with a last entry no better than that.
int16_t CompressedLexicon::SureFloor(int threshold, const SegmentSketches& sketches,
                                     WordComparator& comparator, const SuggestionList& list) {
  const auto* word = reinterpret_cast<const unsigned char*>(comparator.Word());
  if (list.Capacity() == 0 || word[0] == 0 || word[1] == 0) return 0;
  // A listed word offered at a higher score is listed again if something pushes it out first,
  // which candidates of any score may hasten or prevent.
  for (int32_t i = 0; i < list.Count(); ++i) {
    const SuggestionEntry& listed = list[i];
    const auto length = static_cast<int>(std::strlen(listed.word));
    if (comparator.Score(listed.word, length, 0, listed.score) > listed.score) return 0;
  }
  std::vector<SuggestionEntry> storage;
  try {
    storage.resize(static_cast<std::size_t>(list.Capacity()));
  } catch (const std::bad_alloc&) {
    return 0;
  }
  SuggestionList likeliest(storage);
  for (int32_t i = 0; i < list.Count(); ++i) likeliest.Insert(list[i].word, list[i].score);
  const CompressedWordIndex& words = *WordIndex();
  const unsigned char lower = ToLower(word[0]);
  for (const unsigned char first : {word[0], lower}) {
    const CompressedWordIndex::KeyRange range = words.KeysBeginningWith(first, word[1]);
    for (int32_t i = range.first; i < range.end; ++i) {
      const uint8_t* key = Key(i);
      const char text[kKeyLength + 1] = {static_cast<char>(key[0]), static_cast<char>(key[1]),
                                         static_cast<char>(key[2]), '\0'};
      if (!words.Indexes(i) || KeyLength(key) < kKeyLength ||
          comparator.ScoreBeginning(text, kKeyLength, threshold - 1) < threshold) {
        continue;
      }
      ScoreSketchedSegment(i, sketches, comparator, likeliest, 0);
    }
    if (lower == word[0]) break;
  }
  return likeliest.Full() ? likeliest[likeliest.Count() - 1].score : 0;
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

int16_t CompressedLexicon::ScoreWords(int16_t depth, WordComparator& comparator,
                                      SuggestionList& list) {
  // Deeper searches admit segments whose key resembles the word's first three letters less.
  const int threshold = 100 - depth;
  const SketchClasses* classes = comparator.Classes();
  const SegmentSketches* sketches = classes != nullptr ? SketchesFor(*classes) : nullptr;
  const int16_t least = sketches != nullptr ? SureFloor(threshold, *sketches, comparator, list) : 0;
  for (int32_t first = 0, n = SegmentCount(); first < n; first += kMostSketchedAtOnce) {
    const int32_t count = std::min(kMostSketchedAtOnce, n - first);
    uint64_t visit = count == kMostSketchedAtOnce ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
    if (sketches != nullptr) {
      // Most keys are ruled out by sketch and passed over unread, found by their bits rather than
      // by a test per key, which would mispredict for nearly half of them. Shorter keys are
      // words of their own: their sketches are judged as whole candidates, at the floor of now,
      // which the floor when they are reached can only pass.
      const std::span<const WordSketch> keySketches = sketches->Keys(first, count);
      const uint64_t ruledOut =
          comparator.RuleOutBeginnings(keySketches, kKeyLength, threshold - 1);
      uint64_t shortKeys = 0;
      for (int32_t k = 0; k < count; ++k) {
        shortKeys |= uint64_t{keySketches[static_cast<std::size_t>(k)].length != kKeyLength} << k;
      }
      if (shortKeys != 0) {
        shortKeys = ShortKeysLeft(comparator, keySketches, shortKeys,
                                  std::max<int16_t>(list.ScanFloor(), least - 1));
      }
      visit &= ~ruledOut;
      visit |= shortKeys;
    }
    for (; visit != 0; visit &= visit - 1) {
      const int32_t i = first + std::countr_zero(visit);
      const uint8_t* key = Key(i);
      const int keyLength = KeyLength(key);
      char text[kKeyLength + 1] = {};
      std::memcpy(text, key, kKeyLength);
      if (keyLength < kKeyLength) {
        if (keyLength == 0) continue;
        const int16_t floor = std::max<int16_t>(list.ScanFloor(), least - 1);
        if (const int16_t score = comparator.Score(text, keyLength, 0, floor); score > floor) {
          list.Insert(text, score);
        }
        continue;
      }
      if (comparator.ScoreBeginning(text, kKeyLength, threshold - 1) < threshold) continue;
      const int16_t rc = sketches != nullptr && WordIndex()->Indexes(i)
                             ? ScoreSketchedSegment(i, *sketches, comparator, list, least)
                             : ScoreSegment(i, comparator, list);
      if (rc < 0) return rc;
    }
  }
  return 0;
}

}  // namespace trov
