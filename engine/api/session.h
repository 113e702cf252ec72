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
  bool inUse = false;               // false marks a free slot
  GrowTable<LexiconSlot> lexicons;  // a lexicon id is an index into it
  int16_t language = 0;             // the Language option
  uint32_t options = 0;             // the option flag word
  // The ranked suggestions' word frequencies; null until a table is loaded. A search copies the
  // pointer under the lock, so a table replaced meanwhile lives until that search ends.
  std::shared_ptr<const WordFrequencies> frequencies;
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
  // The slot of the open lexicon with this id, or null after logging
  // "<function>: bad lex id <id>".
  LexiconSlot* FindLexicon(Session& session, int16_t id);
  // The session's open lexicons in slot order, ending with null; null when it cannot be
  // allocated.
  static std::unique_ptr<Lexicon*[]> CopyLexiconList(Session& session);
  // Leaves the lock early; the rest of the call works on what it copied.
  void Release();

 private:
  const char* function_;
  bool held_;
};

}  // namespace trov

#endif  // TROV_SESSION_H
