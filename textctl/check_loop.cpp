// Loading the text, stepping from word to word and the Resume loop with its events.
#include "check_loop.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "bounded_copy.h"
#include "trov_ext.h"

namespace trov {
namespace {

// An automatic change that lands inside the region it just wrote again this often is skipped:
// two pairs that change x into y and y into x would otherwise replace forever.
inline constexpr int kMaxRepeatedReplacements = 5;

}  // namespace

CheckLoop::ScanView CheckLoop::ScanAt(int32_t offset) {
  TextCopy& copy = core_.State().text;
  int32_t base = 0;
  if (offset > 0 && offset <= copy.Length()) {
    base = std::max(TROV_ScanContextStartExt(core_.Session(), copy.Before(offset), offset), 0);
  }
  return {copy.From(base), base, copy.Length() - base};
}

int32_t CheckLoop::WordFrom(int32_t offset, char* word, int16_t wordSize) {
  const ScanView view = ScanAt(offset);
  return view.InCopy(TROV_GetStringWordExt(core_.Session(), view.text, view.length, view.At(offset),
                                           word, wordSize));
}

int16_t CheckLoop::LoadText(const char* value) {
  CheckState& state = core_.State();
  if (!state.text.Load(TextOrEmpty(value))) {
    TROV_LogLineExt("out of memory");
    return TROV_ERR_NO_MEMORY;
  }
  state.misspelledCount = 0;
  state.replacedCount = 0;
  state.undoStack.clear();
  state.offset = WordFrom(0, state.misspelledWord.data(), TROV_PROBLEM_BUFFER);
  return 0;
}

bool CheckLoop::AdvanceWord() {
  if (!HasText()) return false;
  CheckState& state = core_.State();
  std::array<char, TROV_WORD_BUFFER> word;
  const int32_t start = WordFrom(state.offset, word.data(), TROV_WORD_BUFFER);
  if (start < 0) return false;
  state.offset = start + static_cast<int32_t>(std::strlen(word.data()));
  const int32_t next = WordFrom(state.offset, word.data(), TROV_WORD_BUFFER);
  if (next < 0) return false;  // the offset stays just after the last word
  state.offset = next;
  return true;
}

int16_t CheckLoop::CheckNext() {
  if (!HasText()) return TROV_RESULT_END_OF_TEXT;
  CheckState& state = core_.State();
  const ScanView view = ScanAt(state.offset);
  int32_t offset = view.At(state.offset);
  int flags = TROV_CheckStringExt(core_.Session(), view.text, view.length, &offset,
                                  state.misspelledWord.data(), TROV_PROBLEM_BUFFER,
                                  state.replacementWord.data(), TROV_WORD_BUFFER);
  state.offset = view.InCopy(offset);
  if (flags < 0) {
    TROV_LogLineExt("TROV_CheckString returned %hd", static_cast<int16_t>(flags));
    return TROV_RESULT_END_OF_TEXT;
  }
  if (flags & (TROV_RESULT_MISSPELLED | TROV_RESULT_CAPITALIZATION | TROV_RESULT_DOUBLED_WORD)) {
    ++state.misspelledCount;
  }
  if ((flags & TROV_RESULT_AUTO_CHANGE) && state.autoCorrect == 0) {
    // Without AutoCorrect only this session's Change All pairs still change by themselves.
    std::array<char, TROV_WORD_BUFFER> otherWord;
    const int16_t action =
        TROV_FindLexWord(core_.Session(), core_.TempLexicon(), state.misspelledWord.data(),
                         otherWord.data(), TROV_WORD_BUFFER);
    if (action != 'a' && action != 'A') {
      flags = (flags & ~TROV_RESULT_AUTO_CHANGE) | TROV_RESULT_COND_CHANGE;
    }
  }
  return static_cast<int16_t>(flags);
}

void CheckLoop::AttachTextControl(TextControl* control) {
  textControl_ = control;
  if (control == nullptr) {
    core_.SetErrorCode(LoadText(""));
    return;
  }
  const std::size_t length = static_cast<std::size_t>(std::max(control->TextLength(), 0));
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[length + 1]);
  if (buffer == nullptr) {
    TROV_LogLineExt("out of memory");
    core_.State().text.Release();
    core_.SetErrorCode(TROV_ERR_NO_MEMORY);
    return;
  }
  const int32_t delivered = control->GetText(buffer.get(), static_cast<int32_t>(length + 1));
  // Trust the delivered count only as far as the buffer goes.
  buffer[std::min(static_cast<std::size_t>(std::max(delivered, 0)), length)] = '\0';
  core_.SetErrorCode(LoadText(buffer.get()));
}

void CheckLoop::SetText(const char* value) {
  core_.SetErrorCode(LoadText(value));
  textControl_ = nullptr;
}

std::string CheckLoop::Text() const { return core_.State().text.Text(); }

