#include "lexicon/segment_sketches.h"

#include <string_view>

#include "lexicon/lexicon.h"

namespace trov {

SegmentSketches::SegmentSketches(const CompressedWordIndex& index, int32_t segmentCount,
                                 const SketchClasses& classes)
    : classes_(classes), first_(static_cast<std::size_t>(segmentCount) + 1) {
  const SketchClassBits bits = ClassBitsOf(classes);
  keys_.reserve(static_cast<std::size_t>(segmentCount));
  std::size_t count = 0;
  for (int32_t i = 0; i < segmentCount; ++i) {
    const uint8_t* key = index.Key(i);
    keys_.push_back(SketchOf(
        {reinterpret_cast<const char*>(key), static_cast<std::size_t>(KeyLength(key))}, bits));
    first_[static_cast<std::size_t>(i)] = static_cast<uint32_t>(count);
    index.ForEachSegmentWord(i, [&](std::string_view) {
      ++count;
      return true;
    });
  }
  first_.back() = static_cast<uint32_t>(count);
  words_.reserve(count);
  for (int32_t i = 0; i < segmentCount; ++i) {
    const uint8_t* runStart = index.SegmentWords(i).data();
    std::size_t inRun = 0;
    index.ForEachSegmentWord(i, [&](std::string_view word) {
      const uint8_t* lengthByte = reinterpret_cast<const uint8_t*>(word.data()) - 1;
      if (inRun++ % kMostSketchedAtOnce == 0) runStart = lengthByte;
      WordSketch sketch = SketchOf(word, bits);
      sketch.place = static_cast<uint16_t>(lengthByte - runStart);
      words_.push_back(sketch);
      return true;
    });
  }
}

}  // namespace trov
