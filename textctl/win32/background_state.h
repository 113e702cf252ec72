// Inside background checking: the one record of the window being checked, and the word checks
// that the notifications and the menu share.
#ifndef VANTOR_BACKGROUND_STATE_H
#define VANTOR_BACKGROUND_STATE_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "check_loop.h"
#include "control_core.h"
#include "marked_text.h"

namespace trov {

struct BackgroundState {
  HWND window = nullptr;  // the window last registered
  ControlCore* core = nullptr;
  CheckLoop* loop = nullptr;
  std::string userDictionary;  // where Add writes; empty for none
  MarkingStyle style;
  int32_t prevLength = 0;  // the text length at the last notification
  int32_t prevCaret = 0;   // the selection start at the last notification
  int32_t menuPos = -1;    // the character the menu is for
  int32_t menuCaret = 0;   // the selection start when the menu opened
  bool busy = false;       // a notification or the menu is being handled

  // Takes the window, the control and its user dictionary from a call.
  void TakeOver(HWND callWindow, ControlCore& callCore, CheckLoop& callLoop,
                const std::string& callUserDictionary) {
    window = callWindow;
    core = &callCore;
    loop = &callLoop;
    userDictionary = callUserDictionary.substr(0, TROV_MAX_PATH);
  }
};

// Process-wide by nature: one window is background-checked at a time.
BackgroundState& TheBackgroundState();

// Checking words of the registered window with its control's session.
class WordChecker {
 public:
  explicit WordChecker(const BackgroundState& state)
      : state_(state), text_(state.window, state.style) {}

  const MarkedText& Text() const { return text_; }
  // Marks the word when it is a problem, unmarks it when it is fine, and makes an automatic
  // change; 1 when it ends up marked, else 0. An empty word is left alone.
  int CheckAndMark(const WindowWord& word) const;
  // Every word of the last count characters before the caret, back to the start of the word the
  // region begins in.
  void RecheckBefore(int32_t count) const;
  // Every occurrence of word in the window, after a change of what the dictionaries say of it.
  void RecheckOccurrences(const std::string& word) const;

 private:
  // TROV_CheckText of word; an automatic change without AutoCorrect becomes a conditional one.
  int16_t Check(const std::string& word, std::string& replacement) const;

  const BackgroundState& state_;
  MarkedText text_;
};

// The suggestion menu on the word at state.menuPos (background_menu.cpp): shows it at the client
// point and carries out the choice.
void TrackSuggestionMenu(BackgroundState& state, const std::string& word, POINT clientPoint,
                         HINSTANCE resources);

}  // namespace trov

#endif  // VANTOR_BACKGROUND_STATE_H
