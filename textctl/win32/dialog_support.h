// Pieces every dialog of the control uses: its strings and message boxes, the wait cursor, and
// bounded reads of the texts its controls hold.
#ifndef VANTOR_DIALOG_SUPPORT_H
#define VANTOR_DIALOG_SUPPORT_H

#include <windows.h>

#include <cstddef>
#include <string>

namespace trov {

// Shows the wait cursor while a long step runs and puts the previous one back.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { SetCursor(previous_); }

 private:
  HCURSOR previous_;
};

// String resource id of module; empty when it is missing.
std::string ResourceString(HINSTANCE module, UINT id);
// A message box with string id, an OK button and the control's name as its caption.
void ShowResourceMessage(HINSTANCE module, HWND owner, UINT id);

// At most limit characters of a control's text.
std::string ControlText(HWND control, std::size_t limit);
std::string ListBoxItemText(HWND list, int index);
std::string ComboBoxItemText(HWND combo, int index);

// Places a dialog that has no remembered position over the middle of its owner, or of the work
// area when it has none, kept on the screen.
void CentreDialog(HWND dialog);

}  // namespace trov

#endif  // VANTOR_DIALOG_SUPPORT_H
