// A fixed set of short byte strings answering membership in constant time: the words live once,
// packed in one block, and an open-addressing table of 32-bit slots points into it. Words are
// added first and the table is built once over all of them, so adding costs a copy and no probe.
#ifndef TROV_WORD_HASH_SET_H
#define TROV_WORD_HASH_SET_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>
#include <utility>

#include "base/large_block.h"

namespace trov {

class WordHashSet {
 public:
  // Longest word the set stores: each word's length is kept in one byte.
  static constexpr std::size_t kMaxWordLength = 255;

  WordHashSet() = default;
  // The table may lie in the words' block, so a moved-from set is left empty.
  WordHashSet(WordHashSet&& other) noexcept { *this = std::move(other); }
  WordHashSet& operator=(WordHashSet&& other) noexcept;

  // Adds word to the words the next Seal makes searchable; false when it is too long or the
  // words would outgrow what the slots can address. Throws std::bad_alloc when memory is short.
  bool Add(std::string_view word) {
    // Inline for the common case: an index build adds every word of a lexicon.
    const std::size_t stored = 1 + word.size();
    if (word.size() > kMaxWordLength || used_ + stored > capacity_) return AddGrowing(word);
    words_[used_] = static_cast<uint8_t>(word.size());
    std::memcpy(words_.get() + used_ + 1, word.data(), word.size());
    used_ += stored;
    ++count_;
    return true;
  }
  // Makes room for words taking about bytes in all (each takes one more than its length), so
  // that adding them copies nothing. Throws std::bad_alloc when memory is short.
  void Reserve(std::size_t bytes);
  // The bytes the added words take so far; DropFrom(that) takes back every word added since.
  std::size_t AddedBytes() const { return used_; }
  void DropFrom(std::size_t addedBytes);
  // Builds the table over every word added, once all are added; until then Contains answers
  // false. A word added twice only takes room twice. Throws std::bad_alloc when memory is short.
  void Seal();

  bool Contains(std::string_view word) const;
  // How many words are added and not dropped.
  std::size_t Count() const { return count_; }
  // Every word added and not dropped, in the order added: its length byte, then its bytes.
  std::span<const uint8_t> Packed() const { return {words_.get(), used_}; }
  std::size_t BytesHeld() const;

 private:
  bool AddGrowing(std::string_view word);
  void Resize(std::size_t capacity);
  // The hash bits a slot keeps beside the offset, in place; the bits of the offset.
  uint32_t TagOf(uint64_t hash) const;
  uint32_t OffsetMask() const;

  // Each word: its length, then its bytes, in a large block (it is the bulk of an index).
  std::unique_ptr<uint8_t[], LargeBlockFree> words_;
  // A slot holds the offset of its word plus one in its low bits and as much of the word's hash
  // as the rest can hold: eight bits while the words take less than 16 MB, fewer above (the
  // largest languages' words take up to about 60 MB), none at 4 GB.
  static constexpr int kLeastOffsetBits = 24;
  // 0 = empty, else tag << offsetBits_ | (offset of the word + 1). In the room the words leave in
  // their block where it is enough (a large block fills whole huge pages), else in a block of
  // their own.
  std::span<uint32_t> slots_;
  std::unique_ptr<uint32_t[], LargeBlockFree> ownSlots_;
  std::size_t capacity_ = 0;           // bytes of words_
  std::size_t used_ = 0;               // bytes of words_ that hold words
  std::size_t count_ = 0;              // words in those bytes
  int offsetBits_ = kLeastOffsetBits;  // set by Seal: what the words' offsets need
};

}  // namespace trov

#endif  // TROV_WORD_HASH_SET_H
