// Arbitrary text through the word scanner, the string-word functions and the check driver, under
// every option combination and character set: nothing reads or writes outside its buffer, every
// walk ends, the reported offsets and words lie inside the text, and the 32-bit functions given
// only the text from the context start on answer as the 16-bit ones given the whole text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "text/charset.h"
#include "text/word_scanner.h"
#include "trov.h"
#include "trov_ext.h"

namespace {

// Keeps each unit fast: a long all-capitals word with accented capitals disallowed costs
// thousands of lookups.
constexpr size_t kMaxText = 1024;
// Every flag option; the language id is not one of them.
constexpr uint32_t kAllFlags = 0x01FFFFFF;

// One session for the whole run, with a lexicon of short words (so split words nest), change
// and exclude actions, capitalised, all-capitals and accented words.
int16_t FuzzSession() {
  static const int16_t session = [] {
    const int16_t id = TROV_OpenSession();
    const int16_t lex = TROV_CreateLex(id, nullptr, TROV_LANGUAGE_ANY);
    const struct {
      const char* word;
      char action;
      const char* other;
    } entries[] = {
        {"a", 'i', nullptr},         {"aa", 'i', nullptr},      {"aaa", 'i', nullptr},
        {"the", 'i', nullptr},       {"cat", 'i', nullptr},     {"well", 'i', nullptr},
        {"Paris", 'i', nullptr},     {"NASA", 'i', nullptr},    {"McDonald", 'i', nullptr},
        {"\xE9t\xE9", 'i', nullptr}, {"caf\xE9", 'i', nullptr}, {"teh", 'a', "the"},
        {"hte", 'A', "the"},         {"alot", 'c', "a lot"},    {"recieve", 'C', "receive"},
        {"wierd", 'e', nullptr},     {"don't", 'i', nullptr},   {"x-ray", 'i', nullptr},
    };
    for (const auto& entry : entries) TROV_AddToLex(id, lex, entry.word, entry.action, entry.other);
    // A closed slot stays in the list the driver walks.
    const int16_t closed = TROV_CreateLex(id, nullptr, TROV_LANGUAGE_ANY);
    TROV_CloseLex(id, closed);
    TROV_CreateLex(id, nullptr, TROV_LANGUAGE_ANY);
    return id;
  }();
  return session;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

// Walks the whole text with TROV_CheckString as the check loop does.
void WalkChecks(int16_t session, const char* text, size_t length, int16_t wordSize) {
  auto word = std::make_unique<char[]>(static_cast<size_t>(wordSize));
  char replacement[TROV_WORD_BUFFER];
  int32_t offset = 0;
  for (size_t round = 0; round <= length + 1; ++round) {
    const int16_t flags = TROV_CheckString(session, text, &offset, word.get(), wordSize,
                                           replacement, sizeof replacement);
    Require(flags > 0);
    if (flags == TROV_RESULT_END_OF_TEXT) {
      Require(offset == TROV_ERR_NOT_FOUND ||
              (offset >= 0 && static_cast<size_t>(offset) <= length));
      return;
    }
    Require(offset >= 0 && static_cast<size_t>(offset) < length);
    const size_t wordLength = std::strlen(word.get());
    Require(wordLength < static_cast<size_t>(wordSize));
    Require(std::strlen(replacement) < sizeof replacement);
    offset += static_cast<int32_t>(wordLength > 0 ? wordLength : 1);
  }
  std::abort();  // the walk did not end
}

// The text after the context start of offset is all a check or a word deletion there reads.
void CompareWithTail(int16_t session, const char* text, int32_t length, int32_t offset,
                     int16_t wordSize) {
  const int32_t start = TROV_ScanContextStartExt(session, text, offset);
  Require(start >= 0 && start <= offset);
  auto whole = std::make_unique<char[]>(static_cast<size_t>(wordSize));
  auto tail = std::make_unique<char[]>(static_cast<size_t>(wordSize));
  char wholeReplacement[TROV_WORD_BUFFER] = "";
  char tailReplacement[TROV_WORD_BUFFER] = "";
  int32_t wholeOffset = offset;
  int32_t tailOffset = offset - start;
  const int16_t flags = TROV_CheckString(session, text, &wholeOffset, whole.get(), wordSize,
                                         wholeReplacement, sizeof wholeReplacement);
  Require(TROV_CheckStringExt(session, text + start, length - start, &tailOffset, tail.get(),
                              wordSize, tailReplacement, sizeof tailReplacement) == flags);
  Require((tailOffset < 0 ? tailOffset : tailOffset + start) == wholeOffset);
  Require(std::strcmp(whole.get(), tail.get()) == 0);
  Require(std::strcmp(wholeReplacement, tailReplacement) == 0);

  std::string edited(text, static_cast<size_t>(length));
  const int16_t deletedAt = TROV_DelStringWord(session, edited.data(), offset, nullptr, 0);
  int32_t count = 0;
  const int32_t spanAt =
      TROV_StringWordSpanExt(session, text + start, length - start, offset - start, &count);
  Require((spanAt < 0 ? spanAt : spanAt + start) == deletedAt);
  Require(deletedAt < 0 || edited.c_str() == std::string(text, static_cast<size_t>(deletedAt)) +
                                                 (text + deletedAt + count));
}

void EditWords(int16_t session, const std::string& text) {
  // Buffers of exactly the text's size, so any write past them is caught.
  const size_t size = text.size() + 1;
  auto buffer = std::make_unique<char[]>(size);
  std::memcpy(buffer.get(), text.c_str(), size);
  const int16_t replaced =
      TROV_ReplaceStringWord(session, buffer.get(), static_cast<int32_t>(size), 0, "xy");
  Require(replaced < 0 || static_cast<size_t>(replaced) == std::strlen(buffer.get()));
  char deleted[8];
  const int16_t begin = TROV_DelStringWord(session, buffer.get(), 1, deleted, sizeof deleted);
  Require(begin < 0 || begin <= 1);
  TROV_InsertText(session, buffer.get(), static_cast<int32_t>(size), 0, "z");
  TROV_DeleteText(session, buffer.get(), 0, 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  uint32_t options;
  std::memcpy(&options, data, sizeof options);
  options &= kAllFlags;
  trov::SelectCharSet(data[4] % trov::kLastCharSet + trov::kFirstCharSet);
  const int16_t wordSize = static_cast<int16_t>(1 + data[5] % TROV_PROBLEM_BUFFER);
  // The text ends at its first zero byte, as a caller's string would.
  const char* bytes = reinterpret_cast<const char*>(data + 6);
  const size_t available = std::min(size - 6, kMaxText);
  const void* zero = std::memchr(bytes, 0, available);
  const std::string text(bytes,
                         zero != nullptr ? static_cast<const char*>(zero) - bytes : available);

  const int16_t session = FuzzSession();
  TROV_SetOption(session, kAllFlags, 0);
  TROV_SetOption(session, options, 1);

  // The scanner's own operations on a buffer of exactly the text's size.
  auto exact = std::make_unique<char[]>(text.size() + 1);
  std::memcpy(exact.get(), text.c_str(), text.size() + 1);
  const char* scanned = exact.get();
  int32_t words = 0;
  for (int32_t start = trov::FindWordStart(scanned, 0, options); scanned[start] != '\0';) {
    Require(static_cast<size_t>(start) < text.size());
    Require(trov::IsAlphanumeric(static_cast<unsigned char>(scanned[start])) ||
            scanned[start] == '&');
    const int32_t next = trov::NextWordStart(scanned, start, options);
    if (next < 0) break;
    Require(next > start);
    start = next;
    ++words;
  }
  char previous[TROV_WORD_BUFFER];
  trov::PreviousWord(scanned, static_cast<int32_t>(text.size() / 2), options, previous,
                     sizeof previous);
  Require(TROV_CountWords(session, exact.get()) >= words);

  WalkChecks(session, exact.get(), text.size(), wordSize);
  CompareWithTail(session, exact.get(), static_cast<int32_t>(text.size()),
                  static_cast<int32_t>(text.size() / 2), wordSize);
  char replacement[TROV_WORD_BUFFER];
  const int16_t flags = TROV_CheckText(session, exact.get(), replacement, sizeof replacement);
  Require(flags >= 0 && std::strlen(replacement) < sizeof replacement);
  EditWords(session, text);
  return 0;
}
