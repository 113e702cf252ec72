// Lexicons compiled into the program: the table that TROV_OpenLex consults before the file
// system, and the built-in word list kind (a fixed-capacity sorted array).
#ifndef TROV_BUILTIN_LEX_H
#define TROV_BUILTIN_LEX_H

#include <cstdint>

#include "lexicon/lexicon.h"
#include "trov.h"

namespace trov {

struct WordListEntry {
  char word[TROV_WORD_BUFFER];
  int16_t action;
  char otherWord[TROV_WORD_BUFFER];  // empty when the entry has none
};

// A prepared word list: the array belongs to the program image, the lexicon only works in it.
struct WordListImage {
  WordListEntry* entries;  // in ascending byte order of their words, no two alike
  int32_t count;
  int32_t capacity;
  int16_t language;
};

struct BuiltinLexEntry {
  const char* name;  // null ends the table
  const void* prepared;
  int32_t type;  // the LexType the row declares; TROV_OpenLex refuses rows of other kinds
  // Makes the lexicon from the prepared state; null when memory is short.
  Lexicon* (*instantiate)(const void* prepared);
};

// instantiate for a row whose prepared state is a WordListImage (a LEX_BUILTIN_LIST).
Lexicon* InstantiateWordList(const void* prepared);

// The row whose name equals name byte for byte, or null.
const BuiltinLexEntry* FindBuiltinLexicon(const char* name);

}  // namespace trov

#endif  // TROV_BUILTIN_LEX_H
