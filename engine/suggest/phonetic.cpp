// The phonetic code: a fixed rule set for English spelling, applied left to right on the
// lower-cased word. Special rules for the start of a word drop silent first letters; the
// general rules then map each letter, or a group of letters, to the consonant sound it makes.
#include "suggest/phonetic.h"

#include <string_view>

#include "suggest/typo_score.h"
#include "text/charset.h"

namespace trov {
namespace {

class PhoneticCoder {
 public:
  PhoneticCoder(const char* lowerWord, std::span<char> code) : word_(lowerWord), code_(code) {}

  void Run() {
    if (code_.empty()) return;
    CodeStart();
    while (word_[pos_] != '\0') CodeNext();
    code_[length_] = '\0';
  }

 private:
  // The character offset characters after the current one; the terminator, never beyond it.
  char Ahead(int offset) const {
    for (int i = 0; i < offset; ++i) {
      if (word_[pos_ + i] == '\0') return '\0';
    }
    return word_[pos_ + offset];
  }
  static bool IsVowel(char c) { return trov::IsVowel(static_cast<unsigned char>(c)); }
  static bool IsOneOf(char c, std::string_view set) { return c != '\0' && set.find(c) != set.npos; }

  // Appends to the code, dropping what does not fit so the code stays terminated in its buffer.
  void Emit(std::string_view sound) {
    for (char c : sound) {
      if (length_ + 1 < code_.size()) code_[length_++] = c;
    }
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
        if (pos_ > 0 && IsVowel(word_[pos_ - 1]) && !IsVowel(c1)) return Sound("", 1);
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
  const std::span<char> code_;
  size_t pos_ = 0;
  size_t length_ = 0;
};

// The word through the selected set's to-lower table; a word longer than any word the engine
// holds is coded on its first TROV_MAX_WORD characters.
void LowerCase(const char* word, char (&lower)[TROV_WORD_BUFFER]) {
  size_t i = 0;
  for (; word[i] != '\0' && i < TROV_MAX_WORD; ++i) {
    lower[i] = static_cast<char>(ToLower(static_cast<unsigned char>(word[i])));
  }
  lower[i] = '\0';
}

}  // namespace

void PhoneticCode(const char* lowerWord, std::span<char> code) {
  PhoneticCoder(lowerWord, code).Run();
}

int16_t PhoneticScore(const char* word, const char* candidate) {
  char lowerWord[TROV_WORD_BUFFER];
  char lowerCandidate[TROV_WORD_BUFFER];
  LowerCase(word, lowerWord);
  LowerCase(candidate, lowerCandidate);
  char wordCode[kPhoneticCodeBuffer];
  char candidateCode[kPhoneticCodeBuffer];
  PhoneticCode(lowerWord, wordCode);
  PhoneticCode(lowerCandidate, candidateCode);

  size_t i = 0;
  while (wordCode[i] != '\0' && wordCode[i] == candidateCode[i]) ++i;
  if (wordCode[i] != '\0' && candidateCode[i] != '\0') return 0;
  return TypoScore(word, candidate);
}

}  // namespace trov
