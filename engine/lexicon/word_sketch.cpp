#include "lexicon/word_sketch.h"

namespace trov {

WordSketch SketchOf(std::string_view word, const SketchClasses& classes) {
  WordSketch sketch;
  sketch.length = static_cast<uint8_t>(word.size());
  for (std::size_t i = 0; i < word.size(); ++i) {
    const uint32_t bit = uint32_t{1} << (classes[static_cast<unsigned char>(word[i])] & 31);
    sketch.twice |= sketch.once & bit;
    sketch.once |= bit;
    if (i > 0 && word[i] == word[i - 1]) ++sketch.doubled;
  }
  return sketch;
}

ClassCounts::ClassCounts(std::string_view word, const SketchClasses& classes)
    : sketch_(SketchOf(word, classes)) {
  std::array<uint8_t, 32> counts{};
  for (const char c : word) {
    const uint8_t cls = classes[static_cast<unsigned char>(c)] & 31;
    if (++counts[cls] > 2) {
      thrice_ |= uint32_t{1} << cls;
      ++beyondTwice_[cls];
    }
  }
}

}  // namespace trov
