// The sketches of every packed word of a segmented lexicon under one set of classes, in the order
// the lexicon keeps them, so that a scored scan can rule candidates out unread. Made on the first
// scan that can use them, since checking never does.
#ifndef TROV_SEGMENT_SKETCHES_H
#define TROV_SEGMENT_SKETCHES_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "base/large_block.h"
#include "scan/segmented_words.h"
#include "scan/word_sketch.h"

namespace trov {

class SegmentSketches {
 public:
  // Sketches the key of every segment of words, which must hold packed words, and every packed
  // word. Throws std::bad_alloc when memory is short.
  SegmentSketches(const SegmentedWords& words, const SketchClasses& classes);

  bool MadeWith(const SketchClasses& classes) const { return classes == classes_; }
  // The sketches of the words of segment index, one per word of its PackedWords(),
  // each with its place there, so that a scan goes straight to the few words it reads.
  std::span<const WordSketch> Of(int32_t index) const {
    const auto i = static_cast<std::size_t>(index);
    return words_.subspan(first_[i], first_[i + 1] - first_[i]);
  }
  // The sketches of the keys of count segments from segment first.
  std::span<const WordSketch> Keys(int32_t first, int32_t count) const {
    return keys_.subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
  }

 private:
  SketchClasses classes_;
  // The words' sketches, the keys' and first_ share one large block: apart, the smaller two
  // would fill fresh heap pages while the block has room to spare.
  std::unique_ptr<void, LargeBlockFree> block_;
  std::span<WordSketch> words_;
  std::span<WordSketch> keys_;
  std::span<uint32_t> first_;  // per segment: its first word's sketch; then the end
};

}  // namespace trov

#endif  // TROV_SEGMENT_SKETCHES_H
