// Slots carry eight bits of the word's hash beside its offset, so a probe that meets another
// word rarely reads that word's bytes. Linear probing keeps the probes of one lookup within a
// cache line or two even at the table's highest load.
#include "lexicon/word_hash_set.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace trov {
namespace {

constexpr uint32_t kOffsetBits = 24;
constexpr uint32_t kOffsetMask = (1u << kOffsetBits) - 1;
// At most four words to every five slots.
constexpr std::size_t kLoadNumerator = 4;
constexpr std::size_t kLoadDenominator = 5;
constexpr std::size_t kMinSlots = 8;

uint64_t Mix(uint64_t h) {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 33;
  return h;
}

// Eight bytes at a time; words are short, so a loop over bytes would dominate a lookup.
uint64_t HashWord(std::string_view word) {
  uint64_t h = 0x9E3779B97F4A7C15ull ^ word.size();
  const char* p = word.data();
  std::size_t left = word.size();
  for (; left >= sizeof(uint64_t); left -= sizeof(uint64_t), p += sizeof(uint64_t)) {
    uint64_t chunk;
    std::memcpy(&chunk, p, sizeof chunk);
    h = (h ^ chunk) * 0x9FB21C651E98DF25ull;
    h ^= h >> 29;
  }
  uint64_t chunk = 0;
  std::memcpy(&chunk, p, left);
  return Mix(h ^ chunk);
}

uint32_t TagOf(uint64_t hash) { return static_cast<uint32_t>(hash >> 56) << kOffsetBits; }

}  // namespace

bool WordHashSet::Reserve(std::size_t words, std::size_t wordBytes) {
  slots_.clear();
  words_.clear();
  count_ = 0;
  maxCount_ = 0;
  maxWordBytes_ = 0;
  // Every word adds its length byte; offsets plus one must fit beside the tag.
  const std::size_t storedBytes = wordBytes + words;
  if (storedBytes < wordBytes || storedBytes > kOffsetMask - 1) return false;
  const std::size_t leastSlots = (words * kLoadDenominator + kLoadNumerator - 1) / kLoadNumerator;
  const std::size_t slots = std::bit_ceil(std::max(kMinSlots, leastSlots + 1));
  slots_.assign(slots, 0);
  words_.reserve(storedBytes);
  maxCount_ = words;
  maxWordBytes_ = storedBytes;
  return true;
}

std::size_t WordHashSet::Probe(std::string_view word, uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const uint32_t tag = TagOf(hash);
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const uint32_t slot = slots_[i];
    if (slot == 0) return i;
    if ((slot & ~kOffsetMask) != tag) continue;
    const uint8_t* stored = words_.data() + ((slot & kOffsetMask) - 1);
    if (stored[0] == word.size() && std::memcmp(stored + 1, word.data(), word.size()) == 0) {
      return i;
    }
  }
}

bool WordHashSet::Insert(std::string_view word) {
  if (slots_.empty() || word.size() > kMaxWordLength) return false;
  const uint64_t hash = HashWord(word);
  const std::size_t at = Probe(word, hash);
  if (slots_[at] != 0) return true;
  if (count_ == maxCount_ || words_.size() + 1 + word.size() > maxWordBytes_) return false;
  slots_[at] = TagOf(hash) | static_cast<uint32_t>(words_.size() + 1);
  words_.push_back(static_cast<uint8_t>(word.size()));
  words_.insert(words_.end(), word.begin(), word.end());
  ++count_;
  return true;
}

bool WordHashSet::Contains(std::string_view word) const {
  if (slots_.empty() || word.size() > kMaxWordLength) return false;
  return slots_[Probe(word, HashWord(word))] != 0;
}

std::size_t WordHashSet::BytesHeld() const {
  return slots_.capacity() * sizeof(uint32_t) + words_.capacity();
}

}  // namespace trov
