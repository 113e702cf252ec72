// Test helper: long texts of a few known words ("the cat sat on the mat", one line each) with a
// problem word placed past given offsets, and large user dictionaries, as the tests of every layer
// check them.
#ifndef VANTOR_TESTS_LONG_TEXT_H
#define VANTOR_TESTS_LONG_TEXT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vantor_test {

// The places that 16-bit offsets cannot hold, and one far past them.
inline constexpr std::size_t kPastSigned16 = 32'767;
inline constexpr std::size_t kPastUnsigned16 = 65'535;
inline constexpr std::size_t kPastAMillion = 1'000'000;

// The lengths the tests check, each with the places its problems go past.
struct LongTextCase {
  std::size_t length;
  std::vector<std::size_t> places;
};
inline const std::vector<LongTextCase> kLongTextCases = {
    {100'000, {kPastSigned16, kPastUnsigned16}},
    {5'000'000, {kPastSigned16, kPastUnsigned16, kPastAMillion}},
};
inline std::string LongTextCaseName(const LongTextCase& longText) {
  return std::to_string(longText.length) + "Characters";
}

struct LongText {
  std::string text;
  std::vector<int32_t> problems;  // where each problem word begins
  int32_t words = 0;
};

// Known words up to length characters, each line "the cat sat on the mat" ended by a line feed,
// with problem (followed by a blank) at the first word start at or after each place, in order.
inline LongText MakeLongText(std::size_t length, const std::vector<std::size_t>& places,
                             std::string_view problem) {
  static constexpr const char* kLine[] = {"the ", "cat ", "sat ", "on ", "the ", "mat\n"};
  LongText made;
  made.text.reserve(length + 16);
  std::size_t next = 0;
  for (std::size_t i = 0; made.text.size() < length; ++i) {
    if (next < places.size() && made.text.size() >= places[next]) {
      made.problems.push_back(static_cast<int32_t>(made.text.size()));
      made.text.append(problem).append(" ");
      ++made.words;
      ++next;
    }
    made.text += kLine[i % 6];
    ++made.words;
  }
  return made;
}

// "w00000", "w00001" and on: words whose byte order is their number's order.
inline std::string NumberedWord(int number) {
  char word[16];
  std::snprintf(word, sizeof word, "w%05d", number);
  return word;
}

// A text lexicon file of count numbered words.
inline std::string NumberedWordsBytes(int count) {
  std::string bytes = "#LID 24941\r\n";
  for (int i = 0; i < count; ++i) bytes += NumberedWord(i) + "\r\n";
  return bytes;
}

}  // namespace vantor_test

#endif  // VANTOR_TESTS_LONG_TEXT_H
