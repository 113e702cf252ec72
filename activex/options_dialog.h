// The Options dialog: eleven check boxes over a copy of the control's checking and suggestion
// settings, written back all at once when the user closes it with OK.
#ifndef VANTOR_OPTIONS_DIALOG_H
#define VANTOR_OPTIONS_DIALOG_H

#include <windows.h>

namespace trov {

class VantorControl;

void RunOptionsDialog(VantorControl& control, HWND owner);

}  // namespace trov

#endif  // VANTOR_OPTIONS_DIALOG_H
