// The process-wide session table and the frame every API function starts with.
#ifndef TROV_SESSION_H
#define TROV_SESSION_H

#include <cstdint>
#include <memory>

#include "base/grow_table.h"
#include "lexicon/lexicon.h"
#include "suggest/word_frequencies.h"

namespace trov {

struct Session {
  int16_t inUse;       // non-zero while open; 0 marks a free slot
  GrowTable lexicons;  // of Lexicon; a lexicon id is an index into it
  int16_t language;    // the Language option
  uint32_t options;    // the option flag word
  // The ranked suggestions' word frequencies, owned by the session (a plain pointer keeps the
  // record trivially copyable); null until a table is loaded. A search copies the shared pointer
  // under the lock, so a table replaced meanwhile lives until that search ends.
  std::shared_ptr<const WordFrequencies>* frequencies;
};

// Holds the engine lock for one API call's table work: validate, copy, release, work.
class ApiFrame {
 public:
  // Takes the lock; function names the API function in log lines.
  explicit ApiFrame(const char* function);
  ~ApiFrame();
  ApiFrame(const ApiFrame&) = delete;
  ApiFrame& operator=(const ApiFrame&) = delete;

  // The open session with this id, or null after logging "<function>: bad session id <id>".
  Session* FindSession(int16_t id);
  // The open lexicon with this id, or null after logging "<function>: bad lex id <id>".
  Lexicon* FindLexicon(Session& session, int16_t id);
  // The addresses of every slot of the session's lexicon table in slot order, free slots
  // included, ending with null; null when it cannot be allocated.
  static std::unique_ptr<Lexicon*[]> CopyLexiconList(Session& session);
  // Leaves the lock early; the rest of the call works on what it copied.
  void Release();

 private:
  const char* function_;
  bool held_;
};

}  // namespace trov

#endif  // TROV_SESSION_H
