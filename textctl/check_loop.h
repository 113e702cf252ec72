// The interactive check loop: walks the core's copy of the text from problem word to problem
// word, mirrors every change in the attached text control at the same positions, keeps the undo
// stack and the suggestion list, and reports each stop to its listener.
#ifndef VANTOR_CHECK_LOOP_H
#define VANTOR_CHECK_LOOP_H

#include <cstdint>
#include <string>

#include "check_events.h"
#include "control_core.h"
#include "text_control.h"

namespace trov {

class CheckLoop {
 public:
  CheckLoop(ControlCore& core, CheckListener& listener) : core_(core), listener_(listener) {}

  // ---- Steps shared by the members ----
  // Copies text with spare room (a quarter more, at least 256 bytes; it grows when an edit needs
  // more), resets the counters and the undo stack and puts the offset on the first word; 0, or
  // -12 with no text left.
  int16_t LoadText(const char* text);
  // Moves past the current word to the next one; false when there is none.
  bool AdvanceWord();
  // Checks from the offset to the next problem word; its flags, END_OF_TEXT when none is left.
  int16_t CheckNext();
  // Puts the replacement in place of the problem word in the copy and records the change.
  int16_t ReplaceCurrent();

  // ---- Text ----
  // Reads the control's whole text and checks it; later changes are mirrored in it. The control
  // stays the caller's and must outlive its attachment; null detaches and loads the empty text.
  void AttachTextControl(TextControl* control);
  // Checks value in the copy only: the text control is detached.
  void SetText(const char* value);
  std::string Text() const;
  int32_t TextLength() const;

  // ---- Members ----
  int16_t Resume();
  bool NextWord();
  void IgnoreWord();
  void IgnoreAllWord();
  int16_t ReplaceWord();
  int16_t ReplaceAllWord();
  int32_t DeleteWord();
  void Undo();
  bool CanUndo() const { return !core_.State().undoStack.empty(); }
  bool TestWord(const char* word);
  void Suggest();
  // The same search for another word than the problem word (what the user typed instead); asking
  // again for the same word searches deeper.
  void SuggestFor(const char* word);
  std::string Suggestion(int16_t index) const;
  int16_t SuggestionCount() const;

  std::string MisspelledWord() const { return core_.State().misspelledWord.data(); }
  void SetMisspelledWord(const char* value);
  std::string ReplacementWord() const { return core_.State().replacementWord.data(); }
  void SetReplacementWord(const char* value);
  std::string CurrentWord();
  void SetCurrentWord(const char* value);
  int32_t WordOffset() const;
  int32_t WordCount();
  int32_t MisspelledWordCount() const { return core_.State().misspelledCount; }
  int32_t WordsReplacedCount() const { return core_.State().replacedCount; }
  int32_t UndoOffset() const { return core_.State().undoOffset; }
  std::string UndoNewText() const { return core_.State().undoNewText.data(); }
  std::string UndoOldText() const { return core_.State().undoOldText.data(); }

 private:
  // The copy as the engine scans it at offset: from the first byte that a scan there reads, so
  // nothing before it is measured or moved. Offsets in it are offsets in the copy less base.
  struct ScanView {
    const char* text;
    int32_t base;
    int32_t length;
    int32_t At(int32_t offset) const { return offset - base; }
    // An offset the engine gave back, in the copy; negative results stay as they are.
    int32_t InCopy(int32_t offset) const { return offset < 0 ? offset : offset + base; }
  };

  bool HasText() const { return core_.State().text.Loaded(); }
  ScanView ScanAt(int32_t offset);
  // The word found from offset into word, as TROV_GetStringWord finds it; its start or -3.
  int32_t WordFrom(int32_t offset, char* word, int16_t wordSize);
  void HostReplaceRange(int32_t start, int32_t length, const char* newText);
  void HostSelectRange(int32_t start, int32_t length);
  void Fire(CheckEvent event, int32_t offset = 0) { listener_.OnCheckEvent(event, offset); }
  void FireStopEvents(int16_t flags);
  // Room for one more undo record, so a change is never made that could not be recorded.
  bool ReserveUndo();
  void PushUndo(int32_t offset, std::string_view oldText, std::string_view newText);

  ControlCore& core_;
  CheckListener& listener_;
  TextControl* textControl_ = nullptr;
};

}  // namespace trov

#endif  // VANTOR_CHECK_LOOP_H
