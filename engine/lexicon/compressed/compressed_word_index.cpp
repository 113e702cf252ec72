// An exact lookup scans its segment only until an entry sorts after the word, so a hash of the
// segment's words answers the same only when the segment ascends: a segment that does not, or
// that the reader cannot decode to its end, keeps its answers as decoded. Words after a fault are
// never seen by either search, so the hash holds exactly the words the reader hands out.
//
// A caseless lookup compares every word of a segment through the to-lower table. When every
// character after the key of every word in the segment is its own lower case, the only word that
// can match is the key followed by the lower-cased rest of the looked-up word, and one hash
// probe answers. Which segments qualify depends on the character set, so it is noted per set.
#include "lexicon/compressed/compressed_word_index.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>

#include "lexicon/compressed/image_lexicon.h"
#include "text/charset.h"

namespace trov {
namespace {

constexpr uint16_t kIndexed = 1;

uint16_t CharSetBit(int id) { return static_cast<uint16_t>(1u << id); }

using ByteSet = std::array<uint64_t, 4>;

void AddByte(ByteSet& set, unsigned char c) { set[c >> 6] |= uint64_t{1} << (c & 63); }
bool HasByte(const ByteSet& set, unsigned char c) { return (set[c >> 6] >> (c & 63)) & 1; }

// Per byte: the bits of the character sets under which it is not its own lower case, or which
// lower some byte other than NUL to NUL (a caseless comparison could then match words of
// different lengths, so no segment qualifies there but one of bare keys).
std::array<uint16_t, 256> CaselessSpoilers() {
  std::array<uint16_t, 256> spoilers{};
  for (int id = kFirstCharSet; id <= kLastCharSet; ++id) {
    const CharSetTables& tables = CharSetById(id);
    bool keepsLength = tables.lower[0] == 0;
    for (int c = 1; c < 256; ++c) {
      if (tables.lower[c] == 0) keepsLength = false;
    }
    for (int c = 0; c < 256; ++c) {
      if (!keepsLength || tables.lower[c] != c)
        spoilers[static_cast<std::size_t>(c)] |= CharSetBit(id);
    }
  }
  return spoilers;
}

uint16_t EveryCharSet() {
  uint16_t bits = 0;
  for (int id = kFirstCharSet; id <= kLastCharSet; ++id) bits |= CharSetBit(id);
  return bits;
}

bool KeysAscend(const CompressedImage& image) {
  for (int32_t i = 1; i < image.segmentCount; ++i) {
    if (std::memcmp(image.segments[i - 1].key, image.segments[i].key, kKeyLength) >= 0) {
      return false;
    }
  }
  return true;
}

SegmentReader ReaderOf(const CompressedImage& image, const CompressedSegment& segment) {
  return SegmentReader(segment.key, {segment.data, segment.size}, image.simpleSuffixes,
                       image.extendedSuffixes);
}

enum class Filling { kAdded, kUnordered, kFull };

// Adds every word of segment to words in one decoding and gathers, into spoiled, the character
// sets under which some byte after the key of some word is not its own lower case. Each word
// differs from the one before only after the characters it kept, so only those are compared
// (with the word before as added) and surveyed.
Filling AddSegmentWords(const CompressedImage& image, const CompressedSegment& segment,
                        WordHashSet& words, uint16_t& spoiled) {
  static const std::array<uint16_t, 256> spoilers = CaselessSpoilers();
  SegmentReader reader = ReaderOf(image, segment);
  std::size_t previousAt = 0;
  while (reader.Next()) {
    const std::string_view word(reader.Word(), static_cast<std::size_t>(reader.Length()));
    const auto kept = static_cast<std::size_t>(reader.Unchanged());
    if (kept > 0) {
      // The reader keeps no more characters than the word before holds.
      const uint8_t* before = words.Packed().data() + previousAt;
      const std::string_view previous(reinterpret_cast<const char*>(before + 1), before[0]);
      // They mostly differ right there; the reader ends its word with a NUL.
      const auto then = static_cast<unsigned char>(kept < previous.size() ? previous[kept] : 0);
      const auto now = static_cast<unsigned char>(reader.Word()[kept]);
      if (now < then || (now == then && previous.substr(kept).compare(word.substr(kept)) > 0)) {
        return Filling::kUnordered;
      }
    }
    for (std::size_t i = std::max<std::size_t>(kKeyLength, kept); i < word.size(); ++i) {
      spoiled |= spoilers[static_cast<unsigned char>(word[i])];
    }
    previousAt = words.AddedBytes();
    if (!words.Add(word)) return Filling::kFull;
  }
  return Filling::kAdded;
}

uint8_t SecondByte(uint8_t byte) { return byte; }
uint8_t SecondByte(const CompressedSegment& segment) { return segment.key[1]; }

// Only a full key heads a segment, and its bytes must be there to be read.
bool CanIndex(const CompressedSegment& segment) {
  return KeyLength(segment.key) == kKeyLength && (segment.data != nullptr || segment.size == 0);
}

}  // namespace

void CompressedWordIndex::Build(const CompressedImage& image) {
  if (image.segmentCount <= 0 || !KeysAscend(image)) return;
  int32_t next = 0;
  for (int b = 0; b < 256; ++b) {
    while (next < image.segmentCount && image.segments[next].key[0] < b) ++next;
    firstWithByte_[static_cast<std::size_t>(b)] = next;
  }
  firstWithByte_[256] = image.segmentCount;
  for (int k = 0; k < kKeyLength; ++k) {
    ByteSet held{};
    for (int32_t i = 0; i < image.segmentCount; ++i) AddByte(held, image.segments[i].key[k]);
    for (int c = 0; c < 256; ++c) {
      if (HasByte(held, static_cast<unsigned char>(c))) {
        keyBytes_[k][keyByteCount_[k]++] = static_cast<uint8_t>(c);
      }
    }
  }
  segments_ = image.segments;

  try {
    static const uint16_t everyCharSet = EveryCharSet();
    // Segments hold their words compressed, most of them to a fourth or more.
    std::size_t compressed = 0;
    for (int32_t i = 0; i < image.segmentCount; ++i) compressed += image.segments[i].size;
    words_.Reserve(compressed * 4);
    segmentFlags_.assign(static_cast<std::size_t>(image.segmentCount), 0);
    wordsFrom_.assign(static_cast<std::size_t>(image.segmentCount) + 1, 0);
    for (int32_t i = 0; i < image.segmentCount; ++i) {
      wordsFrom_[static_cast<std::size_t>(i)] = static_cast<uint32_t>(words_.AddedBytes());
      const CompressedSegment& segment = image.segments[i];
      if (!CanIndex(segment)) continue;
      const std::size_t mark = words_.AddedBytes();
      uint16_t spoiled = 0;
      const Filling filling = AddSegmentWords(image, segment, words_, spoiled);
      if (filling == Filling::kFull) {
        Forget();
        return;
      }
      if (filling == Filling::kUnordered) {
        words_.DropFrom(mark);
        continue;
      }
      segmentFlags_[static_cast<std::size_t>(i)] = kIndexed | (everyCharSet & ~spoiled);
    }
    wordsFrom_.back() = static_cast<uint32_t>(words_.AddedBytes());
    words_.Seal();
  } catch (const std::bad_alloc&) {
    Forget();
  }
}

// Too many words for the slots, or memory short: every segment stays with the plain search.
void CompressedWordIndex::Forget() {
  segmentFlags_.clear();
  wordsFrom_.clear();
  words_ = WordHashSet();
}

const uint8_t* CompressedWordIndex::Key(int32_t index) const { return segments_[index].key; }

CompressedWordIndex::KeyRange CompressedWordIndex::KeysBeginningWith(uint8_t first,
                                                                     uint8_t second) const {
  const CompressedSegment* begin = segments_ + firstWithByte_[first];
  const CompressedSegment* end = segments_ + firstWithByte_[first + 1];
  const auto [from, to] = std::equal_range(begin, end, second, [](const auto& a, const auto& b) {
    return SecondByte(a) < SecondByte(b);
  });
  return {static_cast<int32_t>(from - segments_), static_cast<int32_t>(to - segments_)};
}

int32_t CompressedWordIndex::FindKey(const uint8_t key[kKeyLength]) const {
  // Within the stretch of one first byte only the other two decide.
  const auto rest = [](const uint8_t* k) { return (k[1] << 8) | k[2]; };
  const int target = rest(key);
  int32_t low = firstWithByte_[key[0]];
  int32_t high = firstWithByte_[key[0] + 1] - 1;
  while (low <= high) {
    const int32_t middle = low + (high - low) / 2;
    const int found = rest(segments_[middle].key);
    if (found == target) return middle;
    if (found < target) {
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  return -1;
}

bool CompressedWordIndex::Indexes(int32_t index) const {
  return index >= 0 && static_cast<std::size_t>(index) < segmentFlags_.size() &&
         (segmentFlags_[static_cast<std::size_t>(index)] & kIndexed);
}

std::span<const uint8_t> CompressedWordIndex::SegmentWords(int32_t index) const {
  if (!Indexes(index)) return {};
  const auto i = static_cast<std::size_t>(index);
  return words_.Packed().subspan(wordsFrom_[i], wordsFrom_[i + 1] - wordsFrom_[i]);
}

CompressedWordIndex::Answer CompressedWordIndex::Holds(int32_t index, const char* word,
                                                       bool caseSensitive) const {
  if (!Indexes(index)) return Answer::kScan;
  const uint16_t flags = segmentFlags_[static_cast<std::size_t>(index)];
  const std::size_t length = std::strlen(word);
  if (caseSensitive) {
    return words_.Contains({word, length}) ? Answer::kPresent : Answer::kAbsent;
  }
  if (!(flags & CharSetBit(SelectedCharSetId()))) return Answer::kScan;
  // Every word of the segment is as long as its lower-cased form and no longer than this.
  if (length > static_cast<std::size_t>(kMaxSegmentWord)) return Answer::kAbsent;
  const uint8_t* key = segments_[index].key;
  char lowered[kMaxSegmentWord];
  for (std::size_t i = 0; i < length; ++i) {
    const auto c = static_cast<unsigned char>(word[i]);
    if (i < static_cast<std::size_t>(kKeyLength)) {
      if (ToLower(key[i]) != ToLower(c)) return Answer::kAbsent;
      lowered[i] = static_cast<char>(key[i]);
    } else {
      lowered[i] = static_cast<char>(ToLower(c));
    }
  }
  return words_.Contains({lowered, length}) ? Answer::kPresent : Answer::kAbsent;
}

std::size_t CompressedWordIndex::BytesHeld() const {
  return segmentFlags_.capacity() * sizeof(uint16_t) + wordsFrom_.capacity() * sizeof(uint32_t) +
         words_.BytesHeld();
}

}  // namespace trov
