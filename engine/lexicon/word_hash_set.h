// A fixed set of short byte strings answering membership in constant time: the words live once,
// packed in one block, and an open-addressing table of 32-bit slots points into it.
#ifndef TROV_WORD_HASH_SET_H
#define TROV_WORD_HASH_SET_H

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace trov {

class WordHashSet {
 public:
  // Longest word the set stores: each word's length is kept in one byte.
  static constexpr std::size_t kMaxWordLength = 255;

  // Empties the set and makes room for words strings of wordBytes bytes in all; false when that
  // is more than the slots can address. Throws std::bad_alloc when memory is short.
  bool Reserve(std::size_t words, std::size_t wordBytes);
  // Adds word unless it is there already; false when it does not fit what Reserve promised.
  bool Insert(std::string_view word);
  bool Contains(std::string_view word) const;

  std::size_t Count() const { return count_; }
  std::size_t BytesHeld() const;

 private:
  // The slot holding word, or the empty slot where it belongs.
  std::size_t Probe(std::string_view word, uint64_t hash) const;

  std::vector<uint32_t> slots_;  // 0 = empty, else tag << 24 | (offset of the word + 1)
  std::vector<uint8_t> words_;   // each word: its length, then its bytes
  std::size_t count_ = 0;
  std::size_t maxCount_ = 0;
  std::size_t maxWordBytes_ = 0;
};

}  // namespace trov

#endif  // TROV_WORD_HASH_SET_H
