// The paged compressed lexicon: only the index and the suffix tables stay in memory; segments are
// read on first use into a cache bounded by a memory budget, least recently used out first.
#ifndef TROV_PAGED_LEXICON_H
#define TROV_PAGED_LEXICON_H

#include <cstdint>

#include "lexicon/compressed/compressed_format.h"
#include "lexicon/compressed/compressed_lexicon.h"

namespace trov {

// Lookups change the cache, so one paged lexicon must not serve two threads at once.
class PagedLexicon : public CompressedLexicon {
 public:
  // Reads the index of path; budget 0 leaves the cache unbounded. 0 or an error (logged).
  int16_t Open(const char* path, int32_t budget);

  LexType Type() const override { return LEX_COMPRESSED_PAGED; }
  int16_t Language() override { return index_.language; }
  int16_t FileName(char* buffer, int16_t bufferSize) override;
  int64_t SegmentBytesHeld() const override { return bytesHeld_; }

 protected:
  int32_t SegmentCount() const override { return index_.segmentCount; }
  const uint8_t* Key(int32_t index) const override { return index_.segments[index]->key; }
  uint32_t SegmentSize(int32_t index) const override { return index_.segments[index]->size; }
  int16_t LoadSegment(int32_t index, std::span<const uint8_t>& bytes) override;
  SuffixList SimpleSuffixes() const override { return index_.simpleSuffixes.List(); }
  SuffixList ExtendedSuffixes() const override { return index_.extendedSuffixes.List(); }
  bool StopsWhenListFull() const override { return true; }

 private:
  // Frees the present segment used longest ago (the first in index order on equal stamps);
  // false when no segment is present.
  bool EvictLeastRecentlyUsed();

  CompressedIndex index_;
  int32_t budget_ = 0;
  int32_t freeBudget_ = 0;
  uint32_t useCounter_ = 0;
  int64_t bytesHeld_ = 0;
};

}  // namespace trov

#endif  // TROV_PAGED_LEXICON_H
