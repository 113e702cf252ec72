// The phonetic code: a fixed rule set for English spelling, applied left to right on the
// lower-cased word. Special rules for the start of a word drop silent first letters; the
// general rules then map each letter, or a group of letters, to the consonant sound it makes.
#include "suggest/phonetic.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string_view>

#include "suggest/typo_score.h"
#include "text/charset.h"

namespace trov {
namespace {

// Produces a word's code one character at a time, so that two codes are compared only as far as
// they agree: most candidates of a scan differ from the word within their first code characters.
// The word is read through a character map up to a length limit, so a caller need not copy it
// lower-cased first.
class PhoneticCoder {
 public:
  PhoneticCoder(const char* word, const unsigned char* map, size_t limit)
      : word_(word), map_(map), limit_(limit) {}

  // The next code character, or '\0' once the code is complete.
  char Next() {
    while (taken_ == pending_.size() && !Done()) Step();
    if (taken_ == pending_.size()) return '\0';
    return pending_[taken_++];
  }

 private:
  // A rule emits at most four characters in one step: a doubled "cc" (KK) followed by the two
  // characters of the letter after it ('x' gives KS).
  static constexpr size_t kMostPerStep = 4;

  class Pending {
   public:
    size_t size() const { return size_; }
    char operator[](size_t i) const { return chars_[i]; }
    void Clear() { size_ = 0; }
    void Append(char c) {
      if (size_ < kMostPerStep) chars_[size_++] = c;
    }

   private:
    char chars_[kMostPerStep];
    size_t size_ = 0;
  };

  bool Done() const { return started_ && At(pos_) == '\0'; }

  // Codes the start of the word first, then one position by the general rules.
  void Step() {
    pending_.Clear();
    taken_ = 0;
    if (!started_) {
      started_ = true;
      CodeStart();
    } else {
      CodeNext();
    }
  }

  // The character at index i through the map; '\0' at the limit.
  char At(size_t i) const {
    if (i >= limit_) return '\0';
    const auto c = static_cast<unsigned char>(word_[i]);
    return static_cast<char>(map_ != nullptr ? map_[c] : c);
  }
  // The character offset characters after the current one; the terminator, never beyond it.
  char Ahead(int offset) const {
    for (int i = 0; i < offset; ++i) {
      if (At(pos_ + i) == '\0') return '\0';
    }
    return At(pos_ + offset);
  }
  static bool IsVowel(char c) { return trov::IsVowel(static_cast<unsigned char>(c)); }
  static bool IsOneOf(char c, std::string_view set) {
    for (char s : set) {
      if (c == s) return c != '\0';
    }
    return false;
  }

  void Emit(std::string_view sound) {
    for (char c : sound) pending_.Append(c);
  }
  void Consume(int count) { pos_ += count; }

  void CodeStart() {
    const char first = Ahead(0);
    const char second = Ahead(1);
    if (first == 'a') {
      if (second == 'e') {
        Emit("E");
        Consume(2);
      } else {
        Emit("A");
        Consume(1);
      }
    } else if (IsOneOf(first, "eiou")) {
      const char vowel = static_cast<char>(first - 'a' + 'A');
      Emit(std::string_view(&vowel, 1));
      Consume(1);
    } else if (IsOneOf(first, "gkp") && second == 'n') {
      Emit("N");
      Consume(2);
    } else if (first == 'w') {
      if (second == 'r') {
        Emit("R");
        Consume(2);
      }
      if (Ahead(1) == 'h') {
        Emit("H");
        Consume(2);
      }
    } else if (first == 'x') {
      Emit("S");
      Consume(1);
    }
  }

  void CodeNext() {
    const char c = Ahead(0);
    if (c == Ahead(1)) {
      if (c == 'c') {
        Emit("KK");
        Consume(2);
      } else if (c == 'g') {
        Emit("K");
        Consume(2);
      } else {
        Consume(1);
      }
      if (Ahead(0) == '\0') return;
    }
    CodeCharacter();
  }

