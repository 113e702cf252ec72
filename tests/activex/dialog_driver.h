// Drives the control's modal dialogs as a user would, from a second thread: the test's thread
// makes the call that runs the dialog; the driver finds the dialog among that thread's windows,
// reads its controls, presses buttons, types and picks list entries. Whatever is still open when
// the script is done is cancelled and counted as a failure, so a dialog that does not end fails
// its test instead of hanging it.
#ifndef VANTOR_TESTS_DIALOG_DRIVER_H
#define VANTOR_TESTS_DIALOG_DRIVER_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace trov::test {

class DialogDriver {
 public:
  using Script = std::function<void(DialogDriver&)>;

  // Runs modal on this thread and script on a second one; returns when both are done.
  static void Run(const std::function<void()>& modal, const Script& script);

  // ---- Finding windows ----
  // The visible dialog with this caption among the test thread's windows; fails the test and
  // returns null when none shows up in time.
  HWND WaitForDialog(const char* caption);
  // The same for a dialog whose caption holds part, for captions the platform composes.
  HWND WaitForDialogContaining(const char* part);
  // True when no dialog with this caption shows up within a short while.
  bool NoDialogAppears(const char* caption);
  // The pop-up menu the test thread is tracking; fails the test and returns null when none
  // shows up in time.
  HWND WaitForMenu();
  // Waits until the window is gone or hidden (an ended dialog); false when it stays.
  bool WaitUntilClosed(HWND window);
  // Waits until a control shows text, after an action that was posted; false when it does not.
  bool WaitForText(HWND dialog, int id, const std::string& text);
  // Waits until the keyboard focus is on a control of the dialog.
  bool WaitForFocus(HWND dialog, int id);

  // ---- Acting ----
  // Presses a button; returns when its work is done. Buttons that open a message box or another
  // dialog need ClickLater.
  void Click(HWND dialog, int id);
  void ClickLater(HWND dialog, int id);
  // Chooses a pop-up menu's command by its position among the items that are not separators,
  // with the keyboard; a negative index dismisses the menu.
  void ChooseMenuItem(HWND menu, int index);
  // As if the user pressed Alt and the key.
  void PressAccessKey(HWND dialog, char key);
  void PressEscape(HWND dialog);
  // Types text over the edit's whole content, as the keyboard would: undoable, with notifications.
  void Type(HWND dialog, int id, const char* text);
  // Selects a list box or combo box entry and tells the dialog, as a click would.
  void SelectListItem(HWND dialog, int id, int index);
  void DoubleClickListItem(HWND dialog, int id, int index);
  void SelectComboItem(HWND dialog, int id, int index);
  void MoveTo(HWND window, int left, int top);

  // ---- Reading ----
  std::string Text(HWND dialog, int id);
  bool Enabled(HWND dialog, int id);
  bool Visible(HWND dialog, int id);
  bool Checked(HWND dialog, int id);
  std::vector<std::string> ListItems(HWND dialog, int id);
  int ListSelection(HWND dialog, int id);
  std::vector<std::string> ComboItems(HWND dialog, int id);
  int ComboSelection(HWND dialog, int id);
  // The texts of a pop-up menu's items, separators as empty strings.
  std::vector<std::string> MenuItems(HWND menu);
  // The text a message box shows.
  std::string MessageText(HWND box);
  HWND Focus();

 private:
  explicit DialogDriver(DWORD uiThread) : uiThread_(uiThread) {}
  HWND FindDialog(const char* caption, bool partial);
  HWND WaitForMatch(const char* caption, bool partial);
  // Cancels every dialog of the test thread until its modal call returns.
  void CancelOpenDialogs(HANDLE modalDone);

  DWORD uiThread_;
};

}  // namespace trov::test

#endif  // VANTOR_TESTS_DIALOG_DRIVER_H
