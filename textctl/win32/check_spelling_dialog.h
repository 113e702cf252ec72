// The Check Spelling dialog: a modal dialog that drives the check loop itself, shows each stop
// with its prompt, the problem word and suggestions, and turns the user's buttons into the
// control's own members. It ends by itself at the end of the text.
#ifndef VANTOR_CHECK_SPELLING_DIALOG_H
#define VANTOR_CHECK_SPELLING_DIALOG_H

#include <windows.h>

#include <cstdint>

#include "check_loop.h"
#include "control_core.h"
#include "dictionary_members.h"

namespace trov {

// End codes of the dialog, the result of Start.
inline constexpr int16_t kCheckDialogEndOfText = 0;
inline constexpr int16_t kCheckDialogChangeFailed = -8;
inline constexpr int16_t kCheckDialogCancelled = -17;

// What the dialog needs of the control that opens it.
class CheckDialogHost {
 public:
  virtual ~CheckDialogHost() = default;
  virtual HINSTANCE Resources() = 0;  // the module holding the dialog's template and strings
  virtual ControlCore& Core() = 0;
  virtual CheckLoop& Loop() = 0;
  virtual DictionaryMembers& Dictionaries() = 0;
  // Makes window the control's text control (TextControlHWnd) and loads its text.
  virtual void AttachTextWindow(HWND window) = 0;
  // The nested dialogs, owned by the Check Spelling dialog.
  virtual void OpenOptionsDialog(HWND owner) = 0;
  virtual void OpenUserDictionariesDialog(HWND owner) = 0;
  virtual void ShowHelp(HWND dialog, int topic) = 0;
};

// The control's settings the dialog reads, and the position it leaves behind.
struct CheckDialogSettings {
  bool showContext = false;
  bool showDictionariesButton = true;
  bool showOptionsButton = true;
  int32_t dialogLeft = -1;  // screen position; -1 = none stored
  int32_t dialogTop = -1;
};

// Runs the dialog modally over parent; its end code, or -1 when it could not be shown. Every way
// out stores the dialog's last screen position in settings.
int16_t RunCheckSpellingDialog(CheckDialogHost& host, HWND parent, CheckDialogSettings& settings);

}  // namespace trov

#endif  // VANTOR_CHECK_SPELLING_DIALOG_H
