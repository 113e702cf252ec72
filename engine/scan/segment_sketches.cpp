#include "scan/segment_sketches.h"

#include <memory>
#include <string_view>

#include "scan/shared_prefix.h"
#include "scan/word_comparator.h"

namespace trov {
namespace {

std::size_t BlockBytes(std::size_t words, std::size_t segments) {
  static_assert(alignof(WordSketch) >= alignof(uint32_t));
  return (words + segments) * sizeof(WordSketch) + (segments + 1) * sizeof(uint32_t);
}

}  // namespace

SegmentSketches::SegmentSketches(const SegmentedWords& segmented, const SketchClasses& classes)
    : classes_(classes) {
  const auto segments = static_cast<std::size_t>(segmented.SegmentCount());
  const std::size_t words = segmented.PackedWordCount();
  const std::size_t bytes = BlockBytes(words, segments);
  block_ = std::unique_ptr<void, LargeBlockFree>(AllocateLarge(bytes), LargeBlockFree{bytes});
  auto* sketches = static_cast<WordSketch*>(block_.get());
  words_ = {sketches, words};
  keys_ = {sketches + words, segments};
  first_ = {reinterpret_cast<uint32_t*>(sketches + words + segments), segments + 1};

  const SketchClassBits bits = ClassBitsOf(classes);
  RunningSketcher sketcher(bits);
  std::size_t count = 0;
  for (std::size_t i = 0; i < segments; ++i) {
    const auto entry = static_cast<int32_t>(i);
    const uint8_t* key = segmented.Key(entry);
    std::construct_at(&keys_[i], SketchOf({reinterpret_cast<const char*>(key),
                                           static_cast<std::size_t>(KeyLength(key))},
                                          bits));
    first_[i] = static_cast<uint32_t>(count);
    const std::span<const uint8_t> packed = segmented.PackedWords(entry);
    const uint8_t* runStart = packed.data();
    std::string_view previous;
    for (std::size_t at = 0; at < packed.size() && count < words; at += 1 + packed[at]) {
      // count stops at words only if the lexicon miscounted: never write past.
      const uint8_t* lengthByte = packed.data() + at;
      const std::string_view word(reinterpret_cast<const char*>(lengthByte + 1), *lengthByte);
      if ((count - first_[i]) % kMostSketchedAtOnce == 0) runStart = lengthByte;
      WordSketch sketch = sketcher.Next(word, SharedPrefix(previous, word, packed));
      sketch.place = static_cast<uint16_t>(lengthByte - runStart);
      std::construct_at(&words_[count++], sketch);
      previous = word;
    }
  }
  first_.back() = static_cast<uint32_t>(count);
}

}  // namespace trov
