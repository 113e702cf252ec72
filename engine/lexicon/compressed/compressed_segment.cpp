// Segment entries are front-coded against the previous word of the same segment and may end in a
// shared suffix; the reader rebuilds each word in one buffer, which keeps the reused characters.
#include "lexicon/compressed/compressed_segment.h"

#include <cstring>
#include <new>

namespace trov {

bool SuffixTable::Adopt(std::unique_ptr<char[]> block, std::size_t size) {
  int32_t count = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (block[i] == '\0') ++count;
  }
  std::unique_ptr<const char*[]> strings(new (std::nothrow) const char*[count > 0 ? count : 1]);
  if (!strings) return false;
  std::size_t start = 0;
  int32_t n = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (block[i] != '\0') continue;
    strings[n++] = block.get() + start;
    start = i + 1;
  }
  block_ = std::move(block);
  strings_ = std::move(strings);
  count_ = count;
  return true;
}

void MakeKey(const char* word, uint8_t key[kKeyLength]) {
  int i = 0;
  for (; i < kKeyLength && word[i] != '\0'; ++i) key[i] = static_cast<uint8_t>(word[i]);
  for (; i < kKeyLength; ++i) key[i] = 0;
}

SegmentReader::SegmentReader(const uint8_t key[kKeyLength], std::span<const uint8_t> bytes,
                             SuffixList simple, SuffixList extended)
    : bytes_(bytes), simple_(simple), extended_(extended), length_(kKeyLength) {
  std::memcpy(word_, key, kKeyLength);
  word_[kKeyLength] = '\0';
  // Only a full three-character key heads a segment; a shorter one is a word of its own.
  failed_ = KeyLength(key) < kKeyLength;
}

// One pass over the short suffix instead of measuring it and then copying it. A suffix that
// does not fit leaves length_ as it was; the walk then ends, so the bytes written past it are
// never read.
bool SegmentReader::Append(const char* text) {
  int length = length_;
  for (; *text != '\0'; ++text) {
    if (length >= kMaxSegmentWord) return false;
    word_[length++] = *text;
  }
  length_ = length;
  return true;
}

// The cursor and the length live in locals while the characters are copied: stores into the
// word buffer could otherwise alias them and force a reload for every character.
bool SegmentReader::Next() {
  const uint8_t* const bytes = bytes_.data();
  const std::size_t size = bytes_.size();
  std::size_t position = position_;
  if (failed_ || position >= size) return false;
  const int shared = bytes[position++];
  // The reused characters must exist in the previous word, which is still in the buffer.
  if (shared > length_ - kKeyLength) {
    failed_ = true;
    return false;
  }
  int length = kKeyLength + shared;
  unchanged_ = position_ == 0 ? 0 : length;
  while (position < size && bytes[position] >= kCodeFirstCharacter && length < kMaxSegmentWord) {
    word_[length++] = static_cast<char>(bytes[position++]);
  }
  position_ = position + 1;
  length_ = length;
  if (position >= size || bytes[position] >= kCodeFirstCharacter) {
    failed_ = true;  // the entry runs past the segment or grows the word beyond its longest
    return false;
  }
  const uint8_t code = bytes[position];
  if (code == kCodeEndOfWord) {
    word_[length_] = '\0';
    return true;
  }
  const char* suffix = nullptr;
  if (code == kCodeExtendedSuffix) {
    if (position_ >= size || bytes[position_] >= extended_.count) {
      failed_ = true;
      return false;
    }
    suffix = extended_.strings[bytes[position_++]];
  } else {
    const int index = code - kCodeFirstSimpleSuffix;
    if (index >= simple_.count) {
      failed_ = true;
      return false;
    }
    suffix = simple_.strings[index];
  }
  if (!Append(suffix)) {
    failed_ = true;
    return false;
  }
  word_[length_] = '\0';
  return true;
}

}  // namespace trov
