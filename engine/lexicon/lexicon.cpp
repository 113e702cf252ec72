#include "lexicon/lexicon.h"

#include "trov.h"

namespace trov {

int16_t Lexicon::Add(const char*, int16_t, const char*) { return TROV_ERR_UNSUPPORTED; }
int16_t Lexicon::Delete(const char*) { return TROV_ERR_UNSUPPORTED; }
int16_t Lexicon::Clear() { return TROV_ERR_UNSUPPORTED; }
int32_t Lexicon::List(char*, int32_t) { return TROV_ERR_UNSUPPORTED; }
int32_t Lexicon::ListSize() { return TROV_ERR_UNSUPPORTED; }
int16_t Lexicon::FileName(char*, int16_t) { return TROV_ERR_UNSUPPORTED; }
int16_t Lexicon::SaveCopy(const char*) { return TROV_ERR_UNSUPPORTED; }

int32_t TakeFreeLexiconSlot(GrowTable<LexiconSlot>& lexicons) {
  for (int32_t i = 0; i < lexicons.Count(); ++i) {
    if (lexicons[i] == nullptr) return i;
  }
  return lexicons.Append(nullptr);
}

}  // namespace trov
