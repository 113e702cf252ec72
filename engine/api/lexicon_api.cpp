// The nine lexicon functions of the API, and the 32-bit listing. Open and create work under the
// engine lock from start to end; the others validate their ids under it and work on the lexicon
// after releasing it.
#include <cstdint>
#include <cstring>

#include "lexicon/builtin_lex.h"
#include "lexicon/compressed/compressed_file.h"
#include "lexicon/lexicon.h"
#include "lexicon/mem_lex.h"
#include "lexicon/text_lexicon.h"
#include "base/log.h"
#include "api/session.h"
#include "text/word_forms.h"
#include "trov.h"
#include "trov_ext.h"

using namespace trov;

namespace {

bool IsKnownAction(int16_t action) {
  switch (action) {
    case 'A':
    case 'C':
    case 'a':
    case 'c':
    case 'e':
    case 'i':
      return true;
    default:
      return false;
  }
}

bool AcceptsBuiltinType(int32_t type) {
  return type == LEX_BUILTIN_LIST || type == LEX_TEMPORARY || type == LEX_TEXT_FILE ||
         type == LEX_BUILTIN_COMPRESSED || type == LEX_COMPRESSED_PAGED;
}

// A free slot for a new lexicon, as an id that fits the API's 16 bits; -1 when there is none.
int32_t TakeSlot(Session& session) {
  const int32_t index = TakeFreeLexiconSlot(session.lexicons);
  return index <= INT16_MAX ? index : -1;
}

// Makes the slot's lexicon from a built-in row's prepared state.
int16_t OpenBuiltin(const BuiltinLexEntry& row, LexiconSlot& slot) {
  slot.reset(row.instantiate(row.prepared));
  return slot != nullptr ? 0 : TROV_ERR_NO_MEMORY;
}

// The file's form decides the kind: compressed files resident or paged, anything else text.
int16_t OpenFile(const char* name, int32_t memoryBudget, LexiconSlot& slot) {
  const int16_t form = DetectCompressedFile(name);
  if (form < 0) return form;
  return form == 1 ? OpenCompressedLexicon(name, memoryBudget, slot) : OpenTextLexicon(name, slot);
}

// The form in which the check driver looks the word up. The word is cut to 80 characters before
// its entities are decoded; null reads as an empty word.
void NormaliseLexiconWord(const char* word, uint32_t options,
                          char (&normalised)[TROV_WORD_BUFFER]) {
  char cut[TROV_WORD_BUFFER];
  std::strncpy(cut, word != nullptr ? word : "", TROV_MAX_WORD);
  cut[TROV_MAX_WORD] = '\0';
  NormaliseWord(cut, options, normalised);
}

// Before a change: copies the lexicon's present words to its backup file when the session asks
// for backups. Only text lexicons can be backed up, so -13 is the quiet answer of the others; any
// other failure is logged and the change goes on.
void BackUp(Lexicon& lex, uint32_t options, const char* function) {
  if ((options & TROV_OPT_BACKUP_USER_DICTIONARY) == 0) return;
  char fileName[TROV_MAX_PATH + 1];
  if (lex.FileName(fileName, sizeof fileName) < 0) return;
  char backupName[kBackupNameBuffer];
  MakeBackupFileName(fileName, backupName);
  const int16_t result = lex.SaveCopy(backupName);
  if (result < 0 && result != TROV_ERR_UNSUPPORTED) {
    LogLine("%s: Unable to backup %s to %s (%ld)", function, fileName, backupName,
            static_cast<long>(result));
  }
}

// What the work of a lexicon call needs, copied out under the lock.
struct LexiconCall {
  Lexicon* lexicon = nullptr;
  uint32_t options = 0;
  int16_t error = 0;
};

// The frame of every function that names an open lexicon: validates both ids, copies the
// option word and releases the lock.
LexiconCall EnterLexiconCall(const char* function, int16_t session, int16_t lex) {
  ApiFrame frame(function);
  LexiconCall call;
  Session* open = frame.FindSession(session);
  if (open == nullptr) {
    call.error = TROV_ERR_BAD_SESSION;
    return call;
  }
  const LexiconSlot* slot = frame.FindLexicon(*open, lex);
  if (slot == nullptr) {
    call.error = TROV_ERR_BAD_LEX;
    return call;
  }
  call.lexicon = slot->get();
  call.options = open->options;
  return call;
}

}  // namespace

extern "C" int16_t TROV_OpenLex(int16_t session, const char* fileName, int32_t memoryBudget) {
  ApiFrame frame("TROV_OpenLex");
  Session* open = frame.FindSession(session);
  if (open == nullptr) return TROV_ERR_BAD_SESSION;
  const char* name = fileName != nullptr ? fileName : "";
  const int32_t index = TakeSlot(*open);
  if (index < 0) {
    LogLine("TROV_OpenLex: Out of memory");
    return TROV_ERR_NO_MEMORY;
  }
  LexiconSlot& slot = open->lexicons[index];
  const BuiltinLexEntry* builtin = FindBuiltinLexicon(name);
  if (builtin != nullptr && !AcceptsBuiltinType(builtin->type)) {
    LogLine("TROV_OpenLex: %s: Unknown memory-based lexicon type", name);
    return TROV_ERR_UNSUPPORTED;
  }
  const int16_t result =
      builtin != nullptr ? OpenBuiltin(*builtin, slot) : OpenFile(name, memoryBudget, slot);
  if (result < 0) {
    LogLine("TROV_OpenLex(%s): returning %hd", name, result);
    return result;
  }
  const auto id = static_cast<int16_t>(index);
  LogLine("TROV_OpenLex: %s opened; id=%hd", name, id);
  return id;
}

