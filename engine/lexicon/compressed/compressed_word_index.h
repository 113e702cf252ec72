// What lets an in-memory compressed lexicon answer a lookup without decoding a segment: a table
// from the first key byte to its stretch of the index, and every word of the well-formed
// segments in one hash set. It is built once at open and only read afterwards, so any number of
// threads may use it at once.
#ifndef TROV_COMPRESSED_WORD_INDEX_H
#define TROV_COMPRESSED_WORD_INDEX_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "lexicon/compressed/compressed_segment.h"
#include "lexicon/compressed/word_hash_set.h"

namespace trov {

struct CompressedImage;
struct CompressedSegment;

class CompressedWordIndex {
 public:
  // What a segment answers for a word; kScan leaves it to the segment's decoding.
  enum class Answer { kAbsent, kPresent, kScan };

  // Indexes image, which must outlive this index. Whatever the index cannot answer exactly as
  // the decoding would (an index out of key order, a segment out of word order, memory short)
  // stays with the plain search.
  void Build(const CompressedImage& image);

  bool HasKeyTable() const { return segments_ != nullptr; }
  // With a key table: the key of index entry index.
  const uint8_t* Key(int32_t index) const;
  // With a key table: the index entries [first, end) whose keys begin with the two bytes given.
  struct KeyRange {
    int32_t first;
    int32_t end;
  };
  KeyRange KeysBeginningWith(uint8_t first, uint8_t second) const;
  // With a key table: the index entries whose keys begin with the byte given.
  KeyRange KeysBeginningWith(uint8_t first) const {
    return {firstWithByte_[first], firstWithByte_[first + 1u]};
  }
  // With a key table: the bytes some key holds at position (0 to 2), ascending.
  std::span<const uint8_t> KeyBytesAt(int position) const {
    const auto at = static_cast<std::size_t>(position);
    return std::span(keyBytes_[at]).first(keyByteCount_[at]);
  }
  // With a key table: the index entry whose key is key, or -1.
  int32_t FindKey(const uint8_t key[kKeyLength]) const;
  // Whether the segment of index entry index holds word (whose key leads to that entry):
  // byte for byte, or through the to-lower table of the selected character set.
  Answer Holds(int32_t index, const char* word, bool caseSensitive) const;

  // Whether some indexed segment holds word byte for byte. Keys are unique and every word of a
  // segment begins with its key, so that segment is the one the word's key leads to.
  bool HoldsWord(std::string_view word) const { return words_.Contains(word); }
  // How many words the indexed segments hold in all.
  std::size_t WordCount() const { return words_.Count(); }
  // Whether the words of index entry index are all in the set: then a word the set lacks is
  // not in that segment either.
  bool Indexes(int32_t index) const;
  // The words of an indexed segment in the order its decoding hands them out, packed as in
  // WordHashSet::Packed; nothing for a segment not indexed.
  std::span<const uint8_t> SegmentWords(int32_t index) const;
  // Calls visit with each of those words, as a std::string_view, while it answers true.
  template <typename Visit>
  void ForEachSegmentWord(int32_t index, Visit visit) const {
    const std::span<const uint8_t> packed = SegmentWords(index);
    for (std::size_t at = 0; at < packed.size(); at += 1 + packed[at]) {
      if (!visit(std::string_view(reinterpret_cast<const char*>(packed.data() + at + 1),
                                  packed[at]))) {
        return;
      }
    }
  }

  std::size_t BytesHeld() const;

 private:
  void Forget();

  const CompressedSegment* segments_ = nullptr;  // set once the key table is built
  // firstWithByte_[b]: the first index entry whose key begins with a byte of b or more.
  std::array<int32_t, 257> firstWithByte_{};
  std::array<std::array<uint8_t, 256>, kKeyLength> keyBytes_{};
  std::array<std::size_t, kKeyLength> keyByteCount_{};
  // Per index entry: kIndexed when its words are in words_, and one bit per character set under
  // which a caseless match may be looked up as a lower-cased word.
  std::vector<uint16_t> segmentFlags_;
  // wordsFrom_[i]: where the words of index entry i begin in the packed words; one more entry
  // marks their end.
  std::vector<uint32_t> wordsFrom_;
  WordHashSet words_;
};

}  // namespace trov

#endif  // TROV_COMPRESSED_WORD_INDEX_H
