#include "api/session.h"

#include <new>

#include "api/lock.h"
#include "base/log.h"
#include "trov.h"
#include "test_hooks.h"

namespace trov {
namespace {

// Created with the first session and freed with the last, so ids restart at 0.
GrowTable sessionTable;
bool sessionTableInitialised = false;

constexpr int32_t kInitialSessions = 4;
constexpr int32_t kInitialLexicons = 4;

bool AnySessionOpen() {
  for (int32_t i = 0; i < sessionTable.Count(); ++i) {
    if (sessionTable.Get<Session>(i).inUse) return true;
  }
  return false;
}

int32_t FirstFreeSession() {
  for (int32_t i = 0; i < sessionTable.Count(); ++i) {
    if (!sessionTable.Get<Session>(i).inUse) return i;
  }
  return -1;
}

int16_t OpenSessionLocked() {
  if (!sessionTableInitialised) {
    if (sessionTable.Init(sizeof(Session), kInitialSessions) < 0) return TROV_ERR_NO_MEMORY;
    sessionTableInitialised = true;
  }
  int32_t id = FirstFreeSession();
  if (id < 0) {
    const Session blank{};
    id = sessionTable.Append(&blank);
    if (id < 0) return TROV_ERR_NO_MEMORY;
  }
  Session& session = sessionTable.Get<Session>(id);
  if (session.lexicons.Init(sizeof(Lexicon), kInitialLexicons) < 0) {
    session.inUse = 0;
    return TROV_ERR_NO_MEMORY;
  }
  session.language = TROV_LANGUAGE_AM;
  session.options = TROV_DEFAULT_OPTIONS;
  session.frequencies = nullptr;
  session.inUse = 1;
  return static_cast<int16_t>(id);
}

}  // namespace

ApiFrame::ApiFrame(const char* function) : function_(function), held_(true) { TakeEngineLock(); }

ApiFrame::~ApiFrame() { Release(); }

void ApiFrame::Release() {
  if (!held_) return;
  held_ = false;
  ReleaseEngineLock();
}

Session* ApiFrame::FindSession(int16_t id) {
  if (id >= 0 && sessionTableInitialised && id < sessionTable.Count()) {
    Session& session = sessionTable.Get<Session>(id);
    if (session.inUse) return &session;
  }
  LogLine("%s: bad session id %hd", function_, id);
  return nullptr;
}

Lexicon* ApiFrame::FindLexicon(Session& session, int16_t id) {
  if (id >= 0 && id < session.lexicons.Count()) {
    Lexicon& lexicon = session.lexicons.Get<Lexicon>(id);
    if (lexicon.type != LEX_FREE) return &lexicon;
  }
  LogLine("%s: bad lex id %hd", function_, id);
  return nullptr;
}

std::unique_ptr<Lexicon* []> ApiFrame::CopyLexiconList(Session& session) {
  const int32_t count = session.lexicons.Count();
  std::unique_ptr<Lexicon*[]> list(new (std::nothrow) Lexicon*[count + 1]);
  if (!list) return list;
  for (int32_t i = 0; i < count; ++i) list[i] = &session.lexicons.Get<Lexicon>(i);
  list[count] = nullptr;
  return list;
}

int32_t SessionTableCapacity() {
  TakeEngineLock();
  const int32_t capacity = sessionTableInitialised ? sessionTable.Capacity() : 0;
  ReleaseEngineLock();
  return capacity;
}

}  // namespace trov

using namespace trov;

extern "C" int16_t TROV_OpenSession() {
  ApiFrame frame("TROV_OpenSession");
  const int16_t id = OpenSessionLocked();
  if (id < 0) {
    LogLine("TROV_OpenSession: Out of memory");
    return id;
  }
  LogLine("TROV_OpenSession: session %hd opened", id);
  return id;
}

extern "C" int16_t TROV_CloseSession(int16_t id) {
  ApiFrame frame("TROV_CloseSession");
  Session* session = frame.FindSession(id);
  if (session == nullptr) return TROV_ERR_BAD_SESSION;
  for (int32_t i = 0; i < session->lexicons.Count(); ++i) {
    Lexicon& lexicon = session->lexicons.Get<Lexicon>(i);
    if (lexicon.type == LEX_FREE) continue;
    LogLine("TROV_CloseSession: closing lexId %d", static_cast<int>(i));
    LexClose(lexicon);
  }
  session->lexicons.Free();
  delete session->frequencies;
  session->frequencies = nullptr;
  session->inUse = 0;
  LogLine("TROV_CloseSession: Session %hd closed", id);
  if (!AnySessionOpen()) {
    sessionTable.Free();
    sessionTableInitialised = false;
  }
  return 0;
}