  // Emits the sound of the character at the position and consumes it with the letters that
  // belong to it.
  void CodeCharacter() {
    const char c = Ahead(0);
    const char c1 = Ahead(1);
    const char c2 = Ahead(2);
    switch (c) {
      case 'b':
        return Sound("B", 1);
      case 'c':
        if (c1 == 'i' && c2 == 'a') return Sound("X", 3);
        if (IsOneOf(c1, "iey")) return Sound("S", 2);
        if (c1 == 'k') return Sound("K", 2);
        return Sound("K", 1);
      case 'd':
        if (c1 == 'g' && IsOneOf(c2, "eyi")) return Sound("J", 3);
        return Sound("T", 1);
      case 'f':
      case 'v':
        return Sound("F", 1);
      case 'g':
        if (c1 == 'h' && (c2 == '\0' || IsVowel(c2))) return Sound("K", 2);
        if (c1 == 'n') return Sound("N", 2);
        if (c1 == 'g') return Sound("K", 2);
        if (IsOneOf(c1, "iey")) return Sound("J", 2);
        return Sound("K", 1);
      case 'h':
        // Silent after a vowel unless a vowel follows.
        if (pos_ > 0 && IsVowel(At(pos_ - 1)) && !IsVowel(c1)) return Sound("", 1);
        return Sound("H", 1);
      case 'j':
        return Sound("J", 1);
      case 'k':
      case 'q':
        return Sound("K", 1);
      case 'l':
        return Sound("L", 1);
      case 'm':
        if (c1 == 'b' && c2 == '\0') return Sound("M", 2);
        return Sound("M", 1);
      case 'n':
        return Sound("N", 1);
      case 'p':
        if (c1 == 'h') return Sound("F", 2);
        return Sound("P", 1);
      case 'r':
        return Sound("R", 1);
      case 's':
        if (c1 == 'h') return Sound("X", 2);
        if (c1 == 'i' && IsOneOf(c2, "oa")) return Sound("X", 3);
        if (c1 == 'c' && c2 == 'h') return Sound("SK", 3);
        return Sound("S", 1);
      case 't':
        if (c1 == 'h') return Sound("0", 2);
        if (c1 == 'i' && IsOneOf(c2, "oa")) return Sound("X", 3);
        if (c1 == 'c' && c2 == 'h') return Sound("X", 3);
        return Sound("T", 1);
      case 'w':
        return Sound(IsVowel(c1) ? "W" : "", 1);
      case 'x':
        return Sound("KS", 1);
      case 'y':
        return Sound(IsVowel(c1) ? "Y" : "", 1);
      case 'z':
        return Sound("S", 1);
      default:
        // Vowels, digits, punctuation and accented letters make no sound of their own.
        return Sound("", 1);
    }
  }
  void Sound(std::string_view sound, int consumed) {
    Emit(sound);
    Consume(consumed);
  }

  const char* const word_;
  const unsigned char* const map_;  // null: the word is coded as it is
  const size_t limit_;
  Pending pending_;
  size_t taken_ = 0;
  size_t pos_ = 0;
  bool started_ = false;
};

}  // namespace

void PhoneticCode(const char* lowerWord, std::span<char> code) {
  if (code.empty()) return;
  PhoneticCoder coder(lowerWord, nullptr, SIZE_MAX);
  size_t length = 0;
  // What does not fit is cut, so the code stays terminated in its buffer.
  for (char c; length + 1 < code.size() && (c = coder.Next()) != '\0';) code[length++] = c;
  code[length] = '\0';
}

int16_t PhoneticScore(const char* word, const char* candidate) {
  return PhoneticScorer(word).Score(candidate, static_cast<int>(std::strlen(candidate)), 0, -1);
}

namespace {

// Both words go through the to-lower table, each coded on at most its first limit characters
// (TROV_MAX_WORD, the longest word the engine holds, for whole words).
const unsigned char* LowerMap() { return SelectedCharSet().lower.data(); }

template <size_t N>
void CodeInto(const char* word, size_t limit, std::array<char, N>& code) {
  PhoneticCoder coder(word, LowerMap(), limit);
  size_t length = 0;
  // No code can outgrow the array (kPhoneticCodeBuffer bounds it); the test only keeps the
  // writes inside it.
  for (char c; length + 1 < N && (c = coder.Next()) != '\0';) code[length++] = c;
  code[length] = '\0';
}

// Whether the candidate's code begins the word's code or the word's code begins it.
bool CodesAgree(const char* wordCode, const char* candidate) {
  PhoneticCoder candidateCode(candidate, LowerMap(), TROV_MAX_WORD);
  for (const char* w = wordCode;; ++w) {
    const char c = candidateCode.Next();
    if (*w == '\0' || c == '\0') return true;
    if (*w != c) return false;
  }
}

}  // namespace

PhoneticScorer::PhoneticScorer(const char* word) : typo_(word) {
  CodeInto(word, TROV_MAX_WORD, code_);
}

int16_t PhoneticScorer::Score(const char* candidate, int length, int unchanged, int floor) {
  typoUnchanged_ = std::min(typoUnchanged_, unchanged);
  // The coder reads up to a NUL; only what is copied needs writing.
  std::array<char, TROV_MAX_WORD + 1> text;
  const auto copied = static_cast<std::size_t>(std::min(length, TROV_MAX_WORD));
  std::memcpy(text.data(), candidate, copied);
  text[copied] = '\0';
  if (!CodesAgree(code_.data(), text.data())) return 0;
  const int16_t score = typo_.Score(candidate, length, typoUnchanged_, floor);
  typoUnchanged_ = INT_MAX;
  return score;
}

int16_t PhoneticScorer::ScoreBeginning(const char* candidate, int length, int floor) {
  if (length != beginningLength_) {
    CodeInto(typo_.Word(), static_cast<size_t>(std::min(length, TROV_MAX_WORD)), beginningCode_);
    beginningLength_ = length;
  }
  if (!CodesAgree(beginningCode_.data(), candidate)) return 0;
  return typo_.ScoreBeginning(candidate, length, floor);
}

}  // namespace trov
