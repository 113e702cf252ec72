// A lexicon of any kind: the operations every kind answers, each kind implementing those it
// supports while every other one answers -13. A session owns its lexicons in a table of slots.
#ifndef TROV_LEXICON_H
#define TROV_LEXICON_H

#include <cstdint>
#include <memory>

#include "base/grow_table.h"
#include "scan/word_comparator.h"

namespace trov {

class SuggestionList;

// The kinds of lexicon, as the engine has always numbered them.
enum LexType : int32_t {
  LEX_FREE = 0,
  LEX_BUILTIN_LIST = 1,
  LEX_TEMPORARY = 2,
  LEX_TEXT_FILE = 3,
  LEX_BUILTIN_COMPRESSED = 4,
  LEX_COMPRESSED_RESIDENT = 5,
  LEX_COMPRESSED_PAGED = 6,
};

class Lexicon {
 public:
  virtual ~Lexicon() = default;

  virtual LexType Type() const = 0;
  virtual int16_t Add(const char* word, int16_t action, const char* otherWord);
  virtual int16_t Delete(const char* word);
  virtual int16_t Clear();
  // Action code (>= 0) or -3; copies the other word into otherWord when the kind stores one.
  virtual int16_t Find(const char* word, bool caseSensitive, char* otherWord,
                       int16_t otherWordSize) = 0;
  // Entries written into buffer, their number, or -8.
  virtual int32_t List(char* buffer, int32_t bufferSize);
  // Bytes List needs, or -13.
  virtual int32_t ListSize();
  virtual int16_t Language() = 0;
  virtual int16_t FileName(char* buffer, int16_t bufferSize);
  virtual int16_t SaveCopy(const char* fileName);
  virtual int16_t MatchPattern(const char* pattern, bool caseSensitive, SuggestionList& list) = 0;
  virtual int16_t ScoreWords(int16_t depth, WordComparator& comparator, SuggestionList& list) = 0;
};

// One slot of a session's lexicon table: empty while free. A lexicon id is a slot's index.
using LexiconSlot = std::unique_ptr<Lexicon>;

// Takes the first free slot of a lexicon table, appending one when none is free; the slot
// index, or -12.
int32_t TakeFreeLexiconSlot(GrowTable<LexiconSlot>& lexicons);

}  // namespace trov

#endif  // TROV_LEXICON_H
