// Decoding of compressed lexicon segments: the suffix tables that entries refer to and the reader
// that turns a segment's front-coded entries back into words.
#ifndef TROV_COMPRESSED_SEGMENT_H
#define TROV_COMPRESSED_SEGMENT_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "scan/segmented_words.h"

namespace trov {

// Longest word a segment may hold; the engine itself looks up at most 80 characters.
inline constexpr int kMaxSegmentWord = 83;

// Entry codes below the first character code.
inline constexpr uint8_t kCodeEndOfWord = 0x00;
inline constexpr uint8_t kCodeExtendedSuffix = 0x01;
inline constexpr uint8_t kCodeFirstSimpleSuffix = 0x02;
inline constexpr uint8_t kCodeFirstCharacter = 0x20;
inline constexpr int kMaxSimpleSuffixes = kCodeFirstCharacter - kCodeFirstSimpleSuffix;  // 30
inline constexpr int kMaxExtendedSuffixes = 256;

// A numbered list of NUL-terminated suffix strings.
struct SuffixList {
  const char* const* strings;
  int32_t count;
};

// Owns one suffix table as read from a file: the block of packed strings and the pointers to
// them. Only NUL-terminated strings are numbered, so a block whose last bytes lack their NUL
// never hands out an unterminated string.
class SuffixTable {
 public:
  // Takes over block (size bytes); false when the pointer array cannot be allocated.
  bool Adopt(std::unique_ptr<char[]> block, std::size_t size);
  SuffixList List() const { return {strings_.get(), count_}; }

 private:
  std::unique_ptr<char[]> block_;
  std::unique_ptr<const char*[]> strings_;
  int32_t count_ = 0;
};

// The key of word: its first three bytes, NUL-padded when it is shorter.
void MakeKey(const char* word, uint8_t key[kKeyLength]);

// Walks the entries of one segment in order. A malformed entry (one that runs past the
// segment's end, reuses more characters than the previous word has, grows a word beyond
// kMaxSegmentWord or names a suffix the tables lack) ends the walk as the segment's end would.
class SegmentReader {
 public:
  SegmentReader(const uint8_t key[kKeyLength], std::span<const uint8_t> bytes, SuffixList simple,
                SuffixList extended);

  // Decodes the next word into Word(); false at the end of the segment.
  bool Next();
  const char* Word() const { return word_; }
  int Length() const { return length_; }
  // How many leading characters Word() kept from the word before it: 0 for the first word.
  int Unchanged() const { return unchanged_; }

 private:
  bool Append(const char* text);

  std::span<const uint8_t> bytes_;
  std::size_t position_ = 0;
  SuffixList simple_;
  SuffixList extended_;
  char word_[kMaxSegmentWord + 1];
  int length_;
  int unchanged_ = 0;
  bool failed_ = false;
};

}  // namespace trov

#endif  // TROV_COMPRESSED_SEGMENT_H
