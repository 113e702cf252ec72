#include "lexicon/lexicon.h"

#include "base/grow_table.h"
#include "trov.h"

namespace trov {

int16_t LexiconKind::Add(const char*, int16_t, const char*) { return TROV_ERR_UNSUPPORTED; }
int16_t LexiconKind::Delete(const char*) { return TROV_ERR_UNSUPPORTED; }
int16_t LexiconKind::Clear() { return TROV_ERR_UNSUPPORTED; }
int32_t LexiconKind::List(char*, int32_t) { return TROV_ERR_UNSUPPORTED; }
int32_t LexiconKind::ListSize() { return TROV_ERR_UNSUPPORTED; }
int16_t LexiconKind::FileName(char*, int16_t) { return TROV_ERR_UNSUPPORTED; }
int16_t LexiconKind::SaveCopy(const char*) { return TROV_ERR_UNSUPPORTED; }

namespace {

// Only tags 1..6 name a kind; a free slot or a stray tag is never dispatched.
LexiconKind* KindOf(const Lexicon& lex) {
  if (lex.type < LEX_BUILTIN_LIST || lex.type > LEX_COMPRESSED_PAGED) return nullptr;
  return lex.state;
}

}  // namespace

int16_t LexAdd(const Lexicon& lex, const char* word, int16_t action, const char* otherWord) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->Add(word, action, otherWord) : TROV_ERR_UNSUPPORTED;
}

int16_t LexDelete(const Lexicon& lex, const char* word) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->Delete(word) : TROV_ERR_UNSUPPORTED;
}

int16_t LexClear(const Lexicon& lex) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->Clear() : TROV_ERR_UNSUPPORTED;
}

int16_t LexFind(const Lexicon& lex, const char* word, bool caseSensitive, char* otherWord,
                int16_t otherWordSize) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->Find(word, caseSensitive, otherWord, otherWordSize) : TROV_ERR_UNSUPPORTED;
}

int32_t LexList(const Lexicon& lex, char* buffer, int32_t bufferSize) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->List(buffer, bufferSize) : TROV_ERR_UNSUPPORTED;
}

int32_t LexListSize(const Lexicon& lex) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->ListSize() : TROV_ERR_UNSUPPORTED;
}

int16_t LexLanguage(const Lexicon& lex) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->Language() : TROV_ERR_UNSUPPORTED;
}

int16_t LexFileName(const Lexicon& lex, char* buffer, int16_t bufferSize) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->FileName(buffer, bufferSize) : TROV_ERR_UNSUPPORTED;
}

int16_t LexSaveCopy(const Lexicon& lex, const char* fileName) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->SaveCopy(fileName) : TROV_ERR_UNSUPPORTED;
}

int16_t LexMatchPattern(const Lexicon& lex, const char* pattern, bool caseSensitive,
                        SuggestionList& list) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->MatchPattern(pattern, caseSensitive, list) : TROV_ERR_UNSUPPORTED;
}

int16_t LexScoreWords(const Lexicon& lex, int16_t depth, WordComparator& comparator,
                      SuggestionList& list) {
  LexiconKind* kind = KindOf(lex);
  return kind ? kind->ScoreWords(depth, comparator, list) : TROV_ERR_UNSUPPORTED;
}

int16_t LexClose(Lexicon& lex) {
  delete lex.state;
  lex.state = nullptr;
  lex.type = LEX_FREE;
  return 0;
}

int32_t TakeFreeLexiconSlot(GrowTable& lexicons) {
  for (int32_t i = 0; i < lexicons.Count(); ++i) {
    if (lexicons.Get<Lexicon>(i).type == LEX_FREE) return i;
  }
  const Lexicon freeSlot{LEX_FREE, nullptr};
  return lexicons.Append(&freeSlot);
}

}  // namespace trov
