// What a scored candidate scan reads of a lexicon that keeps its words in segments under sorted
// keys: the key of each segment, the words of the segments held packed in memory, and the
// decoding of any other segment. The compressed lexicons provide it; the scan (scored_scan.h)
// works over it alone.
#ifndef TROV_SEGMENTED_WORDS_H
#define TROV_SEGMENTED_WORDS_H

#include <cstddef>
#include <cstdint>
#include <span>

namespace trov {

// A key is a word's first three bytes; a word of one or two letters is a key of its own, padded
// with NULs, and has no segment.
inline constexpr int kKeyLength = 3;

// The number of characters a key holds (0 to 3).
inline int KeyLength(const uint8_t key[kKeyLength]) {
  int n = 0;
  while (n < kKeyLength && key[n] != 0) ++n;
  return n;
}

// Takes the words of a decoded segment, in order.
class DecodedWords {
 public:
  // word holds length characters and a NUL; its first unchanged characters are those of the
  // word before it (0 for the first word).
  virtual void Take(const char* word, int length, int unchanged) = 0;

 protected:
  ~DecodedWords() = default;
};

class SegmentedWords {
 public:
  // The segments, in ascending key order.
  virtual int32_t SegmentCount() const = 0;
  virtual const uint8_t* Key(int32_t index) const = 0;
  // Whether the words of some segments are held packed in memory, with keys in strictly
  // ascending order: only then can a scan sketch them.
  virtual bool HoldsPackedWords() const = 0;
  // How many words the packed segments hold in all.
  virtual std::size_t PackedWordCount() const = 0;
  // Whether the words of segment index are held packed.
  virtual bool IsPacked(int32_t index) const = 0;
  // The words of a packed segment in order, each a length byte followed by its characters;
  // nothing for a segment not packed.
  virtual std::span<const uint8_t> PackedWords(int32_t index) const = 0;
  // Hands the words of segment index to words, in order; 0, or the error of a segment that
  // could not be read.
  virtual int16_t DecodeSegment(int32_t index, DecodedWords& words) = 0;

 protected:
  ~SegmentedWords() = default;
};

}  // namespace trov

#endif  // TROV_SEGMENTED_WORDS_H
