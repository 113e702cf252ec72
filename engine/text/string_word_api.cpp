// The string-word functions of the API: count, extract, replace and delete words in a caller's
// string, and the raw insert and delete under them.
#include <algorithm>
#include <climits>
#include <cstring>

#include "session.h"
#include "text/charset.h"
#include "text/word_scanner.h"
#include "trov.h"

using namespace trov;

namespace {

// The session's option word, read under the lock; false after the frame logged a bad id.
bool CopyOptions(const char* function, int16_t id, uint32_t& options) {
  ApiFrame frame(function);
  Session* session = frame.FindSession(id);
  if (session == nullptr) return false;
  options = session->options;
  return true;
}

// The length of a string that must end inside its buffer of size bytes; -1 when it does not.
int32_t LengthInBuffer(const char* text, int32_t size) {
  if (text == nullptr || size < 1) return -1;
  const void* zero = std::memchr(text, 0, static_cast<size_t>(size));
  return zero == nullptr ? -1 : static_cast<int32_t>(static_cast<const char*>(zero) - text);
}

}  // namespace

extern "C" int16_t TROV_GetStringWord(int16_t session, const char* text, int32_t offset, char* word,
                                      int16_t wordSize) {
  uint32_t options;
  if (!CopyOptions("TROV_GetStringWord", session, options)) return TROV_ERR_BAD_SESSION;
  if (text == nullptr || !InsideText(text, offset)) {
    if (word != nullptr && wordSize >= 1) word[0] = '\0';
    return TROV_ERR_NOT_FOUND;
  }
  return static_cast<int16_t>(GetWord(text, offset, options, word, wordSize));
}

extern "C" int32_t TROV_CountWords(int16_t session, const char* text) {
  uint32_t options;
  if (!CopyOptions("TROV_CountWords", session, options)) return TROV_ERR_BAD_SESSION;
  if (text == nullptr) return 0;
  char word[TROV_WORD_BUFFER];
  int32_t count = 0;
  // A word found is never empty, so every round moves on, as far as 32-bit offsets reach.
  for (int64_t start = GetWord(text, 0, options, word, sizeof word); start >= 0;) {
    ++count;
    const int64_t end = start + static_cast<int64_t>(std::strlen(word));
    if (end >= INT32_MAX) break;
    start = GetWord(text, static_cast<int32_t>(end), options, word, sizeof word);
  }
  return count;
}

extern "C" int16_t TROV_ReplaceStringWord(int16_t session, char* text, int32_t textSize,
                                          int32_t offset, const char* newWord) {
  uint32_t options;
  if (!CopyOptions("TROV_ReplaceStringWord", session, options)) return TROV_ERR_BAD_SESSION;
  const int32_t length = LengthInBuffer(text, textSize);
  if (length < 0) return TROV_ERR_BUFFER_FULL;
  char word[TROV_WORD_BUFFER];
  if (offset > length) return TROV_ERR_NOT_FOUND;
  const int32_t start = GetWord(text, offset, options, word, sizeof word);
  if (start < 0) return static_cast<int16_t>(start);
  const int64_t wordLength = static_cast<int64_t>(std::strlen(word));
  const int64_t newLength = newWord == nullptr ? 0 : static_cast<int64_t>(std::strlen(newWord));
  const int64_t resultLength = length - wordLength + newLength;
  if (resultLength >= textSize) return TROV_ERR_BUFFER_FULL;
  // The word lies at or after offset, so offset + its length stays inside the text.
  std::memmove(text + offset + newLength, text + offset + wordLength,
               static_cast<size_t>(length - offset - wordLength + 1));
  if (newLength > 0) std::memcpy(text + offset, newWord, static_cast<size_t>(newLength));
  return static_cast<int16_t>(resultLength);
}

extern "C" int16_t TROV_DelStringWord(int16_t session, char* text, int32_t offset, char* deleted,
                                      int16_t deletedSize) {
  uint32_t options;
  if (!CopyOptions("TROV_DelStringWord", session, options)) return TROV_ERR_BAD_SESSION;
  if (text == nullptr || !InsideText(text, offset)) return TROV_ERR_NOT_FOUND;
  char word[TROV_WORD_BUFFER];
  if (GetWord(text, offset, options, word, sizeof word) < 0) return TROV_ERR_NOT_FOUND;
  // The white space before the word goes with it; the white space after it stays.
  int32_t begin = offset;
  while (begin > 0 && IsSpace(static_cast<unsigned char>(text[begin - 1]))) --begin;
  const size_t count = std::strlen(word) + static_cast<size_t>(offset - begin);
  if (deleted != nullptr && deletedSize >= 1) {
    const size_t copied = std::min(count, static_cast<size_t>(deletedSize - 1));
    std::memcpy(deleted, text + begin, copied);
    deleted[copied] = '\0';
  }
  std::memmove(text + begin, text + begin + count, std::strlen(text + begin + count) + 1);
  return static_cast<int16_t>(begin);
}

extern "C" int32_t TROV_DeleteText(int16_t /*session*/, char* text, int32_t offset, int32_t count) {
  // An offset past the end would move bytes outside the string: nothing is deleted.
  if (text == nullptr || !InsideText(text, offset) || count <= 0) return 0;
  const size_t rest = std::strlen(text + offset);
  const int32_t deleted = static_cast<int32_t>(std::min<size_t>(count, rest));
  std::memmove(text + offset, text + offset + deleted, rest - deleted + 1);
  return deleted;
}

extern "C" int32_t TROV_InsertText(int16_t /*session*/, char* text, int32_t textSize,
                                   int32_t offset, const char* insertion) {
  const int32_t length = LengthInBuffer(text, textSize);
  const size_t added = insertion == nullptr ? 0 : std::strlen(insertion);
  if (length < 0 || static_cast<int64_t>(length) + static_cast<int64_t>(added) >= textSize) {
    return TROV_ERR_BUFFER_FULL;
  }
  // An offset outside the string has no place to insert at.
  if (offset < 0 || offset > length) return TROV_ERR_BUFFER_FULL;
  std::memmove(text + offset + added, text + offset, static_cast<size_t>(length - offset + 1));
  if (added > 0) std::memcpy(text + offset, insertion, added);
  return length + static_cast<int32_t>(added);
}
