// A comparator made of a plain scoring function for the scan tests: it scores every candidate in
// full, from scratch, and pays no heed to floors or to the candidates before.
#ifndef TROV_TESTS_FUNCTION_COMPARATOR_H
#define TROV_TESTS_FUNCTION_COMPARATOR_H

#include <cstdint>
#include <string>

#include "lexicon/lexicon.h"

namespace trov::test {

class FunctionComparator final : public WordComparator {
 public:
  using Function = int16_t (*)(const char* word, const char* candidate);

  FunctionComparator(const char* word, Function score) : word_(word), score_(score) {}

  const char* Word() const override { return word_.c_str(); }
  int16_t Score(const char* candidate, int, int, int) override {
    return score_(word_.c_str(), candidate);
  }
  int16_t ScoreBeginning(const char* candidate, int length, int) override {
    return score_(word_.substr(0, static_cast<size_t>(length)).c_str(), candidate);
  }

 private:
  std::string word_;
  Function score_;
};

}  // namespace trov::test

#endif  // TROV_TESTS_FUNCTION_COMPARATOR_H
