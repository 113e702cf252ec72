// What every compressed lexicon answers the same way, whether its segments are in memory or read
// on demand: word lookup through the sorted segment index, the pattern traversal, and the view of
// its segments that the scored scan works over.
#ifndef TROV_COMPRESSED_LEXICON_H
#define TROV_COMPRESSED_LEXICON_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "lexicon/compressed/compressed_segment.h"
#include "lexicon/compressed/compressed_word_index.h"
#include "lexicon/lexicon.h"
#include "scan/scored_scan.h"
#include "scan/segmented_words.h"

namespace trov {

// The answer of a compressed lexicon for every word it holds: they carry no actions.
inline constexpr int16_t kCompressedWordAction = 'i';

class CompressedLexicon : public Lexicon, protected SegmentedWords {
 public:
  int16_t Find(const char* word, bool caseSensitive, char* otherWord,
               int16_t otherWordSize) override;
  int16_t MatchPattern(const char* pattern, bool caseSensitive, SuggestionList& list) override;
  int16_t ScoreWords(int16_t depth, WordComparator& comparator, SuggestionList& list) override;

  // Hands every word to visit in ascending byte order until visit answers false; 0, or the
  // error of a segment that could not be read.
  template <typename Visitor>
  int16_t ForEachWord(Visitor&& visit);

  // Bytes of segment data held in memory now.
  virtual int64_t SegmentBytesHeld() const = 0;

 protected:
  // SegmentCount() and Key() of SegmentedWords: the index entries, in ascending key order.
  virtual uint32_t SegmentSize(int32_t index) const = 0;
  // Makes the bytes of index entry index present: 0 with bytes set, or an error.
  virtual int16_t LoadSegment(int32_t index, std::span<const uint8_t>& bytes) = 0;
  virtual SuffixList SimpleSuffixes() const = 0;
  virtual SuffixList ExtendedSuffixes() const = 0;
  // A paged pattern traversal ends once the list is full, sparing further segment reads.
  virtual bool StopsWhenListFull() const { return false; }
  // The index of keys and words that spares a lookup the binary search and the decoding, when
  // the kind keeps one.
  virtual const CompressedWordIndex* WordIndex() const { return nullptr; }

 private:
  // Decodes the words of segment index, handing its reader to visit after each word until visit
  // answers false; 0, or the error of a segment that could not be read.
  template <typename Visit>
  int16_t DecodeWords(int32_t index, Visit&& visit);

  // Index of the entry whose key is key, or -1.
  int32_t FindKey(const uint8_t key[kKeyLength]) const;
  bool SegmentHolds(int32_t index, const char* word, bool caseSensitive);
  // Inserts the words of segment index that match pattern; 0 or a load error.
  int16_t MatchSegment(int32_t index, const char* pattern, bool caseSensitive,
                       SuggestionList& list);
  // The index entries, in ascending order, whose keys the first three characters of a pattern
  // of three or more admit, each admitted key looked up rather than every entry visited. Needs
  // keys in strictly ascending order; false when the pattern admits too many keys to look up.
  struct AdmittedKeys {
    static constexpr int kMost = 1024;  // a wildcard and two letters of two cases each
    std::array<int32_t, kMost> index;
    int count = 0;
  };
  bool FindAdmittedKeys(const char* pattern, bool caseSensitive, AdmittedKeys& found) const;

  // The view of the segments a scored scan works over.
  bool HoldsPackedWords() const override;
  std::size_t PackedWordCount() const override;
  bool IsPacked(int32_t index) const override;
  std::span<const uint8_t> PackedWords(int32_t index) const override;
  int16_t DecodeSegment(int32_t index, DecodedWords& words) override;

  ScoredScan scan_;
};

template <typename Visitor>
int16_t CompressedLexicon::ForEachWord(Visitor&& visit) {
  for (int32_t i = 0, n = SegmentCount(); i < n; ++i) {
    const uint8_t* key = Key(i);
    int keyLength = KeyLength(key);
    if (keyLength < kKeyLength) {
      char text[kKeyLength + 1] = {};
      for (int k = 0; k < keyLength; ++k) text[k] = static_cast<char>(key[k]);
      if (keyLength > 0 && !visit(static_cast<const char*>(text))) return 0;
      continue;
    }
    bool stopped = false;
    const int16_t rc = DecodeWords(i, [&](const SegmentReader& reader) {
      stopped = !visit(reader.Word());
      return !stopped;
    });
    if (rc < 0 || stopped) return rc;
  }
  return 0;
}

template <typename Visit>
int16_t CompressedLexicon::DecodeWords(int32_t index, Visit&& visit) {
  if (SegmentSize(index) == 0) return 0;
  std::span<const uint8_t> bytes;
  if (int16_t rc = LoadSegment(index, bytes); rc < 0) return rc;
  SegmentReader reader(Key(index), bytes, SimpleSuffixes(), ExtendedSuffixes());
  while (reader.Next() && visit(static_cast<const SegmentReader&>(reader))) {
  }
  return 0;
}

}  // namespace trov

#endif  // TROV_COMPRESSED_LEXICON_H
