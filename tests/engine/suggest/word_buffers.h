// Words in heap blocks of exactly their size, so the address sanitizer reports any read past the
// terminator; and reproducible random words for whole-range checks.
#ifndef TROV_TEST_WORD_BUFFERS_H
#define TROV_TEST_WORD_BUFFERS_H

#include <cstring>
#include <memory>
#include <random>
#include <string>

namespace trov::test {

inline std::unique_ptr<char[]> ExactCopy(const std::string& word) {
  auto copy = std::make_unique<char[]>(word.size() + 1);
  std::memcpy(copy.get(), word.c_str(), word.size() + 1);
  return copy;
}

// A word of 0..maxLength bytes from 01-FF, drawn from alphabet when it is given.
inline std::string RandomWord(std::mt19937& random, size_t maxLength,
                              const std::string& alphabet = "") {
  const size_t length = std::uniform_int_distribution<size_t>(0, maxLength)(random);
  std::string word;
  for (size_t i = 0; i < length; ++i) {
    if (alphabet.empty()) {
      word += static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
    } else {
      word += alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
    }
  }
  return word;
}

}  // namespace trov::test

#endif  // TROV_TEST_WORD_BUFFERS_H
