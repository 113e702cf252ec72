// Creating and releasing the control core, and the option and suggestion-parameter properties.
#include "control_core.h"

#include <algorithm>
#include <new>
#include <utility>

#include "native_path_style.h"
#include "path_conversion.h"
#include "trov_ext.h"

namespace trov {
namespace {

inline constexpr std::size_t kInitialUndoRoom = 8;
inline constexpr std::size_t kInitialDictionaryRoom = 4;

int16_t Clamp(int16_t value, int16_t low, int16_t high) { return std::clamp(value, low, high); }

int16_t AtLeastOne(int16_t value) { return value <= 0 ? int16_t{1} : value; }

// Releases the vector's storage, not just its elements.
template <typename T>
void FreeVector(std::vector<T>& vector) {
  std::vector<T>().swap(vector);
}

}  // namespace

ControlCore::ControlCore(std::string moduleDirectory)
    : moduleDirectory_(std::move(moduleDirectory)) {
  createResult_ = Create();
}

ControlCore::~ControlCore() { ReleaseCore(); }

int16_t ControlCore::Create() {
  const int16_t session = TROV_OpenSession();
  if (session < 0) {
    TROV_LogLineExt("%hd error opening session", session);
    return session;
  }
  session_ = session;
  const int16_t temp = TROV_CreateLex(session_, nullptr, TROV_LANGUAGE_ANY);
  if (temp < 0) {
    TROV_LogLineExt("%hd error opening temp lexicon", temp);
    TROV_CloseSession(session_);
    session_ = -1;
    return temp;
  }
  tempLexicon_ = temp;
  try {
    state_.undoStack.reserve(kInitialUndoRoom);
    state_.suggestions.reserve(static_cast<std::size_t>(maxSuggestions_));
    user_.entries.reserve(kInitialDictionaryRoom);
    main_.entries.reserve(kInitialDictionaryRoom);
  } catch (const std::bad_alloc&) {
    TROV_LogLineExt("out of memory");
    FreeTables();
    TROV_CloseSession(session_);
    session_ = tempLexicon_ = -1;
    return TROV_ERR_NO_MEMORY;
  }
  const int16_t opened = OpenDictionaryLists();
  if (opened < 0) {
    FreeTables();
    TROV_CloseSession(session_);
    session_ = tempLexicon_ = -1;
    return opened;
  }
  return session_;
}

void ControlCore::FreeTables() {
  FreeVector(state_.undoStack);
  FreeVector(state_.suggestions);
  FreeVector(user_.entries);
  FreeVector(main_.entries);
}

void ControlCore::ReleaseCore() {
  CloseDictionaries();
  // Closing the session closes the temporary dictionary with it.
  if (session_ >= 0) TROV_CloseSession(session_);
  session_ = tempLexicon_ = -1;
  state_.misspelledWord[0] = '\0';
  state_.replacementWord[0] = '\0';
  state_.text.Release();
  FreeTables();
}

void ControlCore::Close() {
  ReleaseCore();
  errorCode_ = 0;
}

int16_t ControlCore::Option(OptionProperty property) const {
  // Only a set flag reads as on: without a session the engine answers with a negative code.
  return TROV_GetOption(session_, static_cast<uint32_t>(property)) > 0 ? 1 : 0;
}

void ControlCore::SetOption(OptionProperty property, int32_t value) {
  uint32_t bits = static_cast<uint32_t>(property);
  // Case sensitivity and the capitalisation check are one setting for the host.
  if (property == OptionProperty::kCaseSensitive) bits |= TROV_OPT_CATCH_CAPITALIZATION_ERRORS;
  const int32_t wasOn = TROV_SetOption(session_, bits, value);
  if (property == OptionProperty::kRankedSuggestions && value != 0 && wasOn == 0) {
    LoadWordFrequencies();
  }
}

void ControlCore::LoadWordFrequencies() {
  const std::string path =
      ExpandDictionaryName(kNativePathStyle, moduleDirectory_, kWordFrequencyFile);
  const int16_t result = TROV_LoadWordFrequencies(session_, path.c_str());
  if (result < 0) TROV_LogLineExt("%hd error opening %s", result, path.c_str());
}

int16_t ControlCore::CharacterSet() const { return TROV_GetCharSet(); }

int16_t ControlCore::SetCharacterSet(int16_t charSet) { return TROV_SetCharSet(charSet); }

void ControlCore::SetMaxSuggestions(int16_t value) { maxSuggestions_ = AtLeastOne(value); }

void ControlCore::SetMinSuggestionDepth(int16_t value) {
  minSuggestionDepth_ = Clamp(value, 1, 100);
}

void ControlCore::SetSuggestionDepth(int16_t value) { state_.suggestDepth = Clamp(value, 1, 100); }

void ControlCore::SetSuggestionDepthIncrement(int16_t value) {
  suggestionDepthIncrement_ = AtLeastOne(value);
}

void ControlCore::SetMinSuggestionScore(int16_t value) {
  minSuggestionScore_ = Clamp(value, 0, 100);
}

void ControlCore::SetSuggestionScoreRange(int16_t value) {
  suggestionScoreRange_ = Clamp(value, 0, 100);
}

}  // namespace trov