int32_t CheckLoop::TextLength() const { return core_.State().text.Length(); }

void CheckLoop::HostReplaceRange(int32_t start, int32_t length, const char* newText) {
  if (textControl_ == nullptr) return;
  textControl_->SetSelection(start, start + length);
  textControl_->ScrollCaret();
  textControl_->ReplaceSelection(newText);
}

void CheckLoop::HostSelectRange(int32_t start, int32_t length) {
  if (textControl_ == nullptr) return;
  textControl_->SetSelection(start, start + length);
  textControl_->ScrollCaret();
}

void CheckLoop::FireStopEvents(int16_t flags) {
  static constexpr std::pair<int16_t, CheckEvent> kStopEvents[] = {
      {TROV_RESULT_MISSPELLED, CheckEvent::kMisspelledWord},
      {TROV_RESULT_CAPITALIZATION, CheckEvent::kCapitalization},
      {TROV_RESULT_COND_CHANGE, CheckEvent::kConditionallyChangeWord},
      {TROV_RESULT_MIXED_CASE, CheckEvent::kMixedCaseWord},
      {TROV_RESULT_MIXED_DIGITS, CheckEvent::kWordWithDigits},
      {TROV_RESULT_DOUBLED_WORD, CheckEvent::kDoubledWord},
      {TROV_RESULT_END_OF_TEXT, CheckEvent::kEndOfText},
  };
  for (const auto& [bit, event] : kStopEvents) {
    if (flags & bit) Fire(event);
  }
}

int16_t CheckLoop::Resume() {
  CheckState& state = core_.State();
  int repeats = 0;
  uint32_t lastStart = 0xFFFFFFFF;
  uint32_t lastLength = 0;
  int16_t flags = CheckNext();
  while (flags & TROV_RESULT_AUTO_CHANGE) {
    const uint32_t start = static_cast<uint32_t>(state.offset);
    const bool inLastRegion = start >= lastStart && start - lastStart < lastLength;
    repeats = inLastRegion ? repeats + 1 : 0;
    if (repeats >= kMaxRepeatedReplacements) {
      AdvanceWord();
    } else {
      const int16_t replaced = ReplaceCurrent();
      core_.SetErrorCode(replaced);
      if (replaced < 0) {
        listener_.OnReplaceOutOfSpace();
        flags = TROV_RESULT_END_OF_TEXT;
        break;
      }
      HostReplaceRange(state.offset, static_cast<int32_t>(std::strlen(state.misspelledWord.data())),
                       state.replacementWord.data());
      lastStart = start;
      lastLength = static_cast<uint32_t>(std::strlen(state.replacementWord.data()));
      Fire(CheckEvent::kReplaceWord);
    }
    flags = CheckNext();
  }
  FireStopEvents(flags);
  if (!(flags & TROV_RESULT_END_OF_TEXT)) {
    HostSelectRange(state.offset, static_cast<int32_t>(std::strlen(state.misspelledWord.data())));
  }
  return flags;
}

bool CheckLoop::NextWord() {
  core_.SetErrorCode(0);
  return AdvanceWord();
}

void CheckLoop::IgnoreWord() {
  core_.SetErrorCode(0);
  AdvanceWord();
}

void CheckLoop::IgnoreAllWord() {
  core_.SetErrorCode(0);
  // A word the temporary dictionary refuses is still skipped this time.
  TROV_AddToLex(core_.Session(), core_.TempLexicon(), core_.State().misspelledWord.data(), 'i',
                nullptr);
  AdvanceWord();
}

std::string CheckLoop::CurrentWord() {
  CheckState& state = core_.State();
  if (HasText()) {
    state.currentWord[0] = '\0';
    WordFrom(state.offset, state.currentWord.data(), TROV_WORD_BUFFER);
  }
  return state.currentWord.data();
}

void CheckLoop::SetMisspelledWord(const char* value) {
  CopyBounded(core_.State().misspelledWord, TextOrEmpty(value));
  // A word set by the host starts its suggestions from the shallowest depth again.
  core_.State().suggestDepth = core_.MinSuggestionDepth();
}

void CheckLoop::SetReplacementWord(const char* value) {
  CopyBounded(core_.State().replacementWord, TextOrEmpty(value));
}

bool CheckLoop::TestWord(const char* word) {
  core_.SetErrorCode(0);
  std::array<char, TROV_WORD_BUFFER> replacement;
  return TROV_CheckText(core_.Session(), TextOrEmpty(word), replacement.data(), TROV_WORD_BUFFER) ==
         0;
}

int32_t CheckLoop::WordOffset() const { return HasText() ? core_.State().offset : 0; }

int32_t CheckLoop::WordCount() {
  // The one member that scans the whole text, once per call.
  return HasText() ? TROV_CountWords(core_.Session(), core_.State().text.From(0)) : 0;
}

}  // namespace trov
