// Text lexicon files: editable dictionaries kept one word per line, held in memory as a MemLex
// and rewritten whole on every change.
#ifndef TROV_TEXT_LEXICON_H
#define TROV_TEXT_LEXICON_H

#include <cstdint>

#include "lexicon/lexicon.h"
#include "trov.h"

namespace trov {

// Fills slot with the text lexicon read from path (LEX_TEXT_FILE); 0 or an error, logged.
int16_t OpenTextLexicon(const char* path, LexiconSlot& slot);
// Creates a new text lexicon file holding only its header and fills slot with it; 0 or an error.
int16_t CreateTextLexicon(const char* path, int16_t language, LexiconSlot& slot);

// The language a "#LID" header number stands for: a Windows locale id of the table becomes its
// two-letter code; any other number is taken as the code itself.
int16_t LanguageFromHeaderNumber(int32_t number);

// Room for a backup name: a kept path plus ".bak".
inline constexpr int kBackupNameBuffer = TROV_MAX_PATH + 5;
// path with everything from its last '.' (directories included) replaced by ".bak", or ".bak"
// appended when it has none; cut to fit backupName.
void MakeBackupFileName(const char* path, char (&backupName)[kBackupNameBuffer]);

}  // namespace trov

#endif  // TROV_TEXT_LEXICON_H
