// The control's dialogs as members: Start with its Check Spelling dialog, and the Options and
// User Dictionaries dialogs, opened by the host or nested in the Check Spelling dialog, and the
// About box.
#include "about_box.h"
#include "com_ref.h"
#include "context_help.h"
#include "module.h"
#include "options_dialog.h"
#include "user_dictionaries_dialog.h"
#include "vantor_control.h"

namespace trov {

HWND VantorControl::DialogOwner() {
  HWND window = nullptr;
  ComRef<IOleInPlaceSite> inPlace;
  if (site_ != nullptr && SUCCEEDED(site_->QueryInterface(
                              IID_IOleInPlaceSite, reinterpret_cast<void**>(inPlace.Put())))) {
    inPlace->GetWindow(&window);
  }
  return window != nullptr ? window : GetActiveWindow();
}

int16_t VantorControl::Start() {
  if (!members_.showDialog) return loop_.Resume();
  CheckDialogSettings settings{members_.showContext, members_.showDictionariesButton,
                               members_.showOptionsButton, members_.dialogLeft, members_.dialogTop};
  // The host may drop its last reference from an event handler while the dialog runs.
  AddRef();
  const int16_t code = RunCheckSpellingDialog(*this, DialogOwner(), settings);
  members_.dialogLeft = settings.dialogLeft;
  members_.dialogTop = settings.dialogTop;
  Release();
  return code;
}

void VantorControl::ShowOptionsDialog() {
  RunOptionsDialog(*this, DialogOwner());
  core_->SetErrorCode(0);
}

void VantorControl::ShowUserDictionaryDialog() {
  RunUserDictionariesDialog(*this, DialogOwner());
  core_->SetErrorCode(0);
}

void VantorControl::AboutBox() { RunAboutBox(DialogOwner()); }

HINSTANCE VantorControl::Resources() { return ModuleInstance(); }

void VantorControl::AttachTextWindow(HWND window) { SetTextControlHWnd(HandleToLong(window)); }

void VantorControl::OpenOptionsDialog(HWND owner) { RunOptionsDialog(*this, owner); }

void VantorControl::OpenUserDictionariesDialog(HWND owner) {
  RunUserDictionariesDialog(*this, owner);
}

void VantorControl::ShowHelp(HWND dialog, int topic) { ShowContextHelp(dialog, topic); }

}  // namespace trov
