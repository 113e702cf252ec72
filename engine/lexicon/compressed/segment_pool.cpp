// Blocks are chained newest first; each knows how many of its records are in use, so the pool
// destroys exactly the records it constructed.
#include "lexicon/compressed/segment_pool.h"

#include <new>

namespace trov {

struct SegmentPool::Block {
  static constexpr std::size_t kHeaderBytes = sizeof(Block*) + sizeof(std::size_t);
  static constexpr std::size_t kCapacity = (kBlockBytes - kHeaderBytes) / sizeof(SegmentInfo);

  Block* previous;
  std::size_t used;
  alignas(SegmentInfo) std::byte records[kCapacity * sizeof(SegmentInfo)];

  SegmentInfo* Record(std::size_t i) {
    return std::launder(reinterpret_cast<SegmentInfo*>(records + i * sizeof(SegmentInfo)));
  }
};

SegmentPool::~SegmentPool() {
  while (last_ != nullptr) {
    Block* previous = last_->previous;
    for (std::size_t i = 0; i < last_->used; ++i) last_->Record(i)->~SegmentInfo();
    delete last_;
    last_ = previous;
  }
}

SegmentInfo* SegmentPool::Take() {
  if (last_ == nullptr || last_->used == Block::kCapacity) {
    Block* block = new (std::nothrow) Block;
    if (block == nullptr) return nullptr;
    block->previous = last_;
    block->used = 0;
    last_ = block;
  }
  void* place = last_->records + last_->used * sizeof(SegmentInfo);
  ++last_->used;
  return new (place) SegmentInfo{};
}

}  // namespace trov
