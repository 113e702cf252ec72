#include "text/word_forms.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "text/charset.h"
#include "text/html_entities.h"
#include "text/word_scanner.h"

namespace trov {
namespace {

bool IsLetterS(unsigned char c) { return c == 's' || c == 'S'; }

unsigned char ByteAt(const char* word, size_t i) { return static_cast<unsigned char>(word[i]); }

// The length of s, looking at no more than max bytes (memchr stops at the first zero it finds).
size_t BoundedLength(const char* s, size_t max) {
  const void* zero = std::memchr(s, 0, max);
  return zero == nullptr ? max : static_cast<size_t>(static_cast<const char*>(zero) - s);
}

bool AllAlphanumeric(std::string_view part) {
  for (const char c : part) {
    if (!IsAlphanumeric(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

bool AllLetters(std::string_view part) {
  for (const char c : part) {
    if (!IsLetter(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// A top-level domain after the last dot, a scheme's "://", or a host part before the first
// slash mark a domain name, an address or a file name.
bool LooksLikeDomainName(std::string_view word) {
  const size_t lastDot = word.rfind('.');
  if (lastDot != std::string_view::npos) {
    const std::string_view suffix = word.substr(lastDot + 1);
    if (suffix.size() >= 2 && suffix.size() <= 4 && AllAlphanumeric(suffix)) return true;
  }
  const size_t colon = word.find(':');
  if (colon != std::string_view::npos && word.substr(colon + 1, 2) == "//") return true;
  const size_t slash = word.find('/');
  if (slash != std::string_view::npos) {
    const size_t dot = word.rfind('.', slash);
    const size_t from = dot == std::string_view::npos ? 0 : dot + 1;
    const std::string_view host = word.substr(from, slash - from);
    if (host.size() >= 2 && host.size() <= 4 && AllLetters(host)) return true;
  }
  return false;
}

}  // namespace

void CopyBounded(char* buffer, int32_t size, const char* source) {
  if (buffer == nullptr || size < 1) return;
  const size_t length = BoundedLength(source, static_cast<size_t>(size) - 1);
  std::memmove(buffer, source, length);
  buffer[length] = '\0';
}

int32_t NormaliseWord(const char* word, uint32_t options, char (&out)[TROV_WORD_BUFFER]) {
  int32_t length;
  if (options & TROV_OPT_IGNORE_HTML_MARKUPS) {
    length = DecodeEntities(word, out, TROV_MAX_WORD);
  } else {
    CopyBounded(out, sizeof out, word);
    length = static_cast<int32_t>(std::strlen(out));
  }
  if (options & TROV_OPT_STRIP_POSSESSIVES) {
    if (length >= 2 && IsApostrophe(ByteAt(out, length - 2)) &&
        IsLetterS(ByteAt(out, length - 1))) {
      length -= 2;
    } else if (length > 1 && IsApostrophe(ByteAt(out, length - 1))) {
      length -= 1;
    }
    out[length] = '\0';
  }
  return length;
}

bool HasMixedCase(const char* word) {
  if (word[0] == '\0') return false;
  const auto& classOf = SelectedCharSet().classes;  // read once for the whole word
  size_t i = 1;
  while (word[i] != '\0' && !(classOf[ByteAt(word, i)] & kClassLetter)) ++i;
  if (word[i] == '\0') return false;
  const uint8_t opposite = (classOf[ByteAt(word, i)] & kClassLower) ? kClassUpper : kClassLower;
  for (++i; word[i] != '\0'; ++i) {
    if (classOf[ByteAt(word, i)] & opposite) return true;
  }
  return false;
}

bool HasLowerCaseLetter(const char* word) {
  for (size_t i = 0; word[i] != '\0'; ++i) {
    if (IsLower(ByteAt(word, i))) return true;
  }
  return false;
}

bool IsAllCapitals(const char* word) {
  if (word[0] == '\0') return false;
  for (size_t i = 0; word[i] != '\0'; ++i) {
    if (!IsUpper(ByteAt(word, i))) return false;
  }
  return true;
}

bool IsIgnoredWord(const char* word, uint32_t options) {
  const std::string_view text(word);
  if ((options & TROV_OPT_IGNORE_CAPITALIZED_WORDS) && IsUpper(ByteAt(word, 0))) return true;
  if ((options & TROV_OPT_IGNORE_MIXED_CASE_WORDS) && HasMixedCase(word)) return true;
  uint8_t classes = 0;  // every class some byte of the word has
  const auto& classOf = SelectedCharSet().classes;
  for (const char c : text) classes |= classOf[static_cast<unsigned char>(c)];
  const bool hasDigit = (classes & kClassDigit) != 0;
  const bool hasLetter = (classes & kClassLetter) != 0;
  if ((options & TROV_OPT_IGNORE_WORDS_WITH_DIGITS) && hasDigit) return true;
  if ((options & TROV_OPT_IGNORE_ALL_CAPS_WORDS) && IsAllCapitals(word)) return true;
  if ((options & TROV_OPT_IGNORE_NON_ALPHA_WORDS) && !hasLetter) return true;
  return (options & TROV_OPT_IGNORE_DOMAIN_NAMES) && LooksLikeDomainName(text);
}

void TransferCase(const char* pattern, bool keepAccents, char* target) {
  const bool patternHasLower = HasLowerCaseLetter(pattern);
  if (std::strlen(pattern) >= 2 && !patternHasLower) {
    for (size_t i = 0; target[i] != '\0'; ++i)
      target[i] = static_cast<char>(ToUpper(ByteAt(target, i)));
  } else if (IsUpper(ByteAt(pattern, 0)) && patternHasLower && target[0] != '\0') {
    target[0] = static_cast<char>(ToUpper(ByteAt(target, 0)));
  }
  if (keepAccents) return;
  for (size_t i = 0; target[i] != '\0'; ++i) {
    const unsigned char c = ByteAt(target, i);
    if (IsUpper(c) && BaseLetter(c) != 0) target[i] = static_cast<char>(ToUpper(BaseLetter(c)));
  }
}

void RestorePossessive(const char* word, uint32_t options, char* replacement,
                       int32_t replacementSize) {
  if (!(options & TROV_OPT_STRIP_POSSESSIVES) || replacement == nullptr || replacementSize < 1) {
    return;
  }
  const size_t wordLength = std::strlen(word);
  if (wordLength < 2) return;
  const unsigned char beforeLast = ByteAt(word, wordLength - 2);
  const unsigned char last = ByteAt(word, wordLength - 1);
  char apostrophe;
  char letterS;
  if (IsApostrophe(beforeLast) && IsLetterS(last)) {
    apostrophe = static_cast<char>(beforeLast);
    letterS = static_cast<char>(last);
  } else if (IsLetterS(beforeLast) && IsApostrophe(last)) {
    apostrophe = static_cast<char>(last);
    letterS = static_cast<char>(beforeLast);
  } else {
    return;
  }

  size_t length = BoundedLength(replacement, static_cast<size_t>(replacementSize) - 1);
  if (length == 0) return;
  const unsigned char replacementLast = ByteAt(replacement, length - 1);
  if (IsApostrophe(replacementLast)) return;
  if (length >= 2 && IsApostrophe(ByteAt(replacement, length - 2)) && IsLetterS(replacementLast)) {
    return;
  }
  const size_t limit = std::min<size_t>(TROV_MAX_WORD, static_cast<size_t>(replacementSize) - 1);
  auto append = [&](char c) {
    if (length < limit) replacement[length++] = c;
  };
  if (IsLetterS(replacementLast)) {
    if (length >= 2) append(apostrophe);  // a plural takes the apostrophe alone
  } else {
    append(apostrophe);
    append(letterS);
  }
  replacement[length] = '\0';
}

const char* SplitOff(const char* word, uint32_t options, char (&out)[TROV_WORD_BUFFER]) {
  const bool atHyphen = (options & TROV_OPT_SPLIT_HYPHENATED_WORDS) != 0;
  const bool atApostrophe = (options & TROV_OPT_SPLIT_CONTRACTED_WORDS) != 0;
  size_t length = 0;
  size_t i = 0;
  for (; word[i] != '\0'; ++i) {
    const unsigned char c = ByteAt(word, i);
    if ((atHyphen && c == '-') || (atApostrophe && IsApostrophe(c))) {
      out[length] = '\0';
      return word + i + 1;
    }
    if (length < TROV_MAX_WORD) out[length++] = static_cast<char>(c);
  }
  out[length] = '\0';
  return word + i;
}

}  // namespace trov
