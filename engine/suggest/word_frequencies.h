// How common words are in real text, read from a frequency file: lines of a word, a tab and how
// often it was counted (decimal), the words lower-case and in byte order, each once. The ranked
// suggestions prefer the commoner of two candidates that are otherwise alike.
#ifndef TROV_WORD_FREQUENCIES_H
#define TROV_WORD_FREQUENCIES_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trov {

class WordFrequencies {
 public:
  // Reads a frequency file whole into *table: 0, TROV_ERR_FILE_OPEN, TROV_ERR_READ,
  // TROV_ERR_BAD_FORMAT (a line that is not word TAB count, a word longer than 80 characters or
  // with an upper-case letter of the selected character set, words out of byte order or repeated,
  // a count above 2^32 - 1, or a file larger than kMaxFileSize) or TROV_ERR_NO_MEMORY. *table is
  // untouched on failure.
  static int16_t Load(const char* fileName, std::shared_ptr<const WordFrequencies>& table);
  // The same from the file's bytes.
  static int16_t Parse(std::string bytes, std::shared_ptr<const WordFrequencies>& table);

  // log10(1 + count) of a lower-cased word; 0 for a word the file does not list.
  double LogCount(std::string_view lowerWord) const;
  size_t Size() const { return entries_.size(); }

  static constexpr size_t kMaxFileSize = 32u << 20;

 private:
  // A word of the file, found in its bytes; kept in the file's order for binary search.
  struct Entry {
    uint32_t offset;
    uint32_t length;
    double logCount;
  };

  std::string_view WordOf(const Entry& entry) const {
    return std::string_view(bytes_).substr(entry.offset, entry.length);
  }

  std::string bytes_;
  std::vector<Entry> entries_;
};

}  // namespace trov

#endif  // TROV_WORD_FREQUENCIES_H
