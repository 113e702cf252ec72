// What a scan can know of a candidate without comparing its characters: its length, which
// classes of alike characters it holds once and twice, and how many of its characters repeat the
// one before. A comparator may rule out, from the sketch alone, candidates that cannot score
// high enough, and most candidates of a scan are ruled out that way.
#ifndef TROV_WORD_SKETCH_H
#define TROV_WORD_SKETCH_H

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "scan/bit_count.h"

namespace trov {

// The class (0..31) of every byte. Characters a comparator may credit as alike must share a
// class; classes may also join characters that are not alike, which only weakens the sketch.
using SketchClasses = std::array<uint8_t, 256>;

// A sketch counts at most this many characters.
inline constexpr int kMaxSketched = 255;

struct WordSketch {
  uint32_t once = 0;    // one bit per class the word holds at least once
  uint32_t twice = 0;   // ... at least twice
  uint8_t length = 0;   // characters
  uint8_t doubled = 0;  // characters equal to the character before them
  // In a run of sketches of packed words, taken kMostSketchedAtOnce at a time: where the word's
  // length byte lies from the first of its run's. Words are at most 255 bytes, so it fits.
  uint16_t place = 0;
};

// The bit of every byte's class, for sketching many words under the same classes.
using SketchClassBits = std::array<uint32_t, 256>;
SketchClassBits ClassBitsOf(const SketchClasses& classes);

// word must hold at most kMaxSketched characters.
WordSketch SketchOf(std::string_view word, const SketchClassBits& bits);
WordSketch SketchOf(std::string_view word, const SketchClasses& classes);

// Sketches words in ascending order, each resuming from the state after the characters it
// shares with the word before: sorted words share most of their beginnings.
class RunningSketcher {
 public:
  explicit RunningSketcher(const SketchClassBits& bits) : bits_(bits) {}

  // The sketch of word, which must hold at most kMaxSketched characters and share its first
  // shared characters with the word sketched last (0 for the first word).
  WordSketch Next(std::string_view word, std::size_t shared) {
    if (word.empty()) return {};
    const auto* bytes = reinterpret_cast<const unsigned char*>(word.data());
    Partial state;
    std::size_t i = shared;
    if (i == 0) {
      state = {bits_[bytes[0]], 0, 0};
      after_[0] = state;
      i = 1;
    } else {
      state = after_[i - 1];
    }
    // Doubled characters are counted without a branch: they come at no predictable place.
    for (; i < word.size(); ++i) {
      const uint32_t bit = bits_[bytes[i]];
      state.twice |= state.once & bit;
      state.once |= bit;
      state.doubled += bytes[i] == bytes[i - 1];
      after_[i] = state;
    }
    return {state.once, state.twice, static_cast<uint8_t>(word.size()),
            static_cast<uint8_t>(state.doubled)};
  }

 private:
  struct Partial {
    uint32_t once;
    uint32_t twice;
    unsigned doubled;
  };
  const SketchClassBits& bits_;
  // after_[i]: the state after i + 1 characters, written before it is read.
  std::array<Partial, kMaxSketched> after_;
};

// Every class count of one word, to pair its characters off against sketched words.
class ClassCounts {
 public:
  ClassCounts() = default;
  // word must hold at most kMaxSketched characters.
  ClassCounts(std::string_view word, const SketchClasses& classes);

  // At least as many as the characters of this word and of the sketched word that can be
  // paired off one to one within their classes, and never more than the sketched word's length.
  template <typename BitCount = PortableBitCount>
  [[gnu::always_inline]] int MostAlike(const WordSketch& other) const {
    // A class both words hold k times or more pairs off a k-th character; the sketch tells only
    // whether the other word holds a class twice, so beyond that it is taken to match as often.
    // Each class counted once and each counted twice stands for characters of the other word.
    int alike = BitCount::Of(uint64_t{sketch_.once & other.once} |
                             uint64_t{sketch_.twice & other.twice} << 32);
    const uint32_t beyond = thrice_ & other.twice;
    if (beyond == 0) return alike;
    for (uint32_t more = beyond; more != 0; more &= more - 1) {
      alike += beyondTwice_[static_cast<std::size_t>(std::countr_zero(more))];
    }
    return alike < other.length ? alike : other.length;
  }
  const WordSketch& Sketch() const { return sketch_; }
  uint32_t Thrice() const { return thrice_; }

 private:
  WordSketch sketch_;
  uint32_t thrice_ = 0;                    // the classes the word holds three times or more
  std::array<uint8_t, 32> beyondTwice_{};  // per class: how often it occurs beyond twice
};

}  // namespace trov

#endif  // TROV_WORD_SKETCH_H
