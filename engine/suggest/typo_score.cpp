// The typing-error score: two cursors walk the words side by side and every aligned position
// earns a credit, 100 for the same character and less for a case or accent difference, swapped
// neighbours, an extra or missing character, or a substitution weighted by letter similarity.
#include "suggest/typo_score.h"

#include <array>

#include "text/charset.h"

namespace trov {
namespace {

constexpr int kIdentical = 100;
constexpr int kCaseDifference = 5;    // exactly one of the two is lower-case
constexpr int kAccentDifference = 5;  // their lower-case forms still differ
constexpr int kSwappedVowels = 160;   // credits two positions
constexpr int kSwappedOther = 150;
constexpr int kDoubledVowel = 75;
constexpr int kDoubledOther = 80;
constexpr int kExtraCharacter = 50;  // also every character one word has beyond the other

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

// The walk over one pair of words, with the selected set's tables looked up once.
class TypoWalk {
 public:
  TypoWalk(const char* word, const char* candidate)
      : set_(SelectedCharSet()),
        aStart_(reinterpret_cast<const unsigned char*>(word)),
        bStart_(reinterpret_cast<const unsigned char*>(candidate)),
        a_(aStart_),
        b_(bStart_) {}

  int16_t Score() {
    if (*a_ == '\0') return 0;
    while (*a_ != '\0' && *b_ != '\0') CreditPosition();
    if (sum_ <= 0) return 0;
    for (; *a_ != '\0'; ++a_) AddPosition(kExtraCharacter);
    for (; *b_ != '\0'; ++b_) AddPosition(kExtraCharacter);
    return static_cast<int16_t>(sum_ / positions_);
  }

 private:
  // The unaccented upper-case letter c is built on, or c itself when it has none.
  unsigned char Base(unsigned char c) const { return set_.base[c] != 0 ? set_.base[c] : c; }
  bool Is(unsigned char c, uint8_t classBit) const { return set_.classes[c] & classBit; }

  void AddPosition(int credit) {
    sum_ += credit;
    ++positions_;
  }

  void CreditPosition() {
    const unsigned char ca = *a_;
    const unsigned char cb = *b_;
    if (ca == cb) {
      AddPosition(kIdentical);
      ++a_, ++b_;
      return;
    }
    const unsigned char baseA = Base(ca);
    const unsigned char baseB = Base(cb);
    if (baseA == baseB) {
      int credit = kIdentical;
      if (Is(ca, kClassLower) != Is(cb, kClassLower)) credit -= kCaseDifference;
      if (set_.lower[ca] != set_.lower[cb]) credit -= kAccentDifference;
      AddPosition(credit);
      ++a_, ++b_;
      return;
    }
    // Both cursors are on a character, so the next byte of each is at most the terminator.
    const unsigned char nextA = a_[1] != '\0' ? Base(a_[1]) : 0;
    const unsigned char nextB = b_[1] != '\0' ? Base(b_[1]) : 0;
    if (nextA != 0 && nextB != 0 && baseB == nextA && baseA == nextB) {
      const bool vowels = Is(baseA, kClassVowel) && Is(baseB, kClassVowel);
      AddPosition(vowels ? kSwappedVowels : kSwappedOther);
      ++positions_;  // the swapped pair stands for two positions
      a_ += 2, b_ += 2;
      return;
    }
    if (nextA != 0 && baseB == nextA) {
      AddPosition(ExtraCharacterCredit(ca, Is(ca, kClassVowel)));
      ++a_;
      return;
    }
    if (nextB != 0 && baseA == nextB) {
      AddPosition(ExtraCharacterCredit(cb, Is(baseB, kClassVowel)));
      ++b_;
      return;
    }
    AddPosition(SubstitutionCredit(ca, cb, baseA, baseB));
    ++a_, ++b_;
  }

  // Letters without a base letter (all of them in the Cyrillic and Greek sets) stand outside
  // the similarity table; there a letter against its own other case still counts as a case
  // difference, so such words are not ranked as if every capital were a wrong letter.
  int SubstitutionCredit(unsigned char ca, unsigned char cb, unsigned char baseA,
                         unsigned char baseB) const {
    if (!Is(ca, kClassLetter) || !Is(cb, kClassLetter)) return 0;
    if (IsTableLetter(baseA) && IsTableLetter(baseB)) return LetterSimilarity(baseA, baseB);
    return set_.lower[ca] == set_.lower[cb] ? kIdentical - kCaseDifference : 0;
  }
  static bool IsTableLetter(unsigned char base) { return base >= 'A' && base <= 'Z'; }

  // An extra character that repeats the character before it in both words is a doubled letter
  // typed twice (or once too often), a milder slip than any other extra character.
  int ExtraCharacterCredit(unsigned char extra, bool vowel) const {
    const bool doubled = a_ > aStart_ && b_ > bStart_ && a_[-1] == extra && b_[-1] == extra;
    if (!doubled) return kExtraCharacter;
    return vowel ? kDoubledVowel : kDoubledOther;
  }

  const CharSetTables& set_;
  const unsigned char* const aStart_;
  const unsigned char* const bStart_;
  const unsigned char* a_;
  const unsigned char* b_;
  int32_t sum_ = 0;
  int32_t positions_ = 0;
};

}  // namespace

int LetterSimilarity(unsigned char wordBase, unsigned char candidateBase) {
  // Every set keeps ASCII at 00-7F, so the base letter of 'A' is 'A' itself.
  const int row = wordBase - 'A';
  const int column = candidateBase - 'A';
  if (row < 0 || row >= 26 || column < 0 || column >= 26) return 0;
  return kLetterSimilarity[row][column];
}

int16_t TypoScore(const char* word, const char* candidate) {
  return TypoWalk(word, candidate).Score();
}

}  // namespace trov
