// A session's lexicon slots and the dispatch of every lexicon operation on the slot's type tag.
// Each kind of lexicon implements the operations it supports; every other one answers -13.
#ifndef TROV_LEXICON_H
#define TROV_LEXICON_H

#include <cstdint>

#include "scan/word_comparator.h"

namespace trov {

class GrowTable;
class SuggestionList;

enum LexType : int32_t {
  LEX_FREE = 0,
  LEX_BUILTIN_LIST = 1,
  LEX_TEMPORARY = 2,
  LEX_TEXT_FILE = 3,
  LEX_BUILTIN_COMPRESSED = 4,
  LEX_COMPRESSED_RESIDENT = 5,
  LEX_COMPRESSED_PAGED = 6,
};

// The state of one kind of lexicon. Defaults answer "unsupported" so a kind overrides only the
// operations its row of the dispatch table has.
class LexiconKind {
 public:
  virtual ~LexiconKind() = default;

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

// One slot of a session's lexicon table. Trivially copyable: the table moves slots with memcpy.
struct Lexicon {
  int32_t type;        // LexType; LEX_FREE marks a free slot
  LexiconKind* state;  // owned by the slot while type is not LEX_FREE
};

// Dispatch on the slot's type tag: a free slot or unknown tag answers -13 and does nothing.
int16_t LexAdd(const Lexicon& lex, const char* word, int16_t action, const char* otherWord);
int16_t LexDelete(const Lexicon& lex, const char* word);
int16_t LexClear(const Lexicon& lex);
int16_t LexFind(const Lexicon& lex, const char* word, bool caseSensitive, char* otherWord,
                int16_t otherWordSize);
int32_t LexList(const Lexicon& lex, char* buffer, int32_t bufferSize);
int32_t LexListSize(const Lexicon& lex);
int16_t LexLanguage(const Lexicon& lex);
int16_t LexFileName(const Lexicon& lex, char* buffer, int16_t bufferSize);
int16_t LexSaveCopy(const Lexicon& lex, const char* fileName);
int16_t LexMatchPattern(const Lexicon& lex, const char* pattern, bool caseSensitive,
                        SuggestionList& list);
int16_t LexScoreWords(const Lexicon& lex, int16_t depth, WordComparator& comparator,
                      SuggestionList& list);
// Frees the kind's state and marks the slot free; 0.
int16_t LexClose(Lexicon& lex);

// Takes the first free slot of a lexicon table (a GrowTable of Lexicon), appending one when none
// is free; the slot index, or -12.
int32_t TakeFreeLexiconSlot(GrowTable& lexicons);

}  // namespace trov

#endif  // TROV_LEXICON_H