extern "C" int16_t TROV_CreateLex(int16_t session, const char* fileName, int16_t language) {
  ApiFrame frame("TROV_CreateLex");
  Session* open = frame.FindSession(session);
  if (open == nullptr) return TROV_ERR_BAD_SESSION;
  const int32_t index = TakeSlot(*open);
  if (index < 0) {
    LogLine("TROV_CreateLex: Out of memory");
    return TROV_ERR_NO_MEMORY;
  }
  LexiconSlot& slot = open->lexicons[index];
  const bool temporary = fileName == nullptr || fileName[0] == '\0';
  const int16_t result = temporary ? CreateTemporaryLexicon(language, slot)
                                   : CreateTextLexicon(fileName, language, slot);
  if (result < 0) {
    LogLine("TROV_CreateLex: returning %hd", result);
    return result;
  }
  const auto id = static_cast<int16_t>(index);
  LogLine("TROV_CreateLex: %s created; id=%hd", temporary ? "temporary lex" : fileName, id);
  return id;
}

extern "C" int16_t TROV_CloseLex(int16_t session, int16_t lex) {
  ApiFrame frame("TROV_CloseLex");
  Session* open = frame.FindSession(session);
  if (open == nullptr) return TROV_ERR_BAD_SESSION;
  LexiconSlot* lexicon = frame.FindLexicon(*open, lex);
  if (lexicon == nullptr) return TROV_ERR_BAD_LEX;
  LogLine("TROV_CloseLex: closing %hd", lex);
  lexicon->reset();
  return 0;
}

extern "C" int16_t TROV_AddToLex(int16_t session, int16_t lex, const char* word, int16_t action,
                                 const char* otherWord) {
  if (!IsKnownAction(action)) {
    LogLine("TROV_AddToLex: unknown action %hd", action);
    return TROV_ERR_BAD_ACTION;
  }
  const LexiconCall call = EnterLexiconCall("TROV_AddToLex", session, lex);
  if (call.error < 0) return call.error;
  BackUp(*call.lexicon, call.options, "TROV_AddToLex");
  char normalised[TROV_WORD_BUFFER];
  NormaliseLexiconWord(word, call.options, normalised);
  return call.lexicon->Add(normalised, action, otherWord);
}

extern "C" int16_t TROV_DelFromLex(int16_t session, int16_t lex, const char* word) {
  const LexiconCall call = EnterLexiconCall("TROV_DelFromLex", session, lex);
  if (call.error < 0) return call.error;
  BackUp(*call.lexicon, call.options, "TROV_DelFromLex");
  const int16_t result = call.lexicon->Delete(word != nullptr ? word : "");
  if (result < 0) {
    LogLine("TROV_DelFromLex: returning %hd", result);
    return result;
  }
  return 0;
}

extern "C" int16_t TROV_ClearLex(int16_t session, int16_t lex) {
  const LexiconCall call = EnterLexiconCall("TROV_ClearLex", session, lex);
  if (call.error < 0) return call.error;
  BackUp(*call.lexicon, call.options, "TROV_ClearLex");
  return call.lexicon->Clear();
}

extern "C" int16_t TROV_FindLexWord(int16_t session, int16_t lex, const char* word, char* otherWord,
                                    int16_t otherWordSize) {
  const LexiconCall call = EnterLexiconCall("TROV_FindLexWord", session, lex);
  if (call.error < 0) return call.error;
  char normalised[TROV_WORD_BUFFER];
  NormaliseLexiconWord(word, call.options, normalised);
  const bool caseSensitive = (call.options & TROV_OPT_CASE_SENSITIVE) != 0;
  const int16_t result = call.lexicon->Find(normalised, caseSensitive, otherWord, otherWordSize);
  if (result < 0 && result != TROV_ERR_NOT_FOUND) {
    LogLine("TROV_FindLexWord: returning %hd", result);
  }
  return result;
}

namespace {

// The listing behind TROV_GetLex and TROV_GetLexExt: the number of entries in 32 bits.
int32_t ListEntries(const char* function, int16_t session, int16_t lex, char* buffer,
                    int32_t bufferSize) {
  const LexiconCall call = EnterLexiconCall(function, session, lex);
  if (call.error < 0) return call.error;
  const int32_t result = call.lexicon->List(buffer, bufferSize);
  if (result < 0) LogLine("%s: returning %hd", function, static_cast<int16_t>(result));
  return result;
}

}  // namespace

extern "C" int16_t TROV_GetLex(int16_t session, int16_t lex, char* buffer, int32_t bufferSize) {
  // The count wraps from 32768 entries on, as its callers have always seen it.
  return static_cast<int16_t>(ListEntries("TROV_GetLex", session, lex, buffer, bufferSize));
}

extern "C" int32_t TROV_GetLexExt(int16_t session, int16_t lex, char* buffer, int32_t bufferSize) {
  return ListEntries("TROV_GetLexExt", session, lex, buffer, bufferSize);
}

extern "C" int16_t TROV_GetLexInfo(int16_t session, int16_t lex, int32_t* size, int16_t* format,
                                   int16_t* language) {
  const LexiconCall call = EnterLexiconCall("TROV_GetLexInfo", session, lex);
  if (call.error < 0) return call.error;
  Lexicon& lexicon = *call.lexicon;
  if (format != nullptr) {
    const LexType type = lexicon.Type();
    *format = type == LEX_BUILTIN_COMPRESSED || type == LEX_COMPRESSED_PAGED ? 0 : 1;
  }
  if (language != nullptr) *language = lexicon.Language();
  if (size != nullptr) *size = lexicon.ListSize();
  return 0;
}
