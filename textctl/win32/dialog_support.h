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

// The dialog procedure of a dialog object T: WM_INITDIALOG hands over the object, which then
// gets T::Initialise(dialog) and every later message through T::Handle(message, wParam, lParam).
template <typename T>
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    reinterpret_cast<T*>(lParam)->Initialise(dialog);
    return TRUE;
  }
  auto* object = reinterpret_cast<T*>(GetWindowLongPtrA(dialog, DWLP_USER));
  return object != nullptr ? object->Handle(message, wParam, lParam) : FALSE;
}

// Runs dialog template id modally over owner, its messages handled by object; the end code, or
// -1 when the dialog could not be made.
template <typename T>
INT_PTR RunModalDialog(HINSTANCE resources, int id, HWND owner, T& object) {
  return DialogBoxParamA(resources, MAKEINTRESOURCEA(id), owner, &DialogProcedure<T>,
                         reinterpret_cast<LPARAM>(&object));
}

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
