// Background checking: marks the problem words of a host's rich-edit (or tx) window as the user
// types, and offers a pop-up menu of suggestions on a marked word. The control does not watch the
// window: the host forwards each change and right click, and the check touches only the words
// the change can have affected. One window is background-checked at a time in a process.
#ifndef VANTOR_BACKGROUND_CHECK_H
#define VANTOR_BACKGROUND_CHECK_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "check_loop.h"
#include "control_core.h"
#include "marked_text.h"

namespace trov {

// One call of a host: the window, the control that checks it and how to mark.
struct BackgroundCall {
  HWND window;
  ControlCore& core;
  CheckLoop& loop;             // its suggestion search serves the menu
  std::string userDictionary;  // the control's first user dictionary, where Add writes; or empty
  MarkingStyle style;
};

// After a change of the text or the selection: 1 when the last word checked was marked, else 0.
int32_t CheckBackgroundNotify(const BackgroundCall& call);
// Checks the whole text; 0.
int32_t CheckBackgroundRecheck(const BackgroundCall& call);
// A right click at client point (x, y), or at character position y when x is -1: shows the
// suggestion menu on a marked word and carries out the choice. 1 when the menu was shown, 0 when
// there was nothing to offer, -3 when the point is on no character.
int32_t CheckBackgroundMenu(const BackgroundCall& call, int32_t x, int32_t y, HINSTANCE resources);
// A control going away: the process-wide record must not keep using its core.
void ForgetBackgroundCore(const ControlCore& core);

}  // namespace trov

#endif  // VANTOR_BACKGROUND_CHECK_H
