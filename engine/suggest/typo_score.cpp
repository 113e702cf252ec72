// The typing-error score: two cursors walk the words side by side and every aligned position
// earns a credit, 100 for the same character and less for a case or accent difference, swapped
// neighbours, an extra or missing character, or a substitution weighted by letter similarity.
#include "suggest/typo_score.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <numeric>

#include "scan/typo_credits.h"
#include "text/charset.h"

namespace trov {
namespace {

// Row: base letter of the misspelled word's character; column: the candidate's. Nearly
// symmetric: C/T, D/T, E/T, G/T and L/O differ by direction.
// clang-format off
constexpr std::array<std::array<int8_t, 26>, 26> kLetterSimilarity = {{
    //  A    B    C    D    E    F    G    H    I    J    K    L    M    N    O    P    Q    R    S    T    U    V    W    X    Y    Z
    {100,   0,   5,  15,  40,   0,   0,   0,  20,   0,   0,   0,   0,   0,  40,   0,  40,   0,  20,   0,  20,   0,  20,   0,   0,   0},  // A
    {  0, 100,   0,  15,   0,   5,  10,  15,   0,   0,   0,   5,   0,  20,  10,  20,   5,   0,   0,  10,   0,  20,   0,   0,   0,   0},  // B
    {  5,   0, 100,  20,  20,  10,   0,   0,   0,   0,  20,   0,   0,   0,  10,   0,  20,   0,  10,   0,   0,  20,   0,  20,   0,  20},  // C
    { 15,  15,  20, 100,  10,  20,   0,   0,   0,   0,   0,   5,   0,   0,   5,   5,   5,   5,  20,  20,   0,   0,   5,  10,   0,   0},  // D
    { 40,   0,  20,  10, 100,   0,   0,   0,  20,   0,   0,   0,   0,   0,  40,   0,   0,  20,  10,   5,  20,   0,  20,   0,   5,   0},  // E
    {  0,   5,  10,  20,   0, 100,  20,   0,   5,   0,   0,   0,   0,   0,   0,   5,   0,  10,  10,  10,   0,  30,   0,   0,   0,   0},  // F
    {  0,  10,   0,   0,   0,  20, 100,  20,   0,  20,   0,   0,   0,   0,   0,   0,   5,   5,   0,  10,   0,  10,   0,   0,   5,   0},  // G
    {  0,  15,   0,   0,   0,   0,  20, 100,   0,  20,  20,  10,   0,  10,   0,   0,   0,   0,   0,   0,   5,   0,   0,   0,  10,   0},  // H
    { 20,   0,   0,   0,  20,   5,   0,   0, 100,  25,  10,  25,   0,   0,  40,   0,   0,   0,   0,   5,  40,   0,   0,   0,   0,   0},  // I
    {  0,   0,   0,   0,   0,   0,  20,  20,  25, 100,  20,   0,  10,  10,   0,   0,   0,   0,   0,   0,  10,   0,   0,   0,   0,   0},  // J
    {  0,   0,  20,   0,   0,   0,   0,  20,  10,  20, 100,  30,  10,   0,   5,   0,  20,   0,   0,   0,   0,   0,   0,   0,   0,   0},  // K
    {  0,   5,   0,   5,   0,   0,   0,  10,  25,   0,  30, 100,   0,   0,   5,   0,   0,   5,   0,  20,   0,   0,   0,   0,   0,   0},  // L
    {  0,   0,   0,   0,   0,   0,   0,   0,   0,  10,  10,   0, 100,  60,   0,   0,   0,   0,   0,   0,   0,   0,  10,   0,   0,   0},  // M
    {  0,  20,   0,   0,   0,   0,   0,  10,   0,  10,   0,   0,  60, 100,   0,   0,   0,   0,   0,   0,  20,   0,   0,   0,   0,   0},  // N
    { 40,  10,  10,   5,  40,   0,   0,   0,  40,   0,   5,   0,   0,   0, 100,  30,  20,   0,   0,   0,  20,   0,  10,   0,   0,   0},  // O
    {  0,  20,   0,   5,   0,   5,   0,   0,   0,   0,   0,   0,   0,   0,  30, 100,  20,   0,   0,  20,   0,   0,   0,   0,   0,   0},  // P
    { 40,   5,  20,   5,   0,   0,   5,   0,   0,   0,  20,   0,   0,   0,  20,  20, 100,   0,   0,   0,   0,   0,  20,   0,   0,   0},  // Q
    {  0,   0,   0,   5,  20,  10,   5,   0,   0,   0,   0,   5,   0,   0,   0,   0,   0, 100,   0,  20,   0,   0,   0,   0,   0,   0},  // R
    { 20,   0,  10,  20,  10,  10,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, 100,   0,   0,   0,  10,  20,   0,  25},  // S
    {  0,  10,  20,   5,  10,  10,   0,   0,   5,   0,   0,  20,   0,   0,   0,  20,   0,  20,   0, 100,   0,   0,   0,   0,  20,   0},  // T
    { 20,   0,   0,   0,  20,   0,   0,   5,  40,  10,   0,   0,   0,  20,  20,   0,   0,   0,   0,   0, 100,  20,  10,   0,  20,   0},  // U
    {  0,  20,  20,   0,   0,  30,  10,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  20, 100,  20,   0,  10,   0},  // V
    { 20,   0,   0,   5,  20,   0,   0,   0,   0,   0,   0,   0,  10,   0,  10,   0,  20,   0,  10,   0,  10,  20, 100,   0,   0,   0},  // W
    {  0,   0,  20,  10,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  20,   0,   0,   0,   0, 100,   0,  20},  // X
    {  0,   0,   0,   0,   5,   0,   5,  10,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  20,  20,  10,   0,   0, 100,   0},  // Y
    {  0,   0,  20,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  25,   0,   0,   0,   0,  20,   0, 100},  // Z
}};
// clang-format on

// Most that a position taking a character from one word only can earn: a doubled letter.
constexpr int kOneSidedMost = kDoubledOther;

// The unaccented upper-case letter c is built on, or c itself when it has none.
unsigned char Base(const CharSetTables& set, unsigned char c) {
  return set.base[c] != 0 ? set.base[c] : c;
}
bool Is(const CharSetTables& set, unsigned char c, uint8_t classBit) {
  return (set.classes[c] & classBit) != 0;
}
bool IsTableLetter(unsigned char base) { return base >= 'A' && base <= 'Z'; }

// Letters without a base letter (all of them in the Cyrillic and Greek sets) stand outside the
// similarity table; there a letter against its own other case still counts as a case difference,
// so such words are not ranked as if every capital were a wrong letter.
inline int SubstitutionCredit(const CharSetTables& set, unsigned char ca, unsigned char cb,
                              unsigned char baseA, unsigned char baseB) {
  if (!Is(set, ca, kClassLetter) || !Is(set, cb, kClassLetter)) return 0;
  if (IsTableLetter(baseA) && IsTableLetter(baseB)) return LetterSimilarity(baseA, baseB);
  return set.lower[ca] == set.lower[cb] ? kIdentical - kCaseDifference : 0;
}

// Whether a walk can no longer end above floor, whatever the characters it has not reached.
//
// From a point with credit S over n positions and r_a, r_b characters left in the two words, let
// k be the positions still to come that take a character from both words (a pair of swapped
// neighbours counts as two). Each earns at most 100 (a swapped pair at most 160 for two). Every
// other position to come takes a character from one word only (an extra character, or one left
// over at the end) and earns at most 80. Every character is taken once, so T - k positions are
// to come, with T = r_a + r_b, earning at most 100k + 80(T - 2k), and 0 <= k <= m = min(r_a, r_b).
// The score is therefore at most (S + 80T - 60k) / (n + T - k) rounded down (a sum of 0 or less
// scores 0, lower still). A quotient of two functions linear in k is monotonic in k, so its
// largest value on [0, m] is at k = 0 or k = m: when both fall short of floor + 1, so does the
// score.
bool CannotBeat(int32_t sum, int32_t positions, int32_t wordLeft, int32_t candidateLeft,
                int32_t need) {
  const int32_t total = wordLeft + candidateLeft;
  const int32_t both = wordLeft < candidateLeft ? wordLeft : candidateLeft;
  const int32_t oneSidedCredit = sum + kOneSidedMost * total;
  const int32_t oneSidedPositions = positions + total;
  const int32_t pairedCredit = oneSidedCredit - (2 * kOneSidedMost - kIdentical) * both;
  const int32_t pairedPositions = oneSidedPositions - both;
  return oneSidedCredit < need * oneSidedPositions && pairedCredit < need * pairedPositions;
}

// The classes of characters that TypoScore may credit above a plain substitution: characters
// with the same base letter or the same lower-case form, and M with N.
SketchClasses AlikeClasses(const CharSetTables& set) {
  std::array<uint8_t, 256> parent;
  std::iota(parent.begin(), parent.end(), 0);
  const auto root = [&](uint8_t c) {
    while (parent[c] != c) c = parent[c] = parent[parent[c]];
    return c;
  };
  const auto join = [&](uint8_t a, uint8_t b) { parent[root(a)] = root(b); };
  for (int c = 0; c < 256; ++c) {
    join(static_cast<uint8_t>(c), set.lower[c]);
    if (set.base[c] != 0) join(static_cast<uint8_t>(c), set.base[c]);
  }
  join('M', 'N');
  // A class of a table letter takes that letter's bit; the rest share the six bits left.
  std::array<int, 256> bitOfRoot;
  bitOfRoot.fill(-1);
  for (uint8_t letter = 'A'; letter <= 'Z'; ++letter) {
    int& bit = bitOfRoot[root(letter)];
    if (bit < 0) bit = letter - 'A';
  }
  SketchClasses classes;
  for (int c = 0; c < 256; ++c) {
    const uint8_t r = root(static_cast<uint8_t>(c));
    classes[c] = static_cast<uint8_t>(bitOfRoot[r] >= 0 ? bitOfRoot[r] : 26 + r % 6);
  }
  return classes;
}

const SketchClasses& AlikeClassesOfSelectedSet() {
  static const auto perSet = [] {
    std::array<SketchClasses, kLastCharSet + 1> sets{};
    for (int id = kFirstCharSet; id <= kLastCharSet; ++id) sets[id] = AlikeClasses(CharSetById(id));
    return sets;
  }();
  return perSet[static_cast<std::size_t>(SelectedCharSetId())];
}

// One step of a walk over the first wordLength characters of word and a candidate of length
// characters: the position it takes is credited and the cursors move past it. It reads the
// characters at the cursors and the ones after them, and nothing of the candidate before its
// cursor when that cursor is 0.
[[gnu::always_inline]] inline void Step(const CharSetTables& set, const unsigned char* a,
                                        int32_t wordLength, const unsigned char* b, int32_t length,
                                        TypoScorer::Walk& at) {
  int32_t& i = at.word;
  int32_t& j = at.candidate;
  int32_t& sum = at.sum;
  const unsigned char ca = a[i];
  const unsigned char cb = b[j];
  ++at.positions;
  if (ca == cb) {
    sum += kIdentical;
    ++i, ++j;
  } else if (const unsigned char baseA = Base(set, ca), baseB = Base(set, cb); baseA == baseB) {
    int credit = kIdentical;
    if (Is(set, ca, kClassLower) != Is(set, cb, kClassLower)) credit -= kCaseDifference;
    if (set.lower[ca] != set.lower[cb]) credit -= kAccentDifference;
    sum += credit;
    ++i, ++j;
  } else {
    const unsigned char nextA = i + 1 < wordLength ? Base(set, a[i + 1]) : 0;
    const unsigned char nextB = j + 1 < length ? Base(set, b[j + 1]) : 0;
    // An extra character that repeats the character before it in both words is a doubled
    // letter typed twice (or once too often), a milder slip than any other extra character.
    const auto extraCredit = [&](unsigned char extra, bool vowel) {
      const bool doubled = i > 0 && j > 0 && a[i - 1] == extra && b[j - 1] == extra;
      if (!doubled) return kExtraCharacter;
      return vowel ? kDoubledVowel : kDoubledOther;
    };
    if (nextA != 0 && nextB != 0 && baseB == nextA && baseA == nextB) {
      const bool vowels = Is(set, baseA, kClassVowel) && Is(set, baseB, kClassVowel);
      sum += vowels ? kSwappedVowels : kSwappedOther;
      ++at.positions;  // the swapped pair stands for two positions
      i += 2, j += 2;
    } else if (nextA != 0 && baseB == nextA) {
      sum += extraCredit(ca, Is(set, ca, kClassVowel));
      ++i;
    } else if (nextB != 0 && baseA == nextB) {
      sum += extraCredit(cb, Is(set, baseB, kClassVowel));
      ++j;
    } else {
      sum += SubstitutionCredit(set, ca, cb, baseA, baseB);
      ++i, ++j;
    }
  }
}

// The score of a walk that reached the end of either word: the characters one word has beyond
// the other earn 50 each, once the walk earned anything.
int16_t ScoreOfWalk(const TypoScorer::Walk& at, int32_t wordLength, int32_t length) {
  if (at.sum <= 0) return 0;
  const int32_t left = (wordLength - at.word) + (length - at.candidate);
  return static_cast<int16_t>((at.sum + kExtraCharacter * left) / (at.positions + left));
}

// The walk over a candidate from a given point, giving up as soon as it cannot beat the floor.
// The points reached are appended to the trail while they fit.
int16_t WalkOn(const CharSetTables& set, const unsigned char* a, int32_t wordLength,
               const unsigned char* b, int32_t length, TypoScorer::Walk from, int floor,
               TypoScorer::Trail& trail) {
  using Trail = TypoScorer::Trail;
  bool recording = true;
  // Every score is at least 0, so a floor below 0 is beaten by every walk.
  const int32_t need = floor < 0 ? 0 : floor + 1;
  TypoScorer::Walk at = from;
  while (at.word < wordLength && at.candidate < length) {
    if (CannotBeat(at.sum, at.positions, wordLength - at.word, length - at.candidate, need)) {
      return 0;
    }
    Step(set, a, wordLength, b, length, at);
    if (recording) {
      if (trail.length < Trail::kCapacity) {
        trail.cursors[static_cast<std::size_t>(trail.length)] = static_cast<uint8_t>(
            at.candidate < Trail::kCursorsFrom ? at.candidate : Trail::kCursorsFrom);
        trail.points[static_cast<std::size_t>(trail.length++)] = at;
      } else {
        recording = false;  // a trail with a gap would resume wrongly
      }
    }
  }
  return ScoreOfWalk(at, wordLength, length);
}

}  // namespace

int LetterSimilarity(unsigned char wordBase, unsigned char candidateBase) {
  // Every set keeps ASCII at 00-7F, so the base letter of 'A' is 'A' itself.
  const int row = wordBase - 'A';
  const int column = candidateBase - 'A';
  if (row < 0 || row >= 26 || column < 0 || column >= 26) return 0;
  return kLetterSimilarity[row][column];
}

TypoScorer::TypoScorer(const char* word)
    : set_(SelectedCharSet()),
      classes_(AlikeClassesOfSelectedSet()),
      word_(word),
      length_(static_cast<int>(std::strlen(word))),
      counts_({word, static_cast<std::size_t>(std::min(length_, kMaxSketched))}, classes_) {
  reachable_.Reset(length_, counts_.Sketch().doubled);
}

uint64_t TypoScorer::RuleOut(std::span<const WordSketch> candidates, int floor) {
  if (length_ > kMaxSketched) return 0;  // its counts hold only the beginning
  return RuleOutSketched(counts_, reachable_, candidates, floor);
}

uint64_t TypoScorer::RuleOutBeginnings(std::span<const WordSketch> beginnings, int length,
                                       int floor) {
  const int wordLength = std::min(length, length_);
  if (wordLength > kMaxSketched) return 0;
  if (wordLength != beginningLength_) {
    beginning_ = ClassCounts({word_, static_cast<std::size_t>(wordLength)}, classes_);
    beginningReachable_.Reset(wordLength, beginning_.Sketch().doubled);
    beginningLength_ = wordLength;
  }
  return RuleOutSketched(beginning_, beginningReachable_, beginnings, floor);
}

namespace {

// How many of the first count points of trail have a candidate cursor below target, eight
// cursors at a time: a loop over points would mispredict its end for nearly every candidate.
// The cursors never fall, so those points come first.
int PointsBefore(const TypoScorer::Trail& trail, int count, int target) {
  using Trail = TypoScorer::Trail;
  // For a byte x below 128, x + (128 - target) sets the byte's top bit exactly when x >= target.
  const uint64_t add =
      0x0101010101010101ull * static_cast<uint64_t>(128 - std::min(target, Trail::kCursorsFrom));
  for (int from = 0; from < count; from += 8) {
    uint64_t cursors;
    std::memcpy(&cursors, trail.cursors.data() + from, sizeof cursors);
    if (const uint64_t reached = (cursors + add) & 0x8080808080808080ull; reached != 0) {
      const int bits = std::endian::native == std::endian::little ? std::countr_zero(reached)
                                                                  : std::countl_zero(reached);
      return std::min(count, from + bits / 8);
    }
  }
  return count;
}

}  // namespace

int16_t TypoScorer::Score(const char* candidate, int length, int unchanged, int floor) {
  if (length_ == 0) return 0;
  // A step reads the candidate's characters at its cursor and the one after, so the steps of the
  // last walk that began two characters or more before the first changed one go the same way:
  // resume after the last of them, at the first point whose cursor is unchanged - 1 or more.
  // The cursors of the points never fall, and resumption is mostly near the start.
  const int kept = unchanged >= 2 ? PointsBefore(trail_, trail_.length - 1, unchanged - 1) : 0;
  trail_.length = kept + 1;
  // Most candidates of a scan are given up right where the last one was.
  const Walk& from = trail_.points[kept];
  if (floor >= 0 && CannotBeat(from.sum, from.positions, length_ - from.word,
                               length - from.candidate, floor + 1)) {
    return 0;
  }
  return WalkOn(set_, reinterpret_cast<const unsigned char*>(word_), length_,
                reinterpret_cast<const unsigned char*>(candidate), length, trail_.points[kept],
                floor, trail_);
}

// Beginnings are a few characters long, too short for giving up at the floor to pay.
int16_t TypoScorer::ScoreBeginning(const char* candidate, int length, int /*floor*/) {
  const int wordLength = length < length_ ? length : length_;
  if (wordLength == 0) return 0;
  const auto* a = reinterpret_cast<const unsigned char*>(word_);
  const auto* b = reinterpret_cast<const unsigned char*>(candidate);
  Walk at;
  // Keys come in order, so most begin like the key before; the steps taken before the candidate
  // cursor moves read only its first two characters, and are taken once for all such keys.
  if (length >= 2) {
    BeginningStart& start = beginningStart_;
    if (b[0] != start.first || b[1] != start.second || wordLength != start.wordLength ||
        length != start.length) {
      start = {b[0], b[1], wordLength, length, Walk{}};
      while (start.reached.word < wordLength && start.reached.candidate == 0) {
        Step(set_, a, wordLength, b, length, start.reached);
      }
    }
    at = start.reached;
  }
  while (at.word < wordLength && at.candidate < length) Step(set_, a, wordLength, b, length, at);
  return ScoreOfWalk(at, wordLength, length);
}

int16_t TypoScore(const char* word, const char* candidate) {
  return TypoScorer(word).Score(candidate, static_cast<int>(std::strlen(candidate)), 0, -1);
}

}  // namespace trov
