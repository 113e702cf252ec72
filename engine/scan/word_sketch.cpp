#include "scan/word_sketch.h"

namespace trov {

SketchClassBits ClassBitsOf(const SketchClasses& classes) {
  SketchClassBits bits;
  for (std::size_t c = 0; c < bits.size(); ++c) bits[c] = uint32_t{1} << (classes[c] & 31);
  return bits;
}

WordSketch SketchOf(std::string_view word, const SketchClassBits& bits) {
  return RunningSketcher(bits).Next(word, 0);
}

WordSketch SketchOf(std::string_view word, const SketchClasses& classes) {
  return SketchOf(word, ClassBitsOf(classes));
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
