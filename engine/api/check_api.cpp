// TROV_CheckString, its 32-bit form TROV_CheckStringExt and TROV_CheckText: the API frame around
// the check driver.
#include <memory>
#include <new>

#include "base/log.h"
#include "api/session.h"
#include "check/check_driver.h"
#include "trov.h"
#include "trov_ext.h"

using namespace trov;

namespace {

// What a check needs from its session, copied under the lock.
struct CheckInputs {
  std::unique_ptr<Lexicon*[]> lexicons;
  uint32_t options = 0;
  int16_t error = 0;
};

CheckInputs CopyCheckInputs(const char* frameName, const char* outOfMemoryLine, int16_t id) {
  CheckInputs inputs;
  ApiFrame frame(frameName);
  Session* session = frame.FindSession(id);
  if (session == nullptr) {
    inputs.error = TROV_ERR_BAD_SESSION;
    return inputs;
  }
  inputs.lexicons = ApiFrame::CopyLexiconList(*session);
  if (!inputs.lexicons) {
    LogLine("%s", outOfMemoryLine);
    inputs.error = TROV_ERR_NO_MEMORY;
    return inputs;
  }
  inputs.options = session->options;
  return inputs;
}

int16_t RunCheckSafely(const char* outOfMemoryLine, const char* text, int64_t textLength,
                       const CheckInputs& inputs, uint32_t options, int32_t* offset, char* word,
                       int32_t wordSize, char* replacement, int32_t replacementSize) {
  try {
    return RunCheck(text, textLength, inputs.lexicons.get(), options, offset, word, wordSize,
                    replacement, replacementSize);
  } catch (const std::bad_alloc&) {
    LogLine("%s", outOfMemoryLine);
    return TROV_ERR_NO_MEMORY;
  }
}

}  // namespace

extern "C" int16_t TROV_CheckString(int16_t session, const char* text, int32_t* offset, char* word,
                                    int16_t wordSize, char* replacement, int16_t replacementSize) {
  constexpr const char* kOutOfMemory = "TROV_CheckString: Out of memory";
  const CheckInputs inputs = CopyCheckInputs("TROV_CheckString", kOutOfMemory, session);
  if (inputs.error != 0) return inputs.error;
  return RunCheckSafely(kOutOfMemory, text, kLengthUnknown, inputs, inputs.options, offset, word,
                        wordSize, replacement, replacementSize);
}

extern "C" int16_t TROV_CheckStringExt(int16_t session, const char* text, int32_t textLength,
                                       int32_t* offset, char* word, int16_t wordSize,
                                       char* replacement, int16_t replacementSize) {
  constexpr const char* kOutOfMemory = "TROV_CheckStringExt: Out of memory";
  const CheckInputs inputs = CopyCheckInputs("TROV_CheckStringExt", kOutOfMemory, session);
  if (inputs.error != 0) return inputs.error;
  return RunCheckSafely(kOutOfMemory, text, textLength, inputs, inputs.options, offset, word,
                        wordSize, replacement, replacementSize);
}

extern "C" int16_t TROV_CheckText(int16_t session, const char* word, char* replacement,
                                  int16_t replacementSize) {
  constexpr const char* kOutOfMemory = "TROV_CheckText: Out of memory";
  // Its bad-session line names the function by its older name.
  const CheckInputs inputs = CopyCheckInputs("TROV_CheckWord", kOutOfMemory, session);
  if (inputs.error != 0) return inputs.error;
  char wordCopy[TROV_WORD_BUFFER];
  int32_t offset = 0;
  const int16_t flags = RunCheckSafely(kOutOfMemory, word, kLengthUnknown, inputs,
                                       inputs.options | TROV_OPT_SINGLE_WORD_MODE, &offset,
                                       wordCopy, sizeof wordCopy, replacement, replacementSize);
  return flags == TROV_RESULT_END_OF_TEXT ? 0 : flags;
}
