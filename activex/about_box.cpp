#include "about_box.h"

#include <string>

#include "dialog_support.h"
#include "hyperlink.h"
#include "module.h"
#include "resource.h"
#include "revision.h"

namespace trov {
namespace {

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, ("Version " + RevisionNumber()).c_str());
      // The help file that the dialogs' Help buttons open, from its first page.
      AttachHyperlink(GetDlgItem(dialog, IDC_ABOUT_LINK), ModuleDirectory() + "\\vantordlg.chm");
      CentreDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_ABOUT_LINK && HIWORD(wParam) == STN_CLICKED) {
        FollowHyperlink(GetDlgItem(dialog, IDC_ABOUT_LINK));
        return TRUE;
      }
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void RunAboutBox(HWND owner) {
  DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_ABOUT_BOX), owner, &AboutProcedure, 0);
}

}  // namespace trov
