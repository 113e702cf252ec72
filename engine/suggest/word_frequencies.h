// How common words are in real text, read from a frequency file: lines of a word, a tab and how
// often it was counted (decimal). The ranked suggestions prefer the commoner of two candidates
// that are otherwise alike. Words are looked up without regard to case.
#ifndef TROV_WORD_FREQUENCIES_H
#define TROV_WORD_FREQUENCIES_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace trov {

class WordFrequencies {
 public:
  // Reads a frequency file whole into *table: 0, TROV_ERR_FILE_OPEN, TROV_ERR_READ,
  // TROV_ERR_BAD_FORMAT (a line that is not word TAB count, a word longer than 80 characters, a
  // count above 2^32 - 1 or a file larger than kMaxFileSize) or TROV_ERR_NO_MEMORY. *table is
  // untouched on failure. A word listed twice adds up its counts.
  static int16_t Load(const char* fileName, std::shared_ptr<const WordFrequencies>& table);
  // The same from the file's bytes.
  static int16_t Parse(std::string_view bytes, std::shared_ptr<const WordFrequencies>& table);

  // log10(1 + count) of a lower-cased word (the file's words are lowered through the character
  // set selected when it was read); 0 for a word the file does not list.
  double LogCount(const std::string& lowerWord) const;
  size_t Size() const { return logCounts_.size(); }

  static constexpr size_t kMaxFileSize = 32u << 20;

 private:
  std::unordered_map<std::string, double> logCounts_;
};

}  // namespace trov

#endif  // TROV_WORD_FREQUENCIES_H
