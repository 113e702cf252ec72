// Context help for the control's dialogs. The help file is chosen once, when the module loads:
// vantordlg.chm beside the module when it can be read, else vantordlg.hlp. A compiled HTML help
// file is shown through the HTML Help control, anything else through the classic help engine.
// Every failure is silent: help that cannot be shown simply does not appear.
#ifndef VANTOR_CONTEXT_HELP_H
#define VANTOR_CONTEXT_HELP_H

#include <windows.h>

#include <string>

namespace trov {

// moduleDirectory without its last backslash.
void ChooseHelpFile(const std::string& moduleDirectory);
// Shows topic (a dialog's help context) for the dialog that asks.
void ShowContextHelp(HWND dialog, int topic);

}  // namespace trov

#endif  // VANTOR_CONTEXT_HELP_H
