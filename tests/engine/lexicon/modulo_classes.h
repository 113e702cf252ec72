// Sketch classes for tests: every byte's class is the byte modulo a count, so that 'a' and 'A'
// share one whenever their distance is a multiple of it.
#ifndef TROV_TESTS_MODULO_CLASSES_H
#define TROV_TESTS_MODULO_CLASSES_H

#include <cstdint>

#include "scan/word_sketch.h"

namespace trov::test {

inline SketchClasses ModuloClasses(int count) {
  SketchClasses classes;
  for (int c = 0; c < 256; ++c) classes[c] = static_cast<uint8_t>(c % count);
  return classes;
}

}  // namespace trov::test

#endif  // TROV_TESTS_MODULO_CLASSES_H
