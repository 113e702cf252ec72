// The string-word functions of the API: count, extract, replace and delete words in a caller's
// string, and the raw insert and delete under them; and their 32-bit forms for callers that know
// their text's length.
#include <algorithm>
#include <climits>
#include <cstring>

#include "api/session.h"
#include "text/charset.h"
#include "text/word_scanner.h"
#include "trov.h"
#include "trov_ext.h"

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

// An offset the caller vouches for with the text's length: nothing needs to be measured.
bool WithinLength(const char* text, int32_t textLength, int32_t offset) {
  return text != nullptr && offset >= 0 && offset <= textLength;
}

// The word found from an offset already known to lie inside the text (inside), else none.
int32_t WordFrom(const char* text, bool inside, int32_t offset, uint32_t options, char* word,
                 int16_t wordSize) {
  if (!inside) {
    if (word != nullptr && wordSize >= 1) word[0] = '\0';
    return TROV_ERR_NOT_FOUND;
  }
  return GetWord(text, offset, options, word, wordSize);
}

// What deleting the word at offset removes: the word and the white space before it, while the
// white space after it stays. Its start, with its length in count; -3 when no word remains. The
// length is measured from offset, which callers give as the word's start.
int32_t DeletionSpan(const char* text, int32_t offset, uint32_t options, int32_t& count) {
  char word[TROV_WORD_BUFFER];
  if (GetWord(text, offset, options, word, sizeof word) < 0) return TROV_ERR_NOT_FOUND;
  int32_t begin = offset;
  while (begin > 0 && IsSpace(static_cast<unsigned char>(text[begin - 1]))) --begin;
  count = static_cast<int32_t>(std::strlen(word)) + (offset - begin);
  return begin;
}

}  // namespace

extern "C" int16_t TROV_GetStringWord(int16_t session, const char* text, int32_t offset, char* word,
                                      int16_t wordSize) {
  uint32_t options;
  if (!CopyOptions("TROV_GetStringWord", session, options)) return TROV_ERR_BAD_SESSION;
  const bool inside = text != nullptr && InsideText(text, offset);
  return static_cast<int16_t>(WordFrom(text, inside, offset, options, word, wordSize));
}

extern "C" int32_t TROV_GetStringWordExt(int16_t session, const char* text, int32_t textLength,
                                         int32_t offset, char* word, int16_t wordSize) {
  uint32_t options;
  if (!CopyOptions("TROV_GetStringWordExt", session, options)) return TROV_ERR_BAD_SESSION;
  return WordFrom(text, WithinLength(text, textLength, offset), offset, options, word, wordSize);
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
  int32_t spanLength = 0;
  const int32_t begin = DeletionSpan(text, offset, options, spanLength);
  if (begin < 0) return static_cast<int16_t>(begin);
  const size_t count = static_cast<size_t>(spanLength);
  if (deleted != nullptr && deletedSize >= 1) {
    const size_t copied = std::min(count, static_cast<size_t>(deletedSize - 1));
    std::memcpy(deleted, text + begin, copied);
    deleted[copied] = '\0';
  }
  std::memmove(text + begin, text + begin + count, std::strlen(text + begin + count) + 1);
  return static_cast<int16_t>(begin);
}

extern "C" int32_t TROV_StringWordSpanExt(int16_t session, const char* text, int32_t textLength,
                                          int32_t offset, int32_t* count) {
  uint32_t options;
  if (!CopyOptions("TROV_StringWordSpanExt", session, options)) return TROV_ERR_BAD_SESSION;
  if (!WithinLength(text, textLength, offset)) return TROV_ERR_NOT_FOUND;
  int32_t spanLength = 0;
  const int32_t begin = DeletionSpan(text, offset, options, spanLength);
  if (begin >= 0 && count != nullptr) *count = spanLength;
  return begin;
}

extern "C" int32_t TROV_ScanContextStartExt(int16_t session, const char* text, int32_t offset) {
  uint32_t options;
  if (!CopyOptions("TROV_ScanContextStartExt", session, options)) return TROV_ERR_BAD_SESSION;
  if (text == nullptr || offset <= 0) return 0;
  // The deletion's walk back over white space stops at or after the previous word's start too.
  return std::max(PreviousWordStart(text, offset), 0);
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
