// The index is sorted by key, so an exact lookup reads one segment and a caseless one at most
// eight; the pattern traversal uses the same order to skip segments that cannot hold a match. The
// scored scan is ScoredScan's, over the segments this lexicon shows it.
#include "lexicon/compressed/compressed_lexicon.h"

#include <cstring>
#include <string_view>

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
  // A segment that cannot be read holds no match; the lookup goes on with other keys.
  bool found = false;
  DecodeWords(index, [&](const SegmentReader& reader) {
    if (!caseSensitive) {
      found = CaselessCompare(word, reader.Word()) == 0;
      return !found;
    }
    const int c = CompareRests(word, reader.Word());
    found = c == 0;
    return c > 0;  // entries ascend: past the word, it would have come already
  });
  return found;
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
  return DecodeWords(index, [&](const SegmentReader& reader) {
    return match({reader.Word(), static_cast<std::size_t>(reader.Length())});
  });
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

bool CompressedLexicon::HoldsPackedWords() const {
  const CompressedWordIndex* words = WordIndex();
  return words != nullptr && words->HasKeyTable();
}

std::size_t CompressedLexicon::PackedWordCount() const {
  const CompressedWordIndex* words = WordIndex();
  return words != nullptr ? words->WordCount() : 0;
}

bool CompressedLexicon::IsPacked(int32_t index) const {
  const CompressedWordIndex* words = WordIndex();
  return words != nullptr && words->Indexes(index);
}

std::span<const uint8_t> CompressedLexicon::PackedWords(int32_t index) const {
  const CompressedWordIndex* words = WordIndex();
  return words != nullptr ? words->SegmentWords(index) : std::span<const uint8_t>();
}

int16_t CompressedLexicon::DecodeSegment(int32_t index, DecodedWords& words) {
  return DecodeWords(index, [&](const SegmentReader& reader) {
    words.Take(reader.Word(), reader.Length(), reader.Unchanged());
    return true;
  });
}

int16_t CompressedLexicon::ScoreWords(int16_t depth, WordComparator& comparator,
                                      SuggestionList& list) {
  return scan_.Run(*this, depth, comparator, list);
}

}  // namespace trov
