// The User Dictionaries dialog: browse the words of each open user dictionary with their action
// and other word, and add or delete words. Every change goes through the control's own members
// at once, so there is nothing to confirm when it closes.
#ifndef VANTOR_USER_DICTIONARIES_DIALOG_H
#define VANTOR_USER_DICTIONARIES_DIALOG_H

#include <windows.h>

namespace trov {

class VantorControl;

void RunUserDictionariesDialog(VantorControl& control, HWND owner);

}  // namespace trov

#endif  // VANTOR_USER_DICTIONARIES_DIALOG_H
