#include "text/word_scanner.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string_view>

#include "text/charset.h"
#include "text/html_entities.h"
#include "trov.h"

namespace trov {
namespace {

// Scans never pass the terminating zero, so every index read is inside the string; the byte
// before the text reads as zero too.
unsigned char At(const char* text, int64_t i) {
  return i >= 0 ? static_cast<unsigned char>(text[i]) : 0;
}

// A byte that may stand on either side of the "@" of an address or of a dot in its host name.
bool IsHostByte(unsigned char c) { return IsAlphanumeric(c) || c == '_' || c == '-'; }

bool IsLineBreak(unsigned char c) { return c == '\r' || c == '\n'; }

// True when a dot with a host byte on each side comes before any byte that cannot belong to a
// host name: the "@" at from - 1 then opens a real address.
bool ReachesDottedHost(const char* text, int64_t from) {
  for (int64_t i = from;; ++i) {
    const unsigned char c = At(text, i);
    if (c == '.') {
      if (IsHostByte(At(text, i - 1)) && IsHostByte(At(text, i + 1))) return true;
    } else if (!IsHostByte(c)) {
      return false;
    }
  }
}

// The same for an "_": it belongs to an address or a host name when an "@" or a dotted part
// follows before anything else.
bool ReachesAddress(const char* text, int64_t from) {
  for (int64_t i = from;; ++i) {
    const unsigned char c = At(text, i);
    if (c == '@') return true;
    if (c == '.') {
      if (IsHostByte(At(text, i - 1)) && IsHostByte(At(text, i + 1))) return true;
    } else if (!IsHostByte(c)) {
      return false;
    }
  }
}

// One word being copied out of the text. The copy is always a prefix of the text from start, so
// the byte at start + length is the one under decision.
struct WordCopy {
  const char* text;
  uint32_t options;
  int64_t start;
  char* word;
  int32_t length = 0;
  int32_t periods = 0;    // periods admitted inside the word
  int32_t entityAt = -1;  // where in word the open entity's "&" stands, or -1
};

// Decides whether the byte at start + length joins the word. An entity whose name turns out
// unknown is taken off the copy again, ending the word before its "&".
bool Admits(WordCopy& copy) {
  const int64_t pos = copy.start + copy.length;
  const unsigned char c = At(copy.text, pos);
  const unsigned char before = At(copy.text, pos - 1);
  const unsigned char after = At(copy.text, pos + 1);
  const bool markup = (copy.options & TROV_OPT_IGNORE_HTML_MARKUPS) != 0;
  const bool domains = (copy.options & TROV_OPT_IGNORE_DOMAIN_NAMES) != 0;

  if (markup && copy.entityAt >= 0) {
    if (c == '#') return true;
    if (c == ';') {
      const std::string_view name(copy.word + copy.entityAt + 1,
                                  static_cast<size_t>(copy.length - copy.entityAt - 1));
      if (IsWordEntity(name)) {
        copy.entityAt = -1;
        return true;
      }
      copy.length = copy.entityAt;
      return false;
    }
  }
  switch (c) {
    case '.':
      if (IsAlphanumeric(before) && (IsAlphanumeric(after) || IsApostrophe(after))) {
        ++copy.periods;
        return true;
      }
      return false;
    case '-':
      return IsAlphanumeric(before) && IsAlphanumeric(after);
    case '&':
      if (markup) {
        copy.entityAt = copy.length;
        return true;
      }
      if (domains) return copy.periods > 0;
      return (copy.options & TROV_OPT_AMPERSAND_JOINS_WORDS) && IsAlphanumeric(before) &&
             IsAlphanumeric(after);
    case '@':
      return domains && IsHostByte(before) && IsHostByte(after) &&
             ReachesDottedHost(copy.text, pos + 1);
    case ':':
      return domains && IsAlphanumeric(before) && after == '/';
    case '/':
      if (domains) {
        return copy.periods > 0 ||
               ((before == ':' || before == '/') && (IsHostByte(after) || after == '/'));
      }
      return (copy.options & TROV_OPT_SLASH_JOINS_WORDS) && IsAlphanumeric(before) &&
             IsAlphanumeric(after);
    case '%':
    case '+':
    case '=':
    case '?':
      return domains && copy.periods > 0;
    case '_':
      return domains && ReachesAddress(copy.text, pos + 1);
    default:
      return IsAlphanumeric(c) || IsApostrophe(c);
  }
}

// A word without internal periods, or one whose alphanumeric runs are all at most two long
// (U.S.A, e.g, 3.14), may keep a final period.
bool IsAbbreviation(const WordCopy& copy) {
  if (copy.periods == 0) return true;
  int run = 0;
  for (int32_t i = 0; i < copy.length; ++i) {
    if (!IsAlphanumeric(static_cast<unsigned char>(copy.word[i]))) {
      run = 0;
    } else if (++run > 2) {
      return false;
    }
  }
  return true;
}

void TrimWordEnd(WordCopy& copy) {
  const bool abbreviation = IsAbbreviation(copy);
  for (bool changed = true; changed && copy.length > 0;) {
    changed = false;
    const auto last = [&] { return static_cast<unsigned char>(copy.word[copy.length - 1]); };
    // A plural possessive (students') keeps its apostrophe; a closing quote does not.
    if (IsApostrophe(last()) && !(copy.length >= 2 && (copy.word[copy.length - 2] == 's' ||
                                                       copy.word[copy.length - 2] == 'S'))) {
      --copy.length;
      changed = true;
    }
    if (copy.length > 0 && last() == '.' && !(abbreviation && copy.periods != 1)) {
      --copy.length;
      changed = true;
    }
  }
}

}  // namespace

bool InsideText(const char* text, int32_t offset) {
  return offset >= 0 && std::memchr(text, 0, static_cast<size_t>(offset)) == nullptr;
}

int32_t FindWordStart(const char* text, int32_t offset, uint32_t options) {
  if (offset < 0) return TROV_ERR_NOT_FOUND;
  const bool markup = (options & TROV_OPT_IGNORE_HTML_MARKUPS) != 0;
  // Offsets are 32-bit: a text longer than that is scanned as far as they reach.
  int64_t pos = offset;
  const auto& classOf = SelectedCharSet().classes;  // read once: it cannot change during a scan
  while (pos < INT32_MAX && At(text, pos) != 0) {
    const unsigned char c = At(text, pos);
    if (markup && c == '<') {
      // Tags do not nest: the next ">" closes this one, and nothing inside forms words.
      while (At(text, pos) != 0 && At(text, pos) != '>') ++pos;
      if (At(text, pos) == '>') ++pos;
      continue;
    }
    if (markup && c == '&') {
      int64_t end = pos + 1;
      while (At(text, end) != 0 && At(text, end) != ';' && !IsLineBreak(At(text, end))) ++end;
      if (At(text, end) != ';') {
        pos = end;  // a line break drops the possible entity; the end ends the scan
        continue;
      }
      const std::string_view name(text + pos + 1, static_cast<size_t>(end - pos - 1));
      if (IsWordEntity(name)) return static_cast<int32_t>(std::min<int64_t>(pos, INT32_MAX));
      pos = end + 1;
      continue;
    }
    if (classOf[c] & (kClassLetter | kClassDigit)) return static_cast<int32_t>(pos);
    ++pos;
  }
  return static_cast<int32_t>(std::min<int64_t>(pos, INT32_MAX));
}

int32_t GetWord(const char* text, int32_t offset, uint32_t options, char* word, int32_t size,
                bool* sameInEngineBuffer) {
  if (sameInEngineBuffer != nullptr) *sameInEngineBuffer = false;
  if (word == nullptr) size = 0;
  if (size >= 1) word[0] = '\0';
  const int32_t start = FindWordStart(text, offset, options);
  if (start < 0 || At(text, start) == 0) return TROV_ERR_NOT_FOUND;
  if (size < 2) return start;

  WordCopy copy{text, options, start, word};
  const int32_t limit = size - 1;
  word[0] = text[start];
  copy.length = 1;
  if ((options & TROV_OPT_IGNORE_HTML_MARKUPS) && word[0] == '&') copy.entityAt = 0;
  // Read once: the table cannot change while a scan runs.
  const auto& classOf = SelectedCharSet().classes;
  for (;;) {
    // Letters and digits always join the word; only the other bytes need the rules.
    while (copy.length < limit) {
      const auto c = static_cast<unsigned char>(text[start + copy.length]);
      if (!(classOf[c] & (kClassLetter | kClassDigit))) break;
      word[copy.length++] = static_cast<char>(c);
    }
    if (copy.length >= limit || At(text, start + copy.length) == 0 || !Admits(copy)) break;
    word[copy.length] = text[start + copy.length];
    ++copy.length;
  }
  // A copy that stopped short of both limits went exactly as it would in a smaller buffer.
  if (sameInEngineBuffer != nullptr) {
    *sameInEngineBuffer = copy.length < limit && copy.length < TROV_WORD_BUFFER - 1;
  }
  const unsigned char ender = At(text, start + copy.length);
  if (ender == '.' && copy.periods > 0 && IsAbbreviation(copy) && copy.length < limit) {
    word[copy.length++] = '.';
    ++copy.periods;
  }
  TrimWordEnd(copy);
  word[copy.length] = '\0';
  return start;
}

int32_t NextWordStart(const char* text, int32_t offset, uint32_t options) {
  char word[TROV_WORD_BUFFER];
  const int32_t start = GetWord(text, offset, options, word, sizeof word);
  if (start < 0) return start;
  return WordStartAfter(text, start, word, options);
}

int32_t WordStartAfter(const char* text, int32_t start, const char* engineWord, uint32_t options) {
  const int64_t end = static_cast<int64_t>(start) + static_cast<int64_t>(std::strlen(engineWord));
  const int32_t next =
      FindWordStart(text, static_cast<int32_t>(std::min<int64_t>(end, INT32_MAX)), options);
  // Past the reach of 32-bit offsets no further word can be named.
  return next > start && At(text, next) != 0 ? next : TROV_ERR_NOT_FOUND;
}

int32_t PreviousWordStart(const char* text, int32_t offset) {
  int64_t pos = static_cast<int64_t>(offset) - 1;
  while (pos >= 0 && IsSpace(At(text, pos))) --pos;
  if (pos < 0) return -1;
  for (unsigned char c = At(text, pos - 1);
       pos > 0 && (IsAlphanumeric(c) || IsApostrophe(c) || c == '-' || c == '.');
       c = At(text, pos - 1)) {
    --pos;
  }
  return static_cast<int32_t>(pos);
}

void PreviousWord(const char* text, int32_t offset, uint32_t options, char* word, int32_t size) {
  if (word == nullptr || size < 1) return;
  word[0] = '\0';
  const int32_t start = PreviousWordStart(text, offset);
  if (start >= 0) GetWord(text, start, options, word, size);
}

}  // namespace trov
