// Changes to the text: replacing, Change All pairs, deleting, setting the current word, and undo.
// Every change to the copy is recorded on the undo stack and mirrored in the attached text control
// at the same positions.
#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "bounded_copy.h"
#include "check_loop.h"
#include "trov_ext.h"

namespace trov {
namespace {

inline constexpr std::size_t kFirstUndoRoom = 8;

int32_t Length(const char* text) { return static_cast<int32_t>(std::strlen(text)); }

bool HasUpperCaseLetter(const char* word) {
  for (; *word != '\0'; ++word) {
    if (TROV_CharClassExt(static_cast<uint8_t>(*word)) & TROV_CHAR_UPPER) return true;
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
    TROV_LogLineExt("out of memory");
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
  TextCopy& copy = state.text;
  // After the last word the offset is negative: there is nothing to replace.
  if (state.offset < 0 || state.offset > copy.Length()) return TROV_ERR_NOT_FOUND;
  if (!ReserveUndo()) return TROV_ERR_NO_MEMORY;
  // The record holds what is really removed, so an undo restores the text even when the host set
  // a MisspelledWord that differs from it.
  const std::string removed = copy.Slice(state.offset, Length(state.misspelledWord.data()));
  const int16_t replaced = copy.Replace(state.offset, static_cast<int32_t>(removed.size()),
                                        state.replacementWord.data());
  if (replaced < 0) return replaced;  // the copy is as it was
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
  int32_t start = -1;  // no text: nothing deleted
  int32_t count = 0;
  if (HasText()) {
    start = TROV_ERR_NO_MEMORY;
    if (ReserveUndo()) {
      const ScanView view = ScanAt(state.offset);
      start = view.InCopy(TROV_StringWordSpanExt(core_.Session(), view.text, view.length,
                                                 view.At(state.offset), &count));
    }
  }
  // A failed delete leaves the copy, the offset, the counters and the host's text as they were.
  if (start >= 0) {
    // What was removed, as far as the problem word's buffer holds it.
    CopyBounded(state.misspelledWord,
                state.text.Slice(start, std::min<int32_t>(count, TROV_PROBLEM_BUFFER - 1)));
    state.text.Replace(start, count, "");  // takes room, never needs any
    PushUndo(start, state.misspelledWord.data(), "");
    state.offset = start;
    HostReplaceRange(start, count, "");
  }
  Fire(CheckEvent::kDeleteWord, start);
  return start;
}

void CheckLoop::SetCurrentWord(const char* value) {
  if (!HasText()) return;
  CheckState& state = core_.State();
  // A word is at most 80 characters; the undo record holds no more.
  std::array<char, TROV_WORD_BUFFER> newWord;
  CopyBounded(newWord, TextOrEmpty(value));
  if (!ReserveUndo()) return;
  // As TROV_ReplaceStringWord does: as many bytes are removed at the offset as the word found
  // there is long. Those bytes, not whatever the last read of CurrentWord left behind, are what
  // an undo restores.
  std::array<char, TROV_WORD_BUFFER> found;
  const int32_t foundAt = WordFrom(state.offset, found.data(), TROV_WORD_BUFFER);
  int16_t result = foundAt < 0 ? static_cast<int16_t>(foundAt) : int16_t{0};
  std::string removed;
  if (result == 0) {
    removed = state.text.Slice(state.offset, Length(found.data()));
    result = state.text.Replace(state.offset, static_cast<int32_t>(removed.size()), newWord.data());
  }
  if (result < 0) {
    TROV_LogLineExt("TROV_ReplaceStringWord returned %hd", result);
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
  state.undoOffset = record.offset;
  state.offset = record.offset;
  CopyBounded(state.undoNewText, record.newText.data());
  CopyBounded(state.undoOldText, record.oldText.data());
  // The copy never shrinks, so the text the newest change replaced fits again without growing.
  state.text.Replace(record.offset, Length(state.undoNewText.data()), state.undoOldText.data());
  std::array<char, TROV_WORD_BUFFER> otherWord;
  const int16_t action =
      TROV_FindLexWord(core_.Session(), core_.TempLexicon(), state.undoOldText.data(),
                       otherWord.data(), TROV_WORD_BUFFER);
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
