// Test helper: a control core whose module directory is a fresh scratch directory, with writers
// for text lexicon files in it.
#ifndef VANTOR_TESTS_CORE_FIXTURE_H
#define VANTOR_TESTS_CORE_FIXTURE_H

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

#include "control_core.h"
#include "engine/lexicon/scratch_dir.h"
#include "trov.h"

namespace vantor_test {

// A text lexicon file: the "am" header, then one CR LF line per entry as given.
inline std::string LexiconBytes(std::initializer_list<const char*> lines) {
  std::string bytes = "#LID 24941\r\n";
  for (const char* line : lines) bytes += std::string(line) + "\r\n";
  return bytes;
}

class CoreTest : public ::testing::Test {
 protected:
  // Writes a text lexicon into the module directory; its full path.
  std::string Lexicon(const std::string& name, std::initializer_list<const char*> lines) {
    return dir.Write(name, LexiconBytes(lines));
  }
  std::string Read(const std::string& name) const { return dir.Read(dir.File(name)); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(dir.File(name)); }
  // The action of word in the temporary dictionary, or the lookup's failure.
  int16_t TempAction(const char* word) {
    std::array<char, TROV_WORD_BUFFER> other;
    return core.FindUserDictionaryWord("", word, other);
  }

  trov_test::ScratchDir dir;
  trov::ControlCore core{dir.Path().string()};
};

}  // namespace vantor_test

#endif  // VANTOR_TESTS_CORE_FIXTURE_H
