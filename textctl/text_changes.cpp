// Changes to the text: replacing, Change All pairs, deleting, setting the current word, and undo.
// Every change to the copy is recorded on the undo stack and mirrored in the attached text control
// at the same positions.
#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "bounded_copy.h"
#include "check_loop.h"
#include "log.h"
#include "text/charset.h"

namespace trov {
namespace {

inline constexpr std::size_t kFirstUndoRoom = 8;

int32_t Length(const char* text) { return static_cast<int32_t>(std::strlen(text)); }

bool HasUpperCaseLetter(const char* word) {
  for (; *word != '\0'; ++word) {
    if (IsUpper(static_cast<unsigned char>(*word))) return true;
  }
  return false;
}

}  // namespace

bool CheckLoop::ReserveUndo() {
  std::vector<UndoRecord>& stack = core_.State().undoStack;
  if (stack.size() < stack.capacity()) return true;
  try {
    stack.reserve(std::max(kFirstUndoRoom, stack.capacity() * 2));
  } catch (const std::bad_alloc&) {
    LogLine("out of memory");
    return false;
  }
  return true;
}

void CheckLoop::PushUndo(int32_t offset, std::string_view oldText, std::string_view newText) {
  CheckState& state = core_.State();
  UndoRecord record{offset, {}, {}};
  CopyBounded(record.oldText, oldText);
  CopyBounded(record.newText, newText);
  state.undoStack.push_back(record);  // room was reserved before the change was made
  ++state.replacedCount;
}

int16_t CheckLoop::ReplaceCurrent() {
  if (!HasText()) return TROV_ERR_BUFFER_FULL;
  CheckState& state = core_.State();
  char* text = state.text.get();
  const int32_t length = Length(text);
  // After the last word the offset is negative: there is nothing to replace.
  if (state.offset < 0 || state.offset > length) return TROV_ERR_NOT_FOUND;
  if (!ReserveUndo()) return TROV_ERR_NO_MEMORY;
  const int32_t count =
      std::min(Length(state.misspelledWord.data()), length - state.offset);
  // The record holds what is really removed, so an undo restores the text even when the host set
  // a MisspelledWord that differs from it.
  const std::string removed(text + state.offset, static_cast<std::size_t>(count));
  TROV_DeleteText(core_.Session(), text, state.offset, count);
  const int32_t inserted =
      TROV_InsertText(core_.Session(), text, static_cast<int32_t>(state.textCapacity),
                      state.offset, state.replacementWord.data());
  if (inserted < 0) {
    // What was removed fitted before, so it fits again: the copy is left as it was.
    TROV_InsertText(core_.Session(), text, static_cast<int32_t>(state.textCapacity), state.offset,
                    removed.c_str());
    return static_cast<int16_t>(inserted);
  }
  PushUndo(state.offset, removed, state.replacementWord.data());
  return 0;
}

int16_t CheckLoop::ReplaceWord() {
  CheckState& state = core_.State();
  const int16_t result = ReplaceCurrent();
  core_.SetErrorCode(result);
  if (result >= 0) {
    HostReplaceRange(state.offset, Length(state.misspelledWord.data()),
                     state.replacementWord.data());
    Fire(CheckEvent::kReplaceWord);
  }
  return result;
}

int16_t CheckLoop::ReplaceAllWord() {
  const CheckState& state = core_.State();
  int16_t recorded = 0;
  if (std::strcmp(state.misspelledWord.data(), state.replacementWord.data()) != 0) {
    // A replacement with capitals keeps its own case; an all-lower-case one takes the case of
    // each occurrence.
    const int16_t action = HasUpperCaseLetter(state.replacementWord.data()) ? 'a' : 'A';
    recorded = TROV_AddToLex(core_.Session(), core_.TempLexicon(), state.misspelledWord.data(),
                             action, state.replacementWord.data()) >= 0
                   ? 1
                   : 0;
  }
  core_.SetErrorCode(recorded);
  return recorded;
}

int32_t CheckLoop::DeleteWord() {
  CheckState& state = core_.State();
  core_.SetErrorCode(0);
  const int32_t lengthBefore = CopyLength();
  int32_t start = -1;  // no text: nothing deleted
  if (HasText()) {
    start = ReserveUndo() ? TROV_DelStringWord(core_.Session(), state.text.get(), state.offset,
                                               state.misspelledWord.data(), TROV_PROBLEM_BUFFER)
                          : TROV_ERR_NO_MEMORY;
  }
  // A failed delete leaves the copy, the offset, the counters and the host's text as they were.
  if (start >= 0) {
    PushUndo(start, state.misspelledWord.data(), "");
    state.offset = start;
    HostReplaceRange(start, lengthBefore - CopyLength(), "");
  }
  Fire(CheckEvent::kDeleteWord, start);
  return start;
}

void CheckLoop::SetCurrentWord(const char* value) {
  if (!HasText()) return;
  CheckState& state = core_.State();
  char* text = state.text.get();
  // A word is at most 80 characters; the undo record holds no more.
  std::array<char, TROV_WORD_BUFFER> newWord;
  CopyBounded(newWord, TextOrEmpty(value));
  if (!ReserveUndo()) return;
  // The engine removes as many bytes at the offset as the word it finds there is long; those
  // bytes, not whatever the last read of CurrentWord left behind, are what an undo restores.
  std::array<char, TROV_WORD_BUFFER> found;
  const int16_t foundAt = TROV_GetStringWord(core_.Session(), text, state.offset, found.data(),
                                             TROV_WORD_BUFFER);
  std::string removed;
  if (foundAt >= 0) {
    const int32_t count = std::min(Length(found.data()), Length(text) - state.offset);
    removed.assign(text + state.offset, static_cast<std::size_t>(std::max(count, 0)));
  }
  const int16_t result = TROV_ReplaceStringWord(
      core_.Session(), text, static_cast<int32_t>(state.textCapacity), state.offset, newWord.data());
  if (result < 0) {
    LogLine("TROV_ReplaceStringWord returned %hd", result);
    return;
  }
  PushUndo(state.offset, removed, newWord.data());
  // The host's text must stay in step with the copy, or every later change and undo would land
  // at the wrong place in it.
  HostReplaceRange(state.offset, static_cast<int32_t>(removed.size()), newWord.data());
}

void CheckLoop::Undo() {
  CheckState& state = core_.State();
  // Nothing to undo changes nothing anywhere: re-applying the last undo's fields would edit the
  // host's text behind the copy's back.
  if (!HasText() || state.undoStack.empty()) return;
  const UndoRecord record = state.undoStack.back();
  state.undoStack.pop_back();
  char* text = state.text.get();
  state.undoOffset = record.offset;
  state.offset = record.offset;
  CopyBounded(state.undoNewText, record.newText.data());
  if (state.undoNewText[0] != '\0') {
    TROV_DeleteText(core_.Session(), text, record.offset, Length(state.undoNewText.data()));
  }
  CopyBounded(state.undoOldText, record.oldText.data());
  // Undoing the newest change restores a text that fitted before, so the insert fits.
  TROV_InsertText(core_.Session(), text, static_cast<int32_t>(state.textCapacity), record.offset,
                  state.undoOldText.data());
  std::array<char, TROV_WORD_BUFFER> otherWord;
  const int16_t action = TROV_FindLexWord(core_.Session(), core_.TempLexicon(),
                                          state.undoOldText.data(), otherWord.data(),
                                          TROV_WORD_BUFFER);
  if (action == 'a' || action == 'A') {
    // Undoing a Change All replacement withdraws the pair, or the next Resume would redo it.
    TROV_DelFromLex(core_.Session(), core_.TempLexicon(), state.undoOldText.data());
  }
  --state.replacedCount;
  HostReplaceRange(state.undoOffset, Length(state.undoNewText.data()), state.undoOldText.data());
  core_.SetErrorCode(0);
  Fire(CheckEvent::kUndoChange);
}

}  // namespace trov
