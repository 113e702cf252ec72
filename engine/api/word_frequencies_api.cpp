// TROV_LoadWordFrequencies: tests the session, reads the file without the lock, then installs the
// table in the session under the lock again (the session may have closed meanwhile).
#include <memory>
#include <new>

#include "base/log.h"
#include "api/session.h"
#include "suggest/word_frequencies.h"
#include "trov_ext.h"

using namespace trov;

extern "C" int16_t TROV_LoadWordFrequencies(int16_t sessionId, const char* fileName) {
  {
    ApiFrame frame("TROV_LoadWordFrequencies");
    if (frame.FindSession(sessionId) == nullptr) return TROV_ERR_BAD_SESSION;
  }
  std::shared_ptr<const WordFrequencies> table;
  if (fileName != nullptr && fileName[0] != '\0') {
    const int16_t result = WordFrequencies::Load(fileName, table);
    if (result < 0) {
      LogLine("TROV_LoadWordFrequencies: error %hd reading %s", result, fileName);
      return result;
    }
  }
  ApiFrame frame("TROV_LoadWordFrequencies");
  Session* session = frame.FindSession(sessionId);
  if (session == nullptr) return TROV_ERR_BAD_SESSION;
  session->frequencies = std::move(table);
  return 0;
}
