#include "check/check_driver.h"

#include <cstring>

#include "text/charset.h"
#include "check/check_rules.h"
#include "text/word_forms.h"
#include "text/word_scanner.h"
#include "trov.h"

namespace trov {
namespace {

constexpr int16_t kSplitReportFlags =
    TROV_RESULT_MISSPELLED | TROV_RESULT_AUTO_CHANGE | TROV_RESULT_COND_CHANGE;
constexpr uint32_t kSplitOptions =
    TROV_OPT_SPLIT_HYPHENATED_WORDS | TROV_OPT_SPLIT_CONTRACTED_WORDS;

// Narrows the reported word to the part at fault: from the adjustment on, up to its separator.
void ReportFaultyPart(uint32_t options, int32_t adjustment, int32_t* offset, char* word,
                      int32_t wordSize) {
  const size_t length = std::strlen(word);
  size_t from = 0;
  if (adjustment > 0) {
    *offset += adjustment;
    from = std::min(static_cast<size_t>(adjustment), length);
  }
  char part[TROV_WORD_BUFFER];
  SplitOff(word + from, options, part);
  CopyBounded(word, wordSize, part);
}

bool SameWord(const char* word, const char* previous, uint32_t options) {
  if (options & TROV_OPT_CASE_SENSITIVE) return std::strcmp(word, previous) == 0;
  return CaselessCompare(word, previous) == 0;
}

// Only white space may stand between a doubled word and the word it repeats: the byte before
// the blanks must be the previous word's own last byte (punctuation or markup separates).
bool FollowsPreviousDirectly(const char* text, int32_t offset, const char* previous) {
  int64_t pos = static_cast<int64_t>(offset) - 1;
  while (pos >= 0 && IsSpace(static_cast<unsigned char>(text[pos]))) --pos;
  if (pos < 0) return true;
  return text[pos] == previous[std::strlen(previous) - 1];
}

int16_t CheckTextFrom(const char* text, Lexicon* const* lexicons, uint32_t options, int32_t* offset,
                      char* word, int32_t wordSize, char* replacement, int32_t replacementSize) {
  const bool catchDoubled = (options & TROV_OPT_CATCH_DOUBLED_WORDS) != 0;
  // The word before the starting offset, so a resumed check still sees a repetition.
  char previous[TROV_WORD_BUFFER] = "";
  if (catchDoubled) PreviousWord(text, *offset, options, previous, sizeof previous);

  bool sameInEngineBuffer = false;
  int32_t start = GetWord(text, *offset, options, word, wordSize, &sameInEngineBuffer);
  while (start >= 0) {
    *offset = start;
    int32_t adjustment = 0;
    int16_t flags = CheckWord(word, lexicons, options, replacement, replacementSize, &adjustment);
    if (catchDoubled && previous[0] != '\0' && SameWord(word, previous, options) &&
        !IsIgnoredWord(word, options) && FollowsPreviousDirectly(text, start, previous)) {
      flags |= TROV_RESULT_DOUBLED_WORD;
    }
    if ((flags & kSplitReportFlags) && (options & kSplitOptions)) {
      ReportFaultyPart(options, adjustment, offset, word, wordSize);
    }
    if (flags != 0) return flags;
    CopyBounded(previous, sizeof previous, word);
    // The step to the next word scans the word again in an engine buffer, unless that would
    // give the word just copied.
    const int32_t next = sameInEngineBuffer ? WordStartAfter(text, start, word, options)
                                            : NextWordStart(text, start, options);
    if (next < 0) return TROV_RESULT_END_OF_TEXT;
    start = GetWord(text, next, options, word, wordSize, &sameInEngineBuffer);
  }
  *offset = TROV_ERR_NOT_FOUND;
  return TROV_RESULT_END_OF_TEXT;
}

// The text from offset on is one word, punctuation and all.
int16_t CheckSingleWord(const char* text, bool startInside, Lexicon* const* lexicons,
                        uint32_t options, int32_t* offset, char* word, int32_t wordSize,
                        char* replacement, int32_t replacementSize) {
  CopyBounded(word, wordSize, startInside ? text + *offset : "");
  int32_t adjustment = 0;
  const int16_t flags =
      CheckWord(word, lexicons, options, replacement, replacementSize, &adjustment);
  if ((flags & TROV_RESULT_MISSPELLED) && (options & kSplitOptions)) {
    ReportFaultyPart(options, adjustment, offset, word, wordSize);
  }
  return flags != 0 ? flags : TROV_RESULT_END_OF_TEXT;
}

}  // namespace

int16_t RunCheck(const char* text, int64_t textLength, Lexicon* const* lexicons, uint32_t options,
                 int32_t* offset, char* word, int32_t wordSize, char* replacement,
                 int32_t replacementSize) {
  int32_t localOffset = 0;
  if (offset == nullptr) offset = &localOffset;
  // Without a caller's word buffer the words still need somewhere to be scanned into.
  char localWord[TROV_PROBLEM_BUFFER];
  if (word == nullptr || wordSize < 1) {
    word = localWord;
    wordSize = sizeof localWord;
  }
  if (replacement == nullptr || replacementSize < 1) {
    replacement = nullptr;
    replacementSize = 0;
  }
  if (text == nullptr) {
    text = "";
    textLength = 0;
  }
  const bool startInside = textLength == kLengthUnknown ? InsideText(text, *offset)
                                                        : *offset >= 0 && *offset <= textLength;
  if (options & TROV_OPT_SINGLE_WORD_MODE) {
    return CheckSingleWord(text, startInside, lexicons, options, offset, word, wordSize,
                           replacement, replacementSize);
  }
  // A start past the end of the text finds no word; the scans never reach past its zero.
  if (*offset > 0 && !startInside) {
    *offset = TROV_ERR_NOT_FOUND;
    return TROV_RESULT_END_OF_TEXT;
  }
  return CheckTextFrom(text, lexicons, options, offset, word, wordSize, replacement,
                       replacementSize);
}

}  // namespace trov
