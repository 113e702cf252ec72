// The index records of a paged compressed lexicon: one per index entry, handed out from blocks so
// that a large index costs a few allocations and is freed all at once with its lexicon.
#ifndef TROV_SEGMENT_POOL_H
#define TROV_SEGMENT_POOL_H

#include <cstddef>
#include <cstdint>
#include <memory>

#include "lexicon/compressed/compressed_segment.h"

namespace trov {

struct SegmentInfo {
  std::unique_ptr<uint8_t[]> data;  // the segment's bytes once loaded, else null
  uint32_t size;
  uint32_t offset;  // from the start of the data area
  uint32_t stamp;   // use counter value at the last use, for least-recently-used eviction
  uint8_t key[kKeyLength];
};

class SegmentPool {
 public:
  static constexpr std::size_t kBlockBytes = 20000;

  SegmentPool() = default;
  SegmentPool(const SegmentPool&) = delete;
  SegmentPool& operator=(const SegmentPool&) = delete;
  // Destroys every record handed out (freeing loaded segment bytes) and every block.
  ~SegmentPool();

  // A value-initialised record, or null when a new block cannot be allocated.
  SegmentInfo* Take();

 private:
  struct Block;
  Block* last_ = nullptr;
};

}  // namespace trov

#endif  // TROV_SEGMENT_POOL_H
