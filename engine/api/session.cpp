#include "api/session.h"

#include <new>

#include "api/lock.h"
#include "base/log.h"
#include "trov.h"
#include "test_hooks.h"

namespace trov {
namespace {

// Created with the first session and freed with the last, so ids restart at 0.
GrowTable<Session> sessionTable;
bool sessionTableInitialised = false;

constexpr int32_t kInitialSessions = 4;
constexpr int32_t kInitialLexicons = 4;

bool AnySessionOpen() {
  for (int32_t i = 0; i < sessionTable.Count(); ++i) {
    if (sessionTable[i].inUse) return true;
  }
  return false;
}

int32_t FirstFreeSession() {
  for (int32_t i = 0; i < sessionTable.Count(); ++i) {
    if (!sessionTable[i].inUse) return i;
  }
  return -1;
}

int16_t OpenSessionLocked() {
  if (!sessionTableInitialised) {
    if (sessionTable.Init(kInitialSessions) < 0) return TROV_ERR_NO_MEMORY;
    sessionTableInitialised = true;
  }
  int32_t id = FirstFreeSession();
  if (id < 0) {
    id = sessionTable.Append(Session{});
    if (id < 0) return TROV_ERR_NO_MEMORY;
  }
  Session& session = sessionTable[id];
  if (session.lexicons.Init(kInitialLexicons) < 0) {
    session.inUse = false;
    return TROV_ERR_NO_MEMORY;
  }
  session.language = TROV_LANGUAGE_AM;
  session.options = TROV_DEFAULT_OPTIONS;
  session.frequencies = nullptr;
  session.inUse = true;
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
    Session& session = sessionTable[id];
    if (session.inUse) return &session;
  }
  LogLine("%s: bad session id %hd", function_, id);
  return nullptr;
}

LexiconSlot* ApiFrame::FindLexicon(Session& session, int16_t id) {
  if (id >= 0 && id < session.lexicons.Count() && session.lexicons[id] != nullptr) {
    return &session.lexicons[id];
  }
  LogLine("%s: bad lex id %hd", function_, id);
  return nullptr;
}

std::unique_ptr<Lexicon* []> ApiFrame::CopyLexiconList(Session& session) {
  const int32_t count = session.lexicons.Count();
  std::unique_ptr<Lexicon*[]> list(new (std::nothrow) Lexicon*[count + 1]);
  if (!list) return list;
  int32_t listed = 0;
  for (const LexiconSlot& slot : session.lexicons) {
    if (slot != nullptr) list[listed++] = slot.get();
  }
  list[listed] = nullptr;
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
    LexiconSlot& lexicon = session->lexicons[i];
    if (lexicon == nullptr) continue;
    LogLine("TROV_CloseSession: closing lexId %d", static_cast<int>(i));
    lexicon.reset();
  }
  session->lexicons.Free();
  session->frequencies = nullptr;
  session->inUse = false;
  LogLine("TROV_CloseSession: Session %hd closed", id);
  if (!AnySessionOpen()) {
    sessionTable.Free();
    sessionTableInitialised = false;
  }
  return 0;
}
