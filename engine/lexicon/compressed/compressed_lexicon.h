// What every compressed lexicon answers the same way, whether its segments are in memory or read
// on demand: word lookup through the sorted segment index and the two candidate traversals.
#ifndef TROV_COMPRESSED_LEXICON_H
#define TROV_COMPRESSED_LEXICON_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "lexicon/compressed/compressed_segment.h"
#include "lexicon/compressed/compressed_word_index.h"
#include "lexicon/lexicon.h"
#include "lexicon/compressed/segment_sketches.h"

namespace trov {

// The answer of a compressed lexicon for every word it holds: they carry no actions.
inline constexpr int16_t kCompressedWordAction = 'i';

class CompressedLexicon : public Lexicon {
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
  virtual int32_t SegmentCount() const = 0;
  // The three key bytes of index entry index, in ascending order over the index.
  virtual const uint8_t* Key(int32_t index) const = 0;
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
  int16_t ScoreSegment(int32_t index, WordComparator& comparator, SuggestionList& list);
  // A score the last entry of list surely reaches by the end of a scan, when list is full by
  // then; 0 when none is known. The segments it scores to learn it, those of likelyBeginnings_,
  // are kept in scoredAhead_, so that the scan need not score them again.
  int16_t SureFloor(const SegmentSketches& sketches, WordComparator& comparator,
                    const SuggestionList& list);
  // The sketches of the indexed words under classes, made or remade on demand; nullptr without
  // a word index, or when memory is short.
  const SegmentSketches* SketchesFor(const SketchClasses& classes);

  // Made by the first scan that asks for them. Scans run after the engine lock is released, so
  // these members are guarded by the threading contract instead: one session, and so each of its
  // lexicons, is used by one thread at a time (trov.h).
  std::unique_ptr<SegmentSketches> sketches_;

  // A candidate of a segment scored ahead of a scan, in the word index, with its score.
  struct Offer {
    std::string_view word;
    int16_t score = 0;
  };
  // A segment scored ahead of a scan: its index entry and its offers, in word order, a stretch
  // of offers_ holding every candidate the scan could take from it.
  struct ScoredAhead {
    int32_t index = 0;
    std::size_t first = 0;
    std::size_t end = 0;
  };
  // Of the scan under way, ascending by index; kept between scans for their capacity.
  std::vector<ScoredAhead> scoredAhead_;
  std::vector<Offer> offers_;

  // The index entries of full keys whose beginnings a scan at threshold admits, a bit per entry
  // in admitted_; those among them scoring kLikelyBeginning or more go to likelyBeginnings_, each
  // with its beginning's score. Throws std::bad_alloc when memory is short.
  void AdmitSegments(int threshold, const SegmentSketches* sketches, WordComparator& comparator);
  // A beginning at most one slip away from the word's: any one letter changed (identical letters
  // earn 100, any other two at least 0, so (100 + 100 + 0) / 3), two swapped, or one doubled.
  static constexpr int kLikelyBeginning = 66;
  struct Beginning {
    int16_t score = 0;
    int32_t index = 0;
  };
  std::vector<uint64_t> admitted_;
  std::vector<Beginning> likelyBeginnings_;
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
    if (SegmentSize(i) == 0) continue;
    std::span<const uint8_t> bytes;
    if (int16_t rc = LoadSegment(i, bytes); rc < 0) return rc;
    SegmentReader reader(key, bytes, SimpleSuffixes(), ExtendedSuffixes());
    while (reader.Next()) {
      if (!visit(reader.Word())) return 0;
    }
  }
  return 0;
}

}  // namespace trov

#endif  // TROV_COMPRESSED_LEXICON_H
