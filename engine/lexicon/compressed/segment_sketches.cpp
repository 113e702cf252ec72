#include "lexicon/compressed/segment_sketches.h"

#include <memory>
#include <string_view>

#include "lexicon/lexicon.h"
#include "lexicon/compressed/shared_prefix.h"

namespace trov {
namespace {

std::size_t BlockBytes(std::size_t words, std::size_t segments) {
  static_assert(alignof(WordSketch) >= alignof(uint32_t));
  return (words + segments) * sizeof(WordSketch) + (segments + 1) * sizeof(uint32_t);
}

}  // namespace

SegmentSketches::SegmentSketches(const CompressedWordIndex& index, int32_t segmentCount,
                                 const SketchClasses& classes)
    : classes_(classes) {
  const auto segments = static_cast<std::size_t>(segmentCount);
  const std::size_t words = index.WordCount();
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
    const uint8_t* key = index.Key(entry);
    std::construct_at(&keys_[i], SketchOf({reinterpret_cast<const char*>(key),
                                           static_cast<std::size_t>(KeyLength(key))},
                                          bits));
    first_[i] = static_cast<uint32_t>(count);
    const std::span<const uint8_t> packed = index.SegmentWords(entry);
    const uint8_t* runStart = packed.data();
    std::string_view previous;
    index.ForEachSegmentWord(entry, [&](std::string_view word) {
      if (count == words) return false;  // only if the index miscounted: never write past
      const uint8_t* lengthByte = reinterpret_cast<const uint8_t*>(word.data()) - 1;
      if ((count - first_[i]) % kMostSketchedAtOnce == 0) runStart = lengthByte;
      WordSketch sketch = sketcher.Next(word, SharedPrefix(previous, word, packed));
      sketch.place = static_cast<uint16_t>(lengthByte - runStart);
      std::construct_at(&words_[count++], sketch);
      previous = word;
      return true;
    });
  }
  first_.back() = static_cast<uint32_t>(count);
}

}  // namespace trov
